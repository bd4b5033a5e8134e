# Brings the catalogue CATALOGUE up to date with the program's sources (lupdate): a new text comes
# in unfinished, a text no longer in the sources goes. Run as:
#   cmake -DCATALOGUE=file.ts -P UpdateCatalogue.cmake
find_program(lupdate NAMES lupdate-qt6 lupdate HINTS /usr/lib/qt6/bin REQUIRED)
get_filename_component(source_dir ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
execute_process(
    COMMAND ${lupdate} -I ${source_dir} -locations none -no-obsolete -source-language ja -target-language en
            app pages ui record device cli -ts ${CATALOGUE}
    WORKING_DIRECTORY ${source_dir}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output MATCHES "[Ww]arning|Cannot|lacks|unknown")
    message(FATAL_ERROR "lupdate failed:\n${output}")
endif()
