# SPDX-License-Identifier: MIT
# Lists the program's languages in its AppStream metainfo, so that a software centre
# can tell a teacher which languages it speaks: a <lang> element for each language of
# the program's table of languages (po/languages.py), with the share of the program's
# texts its catalogue (FOLDER/LL.po) translates; the language of the sources, which
# needs none, whole. A new catalogue brings its language along.
#
# Run by the build once the translations are merged in:
#   cmake -DINPUT=merged.metainfo.xml -DTABLE=languages.json -DFOLDER=merge-folder -DMSGFMT=msgfmt
#         -DOUTPUT=metainfo.xml -P metainfolanguages.cmake

file(READ "${INPUT}" metainfo)
if(NOT metainfo MATCHES "\n</component>\n?$")
    message(FATAL_ERROR "${INPUT} does not end with </component>")
endif()

file(READ "${TABLE}" table)
string(JSON source GET "${table}" source)
string(JSON count LENGTH "${table}" languages)
math(EXPR last "${count} - 1")
set(languages)
foreach(index RANGE ${last})
    string(JSON language GET "${table}" languages ${index} code)
    if(language STREQUAL source)
        string(APPEND languages "    <lang percentage=\"100\">${language}</lang>\n")
        continue()
    endif()
    # msgfmt counts the translated, fuzzy and untranslated texts; a fuzzy one is not
    # translated yet.
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C "${MSGFMT}" --statistics -o /dev/null
            "${FOLDER}/${language}.po"
        ERROR_VARIABLE statistics RESULT_VARIABLE failed)
    if(failed OR NOT statistics MATCHES "^([0-9]+) translated message")
        message(FATAL_ERROR "msgfmt cannot count the texts of ${FOLDER}/${language}.po: ${statistics}")
    endif()
    set(translated ${CMAKE_MATCH_1})
    set(total ${translated})
    foreach(kind IN ITEMS "fuzzy translation" "untranslated message")
        if(statistics MATCHES "([0-9]+) ${kind}")
            math(EXPR total "${total} + ${CMAKE_MATCH_1}")
        endif()
    endforeach()
    math(EXPR percentage "100 * ${translated} / ${total}")
    string(APPEND languages "    <lang percentage=\"${percentage}\">${language}</lang>\n")
endforeach()
string(REGEX REPLACE "\n</component>\n?$" "\n  <languages>\n${languages}  </languages>\n</component>\n"
    metainfo "${metainfo}")
file(WRITE "${OUTPUT}" "${metainfo}")
