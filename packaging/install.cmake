# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts in place, and the Debian package CPack makes of it.
include(GNUInstallDirs)

set(MARROWLEAF_APP_ID org.marrowleaf.Marrowleaf)

# The release: its version is the project's; the metainfo, the manual page, the changelog and
# the package take theirs from here.
set(MARROWLEAF_RELEASE_DATE 2026-12-08)
set(MARROWLEAF_RELEASE_MONTH "December 2026")
set(MARROWLEAF_CHANGELOG_DATE "Tue, 08 Dec 2026 23:30:00 +0000")
set(MARROWLEAF_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_CURRENT_LIST_DIR}/${MARROWLEAF_APP_ID}.metainfo.xml.in
               ${MARROWLEAF_PACKAGING_OUT}/${MARROWLEAF_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/marrowleaf.1.in ${MARROWLEAF_PACKAGING_OUT}/marrowleaf.1
               @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${MARROWLEAF_PACKAGING_OUT}/changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/marrowleaf-diary.1
               ${MARROWLEAF_PACKAGING_OUT}/marrowleaf-diary.1 COPYONLY)
# Manual pages and the changelog are installed compressed, without a time stamp in the gzip
# header, so that two builds of one source give the same package.
foreach(name marrowleaf.1 marrowleaf-diary.1 changelog)
  execute_process(COMMAND gzip -9nc ${MARROWLEAF_PACKAGING_OUT}/${name}
                  OUTPUT_FILE ${MARROWLEAF_PACKAGING_OUT}/${name}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()

install(TARGETS marrowleaf RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS marrowleaf_import LIBRARY DESTINATION ${MARROWLEAF_MODULE_DIR})
# A stripped install (the package's) also drops the compiler's notes in .comment, as Debian's
# own packaging strips binaries.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/marrowleaf\"
    COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${MARROWLEAF_MODULE_DIR}/libmarrowleaf_import.so\"
    COMMAND_ERROR_IS_FATAL ANY)
endif()")
# The launcher starts the program next to it, wherever the prefix is.
install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/marrowleaf-diary DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${MARROWLEAF_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MARROWLEAF_PACKAGING_OUT}/${MARROWLEAF_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/${MARROWLEAF_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/16x16/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/${MARROWLEAF_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${MARROWLEAF_PACKAGING_OUT}/marrowleaf.1.gz ${MARROWLEAF_PACKAGING_OUT}/marrowleaf-diary.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${MARROWLEAF_PACKAGING_OUT}/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marrowleaf)
set(CPACK_PACKAGE_VENDOR "Marrowleaf")
set(CPACK_PACKAGE_CONTACT "Marrowleaf developers <dev@marrowleaf.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop diary, one day and one tab at a time")
# Lines of the extended description stay within 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Marrowleaf shows a month calendar and the chosen day's entries, one per tab.\nEvery entry is a plain text file in a folder per year and month.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The dependencies are those of the linked shared libraries, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's image plug-ins bring WebP, which the text area then shows beside PNG, JPEG, GIF and BMP.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-ipafont-gothic, hunspell-en-us | hunspell-dictionary, qt6-translations-l10n, qt6-image-formats-plugins")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
include(CPack)
