# The real program on a display: its screenshot at known pixels of the normal layout, a
# background drag, the full window and back, minimise, and the close button ending it with
# status 0. Once on bare Xvfb and once with a window manager (openbox) on the display.
foreach(manager none openbox)
  set(name ProgramE2e)
  if(manager STREQUAL "openbox")
    set(name ProgramE2eOpenbox)
  endif()
  add_test(NAME ${name} COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/program/run.sh $<TARGET_FILE:rodemir>
                                ${RODEMIR_RES_OUT}/bitmaps ${manager})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "RODEMIR_PRESENTER=gtk" TIMEOUT 120 LABELS e2e RUN_SERIAL TRUE)
endforeach()
