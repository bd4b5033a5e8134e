# The program's translation catalogues. translations/marlo_en.ts holds every text of the program
# with its English translation; Japanese is the source language. `update_translations` brings the
# catalogue up to date with the sources (cmake/UpdateCatalogue.cmake); every build compiles it.

set(MARLO_CATALOGUE ${PROJECT_SOURCE_DIR}/translations/marlo_en.ts)

# Qt 6's tools; Debian keeps them out of PATH, where Qt 5's may be.
find_program(MARLO_LRELEASE NAMES lrelease-qt6 lrelease HINTS /usr/lib/qt6/bin REQUIRED)
find_program(MARLO_LCONVERT NAMES lconvert-qt6 lconvert HINTS /usr/lib/qt6/bin REQUIRED)

add_custom_target(update_translations
    COMMAND ${CMAKE_COMMAND} -DCATALOGUE=${MARLO_CATALOGUE} -P ${PROJECT_SOURCE_DIR}/cmake/UpdateCatalogue.cmake
    VERBATIM)

# Compiles the catalogue into `target`'s resources, as :/i18n/marlo_en.qm.
function(marlo_add_catalogue target)
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/i18n/marlo_en.qm)
    add_custom_command(OUTPUT ${qm}
        COMMAND ${MARLO_LRELEASE} -silent ${MARLO_CATALOGUE} -qm ${qm}
        DEPENDS ${MARLO_CATALOGUE}
        VERBATIM)
    qt_add_resources(${target} marlo_catalogue PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n FILES ${qm})
endfunction()
