# The full window's bars, keys and file-list panel through the real program under a window
# manager, on a generated card. The script starts its own Xvfb when there is no display.
add_test(NAME FullWindowE2e COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/fullwindow/run.sh
         $<TARGET_FILE:rodemir> $<TARGET_FILE:samplecard> ${CMAKE_BINARY_DIR}/fullwindow-card)
# Run alone: the window manager and the screenshots take the whole display.
set_tests_properties(FullWindowE2e PROPERTIES TIMEOUT 300 LABELS e2e RUN_SERIAL TRUE)
