# Packages made with CPack from the install rules: `cpack` in the build folder makes a .deb
# on Linux and a ZIP of the self-contained program folder on Windows.
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
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME Numorra-${PROJECT_VERSION}-win64)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    # The libraries the program links are found by dpkg-shlibdeps. Qt loads its platform
    # plugins at run time, which no tool can see, so their package is named here.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
    # The windows ask for Arial; Liberation Sans has the same metrics.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
endif()

include(CPack)
