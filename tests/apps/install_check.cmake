# `cmake --install` into a fresh prefix: the game folder, the command, the
# desktop entry and the icon land in their places, and the installed level
# starts headless from there. Run with -DBUILD=<build dir> -DWORK=<scratch>.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(prefix ${WORK}/prefix)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
  RESULT_VARIABLE installed OUTPUT_QUIET ERROR_VARIABLE install_errors)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${install_errors}")
endif()

foreach(f bin/valorne share/valorne/level9 share/valorne/menudata.rx share/valorne/Optim.rx
          share/valorne/localizations share/valorne/graphics
          share/applications/valorne.desktop share/icons/hicolor/scalable/apps/valorne.svg)
  if(NOT EXISTS ${prefix}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
foreach(f "share/valorne/Save Game" share/valorne/level9.lock share/valorne/Screenshots)
  if(EXISTS "${prefix}/${f}")
    message(FATAL_ERROR "a run's leftovers installed: ${f}")
  endif()
endforeach()
file(READ ${prefix}/share/applications/valorne.desktop entry)
if(NOT entry MATCHES "Exec=${prefix}/bin/valorne\n" OR NOT entry MATCHES "Icon=valorne\n")
  message(FATAL_ERROR "the desktop entry does not start the installed game:\n${entry}")
endif()

# The installed level, started from its folder with nothing but a script.
file(WRITE ${WORK}/script.txt "forms\nclick TipsFrm.Image1\nforms\nquit\n")
execute_process(COMMAND ${prefix}/share/valorne/level9 --headless
  WORKING_DIRECTORY ${WORK}
  INPUT_FILE ${WORK}/script.txt
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE code TIMEOUT 60)
set(expected "[\"TipsFrm\"]\n[\"Camp1Frm\"]\n")
if(NOT code EQUAL 0 OR NOT out STREQUAL expected)
  message(FATAL_ERROR "the installed level did not start: exit ${code}\n${out}\n${err}")
endif()
if(NOT EXISTS "${prefix}/share/valorne/Save Game/FirstSave.s9_")
  message(FATAL_ERROR "the installed level did not write its first save in its folder")
endif()
file(REMOVE_RECURSE ${WORK})
