# One interface target that carries the build settings every Kalomax target links.
add_library(kalomax_build_settings INTERFACE)
target_compile_features(kalomax_build_settings INTERFACE cxx_std_20)
target_compile_options(kalomax_build_settings INTERFACE -Wall -Wextra -Wpedantic)
if(KALOMAX_WERROR)
  target_compile_options(kalomax_build_settings INTERFACE -Werror)
endif()
if(KALOMAX_SANITIZE)
  target_compile_options(kalomax_build_settings INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(kalomax_build_settings INTERFACE -fsanitize=address,undefined)
endif()

# kalomax_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
# One GoogleTest executable registered with CTest, test by test.
include(GoogleTest)
function(kalomax_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main kalomax_build_settings)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()
