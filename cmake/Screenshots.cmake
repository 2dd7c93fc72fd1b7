# Draws the screenshots that the AppStream metadata shows, with the headless driver on the
# built game: a new game's map, the monster manual, the first item taken on the winning route
# and its first battle. The route is followed so that the pictures follow the tower when it
# changes.
#
#   cmake -DSIM=quenlit-sim -DGAME_DIR=build/game -DROUTE=tower/route.sim -DOUT=DIR
#         -P Screenshots.cmake
#
# The game is drawn in a folder of its own whose window is exactly the game's screen, 981 x 621,
# so that the pictures have no empty margin.
set(game ${OUT}/game)
file(MAKE_DIRECTORY ${game})
foreach(part data Images wav Fonts)
  file(CREATE_LINK ${GAME_DIR}/${part} ${game}/${part} SYMBOLIC)
endforeach()
file(WRITE ${game}/config.ini "[Resolution14]\nWidth=981\nHeight=621\n")
file(STRINGS ${ROUTE} route)
set(script "until Map\nshot ${OUT}/map.png\nkey D\nshot ${OUT}/manual.png\nkey Enter\n")
set(talked FALSE)
foreach(line IN LISTS route)
  if(line MATCHES "^until BattleWon")
    # Well into the fight, with strikes and their effects on the screen.
    string(APPEND script "wait 1.6\nshot ${OUT}/battle.png\n")
    break()
  endif()
  if(line STREQUAL "key Enter" AND NOT talked)
    string(APPEND script "shot ${OUT}/item.png\n")
    set(talked TRUE)
  endif()
  string(APPEND script "${line}\n")
endforeach()
file(WRITE ${OUT}/screenshots.sim "${script}")
execute_process(COMMAND ${SIM} --seed 1 --root ${game}
  INPUT_FILE ${OUT}/screenshots.sim RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "quenlit-sim could not draw the screenshots (${result}): ${errors}")
endif()
