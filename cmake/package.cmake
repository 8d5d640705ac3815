# `cpack -G DEB` (and `make deb`): the Debian package of everything `cmake --install`
# installs, below /usr. Its dependencies are the shared libraries the programs link
# (dpkg-shlibdeps) and the packages the window program loads at run time.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Morvane developers")
set(CPACK_PACKAGE_CONTACT "${MORVANE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch file renamer with a Japanese interface")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MORVANE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The interface font, and Qt's own Japanese texts (the buttons of its dialogs).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
if(MORVANE_HOME_PAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${MORVANE_HOME_PAGE}")
endif()
# CPack puts the summary first and indents every line; an empty line parts paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Morvane renames or copies many files at once: sequential numbering (a front
part, a running number, a back part, in name, extension, size, date or
hand-made order), extension change, case conversion, string replacement and
string addition, in the same folder or copied into an output folder.

The window program morvane has a Japanese interface; morvane-batch runs the
same renames from the command line. A rename never replaces an existing file,
and a plan shows every new name before a run.")

include(CPack)
