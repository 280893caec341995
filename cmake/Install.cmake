# SPDX-License-Identifier: MIT
# Installs the program as a desktop application: the executable, its manual page, its menu entry,
# its icon in the sizes of the hicolor theme and its description for software centres.

include(GNUInstallDirs)

install(TARGETS kestrelmark RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Found by the program beside its bin folder (src/language).
install(FILES ${KESTRELMARK_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/kestrelmark/translations)

# The manual page compressed, as Debian wants it; -n leaves out the name and time, so the same
# page gives the same file.
configure_file(${PROJECT_SOURCE_DIR}/docs/kestrelmark.1.in ${PROJECT_BINARY_DIR}/man/kestrelmark.1
    @ONLY)
execute_process(COMMAND gzip -9nf ${PROJECT_BINARY_DIR}/man/kestrelmark.1
    COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${PROJECT_BINARY_DIR}/man/kestrelmark.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Completed by bash from where bash-completion loads a command's completion on first use.
install(FILES ${PROJECT_SOURCE_DIR}/resources/completion/kestrelmark
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/kestrelmark.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(KESTRELMARK_ICONS
    16 ${PROJECT_SOURCE_DIR}/resources/main/kestrelmark16.png
    32 ${PROJECT_SOURCE_DIR}/resources/main/kestrelmark.png
    48 ${PROJECT_SOURCE_DIR}/resources/desktop/kestrelmark48.png
    128 ${PROJECT_SOURCE_DIR}/resources/desktop/kestrelmark128.png)
while(KESTRELMARK_ICONS)
    list(POP_FRONT KESTRELMARK_ICONS size picture)
    install(FILES ${picture} RENAME kestrelmark.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endwhile()

# The program's identity in software centres. AppStream wants a reverse-DNS id; the project owns
# no domain yet, so the id sits under the reserved "example" domain until it does.
set(KESTRELMARK_APP_ID example.kestrelmark.Kestrelmark)
# The program's licence as an SPDX expression; its text is LICENSE.
set(KESTRELMARK_LICENSE MIT)
set(KESTRELMARK_SCREENSHOT_URL "" CACHE STRING
    "Web address where docs/images/main-window.png is published, for software centres")

if(KESTRELMARK_SCREENSHOT_URL)
    string(CONCAT KESTRELMARK_METAINFO_SCREENSHOTS "\n"
        "  <screenshots>\n"
        "    <screenshot type=\"default\">\n"
        "      <caption>Old and new names side by side, with thumbnails</caption>\n"
        "      <image>${KESTRELMARK_SCREENSHOT_URL}</image>\n"
        "    </screenshot>\n"
        "  </screenshots>")
else()
    set(KESTRELMARK_METAINFO_SCREENSHOTS "")
endif()
set(KESTRELMARK_METAINFO ${PROJECT_BINARY_DIR}/${KESTRELMARK_APP_ID}.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/resources/kestrelmark.metainfo.xml.in ${KESTRELMARK_METAINFO}
    @ONLY)
install(FILES ${KESTRELMARK_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
