# tavelin-cli's languages through GNU gettext: the catalogs made from
# traduzioni/<domain>/en.po at build time and installed in share/locale, and
# a check at build time that each .po holds exactly the texts of the sources,
# all translated. Run with -P, this file is that check itself.

# ---- The check: cmake -DDOMINIO= -DPO= -DRADICE= -DCARTELLA= -DPAROLE= -DSEVERO=
#      -DXGETTEXT= -DMSGMERGE= -DMSGATTRIB= -DSCRATCH= -DTIMBRO= -P Gettext.cmake
# msgfmt accepts a catalog with missing, fuzzy or obsolete entries, so the
# texts are extracted afresh, the committed .po is merged with them into a
# scratch copy, and that copy is read: a new text comes out untranslated or
# fuzzy, a vanished one obsolete.
if(CMAKE_SCRIPT_MODE_FILE)
  file(GLOB_RECURSE sorgenti RELATIVE ${RADICE} ${RADICE}/${CARTELLA}/*.cpp
       ${RADICE}/${CARTELLA}/*.h)
  list(SORT sorgenti)
  set(parole --keyword=)
  string(REPLACE "|" ";" PAROLE "${PAROLE}")
  foreach(p IN LISTS PAROLE)
    list(APPEND parole --keyword=${p})
  endforeach()
  file(MAKE_DIRECTORY ${SCRATCH})
  execute_process(
    COMMAND ${XGETTEXT} --language=C++ --from-code=UTF-8 ${parole} --no-wrap --sort-by-file --force-po
            --package-name=Tavelin -o ${SCRATCH}/${DOMINIO}.pot ${sorgenti}
    WORKING_DIRECTORY ${RADICE} RESULT_VARIABLE esito)
  if(NOT esito EQUAL 0)
    message(FATAL_ERROR "xgettext failed on ${CARTELLA}")
  endif()
  execute_process(COMMAND ${MSGMERGE} --quiet --no-wrap --force-po -o ${SCRATCH}/${DOMINIO}.po ${PO}
                          ${SCRATCH}/${DOMINIO}.pot RESULT_VARIABLE esito)
  if(NOT esito EQUAL 0)
    message(FATAL_ERROR "msgmerge failed on ${PO}")
  endif()
  set(difetti "")
  foreach(tipo untranslated only-fuzzy only-obsolete)
    execute_process(COMMAND ${MSGATTRIB} --${tipo} --no-wrap --no-location ${SCRATCH}/${DOMINIO}.po
                    OUTPUT_VARIABLE voci RESULT_VARIABLE esito)
    # Every entry but the header, whose msgid is empty and whose msgstr is not.
    string(REGEX REPLACE "(^|\n)msgid \"\"\nmsgstr \"\"\n(\"[^\n]*\n)+" "\n" voci "${voci}")
    string(REGEX MATCHALL "(^|\n)(#~ )?msgid " trovate "${voci}")
    list(LENGTH trovate n)
    if(NOT esito EQUAL 0 OR n GREATER 0)
      string(APPEND difetti "\n-- ${n} ${tipo} in ${PO}:\n${voci}")
    endif()
  endforeach()
  if(difetti)
    string(CONCAT aiuto "Merge the sources' texts into the catalog (for the engine's: "
           "scripts/estrai-crypta.sh --aggiorna), translate every entry, clear the fuzzy marks "
           "and drop the #~ entries.")
    if(SEVERO)
      message(FATAL_ERROR "${PO} does not match the sources:${difetti}\n${aiuto}")
    endif()
    message(WARNING "${PO} does not match the sources (reported only):${difetti}")
  endif()
  file(TOUCH ${TIMBRO})
  return()
endif()

# ---- The build.
# gettext where the C library or libintl has it, except for Windows, whose
# static build has none: there tavelin-cli speaks Italian only.
find_package(Intl QUIET)
find_package(Gettext QUIET)
find_program(TAVELIN_XGETTEXT xgettext)
find_program(TAVELIN_MSGATTRIB msgattrib)
set(tavelin_gettext OFF)
if(Intl_FOUND AND NOT WIN32)
  set(tavelin_gettext ON)
  if(NOT GETTEXT_MSGFMT_EXECUTABLE)
    message(WARNING "msgfmt not found (package gettext): tavelin-cli is built in Italian only")
    set(tavelin_gettext OFF)
  endif()
endif()
set(TAVELIN_CON_GETTEXT ${tavelin_gettext} CACHE INTERNAL "tavelin-cli speaks through gettext")
option(TAVELIN_VERIFICA_CRYPTA
       "Fail the build when the engine's catalog traduzioni/crypta/en.po is not complete" ON)

# tavelin_lingue(target): the program speaks through gettext, and finds its
# catalogs beside itself or where they are installed.
function(tavelin_lingue programma)
  if(NOT TAVELIN_CON_GETTEXT)
    return()
  endif()
  include(GNUInstallDirs)
  target_compile_definitions(${programma} PRIVATE TAVELIN_GETTEXT=1
                             TAVELIN_CARTELLA_LOCALE="${CMAKE_INSTALL_FULL_LOCALEDIR}")
  target_include_directories(${programma} PRIVATE ${Intl_INCLUDE_DIRS})
  target_link_libraries(${programma} PRIVATE ${Intl_LIBRARIES})
endfunction()

# tavelin_catalogo(domain SOURCES folder KEYWORDS word... [SEVERO flag]
#                  [FOR target]): <build>/locale/en/LC_MESSAGES/<domain>.mo
# from traduzioni/<domain's folder>/en.po, installed, and its check against
# the sources of `folder`, which fails the build when SEVERO is on and
# only reports otherwise.
function(tavelin_catalogo dominio cartella_po)
  cmake_parse_arguments(a "" "SOURCES;SEVERO;FOR" "KEYWORDS" ${ARGN})
  if(NOT TAVELIN_CON_GETTEXT)
    return()
  endif()
  set(po ${PROJECT_SOURCE_DIR}/traduzioni/${cartella_po}/en.po)
  set(cartella ${CMAKE_BINARY_DIR}/locale/en/LC_MESSAGES)
  set(mo ${cartella}/${dominio}.mo)
  add_custom_command(
    OUTPUT ${mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${cartella}
    COMMAND ${GETTEXT_MSGFMT_EXECUTABLE} --check -o ${mo} ${po}
    DEPENDS ${po}
    COMMENT "Catalogo ${dominio}.mo"
    VERBATIM)
  add_custom_target(catalogo_${dominio} ALL DEPENDS ${mo})
  if(a_FOR)
    add_dependencies(${a_FOR} catalogo_${dominio})
  endif()
  include(GNUInstallDirs)
  install(FILES ${mo} DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/en/LC_MESSAGES)

  if(NOT TAVELIN_XGETTEXT OR NOT GETTEXT_MSGMERGE_EXECUTABLE OR NOT TAVELIN_MSGATTRIB)
    message(STATUS "xgettext, msgmerge or msgattrib missing: ${po} is not checked")
    return()
  endif()
  list(JOIN a_KEYWORDS "|" parole)
  file(GLOB_RECURSE sorgenti CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${a_SOURCES}/*.cpp
       ${PROJECT_SOURCE_DIR}/${a_SOURCES}/*.h)
  set(timbro ${CMAKE_BINARY_DIR}/verifica-po/${dominio}.ok)
  add_custom_command(
    OUTPUT ${timbro}
    COMMAND ${CMAKE_COMMAND} -DDOMINIO=${dominio} -DPO=${po} -DRADICE=${PROJECT_SOURCE_DIR}
            -DCARTELLA=${a_SOURCES} -DPAROLE=${parole} -DSEVERO=${a_SEVERO}
            -DXGETTEXT=${TAVELIN_XGETTEXT} -DMSGMERGE=${GETTEXT_MSGMERGE_EXECUTABLE}
            -DMSGATTRIB=${TAVELIN_MSGATTRIB} -DSCRATCH=${CMAKE_BINARY_DIR}/verifica-po
            -DTIMBRO=${timbro} -P ${PROJECT_SOURCE_DIR}/cmake/Gettext.cmake
    DEPENDS ${po} ${sorgenti} ${PROJECT_SOURCE_DIR}/cmake/Gettext.cmake
    COMMENT "Verifica di ${po}"
    VERBATIM)
  add_custom_target(verifica_po_${dominio} ALL DEPENDS ${timbro})
endfunction()
