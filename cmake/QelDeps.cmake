# Installed dependencies: PCRE 8-bit, libffi and libcrypto natively; PCRE built
# by scripts/setup.sh for MinGW (QEL_DEPS comes from the toolchain file); GoogleTest from Debian's package or its sources.
if(WIN32)
  add_library(qel_pcre STATIC IMPORTED)
  set_target_properties(qel_pcre PROPERTIES
    IMPORTED_LOCATION "${QEL_DEPS}/pcre-${CMAKE_SYSTEM_PROCESSOR}/lib/libpcre.a"
    INTERFACE_INCLUDE_DIRECTORIES "${QEL_DEPS}/pcre-${CMAKE_SYSTEM_PROCESSOR}/include"
    INTERFACE_COMPILE_DEFINITIONS PCRE_STATIC)
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(PCRE REQUIRED IMPORTED_TARGET libpcre)
  pkg_check_modules(FFI REQUIRED IMPORTED_TARGET libffi)
  find_package(OpenSSL REQUIRED COMPONENTS Crypto)
  add_library(qel_pcre ALIAS PkgConfig::PCRE)
endif()
