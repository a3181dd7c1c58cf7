# The Debian package of both programs: `cpack -G DEB` in the build folder, or
# the `package` target. Its version is the program's; its dependencies come
# from the binaries, and from what the window needs besides libraries.
include(GNUInstallDirs)
set(tavelin_doc ${CMAKE_INSTALL_DATADIR}/doc/tavelin)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/pacchetto/copyright DESTINATION ${tavelin_doc})
configure_file(${CMAKE_CURRENT_LIST_DIR}/pacchetto/changelog.in
               ${PROJECT_BINARY_DIR}/generati/changelog @ONLY)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/generati/changelog.gz
  COMMAND gzip -9n -c ${PROJECT_BINARY_DIR}/generati/changelog > ${PROJECT_BINARY_DIR}/generati/changelog.gz
  DEPENDS ${PROJECT_BINARY_DIR}/generati/changelog
  VERBATIM)
add_custom_target(changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/generati/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/generati/changelog.gz DESTINATION ${tavelin_doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavelin)
set(CPACK_PACKAGE_VERSION ${TAVELIN_VERSIONE})
set(CPACK_PACKAGE_VENDOR "Quorvane S.R.L.")
set(CPACK_PACKAGE_CONTACT "Quorvane S.R.L. <tavelin@quorvane.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "hides text and files in the least significant bits of bitmaps")
# The long description, in English as Debian wants it; CPack puts the summary
# above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tavelin hides a string or a whole file in the lowest 1, 2, 4 or 8 bits of
the pixels of a bitmap picture, scrambled with a key, and extracts them again.
The package holds the window, with one tab to hide and one to extract, and the
tavelin-cli command for scripts and machines without a display, which can also
prepare a bitmap from a photo. An interrupted operation never leaves wrong data
behind. Both programs speak English and Italian.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quorvane.example")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window draws through Qt's platform plugins, its fonts stand in for the
# designed ones, and Qt's own dialogs speak the window's language through
# qtbase's translations; none is a library the binaries link.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, qt6-translations-l10n")
include(CPack)
# The package promises both programs, the command line's manual and its
# completion: a build folder without tavelin-cli cannot make it.
if(NOT TARGET tavelin-cli OR NOT TARGET tavelin)
  file(WRITE ${CMAKE_BINARY_DIR}/CPackConfig.cmake
       "message(FATAL_ERROR \"Il pacchetto di Tavelin contiene la finestra e tavelin-cli: questa "
       "cartella di compilazione non li ha entrambi. Compilare tutto (bash scripts/test.sh, "
       "oppure cmake con -DTAVELIN_GUI=ON -DTAVELIN_CLI=ON) e poi eseguire cpack.\")\n")
endif()
