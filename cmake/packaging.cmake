# Installation under a prefix (/usr for the package) and the Debian package
# that `make package` builds with CPack. The program finds its data files in
# <prefix>/share/zeitnahme (see core/data_files.h).

include(GNUInstallDirs)

set(ZN_MAINTAINER "Kronvik Zeitnahme <zeitnahme@kronvik.invalid>")
set(ZN_PKG_DIR ${CMAKE_BINARY_DIR}/packaging)
set(ZN_DATA_DEST ${CMAKE_INSTALL_DATADIR}/zeitnahme)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)

# The reader program goes beside the console, which looks for it there.
install(TARGETS zeitnahme zeitnahme-kontakt zeitnahme-mappe RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The build's copies: the pages carry the version.
install(FILES ${ZN_DATA_FILES} DESTINATION ${ZN_DATA_DEST})
# The translations, looked up among the data files.
install(FILES ${ZN_QM_FILES} DESTINATION ${ZN_DATA_DEST})
file(GLOB _zn_examples CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/examples/*)
install(FILES ${_zn_examples} DESTINATION ${ZN_DATA_DEST}/examples)
# The class list and the letterhead are looked up among the data files, as
# beside a portable program.
install(FILES ${CMAKE_SOURCE_DIR}/examples/Klasse.txt ${CMAKE_SOURCE_DIR}/examples/Protokollvorlage.docx
        DESTINATION ${ZN_DATA_DEST})

install(FILES ${CMAKE_SOURCE_DIR}/packaging/zeitnahme.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/zeitnahme.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(_size 16 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/zeitnahme-${_size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps RENAME zeitnahme.png)
endforeach()

configure_file(${CMAKE_SOURCE_DIR}/packaging/de.kronvik.zeitnahme.metainfo.xml.in
               ${ZN_PKG_DIR}/de.kronvik.zeitnahme.metainfo.xml @ONLY)
install(FILES ${ZN_PKG_DIR}/de.kronvik.zeitnahme.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual page and changelog compressed without a time stamp (gzip -n), so the
# package's contents do not change from build to build.
configure_file(${CMAKE_SOURCE_DIR}/packaging/zeitnahme.1 ${ZN_PKG_DIR}/zeitnahme.1 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/zeitnahme-kontakt.1 ${ZN_PKG_DIR}/zeitnahme-kontakt.1 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/zeitnahme-mappe.1 ${ZN_PKG_DIR}/zeitnahme-mappe.1 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${ZN_PKG_DIR}/changelog @ONLY)
add_custom_command(
  OUTPUT ${ZN_PKG_DIR}/zeitnahme.1.gz ${ZN_PKG_DIR}/zeitnahme-kontakt.1.gz ${ZN_PKG_DIR}/zeitnahme-mappe.1.gz
         ${ZN_PKG_DIR}/changelog.gz
  COMMAND gzip -9 -n -k -f ${ZN_PKG_DIR}/zeitnahme.1
  COMMAND gzip -9 -n -k -f ${ZN_PKG_DIR}/zeitnahme-kontakt.1
  COMMAND gzip -9 -n -k -f ${ZN_PKG_DIR}/zeitnahme-mappe.1
  COMMAND gzip -9 -n -k -f ${ZN_PKG_DIR}/changelog
  DEPENDS ${ZN_PKG_DIR}/zeitnahme.1 ${ZN_PKG_DIR}/zeitnahme-kontakt.1 ${ZN_PKG_DIR}/zeitnahme-mappe.1
          ${ZN_PKG_DIR}/changelog
  VERBATIM)
add_custom_target(zeitnahme-docs ALL DEPENDS ${ZN_PKG_DIR}/zeitnahme.1.gz ${ZN_PKG_DIR}/zeitnahme-kontakt.1.gz
                                             ${ZN_PKG_DIR}/zeitnahme-mappe.1.gz ${ZN_PKG_DIR}/changelog.gz)
install(FILES ${ZN_PKG_DIR}/zeitnahme.1.gz ${ZN_PKG_DIR}/zeitnahme-kontakt.1.gz ${ZN_PKG_DIR}/zeitnahme-mappe.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ZN_PKG_DIR}/changelog.gz ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zeitnahme)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${ZN_MAINTAINER}")
# GPL-3.0-or-later; the package names it in its copyright file (packaging/copyright).
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the binaries link come from dpkg-shlibdeps; the plugins Qt
# loads at run time (windowing, the journal's SQLite driver) are named here,
# and the Liberation fonts: the certificates' default "Times New Roman" is
# printed in its metric-compatible Liberation Serif, so lines keep their width.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, fonts-liberation2, qt6-translations-l10n")
# RealtimeKit grants the contact readers real-time priority without root, so
# a busy laptop does not delay a contact's instant (p99 4 ms late without it).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "rtkit")
# CPack indents the lines and turns the empty one into " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "timing console for two-lane fire-brigade competitions
One operator at a laptop beside a two-lane track starts each run; the lanes
are stopped by contacts on the modem lines of serial ports or by keys. The
times appear in large seven-segment digits and go into the time protocol;
result lists, certificates and a spectator board follow. German interface.

To read the contacts the user must be in the group that owns the serial
devices, usually dialout: sudo usermod -aG dialout $USER, then log in again.")
include(CPack)
