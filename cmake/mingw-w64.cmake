# Cross-compiling for Windows x86-64 with Debian's mingw-w64 (posix threads).
# The libraries built by tools/cross-windows.sh live under LUMIVEX_WIN_PREFIX.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_AR ${triple}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${triple}-gcc-ranlib-posix CACHE FILEPATH "")

if(NOT LUMIVEX_WIN_PREFIX)
  if(DEFINED ENV{LUMIVEX_WIN_PREFIX})
    set(LUMIVEX_WIN_PREFIX $ENV{LUMIVEX_WIN_PREFIX})
  else()
    set(LUMIVEX_WIN_PREFIX $ENV{HOME}/.cache/lumivex/win64)
  endif()
endif()
# try_compile projects see only the cache, so hand the prefix on to them.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES LUMIVEX_WIN_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${LUMIVEX_WIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
