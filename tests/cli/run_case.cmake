# Runs PROGRAM with the arguments of ARGS_FILE and compares its exit status and standard
# output, byte for byte, with EXPECTED_STATUS and EXPECTED_FILE, and its standard error with
# EXPECTED_ERR_FILE when that file exists.
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
if(EXISTS "${EXPECTED_ERR_FILE}")
    file(READ ${EXPECTED_ERR_FILE} expected_err)
    if(NOT err STREQUAL expected_err)
        message(FATAL_ERROR "standard error differs\n--- got:\n${err}--- expected:\n${expected_err}")
    endif()
endif()
