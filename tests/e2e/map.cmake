# The map panel with the real browser engine and the real map page: needs a display
# (scripts/test runs ctest under Xvfb). Built beside the map page, where the program looks
# for it.
add_executable(map_e2e_tests ${CMAKE_CURRENT_SOURCE_DIR}/player/MapViewE2e.cpp)
target_link_libraries(map_e2e_tests PRIVATE test_support player GTest::gtest_main)
set_target_properties(map_e2e_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
add_dependencies(map_e2e_tests map_page)
# Run alone: their windows would show in other suites' screenshots of the shared display.
gtest_discover_tests(map_e2e_tests
  DISCOVERY_TIMEOUT 120
  PROPERTIES TIMEOUT 300 LABELS e2e RUN_SERIAL TRUE)
