# The same programs built for 64-bit Windows: for machines whose Wine can run only 64-bit
# programs. The seam keeps handles and the client's record addresses 32-bit either way.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOLLMERE_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
