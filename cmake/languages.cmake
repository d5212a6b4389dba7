# SPDX-License-Identifier: MIT
# The program's table of languages (po/languages.py), made from the catalogues
# (po/LL.po) whenever the configuration runs, which it does again whenever a catalogue
# changes, comes or goes. Everything that lists the languages reads this one table:
#   ROVALIN_LANGUAGE_TABLE       the table, as JSON (languages.json in the build tree)
#   ROVALIN_LANGUAGES            every language's code, in the table's order
#   ROVALIN_CATALOGUE_LANGUAGES  those that have a catalogue: all but the source language
#   ROVALIN_SOURCE_LANGUAGE      the language of the sources, which needs no catalogue
#   ROVALIN_FALLBACK_LANGUAGE    the language spoken when none asked for is there
set(ROVALIN_PYTHON /usr/bin/python3 CACHE FILEPATH "A Python with polib (Debian package python3-polib)")
file(GLOB rovalinCatalogues CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/po/*.po)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/po/languages.py ${rovalinCatalogues})
set(ROVALIN_LANGUAGE_TABLE ${CMAKE_BINARY_DIR}/languages.json)
execute_process(COMMAND ${ROVALIN_PYTHON} ${PROJECT_SOURCE_DIR}/po/languages.py ${ROVALIN_LANGUAGE_TABLE}
        ${rovalinCatalogues}
    RESULT_VARIABLE failed ERROR_VARIABLE why)
if(failed)
    message(FATAL_ERROR "Cannot make the table of languages (install python3-polib?): ${why}")
endif()

file(READ ${ROVALIN_LANGUAGE_TABLE} rovalinTable)
string(JSON ROVALIN_SOURCE_LANGUAGE GET "${rovalinTable}" source)
string(JSON ROVALIN_FALLBACK_LANGUAGE GET "${rovalinTable}" fallback)
string(JSON count LENGTH "${rovalinTable}" languages)
set(ROVALIN_LANGUAGES)
set(ROVALIN_CATALOGUE_LANGUAGES)
math(EXPR last "${count} - 1")
foreach(index RANGE ${last})
    string(JSON code GET "${rovalinTable}" languages ${index} code)
    list(APPEND ROVALIN_LANGUAGES ${code})
    if(NOT code STREQUAL ROVALIN_SOURCE_LANGUAGE)
        list(APPEND ROVALIN_CATALOGUE_LANGUAGES ${code})
    endif()
endforeach()
unset(rovalinTable)
unset(rovalinCatalogues)
