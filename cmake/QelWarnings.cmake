# Warnings and sanitizers shared by every target of the project.
add_library(qel_options INTERFACE)
target_compile_features(qel_options INTERFACE cxx_std_20)
target_compile_options(qel_options INTERFACE -Wall -Wextra)
if(WIN32)
  target_compile_definitions(qel_options INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()
if(QEL_SANITIZE)
  # -O1 keeps sanitized test runs a few times faster than -O0 and every check
  # intact; with the sanitizers' instrumentation g++ then warns falsely of
  # uninitialised members inside libstdc++'s <regex>.
  target_compile_options(qel_options INTERFACE -O1 -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(qel_options INTERFACE -Wno-maybe-uninitialized)
  endif()
  target_link_options(qel_options INTERFACE -fsanitize=address,undefined)
endif()
