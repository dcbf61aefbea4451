# Shared helpers for the subsystem and test CMake files.

function(quavlet_defaults target)
  target_compile_options(${target} PRIVATE ${QUAVLET_WARNINGS})
endfunction()

# quavlet_sees(<target> <folder>...): the folders whose headers <target> may include, spelled
# "folder/File.h" as everywhere. Each target gets an include root of its own in the build tree
# that links to those folders alone, so an include of any other folder does not compile.
# Folders depend downward: runtime <- skin <- musiclist, player, windows <- app (ole sits
# beside runtime, under the player and the promotion page, and uses runtime's failure barrier).
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

# Test programs are listed, one a line, in <build>/test-programs.txt for tools/testing/run_tests.py,
# which runs each as one process.
function(quavlet_list_test line)
  set_property(GLOBAL APPEND PROPERTY QUAVLET_TEST_PROGRAMS "${line}")
endfunction()

# Tests are built for a quick build, not a quick run: the program's own code stays optimised,
# and a test file's cost is mostly the parsing of GoogleTest and windows.h, which one header
# precompiled for all the test programs of a build saves.
function(quavlet_test_build_options target)
  # -O1 lets GCC see into mingw's inline wmemcpy without the range facts -O2 gives it, and
  # it then warns about bounds it cannot know; the program's own build keeps the warning.
  target_compile_options(${target} PRIVATE -O1 -Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread)
  if(TARGET quavlet_test_pch)
    target_precompile_headers(${target} REUSE_FROM quavlet_test_pch)
  endif()
endfunction()

# A test program run under Wine (Windows builds only).
function(quavlet_wine_test name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;SEES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  quavlet_defaults(${name})
  quavlet_test_build_options(${name})
  # The test support's headers use the forms layer's GDI handles.
  quavlet_sees(${name} ${ARG_SEES} tests/support runtime)
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} quavlet_test_support GTest::gtest)
  # The 32-bit tests run the program's code through the same delay-import slots.
  quavlet_check_delay_imports(${name})
  quavlet_list_test("gtest\t$<TARGET_FILE:${name}>")
endfunction()

# A test program of plain C++ logic, built and run natively (Linux builds only).
function(quavlet_native_test name)
  if(WIN32)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;SEES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  quavlet_defaults(${name})
  quavlet_test_build_options(${name})
  quavlet_sees(${name} ${ARG_SEES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main)
  quavlet_list_test("gtest\t$<TARGET_FILE:${name}>")
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
  set(stubs)
  foreach(function IN LISTS ARGN)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      string(REGEX REPLACE "@[0-9]+$" "" function ${function})
    else()
      # Code that calls through a dllimport declaration names only __imp__<function>, and the
      # 32-bit linker then leaves out the stub and its load thunk, so the slot stays null. Naming
      # the stub keeps both.
      list(APPEND stubs "LINKER:--undefined=_${function}")
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
  target_link_options(quavlet_delay_${dll} INTERFACE ${stubs})
endfunction()

# quavlet_check_delay_imports(<executable target> [dll...]): after each link, every delay-import
# slot of the program must lead to its load thunk and each named DLL must be delay-imported only
# (tools/check-delay-imports.py); a program that fails is deleted, so the build fails until fixed.
function(quavlet_check_delay_imports target)
  if(NOT WIN32)
    return()
  endif()
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/check-delay-imports.py --delete-on-fault
            $<TARGET_FILE:${target}> ${ARGN}
    VERBATIM)
endfunction()
