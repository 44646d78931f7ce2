# One place registers every test: headless, with a private HOME and XDG dirs so that
# no test reads or writes a real user's settings.
function(tallyhold_add_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES" ${ARGN})
    if(ARG_GUI AND NOT TALLYHOLD_GUI)
        return()
    endif()
    if(NOT ARG_SOURCES)
        set(ARG_SOURCES ${name}.cpp)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    if(ARG_GUI)
        target_link_libraries(${name} PRIVATE tallyhold_gui tallyhold_testsupport Qt6::Test)
    else()
        target_link_libraries(${name} PRIVATE tallyhold_core tallyhold_testsupport Qt6::Test)
    endif()
    set(home ${CMAKE_BINARY_DIR}/testhome/${name})
    file(MAKE_DIRECTORY ${home}/config ${home}/runtime)
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${home})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 300
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/config;XDG_RUNTIME_DIR=${home}/runtime;TZ=America/New_York")
endfunction()
