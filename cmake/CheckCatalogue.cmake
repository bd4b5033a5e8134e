# Fails when the catalogue CATALOGUE is behind the program's sources: lupdate on a copy of it in the
# folder SCRATCH must leave the copy as it is. Run as:
#   cmake -DCATALOGUE=file.ts -DSCRATCH=folder -P CheckCatalogue.cmake
set(source_catalogue ${CATALOGUE})
set(CATALOGUE ${SCRATCH}/catalogue-check.ts)
file(COPY_FILE ${source_catalogue} ${CATALOGUE})
include(${CMAKE_CURRENT_LIST_DIR}/UpdateCatalogue.cmake)
file(SHA256 ${source_catalogue} before)
file(SHA256 ${CATALOGUE} after)
if(NOT before STREQUAL after)
    message(FATAL_ERROR "${source_catalogue} is behind the sources: build the target update_translations, "
                        "then translate what it marks unfinished")
endif()
