# Cross-builds the 32-bit Windows programs with MinGW-w64 (the thread model: see
# mingw-common.cmake). Everything is linked statically so that the programs run on a bare Windows
# (or Wine) without the compiler's DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOLLMERE_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
