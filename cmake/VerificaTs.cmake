# Run by the build (cmake -P): lupdate brings a scratch copy of the catalog TS
# in line with the sources listed in CARTELLA/fonti.lst, with the options
# OPZIONI; the build fails when that copy holds a text without its English
# (new or unfinished), a text the sources no longer have (vanished,
# obsolete), or more texts than the committed catalog.
set(copia ${CARTELLA}/tavelin_en.ts)
file(COPY_FILE ${TS} ${copia})
execute_process(COMMAND ${LUPDATE} ${OPZIONI} @${CARTELLA}/fonti.lst -ts ${copia}
                RESULT_VARIABLE esito OUTPUT_QUIET ERROR_VARIABLE errori)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "lupdate failed on ${TS}:\n${errori}")
endif()

file(READ ${TS} prima)
string(REPLACE ";" "," prima "${prima}")
file(READ ${copia} dopo)
# A semicolon would split the list of messages; the list only names them.
string(REPLACE ";" "," dopo "${dopo}")
# No tag inside a message closes with "</m" but the message itself.
set(messaggio "<message[^>]*>([^<]|<[^/]|</[^m])*</message>")
string(REGEX MATCHALL "${messaggio}" messaggi_prima "${prima}")
string(REGEX MATCHALL "${messaggio}" messaggi_dopo "${dopo}")
list(LENGTH messaggi_prima n_prima)
list(LENGTH messaggi_dopo n_dopo)

set(elenco "")
foreach(m IN LISTS messaggi_dopo)
  if(m MATCHES "type=\"(unfinished|vanished|obsolete)\"")
    set(tipo ${CMAKE_MATCH_1})
    string(REGEX MATCH "<source>([^<]*)</source>" fonte "${m}")
    string(APPEND elenco "  ${tipo}: ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
if(elenco OR NOT n_prima EQUAL n_dopo)
  message(FATAL_ERROR
          "${TS} does not match the sources (${n_prima} messages committed, ${n_dopo} found):\n"
          "${elenco}"
          "Run `cmake --build <build> --target update_translations`, write the English of "
          "every unfinished text and remove the vanished ones.")
endif()
