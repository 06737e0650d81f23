# The package that `cpack` builds from the install rules: on Windows a zip, on Linux a Debian
# package installed under /usr.
set(CPACK_PACKAGE_NAME zeltaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zeltaro team")
set(CPACK_PACKAGE_CONTACT "The Zeltaro team <team@zeltaro.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "take-away game against the computer")
set(CPACK_PACKAGE_DESCRIPTION
    "An odd number of round items lies on the board; you and the computer take
from one to M of them in turn, and when the board is empty the side that holds
an even number of items wins. The computer never misses a forced win.
The game's own texts are in Bulgarian.")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    # Unpacked anywhere, the program finds its rules beside itself.
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64)
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    install(TARGETS zeltaro RUNTIME DESTINATION .)
    install(FILES ${PROJECT_SOURCE_DIR}/app/HelpZeltaro.txt ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION .)
    include(CPack)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The install rules see /usr as their prefix, as the menu entry names the program's path in it.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zeltaro.org/)
# The libraries the program links come from dpkg-shlibdeps. Qt loads its windowing plugins
# at run time, so no library names them: without qt6-qpa-plugins the window cannot open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The system's font substitution gives the dialogs' faces DejaVu Sans.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core")
# Only what the headless launcher, zeltaro-vnc, runs: the VNC server and its password tool, the
# X cookie's tool, the window manager and the session bus. The rules need no opener: where the
# desktop has none, the game shows them itself.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "tigervnc-standalone-server, tigervnc-tools, xauth, openbox, dbus-daemon")

# Lintian's overrides belong to the package alone, so `cmake --install` leaves them out: cpack
# installs the default component and this one.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/zeltaro.lintian-overrides
    DESTINATION share/lintian/overrides RENAME zeltaro COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};ALL;/" "${PROJECT_BINARY_DIR};${PROJECT_NAME};debian;/")

include(CPack)
