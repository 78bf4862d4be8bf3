# What both MinGW-w64 toolchain files share; TOLLMERE_MINGW_PREFIX names the target triple.
#
# TOLLMERE_MINGW_THREADS picks the compilers' thread model. posix (the default) is the one whose
# C++ library has std::thread and std::mutex, which GoogleTest and the tools need; its thread
# library calls functions of Vista and later. win32 is the model of the shipped program: its
# runtime imports nothing newer than Windows XP, and the program needs no threads.
if(NOT TOLLMERE_MINGW_THREADS)
  set(TOLLMERE_MINGW_THREADS posix)
endif()
set(TOLLMERE_MINGW_THREADS ${TOLLMERE_MINGW_THREADS} CACHE STRING "posix or win32" FORCE)
set(CMAKE_C_COMPILER ${TOLLMERE_MINGW_PREFIX}-gcc-${TOLLMERE_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${TOLLMERE_MINGW_PREFIX}-g++-${TOLLMERE_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${TOLLMERE_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TOLLMERE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
