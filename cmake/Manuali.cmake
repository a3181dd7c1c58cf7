# Manual pages from their scdoc sources, made at build time (also in cross
# builds, where the programs cannot run) and installed compressed: the English
# page in man1, where man finds it in any locale without a page of its own,
# and the Italian one, from the source named NAME.it.1.scd beside it, in
# it/man1, which man prefers under an Italian locale. Without scdoc they are
# left out.
find_program(TAVELIN_SCDOC scdoc)
find_program(TAVELIN_GZIP gzip)
if(NOT TAVELIN_SCDOC OR NOT TAVELIN_GZIP)
  message(STATUS "scdoc or gzip missing: the manual pages are not built")
endif()

# One page in one language: `sorgente` made into `cartella/pagina.gz` in the
# build folder and installed in the manual's `cartella`.
function(tavelin_manuale_in sorgente pagina cartella)
  set(uscita ${CMAKE_CURRENT_BINARY_DIR}/${cartella}/${pagina}.gz)
  string(REPLACE "/" "_" nome manuale_${cartella}_${pagina})
  add_custom_command(
    OUTPUT ${uscita}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/${cartella}
    COMMAND sh -c "\"${TAVELIN_SCDOC}\" < \"$1\" | \"${TAVELIN_GZIP}\" -9n > \"$2\"" sh
            ${CMAKE_CURRENT_SOURCE_DIR}/${sorgente} ${uscita}
    DEPENDS ${sorgente}
    COMMENT "Pagina di manuale ${cartella}/${pagina}"
    VERBATIM)
  add_custom_target(${nome} ALL DEPENDS ${uscita})
  include(GNUInstallDirs)
  install(FILES ${uscita} DESTINATION ${CMAKE_INSTALL_MANDIR}/${cartella})
endfunction()

# The page `pagina` (e.g. tavelin.1) from the English `sorgente` (tavelin.1.scd)
# and from its Italian translation (tavelin.it.1.scd), which must exist: a
# page that only one language has is a page missing from the other.
function(tavelin_manuale sorgente pagina)
  if(NOT TAVELIN_SCDOC OR NOT TAVELIN_GZIP)
    return()
  endif()
  string(REGEX REPLACE "\\.([0-9])\\.scd$" ".it.\\1.scd" italiana ${sorgente})
  string(REGEX REPLACE "^.*\\.([0-9])$" "man\\1" sezione ${pagina})
  if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${italiana})
    message(FATAL_ERROR "Manca la pagina di manuale italiana ${italiana}")
  endif()
  tavelin_manuale_in(${sorgente} ${pagina} ${sezione})
  tavelin_manuale_in(${italiana} ${pagina} it/${sezione})
endfunction()
