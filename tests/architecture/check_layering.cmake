# Fails when an include runs upwards through the layers: nothing in engine/, plugins/ or
# platform/ may include a header of the program (app/), and the engine may include only
# its own headers and the standard library.
# Run as: cmake -DSOURCE_DIR=<project root> -P check_layering.cmake

set(cxx_standard_headers
  algorithm any array atomic bit bitset cassert cctype cerrno cfloat charconv chrono cinttypes
  climits clocale cmath compare concepts cstdarg cstddef cstdint cstdio cstdlib cstring ctime
  cuchar cwchar cwctype deque exception filesystem format functional initializer_list iomanip
  ios iosfwd iostream istream iterator limits list locale map memory mutex new numbers numeric
  optional ostream queue random ranges ratio regex set source_location span sstream stack
  stdexcept stop_token streambuf string string_view system_error tuple type_traits typeinfo
  unordered_map unordered_set utility valarray variant vector version
  # C headers kept for the public C interface
  stddef.h stdint.h stdbool.h string.h limits.h)

set(violations "")

# Lower floors never reach into the program.
foreach(layer engine plugins platform)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.hpp"
       "${SOURCE_DIR}/${layer}/*.c" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(source ${sources})
    file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${lines})
      if(line MATCHES "#[ \t]*include[ \t]*[\"<](app|core|ui|calendar|board|members|frame|guide|controls|resources)/")
        list(APPEND violations "${source}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

# The engine: its own headers and the standard library, nothing else.
file(GLOB_RECURSE engine_sources "${SOURCE_DIR}/engine/*.h" "${SOURCE_DIR}/engine/*.c"
     "${SOURCE_DIR}/engine/*.cpp")
foreach(source ${engine_sources})
  file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${lines})
    if(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
      list(FIND cxx_standard_headers "${CMAKE_MATCH_1}" found)
      if(found EQUAL -1)
        list(APPEND violations "${source}: ${line} (not a standard header)")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(header "${CMAKE_MATCH_1}")
      set(own FALSE)
      foreach(root include src .)
        if(EXISTS "${SOURCE_DIR}/engine/${root}/${header}")
          set(own TRUE)
        endif()
      endforeach()
      # Text headers generated at build time from the engine's own text tables.
      if(header MATCHES "_cp932\\.h$")
        get_filename_component(stem "${header}" NAME_WE)
        string(REGEX REPLACE "_cp932$" "" stem "${stem}")
        file(GLOB_RECURSE text_sources "${SOURCE_DIR}/engine/*${stem}*")
        if(text_sources)
          set(own TRUE)
        endif()
      endif()
      if(NOT own)
        list(APPEND violations "${source}: ${line} (not an engine header)")
      endif()
    endif()
  endforeach()
endforeach()

# The program model never includes a widget (or any Qt) header, nor the windows.
foreach(layer app/core app/calendar app/naming)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(source ${sources})
    file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${lines})
      if(line MATCHES "#[ \t]*include[ \t]*[\"<](Q[A-Za-z]*|Qt[A-Za-z]*/|ui/|members/|board/)")
        list(APPEND violations "${source}: ${line} (the model includes a window header)")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " report)
  message(FATAL_ERROR "Includes that run against the layers:\n  ${report}")
endif()
