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
    "nasconde testi e file nei bit meno significativi delle bitmap")
# The long description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tavelin nasconde una stringa o un intero file nei 1, 2, 4 o 8 bit meno
significativi dei pixel di un'immagine bitmap, mescolati con una chiave, e li
estrae di nuovo. Il pacchetto contiene la finestra, con una scheda per
nascondere e una per estrarre, e il comando tavelin-cli per gli script e le
macchine senza schermo, che sa anche preparare una bitmap da una fotografia.
Un'operazione interrotta non lascia mai dati sbagliati.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quorvane.example")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window draws through Qt's platform plugins and its fonts stand in for
# the designed ones; neither is a library the binaries link.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
# The package promises both programs, the command line's manual and its
# completion: a build folder without tavelin-cli cannot make it.
if(NOT TARGET tavelin-cli OR NOT TARGET tavelin)
  file(WRITE ${CMAKE_BINARY_DIR}/CPackConfig.cmake
       "message(FATAL_ERROR \"Il pacchetto di Tavelin contiene la finestra e tavelin-cli: questa "
       "cartella di compilazione non li ha entrambi. Compilare tutto (bash scripts/test.sh, "
       "oppure cmake con -DTAVELIN_GUI=ON -DTAVELIN_CLI=ON) e poi eseguire cpack.\")\n")
endif()
