# ZELVIT_SANITIZE=ON builds everything with AddressSanitizer and UndefinedBehaviorSanitizer;
# ZELVIT_FUZZ=ON (clang only) adds libFuzzer's coverage and the fuzz targets of tests/fuzz.
# Any undefined behaviour aborts the program, so a test that meets one fails instead of
# printing a warning nobody reads. The build stays light: little optimisation, line tables only.
option(ZELVIT_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ZELVIT_FUZZ "Build the libFuzzer targets (clang), with the sanitizers" OFF)
if(ZELVIT_SANITIZE OR ZELVIT_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer -O1 -g1)
  add_link_options(-fsanitize=address,undefined)
endif()
if(ZELVIT_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ZELVIT_FUZZ needs clang (CMAKE_CXX_COMPILER=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
