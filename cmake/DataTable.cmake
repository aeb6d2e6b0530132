# quendaro_data_table(<target> CSV <file under data/> HEADER <generated path>
#                     ROW_TYPE <type> NAME <array>)
#
# Makes <HEADER> (included as "<HEADER>" by the one source of the target
# that declares ROW_TYPE) from the CSV file at build time, and again whenever
# the file changes: the file's rows as a constant std::array<ROW_TYPE, N>
# named quendaro::data::<NAME>. See CsvToTable.cmake for the file's layout.
set(QUENDARO_CSV_TO_TABLE "${CMAKE_CURRENT_LIST_DIR}/CsvToTable.cmake")

function(quendaro_data_table target)
  cmake_parse_arguments(ARG "" "CSV;HEADER;ROW_TYPE;NAME" "" ${ARGN})
  set(csv "${PROJECT_SOURCE_DIR}/${ARG_CSV}")
  set(generated_root "${PROJECT_BINARY_DIR}/generated")
  set(header "${generated_root}/${ARG_HEADER}")
  add_custom_command(
    OUTPUT "${header}"
    COMMAND "${CMAKE_COMMAND}" "-DCSV=${csv}" "-DOUTPUT=${header}"
            "-DROW_TYPE=${ARG_ROW_TYPE}" "-DNAME=${ARG_NAME}"
            -P "${QUENDARO_CSV_TO_TABLE}"
    DEPENDS "${csv}" "${QUENDARO_CSV_TO_TABLE}"
    COMMENT "Making ${ARG_HEADER} from ${ARG_CSV}"
    VERBATIM)
  target_sources(${target} PRIVATE "${header}")
  target_include_directories(${target} PRIVATE "${generated_root}")
endfunction()
