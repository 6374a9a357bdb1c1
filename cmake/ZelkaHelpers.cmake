# SPDX-License-Identifier: GPL-3.0-or-later
# zelka_library(<name> [DIR <folder>] [LIBS <targets...>])
# Builds every .cpp/.h/.ui directly in the folder into the static library zelka_<name>.
function(zelka_library name)
  cmake_parse_arguments(ARG "" "DIR" "LIBS" ${ARGN})
  if(NOT ARG_DIR)
    set(ARG_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  endif()
  file(GLOB sources CONFIGURE_DEPENDS
       "${ARG_DIR}/*.cpp" "${ARG_DIR}/*.c" "${ARG_DIR}/*.h" "${ARG_DIR}/*.ui")
  if(NOT sources)
    # A layer that has no code yet still builds, so the layers below and above it can link it.
    set(empty "${CMAKE_CURRENT_BINARY_DIR}/zelka_${name}_empty.cpp")
    file(WRITE "${empty}" "namespace { [[maybe_unused]] int emptyLayer = 0; }\n")
    set(sources "${empty}")
  endif()
  add_library(zelka_${name} STATIC ${sources})
  target_include_directories(zelka_${name} PUBLIC "${ARG_DIR}")
  target_link_libraries(zelka_${name} PUBLIC ${ARG_LIBS})
endfunction()

# zelka_add_test(<name> SOURCES <files...> LIBS <targets...> LABELS <area...> [WRAPPER <script>] [TIMEOUT <s>])
# One Qt Test executable, run by ctest in a fresh temporary HOME and XDG folders, offscreen;
# a WRAPPER script runs inside those folders and is given the test to run.
function(zelka_add_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT;WRAPPER" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
  target_link_libraries(${name} PRIVATE zelka_resources Qt5::Test ${ARG_LIBS})
  # Helpers shared by the tests of several folders, once there are any.
  if(EXISTS "${PROJECT_SOURCE_DIR}/tests/support")
    target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests/support")
  endif()
  add_test(NAME ${name} COMMAND "${PROJECT_SOURCE_DIR}/tests/run-isolated.sh" ${ARG_WRAPPER} $<TARGET_FILE:${name}>)
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  # Every test carries a label (its area), so `ctest -L <area>` runs all of an area's tests.
  if(NOT ARG_LABELS)
    message(FATAL_ERROR "zelka_add_test(${name}): LABELS <area> is missing")
  endif()
  set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  if(ZELKA_TSAN AND name IN_LIST ZELKA_TSAN_LEFT_OUT)  # the reasons are in tests/CMakeLists.txt
    set_tests_properties(${name} PROPERTIES DISABLED TRUE)
  endif()
endfunction()

# zelka_add_bench(<name> SOURCES <files...> LIBS <targets...>)
function(zelka_add_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  # Every benchmark shares one main (Qt core application + Google Benchmark).
  add_executable(${name} ${ARG_SOURCES} "${PROJECT_SOURCE_DIR}/bench/support/QtBenchmarkMain.cpp")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bench")
  target_link_libraries(${name} PRIVATE benchmark::benchmark ${ARG_LIBS})
endfunction()
