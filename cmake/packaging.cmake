# The desktop integration and the Debian package: `cpack -G DEB` in the build folder (or
# ./build.sh package) makes build/lumo_VERSION_ARCH.deb from the install rules.
set(pkg ${PROJECT_SOURCE_DIR}/packaging)
set(LUMO_VERSION ${PROJECT_VERSION})

install(FILES ${pkg}/lumo.desktop DESTINATION share/applications)
install(FILES ${pkg}/lumo-mime.xml DESTINATION share/mime/packages RENAME lumo.xml)
# The application icon; the program itself finds its copies under share/lumo/icons.
set(icons ${PROJECT_SOURCE_DIR}/icons)
install(FILES ${icons}/lumo.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 48 128 256)
  install(FILES ${icons}/lumo-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME lumo.png)
endforeach()

# Manual pages and the Debian changelog carry the version; Debian wants both compressed.
find_program(GZIP gzip REQUIRED)
set(gzipped)
foreach(page lumo.1 lumo-cli.1 lumo-radio-sim.1)
  configure_file(${PROJECT_SOURCE_DIR}/docs/man/${page} ${CMAKE_BINARY_DIR}/man/${page} @ONLY)
  list(APPEND gzipped ${CMAKE_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.gz
                     COMMAND ${GZIP} -9nf -k ${CMAKE_BINARY_DIR}/man/${page}
                     DEPENDS ${CMAKE_BINARY_DIR}/man/${page})
  install(FILES ${CMAKE_BINARY_DIR}/man/${page}.gz DESTINATION share/man/man1)
endforeach()
configure_file(${pkg}/changelog ${CMAKE_BINARY_DIR}/man/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/changelog.gz
                   COMMAND ${GZIP} -9nf -k ${CMAKE_BINARY_DIR}/man/changelog
                   DEPENDS ${CMAKE_BINARY_DIR}/man/changelog)
list(APPEND gzipped ${CMAKE_BINARY_DIR}/man/changelog.gz)
add_custom_target(manual_pages ALL DEPENDS ${gzipped})
install(FILES ${CMAKE_BINARY_DIR}/man/changelog.gz ${pkg}/copyright ${pkg}/README.Debian
        DESTINATION share/doc/lumo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumo)
set(CPACK_PACKAGE_VENDOR "The Lumo team")
set(CPACK_PACKAGE_CONTACT "The Lumo team <lumo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "channel programming for Norv two-way radios")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumo edits the channels (memories) of the Norv family of two-way radios in
a grid, one radio and band a page, checks them against the radio's rules,
keeps them in its own data files, imports older programs' files and CSV,
exports CSV, prints, and sends them to the radio or reads them back over a
serial port.

The package holds the program with its window (lumo), the same without a
window for scripts (lumo-cli) and a simulated radio (lumo-radio-sim).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries' packages are found from the programs (dpkg-shlibdeps); xdg-utils opens
# the user guide.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
