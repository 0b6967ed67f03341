# Runs the simulator with one bad option: it must say why on stderr and exit
# with status 2, having played nothing.
execute_process(COMMAND ${SIM} ${ARG} OUTPUT_VARIABLE out ERROR_VARIABLE err
  RESULT_VARIABLE status)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "exit status ${status} for ${ARG}")
endif()
if(NOT err MATCHES "^tumbleroad-sim: ." OR NOT out STREQUAL "")
  message(FATAL_ERROR "for ${ARG}: stdout '${out}', stderr '${err}'")
endif()
