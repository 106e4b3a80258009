# Cross build of the 64-bit Windows program with the MinGW-w64 posix-thread compilers.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VX_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VX_MINGW_TRIPLE}-windres)
set(VX_WINDMC ${VX_MINGW_TRIPLE}-windmc)
set(CMAKE_FIND_ROOT_PATH /usr/${VX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The 64-bit build runs here: CTest starts its executables under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
