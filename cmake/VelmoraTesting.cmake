# GoogleTest from source, so the same version serves the native, sanitizer
# and Windows builds, and the helpers that make and register test programs.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# velmora_add_test(name SOURCES ... LIBRARIES ...): one test program. Usually
# ctest lists its cases at test time (under Wine through the emulator) and runs
# each in a process of its own; testing the shipped binaries, the program runs
# once with all its cases (see velmora_test_shipped).
function(velmora_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE GTest::gtest_main ${ARG_LIBRARIES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  if(VELMORA_TEST_SHIPPED)
    velmora_test_shipped(${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                         PROPERTIES TIMEOUT 120)
  endif()
endfunction()

# velmora_test_shipped(name [ARGS ...]): one test that runs the test program
# `name` once, all its cases (or those ARGS select) in one process, against the
# binaries in VELMORA_SHIPPED_FOLDER. Under 32-bit Wine every process, the
# programs a test starts included, spends about 45 s starting, so a test
# program runs whole and its waits are stretched (VELMORA_WAIT_SCALE, set by
# the Wine wrapper). It runs only after the shipped binaries proved to be this
# build's and their tables passed, and never beside another such test, as both
# move the keyboard focus around one desktop.
function(velmora_test_shipped name)
  # Wine shows the Unix root as drive Z:.
  string(REPLACE "/" "\\" shipped "Z:${VELMORA_SHIPPED_FOLDER}")
  add_test(NAME ${name} COMMAND ${name} ${ARGN})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "VELMORA_SHIPPED_FOLDER=${shipped}"
    FIXTURES_REQUIRED velmora_shipped
    RESOURCE_LOCK velmora_desktop
    TIMEOUT 900)
endfunction()
