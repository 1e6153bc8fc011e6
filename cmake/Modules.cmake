# Libraries and test programs compile their files in batches (a unity build),
# which takes a third of the time the files take one by one; see valorne_tests
# below and docs/build.md. VALORNE_UNITY=OFF builds file by file.
option(VALORNE_UNITY "Compile libraries and test programs in batches of files (unity build)" ON)
set(VALORNE_UNITY_BATCH 8 CACHE STRING "Files compiled together in one batch (0: all of a target's)")

# One static library per layer of source folders. Each folder's sources are picked up by
# name, so adding a file needs no CMake edit; the dependencies between folders
# are declared here, once, and only point downwards.
#
# UNBATCHED: the library's files compile one by one (its files still share
# helper names in their anonymous namespaces; see docs/build.md).
function(valorne_module name)
  cmake_parse_arguments(ARG "UNBATCHED" "" "DIRS;DEPS" ${ARGN})
  set(sources)
  foreach(dir ${ARG_DIRS})
    file(GLOB dir_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp)
    list(APPEND sources ${dir_sources})
  endforeach()
  if(sources)
    add_library(valorne_${name} STATIC ${sources})
    # Batched as the test programs are, except the screens: each screen's
    # file keeps its layout (kWidth, kControls, MakeControls...) in its own
    # anonymous namespace under the names every screen uses.
    if(NOT ARG_UNBATCHED)
      set_target_properties(valorne_${name} PROPERTIES
        UNITY_BUILD ${VALORNE_UNITY} UNITY_BUILD_BATCH_SIZE ${VALORNE_UNITY_BATCH})
    endif()
    foreach(source ${sources})
      if(source MATCHES "_frm[^/]*\\.cpp$")
        set_source_files_properties(${source} PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
      endif()
    endforeach()
    target_include_directories(valorne_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(valorne_${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(valorne_${name} INTERFACE)
    target_include_directories(valorne_${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(valorne_${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# A test program per library: tests/<dir>/*.cpp for each of its folders, run by ctest.
#
# Built for speed on two cores (the figures are in docs/design-notes.md, "The
# build's speed"):
# - The test files compile in batches (a unity build): gtest's and the game's
#   headers are read once per batch, and the inline and template code the
#   files share is compiled once. Eight files take a third of the time they
#   take one by one. So names in an anonymous namespace, and file-level
#   `using` declarations, must not clash between the files of a test program;
#   docs/build.md tells how to find and mend a clash.
# - The files compile in an object library of their own, tests_NAME_objects,
#   so that they need not wait for what the program needs only when it runs
#   (the game folder's data, the level program): only the link of tests_NAME
#   waits for those (tests/CMakeLists.txt).
# - ctest lists a program's tests when it runs them (PRE_TEST) rather than
#   running every program once more at the end of its link.
function(valorne_tests name)
  cmake_parse_arguments(ARG "" "" "DIRS;DEPS" ${ARGN})
  set(sources)
  foreach(dir ${ARG_DIRS})
    file(GLOB dir_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${dir}/*.cpp)
    list(APPEND sources ${dir_sources})
  endforeach()
  if(NOT sources)
    return()
  endif()
  add_library(tests_${name}_objects OBJECT ${sources})
  target_link_libraries(tests_${name}_objects PUBLIC ${ARG_DEPS} valorne_test_support
                                                     GTest::gtest_main)
  target_compile_definitions(tests_${name}_objects PRIVATE
    VALORNE_GAME_DIR="${VALORNE_GAME_DIR}"
    VALORNE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  set_target_properties(tests_${name}_objects PROPERTIES
    UNITY_BUILD ${VALORNE_UNITY} UNITY_BUILD_BATCH_SIZE ${VALORNE_UNITY_BATCH})
  add_executable(tests_${name})
  target_link_libraries(tests_${name} PRIVATE tests_${name}_objects)
  gtest_discover_tests(tests_${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy")
endfunction()
