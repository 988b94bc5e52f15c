# Installs the build into a staging folder with DESTDIR, once per prefix, and checks what a
# desktop needs: the menu entry and the AppStream metadata pass their validators, the entry
# starts the installed executable, every icon it names is there, and the copyright file.
# Expects BUILD_DIR, STAGE, APP_ID, ICON_SIDES (comma-separated), DESKTOP_FILE_VALIDATE and
# APPSTREAMCLI.
string(REPLACE "," ";" ICON_SIDES "${ICON_SIDES}")

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "failed (${status}): ${ARGN}")
    endif()
endfunction()

function(expect_file path)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endfunction()

# A prefix with a space makes the entry quote its Exec= path.
foreach(prefix_and_exec IN ITEMS "/usr|/usr/bin/numorra"
                                 "/opt/Numorra 1|\"/opt/Numorra 1/bin/numorra\"")
    string(REPLACE "|" ";" prefix_and_exec "${prefix_and_exec}")
    list(GET prefix_and_exec 0 prefix)
    list(GET prefix_and_exec 1 expected_exec)
    file(REMOVE_RECURSE "${STAGE}")
    run(${CMAKE_COMMAND} -E env DESTDIR=${STAGE}
        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
    set(root "${STAGE}${prefix}")
    set(entry "${root}/share/applications/${APP_ID}.desktop")
    run(${DESKTOP_FILE_VALIDATE} ${entry})
    run(${APPSTREAMCLI} validate --no-net "${root}/share/metainfo/${APP_ID}.metainfo.xml")

    file(STRINGS "${entry}" exec REGEX "^Exec=")
    if(NOT exec STREQUAL "Exec=${expected_exec}")
        message(FATAL_ERROR "${exec} is not Exec=${expected_exec}")
    endif()
    expect_file("${root}/bin/numorra")
    expect_file("${root}/share/doc/numorra/copyright")
    expect_file("${root}/share/man/man1/numorra.1.gz")
    # Only addresses that exist: appstreamcli checks them when it may use the network.
    file(READ "${root}/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
    if(metainfo MATCHES "\\.example")
        message(FATAL_ERROR "the metadata names a placeholder address")
    endif()
    expect_file("${root}/share/icons/hicolor/scalable/apps/${APP_ID}.svg")
    foreach(side IN LISTS ICON_SIDES)
        expect_file("${root}/share/icons/hicolor/${side}x${side}/apps/${APP_ID}.png")
    endforeach()
endforeach()
