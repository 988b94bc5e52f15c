# Starts the program (PROGRAM, through EMULATOR when cross-built) with ARGS (a list split at
# "|"); it must end with exit code STATUS and say ERROR (a regular expression) on standard
# error. With NO_DISPLAY, no display and no platform are named to it.
if(NO_DISPLAY)
    unset(ENV{DISPLAY})
    unset(ENV{WAYLAND_DISPLAY})
    unset(ENV{QT_QPA_PLATFORM})
endif()
string(REPLACE "|" ";" ARGS "${ARGS}")
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${ARGS}
                RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
if(NOT status STREQUAL STATUS OR NOT errors MATCHES "${ERROR}")
    message(FATAL_ERROR "exit code ${status}, standard error: ${errors}")
endif()
