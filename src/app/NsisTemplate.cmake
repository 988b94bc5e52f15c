# CPack's NSIS script, changed where its variables cannot reach, written to the build
# folder and found through CPACK_MODULE_PATH:
#  - the installer and the uninstaller use the 64-bit registry view from their start, so
#    every key they read or write (the uninstall entry, the install folder, the Start menu
#    folder, the earlier install's uninstaller) is where 64-bit Windows looks for it;
#  - the uninstall entry gives the installed size (EstimatedSize, in KiB), which the
#    Apps list shows, and the install folder (InstallLocation);
#  - the Start menu holds the program's shortcut alone (Windows removes programs from its
#    list of installed apps), started in the user's own folder (%USERPROFILE%), as the
#    shortcuts Windows makes are, rather than the install folder, which a standard user
#    cannot write to;
#  - the uninstaller also removes the vendor's key when removing the program's leaves it
#    empty;
#  - the line at the foot of every page names the program and its version rather than
#    the installer's maker (CPack's own setting for it trims the line, which makensis
#    refuses on Linux).
set(template_in ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in)
file(READ ${template_in} template)

# Replaces `anchor` in the template with `replacement`; stops when the anchor is missing
# (CMake's template changed), rather than make an installer without the change.
function(numorra_patch_template anchor replacement)
    string(FIND "${template}" "${anchor}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${template_in} has no \"${anchor}\": update ${CMAKE_CURRENT_FUNCTION_LIST_FILE}")
    endif()
    string(REPLACE "${anchor}" "${replacement}" template "${template}")
    set(template "${template}" PARENT_SCOPE)
endfunction()

numorra_patch_template("@CPACK_NSIS_DEFINES@" [[!include "FileFunc.nsh"
@CPACK_NSIS_DEFINES@]])
numorra_patch_template("@CPACK_NSIS_BRANDING_TEXT_CODE@"
    [[BrandingText "@CPACK_NSIS_PACKAGE_NAME@ @CPACK_PACKAGE_VERSION@"]])
foreach(function IN ITEMS .onInit un.onInit)
    numorra_patch_template("Function ${function}\n" "Function ${function}\n  SetRegView 64\n")
endforeach()
numorra_patch_template("@CPACK_NSIS_EXTRA_INSTALL_COMMANDS@" [[${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@" "EstimatedSize" "$0"
  WriteRegStr SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@" "InstallLocation" "$INSTDIR"
@CPACK_NSIS_EXTRA_INSTALL_COMMANDS@]])
numorra_patch_template([[  CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\Uninstall.lnk" "$INSTDIR\@CPACK_NSIS_UNINSTALL_NAME@.exe"
]] "")
# A shortcut starts in $OUTDIR as it stands when the shortcut is made.
numorra_patch_template("@CPACK_NSIS_CREATE_ICONS@\n" [[  StrCpy $OUTDIR "%USERPROFILE%"
@CPACK_NSIS_CREATE_ICONS@
  StrCpy $OUTDIR "$INSTDIR"
]])
numorra_patch_template([[DeleteRegKey /ifempty SHCTX "Software\@CPACK_PACKAGE_VENDOR@\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@"]]
    [[DeleteRegKey /ifempty SHCTX "Software\@CPACK_PACKAGE_VENDOR@\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@"
  DeleteRegKey /ifempty SHCTX "Software\@CPACK_PACKAGE_VENDOR@"]])

set(NUMORRA_NSIS_TEMPLATE_DIR ${CMAKE_BINARY_DIR}/nsis-template)
file(WRITE ${NUMORRA_NSIS_TEMPLATE_DIR}/NSIS.template.in "${template}")
list(PREPEND CPACK_MODULE_PATH ${NUMORRA_NSIS_TEMPLATE_DIR})
