# Turns a table of game data, a CSV file under data/, into a C++ header that
# holds it as one constant array, so that the program carries the numbers
# the file states and nothing read at run time. Run as a script:
#
#   cmake -DCSV=<file.csv> -DOUTPUT=<header.h> -DROW_TYPE=<type>
#         -DNAME=<array name> -P CsvToTable.cmake
#
# The header is meant for the one source file that owns the table, which
# declares the row type before including it.
#
# The file: lines beginning with "#" are comments (each file names its source
# and licence there), then one line of column names, then one row per line,
# cells separated by commas. A cell of digits (with an optional minus) is a
# whole number; any other cell is a UTF-8 text. Cells hold no commas,
# semicolons, brackets or double quotes, and the columns follow the row
# type's members in order.

foreach(argument CSV OUTPUT ROW_TYPE NAME)
  if(NOT DEFINED ${argument})
    message(FATAL_ERROR "CsvToTable.cmake needs -D${argument}=...")
  endif()
endforeach()

file(STRINGS "${CSV}" lines ENCODING UTF-8)
set(columns "")
set(rows "")
set(count 0)
set(line_number 0)
foreach(line IN LISTS lines)
  math(EXPR line_number "${line_number} + 1")
  string(STRIP "${line}" line)
  if(line STREQUAL "" OR line MATCHES "^#")
    continue()
  endif()
  if(line MATCHES "[\"\\[\\]\\\\]")
    message(FATAL_ERROR "${CSV}:${line_number}: a cell holds a quote, a bracket or a backslash")
  endif()
  string(REPLACE "," ";" cells "${line}")
  list(LENGTH cells cell_count)
  if(columns STREQUAL "")
    set(columns "${line}")
    set(column_count ${cell_count})
    continue()
  endif()
  if(NOT cell_count EQUAL column_count)
    message(FATAL_ERROR "${CSV}:${line_number}: ${cell_count} cells where the header names ${column_count}")
  endif()
  set(row "")
  foreach(cell IN LISTS cells)
    string(STRIP "${cell}" cell)
    if(cell MATCHES "^-?[0-9]+$")
      list(APPEND row "${cell}")
    else()
      list(APPEND row "\"${cell}\"")
    endif()
  endforeach()
  list(JOIN row ", " row)
  string(APPEND rows "    {${row}},\n")
  math(EXPR count "${count} + 1")
endforeach()

if(count EQUAL 0)
  message(FATAL_ERROR "${CSV}: no rows")
endif()

cmake_path(GET CSV FILENAME csv_name)
string(REPLACE "," ", " columns "${columns}")
set(content "// Made by cmake/CsvToTable.cmake from ${csv_name}: change that file, not this.
#pragma once

#include <array>

namespace quendaro::data {

// ${columns}
constexpr std::array<${ROW_TYPE}, ${count}> ${NAME} = {{
${rows}}};

}  // namespace quendaro::data
")
file(WRITE "${OUTPUT}" "${content}")
