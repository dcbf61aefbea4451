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

# quavlet_delay_import(<dll> <function>@<argument bytes>...): a library target
# quavlet_delay_<dll> that imports the listed functions of <dll>.dll on their first call instead
# of at the program's start, for system DLLs that only a user's action needs (the download, the
# shortcut). Loading them at start costs a start-up as much as a whole bare window's under Wine.
# The byte counts are the stdcall decoration the 32-bit linker looks for.
function(quavlet_delay_import dll)
  if(NOT WIN32)
    return()
  endif()
  if(NOT CMAKE_DLLTOOL)
    message(FATAL_ERROR "quavlet_delay_import(${dll}): no dlltool")
  endif()
  set(def "LIBRARY ${dll}.dll\nEXPORTS\n")
  foreach(function IN LISTS ARGN)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      string(REGEX REPLACE "@[0-9]+$" "" function ${function})
    endif()
    string(APPEND def "${function}\n")
  endforeach()
  set(dir ${CMAKE_BINARY_DIR}/delay-imports)
  file(WRITE ${dir}/${dll}.def.new ${def})
  file(COPY_FILE ${dir}/${dll}.def.new ${dir}/${dll}.def ONLY_IF_DIFFERENT)
  set(library ${dir}/libquavlet_delay_${dll}.a)
  # --kill-at: the DLL exports the undecorated names the 32-bit symbols stand for.
  add_custom_command(OUTPUT ${library}
    COMMAND ${CMAKE_DLLTOOL} --kill-at --input-def ${dir}/${dll}.def --output-delaylib ${library}
    DEPENDS ${dir}/${dll}.def
    COMMENT "Delay-import library for ${dll}.dll")
  add_custom_target(quavlet_delay_${dll}_library DEPENDS ${library})
  add_library(quavlet_delay_${dll} INTERFACE)
  add_dependencies(quavlet_delay_${dll} quavlet_delay_${dll}_library)
  target_link_libraries(quavlet_delay_${dll} INTERFACE ${library})
  # The 32-bit linker drops a function's load stub and thunk when the code names only its
  # __imp_ slot (a dllimport declaration, as wininet.h makes), leaving the slot null: naming
  # the function itself keeps them.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    foreach(function IN LISTS ARGN)
      target_link_options(quavlet_delay_${dll} INTERFACE "LINKER:--undefined=_${function}")
    endforeach()
  endif()
endfunction()
