# The classic computer plays as it always has: with no --strength, and with
# every seat named classic, the simulator prints the very tally it printed
# before the strong level came (classic_tally_seed5.txt, from that build),
# every figure but the speed, which is the last line.
file(READ ${EXPECTED} expected)
foreach(strength "" "--strength=classic" "--strength=classic,classic,classic")
  execute_process(COMMAND ${SIM} --games 300 --seats 3 --columns 2 --seed 5 ${strength}
    OUTPUT_VARIABLE out RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "tumbleroad-sim ${strength} failed: ${status}")
  endif()
  string(REGEX REPLACE "games per second[^\n]*\n?$" "" out "${out}")
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "With '${strength}' the tally differs:\n${out}\n----\n${expected}")
  endif()
endforeach()
