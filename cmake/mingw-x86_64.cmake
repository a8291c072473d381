# MinGW-w64 x86_64, tests run by the 64-bit Wine loader.
set(QEL_MINGW_ARCH x86_64)
set(QEL_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
