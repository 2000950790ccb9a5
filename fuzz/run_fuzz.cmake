# Runs one fuzz target for SECONDS on a fresh copy of its seed corpus; fails
# on any crash, leak, sanitizer report or timeout, leaving the input that
# caused it in WORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/artifacts)
file(COPY ${SEEDS}/ DESTINATION ${WORK}/corpus)
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -print_final_stats=1
          -dict=${DICTIONARY} -artifact_prefix=${WORK}/artifacts/ ${WORK}/corpus
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "fuzzing failed (${result}); the input is in ${WORK}/artifacts")
endif()
