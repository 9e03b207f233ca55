# The skinned controls on a real display: a dialog shown through the GTK presenter,
# hovered and clicked with xdotool and checked on a screenshot. SKIN_SCREENSHOT keeps it.
add_executable(skin_e2e_app ${CMAKE_CURRENT_SOURCE_DIR}/e2e/skin/SkinControlsApp.cpp)
target_link_libraries(skin_e2e_app PRIVATE skin)
add_test(NAME SkinE2e COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/skin/run.sh $<TARGET_FILE:skin_e2e_app>)
# Run alone: screenshots of a display shared with other suites would show their windows.
set_tests_properties(SkinE2e PROPERTIES ENVIRONMENT "RODEMIR_PRESENTER=gtk" TIMEOUT 120 LABELS e2e RUN_SERIAL TRUE)
