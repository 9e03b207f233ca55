# The whole road through the real program under a window manager, on a generated card.
# The script starts its own Xvfb when there is no display.
add_test(NAME RoadE2e COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/road/run.sh
         $<TARGET_FILE:rodemir> $<TARGET_FILE:samplecard> ${CMAKE_BINARY_DIR}/road-card)
# Run alone: the window manager and the screenshots take the whole display.
set_tests_properties(RoadE2e PROPERTIES TIMEOUT 600 LABELS e2e RUN_SERIAL TRUE)
