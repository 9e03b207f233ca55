# The window layer on a real display: a template dialog shown through the GTK presenter,
# clicked with xdotool and checked on a screenshot. The script starts its own Xvfb when
# there is no display.
add_executable(window_e2e_app ${CMAKE_CURRENT_SOURCE_DIR}/e2e/window/WindowE2eApp.cpp)
target_link_libraries(window_e2e_app PRIVATE platform)
add_test(NAME WindowE2e COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/window/run.sh $<TARGET_FILE:window_e2e_app>)
# Run alone: screenshots of a display shared with other suites would show their windows.
set_tests_properties(WindowE2e PROPERTIES ENVIRONMENT "RODEMIR_PRESENTER=gtk" TIMEOUT 120 LABELS e2e RUN_SERIAL TRUE)
