# Helpers shared by every subsystem's CMakeLists.

set(DOSARIUM_WARNINGS -Wall -Wextra -Werror)

# dosarium_library(NAME [WIDGETS] SOURCES ... LIBS ...): a static library of the program,
# namespaced dosarium::NAME; a library of headers alone is an interface library. Only WIDGETS
# libraries may use Qt Widgets: the layering check holds the others to logic.
function(dosarium_library name)
    cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBS" ${ARGN})
    set(compiled ${ARG_SOURCES})
    list(FILTER compiled INCLUDE REGEX "\\.cpp$")
    if(compiled)
        add_library(dosarium_${name} STATIC ${ARG_SOURCES})
        target_include_directories(dosarium_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
        target_compile_options(dosarium_${name} PRIVATE ${DOSARIUM_WARNINGS})
        target_link_libraries(dosarium_${name} PUBLIC ${ARG_LIBS})
    else()
        add_library(dosarium_${name} INTERFACE ${ARG_SOURCES})
        target_include_directories(dosarium_${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
        target_link_libraries(dosarium_${name} INTERFACE ${ARG_LIBS})
    endif()
    add_library(dosarium::${name} ALIAS dosarium_${name})
    dosarium_layering_register(dosarium_${name} ${ARG_WIDGETS} "${ARG_LIBS}")
endfunction()

# dosarium_test(NAME SOURCES ... LIBS ... [GUI] [LABELS ...]): a GoogleTest executable registered
# with CTest.
# GUI tests get a QApplication on the offscreen platform; the others a QCoreApplication.
function(dosarium_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(test_${name} ${ARG_SOURCES})
    set_target_properties(test_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_compile_options(test_${name} PRIVATE ${DOSARIUM_WARNINGS})
    if(ARG_GUI)
        target_link_libraries(test_${name} PRIVATE dosarium_gui_test_main)
    else()
        target_link_libraries(test_${name} PRIVATE dosarium_test_main)
    endif()
    target_link_libraries(test_${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
    set(properties ENVIRONMENT QT_QPA_PLATFORM=offscreen)
    if(ARG_LABELS)
        list(APPEND properties LABELS ${ARG_LABELS})
    endif()
    gtest_discover_tests(test_${name} PROPERTIES ${properties} DISCOVERY_TIMEOUT 30)
endfunction()
