# SPDX-License-Identifier: GPL-3.0-or-later
# Installing the program with its menu entry, icon, AppStream metadata and manual page. The
# Debian package is built from debian/ (dpkg-buildpackage), which installs the same files.
if(NOT BALVO_QT)
  return()
endif()

install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.example.balvo.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.example.balvo.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/balvo.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/balvo.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Installing installs what has been built (cmake --build first) instead of building every test
# and benchmark again.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
