# The compiler and linker flags of Corvane's own targets, in one place. Each
# target links corvane_build_flags PRIVATE, so the flags stay with the code
# that is ours; whatever links one of our libraries does not inherit them.

option(CORVANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(CORVANE_FUZZ "Build the libFuzzer targets (clang++ only)" OFF)

add_library(corvane_build_flags INTERFACE)
target_compile_options(corvane_build_flags INTERFACE -Wall -Wextra -Wpedantic)

# The fuzz targets run under the same sanitizers: a memory error found while
# fuzzing then stops the run at once, where it happens.
if(CORVANE_SANITIZE OR CORVANE_FUZZ)
  set(sanitizers -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_compile_options(corvane_build_flags INTERFACE ${sanitizers})
  target_link_options(corvane_build_flags INTERFACE ${sanitizers})
endif()

# Fuzzing: all of our code is instrumented for coverage, and only the fuzz
# targets, which link corvane_fuzzer, get libFuzzer and its main().
if(CORVANE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "CORVANE_FUZZ needs clang++ (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  target_compile_options(corvane_build_flags INTERFACE -fsanitize=fuzzer-no-link)
  add_library(corvane_fuzzer INTERFACE)
  target_link_options(corvane_fuzzer INTERFACE -fsanitize=fuzzer)
endif()

# Corvane's own libraries and programs, each with the build flags above.
# Every include names its folder from the repository root: "number/ModFibo.h".
function(corvane_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE corvane_build_flags)
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTOUIC ON POSITION_INDEPENDENT_CODE ON)
endfunction()

function(corvane_executable name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE corvane_build_flags)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
endfunction()
