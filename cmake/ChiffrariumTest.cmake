# chiffrarium_add_test(<name> SOURCES <files…> LIBS <targets…> [WINDOW [SCALED] [FULLHD]])
#
# One executable and one CTest entry per test file group. WINDOW tests drive the
# real Qt widgets and run on the offscreen platform, so they need no display.
# SCALED window tests run a second time as <name>_scaled, with every window at
# twice its size on a 3840 × 2160 screen (QT_SCALE_FACTOR=2), as on a
# high-resolution display. FULLHD window tests run on a 1920 × 1080 screen,
# which has room for the zoomed views a projector shows.
find_package(GTest REQUIRED)

function(chiffrarium_add_test name)
  cmake_parse_arguments(ARG "WINDOW;SCALED;FULLHD" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest)
  if(ARG_WINDOW)
    target_link_libraries(${name} PRIVATE Qt6::Test window_test_main)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  if(ARG_WINDOW)
    set(platform "offscreen")
    if(ARG_FULLHD)
      set(platform "offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/support/offscreen-fullhd.json")
    endif()
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=${platform};LC_ALL=C.UTF-8"
      LABELS window)
    if(ARG_SCALED)
      add_test(NAME ${name}_scaled COMMAND ${name})
      set_tests_properties(${name}_scaled PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/support/offscreen-scaled.json;QT_SCALE_FACTOR=2;LC_ALL=C.UTF-8"
        LABELS "window;scaled")
    endif()
  else()
    set_tests_properties(${name} PROPERTIES LABELS model)
  endif()
endfunction()
