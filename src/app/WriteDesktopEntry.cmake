# Writes the menu entry at install time, with Exec= naming the installed executable by its
# full path, so the entry works even where the install folder is not on the PATH.
# Expects NUMORRA_APP_ID, NUMORRA_BINDIR, NUMORRA_DESKTOP_TEMPLATE, NUMORRA_DESKTOP_FILE.
if(IS_ABSOLUTE "${NUMORRA_BINDIR}")
    set(executable "${NUMORRA_BINDIR}/numorra")
else()
    set(executable "${CMAKE_INSTALL_PREFIX}/${NUMORRA_BINDIR}/numorra")
endif()
# A path with characters the Exec key reserves is quoted, with ", ` and $ escaped.
if(executable MATCHES "^[A-Za-z0-9/._+-]+$")
    set(NUMORRA_EXEC "${executable}")
else()
    string(REGEX REPLACE "([\"`$])" "\\\\\\1" escaped "${executable}")
    set(NUMORRA_EXEC "\"${escaped}\"")
endif()
configure_file("${NUMORRA_DESKTOP_TEMPLATE}" "${NUMORRA_DESKTOP_FILE}" @ONLY)
