# MinGW-w64 i686, tests run by the 32-bit Wine loader (emulated where the
# machine cannot run 32-bit programs).
set(QEL_MINGW_ARCH i686)
set(QEL_WINE_LOADER ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine32.sh)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
