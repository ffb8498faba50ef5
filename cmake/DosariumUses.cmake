# Which subsystem uses which: read by the layering check (cmake/checklayering.cmake) and by the
# build, which brings into a restricted build what the chosen subsystems use.

# The subsystems each subsystem may include, and only those: what they use in turn does not come
# with them, so a subsystem that needs something two layers down asks the layer between for it.
# Every subsystem may use the small interfaces in ui/. The record files read numbers as the
# calculator does, through the shared numbers/ library; the record files, RTF, the exercise
# sources and the help pages share the Windows-1252 table of codepage/. An exercise's unknown
# solution is checked against the cupboard of catalogue/.
set(uses_app workbench)
set(uses_workbench calculator catalogue codepage configurations exercises help numbers protocol
    rack richtext)
set(uses_exercises configurations catalogue classwork richtext codepage files)
# A class's hand-ins are replayed and judged as the comparison with a correction judges one.
set(uses_classwork configurations protocol catalogue files)
set(uses_configurations protocol numbers codepage files)
set(uses_richtext codepage)
set(uses_help codepage)
set(uses_protocol catalogue colour numbers)
set(uses_calculator numbers)
# The colour model keys its absorption spectra by the catalogue's reagents.
set(uses_colour catalogue)
# The rack holds the bench's preparations and shows their colour; it writes its own file.
set(uses_rack protocol colour catalogue files)
set(everyones ui)

# The chosen subsystems with everything they use, directly or not, and the interfaces in ui/.
function(dosarium_with_used_subsystems chosen out)
    set(result ${everyones})
    set(pending ${chosen})
    while(pending)
        list(POP_FRONT pending subsystem)
        if(NOT subsystem IN_LIST result)
            list(APPEND result ${subsystem})
            list(APPEND pending ${uses_${subsystem}})
        endif()
    endwhile()
    set(${out} ${result} PARENT_SCOPE)
endfunction()
