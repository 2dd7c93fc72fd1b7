# The browser page's fonts: the game folder's, cut down to the characters the game can draw
# (every character of its C++ sources, of its texts, of the characters' speeches and of the
# monster table, and printable ASCII), in
# build/page-fonts/. The browser build packs them instead of the whole fonts, and the golden
# TextFit test checks that no text the game draws loses a glyph in them.
set(PAGE_FONTS_DIR ${CMAKE_BINARY_DIR}/page-fonts)
set(PAGE_FONTS_STAMP ${CMAKE_BINARY_DIR}/page-fonts.stamp)
file(GLOB_RECURSE PAGE_TEXT_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h)
add_custom_command(OUTPUT ${PAGE_FONTS_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${PAGE_FONTS_DIR}
  COMMAND ${FONT_PYTHON} ${CMAKE_SOURCE_DIR}/src/platform/web/page_fonts.py ${GAME_DIR}/Fonts
          ${PAGE_FONTS_DIR} ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/res/texts.txt
          ${CMAKE_SOURCE_DIR}/tower/characters.txt ${GAME_DIR}/data/monster.dat
  COMMAND ${CMAKE_COMMAND} -E touch ${PAGE_FONTS_STAMP}
  DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/web/page_fonts.py ${PAGE_TEXT_SOURCES}
          ${CMAKE_SOURCE_DIR}/tower/monsters.txt ${CMAKE_SOURCE_DIR}/tower/characters.txt
          ${CMAKE_SOURCE_DIR}/res/texts.txt
          ${GAME_FONT_FILES}
          ${CMAKE_SOURCE_DIR}/tools/assetgen/fonts.txt ${CMAKE_SOURCE_DIR}/tools/assetgen/speech_font.py
  COMMENT "Cutting the fonts down for the browser page")
add_custom_target(page_fonts ALL DEPENDS ${PAGE_FONTS_STAMP})
add_dependencies(page_fonts game_assets tower_data)
