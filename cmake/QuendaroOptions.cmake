# Project-wide compiler settings, applied per target through quendaro_set_warnings()
# so that third-party code (GoogleTest, Qt's generated sources) is left alone.

function(quendaro_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    # The tables made from data/ list a row's cells in one flat run of
    # braces, as the CSV line reads, and lean on C++'s brace elision for a
    # row's array member; GCC accepts that silently, clang warns.
    target_compile_options(${target} PRIVATE -Wno-missing-braces)
  endif()
  if(QUENDARO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(QUENDARO_SANITIZE)
  # The whole tree, tests included, so that a report in any of them fails the run.
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# Each library shows its users its own folder and nothing else: the folder
# src/<dir> appears as <dir> (a symbolic link) in an include folder of the
# library's own under the build tree, so that "character/X.h" and
# "ui/kit/X.h" keep their spelling, and a library reaches only the headers of
# the libraries it links. A core library that includes a window, or kit/ that
# includes a form, fails to build.
function(quendaro_expose_headers target)
  file(RELATIVE_PATH dir ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  if(dir STREQUAL "" OR dir MATCHES "^\\.\\.")
    message(FATAL_ERROR "${target}: a library lives in a folder under src/")
  endif()
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${dir} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${dir} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# A static library of one subsystem: sources under src/<dir>, included as
# "<dir>/Header.h".
function(quendaro_add_library target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  quendaro_expose_headers(${target})
  target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
  # The core knows nothing of Qt, so Qt's code generators have nothing to do.
  set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  quendaro_set_warnings(${target})
endfunction()

# The same for a library that uses Qt (the windows, the history store):
# built with Qt's code generators, headers shown the same way.
function(quendaro_add_qt_library target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  qt_add_library(${target} STATIC ${ARG_SOURCES})
  quendaro_expose_headers(${target})
  target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
  target_compile_definitions(${target} PUBLIC QT_NO_CONTEXTLESS_CONNECT)
  quendaro_set_warnings(${target})
endfunction()
