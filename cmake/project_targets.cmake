# One static library per folder: every .cpp in the folder belongs to it, so adding a
# source file never needs a build-file edit.
function(add_folder_library name folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS "${folder}/*.cpp")
  if(_sources)
    add_library(${name} STATIC ${_sources})
  else()
    add_library(${name} INTERFACE)
  endif()
  get_target_property(_type ${name} TYPE)
  if(_type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  else()
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
endfunction()

# One test program per area folder under tests/, labelled with the area's name so that
# `ctest -L <area>` runs it alone.
function(add_area_tests area)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${area}/*.cpp")
  if(NOT _sources)
    return()
  endif()
  set(_exe test_${area})
  add_executable(${_exe} ${_sources} ${PROJECT_SOURCE_DIR}/tests/support/test_main.cpp)
  target_include_directories(${_exe} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${_exe} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock)
  target_compile_definitions(${_exe} PRIVATE
    TESTDATA_DIR="${PROJECT_SOURCE_DIR}/tests/testdata"
    TEST_OUTPUT_DIR="${CMAKE_BINARY_DIR}/test-output")
  add_test(NAME ${area} COMMAND ${_exe} --gtest_shuffle=0)
  set_tests_properties(${area} PROPERTIES LABELS ${area}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/support/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endfunction()
