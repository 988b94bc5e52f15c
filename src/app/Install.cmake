# Install rules. On Windows the program goes to the top of the install folder with the Qt
# libraries and plugins it needs beside it (WindowsDeploy.cmake), so the folder runs on a
# machine without Qt. Elsewhere it installs like a desktop program under GNU directories:
# the executable, a menu entry, hicolor icons, AppStream metadata and a manual page.
include(GNUInstallDirs)

if(WIN32)
    install(TARGETS numorra RUNTIME DESTINATION .)
    include(WindowsDeploy.cmake)
    return()
endif()

install(TARGETS numorra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The menu entry names the executable by its full path, known only when installing
# (`cmake --install --prefix` and CPack choose the prefix then), so the entry is written
# at install time.
set(NUMORRA_DESKTOP_FILE ${CMAKE_CURRENT_BINARY_DIR}/${NUMORRA_APP_ID}.desktop)
install(CODE "
    set(NUMORRA_APP_ID [[${NUMORRA_APP_ID}]])
    set(NUMORRA_BINDIR [[${CMAKE_INSTALL_BINDIR}]])
    set(NUMORRA_DESKTOP_TEMPLATE [[${CMAKE_CURRENT_SOURCE_DIR}/numorra.desktop.in]])
    set(NUMORRA_DESKTOP_FILE [[${NUMORRA_DESKTOP_FILE}]])
    include([[${CMAKE_CURRENT_SOURCE_DIR}/WriteDesktopEntry.cmake]])
")
install(FILES ${NUMORRA_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(NUMORRA_HICOLOR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${NUMORRA_ICON_DIR}/numorra.svg DESTINATION ${NUMORRA_HICOLOR}/scalable/apps
        RENAME ${NUMORRA_APP_ID}.svg)
foreach(side IN LISTS NUMORRA_ICON_SIDES)
    install(FILES ${NUMORRA_ICON_DIR}/numorra-${side}.png
            DESTINATION ${NUMORRA_HICOLOR}/${side}x${side}/apps RENAME ${NUMORRA_APP_ID}.png)
endforeach()

configure_file(numorra.metainfo.xml.in ${NUMORRA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${NUMORRA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# gzip -n: no name or time stamp in the file, so that every build packs the same bytes.
function(numorra_gzip file)
    execute_process(COMMAND gzip -9nc ${file} OUTPUT_FILE ${file}.gz COMMAND_ERROR_IS_FATAL ANY)
endfunction()

configure_file(numorra.1.in numorra.1 @ONLY)
numorra_gzip(${CMAKE_CURRENT_BINARY_DIR}/numorra.1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/numorra.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The copyright file (Debian's machine-readable format) and the release history, where a
# Debian package keeps them. The history's first entry must name this version.
file(STRINGS changelog.in NUMORRA_LATEST_CHANGE LIMIT_COUNT 1)
if(NOT NUMORRA_LATEST_CHANGE MATCHES "^numorra \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "src/app/changelog.in does not start with version ${PROJECT_VERSION}")
endif()
set(NUMORRA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/numorra)
set(NUMORRA_QT_LICENCE_NOTE [[It links the Qt libraries, which are licensed under the GNU Lesser General
 Public License version 3 and are installed from their own packages; their
 copyright files are in /usr/share/doc/ under those packages' names.]])
configure_file(copyright.in copyright @ONLY)
configure_file(changelog.in changelog @ONLY)
numorra_gzip(${CMAKE_CURRENT_BINARY_DIR}/changelog)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${NUMORRA_DOC_DIR})
