// SPDX-License-Identifier: MIT
// libheif is loaded when the first HEIF file is met, not when the program starts: it brings in
// the libraries of several video codecs, megabytes every start would map for folders that hold
// JPEGs only. Each function of libheif the program calls is defined here under its own name and
// calls the library's on first use. Without the library, HEIF files are simply not read.
#include <cstring>
#include <dlfcn.h>
#include <libheif/heif.h>

namespace {

void* heifLibrary() {
    static void* const handle = ::dlopen("libheif.so.1", RTLD_NOW | RTLD_LOCAL);
    return handle;
}

// The library's own function of that name; null without the library.
template <typename Function> Function heifFunction(const char* name) {
    void* const handle = heifLibrary();
    void* const found = handle ? ::dlsym(handle, name) : nullptr;
    // dlsym gives a function as an object pointer; copied, as a cast between the two is not
    // standard C++.
    Function function = nullptr;
    static_assert(sizeof function == sizeof found);
    std::memcpy(&function, &found, sizeof function);
    return function;
}

heif_error missingLibrary() {
    return {heif_error_Unsupported_feature, heif_suberror_Unspecified, "libheif is not installed"};
}

} // namespace

// Each definition resolves its function once, then calls it.
#define KM_HEIF_FUNCTION(name) static const auto real = heifFunction<decltype(&::name)>(#name)

extern "C" {

heif_error heif_init(heif_init_params* params) {
    KM_HEIF_FUNCTION(heif_init);
    return real ? real(params) : missingLibrary();
}

heif_filetype_result heif_check_filetype(const uint8_t* data, int len) {
    KM_HEIF_FUNCTION(heif_check_filetype);
    return real ? real(data, len) : heif_filetype_no;
}

heif_context* heif_context_alloc(void) {
    KM_HEIF_FUNCTION(heif_context_alloc);
    return real ? real() : nullptr;
}

void heif_context_free(heif_context* context) {
    KM_HEIF_FUNCTION(heif_context_free);
    if (real)
        real(context);
}

heif_error heif_context_read_from_reader(heif_context* context, const heif_reader* reader,
                                         void* userdata, const heif_reading_options* options) {
    KM_HEIF_FUNCTION(heif_context_read_from_reader);
    return real ? real(context, reader, userdata, options) : missingLibrary();
}

heif_error heif_context_get_primary_image_handle(heif_context* context,
                                                 heif_image_handle** handle) {
    KM_HEIF_FUNCTION(heif_context_get_primary_image_handle);
    return real ? real(context, handle) : missingLibrary();
}

void heif_image_handle_release(const heif_image_handle* handle) {
    KM_HEIF_FUNCTION(heif_image_handle_release);
    if (real)
        real(handle);
}

int heif_image_handle_get_width(const heif_image_handle* handle) {
    KM_HEIF_FUNCTION(heif_image_handle_get_width);
    return real ? real(handle) : 0;
}

int heif_image_handle_get_height(const heif_image_handle* handle) {
    KM_HEIF_FUNCTION(heif_image_handle_get_height);
    return real ? real(handle) : 0;
}

int heif_image_handle_get_number_of_thumbnails(const heif_image_handle* handle) {
    KM_HEIF_FUNCTION(heif_image_handle_get_number_of_thumbnails);
    return real ? real(handle) : 0;
}

int heif_image_handle_get_list_of_thumbnail_IDs(const heif_image_handle* handle, heif_item_id* ids,
                                                int count) {
    KM_HEIF_FUNCTION(heif_image_handle_get_list_of_thumbnail_IDs);
    return real ? real(handle, ids, count) : 0;
}

heif_error heif_image_handle_get_thumbnail(const heif_image_handle* handle, heif_item_id id,
                                           heif_image_handle** thumbnail) {
    KM_HEIF_FUNCTION(heif_image_handle_get_thumbnail);
    return real ? real(handle, id, thumbnail) : missingLibrary();
}

int heif_image_handle_get_list_of_metadata_block_IDs(const heif_image_handle* handle,
                                                     const char* type, heif_item_id* ids,
                                                     int count) {
    KM_HEIF_FUNCTION(heif_image_handle_get_list_of_metadata_block_IDs);
    return real ? real(handle, type, ids, count) : 0;
}

size_t heif_image_handle_get_metadata_size(const heif_image_handle* handle, heif_item_id id) {
    KM_HEIF_FUNCTION(heif_image_handle_get_metadata_size);
    return real ? real(handle, id) : 0;
}

heif_error heif_image_handle_get_metadata(const heif_image_handle* handle, heif_item_id id,
                                          void* data) {
    KM_HEIF_FUNCTION(heif_image_handle_get_metadata);
    return real ? real(handle, id, data) : missingLibrary();
}

heif_decoding_options* heif_decoding_options_alloc() {
    KM_HEIF_FUNCTION(heif_decoding_options_alloc);
    return real ? real() : nullptr;
}

void heif_decoding_options_free(heif_decoding_options* options) {
    KM_HEIF_FUNCTION(heif_decoding_options_free);
    if (real)
        real(options);
}

heif_error heif_decode_image(const heif_image_handle* handle, heif_image** image,
                             heif_colorspace colorspace, heif_chroma chroma,
                             const heif_decoding_options* options) {
    KM_HEIF_FUNCTION(heif_decode_image);
    return real ? real(handle, image, colorspace, chroma, options) : missingLibrary();
}

void heif_image_release(const heif_image* image) {
    KM_HEIF_FUNCTION(heif_image_release);
    if (real)
        real(image);
}

int heif_image_get_width(const heif_image* image, heif_channel channel) {
    KM_HEIF_FUNCTION(heif_image_get_width);
    return real ? real(image, channel) : 0;
}

int heif_image_get_height(const heif_image* image, heif_channel channel) {
    KM_HEIF_FUNCTION(heif_image_get_height);
    return real ? real(image, channel) : 0;
}

const uint8_t* heif_image_get_plane_readonly(const heif_image* image, heif_channel channel,
                                             int* stride) {
    KM_HEIF_FUNCTION(heif_image_get_plane_readonly);
    return real ? real(image, channel, stride) : nullptr;
}

} // extern "C"
