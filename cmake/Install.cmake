# `cmake --install`: the game folder under share/valorne, a command
# "valorne" that starts its title menu, a desktop entry and the icon. An
# installed game folder that the player cannot write to is played from a
# twin folder under the player's data home (see platform/play_folder.h).
include(GNUInstallDirs)
set(VALORNE_INSTALL_GAME_DIR ${CMAKE_INSTALL_DATADIR}/valorne)

install(DIRECTORY ${VALORNE_GAME_DIR}/ DESTINATION ${VALORNE_INSTALL_GAME_DIR}
  USE_SOURCE_PERMISSIONS
  # What a run of the game leaves behind is the player's, not the game's.
  PATTERN "Save Game" EXCLUDE
  PATTERN "Screenshots" EXCLUDE
  PATTERN "*.lock" EXCLUDE
  PATTERN "*.s9_" EXCLUDE
  PATTERN "Fight_in.rx" EXCLUDE
  PATTERN "Fight_out.rx" EXCLUDE
  PATTERN "fight_status.rx" EXCLUDE)

file(RELATIVE_PATH VALORNE_BIN_TO_GAME /${CMAKE_INSTALL_BINDIR} /${VALORNE_INSTALL_GAME_DIR})
configure_file(${CMAKE_SOURCE_DIR}/cmake/valorne_launcher.sh ${CMAKE_BINARY_DIR}/valorne @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/valorne DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/valorne.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The desktop entry names the command by its full path, known only when
# installing (the prefix may be given to `cmake --install`).
install(CODE "
  set(bin \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/valorne\")
  set(entry \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/valorne.desktop\")
  message(STATUS \"Installing: \${entry}\")
  file(WRITE \"\${entry}\" \"[Desktop Entry]
Type=Application
Name=Valorne
GenericName=Medieval strategy
Comment=Rule a county, raise its castle and armies, and bring down its rivals
Exec=\${bin}
Icon=valorne
Terminal=false
Categories=Game;StrategyGame;
\")
")
