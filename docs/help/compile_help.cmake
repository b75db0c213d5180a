# Runs chmcmd on the staged help project and moves help.chm into place. chmcmd reports some
# problems only in its output, so an error line fails the build as a non-zero status does.
execute_process(
    COMMAND ${CHMCMD} help.hhp
    WORKING_DIRECTORY ${STAGE}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR "${out}${err}" MATCHES "(^|\n)(Error|Fatal)" OR NOT EXISTS ${STAGE}/help.chm)
    message(FATAL_ERROR "chmcmd could not compile help.chm (status ${status}):\n${out}${err}")
endif()
file(COPY_FILE ${STAGE}/help.chm ${OUTPUT}.tmp)
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
