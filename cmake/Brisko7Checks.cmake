# Builds for the extra checks of scripts/checks.sh, each in a build folder of
# its own:
#   -DBRISKO7_SANITIZE=ON  everything under AddressSanitizer and
#                          UndefinedBehaviorSanitizer; any finding ends the program
#   -DBRISKO7_FUZZ=ON      also the libFuzzer targets of tests/fuzz (clang only)
option(BRISKO7_SANITIZE "Build with -fsanitize=address,undefined" OFF)
option(BRISKO7_FUZZ "Build the libFuzzer targets of tests/fuzz (needs clang)" OFF)

if(BRISKO7_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined)
endif()

if(BRISKO7_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "BRISKO7_FUZZ needs clang (libFuzzer)")
  endif()
  # Coverage feedback for the code the fuzz targets reach.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
