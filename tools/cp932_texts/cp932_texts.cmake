# Turns a table of UTF-8 texts into a C++ header of CP932 text constants.
#
#   cmake -DINPUT=texts.txt -DOUTPUT=texts.h -DNAMESPACE=nuvaro::x [-DCHECK=ON] -P cp932_texts.cmake
#
# Table lines are "kName text": an identifier, one space, and the text up to the end of
# the line. Blank lines and lines starting with "#" are skipped. Every text becomes
#   inline constexpr char kName[] = "\216\263...";  // the UTF-8 text
# with every byte written as an octal escape, so that no trail byte (0x5C among them) can
# be taken for a quote or an escape. The conversion is glibc iconv's CP932 (with the NEC
# and IBM extensions); a text without a CP932 form stops the build.
# With CHECK=ON nothing is written: the script fails when OUTPUT differs from what it
# would write (for generated files that are kept in the source tree).
cmake_minimum_required(VERSION 3.25)

foreach(required INPUT OUTPUT NAMESPACE)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "cp932_texts: ${required} is not set")
  endif()
endforeach()

file(READ "${INPUT}" utf8)
foreach(forbidden ";" "[" "]" "\\")
  string(FIND "${utf8}" "${forbidden}" found)
  if(NOT found EQUAL -1)
    message(FATAL_ERROR "cp932_texts: ${INPUT} contains \"${forbidden}\", which this generator does not take")
  endif()
endforeach()

execute_process(COMMAND iconv -f UTF-8 -t CP932 "${INPUT}"
  OUTPUT_VARIABLE cp932 ERROR_VARIABLE iconv_error RESULT_VARIABLE iconv_result)
if(NOT iconv_result EQUAL 0)
  message(FATAL_ERROR "cp932_texts: ${INPUT} has no CP932 form: ${iconv_error}")
endif()

# Lines of both encodings; a newline byte never occurs inside a CP932 character, so the
# lines correspond one to one. The CP932 bytes are handled as hex pairs.
string(REPLACE "\r" "" utf8 "${utf8}")
string(REPLACE "\n" ";" utf8_lines "${utf8}")
string(HEX "${cp932}" hex)
string(REGEX REPLACE "(..)" "\\1 " hex "${hex}")
string(REPLACE "0d " "" hex "${hex}")
string(REPLACE "0a " ";" hex_lines "${hex}")
list(LENGTH utf8_lines line_count)
list(LENGTH hex_lines hex_count)
if(NOT line_count EQUAL hex_count)
  message(FATAL_ERROR "cp932_texts: line structure of ${INPUT} changed in conversion")
endif()

get_filename_component(input_name "${INPUT}" NAME)
set(header "// Generated from ${input_name} by tools/cp932_texts/cp932_texts.cmake; do not edit.\n")
string(APPEND header "// Each text holds the CP932 bytes of the UTF-8 text in its comment.\n")
string(APPEND header "#pragma once\n\nnamespace ${NAMESPACE} {\n\n")

math(EXPR last "${line_count} - 1")
foreach(i RANGE ${last})
  list(GET utf8_lines ${i} line)
  if(line STREQUAL "" OR line MATCHES "^#")
    continue()
  endif()
  if(NOT line MATCHES "^(k[A-Za-z0-9_]*) (.*)$")
    message(FATAL_ERROR "cp932_texts: ${INPUT} line ${i}: expected \"kName text\", got \"${line}\"")
  endif()
  set(name "${CMAKE_MATCH_1}")
  set(text "${CMAKE_MATCH_2}")
  string(LENGTH "${name}" name_length)
  math(EXPR skip "(${name_length} + 1) * 3")
  list(GET hex_lines ${i} bytes)
  string(SUBSTRING "${bytes}" ${skip} -1 bytes)
  string(REGEX MATCHALL "[0-9a-f][0-9a-f]" bytes "${bytes}")
  set(escaped "")
  foreach(byte IN LISTS bytes)
    math(EXPR value "0x${byte}")
    math(EXPR d1 "${value} / 64")
    math(EXPR d2 "(${value} / 8) % 8")
    math(EXPR d3 "${value} % 8")
    string(APPEND escaped "\\${d1}${d2}${d3}")
  endforeach()
  string(APPEND header "inline constexpr char ${name}[] = \"${escaped}\";  // ${text}\n")
endforeach()
string(APPEND header "\n}  // namespace ${NAMESPACE}\n")

if(CHECK)
  file(READ "${OUTPUT}" existing)
  if(NOT existing STREQUAL header)
    message(FATAL_ERROR "cp932_texts: ${OUTPUT} is not what ${input_name} generates; regenerate it")
  endif()
else()
  file(WRITE "${OUTPUT}.tmp" "${header}")
  file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
endif()
