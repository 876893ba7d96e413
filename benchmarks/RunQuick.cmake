# Runs one benchmark program (PROGRAM) as a test. It passes when the program
# ends well, no benchmark was stopped with an error, and the program printed
# its closing line, which comes only once every benchmark has run. Whether
# the aims were met is not asked: a quick run's times mean nothing.
execute_process(COMMAND ${PROGRAM} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors
                ECHO_OUTPUT_VARIABLE ECHO_ERROR_VARIABLE)
if(NOT result STREQUAL "0")
  message(FATAL_ERROR "${PROGRAM} ended with ${result}")
endif()
# What Google Benchmark prints for a benchmark stopped by SkipWithError.
if(output MATCHES "ERROR OCCURRED")
  message(FATAL_ERROR "${PROGRAM}: a benchmark stopped with an error")
endif()
if(NOT output MATCHES "\n(Every aim met\\.|[0-9]+ aim\\(s\\) missed \\(!\\)\\.|No aim checked\\.)\n")
  message(FATAL_ERROR "${PROGRAM} printed no closing line")
endif()
