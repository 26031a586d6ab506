# The manual pages, the AppStream metainfo and the Debian package (scripts/package).
include(GNUInstallDirs)

# Manual pages carry the version and are installed compressed, as Debian's are.
set(man_pages bevelmint-render)
if(BEVELMINT_APP)
  list(APPEND man_pages bevelmint)
endif()
set(man_outputs)
foreach(page IN LISTS man_pages)
  configure_file(${PROJECT_SOURCE_DIR}/docs/man/${page}.1 ${PROJECT_BINARY_DIR}/man/${page}.1 @ONLY)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/${page}.1.gz
                     COMMAND gzip -9nc ${PROJECT_BINARY_DIR}/man/${page}.1 > ${PROJECT_BINARY_DIR}/man/${page}.1.gz
                     DEPENDS ${PROJECT_BINARY_DIR}/man/${page}.1)
  list(APPEND man_outputs ${PROJECT_BINARY_DIR}/man/${page}.1.gz)
endforeach()
add_custom_target(man_pages ALL DEPENDS ${man_outputs})
install(FILES ${man_outputs} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(BEVELMINT_APP)
  configure_file(${PROJECT_SOURCE_DIR}/assets/desktop/bevelmint.metainfo.xml.in
                 ${PROJECT_BINARY_DIR}/com.quarnel.bevelmint.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/com.quarnel.bevelmint.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# The licence as Debian packages state it.
install(FILES ${PROJECT_SOURCE_DIR}/docs/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/bevelmint)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bevelmint)
set(CPACK_PACKAGE_VENDOR Quarnel)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design three-dimensional push-buttons for web pages")
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Bevelmint developers <bevelmint@quarnel.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_PACKAGE_DESCRIPTION
    "Bevelmint sets a button's outline, size, bevel, colours, light, inscription
and texture, and renders the button at rest and held down at once. It exports
both pictures as GIF, JPEG or BMP with the HTML page that swaps them under the
mouse pointer. For today's web it writes PNG and WebP pictures with true
alpha at 1x to 3x, hover and pressed states, sprite sheets, CSS buttons,
e-mail bundles and whole button sets, with a contrast report measured on the
real pixels. bevelmint-render does all of it from the command line.")
set(CPACK_PACKAGE_LICENSE GPL-3.0-or-later)
# The libraries come from dpkg-shlibdeps; the inscription's and the window's
# fonts are found by name at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fontconfig")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
