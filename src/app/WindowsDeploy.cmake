# Makes the installed folder self-contained: the Qt libraries beside the program, the Qt
# plugins in the folders Qt looks for them in (the Windows platform, the ICO reader for the
# cursor file, the native style), and the compiler's run-time libraries.
set(NUMORRA_DEPLOYED)  # installed paths, relative to the prefix, for stripping

# Installs an imported Qt library or plugin into a folder of the prefix.
function(numorra_deploy target folder)
    install(FILES $<TARGET_FILE:${target}> DESTINATION ${folder})
    set(NUMORRA_DEPLOYED ${NUMORRA_DEPLOYED} ${folder}/$<TARGET_FILE_NAME:${target}> PARENT_SCOPE)
endfunction()

# The licences the shipped libraries come under go beside them in licenses\: Qt's (the
# LGPL with the GPL it builds on) and those of the compiler's run-time libraries (the GCC
# run-time library exception, the winpthreads licence).
get_filename_component(NUMORRA_QT_LICENSES ${Qt6_DIR}/../../../LICENSES ABSOLUTE)
if(EXISTS ${NUMORRA_QT_LICENSES})
    install(DIRECTORY ${NUMORRA_QT_LICENSES}/ DESTINATION licenses/Qt)
else()
    message(WARNING "Qt's LICENSES folder is not in ${NUMORRA_QT_LICENSES}; the installed program lacks it")
endif()

# Installs the copyright file of the Debian package that ships a MinGW run-time library as
# licenses/<library>.txt; elsewhere says that the licence must be added by hand.
function(numorra_deploy_licence library_path library)
    get_filename_component(library_path ${library_path} REALPATH)  # as dpkg knows it
    execute_process(COMMAND dpkg-query --search ${library_path}
                    OUTPUT_VARIABLE owner ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    string(REGEX REPLACE ":.*" "" package "${owner}")
    set(copyright /usr/share/doc/${package}/copyright)
    if(package AND EXISTS ${copyright})
        install(FILES ${copyright} DESTINATION licenses RENAME ${library}.txt)
    else()
        message(WARNING "No licence file found for ${library}; the installed program lacks it")
    endif()
endfunction()

foreach(library Core Gui Widgets)
    numorra_deploy(Qt6::${library} .)
endforeach()
foreach(plugin_and_folder IN ITEMS QWindowsIntegrationPlugin:platforms QICOPlugin:imageformats
                                   QWindowsVistaStylePlugin:styles)
    string(REPLACE ":" ";" plugin_and_folder ${plugin_and_folder})
    list(GET plugin_and_folder 0 plugin)
    list(GET plugin_and_folder 1 folder)
    if(TARGET Qt6::${plugin})
        numorra_deploy(Qt6::${plugin} ${folder})
    else()
        message(WARNING "The Qt plugin ${plugin} is missing; the installed program lacks it")
    endif()
endforeach()

if(MSVC)
    set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION .)
    include(InstallRequiredSystemLibraries)
elseif(MINGW)
    foreach(library libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
                        OUTPUT_VARIABLE library_path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(IS_ABSOLUTE "${library_path}" AND EXISTS "${library_path}")
            install(FILES ${library_path} DESTINATION .)
            list(APPEND NUMORRA_DEPLOYED ./${library})
            numorra_deploy_licence(${library_path} ${library})
        else()
            message(WARNING "${library} not found beside the compiler; the installed program lacks it")
        endif()
    endforeach()
endif()

# MinGW's libraries carry their debugging symbols (libstdc++ shrinks from 23 MB to 2 MB).
# `cmake --install --strip` and CPack strip them like the program.
if(CMAKE_STRIP)
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            foreach(file IN ITEMS ${NUMORRA_DEPLOYED})
                execute_process(COMMAND [[${CMAKE_STRIP}]] --strip-unneeded
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${file}\")
            endforeach()
        endif()
    ")
endif()
