# SPDX-License-Identifier: GPL-3.0-or-later
# Installing the program with its menu entry and icon, and the Debian package (cpack -G DEB).
if(NOT BALVO_QT)
  return()
endif()

install(FILES ${CMAKE_CURRENT_LIST_DIR}/balvo.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/balvo.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)

# Packaging installs what has been built (cmake --build first) instead of building every test
# and benchmark again.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME balvo)
set(CPACK_PACKAGE_VENDOR "Balvo")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "equations in one unknown, solved step by step (Bokmål, Nynorsk, English)")
set(CPACK_PACKAGE_DESCRIPTION
    "Balvo lets pupils practise solving equations in one unknown: the pupil chooses what to do to\
 both sides, the program carries it out exactly, in fractions with root parts, and writes the\
 next line of the worksheet. It speaks Bokmål, Nynorsk and English.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Balvo developers <balvo@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Qt libraries come from dpkg-shlibdeps (dpkg-dev); the fonts the worksheet is typeset in
# are read at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# Qt's own file and print dialogs in Nynorsk (which Bokmål uses too); the program runs without.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
