# Which libraries of the program are logic and which are widgets.

# Called by dosarium_library for each library of the program.
function(dosarium_layering_register target widgets libs)
    set_property(GLOBAL APPEND PROPERTY DOSARIUM_LAYERING_TARGETS ${target})
    set_property(GLOBAL PROPERTY DOSARIUM_LAYERING_WIDGETS_${target} ${widgets})
    set_property(GLOBAL PROPERTY DOSARIUM_LAYERING_LIBS_${target} "${libs}")
endfunction()
