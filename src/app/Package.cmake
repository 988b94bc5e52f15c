# Packages made with CPack from the install rules: `cpack` in the build folder makes a .deb
# on Linux; on Windows a ZIP of the self-contained program folder and an NSIS installer.
set(CPACK_PACKAGE_NAME numorra)
set(CPACK_PACKAGE_VENDOR Holvane)
set(CPACK_PACKAGE_CONTACT "${NUMORRA_SUPPORT_EMAIL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lottery pick generator")
set(CPACK_PACKAGE_DESCRIPTION [[Numorra generates lottery picks from a range of numbers, with options for
numerical order, duplicates, sorting and separators. The list of picks can be
edited, searched, copied to the clipboard and saved as a text file.]])
set(CPACK_PACKAGE_INSTALL_DIRECTORY Numorra)
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_PACKAGE_FILE_NAME Numorra-${PROJECT_VERSION}-win64)
    set(CPACK_GENERATOR ZIP)
    # The installer, where NSIS is at hand: the program folder under Program Files, a
    # Start menu entry and an uninstaller, with the program's icon.
    # Looked for at every configure, so that NSIS installed later is found then.
    find_program(NUMORRA_MAKENSIS makensis NO_CACHE)
    if(NUMORRA_MAKENSIS)
        list(APPEND CPACK_GENERATOR NSIS64)
    else()
        message(STATUS "makensis not found: cpack makes the ZIP only; install NSIS and "
                       "configure again for the installer")
    endif()
    set(CPACK_PACKAGE_EXECUTABLES numorra Numorra)
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
    set(CPACK_NSIS_DISPLAY_NAME Numorra)
    set(CPACK_NSIS_PACKAGE_NAME Numorra)
    set(CPACK_NSIS_MUI_ICON ${NUMORRA_ICON_DIR}/numorra.ico)
    set(CPACK_NSIS_MUI_UNIICON ${NUMORRA_ICON_DIR}/numorra.ico)
    set(CPACK_NSIS_INSTALLED_ICON_NAME numorra.exe)
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
    # The finish page offers "Run Numorra".
    set(CPACK_NSIS_MUI_FINISHPAGE_RUN numorra.exe)
    # A 64-bit program: Program Files, not Program Files (x86), and the 64-bit registry.
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    include(${CMAKE_CURRENT_LIST_DIR}/NsisTemplate.cmake)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Numorra developers <${NUMORRA_SUPPORT_EMAIL}>")
    # The libraries the program links are found by dpkg-shlibdeps. Qt loads its platform
    # plugins at run time, which no tool can see, so their package is named here. The
    # windows are laid out for Arial's metrics, which Liberation Sans shares: with another
    # font the controls widen to fit their captions, but the layout is measured with it.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
endif()

include(CPack)
