# Shared helpers for the subsystem and test CMake files.

function(quavlet_defaults target)
  target_compile_options(${target} PRIVATE ${QUAVLET_WARNINGS})
endfunction()

# quavlet_sees(<target> <folder>...): the folders whose headers <target> may include, spelled
# "folder/File.h" as everywhere. Each target gets an include root of its own in the build tree
# that links to those folders alone, so an include of any other folder does not compile.
# Folders depend downward: runtime <- skin <- musiclist, player, windows <- app (ole sits
# beside runtime, under the player and the promotion page).
function(quavlet_sees target)
  set(root ${CMAKE_BINARY_DIR}/include-roots/${target})
  # Links a shorter list no longer names go; only links are removed, never what they point at.
  # Top level first, so the second look never goes through a link.
  foreach(pattern ${root}/* ${root}/*/*)
    file(GLOB old LIST_DIRECTORIES true ${pattern})
    foreach(entry IN LISTS old)
      if(IS_SYMLINK ${entry})
        file(REMOVE ${entry})
      endif()
    endforeach()
  endforeach()
  set(folders ${ARGN})
  list(REMOVE_DUPLICATES folders)
  foreach(folder IN LISTS folders)
    if(NOT IS_DIRECTORY ${CMAKE_SOURCE_DIR}/${folder})
      message(FATAL_ERROR "quavlet_sees(${target}): no folder ${folder}")
    endif()
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PRIVATE ${root})
endfunction()

# A test program run under Wine (Windows builds only); each GoogleTest case is one CTest test.
function(quavlet_wine_test name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;SEES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  quavlet_defaults(${name})
  # The test support's headers use the forms layer's GDI handles.
  quavlet_sees(${name} ${ARG_SEES} tests/support runtime)
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
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;SEES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  quavlet_defaults(${name})
  quavlet_sees(${name} ${ARG_SEES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()
