# Runs PROGRAM with the arguments of ARGS_FILE and compares its exit status and standard
# output, byte for byte, with EXPECTED_STATUS and EXPECTED_FILE.
file(STRINGS ${ARGS_FILE} args ENCODING UTF-8)
execute_process(COMMAND ${PROGRAM} ${args}
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err
                RESULT_VARIABLE status)
file(READ ${EXPECTED_FILE} expected)
if(NOT status STREQUAL EXPECTED_STATUS)
    message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}\nstderr:\n${err}")
endif()
if(NOT out STREQUAL expected)
    message(FATAL_ERROR "standard output differs\n--- got:\n${out}--- expected:\n${expected}"
                        "--- stderr:\n${err}")
endif()
