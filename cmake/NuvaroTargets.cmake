# Shared compile settings and small helpers for the project's targets.

set(NUVARO_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)

if(NUVARO_SANITIZE)
  set(NUVARO_SANITIZE_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_compile_options(${NUVARO_SANITIZE_FLAGS})
  add_link_options(-fsanitize=address,undefined)
endif()

# The fuzz build instruments every library a fuzz target links, so that libFuzzer sees
# the code it drives, and optimises a little: -O0 wastes most of the executions.
if(NUVARO_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link -O1)
endif()

# Applies the project's warnings to a target.
function(nuvaro_warnings target)
  target_compile_options(${target} PRIVATE ${NUVARO_WARNINGS})
endfunction()

# A shared library whose exports are chosen explicitly; everything else stays hidden.
function(nuvaro_hidden_library target)
  set_target_properties(${target} PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    C_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  nuvaro_warnings(${target})
endfunction()

# A binary of the program folder searches for libraries only where the given path,
# relative to its own file, points ("$ORIGIN", "$ORIGIN/.."), or nowhere when none is
# given; the same in the build folder and when installed. CMake would otherwise add the
# build folder itself, and pad the entry with empty fields that mean "the current
# directory", to what it links in the build tree.
function(nuvaro_program_folder_rpath target)
  set(origin_path "${ARGN}")
  set_target_properties(${target} PROPERTIES
    BUILD_WITH_INSTALL_RPATH ON
    INSTALL_RPATH "${origin_path}")
endfunction()

# A reading plug-in: <name>.nvr in the program's nvr folder, finding the program's
# libraries one folder up.
function(nuvaro_plugin target)
  nuvaro_hidden_library(${target})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    SUFFIX ".nvr"
    LIBRARY_OUTPUT_DIRECTORY ${NUVARO_PLUGIN_DIR})
  nuvaro_program_folder_rpath(${target} "$ORIGIN/..")
  set_property(GLOBAL APPEND PROPERTY NUVARO_PLUGIN_TARGETS ${target})
endfunction()

# A GoogleTest program registered with CTest. Usage:
#   nuvaro_gtest(NAME name SOURCES a.cpp b.cpp LIBS lib1 lib2)
function(nuvaro_gtest)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} nuvaro_test_support GTest::gtest GTest::gmock GTest::gtest_main)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    BUILD_RPATH "${NUVARO_BIN_DIR}")
  nuvaro_warnings(${T_NAME})
  include(GoogleTest)
  gtest_discover_tests(${T_NAME}
    PROPERTIES ENVIRONMENT "NUVARO_BIN_DIR=${NUVARO_BIN_DIR};NUVARO_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
    DISCOVERY_TIMEOUT 30)
endfunction()

# A Qt Test program on the offscreen platform. Usage:
#   nuvaro_qtest(NAME name SOURCES a.cpp LIBS lib1)
function(nuvaro_qtest)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} nuvaro_test_support Qt6::Test Qt6::Widgets)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    AUTOMOC ON BUILD_RPATH "${NUVARO_BIN_DIR}")
  nuvaro_warnings(${T_NAME})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;NUVARO_BIN_DIR=${NUVARO_BIN_DIR};NUVARO_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()

# A libFuzzer target (only with NUVARO_FUZZ and clang). Usage:
#   nuvaro_fuzzer(NAME name SOURCES a.cpp LIBS lib1)
function(nuvaro_fuzzer)
  if(NOT NUVARO_FUZZ)
    return()
  endif()
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
  target_compile_options(${T_NAME} PRIVATE -fsanitize=fuzzer)
  target_link_options(${T_NAME} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz
    BUILD_RPATH "${NUVARO_BIN_DIR}")
endfunction()
