# A card written by another system, through the real program under a window manager:
# names whose bytes are not UTF-8. The script starts its own Xvfb when there is no display.
add_test(NAME NamesE2e COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/names/run.sh
         $<TARGET_FILE:rodemir> $<TARGET_FILE:samplecard> ${CMAKE_BINARY_DIR}/names-card)
# Run alone: the window manager and the screenshots take the whole display.
set_tests_properties(NamesE2e PROPERTIES TIMEOUT 300 LABELS e2e RUN_SERIAL TRUE)
