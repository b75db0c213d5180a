# Compiles the staged help project with chmcmd and moves help.chm into place.
#
# A help file's contents and index are read in the code page of its language (936 for
# Chinese), and the help viewers take a page's encoding from its http-equiv meta tag: the
# staged copies of our UTF-8 sources are therefore converted to GBK, refusing any character
# GBK lacks rather than losing it. chmcmd reports some problems only in its output, so an
# error line fails the build as a non-zero status does.
file(GLOB texts ${STAGE}/*.html ${STAGE}/*.hhc ${STAGE}/*.hhk ${STAGE}/*.hhp)
foreach(text ${texts})
    file(READ ${text} content)
    string(REPLACE "charset=utf-8" "charset=gbk" content "${content}")
    file(WRITE ${text}.utf8 "${content}")
    execute_process(COMMAND iconv -f UTF-8 -t GBK ${text}.utf8
                    OUTPUT_FILE ${text} RESULT_VARIABLE status ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${text} holds a character that GBK cannot encode: ${err}")
    endif()
    file(REMOVE ${text}.utf8)
endforeach()

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
