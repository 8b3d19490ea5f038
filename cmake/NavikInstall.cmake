# Installing the program: the portable folder as lib/navik/ under the prefix, start links in
# bin/, the menu entry, the icon in the hicolor theme and the AppStream metainfo; and the
# Debian package of the same tree (cpack -G DEB, or the "package" target).

# The desktop's id for the program, and the web address of the launcher's screenshot that
# software centres show. The project has no public address yet: both are placeholders to be
# replaced when it has one.
set(NAVIK_APP_ID io.github.navik.Navik CACHE STRING "Reverse-DNS id of the desktop entry and metainfo")
set(NAVIK_SCREENSHOT_URL https://raw.githubusercontent.com/navik/navik/main/docs/screenshots/launcher.png
    CACHE STRING "Web address of docs/screenshots/launcher.png")

set(NAVIK_DESKTOP_DIR ${CMAKE_BINARY_DIR}/desktop)
set(NAVIK_DESKTOP_ENTRY ${NAVIK_DESKTOP_DIR}/${NAVIK_APP_ID}.desktop)
set(NAVIK_METAINFO ${NAVIK_DESKTOP_DIR}/${NAVIK_APP_ID}.metainfo.xml)
configure_file(data/desktop/navik.desktop.in ${NAVIK_DESKTOP_ENTRY} COPYONLY)
configure_file(data/desktop/navik.metainfo.xml.in ${NAVIK_METAINFO} @ONLY)

# The program finds everything beside its own file, which the start links lead to.
set(NAVIK_LIB_DIR lib/navik)
install(TARGETS navik navik-bank RUNTIME DESTINATION ${NAVIK_LIB_DIR})
install(FILES ${NAVIK_DIST_DIR}/Demootazky.dat ${NAVIK_DIST_DIR}/Logo.jpg ${NAVIK_DIST_DIR}/LICENSE
        DESTINATION ${NAVIK_LIB_DIR})
install(DIRECTORY ${NAVIK_DIST_DIR}/obr ${NAVIK_DIST_DIR}/fonts DESTINATION ${NAVIK_LIB_DIR})
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/bin-links)
foreach(program IN ITEMS navik navik-bank)
    file(CREATE_LINK ../${NAVIK_LIB_DIR}/${program} ${CMAKE_BINARY_DIR}/bin-links/${program} SYMBOLIC)
    install(FILES ${CMAKE_BINARY_DIR}/bin-links/${program} DESTINATION bin)
endforeach()

install(FILES ${NAVIK_DESKTOP_ENTRY} DESTINATION share/applications)
install(FILES ${NAVIK_METAINFO} DESTINATION share/metainfo)
install(DIRECTORY ${NAVIK_ICON_DIR}/hicolor DESTINATION share/icons)
install(FILES LICENSE DESTINATION share/doc/navik RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME navik)
set(CPACK_PACKAGE_VENDOR "The Navik authors")
set(CPACK_PACKAGE_CONTACT "The Navik authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trainer for the Czech small-boat licence exam")
set(CPACK_PACKAGE_DESCRIPTION "Navik, Vůdce malého plavidla, pages through the question bank and sits
simulated exams of the written test for the Czech small-boat operator licence,
with a demo question bank and the navik-bank tool for banks of one's own.
The user interface is Czech.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The dependencies are those of the Qt and zlib libraries the programs link, from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
