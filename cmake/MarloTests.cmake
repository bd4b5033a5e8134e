# How the test folders add their programs to CTest.

# Every GoogleTest case is a test of its own; under Wine, where each start of a program costs, each
# test program is one. The programs they start speak Japanese, the program's own language, whatever
# the machine's locale. Every device read keeps a backup: the tests keep theirs in the build tree.
set(MARLO_TEST_DATA_HOME ${CMAKE_BINARY_DIR}/test-data-home)
function(marlo_add_gtests target)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${target} COMMAND ${target})
        set_tests_properties(${target} PROPERTIES ENVIRONMENT "LANGUAGE=ja;XDG_DATA_HOME=${MARLO_TEST_DATA_HOME}")
    else()
        gtest_discover_tests(${target} PROPERTIES ENVIRONMENT "LANGUAGE=ja;XDG_DATA_HOME=${MARLO_TEST_DATA_HOME}")
    endif()
endfunction()

# A Qt Test program for the windows, run on the offscreen platform.
function(marlo_add_qt_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
                         "QT_QPA_PLATFORM=offscreen;XDG_DATA_HOME=${MARLO_TEST_DATA_HOME}")
endfunction()
