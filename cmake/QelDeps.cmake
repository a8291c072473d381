# Installed dependencies: PCRE 8-bit, libffi and libcrypto natively; PCRE (and
# libffi for x86_64) built by scripts/setup.sh for MinGW (QEL_DEPS comes from the toolchain file); GoogleTest from Debian's package or its sources.

# NAME: the archive ARCHIVE from the pkg-config module found as PREFIX, else
# the module's shared library.
function(qel_static_or_shared name archive prefix)
  find_library(QEL_${prefix}_ARCHIVE NAMES ${archive} HINTS ${${prefix}_LIBRARY_DIRS})
  if(QEL_${prefix}_ARCHIVE)
    add_library(${name} STATIC IMPORTED)
    set_target_properties(${name} PROPERTIES
      IMPORTED_LOCATION "${QEL_${prefix}_ARCHIVE}"
      INTERFACE_INCLUDE_DIRECTORIES "${${prefix}_INCLUDE_DIRS}")
  else()
    add_library(${name} ALIAS PkgConfig::${prefix})
  endif()
endfunction()

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
  # PCRE and libffi are linked statically where their archives are
  # installed: resolving a shared library's symbols is part of every run's
  # start-up.
  qel_static_or_shared(qel_pcre libpcre.a PCRE)
  qel_static_or_shared(qel_ffi libffi.a FFI)
  # libcrypto is opened at the first digest (runtime/sys/digest_openssl.cpp):
  # only its header and the name of the shared library it was built with.
  find_package(OpenSSL REQUIRED COMPONENTS Crypto)
  if(OPENSSL_VERSION VERSION_GREATER_EQUAL 3)
    string(REGEX MATCH "^[0-9]+" QEL_LIBCRYPTO_VERSION "${OPENSSL_VERSION}")
  else()
    string(REGEX MATCH "^[0-9]+\\.[0-9]+" QEL_LIBCRYPTO_VERSION "${OPENSSL_VERSION}")
  endif()
  if(NOT QEL_LIBCRYPTO_VERSION)
    message(FATAL_ERROR "OpenSSL's version (\"${OPENSSL_VERSION}\") does not give libcrypto's library name")
  endif()
  set(QEL_LIBCRYPTO_NAME "libcrypto.so.${QEL_LIBCRYPTO_VERSION}")
endif()
