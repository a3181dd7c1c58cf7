# GoogleTest for the test folders, and one way to register a test program.
# A native build takes the installed GoogleTest and registers each test case;
# a cross build compiles GoogleTest from the sources that libgtest-dev puts in
# /usr/src/googletest and registers each program once, run whole through
# CMAKE_CROSSCOMPILING_EMULATOR: one emulator start per program instead of
# one per test case.
include(GoogleTest)
if(CMAKE_CROSSCOMPILING)
  set(TAVELIN_GTEST_SORGENTI /usr/src/googletest CACHE PATH "GoogleTest's sources, for cross builds")
  if(NOT EXISTS ${TAVELIN_GTEST_SORGENTI}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest's sources are not in ${TAVELIN_GTEST_SORGENTI} (package libgtest-dev)")
  endif()
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # GoogleTest's own code, not ours: our warning flags stay out of it.
  get_property(tavelin_opzioni DIRECTORY PROPERTY COMPILE_OPTIONS)
  set_property(DIRECTORY PROPERTY COMPILE_OPTIONS "")
  add_subdirectory(${TAVELIN_GTEST_SORGENTI} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set_property(DIRECTORY PROPERTY COMPILE_OPTIONS ${tavelin_opzioni})
  if(NOT TARGET GTest::gtest_main)  # older GoogleTests name them only so
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
else()
  find_package(GTest)  # a window built on Windows with Qt's installer may have none
endif()

# Where a test program finds a file of the build or of the sources. Under
# Wine the Unix file system is the drive Z:.
function(tavelin_percorso_prova var percorso)
  if(CMAKE_CROSSCOMPILING AND WIN32)
    set(${var} "Z:${percorso}" PARENT_SCOPE)
  else()
    set(${var} "${percorso}" PARENT_SCOPE)
  endif()
endfunction()

# tavelin_gtest(program [TERMINALE] [LABELS label...]); TERMINALE: the
# program drives a terminal, which under Wine needs one on its standard input.
function(tavelin_gtest programma)
  cmake_parse_arguments(a "TERMINALE" "" "LABELS" ${ARGN})
  if(CMAKE_CROSSCOMPILING AND WIN32 AND a_TERMINALE AND CMAKE_CROSSCOMPILING_EMULATOR)
    add_test(NAME ${programma}
             COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/terminale.sh ${CMAKE_CROSSCOMPILING_EMULATOR}
                     $<TARGET_FILE:${programma}>)
  elseif(CMAKE_CROSSCOMPILING)
    add_test(NAME ${programma} COMMAND ${programma})
    if(a_LABELS)
      set_tests_properties(${programma} PROPERTIES LABELS "${a_LABELS}")
    endif()
  elseif(a_LABELS)
    gtest_discover_tests(${programma} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS "${a_LABELS}")
  else()
    gtest_discover_tests(${programma} DISCOVERY_MODE PRE_TEST)
  endif()
endfunction()
