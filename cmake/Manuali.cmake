# Manual pages from their scdoc sources, made at build time (also in cross
# builds, where the programs cannot run) and installed compressed in man1,
# where man finds them in any locale. Without scdoc they are left out.
find_program(TAVELIN_SCDOC scdoc)
find_program(TAVELIN_GZIP gzip)
if(NOT TAVELIN_SCDOC OR NOT TAVELIN_GZIP)
  message(STATUS "scdoc or gzip missing: the manual pages are not built")
endif()

function(tavelin_manuale sorgente pagina)
  if(NOT TAVELIN_SCDOC OR NOT TAVELIN_GZIP)
    return()
  endif()
  set(uscita ${CMAKE_CURRENT_BINARY_DIR}/${pagina}.gz)
  add_custom_command(
    OUTPUT ${uscita}
    COMMAND sh -c "\"${TAVELIN_SCDOC}\" < \"$1\" | \"${TAVELIN_GZIP}\" -9n > \"$2\"" sh
            ${CMAKE_CURRENT_SOURCE_DIR}/${sorgente} ${uscita}
    DEPENDS ${sorgente}
    COMMENT "Pagina di manuale ${pagina}"
    VERBATIM)
  add_custom_target(manuale_${pagina} ALL DEPENDS ${uscita})
  include(GNUInstallDirs)
  install(FILES ${uscita} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
