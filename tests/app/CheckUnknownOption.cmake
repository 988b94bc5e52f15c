# Starts the program (PROGRAM, through EMULATOR when cross-built) with Qt's -style option and
# one it does not know: it must name the unknown one on standard error and fail.
execute_process(COMMAND ${EMULATOR} ${PROGRAM} -style fusion --no-such-option
                RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
if(status EQUAL 0 OR NOT errors MATCHES "unknown option '--no-such-option'")
    message(FATAL_ERROR "exit code ${status}, standard error: ${errors}")
endif()
