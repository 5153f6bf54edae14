# What `cmake --install` puts in place, and the Debian package CPack makes of it.
include(GNUInstallDirs)

set(MARROWLEAF_APP_ID org.marrowleaf.Marrowleaf)

install(TARGETS marrowleaf RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The launcher starts the program next to it, wherever the prefix is.
install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/marrowleaf-diary DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${MARROWLEAF_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${MARROWLEAF_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/${MARROWLEAF_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/16x16/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/${MARROWLEAF_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/marrowleaf.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marrowleaf)
set(CPACK_PACKAGE_VENDOR "Marrowleaf")
set(CPACK_PACKAGE_CONTACT "Marrowleaf developers <dev@marrowleaf.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop diary, one day and one tab at a time")
set(CPACK_PACKAGE_DESCRIPTION
    "Marrowleaf shows a month calendar and the chosen day's entries, one per tab. Every entry is a plain text file in a folder per year and month.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The dependencies are those of the linked shared libraries, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-ipafont-gothic)
set(CPACK_STRIP_FILES ON)
include(CPack)
