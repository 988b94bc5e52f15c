# Build speed: ccache when it is installed, and precompiled Qt headers with GCC.

# ccache, unless a launcher was chosen. It caches compilations that use a precompiled header
# only with the sloppiness below, so on Unix a ccache launcher runs through a small script
# that sets it.
if(NOT CMAKE_CXX_COMPILER_LAUNCHER)
    find_program(NUMORRA_CCACHE ccache)
    if(NUMORRA_CCACHE)
        set(CMAKE_CXX_COMPILER_LAUNCHER ${NUMORRA_CCACHE})
    endif()
endif()
if(CMAKE_HOST_UNIX AND CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache$")
    set(NUMORRA_CCACHE_SCRIPT ${CMAKE_BINARY_DIR}/ccache-pch)
    file(WRITE ${NUMORRA_CCACHE_SCRIPT} "#!/bin/sh
CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime exec '${CMAKE_CXX_COMPILER_LAUNCHER}' \"$@\"
")
    file(CHMOD ${NUMORRA_CCACHE_SCRIPT} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
         GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${NUMORRA_CCACHE_SCRIPT})
endif()

# A target's moc step and its compilations wait only for what they use, not for the
# libraries it links, so the rooms build side by side.
set(CMAKE_AUTOGEN_ORIGIN_DEPENDS OFF)
set(CMAKE_OPTIMIZE_DEPENDENCIES ON)

# The Qt headers are parsed once per kind of target instead of once per source file: the
# first target of a kind precompiles them and the others of that kind reuse the result.
# The kinds keep the layering: the rooms on Qt Core alone see no Widgets header.
option(NUMORRA_PCH "Precompile the Qt headers (GCC)" ON)
set(NUMORRA_PCH_CORE <QByteArray> <QList> <QObject> <QString> <QStringList> <algorithm> <memory>
    <vector>)
set(NUMORRA_PCH_WIDGETS ${NUMORRA_PCH_CORE} <QApplication> <QCheckBox> <QGroupBox> <QLineEdit>
    <QPushButton> <QWidget>)
set(NUMORRA_PCH_TESTS ${NUMORRA_PCH_WIDGETS} <QtTest>)

# Gives a target the precompiled headers of its kind: CORE, WIDGETS or TESTS.
function(numorra_use_pch target kind)
    if(NOT NUMORRA_PCH OR NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        return()
    endif()
    if(kind STREQUAL "TESTS")
        # Qt Test defines the test's own folders for QFINDTESTDATA, which no test uses; they
        # differ per folder and would make the shared header unusable, so they are dropped.
        target_compile_options(${target} PRIVATE -UQT_TESTCASE_BUILDDIR -UQT_TESTCASE_SOURCEDIR)
    endif()
    get_property(maker GLOBAL PROPERTY NUMORRA_PCH_${kind})
    if(maker)
        target_precompile_headers(${target} REUSE_FROM ${maker})
    else()
        target_precompile_headers(${target} PRIVATE ${NUMORRA_PCH_${kind}})
        set_property(GLOBAL PROPERTY NUMORRA_PCH_${kind} ${target})
    endif()
endfunction()
