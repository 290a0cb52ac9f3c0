# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Wildcrest as a desktop program, and packaging it for Debian.
#
# The game looks for its pictures beside its real executable, so the two are
# installed together in <prefix>/lib/wildcrest. <prefix>/bin/wildcrest is a
# relative symbolic link to it: the game resolves the link to find its
# directory, and a relative link keeps working when the whole prefix moves
# (DESTDIR, a package, ~/.local).
include(GNUInstallDirs)

set(WILDCREST_INSTALL_GAMEDIR lib/wildcrest CACHE STRING
  "Where the game and its pictures are installed, relative to the prefix")
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(TARGET wildcrest)
  install(TARGETS wildcrest RUNTIME DESTINATION ${WILDCREST_INSTALL_GAMEDIR})
  # Everything the picture generator draws; 8H.bmp and 8H.BMP are different
  # pictures. The larger scales lie in x1.5/, x2/, ... as PNG.
  install(DIRECTORY ${WILDCREST_GAME_DIR}/ DESTINATION ${WILDCREST_INSTALL_GAMEDIR}
    FILES_MATCHING PATTERN "*.bmp" PATTERN "*.BMP" PATTERN "*.png")

  file(RELATIVE_PATH launcher_target
    ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
    ${CMAKE_INSTALL_PREFIX}/${WILDCREST_INSTALL_GAMEDIR}/wildcrest)
  set(launcher ${CMAKE_CURRENT_BINARY_DIR}/launcher/wildcrest)
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/launcher)
  file(CREATE_LINK ${launcher_target} ${launcher} SYMBOLIC)
  install(FILES ${launcher} DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# One name for the metainfo's id, the desktop entry, the icon and the window's
# application id, so that software centres and compositors find each other's.
set(data ${CMAKE_CURRENT_SOURCE_DIR}/data)
set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${data}/${WILDCREST_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${data}/${WILDCREST_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The manual page carries the version of the build.
configure_file(${data}/wildcrest.6.in ${CMAKE_BINARY_DIR}/data/wildcrest.6 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/data/wildcrest.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${data}/${WILDCREST_APP_ID}.svg DESTINATION ${icons}/scalable/apps)
install(FILES ${WILDCREST_GAME_DIR}/wildcrest-48.png DESTINATION ${icons}/48x48/apps RENAME ${WILDCREST_APP_ID}.png)
install(FILES ${WILDCREST_GAME_DIR}/wildcrest-128.png DESTINATION ${icons}/128x128/apps RENAME ${WILDCREST_APP_ID}.png)
install(FILES ${WILDCREST_GAME_DIR}/wildcrest.png DESTINATION ${icons}/256x256/apps RENAME ${WILDCREST_APP_ID}.png)

# The Debian package: ./package runs cpack in the build directory.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wildcrest)
set(CPACK_PACKAGE_VENDOR "The Wildcrest developers")
# Whoever builds the package maintains it: Debian's DEBFULLNAME and DEBEMAIL,
# or -DWILDCREST_MAINTAINER="Name <address>".
if(DEFINED ENV{DEBEMAIL})
  set(maintainer_default "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
  set(maintainer_default "Local build, no maintainer set <root@localhost>")
endif()
set(WILDCREST_MAINTAINER "${maintainer_default}" CACHE STRING "The package's maintainer, as Name <address>")
set(CPACK_PACKAGE_CONTACT "${WILDCREST_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "card game played with a single switch")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Wildcrest is a game of eights against the computer for people who can"
  "press only one switch: any key is the switch. The cards you may play are"
  "lifted one after another, and a press plays the lifted one; an eight names"
  "its suit the same way. Five rounds make a match, and the lower total wins.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps adds the libraries the executable links (libqt6widgets6,
# libqt6gui6, libqt6core6, libcanberra0 and libasound2 for sound, libsdl2-2.0-0 for joysticks, the C and
# C++ runtimes); listed here
# is what it needs at run time without linking it: Qt's window-system
# plugins, the font of the window's text, and the bell it rings.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, sound-theme-freedesktop")
# Without the first the game runs through XWayland on a Wayland desktop; the
# second has Qt's own words (the settings dialog's Save and Cancel) in the
# player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
