# Installing the game in the usual file-system layout (cmake --install build --prefix P):
#   P/bin/quenlit                         the program, which finds its game folder from here
#   P/share/quenlit/                      the game folder: data, Images, wav, Fonts, config.ini
#   P/share/applications/, P/share/icons/hicolor/, P/share/metainfo/, P/share/man/man6/
# The tools (quenlit-sim, quenlit-tower, quenlit-seal) only with "--component tools".
# cpack -G DEB packs the same layout under /usr.
include(GNUInstallDirs)

set(QUENLIT_APP_ID io.github.quenlit.quenlit)
set(QUENLIT_HOMEPAGE "https://quenlit.github.io" CACHE STRING
    "Where the game is published; the AppStream screenshots are under its screenshots/")
set(GAME_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/quenlit)

install(TARGETS quenlit RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT game)
install(TARGETS quenlit-sim quenlit-tower quenlit-seal
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tools EXCLUDE_FROM_ALL)

install(DIRECTORY ${GAME_DIR}/data ${GAME_DIR}/Images ${GAME_DIR}/wav
  DESTINATION ${GAME_INSTALL_DIR} COMPONENT game)
install(FILES ${GAME_DIR}/config.ini ${GAME_DIR}/CREDITS
  DESTINATION ${GAME_INSTALL_DIR} COMPONENT game)
install(FILES ${GAME_DIR}/Fonts/fonts.txt ${GAME_MADE_FONTS}
  DESTINATION ${GAME_INSTALL_DIR}/Fonts COMPONENT game)
# Debian's font files stay where their packages put them; the game folder links to them.
foreach(font ${GAME_FONT_FILES})
  get_filename_component(name ${font} NAME)
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${GAME_INSTALL_DIR}/Fonts/${name}\")
    message(STATUS \"Linking: \${link} -> ${font}\")
    file(CREATE_LINK ${font} \${link} SYMBOLIC)" COMPONENT game)
endforeach()

# The desktop entry starts the program by its full installed path: a prefix such as ~/.local
# need not have its bin/ on the desktop's PATH.
install(CODE "
  set(QUENLIT_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/quenlit\")
  set(entry \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/${QUENLIT_APP_ID}.desktop\")
  message(STATUS \"Installing: \${entry}\")
  configure_file(${CMAKE_SOURCE_DIR}/res/quenlit.desktop.in \${entry} @ONLY)" COMPONENT game)

install(DIRECTORY ${ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor COMPONENT game)

configure_file(res/quenlit.metainfo.xml.in ${CMAKE_BINARY_DIR}/${QUENLIT_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${QUENLIT_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT game)
configure_file(res/quenlit.6.in ${CMAKE_BINARY_DIR}/quenlit.6 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/quenlit.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT game)

# The metadata's screenshots, drawn by quenlit-sim from the built game into build/screenshots/
# for publishing at ${QUENLIT_HOMEPAGE}/screenshots/.
set(SCREENSHOTS map manual item battle)
list(TRANSFORM SCREENSHOTS PREPEND ${CMAKE_BINARY_DIR}/screenshots/)
list(TRANSFORM SCREENSHOTS APPEND .png)
add_custom_command(OUTPUT ${SCREENSHOTS}
  COMMAND ${CMAKE_COMMAND} -DSIM=$<TARGET_FILE:quenlit-sim> -DGAME_DIR=${GAME_DIR}
          -DROUTE=${CMAKE_SOURCE_DIR}/tower/route.sim -DOUT=${CMAKE_BINARY_DIR}/screenshots
          -P ${CMAKE_SOURCE_DIR}/cmake/Screenshots.cmake
  DEPENDS quenlit-sim game_assets tower_data ${CMAKE_SOURCE_DIR}/tower/route.sim
          ${CMAKE_SOURCE_DIR}/cmake/Screenshots.cmake
  COMMENT "Drawing the screenshots of the game's metadata")
add_custom_target(screenshots ALL DEPENDS ${SCREENSHOTS})

# The Debian package: the SDL2 libraries and the rest that the program links come from
# dpkg-shlibdeps; the fonts that the game folder links to are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quenlit)
set(CPACK_PACKAGE_VENDOR "Quenlit")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keyboard-driven tile role-playing game: climb the tower")
set(CPACK_PACKAGE_DESCRIPTION "Quenlit leads a hero up a tower of 14 x 14 floors. Walking into a
cell takes an item, opens a coloured door with a key, talks to a character or starts a battle
that plays out strike by strike. The texts of the game are in Chinese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quenlit developers <quenlit@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUENLIT_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fontconfig, fonts-wqy-microhei, fonts-arphic-gbsn00lp, \
fonts-arphic-gkai00mp, fonts-lxgw-wenkai, fonts-smiley-sans, fonts-dancingscript")
include(CPack)
