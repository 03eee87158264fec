# Random input into one fuzz target for a bounded time (FUZZ_SECONDS in the
# environment, 60 unless set), starting from the committed seeds and the corpus
# earlier runs grew; the log is shown only when the fuzzer finds something.
# cmake -DFUZZER=... [-DDICTIONARY=...] [-DMAX_LEN=bytes] -DSEEDS=... -DWORK_DIR=... -P RunFuzzer.cmake
cmake_minimum_required(VERSION 3.25)

set(seconds 60)
if(DEFINED ENV{FUZZ_SECONDS} AND NOT "$ENV{FUZZ_SECONDS}" STREQUAL "")
    set(seconds $ENV{FUZZ_SECONDS})
endif()
if(NOT seconds MATCHES "^[0-9]+$")
    message(FATAL_ERROR "FUZZ_SECONDS must be a whole number of seconds, not \"${seconds}\"")
endif()

set(corpus ${WORK_DIR}/corpus)
set(log ${WORK_DIR}/fuzz.log)
file(MAKE_DIRECTORY ${corpus})
get_filename_component(target ${FUZZER} NAME)
message(STATUS "Fuzzing ${target} for ${seconds} s")
if(NOT MAX_LEN)
    set(MAX_LEN 4096)
endif()
set(dictionary)
if(DICTIONARY)
    set(dictionary -dict=${DICTIONARY})
endif()
execute_process(
    COMMAND ${FUZZER} ${corpus} ${SEEDS} ${dictionary} -max_total_time=${seconds} -timeout=10 -max_len=${MAX_LEN}
            -artifact_prefix=${WORK_DIR}/ -print_final_stats=1
    RESULT_VARIABLE status OUTPUT_FILE ${log} ERROR_FILE ${log})
file(STRINGS ${log} summary REGEX "^(Done|stat::number_of_executed_units|stat::new_units_added)")
if(NOT status EQUAL 0 OR NOT summary)
    file(READ ${log} shown)
    message(FATAL_ERROR "${shown}\nThe fuzzer found a failing input (status ${status}); it is saved in "
                        "${WORK_DIR}/ (crash-*, timeout-*, leak-*).")
endif()
list(JOIN summary "\n" summary)
message(STATUS "${summary}")
