# Keeps what `r5k27-cli ARG1 [ARG2]` prints as OUTPUT and, with GZIP, a compressed copy
# OUTPUT.gz without name or time stamp, so builds repeat. Run with cmake -P.
set(_args ${ARG1})
if(DEFINED ARG2)
  list(APPEND _args ${ARG2})
endif()
execute_process(COMMAND ${CLI} ${_args} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "r5k27-cli ${_args} failed: ${_result}")
endif()
if(GZIP)
  execute_process(COMMAND ${GZIP} -9 -n -c ${OUTPUT} OUTPUT_FILE ${OUTPUT}.gz
                  RESULT_VARIABLE _result)
  if(NOT _result EQUAL 0)
    message(FATAL_ERROR "gzip ${OUTPUT} failed: ${_result}")
  endif()
endif()
