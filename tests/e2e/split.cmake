# A split that fails, through the real program under a window manager. The card cache is
# the road's: both run alone, and the card writer keeps what it has written.
add_test(NAME SplitFailureE2e COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/split/run.sh
         $<TARGET_FILE:rodemir> $<TARGET_FILE:samplecard> ${CMAKE_BINARY_DIR}/road-card)
set_tests_properties(SplitFailureE2e PROPERTIES TIMEOUT 300 LABELS e2e RUN_SERIAL TRUE)
