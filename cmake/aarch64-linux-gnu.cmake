# 64-bit ARM Linux from Debian's cross compiler; programs run here under
# qemu-user, with the ARM libraries of Debian's cross packages.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(tavelin_triplo aarch64-linux-gnu)

set(CMAKE_C_COMPILER ${tavelin_triplo}-gcc)
set(CMAKE_CXX_COMPILER ${tavelin_triplo}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${tavelin_triplo})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(tavelin_qemu NAMES qemu-aarch64 qemu-aarch64-static)
if(tavelin_qemu)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${tavelin_qemu} -L /usr/${tavelin_triplo})
endif()
