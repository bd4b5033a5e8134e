# Runs the built marlo (MARLO) with command lines that end before the window opens: --help prints
# the usage on standard output and exits 0; a wrong command line says why on standard error and
# exits 2, as an unknown language does. None of them needs a display: they run without one, and
# only the window's start says that it has none.
function(check arguments expected_code expected_out expected_err)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                            ${MARLO} ${arguments}
                    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT code STREQUAL expected_code OR NOT out MATCHES "${expected_out}" OR NOT err MATCHES "${expected_err}")
        message(FATAL_ERROR "marlo ${arguments}: exit ${code}\nstandard output:\n${out}\nstandard error:\n${err}")
    endif()
endfunction()

check("--help" 0 "--port <PATH> +Adds the serial port at PATH\\.\n +--demo +Works with a simulated device\\." "")
check("-h" 0 "--demo" "")
check("--frobnicate" 2 "^$" "marlo: .*frobnicate.*--demo")
check("--port" 2 "^$" "marlo: .*port")
check("--help" 0 "--lang <LANGUAGE> +Shows the windows in LANGUAGE: ja or en\\." "")
check("--lang;xx" 2 "^$" "marlo: unknown language: xx \\(ja or en\\)")
check("--lang;ja;--help" 0 "オプション:" "")
check("--lang=en;--help" 0 "Options:" "")
check("--version" 0 "^marlo [0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+\n$" "")
check("--demo" 1 "^$" "^marlo: no display to show the window on: start Marlo on a desktop, or set DISPLAY or WAYLAND_DISPLAY\\.\n$")
