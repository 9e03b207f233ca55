# The common dialogs on a real display: a message box and the folder browser shown by the
# GTK presenter as GTK dialogs and answered with xdotool. The script starts its own Xvfb
# when there is no display.
add_executable(dialogs_e2e_app ${CMAKE_CURRENT_SOURCE_DIR}/e2e/dialogs/DialogsE2eApp.cpp)
target_link_libraries(dialogs_e2e_app PRIVATE platform)
add_test(NAME DialogsE2e COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/dialogs/run.sh $<TARGET_FILE:dialogs_e2e_app>)
# Run alone: screenshots and focus on a display shared with other suites would interfere.
set_tests_properties(DialogsE2e PROPERTIES ENVIRONMENT "RODEMIR_PRESENTER=gtk" TIMEOUT 120 LABELS e2e RUN_SERIAL TRUE)
