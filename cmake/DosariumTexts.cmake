# The texts a subsystem shows live in a catalogue beside its sources (see cmake/writetexts.cmake
# for its format); the build writes the header the code includes from it.

# dosarium_texts(TARGET lib CATALOGUE file NAMESPACE ns HEADER name.h): writes
# generated/<subsystem>/<name.h> in the build folder from the catalogue, before `lib` compiles,
# and again whenever the catalogue changes. `lib` and what links it include it as
# "<subsystem>/<name.h>", the subsystem being the folder of the calling CMakeLists.
function(dosarium_texts)
    cmake_parse_arguments(ARG "" "TARGET;CATALOGUE;NAMESPACE;HEADER" "" ${ARGN})
    cmake_path(GET CMAKE_CURRENT_SOURCE_DIR FILENAME subsystem)
    cmake_path(ABSOLUTE_PATH ARG_CATALOGUE BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
    set(header ${CMAKE_BINARY_DIR}/generated/${subsystem}/${ARG_HEADER})
    set(script ${CMAKE_SOURCE_DIR}/cmake/writetexts.cmake)
    add_custom_command(OUTPUT ${header}
        COMMAND ${CMAKE_COMMAND} -DCATALOGUE=${ARG_CATALOGUE} -DNAMESPACE=${ARG_NAMESPACE}
            -DHEADER=${header} -P ${script}
        DEPENDS ${ARG_CATALOGUE} ${script}
        COMMENT "Writing ${subsystem}/${ARG_HEADER} from its catalogue"
        VERBATIM)
    set(texts ${ARG_TARGET}_texts)
    add_custom_target(${texts} DEPENDS ${header} SOURCES ${ARG_CATALOGUE})
    add_dependencies(${ARG_TARGET} ${texts})
    target_include_directories(${ARG_TARGET} PUBLIC ${CMAKE_BINARY_DIR}/generated)
    set_property(GLOBAL APPEND PROPERTY DOSARIUM_TEXTS_TARGETS ${texts})
    dosarium_layering_generated(${ARG_TARGET} ${CMAKE_SOURCE_DIR}/src/${subsystem}/${ARG_HEADER})
endfunction()

# The generator itself, tried on good and bad catalogues.
add_test(NAME writetexts
    COMMAND ${CMAKE_COMMAND} -DSCRIPT=${CMAKE_SOURCE_DIR}/cmake/writetexts.cmake
        -DWORK=${CMAKE_BINARY_DIR}/writetexts_test
        -P ${CMAKE_SOURCE_DIR}/tests/texts/writetexts_test.cmake)
set_tests_properties(writetexts PROPERTIES LABELS texts)
