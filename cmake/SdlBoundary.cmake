# The game and its screens never see SDL: only src/platform/sdl may include it.
# A stray include fails the configure step with the file's name.
file(GLOB_RECURSE valorne_core_files CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/src/*.h ${CMAKE_SOURCE_DIR}/src/*.cpp)
foreach(f ${valorne_core_files})
  if(f MATCHES "/src/platform/sdl/")
    continue()
  endif()
  file(STRINGS ${f} sdl_lines REGEX "#[ \t]*include[ \t]*[<\"]SDL")
  if(sdl_lines)
    message(FATAL_ERROR "SDL is included outside src/platform/sdl: ${f}")
  endif()
endforeach()
