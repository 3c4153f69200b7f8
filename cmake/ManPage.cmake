# One manual page from a program's own --help and --version, with the page's own sections from
# an include file; compressed as Debian wants it (maximum compression, no time stamp).
#   cmake -DHELP2MAN=... -DPROGRAM=... -DINCLUDE=... -DOUTPUT=page.1.gz -P ManPage.cmake
get_filename_component(name "${PROGRAM}" NAME)
execute_process(
    COMMAND "${HELP2MAN}" --no-info --section 1 --manual "User Commands"
            --include "${INCLUDE}" --output "${OUTPUT}.tmp" "${PROGRAM}"
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "help2man could not make the page of ${name}")
endif()
execute_process(COMMAND gzip -9 -n -c "${OUTPUT}.tmp" OUTPUT_FILE "${OUTPUT}"
                RESULT_VARIABLE status)
file(REMOVE "${OUTPUT}.tmp")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed on the page of ${name}")
endif()
