# Runs the built driver on small script files and checks its exit status and output.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/home/DATA")

function(expect_run script_text expected_status expected_stdout_regex)
    file(WRITE "${WORK}/script.txt" "${script_text}")
    execute_process(COMMAND ${EMULATOR} "${DRIVER}" --home "${WORK}/home" "${WORK}/script.txt"
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL expected_status)
        message(FATAL_ERROR "status ${status} (expected ${expected_status}) for:\n${script_text}\n${err}")
    endif()
    if(NOT out MATCHES "${expected_stdout_regex}")
        message(FATAL_ERROR "unexpected output for:\n${script_text}\n${out}")
    endif()
endfunction()

expect_run("start\r\ndump\r\n" 0 "^\\{\"running\":true,\"window\":\\{\"caption\":\"APPROACH CORVANE\"")
expect_run("start\nclick nothing\n" 2 "^$")
expect_run("start\nanswer no\nclose-window\ndump\n" 0 "\"running\":true")
expect_run("start\nclose-window\n" 3 "^$")

execute_process(COMMAND ${EMULATOR} "${DRIVER}" --bogus RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(NOT status EQUAL 2)
    message(FATAL_ERROR "an unknown option must be refused, got ${status}")
endif()
execute_process(COMMAND ${EMULATOR} "${DRIVER}" --help RESULT_VARIABLE status OUTPUT_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out MATCHES "docs/SCRIPT-DRIVER.md")
    message(FATAL_ERROR "--help must describe the driver, got ${status}:\n${out}")
endif()

# An unusable program folder is refused with its name.
file(WRITE "${WORK}/afile" "")
file(MAKE_DIRECTORY "${WORK}/datafile")
file(WRITE "${WORK}/datafile/DATA" "")
foreach(home IN ITEMS "${WORK}/missing" "${WORK}/afile" "${WORK}/datafile")
    execute_process(COMMAND ${EMULATOR} "${DRIVER}" --home "${home}" RESULT_VARIABLE status
                    OUTPUT_QUIET ERROR_VARIABLE err INPUT_FILE "${WORK}/afile")
    if(NOT status EQUAL 2 OR NOT err MATCHES "^corvane-script: the (program|DATA) folder ${home}")
        message(FATAL_ERROR "--home ${home} must be refused with its name, got ${status}: ${err}")
    endif()
endforeach()
