# Installing Tessaro as a desktop game: the programs in bin/, the read-only
# data in share/tessaro/, the menu entry, the AppStream metainfo, the icons
# and the man pages; and a Debian package of the same with CPack.
#
#   cmake --install build --prefix P      cd build && cpack -G DEB
include(GNUInstallDirs)

set(TESSARO_APP_ID io.github.tessaro.tessaro)
set(TESSARO_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/tessaro)
# The programs find the installed data relative to their own folder, so a
# prefix that is moved elsewhere keeps working.
file(RELATIVE_PATH TESSARO_INSTALLED_DATA ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/tessaro)
target_compile_definitions(tessaro-cli PRIVATE TESSARO_INSTALLED_DATA="${TESSARO_INSTALLED_DATA}")
install(TARGETS tessaro-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TESSARO_BIN_DIR}/GAMES.DAT DESTINATION ${TESSARO_DATA_DESTINATION})

# Man pages, compressed as Debian keeps them.
set(TESSARO_MAN_PAGES)
foreach(page tessaro.6 tessaro-cli.6)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND sh -c "gzip -9n -c '${CMAKE_SOURCE_DIR}/docs/man/${page}' > '${CMAKE_BINARY_DIR}/man/${page}.gz'"
    DEPENDS ${CMAKE_SOURCE_DIR}/docs/man/${page}
    VERBATIM)
  list(APPEND TESSARO_MAN_PAGES ${CMAKE_BINARY_DIR}/man/${page}.gz)
endforeach()
add_custom_target(man_pages ALL DEPENDS ${TESSARO_MAN_PAGES})
install(FILES ${CMAKE_BINARY_DIR}/man/tessaro-cli.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

if(TARGET tessaro)
  target_compile_definitions(tessaro PRIVATE TESSARO_INSTALLED_DATA="${TESSARO_INSTALLED_DATA}"
                                             TESSARO_APP_ID="${TESSARO_APP_ID}")
  install(TARGETS tessaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${TESSARO_BIN_DIR}/VRA.RGF DESTINATION ${TESSARO_DATA_DESTINATION})
  install(FILES ${CMAKE_BINARY_DIR}/man/tessaro.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${TESSARO_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${TESSARO_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The icons are drawn by the art generator like every other picture.
  set(TESSARO_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
  add_custom_command(
    OUTPUT ${TESSARO_ICON_DIR}/hicolor/256x256/apps/${TESSARO_APP_ID}.png
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${TESSARO_ICON_DIR}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:rgf-generator> --app-icons ${TESSARO_ICON_DIR} ${TESSARO_APP_ID}
    DEPENDS rgf-generator
    COMMENT "Drawing the desktop icons"
    VERBATIM)
  add_custom_target(app_icons ALL DEPENDS ${TESSARO_ICON_DIR}/hicolor/256x256/apps/${TESSARO_APP_ID}.png)
  install(DIRECTORY ${TESSARO_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

# --- the Debian package: cd build && cpack -G DEB  ->  tessaro_VERSION_ARCH.deb
set(CPACK_PACKAGE_NAME tessaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tessaro developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Memory card game: find the pairs")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessaro lays the cards face down in a grid; turn them over two at a time\nand find the matching cards. Memory-Up on three grid sizes, Ace-To-King,\nForget me not and Concentration, each with its own scoring.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tessaro developers <tessaro@localhost>")
# The libraries the programs link come from dpkg-shlibdeps; the font is the
# one the pictures and the window are drawn with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")
include(CPack)

# --- tests of the installed game (label "install")
if(NOT TESSARO_FUZZ AND TARGET tessaro)
  add_test(NAME desktop_entry_valid
           COMMAND desktop-file-validate ${CMAKE_SOURCE_DIR}/data/desktop/${TESSARO_APP_ID}.desktop)
  add_test(NAME metainfo_valid
           COMMAND appstreamcli validate --no-net --pedantic
                   ${CMAKE_SOURCE_DIR}/data/desktop/${TESSARO_APP_ID}.metainfo.xml)
  add_test(NAME installed_game_runs_as_a_player
           COMMAND ${CMAKE_SOURCE_DIR}/tests/install/install_test.sh ${CMAKE_BINARY_DIR})
  set(TESSARO_INSTALL_TESTS desktop_entry_valid metainfo_valid installed_game_runs_as_a_player)
  # The package is built once, in the plain build.
  if(NOT TESSARO_SANITIZE)
    add_test(NAME debian_package COMMAND ${CMAKE_SOURCE_DIR}/tests/install/deb_test.sh ${CMAKE_BINARY_DIR})
    list(APPEND TESSARO_INSTALL_TESTS debian_package)
  endif()
  set_tests_properties(${TESSARO_INSTALL_TESTS} PROPERTIES LABELS install)
endif()
