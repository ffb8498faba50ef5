# The layering check: which files are logic and which are widgets, written down at configure time
# for cmake/checklayering.cmake, which CTest runs under the label "layering".

set(DOSARIUM_WIDGETS_MODULES Qt6::Widgets Qt6::PrintSupport Qt6::SvgWidgets Qt6::OpenGLWidgets
    Qt6::Charts)

# Called by dosarium_library for each library of the program.
function(dosarium_layering_register target widgets libs)
    set_property(GLOBAL APPEND PROPERTY DOSARIUM_LAYERING_TARGETS ${target})
    set_property(GLOBAL PROPERTY DOSARIUM_LAYERING_WIDGETS_${target} ${widgets})
    set_property(GLOBAL PROPERTY DOSARIUM_LAYERING_LIBS_${target} "${libs}")
endfunction()

# A header the build writes for `target`, counted as the file of src/ it stands for (path).
function(dosarium_layering_generated target path)
    set_property(GLOBAL APPEND PROPERTY DOSARIUM_LAYERING_GENERATED_${target} ${path})
endfunction()

# The sources of `target` that live under src/, or that the build writes for it, as absolute paths.
function(dosarium_layering_sources target out)
    get_target_property(sources ${target} SOURCES)
    get_property(generated GLOBAL PROPERTY DOSARIUM_LAYERING_GENERATED_${target})
    list(APPEND sources ${generated})
    get_target_property(directory ${target} SOURCE_DIR)
    set(result "")
    foreach(source IN LISTS sources)
        cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${directory} NORMALIZE)
        if(source MATCHES "^${CMAKE_SOURCE_DIR}/src/.*\\.(h|cpp)$")
            list(APPEND result ${source})
        endif()
    endforeach()
    set(${out} ${result} PARENT_SCOPE)
endfunction()

# Whether a library reaches Qt Widgets, or a widgets library of ours, through what it links.
function(dosarium_layering_reaches_widgets target out)
    set(pending ${target})
    set(seen "")
    while(pending)
        list(POP_FRONT pending current)
        get_property(libs GLOBAL PROPERTY DOSARIUM_LAYERING_LIBS_${current})
        foreach(lib IN LISTS libs)
            string(REPLACE "dosarium::" "dosarium_" lib ${lib})
            if(lib IN_LIST DOSARIUM_WIDGETS_MODULES)
                set(${out} "${lib} through ${current}" PARENT_SCOPE)
                return()
            endif()
            get_property(widgets GLOBAL PROPERTY DOSARIUM_LAYERING_WIDGETS_${lib})
            if(widgets)
                set(${out} "the widgets library ${lib} through ${current}" PARENT_SCOPE)
                return()
            endif()
            if(NOT lib IN_LIST seen)
                list(APPEND seen ${lib})
                list(APPEND pending ${lib})
            endif()
        endforeach()
    endwhile()
    set(${out} "" PARENT_SCOPE)
endfunction()

# Writes the list of logic and widgets files and registers the check; call it once every library
# and the program are defined.
function(dosarium_layering_test)
    set(logic "")
    set(widgets "")
    set(linked "")
    get_property(targets GLOBAL PROPERTY DOSARIUM_LAYERING_TARGETS)
    foreach(target IN LISTS targets)
        dosarium_layering_sources(${target} sources)
        get_property(is_widgets GLOBAL PROPERTY DOSARIUM_LAYERING_WIDGETS_${target})
        if(is_widgets)
            list(APPEND widgets ${sources})
        else()
            list(APPEND logic ${sources})
            dosarium_layering_reaches_widgets(${target} reach)
            if(reach)
                list(APPEND linked "the logic library ${target} links ${reach}")
            endif()
        endif()
    endforeach()
    if(TARGET dosarium)
        dosarium_layering_sources(dosarium sources)
        list(APPEND widgets ${sources})
    endif()
    set(manifest ${CMAKE_BINARY_DIR}/layering/files.cmake)
    file(CONFIGURE OUTPUT ${manifest} CONTENT [[
set(LOGIC_FILES "@logic@")
set(WIDGETS_FILES "@widgets@")
set(LOGIC_TARGETS_USING_WIDGETS "@linked@")
]] @ONLY)
    add_test(NAME layering
        COMMAND ${CMAKE_COMMAND} -DMANIFEST=${manifest} -DSOURCE_ROOT=${CMAKE_SOURCE_DIR}/src
            -DQT_HEADERS=${QT6_INSTALL_PREFIX}/${QT6_INSTALL_HEADERS}
            -P ${CMAKE_SOURCE_DIR}/cmake/checklayering.cmake)
    set_tests_properties(layering PROPERTIES LABELS layering)
endfunction()
