# Helpers every folder uses to declare deliverables and tests.
include(GoogleTest)
include(${CMAKE_CURRENT_LIST_DIR}/product_boundary.cmake)

set(LECTAVO_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package)

# A program or library of the package: lands in the package folder, stripped; programs take
# wWinMain as their entry. One outside standins/ is a product deliverable.
function(lectavo_deliverable target)
  set(standins ${PROJECT_SOURCE_DIR}/standins)
  cmake_path(IS_PREFIX standins "${CMAKE_CURRENT_SOURCE_DIR}" NORMALIZE device_part)
  if(NOT device_part)
    lectavo_product(${target})
  endif()
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    RUNTIME_OUTPUT_DIRECTORY ${LECTAVO_PACKAGE_DIR}
    LIBRARY_OUTPUT_DIRECTORY ${LECTAVO_PACKAGE_DIR})
  target_link_options(${target} PRIVATE -s)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_link_options(${target} PRIVATE -municode)
  endif()
endfunction()

# A lean deliverable of the Windows build: it and every library of ours it links are compiled
# for size, without the C++ exception machinery and run-time type information, and it takes the
# runtime's failure paths from platform/win32/lean_runtime.cpp, so that none of that machinery
# is linked. Out of memory then ends the program, as an uncaught exception did. Call it once
# the target's libraries are linked.
function(lectavo_lean target)
  _lectavo_compiled_into(${target} lean)
  foreach(item ${lean})
    target_compile_options(${item} PRIVATE -Os -fno-exceptions -fno-rtti)
  endforeach()
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/platform/win32/lean_runtime.cpp)
endfunction()

# A native test executable on the fakes: lectavo_native_test(name SOURCES... LIBS...).
function(lectavo_native_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} lectavo_fakes GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

# A test executable of the Windows build, run under Wine in the build's own prefix:
# lectavo_wine_test(name SOURCES... LIBS...).
function(lectavo_wine_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 120 RESOURCE_LOCK wine_display)
endfunction()

# Adds every subfolder of the current folder that has a CMakeLists.txt.
function(lectavo_add_subfolders)
  file(GLOB folders LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(folder ${folders})
    if(EXISTS ${folder}/CMakeLists.txt)
      get_filename_component(name ${folder} NAME)
      add_subdirectory(${name})
    endif()
  endforeach()
endfunction()
