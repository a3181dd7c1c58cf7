# The window's English through Qt's own tools, built into tavelin_piattaforma
# as resources under :/i18n: the window's catalog traduzioni/tavelin_en.ts
# (lupdate reads the Italian source texts from piattaforma/, ui/ and app/,
# lrelease makes the .qm), and the engine's gettext catalog converted by
# lconvert. A check in the build fails on a .ts that no longer matches the
# sources. Without Qt's translation tools the window speaks Italian only.
find_package(Qt6 COMPONENTS LinguistTools QUIET)
if(NOT Qt6LinguistTools_FOUND)
  message(WARNING "Qt 6 LinguistTools not found: the window is built in Italian only")
  return()
endif()

file(GLOB tavelin_fonti_finestra CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/piattaforma/*.cpp ${PROJECT_SOURCE_DIR}/piattaforma/*.h
     ${PROJECT_SOURCE_DIR}/ui/*/*.cpp ${PROJECT_SOURCE_DIR}/ui/*/*.h
     ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/app/*.h)
set(tavelin_ts ${PROJECT_SOURCE_DIR}/traduzioni/tavelin_en.ts)
# Italian is the source language; without locations the catalog changes only
# when a text does.
set(tavelin_lupdate -source-language it -target-language en -locations none)

# `cmake --build build --target update_translations` brings the catalog in
# line with the sources; the build only reads it.
qt_add_translations(tavelin_piattaforma
  TS_FILES ${tavelin_ts}
  SOURCES ${tavelin_fonti_finestra}
  RESOURCE_PREFIX /i18n
  LUPDATE_OPTIONS ${tavelin_lupdate})

# The engine's texts carry no context: lconvert files them under the empty one.
set(tavelin_qm_crypta ${CMAKE_CURRENT_BINARY_DIR}/i18n/crypta_en.qm)
add_custom_command(OUTPUT ${tavelin_qm_crypta}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/i18n
  COMMAND Qt6::lconvert -i ${PROJECT_SOURCE_DIR}/traduzioni/crypta/en.po -o ${tavelin_qm_crypta}
  DEPENDS ${PROJECT_SOURCE_DIR}/traduzioni/crypta/en.po
  VERBATIM)
qt_add_resources(tavelin_piattaforma crypta_en
  PREFIX /i18n
  BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n
  FILES ${tavelin_qm_crypta})

# Qt 6.4's lrelease passes unfinished and vanished texts without a word: the
# check runs lupdate into a scratch copy of the catalog and reads the result.
set(tavelin_verifica ${CMAKE_CURRENT_BINARY_DIR}/verifica_ts)
string(REPLACE ";" "\n" tavelin_elenco "${tavelin_fonti_finestra}")
file(WRITE ${tavelin_verifica}/fonti.lst "${tavelin_elenco}\n")
add_custom_command(OUTPUT ${tavelin_verifica}/tavelin_en.fatto
  COMMAND ${CMAKE_COMMAND} -DLUPDATE=$<TARGET_FILE:Qt6::lupdate> -DTS=${tavelin_ts}
          -DCARTELLA=${tavelin_verifica} "-DOPZIONI=${tavelin_lupdate}"
          -P ${PROJECT_SOURCE_DIR}/cmake/VerificaTs.cmake
  COMMAND ${CMAKE_COMMAND} -E touch ${tavelin_verifica}/tavelin_en.fatto
  DEPENDS ${tavelin_ts} ${tavelin_fonti_finestra} ${PROJECT_SOURCE_DIR}/cmake/VerificaTs.cmake
  COMMENT "Checking traduzioni/tavelin_en.ts against the sources"
  VERBATIM)
add_custom_target(verifica_traduzioni_qt ALL DEPENDS ${tavelin_verifica}/tavelin_en.fatto)
