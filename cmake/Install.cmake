# Installation and the Debian package: the program in bin/, its desktop entry, icons,
# AppStream metadata and manual page in their freedesktop places under the prefix.
#   cmake --install build --prefix /usr/local      (add --strip for a smaller program)
#   cd build && cpack -G DEB                       (metallographie_<version>_<arch>.deb)
include(GNUInstallDirs)

set(METALLO_APP_ID "de.metallographie.Metallographie")
set(METALLO_HOMEPAGE "https://metallographie.example" CACHE STRING "Homepage named in the AppStream metadata")
set(METALLO_SCREENSHOT_URL "${METALLO_HOMEPAGE}/screenshots" CACHE STRING
    "Where the AppStream metadata finds the pictures of docs/screenshots")
set(METALLO_LICENSE "LicenseRef-proprietary" CACHE STRING "SPDX licence of the project's own files")
set(METALLO_ICON_SIZES 16 22 24 32 48 64 128 256)

add_subdirectory(${CMAKE_SOURCE_DIR}/tools/icongen ${CMAKE_BINARY_DIR}/tools/icongen)

set(dist ${CMAKE_BINARY_DIR}/dist)
set(icons)
foreach(size ${METALLO_ICON_SIZES})
  list(APPEND icons ${dist}/icons/${size}x${size}/apps/${METALLO_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${icons}
  COMMAND icongen ${dist}/icons ${METALLO_APP_ID} ${METALLO_ICON_SIZES}
  DEPENDS icongen
  COMMENT "Drawing the icons")
# Manual pages are installed compressed, reproducibly (no name or time stamp in the header).
add_custom_command(OUTPUT ${dist}/metallographie.1.gz
  COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/dist/metallographie.1 > ${dist}/metallographie.1.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/dist/metallographie.1)
add_custom_target(metallo_dist ALL DEPENDS ${icons} ${dist}/metallographie.1.gz)
configure_file(${CMAKE_SOURCE_DIR}/dist/metallographie.metainfo.xml.in ${dist}/${METALLO_APP_ID}.metainfo.xml @ONLY)

install(TARGETS metallographie RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/dist/metallographie.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications RENAME ${METALLO_APP_ID}.desktop)
install(FILES ${dist}/${METALLO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${dist}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${dist}/metallographie.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package: dependencies from the shared libraries the program links
# (dpkg-shlibdeps); fonts and photographs are compiled into the program.
set(CPACK_PACKAGE_NAME metallographie)
set(CPACK_PACKAGE_VENDOR "Entwicklerteam Metallographie")
set(CPACK_PACKAGE_CONTACT "Entwicklerteam Metallographie <maintainers@users.noreply.c-seed-7df5637c.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lehrprogramm zu den Untersuchungsverfahren der Metallographie")
set(CPACK_PACKAGE_DESCRIPTION
    "Ein deutschsprachiges Lehrprogramm zu den Untersuchungsverfahren der Metallographie:\n"
    "Makroskopie, Lichtmikroskopie mit Probenpräparation, Rasterelektronenmikroskopie und\n"
    "Mikrobereichsanalyse, mit Titelanimation, Bildseiten, Textseiten und animierten\n"
    "Schemazeichnungen.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${METALLO_HOMEPAGE}")
set(CPACK_GENERATOR DEB)
include(CPack)
