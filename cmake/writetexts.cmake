# Turns a catalogue of texts into the C++ header the code includes. Run by the build
# (cmake/DosariumTexts.cmake) with CATALOGUE, NAMESPACE and HEADER set; stops with the catalogue's
# file and line on anything it cannot read.
#
# A catalogue holds one text per entry: a name, then the text as a C string literal:
#     chooseFlask "Choisir une fiole jaugée pour préparer la solution"
# A long text goes on over the following lines, each indented and holding one more quoted piece;
# the pieces are joined as C joins them. Inside the quotes, \n is a new line, \r a carriage return,
# \t a tab, \" a quote, \\ a backslash and \u followed by four hex digits the character of that
# code (\u00a0, a non-breaking space). Lines starting with # are comments; blank lines are
# allowed between entries.
cmake_minimum_required(VERSION 3.25)

foreach(variable CATALOGUE NAMESPACE HEADER)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "writetexts.cmake needs -D${variable}=...")
    endif()
endforeach()

set(piece "\"([^\"\\\\]|\\\\.)*\"")
set(name_pattern "^([A-Za-z_][A-Za-z0-9_]*)[ \t]+(${piece})[ \t]*$")
set(continuation_pattern "^[ \t]+(${piece})[ \t]*$")

function(fail number text)
    message(FATAL_ERROR "${CATALOGUE}:${number}: ${text}")
endfunction()

# Only the escapes a proofreader needs; any other backslash is a mistake in the catalogue.
function(check_escapes number quoted)
    string(REGEX REPLACE "\\\\([nrt\"\\\\]|u[0-9a-fA-F][0-9a-fA-F][0-9a-fA-F][0-9a-fA-F])" ""
        bare "${quoted}")
    string(FIND "${bare}" "\\" backslash)
    if(NOT backslash EQUAL -1)
        fail(${number} "unknown escape in ${quoted}: only \\n, \\r, \\t, \\\", \\\\ and \\u "
                       "with four hex digits are allowed")
    endif()
endfunction()

file(READ ${CATALOGUE} rest)
set(body "")
set(names "")
set(current "")
set(number 0)
while(NOT rest STREQUAL "")
    string(FIND "${rest}" "\n" end)
    if(end EQUAL -1)
        set(line "${rest}")
        set(rest "")
    else()
        string(SUBSTRING "${rest}" 0 ${end} line)
        math(EXPR next "${end} + 1")
        string(SUBSTRING "${rest}" ${next} -1 rest)
    endif()
    math(EXPR number "${number} + 1")
    string(REGEX REPLACE "\r$" "" line "${line}")

    if(line MATCHES "^[ \t]*$" OR line MATCHES "^[ \t]*#")
        if(NOT current STREQUAL "")
            string(APPEND body ");\n")
            set(current "")
        endif()
    elseif(line MATCHES "${name_pattern}")
        set(name "${CMAKE_MATCH_1}")
        set(quoted "${CMAKE_MATCH_2}")
        if(name IN_LIST names)
            fail(${number} "the name ${name} is given twice")
        endif()
        check_escapes(${number} "${quoted}")
        list(APPEND names ${name})
        if(NOT current STREQUAL "")
            string(APPEND body ");\n")
        endif()
        string(APPEND body "inline const QString ${name} = QStringLiteral(\n    ${quoted}")
        set(current ${name})
    elseif(line MATCHES "${continuation_pattern}")
        set(quoted "${CMAKE_MATCH_1}")
        if(current STREQUAL "")
            fail(${number} "an indented piece of text follows no entry "
                           "(a blank or # line ends one)")
        endif()
        check_escapes(${number} "${quoted}")
        string(APPEND body "\n    ${quoted}")
    else()
        fail(${number} "expected a name and a quoted text, an indented quoted piece, "
                       "or a # comment")
    endif()
endwhile()
if(NOT current STREQUAL "")
    string(APPEND body ");\n")
endif()
if(names STREQUAL "")
    message(FATAL_ERROR "${CATALOGUE}: no text found")
endif()

cmake_path(GET CATALOGUE FILENAME source)
file(WRITE ${HEADER} "// Written by the build from ${source}: correct the texts there, not here.
#pragma once

#include <QString>

namespace ${NAMESPACE} {

${body}
} // namespace ${NAMESPACE}
")
