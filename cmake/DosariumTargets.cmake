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

# dosarium_fuzz_target(NAME SOURCES ... [LIBS ...]): a libFuzzer executable in build/fuzz, built
# with the sanitizers. SOURCES are the target's own file and the program's files it reaches, named
# from src/ (calculator/expressionevaluator.cpp): they are compiled in so that they are instrumented.
# The texts headers the build writes are made first, whichever of them the files include.
function(dosarium_fuzz_target name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(WARNING "${name} needs clang (configure with CMAKE_CXX_COMPILER=clang++); not built")
        return()
    endif()
    set(sources)
    foreach(source IN LISTS ARG_SOURCES)
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${source})
            list(APPEND sources ${CMAKE_CURRENT_SOURCE_DIR}/${source})
        else()
            list(APPEND sources ${CMAKE_SOURCE_DIR}/src/${source})
        endif()
    endforeach()
    set(sanitizers -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
    add_executable(${name} ${sources})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src
        ${CMAKE_BINARY_DIR}/generated)
    get_property(texts GLOBAL PROPERTY DOSARIUM_TEXTS_TARGETS)
    if(texts)
        add_dependencies(${name} ${texts})
    endif()
    target_compile_options(${name} PRIVATE ${sanitizers} -g -O1 ${DOSARIUM_WARNINGS})
    target_link_options(${name} PRIVATE ${sanitizers})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
endfunction()
