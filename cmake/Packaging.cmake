# Install rules, and the Debian package that `make package` builds with CPack.
include(GNUInstallDirs)

set(PORONKA_APP_ID io.github.poronka.Poronka)
set(PORONKA_DATA ${PROJECT_SOURCE_DIR}/data)

install(TARGETS poronka RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PORONKA_DATA}/${PORONKA_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PORONKA_DATA}/${PORONKA_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icon_${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME ${PORONKA_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/icon.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${PORONKA_APP_ID}.svg)

# Debian keeps manual pages compressed, without a time stamp in the gzip header.
find_program(PORONKA_GZIP gzip REQUIRED)
set(man_page ${CMAKE_CURRENT_BINARY_DIR}/poronka.6.gz)
add_custom_command(OUTPUT ${man_page}
    COMMAND ${PORONKA_GZIP} -9n -c ${PORONKA_DATA}/poronka.6 > ${man_page}
    DEPENDS ${PORONKA_DATA}/poronka.6 VERBATIM)
add_custom_target(poronka_man_page ALL DEPENDS ${man_page})
add_dependencies(poronka poronka_man_page)
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PORONKA_DATA}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# ---------------------------------------------------------------- package
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME poronka)
set(CPACK_PACKAGE_VENDOR "The Poronka developers")
set(CPACK_PACKAGE_CONTACT "The Poronka developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "practise addition with carrying on a blackboard")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A program for young children who learn addition with carrying (8 + 5 and
the like) on a green blackboard, with pictures, hints that count and make
ten, and reward screens. All its writing is in Japanese.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY poronka)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the binary links, found by dpkg-shlibdeps; then what it opens
# at run time: the Japanese font for its writing and the bell's sound theme.
# libcanberra reaches a sound server (PulseAudio or PipeWire) only through its
# back end, which pulls in a server where there is none: recommended, since
# without it the bell goes to ALSA or the X bell.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, sound-theme-freedesktop")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra-pulse")
# `make package` needs only the program built, not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
