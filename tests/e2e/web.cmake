# The browser control over WebKit: needs a display (scripts/test runs ctest under Xvfb).
file(GLOB WEB_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/platform/web/*E2e.cpp)
add_executable(web_e2e_tests ${WEB_E2E_SOURCES})
# It watches the views' widgets, as an owner test of the layer.
pkg_check_modules(WEB_E2E_DEPS REQUIRED IMPORTED_TARGET gtk+-3.0)
target_link_libraries(web_e2e_tests PRIVATE test_support platform GTest::gtest_main PkgConfig::WEB_E2E_DEPS)
# The gtk presenter is the default here. Run alone: their windows would show in other
# suites' screenshots of the shared display.
gtest_discover_tests(web_e2e_tests
  DISCOVERY_TIMEOUT 120
  PROPERTIES TIMEOUT 300 LABELS e2e RUN_SERIAL TRUE)
