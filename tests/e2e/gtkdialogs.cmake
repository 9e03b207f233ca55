# The layer's GTK dialogs on a display, read back from their widgets: needs a display
# (scripts/test runs ctest under Xvfb). The gtk presenter is the default here.
file(GLOB GTK_DIALOGS_E2E_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/platform/shell/*E2e.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/platform/present/*E2e.cpp)
add_executable(gtk_dialogs_e2e_tests ${GTK_DIALOGS_E2E_SOURCES})
pkg_check_modules(GTK_DIALOGS_E2E_DEPS REQUIRED IMPORTED_TARGET gtk+-3.0)
target_link_libraries(gtk_dialogs_e2e_tests PRIVATE test_support platform GTest::gtest_main PkgConfig::GTK_DIALOGS_E2E_DEPS)
# Run alone: the dialogs would show in other suites' screenshots of the shared display.
gtest_discover_tests(gtk_dialogs_e2e_tests
  DISCOVERY_TIMEOUT 120
  PROPERTIES TIMEOUT 120 LABELS e2e RUN_SERIAL TRUE)
