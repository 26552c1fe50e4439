# The program's --export-csv: run without a display on a copy of the program beside a prepared archive,
# its standard output must equal the expected file byte for byte; without an archive it must fail.
# Run as: cmake -DPROGRAM=<reelminder> -DDATA_DIR=<tests/app/data> -DWORK_DIR=<folder> -P ExportCsv.cmake
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(COPY "${PROGRAM}" DESTINATION "${WORK_DIR}")
get_filename_component(program "${PROGRAM}" NAME)
set(run ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
    "XDG_CONFIG_HOME=${WORK_DIR}/config" "${WORK_DIR}/${program}" --language en --export-csv -)

execute_process(COMMAND ${run} RESULT_VARIABLE status OUTPUT_VARIABLE ignored ERROR_VARIABLE error)
if(status EQUAL 0)
    message(FATAL_ERROR "a missing archive was exported (exit status 0)")
endif()

file(COPY_FILE "${DATA_DIR}/export-csv.archive" "${WORK_DIR}/ReelMinder-Archiv.RMA")
execute_process(COMMAND ${run} RESULT_VARIABLE status OUTPUT_FILE "${WORK_DIR}/out.csv" ERROR_VARIABLE error)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "--export-csv - ended with ${status}: ${error}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK_DIR}/out.csv"
                        "${DATA_DIR}/export-csv.expected.csv" RESULT_VARIABLE different)
if(different)
    message(FATAL_ERROR "the CSV differs from export-csv.expected.csv: see ${WORK_DIR}/out.csv")
endif()
