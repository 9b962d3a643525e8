# The Windows tests, cross-built and run through Wine
# (CMAKE_CROSSCOMPILING_EMULATOR): the calculations, reading and printing
# numbers, the texts of the results, the unit factors, the web link's stream
# reader, the controls' roles and naming plan, the text-fitting rule, and the
# class library's own reading of Windows: UTF-16 texts, control kinds, class
# ids; all of them window-free but one, which runs the real windows in-process
# on a display and records what the program tells a screen reader. The tests
# of the window system and the display need the Linux platform.

# GoogleTest from Debian's source package, built with the cross compiler.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Its own code, not ours: none of the project's warnings or -Werror.
set_target_properties(gtest gtest_main PROPERTIES COMPILE_OPTIONS "-w")

# DISPLAY: the test makes real windows, which need a display under Wine.
function(resonix_windows_test name)
  cmake_parse_arguments(PARSE_ARGV 1 TEST "DISPLAY" "" "")
  add_executable(${name} ${TEST_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  # One test per program: each start of Wine costs about a second.
  if(TEST_DISPLAY)
    add_test(NAME ${name} COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh --display $<TARGET_FILE:${name}>)
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT 120)
endfunction()

macro(resonix_portable_test)
  resonix_windows_test(${ARGV})
endmacro()
include(${CMAKE_CURRENT_LIST_DIR}/portable_tests.cmake)

resonix_windows_test(link_properties_test about/link_properties_test.cpp ${CMAKE_SOURCE_DIR}/res/web_link_state.cpp)
target_link_libraries(link_properties_test PRIVATE resonix_weblink)

resonix_windows_test(framework_test framework/win32/utf16_test.cpp framework/win32/control_kind_test.cpp
  framework/class_id_text_test.cpp)
target_link_libraries(framework_test PRIVATE resonix_framework)

resonix_windows_test(accessible_names_test DISPLAY framework/win32/accessible_names_test.cpp)
target_link_libraries(accessible_names_test PRIVATE resonix_app)
