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

# Installs the copyright file of a Debian package as licenses/<name>.txt; elsewhere says
# that the licence must be added by hand.
function(numorra_deploy_package_licence package name)
    set(copyright /usr/share/doc/${package}/copyright)
    if(package AND EXISTS ${copyright})
        install(FILES ${copyright} DESTINATION licenses RENAME ${name}.txt)
    else()
        message(WARNING "No licence file found for ${name}; the installed program lacks it")
    endif()
endfunction()

# Installs the copyright file of the Debian package that ships a MinGW run-time library as
# licenses/<library>.txt.
function(numorra_deploy_licence library_path library)
    get_filename_component(library_path ${library_path} REALPATH)  # as dpkg knows it
    execute_process(COMMAND dpkg-query --search ${library_path}
                    OUTPUT_VARIABLE owner ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    string(REGEX REPLACE ":.*" "" package "${owner}")
    numorra_deploy_package_licence("${package}" ${library})
endfunction()

# The Qt libraries are built with the third-party code Qt bundles (the MinGW Qt's BUILD.txt
# names the bundled copies): PCRE2, zlib and double-conversion in Qt6Core.dll; libpng,
# HarfBuzz, FreeType and md4c in Qt6Gui.dll. Their notices are those of the Debian
# packages of the same libraries; the smaller pieces Qt carries in its own source (hash
# functions, TinyCBOR, the easing curves, Unicode data, the sRGB colour profile) are listed
# with their licences in the copyright file of Debian's Qt of the same version.
foreach(package_and_name IN ITEMS libpcre2-16-0:PCRE2 zlib1g:zlib
                                  libdouble-conversion3:double-conversion libpng16-16:libpng
                                  libharfbuzz0b:HarfBuzz libfreetype6:FreeType libmd4c0:md4c
                                  libqt6core6:qtbase)
    string(REPLACE ":" ";" package_and_name ${package_and_name})
    numorra_deploy_package_licence(${package_and_name})
endforeach()

# Numorra's own copyright and licence, as the Debian package carries it.
set(NUMORRA_QT_LICENCE_NOTE [[It links the Qt libraries, which are licensed under the GNU Lesser General
 Public License version 3 and ship beside it; their licences and the notices
 of the third-party code built into them are in the licenses folder.]])
configure_file(copyright.in copyright.txt @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright.txt DESTINATION licenses RENAME Numorra.txt)

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
