# Runs cmake/writetexts.cmake on small catalogues: a good one must give the expected header byte
# for byte (accents and symbols untouched), each bad one must stop with its line and reason.
# Run by CTest with SCRIPT (the generator) and WORK (a scratch folder) set.
cmake_minimum_required(VERSION 3.25)

# A folder of its own, should two runs share the build folder.
string(RANDOM LENGTH 12 run)
set(WORK ${WORK}/${run})
file(MAKE_DIRECTORY ${WORK})
set(failures "")

# Writes `content` as a catalogue, runs the generator; sets code, output and header (or "").
function(generate content)
    file(WRITE ${WORK}/case.fr "${content}")
    file(REMOVE ${WORK}/case.h)
    execute_process(COMMAND ${CMAKE_COMMAND} -DCATALOGUE=${WORK}/case.fr -DNAMESPACE=dosarium::t
            -DHEADER=${WORK}/case.h -P ${SCRIPT}
        RESULT_VARIABLE result ERROR_VARIABLE error OUTPUT_QUIET)
    set(code ${result} PARENT_SCOPE)
    string(REGEX REPLACE "[ \n]+" " " error "${error}")
    set(output "${error}" PARENT_SCOPE)
    set(header "" PARENT_SCOPE)
    if(EXISTS ${WORK}/case.h)
        file(READ ${WORK}/case.h written)
        set(header "${written}" PARENT_SCOPE)
    endif()
endfunction()

generate([[
# Comments and blank lines are left out.

first "C = 1,00 · 10⁻³ mol · L⁻¹ ; « é » "
second "Un texte long, "
    "en deux morceaux ;\n"
	"le troisième après une tabulation."
# A comment ends the text before it.
third "\"cité\"\u00a0: \\ \r\n\t"
]])
set(expected [[
// Written by the build from case.fr: correct the texts there, not here.
#pragma once

#include <QString>

namespace dosarium::t {

inline const QString first = QStringLiteral(
    "C = 1,00 · 10⁻³ mol · L⁻¹ ; « é » ");
inline const QString second = QStringLiteral(
    "Un texte long, "
    "en deux morceaux ;\n"
    "le troisième après une tabulation.");
inline const QString third = QStringLiteral(
    "\"cité\"\u00a0: \\ \r\n\t");

} // namespace dosarium::t
]])
if(NOT code EQUAL 0 OR NOT header STREQUAL expected)
    list(APPEND failures "the good catalogue gave (${code}: ${output}):\n${header}")
endif()

# Each bad catalogue, its line and what the generator must say about it.
set(bad_cases
    "twice|a \"x\"\nb \"y\"\na \"z\"\n|:3: the name a is given twice"
    "equals sign|a = \"x\"\n|:1: expected a name and a quoted text"
    "unclosed quote|a \"x\n|:1: expected a name and a quoted text"
    "two pieces on a line|a \"x\" \"y\"\n|:1: expected a name and a quoted text"
    "bare word after a text|a \"x\"\n    y\n|:2: expected a name and a quoted text"
    "piece after a comment|a \"x\"\n# c\n    \"y\"\n|:3: an indented piece of text follows no entry"
    "unknown escape|a \"x\\q\"\n|:1: unknown escape"
    "short unicode escape|a \"x\\u0a\"\n|:1: unknown escape"
    "no text|# nothing\n\n|no text found")
foreach(case IN LISTS bad_cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 what)
    list(GET fields 1 content)
    list(GET fields 2 said)
    string(REPLACE "\\n" "\n" content "${content}")
    generate("${content}")
    string(FIND "${output}" "${said}" at)
    if(code EQUAL 0 OR at EQUAL -1 OR NOT header STREQUAL "")
        list(APPEND failures "${what}: expected a stop saying \"${said}\", got ${code}: ${output}")
    endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
if(failures)
    list(JOIN failures "\n" text)
    message(FATAL_ERROR "${text}")
endif()
list(LENGTH bad_cases count)
message(STATUS "the good catalogue and ${count} bad ones are read as they should be")
