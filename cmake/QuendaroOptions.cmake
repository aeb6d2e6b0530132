# Project-wide compiler settings, applied per target through quendaro_set_warnings()
# so that third-party code (GoogleTest, Qt's generated sources) is left alone.

function(quendaro_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
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

# A static library of one subsystem: sources under src/<dir>, included as
# "<dir>/Header.h" from the src root.
function(quendaro_add_library target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
  # The core knows nothing of Qt, so Qt's code generators have nothing to do.
  set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  quendaro_set_warnings(${target})
endfunction()
