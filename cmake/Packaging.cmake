# SPDX-License-Identifier: MIT
# The Debian package, built with `cpack -G DEB` from a configured build (./build.sh package): the
# files Install.cmake installs, under /usr, with the dependencies computed from the libraries the
# executable links.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrelmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT
    "Kestrelmark maintainers <maintainers@kestrelmark.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rename the photos of a folder in one batch")
# Lines of the extended description, each under 80 characters as Debian wants them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Kestrelmark gives every JPEG, Bitmap and GIF photo of a folder (and, when\n"
    "chosen, HEIC, AVIF, PNG, TIFF and WebP photos) a new name\n"
    "made of a prefix, a zero-padded running number and the photo's own extension.\n"
    "Old and new names stand side by side before anything is renamed, a name that\n"
    "would collide is refused, the rename runs in two passes through temporary\n"
    "names and the last rename can be undone once. A preview column shows\n"
    "thumbnails of the selected photos.\n"
    "\n"
    "File managers offer it for folders, under Open With Kestrelmark.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The designed control sizes are measured with Liberation Sans, which Qt loads by name, TIFF and
# WebP pictures are read by Qt's image plugins, which it loads at run time, and libheif (HEIC,
# AVIF) is loaded when the first such file is met, and Qt's own texts in German come from its
# translations: no library the executable links names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation2, qt6-image-formats-plugins, libheif1, qt6-translations-l10n")
# Videos are previewed through libffmpegthumbnailer, loaded when the first video is shown; without
# it they show their icon.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libffmpegthumbnailer4v5")
set(CPACK_STRIP_FILES ON)

# Debian wants a copyright notice and a changelog beside every package's documentation. The date
# is the configure time, or SOURCE_DATE_EPOCH for a reproducible build.
set(KESTRELMARK_DOC ${PROJECT_BINARY_DIR}/package-doc)
string(TIMESTAMP KESTRELMARK_BUILD_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE KESTRELMARK_LICENSE_TEXT)
file(CONFIGURE OUTPUT ${KESTRELMARK_DOC}/copyright CONTENT [[
Kestrelmark is distributed under the ${KESTRELMARK_LICENSE} licence:

${KESTRELMARK_LICENSE_TEXT}]])
file(CONFIGURE OUTPUT ${KESTRELMARK_DOC}/changelog CONTENT [[
kestrelmark (${PROJECT_VERSION}) unstable; urgency=medium

  * Release ${PROJECT_VERSION}.

 -- ${CPACK_PACKAGE_CONTACT}  ${KESTRELMARK_BUILD_DATE}
]])
execute_process(COMMAND gzip -9nf ${KESTRELMARK_DOC}/changelog COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${KESTRELMARK_DOC}/copyright ${KESTRELMARK_DOC}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestrelmark)

# What lintian reports wrongly about this package, each with its reason.
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/kestrelmark.lintian-overrides
    RENAME kestrelmark DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)

include(CPack)
