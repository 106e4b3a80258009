# Cross build of the 32-bit Windows program; it is compiled here but cannot run (no 32-bit Wine).
set(VX_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
