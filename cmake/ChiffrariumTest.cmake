# chiffrarium_add_test(<name> SOURCES <files…> LIBS <targets…> [WINDOW])
#
# One executable and one CTest entry per test file group. WINDOW tests drive the
# real Qt widgets and run on the offscreen platform, so they need no display.
find_package(GTest REQUIRED)

function(chiffrarium_add_test name)
  cmake_parse_arguments(ARG "WINDOW" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest)
  if(ARG_WINDOW)
    target_link_libraries(${name} PRIVATE Qt6::Test window_test_main)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  if(ARG_WINDOW)
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
      LABELS window)
  else()
    set_tests_properties(${name} PROPERTIES LABELS model)
  endif()
endfunction()
