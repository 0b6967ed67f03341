# Runs the simulator twice with the same options and compares every figure
# but the speed, which is the last line.
foreach(run 1 2)
  execute_process(COMMAND ${SIM} --games 200 --seats 3 --columns 2 --seed 77
    OUTPUT_VARIABLE out${run} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "tumbleroad-sim failed: ${status}")
  endif()
  string(REGEX REPLACE "games per second[^\n]*\n?$" "" out${run} "${out${run}}")
endforeach()
if(NOT out1 STREQUAL out2)
  message(FATAL_ERROR "Two runs with one seed differ:\n${out1}\n----\n${out2}")
endif()
if(NOT out1 MATCHES "wins of player 3")
  message(FATAL_ERROR "Unexpected output:\n${out1}")
endif()
