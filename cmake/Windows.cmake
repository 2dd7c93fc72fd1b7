# The Windows build's game folder, icon, portable zip and installer.
#
#   game/        quenlit.exe (and the test tools) beside the game folder taken from the desktop
#                build QUENLIT_NATIVE_BUILD: data, Images, wav, Fonts (real copies: there is no
#                fontconfig to find Debian's), config.ini, CREDITS
#   package/Quenlit/   what a player gets: the stripped quenlit.exe, the game folder and the
#                licences of the libraries and fonts inside (target windows_package)
#   Quenlit-VERSION-win64.zip, Quenlit-VERSION-win64-setup.exe (targets windows_zip and
#                windows_installer)
set(NATIVE_GAME ${QUENLIT_NATIVE_BUILD}/game)
set(NATIVE_TOOLS ${QUENLIT_NATIVE_BUILD}/tools)
set(QUENLIT_WINDOWS_LICENSES "" CACHE PATH "The licences of the libraries linked into quenlit.exe")

# --- The game folder, gathered from the desktop build ---
set(WINDOWS_GAME_STAMP ${CMAKE_BINARY_DIR}/windows-game.stamp)
file(GLOB_RECURSE NATIVE_GAME_FILES CONFIGURE_DEPENDS
  ${NATIVE_GAME}/data/* ${NATIVE_GAME}/Images/* ${NATIVE_GAME}/wav/* ${NATIVE_GAME}/Fonts/*)
add_custom_command(OUTPUT ${WINDOWS_GAME_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${GAME_DIR}/data ${GAME_DIR}/Images ${GAME_DIR}/wav
          ${GAME_DIR}/Fonts
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${NATIVE_GAME}/data ${GAME_DIR}/data
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${NATIVE_GAME}/Images ${GAME_DIR}/Images
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${NATIVE_GAME}/wav ${GAME_DIR}/wav
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${NATIVE_GAME}/Fonts ${GAME_DIR}/Fonts
  COMMAND ${CMAKE_COMMAND} -E copy ${NATIVE_GAME}/CREDITS ${GAME_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${WINDOWS_GAME_STAMP}
  DEPENDS ${NATIVE_GAME_FILES} ${NATIVE_GAME}/CREDITS
  COMMENT "Gathering the game folder from the desktop build")
add_custom_target(windows_game ALL DEPENDS ${WINDOWS_GAME_STAMP})
add_dependencies(quenlit windows_game)

# --- The icon, drawn by the desktop build's generator, and the program's resources ---
set(WINDOWS_ICON ${CMAKE_BINARY_DIR}/quenlit.ico)
set(icon_pictures "")
foreach(size 16 24 32 48 64 256)
  set(picture ${CMAKE_BINARY_DIR}/icons/quenlit-${size}.png)
  add_custom_command(OUTPUT ${picture}
    COMMAND ${NATIVE_TOOLS}/quenlit-assetgen --icon ${size} ${picture}
    DEPENDS ${NATIVE_TOOLS}/quenlit-assetgen)
  list(APPEND icon_pictures ${picture})
endforeach()
add_custom_command(OUTPUT ${WINDOWS_ICON}
  COMMAND python3 ${CMAKE_SOURCE_DIR}/cmake/make_ico.py ${WINDOWS_ICON} ${icon_pictures}
  DEPENDS ${icon_pictures} ${CMAKE_SOURCE_DIR}/cmake/make_ico.py
  COMMENT "Packing the icon")
configure_file(${CMAKE_SOURCE_DIR}/res/windows/quenlit.rc.in ${CMAKE_BINARY_DIR}/quenlit.rc @ONLY)
add_custom_target(windows_icon DEPENDS ${WINDOWS_ICON})
target_sources(quenlit PRIVATE ${CMAKE_BINARY_DIR}/quenlit.rc)
add_dependencies(quenlit windows_icon)

# --- What a player gets ---
set(PACKAGE_ROOT ${CMAKE_BINARY_DIR}/package)
set(PACKAGE_DIR ${PACKAGE_ROOT}/Quenlit)
set(PACKAGE_STAMP ${CMAKE_BINARY_DIR}/windows-package.stamp)
set(FONT_PACKAGES fonts-arphic-gbsn00lp fonts-arphic-gkai00mp fonts-lxgw-wenkai fonts-smiley-sans
                  fonts-dancingscript)
set(font_licences "")
foreach(package ${FONT_PACKAGES})
  list(APPEND font_licences COMMAND ${CMAKE_COMMAND} -E copy /usr/share/doc/${package}/copyright
       ${PACKAGE_DIR}/licenses/${package}.txt)
endforeach()
add_custom_command(OUTPUT ${PACKAGE_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${PACKAGE_ROOT}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PACKAGE_DIR}/licenses
  COMMAND ${CMAKE_STRIP} -o ${PACKAGE_DIR}/quenlit.exe $<TARGET_FILE:quenlit>
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${GAME_DIR}/data ${PACKAGE_DIR}/data
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${GAME_DIR}/Images ${PACKAGE_DIR}/Images
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${GAME_DIR}/wav ${PACKAGE_DIR}/wav
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${GAME_DIR}/Fonts ${PACKAGE_DIR}/Fonts
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/res/config.ini ${GAME_DIR}/CREDITS
          ${PACKAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${QUENLIT_WINDOWS_LICENSES} ${PACKAGE_DIR}/licenses
  ${font_licences}
  COMMAND ${CMAKE_COMMAND} -E touch ${PACKAGE_STAMP}
  DEPENDS quenlit ${WINDOWS_GAME_STAMP} ${CMAKE_SOURCE_DIR}/res/config.ini
  COMMENT "Gathering what a player gets")
add_custom_target(windows_package DEPENDS ${PACKAGE_STAMP})

set(WINDOWS_ZIP ${CMAKE_BINARY_DIR}/Quenlit-${PROJECT_VERSION}-win64.zip)
add_custom_command(OUTPUT ${WINDOWS_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${WINDOWS_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${WINDOWS_ZIP} --format=zip Quenlit
  WORKING_DIRECTORY ${PACKAGE_ROOT}
  DEPENDS ${PACKAGE_STAMP}
  COMMENT "Zipping the portable copy")
add_custom_target(windows_zip DEPENDS ${WINDOWS_ZIP})

set(WINDOWS_INSTALLER ${CMAKE_BINARY_DIR}/Quenlit-${PROJECT_VERSION}-win64-setup.exe)
configure_file(${CMAKE_SOURCE_DIR}/res/windows/quenlit.nsi.in ${CMAKE_BINARY_DIR}/quenlit.nsi @ONLY)
add_custom_command(OUTPUT ${WINDOWS_INSTALLER}
  COMMAND makensis -V2 ${CMAKE_BINARY_DIR}/quenlit.nsi
  DEPENDS ${PACKAGE_STAMP} ${CMAKE_BINARY_DIR}/quenlit.nsi ${WINDOWS_ICON}
  COMMENT "Making the installer")
add_custom_target(windows_installer DEPENDS ${WINDOWS_INSTALLER})
