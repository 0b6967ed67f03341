# Draws the artwork into WORK_DIR and compares it, file by file and byte for
# byte, with the bitmaps and icons in RES_DIR.
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${ARTGEN} ${WORK_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the artwork generator failed (${result})")
endif()

file(GLOB_RECURSE generated RELATIVE ${WORK_DIR} ${WORK_DIR}/*)
file(GLOB committed RELATIVE ${RES_DIR} ${RES_DIR}/bitmaps/* ${RES_DIR}/icons/*)
list(SORT generated)
list(SORT committed)
if(NOT generated STREQUAL committed)
  message(FATAL_ERROR "files differ:\n  generated: ${generated}\n  committed: ${committed}")
endif()

set(changed "")
foreach(name ${generated})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/${name} ${RES_DIR}/${name}
                  RESULT_VARIABLE different)
  if(NOT different EQUAL 0)
    list(APPEND changed ${name})
  endif()
endforeach()
if(changed)
  message(FATAL_ERROR "regenerated files differ from res/: ${changed}\n"
                      "run the `artwork` target and commit the result")
endif()
list(LENGTH generated count)
message(STATUS "${count} files identical")
