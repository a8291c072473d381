# Installed dependencies: PCRE 8-bit, libffi and libcrypto natively; PCRE (and
# libffi for x86_64) built by scripts/setup.sh for MinGW (QEL_DEPS comes from the toolchain file); GoogleTest from Debian's package or its sources.
if(WIN32)
  add_library(qel_pcre STATIC IMPORTED)
  set_target_properties(qel_pcre PROPERTIES
    IMPORTED_LOCATION "${QEL_DEPS}/pcre-${CMAKE_SYSTEM_PROCESSOR}/lib/libpcre.a"
    INTERFACE_INCLUDE_DIRECTORIES "${QEL_DEPS}/pcre-${CMAKE_SYSTEM_PROCESSOR}/include"
    INTERFACE_COMPILE_DEFINITIONS PCRE_STATIC)
  # Native calls of the 64-bit build go through libffi, built by setup.sh.
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    add_library(qel_ffi STATIC IMPORTED)
    set_target_properties(qel_ffi PROPERTIES
      IMPORTED_LOCATION "${QEL_DEPS}/libffi-x86_64/lib/libffi.a"
      INTERFACE_INCLUDE_DIRECTORIES "${QEL_DEPS}/libffi-x86_64/include")
  endif()
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(PCRE REQUIRED IMPORTED_TARGET libpcre)
  pkg_check_modules(FFI REQUIRED IMPORTED_TARGET libffi)
  find_package(OpenSSL REQUIRED COMPONENTS Crypto)
  add_library(qel_pcre ALIAS PkgConfig::PCRE)
  add_library(qel_ffi ALIAS PkgConfig::FFI)
endif()
