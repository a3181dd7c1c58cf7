# The version record and the icon that Windows shows for Tavelin.exe, made
# from app/tavelin.rc.in with the one version; TAVELIN_RC names the result.
string(REPLACE "." "," TAVELIN_VERSIONE_RC "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0")
set(TAVELIN_ICONA_RC ${PROJECT_SOURCE_DIR}/app/risorse/tavelin.ico)
set(TAVELIN_RC ${PROJECT_BINARY_DIR}/generati/tavelin.rc)
configure_file(${PROJECT_SOURCE_DIR}/app/tavelin.rc.in ${TAVELIN_RC} @ONLY)
