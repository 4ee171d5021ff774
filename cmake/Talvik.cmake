# Project-wide helpers for our own targets (third-party code keeps its own flags).

# Warnings, and narrow literals stored as GBK at run time (sources stay UTF-8) in every tree, so the
# bytes a native test sees are the bytes the Windows program writes.
# clang (the fuzz tree) has no -fexec-charset: there literals stay UTF-8, which parsers do not mind.
function(talvik_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=GBK)
  endif()
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
endfunction()

# talvik_library(NAME SOURCES ... [LIBS ...]): a static library of our own code.
function(talvik_library name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  talvik_defaults(${name})
  if(A_LIBS)
    target_link_libraries(${name} PUBLIC ${A_LIBS})
  endif()
endfunction()

# talvik_test(NAME SOURCES ... [LIBS ...] [TIMEOUT s]): a GoogleTest executable registered with CTest.
# In the Windows tree CTest starts it through the Wine wrapper (each run gets its own prefix copy and
# Xvfb display); natively it runs directly.
function(talvik_test name)
  cmake_parse_arguments(A "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  talvik_defaults(${name})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${A_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 300)
  endif()
  # One CTest run covers all trees, so each tree names its tests apart.
  set(test_name ${name})
  set(labels native)
  if(TALVIK_WINDOWS)
    set(test_name ${name}.wine)
    set(labels wine)
  elseif(TALVIK_SANITIZE)
    set(test_name ${name}.san)
    set(labels sanitize)
  endif()
  add_test(NAME ${test_name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${test_name} PROPERTIES TIMEOUT ${A_TIMEOUT} LABELS "${labels}"
    ENVIRONMENT "TALVIK_SOURCE_DIR=${CMAKE_SOURCE_DIR};TALVIK_BINARY_DIR=${CMAKE_BINARY_DIR};TALVIK_DIST_DIR=${TALVIK_DIST_DIR}")
endfunction()

# talvik_fuzz(NAME SOURCES ... LIBS ... CORPUS dir): a parser fuzz target (LLVMFuzzerTestOneInput).
# With TALVIK_FUZZ (clang) it is a libFuzzer binary; in other native trees it is a plain program that
# replays every file of the corpus folder, registered with CTest. Not built for Windows.
function(talvik_fuzz name)
  cmake_parse_arguments(A "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  if(TALVIK_WINDOWS)
    return()
  endif()
  if(TALVIK_FUZZ)
    add_executable(${name} ${A_SOURCES})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${name} ${A_SOURCES} ${CMAKE_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
    set(test_name ${name}_replay)
    if(TALVIK_SANITIZE)
      set(test_name ${name}_replay.san)
    endif()
    add_test(NAME ${test_name} COMMAND ${name} ${A_CORPUS})
    set_tests_properties(${test_name} PROPERTIES LABELS "native;fuzz-replay" TIMEOUT 300)
  endif()
  talvik_defaults(${name})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
endfunction()

# talvik_bench(NAME SOURCES ... LIBS ...): a benchmark program, run by `make bench`, never by CTest.
function(talvik_bench name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  talvik_defaults(${name})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
  set_property(GLOBAL APPEND PROPERTY TALVIK_BENCHES ${name})
endfunction()
