# `cmake --install`: the two programs, the icon, the desktop entry and the manual page,
# in the usual places below the prefix.
include(GNUInstallDirs)

set(morvane_resources ${CMAKE_CURRENT_LIST_DIR}/../resources)

install(TARGETS morvane morvane-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${morvane_resources}/morvane.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
install(FILES ${morvane_resources}/morvane.png
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/256x256/apps)
install(FILES ${morvane_resources}/morvane.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${morvane_resources}/morvane-batch.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The marker tells the programs that they run from an installation, so they keep the
# user's files in the user's configuration folder even when the bin folder is writable.
# Its place beside bin is fixed (<bin>/../share/morvane), whatever DATAROOTDIR says.
install(FILES ${morvane_resources}/installed DESTINATION share/morvane)
