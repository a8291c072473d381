# Shared by the MinGW-w64 toolchain files: set QEL_MINGW_ARCH (i686 or
# x86_64) and QEL_WINE_LOADER before including this. Static, posix threads.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${QEL_MINGW_ARCH})
set(_host ${QEL_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${_host}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_host}-g++-posix)
set(CMAKE_RC_COMPILER ${_host}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_host})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Where scripts/setup.sh keeps what it builds for MinGW, and the Wine prefix
# of each loader.
set(QEL_DEPS "$ENV{QEL_DEPS}")
if(NOT QEL_DEPS)
  if(DEFINED ENV{XDG_CACHE_HOME})
    set(QEL_DEPS "$ENV{XDG_CACHE_HOME}/qel-deps")
  else()
    set(QEL_DEPS "$ENV{HOME}/.cache/qel-deps")
  endif()
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR
  env WINEPREFIX=${QEL_DEPS}/wine-${QEL_MINGW_ARCH} WINEDEBUG=-all WINEDLLOVERRIDES=mshtml=d
  ${QEL_WINE_LOADER})
