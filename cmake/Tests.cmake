# GoogleTest: Debian's library natively; for the MinGW presets it is built from the sources
# that Debian's googletest package puts in /usr/src/googletest.
if(WIN32)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Where every test program writes its XML report, for scripts/test's count. GoogleTest under
# Wine takes "/work/..." for a relative path, so Windows programs get the drive-letter form.
if(WIN32)
  set(TARVEL_TEST_RESULTS "Z:${CMAKE_BINARY_DIR}/test-results")
else()
  set(TARVEL_TEST_RESULTS "${CMAKE_BINARY_DIR}/test-results")
endif()

# tarvel_unit_test(name SOURCES... LIBS ...): a native (or cross) GoogleTest executable.
function(tarvel_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  # One CTest entry per executable: under Wine each start costs time, so cases are not split.
  add_test(NAME ${name}
           COMMAND ${name} --gtest_brief=1 --gtest_output=xml:${TARVEL_TEST_RESULTS}/)
endfunction()

# tarvel_test_native_way(name): the test program `name` once more, with the 3D view presenting its
# frames natively (TARVEL_GL_PRESENT=native): under Wine the default run goes through GDI.
function(tarvel_test_native_way name)
  add_test(NAME ${name}_native
           COMMAND ${name} --gtest_brief=1 --gtest_output=xml:${TARVEL_TEST_RESULTS}/${name}_native.xml)
  set_tests_properties(${name}_native PROPERTIES ENVIRONMENT TARVEL_GL_PRESENT=native)
endfunction()
