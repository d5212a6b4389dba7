# SPDX-License-Identifier: MIT
# Adds one desktop action per language of the program to its desktop entry, so that a
# teacher starts the game in any of them from the desktop's own launcher (its icon's
# menu, or the menu entry's), without a terminal: "rovalin --language=LL", named in
# that language as its catalogue names itself, so that whoever speaks it finds it
# whatever the language of the desktop. The languages are those of the catalogues
# msgfmt merged into the entry (FOLDER's LINGUAS and LL.po), and English, the language
# of the sources, which needs no catalogue: a new catalogue brings its action along.
#
# Run by the build once the translations are merged in:
#   cmake -DINPUT=merged.desktop -DFOLDER=merge-folder -DOUTPUT=entry.desktop -P desktopactions.cmake

file(READ "${INPUT}" entry)
# The actions' groups go after the entry's, which must be the last.
if(entry MATCHES "\n\\[")
    message(FATAL_ERROR "${INPUT} has a group after [Desktop Entry]")
endif()
if(NOT entry MATCHES "\n$")
    string(APPEND entry "\n")
endif()

# The catalogue's own name, the translation of the language's name (FormTexts::languageName).
set(languages en)
set(name_en "English")
file(STRINGS "${FOLDER}/LINGUAS" catalogues)
foreach(language IN LISTS catalogues)
    file(READ "${FOLDER}/${language}.po" catalogue)
    if(NOT catalogue MATCHES "\nmsgid \"English\"\nmsgstr \"([^\"\n]+)\"\n")
        message(FATAL_ERROR "${FOLDER}/${language}.po does not name its language")
    endif()
    set(name_${language} "${CMAKE_MATCH_1}")
    list(APPEND languages ${language})
endforeach()
list(SORT languages)

set(actions)
set(groups)
foreach(language IN LISTS languages)
    # An action's identifier takes letters, digits and "-" only: "pt-BR" for pt_BR.
    string(REGEX REPLACE "[^A-Za-z0-9-]" "-" id "${language}")
    string(APPEND actions "${id};")
    string(APPEND groups "\n[Desktop Action ${id}]\nName=${name_${language}}\nExec=rovalin --language=${language}\n")
endforeach()
file(WRITE "${OUTPUT}" "${entry}Actions=${actions}\n${groups}")
