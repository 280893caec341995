// SPDX-License-Identifier: MIT
#include "picture_formats/heif_file.h"

#include <QIODevice>
#include <libheif/heif.h>

namespace km {
namespace {

// libheif finds its decoders once per process; the program never tears them down.
void initHeifOnce() {
    static const bool initialised = [] {
        heif_init(nullptr);
        return true;
    }();
    (void)initialised;
}

QIODevice& deviceOf(void* source) {
    return *static_cast<HeifFile::Source*>(source)->device;
}

qint64 startOf(void* source) {
    return static_cast<HeifFile::Source*>(source)->start;
}

int64_t heifPosition(void* source) {
    return deviceOf(source).pos() - startOf(source);
}

int heifRead(void* data, size_t size, void* source) {
    const qint64 wanted = static_cast<qint64>(size);
    return deviceOf(source).read(static_cast<char*>(data), wanted) == wanted ? 0 : 1;
}

int heifSeek(int64_t position, void* source) {
    return deviceOf(source).seek(startOf(source) + position) ? 0 : 1;
}

// The file is complete: what lies beyond its end never comes.
heif_reader_grow_status heifWaitForSize(int64_t size, void* source) {
    return size <= deviceOf(source).size() - startOf(source)
               ? heif_reader_grow_status_size_reached
               : heif_reader_grow_status_size_beyond_eof;
}

const heif_reader kDeviceReader{1, heifPosition, heifRead, heifSeek, heifWaitForSize};

HeifImageHandle noHandle() {
    return HeifImageHandle(nullptr, heif_image_handle_release);
}

} // namespace

HeifFile::HeifFile(Source source)
    : m_source(std::make_unique<Source>(source)),
      m_context(heif_context_alloc(), heif_context_free), m_primary(noHandle()) {}

HeifFile::~HeifFile() = default;

std::unique_ptr<HeifFile> HeifFile::open(QIODevice& device) {
    initHeifOnce();
    std::unique_ptr<HeifFile> file(new HeifFile({&device, device.pos()}));
    if (!file->m_context)
        return nullptr;
    if (heif_context_read_from_reader(file->m_context.get(), &kDeviceReader, file->m_source.get(),
                                      nullptr)
            .code != heif_error_Ok)
        return nullptr;
    heif_image_handle* primary = nullptr;
    if (heif_context_get_primary_image_handle(file->m_context.get(), &primary).code !=
        heif_error_Ok)
        return nullptr;
    file->m_primary.reset(primary);
    return file;
}

std::vector<HeifImageHandle> HeifFile::thumbnails() const {
    std::vector<HeifImageHandle> thumbnails;
    const int count = heif_image_handle_get_number_of_thumbnails(primary());
    if (count <= 0)
        return thumbnails;
    std::vector<heif_item_id> ids(static_cast<size_t>(count));
    const int listed = heif_image_handle_get_list_of_thumbnail_IDs(primary(), ids.data(), count);
    for (int i = 0; i < listed; ++i) {
        heif_image_handle* thumbnail = nullptr;
        if (heif_image_handle_get_thumbnail(primary(), ids[static_cast<size_t>(i)], &thumbnail)
                .code == heif_error_Ok)
            thumbnails.emplace_back(thumbnail, heif_image_handle_release);
    }
    return thumbnails;
}

// The stored block starts with the big-endian offset of the TIFF header from the block's fifth
// byte (past an "Exif\0\0" header, when the writer kept one).
QByteArray HeifFile::exif() const {
    heif_item_id id = 0;
    if (heif_image_handle_get_list_of_metadata_block_IDs(primary(), "Exif", &id, 1) != 1)
        return {};
    const size_t size = heif_image_handle_get_metadata_size(primary(), id);
    if (size < 4 || size > 16 * 1024 * 1024)
        return {};
    QByteArray block(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (heif_image_handle_get_metadata(primary(), id, block.data()).code != heif_error_Ok)
        return {};
    const quint32 offset = quint32(uchar(block[0])) << 24 | quint32(uchar(block[1])) << 16 |
                           quint32(uchar(block[2])) << 8 | uchar(block[3]);
    if (offset > static_cast<quint32>(block.size() - 4))
        return {};
    return block.sliced(4 + offset);
}

} // namespace km
