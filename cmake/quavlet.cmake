# Shared helpers for the subsystem and test CMake files.

function(quavlet_defaults target)
  target_compile_options(${target} PRIVATE ${QUAVLET_WARNINGS})
endfunction()

# A test program run under Wine (Windows builds only); each GoogleTest case is one CTest test.
function(quavlet_wine_test name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  quavlet_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} quavlet_test_support GTest::gtest)
  # Discovery runs at test time, when the persistent wineserver is up.
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 180
    PROPERTIES TIMEOUT 120)
endfunction()

# A test program of plain C++ logic, built and run natively (Linux builds only).
function(quavlet_native_test name)
  if(WIN32)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  quavlet_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()
