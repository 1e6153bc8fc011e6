# One static library per layer of source folders. Each folder's sources are picked up by
# name, so adding a file needs no CMake edit; the dependencies between folders
# are declared here, once, and only point downwards.
function(valorne_module name)
  cmake_parse_arguments(ARG "" "" "DIRS;DEPS" ${ARGN})
  set(sources)
  foreach(dir ${ARG_DIRS})
    file(GLOB dir_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp)
    list(APPEND sources ${dir_sources})
  endforeach()
  if(sources)
    add_library(valorne_${name} STATIC ${sources})
    target_include_directories(valorne_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(valorne_${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(valorne_${name} INTERFACE)
    target_include_directories(valorne_${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(valorne_${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# A test program per library: tests/<dir>/*.cpp for each of its folders, run by ctest.
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
  add_executable(tests_${name} ${sources})
  target_link_libraries(tests_${name} PRIVATE ${ARG_DEPS} valorne_test_support GTest::gtest_main)
  target_compile_definitions(tests_${name} PRIVATE
    VALORNE_GAME_DIR="${VALORNE_GAME_DIR}"
    VALORNE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  gtest_discover_tests(tests_${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy")
endfunction()
