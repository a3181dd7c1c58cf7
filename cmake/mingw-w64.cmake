# Windows x86-64 from Debian with MinGW-w64 (the posix thread model, which
# std::thread needs). Every program is linked with full -static, so that one
# .exe runs without the compiler's DLLs (libwinpthread included); programs
# run here under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(tavelin_triplo x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${tavelin_triplo}-gcc-posix)
set(CMAKE_CXX_COMPILER ${tavelin_triplo}-g++-posix)
set(CMAKE_RC_COMPILER ${tavelin_triplo}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${tavelin_triplo})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(tavelin_wine NAMES wine wine64)
if(tavelin_wine)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${tavelin_wine})
endif()
