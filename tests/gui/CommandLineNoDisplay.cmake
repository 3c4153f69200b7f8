# Help, version and a bad option are answered on the terminal: no window, no display needed.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})

function(expect_run argument expected_status stream expected_regex)
    execute_process(COMMAND "${PROGRAM}" ${argument}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL expected_status)
        message(FATAL_ERROR "corvane ${argument}: status ${status}, expected ${expected_status}\n${err}")
    endif()
    if(NOT ${stream} MATCHES "${expected_regex}")
        message(FATAL_ERROR "corvane ${argument}: unexpected ${stream}:\n${out}${err}")
    endif()
endfunction()

expect_run(--help 0 out "^Usage: corvane \\[--home DIR\\]")
expect_run(--version 0 out "^corvane [0-9]+\\.[0-9]+\\.[0-9]+\n.*License GPL-3.0-or-later")
expect_run(--bogus 2 err "unknown argument --bogus\nUsage: corvane ")
expect_run(--home 2 err "--home needs DIR\nUsage: corvane ")
