# CLI11 for tavelin-cli. A native build takes its CMake package. A cross
# build takes the headers alone, copied into the build: the package adds the
# host's /usr/include to the include path, where a cross compiler finds the
# host's C library instead of its own.
if(TARGET CLI11::CLI11)
  return()
endif()
if(CMAKE_CROSSCOMPILING)
  set(TAVELIN_CLI11_HEADER /usr/include/CLI CACHE PATH "CLI11's headers, for cross builds")
  if(NOT EXISTS ${TAVELIN_CLI11_HEADER}/CLI.hpp)
    message(FATAL_ERROR "CLI11's headers are not in ${TAVELIN_CLI11_HEADER} (package libcli11-dev)")
  endif()
  file(COPY ${TAVELIN_CLI11_HEADER} DESTINATION ${CMAKE_BINARY_DIR}/esterni/include)
  add_library(CLI11::CLI11 INTERFACE IMPORTED)
  target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/esterni/include)
else()
  find_package(CLI11 CONFIG REQUIRED)
endif()
