# Installs the program as a desktop application: the executable, its menu entry and its icon in
# the sizes of the hicolor theme.

include(GNUInstallDirs)

install(TARGETS kestrelmark RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

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
