# Runs one scenario through the driver and compares its output with the expected lines.
execute_process(
    COMMAND ${DRIVER}
    INPUT_FILE ${SCENARIO}
    OUTPUT_VARIABLE actual
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "driver exited with ${status}: ${errors}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "output differs from ${EXPECTED}:\n${actual}")
endif()
