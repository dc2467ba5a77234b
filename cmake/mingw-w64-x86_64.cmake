# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers in their
# posix thread variant (packages g++-mingw-w64-x86-64-posix and
# gcc-mingw-w64-x86-64-posix):
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#
# Programs are linked statically, so they need no MinGW DLLs beside them. When
# wine is installed, tests run through it (CMAKE_CROSSCOMPILING_EMULATOR).

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZUM_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZUM_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZUM_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZUM_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZUM_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Debian keeps the 64-bit loader out of the PATH, in /usr/lib/wine.
find_program(ZUM_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(ZUM_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZUM_WINE64})
endif()
