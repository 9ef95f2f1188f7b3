# The headers of one folder, seen at their project path ("platform/core/strings.h") through a
# link in the build tree, so that a target using the view sees that folder and no other. A
# library sees its own folder and, through what it links, the layers below it: an include that
# points up a layer does not compile. Without links (a file system that has none) the view is
# the whole source tree and only scripts/check-layers keeps the layers.
function(folder_include_view out name dir)
  file(RELATIVE_PATH _rel "${PROJECT_SOURCE_DIR}" "${dir}")
  set(_view "${CMAKE_BINARY_DIR}/include-views/${name}")
  get_filename_component(_parent "${_view}/${_rel}" DIRECTORY)
  file(MAKE_DIRECTORY "${_parent}")
  file(CREATE_LINK "${dir}" "${_view}/${_rel}" RESULT _failed SYMBOLIC)
  if(_failed)
    message(WARNING "No include view for ${_rel} (${_failed}); ${name} sees the whole source tree")
    set(_view "${PROJECT_SOURCE_DIR}")
  endif()
  set(${out} "${_view}" PARENT_SCOPE)
endfunction()

# One static library per folder: every .cpp in the folder belongs to it, so adding a
# source file never needs a build-file edit. DEPS are the layers below, which its headers use;
# PRIVATE_DEPS are what only its sources use (the toolkit, SQLite), hidden from its users.
function(add_folder_library name folder)
  cmake_parse_arguments(ARG "" "" "DEPS;PRIVATE_DEPS" ${ARGN})
  get_filename_component(_dir "${folder}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  file(GLOB _sources CONFIGURE_DEPENDS "${_dir}/*.cpp")
  folder_include_view(_view ${name} "${_dir}")
  if(_sources)
    add_library(${name} STATIC ${_sources})
    target_include_directories(${name} PUBLIC "${_view}")
    target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${_view}")
    target_link_libraries(${name} INTERFACE ${ARG_DEPS} ${ARG_PRIVATE_DEPS})
  endif()
endfunction()

# One test program per area folder under tests/, labelled with the area's name so that
# `ctest -L <area>` runs it alone. DISPLAY_TESTS names (as a test filter) the tests that start
# an X server of their own: they run as a ctest entry of their own, `<area>_display`, which
# holds the display lock as every entry that shows real windows does.
function(add_area_tests area)
  cmake_parse_arguments(ARG "" "DISPLAY_TESTS" "DEPS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${area}/*.cpp")
  if(NOT _sources)
    return()
  endif()
  set(_exe test_${area})
  add_executable(${_exe} ${_sources} ${PROJECT_SOURCE_DIR}/tests/support/test_main.cpp)
  # Tests may look at any layer (and at their own helpers under tests/).
  target_include_directories(${_exe} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${_exe} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock)
  target_compile_definitions(${_exe} PRIVATE
    TESTDATA_DIR="${PROJECT_SOURCE_DIR}/tests/testdata"
    TEST_OUTPUT_DIR="${CMAKE_BINARY_DIR}/test-output")
  set(_environment "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/support/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  if(ARG_DISPLAY_TESTS)
    add_test(NAME ${area} COMMAND ${_exe} --gtest_shuffle=0 --gtest_filter=-${ARG_DISPLAY_TESTS})
    add_test(NAME ${area}_display COMMAND ${_exe} --gtest_shuffle=0 --gtest_filter=${ARG_DISPLAY_TESTS})
    set_tests_properties(${area}_display PROPERTIES LABELS "${area};real_windows" ENVIRONMENT "${_environment}"
      RESOURCE_LOCK display TIMEOUT 600)
  else()
    add_test(NAME ${area} COMMAND ${_exe} --gtest_shuffle=0)
  endif()
  set_tests_properties(${area} PROPERTIES LABELS ${area} ENVIRONMENT "${_environment}")
endfunction()
