# SPDX-License-Identifier: MIT
# Adds one desktop action per language of the program to its desktop entry, so that a
# teacher starts the game in any of them from the desktop's own launcher (its icon's
# menu, or the menu entry's), without a terminal: "rovalin --language=LL", named in
# that language as its catalogue names itself, so that whoever speaks it finds it
# whatever the language of the desktop. The languages are those of the catalogues
# msgfmt merged into the entry (FOLDER's LINGUAS and LL.po), and English, the language
# of the sources, which needs no catalogue: a new catalogue brings its action along.
# The actions come in the order of those names, as a teacher reads down a list: by
# their letters, an accented Latin letter with its plain one ("Čeština" among the C),
# so the names in Latin letters first, then those in Greek, Cyrillic, Armenian and
# Arabic letters, in the order Unicode gives their scripts.
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

# Each Latin letter with a diacritic that the names of Europe's languages use, after
# the plain letter it is read as. (CMake compares bytes, which would put every accented
# letter after z.)
set(plainLetters
    "a=à,á,â,ã,ä,å,ā,ă,ą,À,Á,Â,Ã,Ä,Å,Ā,Ă,Ą" "c=ç,ć,ĉ,ċ,č,Ç,Ć,Ĉ,Ċ,Č" "d=ď,đ,Ď,Đ"
    "e=è,é,ê,ë,ē,ĕ,ė,ę,ě,È,É,Ê,Ë,Ē,Ĕ,Ė,Ę,Ě" "g=ĝ,ğ,ġ,ģ,Ĝ,Ğ,Ġ,Ģ" "h=ĥ,ħ,Ĥ,Ħ"
    "i=ì,í,î,ï,ĩ,ī,ĭ,į,ı,Ì,Í,Î,Ï,Ĩ,Ī,Ĭ,Į,İ" "j=ĵ,Ĵ" "k=ķ,Ķ" "l=ĺ,ļ,ľ,ŀ,ł,Ĺ,Ļ,Ľ,Ŀ,Ł"
    "n=ñ,ń,ņ,ň,Ñ,Ń,Ņ,Ň" "o=ò,ó,ô,õ,ö,ø,ō,ŏ,ő,Ò,Ó,Ô,Õ,Ö,Ø,Ō,Ŏ,Ő" "r=ŕ,ŗ,ř,Ŕ,Ŗ,Ř"
    "s=ś,ŝ,ş,š,ș,Ś,Ŝ,Ş,Š,Ș" "t=ţ,ť,ŧ,ț,Ţ,Ť,Ŧ,Ț" "u=ù,ú,û,ü,ũ,ū,ŭ,ů,ű,ų,Ù,Ú,Û,Ü,Ũ,Ū,Ŭ,Ů,Ű,Ų"
    "w=ŵ,Ŵ" "y=ý,ÿ,ŷ,Ý,Ÿ,Ŷ" "z=ź,ż,ž,Ź,Ż,Ž")
set(keyed)
foreach(language IN LISTS languages)
    string(TOLOWER "${name_${language}}" key)
    foreach(letters IN LISTS plainLetters)
        string(REGEX REPLACE "[=,]" ";" letters "${letters}")
        list(POP_FRONT letters plain)
        foreach(letter IN LISTS letters)
            string(REPLACE "${letter}" "${plain}" key "${key}")
        endforeach()
    endforeach()
    # The name itself after its key keeps two names that read alike apart.
    list(APPEND keyed "${key}\t${name_${language}}\t${language}")
endforeach()
list(SORT keyed)

set(actions)
set(groups)
foreach(keyedLanguage IN LISTS keyed)
    string(REGEX REPLACE "^.*\t" "" language "${keyedLanguage}")
    # An action's identifier takes letters, digits and "-" only: "pt-BR" for pt_BR.
    string(REGEX REPLACE "[^A-Za-z0-9-]" "-" id "${language}")
    string(APPEND actions "${id};")
    string(APPEND groups "\n[Desktop Action ${id}]\nName=${name_${language}}\nExec=rovalin --language=${language}\n")
endforeach()
file(WRITE "${OUTPUT}" "${entry}Actions=${actions}\n${groups}")
