# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Wildcrest as a desktop program, and packaging it for Debian.
#
# Laid out as Debian lays out games: the program is <prefix>/games/wildcrest,
# the picture files it reads lie in <prefix>/share/games/wildcrest, which the
# game finds by the relative path from its real executable (so the whole
# prefix may move: DESTDIR, a package, ~/.local), and the documentation is in
# <prefix>/share/doc/wildcrest.
include(GNUInstallDirs)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/wildcrest)

if(TARGET wildcrest)
  install(TARGETS wildcrest RUNTIME DESTINATION ${WILDCREST_INSTALL_PROGRAM_DIR})
  # The game's own look, as the picture generator draws it; 8H.bmp and 8H.BMP
  # are different files. Every other look the game draws when it starts.
  set(game_pictures)
  foreach(suit S C H D)
    foreach(rank A 2 3 4 5 6 7 8 9 T J Q K)
      list(APPEND game_pictures ${WILDCREST_GAME_DIR}/${rank}${suit}.bmp)
    endforeach()
    list(APPEND game_pictures ${WILDCREST_GAME_DIR}/8${suit}.BMP)
  endforeach()
  foreach(name Back Card Empty)
    list(APPEND game_pictures ${WILDCREST_GAME_DIR}/${name}.bmp)
  endforeach()
  install(FILES ${game_pictures} DESTINATION ${WILDCREST_INSTALL_DATA_DIR})
endif()

# Debian's documentation: the copyright in its machine-readable form, the
# release notes as a changelog, and the manual page, compressed as Debian's
# tools would (gzip -9n: no name, no time stamp).
include(${CMAKE_CURRENT_LIST_DIR}/Maintainer.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/Changelog.cmake)
find_program(GZIP gzip REQUIRED)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/data/wildcrest.6.in ${CMAKE_BINARY_DIR}/data/wildcrest.6 @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/data/wildcrest.6.gz ${CMAKE_BINARY_DIR}/data/changelog.gz
  COMMAND ${GZIP} -9nkf ${CMAKE_BINARY_DIR}/data/wildcrest.6 ${CMAKE_BINARY_DIR}/data/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/data/wildcrest.6 ${CMAKE_BINARY_DIR}/data/changelog
  COMMENT "Compressing the manual page and the changelog"
  VERBATIM)
add_custom_target(wildcrest_documents ALL DEPENDS ${CMAKE_BINARY_DIR}/data/wildcrest.6.gz ${CMAKE_BINARY_DIR}/data/changelog.gz)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/data/copyright ${CMAKE_BINARY_DIR}/data/changelog.gz DESTINATION ${docdir})
install(FILES ${CMAKE_BINARY_DIR}/data/wildcrest.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# One name for the metainfo's id, the desktop entry, the icon and the window's
# application id, so that software centres and compositors find each other's.
set(data ${CMAKE_CURRENT_SOURCE_DIR}/data)
set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${data}/${WILDCREST_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${data}/${WILDCREST_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${data}/${WILDCREST_APP_ID}.svg DESTINATION ${icons}/scalable/apps)
install(FILES ${WILDCREST_GAME_DIR}/wildcrest-48.png DESTINATION ${icons}/48x48/apps RENAME ${WILDCREST_APP_ID}.png)
install(FILES ${WILDCREST_GAME_DIR}/wildcrest-128.png DESTINATION ${icons}/128x128/apps RENAME ${WILDCREST_APP_ID}.png)
install(FILES ${WILDCREST_GAME_DIR}/wildcrest.png DESTINATION ${icons}/256x256/apps RENAME ${WILDCREST_APP_ID}.png)

# The Debian package: ./package runs cpack in the build directory.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wildcrest)
set(CPACK_PACKAGE_VENDOR "The Wildcrest developers")
set(CPACK_PACKAGE_CONTACT "${WILDCREST_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "card game played with a single switch")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Wildcrest is a game of eights against the computer for people who can"
  "press only one switch: any key is the switch. The cards you may play are"
  "lifted one after another, and a press plays the lifted one; an eight names"
  "its suit the same way. Five rounds make a match, and the lower total wins.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackStrip.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps adds the libraries the executable links (libqt6widgets6,
# libqt6gui6, libqt6core6, libcanberra0 and libasound2 for sound, libsdl2-2.0-0 for joysticks, the C and
# C++ runtimes); listed here
# is what it needs at run time without linking it: Qt's window-system
# plugins, the font of the window's text, the bell it rings, and the SQLite
# driver of the record of switch use.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, sound-theme-freedesktop, libqt6sql6-sqlite")
# Without the first the game runs through XWayland on a Wayland desktop; the
# second has Qt's own words (the settings dialog's Save and Cancel) in the
# player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
