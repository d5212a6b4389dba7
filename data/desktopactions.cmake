# SPDX-License-Identifier: MIT
# Adds one desktop action per language of the program to its desktop entry, so that a
# teacher starts the game in any of them from the desktop's own launcher (its icon's
# menu, or the menu entry's), without a terminal: "rovalin --language=LL", named in
# that language, so that whoever speaks it finds it whatever the language of the
# desktop. The languages, their names and their order (as a teacher reads down a
# list) are the program's table of languages (po/languages.py): a new catalogue
# brings its action along.
#
# Run by the build once the translations are merged in:
#   cmake -DINPUT=merged.desktop -DTABLE=languages.json -DOUTPUT=entry.desktop -P desktopactions.cmake

file(READ "${INPUT}" entry)
# The actions' groups go after the entry's, which must be the last.
if(entry MATCHES "\n\\[")
    message(FATAL_ERROR "${INPUT} has a group after [Desktop Entry]")
endif()
if(NOT entry MATCHES "\n$")
    string(APPEND entry "\n")
endif()

# The table of languages (po/languages.py) gives each language's name in itself, in
# the order a list shows them.
file(READ "${TABLE}" table)
string(JSON count LENGTH "${table}" languages)
math(EXPR last "${count} - 1")
set(languages)
foreach(index RANGE ${last})
    string(JSON language GET "${table}" languages ${index} code)
    string(JSON name_${language} GET "${table}" languages ${index} name)
    list(APPEND languages ${language})
endforeach()

set(actions)
set(groups)
foreach(language IN LISTS languages)
    # An action's identifier takes letters, digits and "-" only: "pt-BR" for pt_BR.
    string(REGEX REPLACE "[^A-Za-z0-9-]" "-" id "${language}")
    string(APPEND actions "${id};")
    string(APPEND groups "\n[Desktop Action ${id}]\nName=${name_${language}}\nExec=rovalin --language=${language}\n")
endforeach()
file(WRITE "${OUTPUT}" "${entry}Actions=${actions}\n${groups}")
