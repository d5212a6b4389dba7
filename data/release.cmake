# SPDX-License-Identifier: MIT
# The release history is kept in one place: the <releases> of the AppStream metainfo,
# one <release version="…" date="YYYY-MM-DD"> per release, newest first, with its
# English notes as <p> paragraphs. The manual pages take their date from it and the
# Debian changelog (changelog.gz) is written from it, so neither carries a date or a
# version of its own. Dates, not build times, keep the files reproducible.
#
# In a CMake project: include() this file and call
#   rovalin_release_date(<metainfo> <version> <out-var>)
#   rovalin_write_changelog(<metainfo> <output> <package> <maintainer>)
#   rovalin_gzip(<input> <output>)

# The date of release <version> as YYYY-MM-DD; stops when the metainfo lacks it.
function(rovalin_release_date metainfo version out)
    file(READ "${metainfo}" xml)
    string(REPLACE "." "\\." version_regex "${version}")
    if(NOT xml MATCHES "<release version=\"${version_regex}\" date=\"([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\"")
        message(FATAL_ERROR "${metainfo} has no <release version=\"${version}\" "
            "date=\"YYYY-MM-DD\">: add one for the new version")
    endif()
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

# "Tue, 08 Dec 2026 12:00:00 +0000" for 2026 12 08: the date of a changelog entry.
function(rovalin_rfc2822_date year month day out)
    # Day of the week by Sakamoto's method (0 = Sunday).
    set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    math(EXPR m "${month}")  # strips a leading zero
    math(EXPR d "${day}")
    math(EXPR index "${m} - 1")
    list(GET offsets ${index} offset)
    set(y ${year})
    if(m LESS 3)
        math(EXPR y "${y} - 1")
    endif()
    math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${d}) % 7")
    set(weekdays Sun Mon Tue Wed Thu Fri Sat)
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(GET weekdays ${weekday} weekday_name)
    list(GET months ${index} month_name)
    set(${out} "${weekday_name}, ${day} ${month_name} ${year} 12:00:00 +0000" PARENT_SCOPE)
endfunction()

# Appends <text> to <var> as a changelog item "  * …", wrapped before column 78.
function(rovalin_append_item var text)
    # A ';' would split the list of words: it stands in as the ASCII unit separator.
    string(ASCII 31 separator)
    string(REPLACE ";" "${separator}" text "${text}")
    string(REGEX MATCHALL "[^ \t\r\n]+" words "${text}")
    set(item "")
    set(line "  *")
    foreach(word IN LISTS words)
        string(LENGTH "${line} ${word}" length)
        if(length GREATER 78 AND NOT line STREQUAL "  *")
            string(APPEND item "${line}\n")
            set(line "   ")
        endif()
        string(APPEND line " ${word}")
    endforeach()
    string(REPLACE "${separator}" ";" item "${item}${line}\n")
    set(${var} "${${var}}${item}" PARENT_SCOPE)
endfunction()

# Writes the Debian changelog of <package>, an entry per release of the metainfo,
# each signed by <maintainer>. The file is rewritten only when its text changes.
function(rovalin_write_changelog metainfo output package maintainer)
    file(READ "${metainfo}" xml)
    set(changelog "")
    while(TRUE)
        string(FIND "${xml}" "<release " start)
        if(start EQUAL -1)
            break()
        endif()
        string(SUBSTRING "${xml}" ${start} -1 xml)
        if(NOT xml MATCHES "^<release version=\"([^\"]+)\" date=\"([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])\"")
            message(FATAL_ERROR "${metainfo}: a <release> does not start with "
                "version=\"…\" date=\"YYYY-MM-DD\"")
        endif()
        set(version ${CMAKE_MATCH_1})
        rovalin_rfc2822_date(${CMAKE_MATCH_2} ${CMAKE_MATCH_3} ${CMAKE_MATCH_4} date)
        # The release's notes reach to its </release>; <release … /> has none.
        set(body "")
        if(NOT xml MATCHES "^<release [^>]*/>")
            string(FIND "${xml}" "</release>" end)
            string(SUBSTRING "${xml}" 0 ${end} body)
        endif()
        string(SUBSTRING "${xml}" 1 -1 xml)

        # Each English paragraph (a <p> without xml:lang) is an item of the entry.
        set(items "")
        while(TRUE)
            string(FIND "${body}" "<p>" start)
            if(start EQUAL -1)
                break()
            endif()
            math(EXPR start "${start} + 3")
            string(SUBSTRING "${body}" ${start} -1 body)
            string(FIND "${body}" "</p>" end)
            string(SUBSTRING "${body}" 0 ${end} text)
            foreach(entity IN ITEMS "lt:<" "gt:>" "quot:\"" "apos:'" "amp:&")
                string(REGEX MATCH "^([a-z]+):(.)$" _ "${entity}")
                string(REPLACE "&${CMAKE_MATCH_1};" "${CMAKE_MATCH_2}" text "${text}")
            endforeach()
            rovalin_append_item(items "${text}")
        endwhile()
        if(items STREQUAL "")
            rovalin_append_item(items "Release ${version}.")
        endif()

        if(NOT changelog STREQUAL "")
            string(APPEND changelog "\n")
        endif()
        string(APPEND changelog
            "${package} (${version}) unstable; urgency=medium\n\n"
            "${items}\n"
            " -- ${maintainer}  ${date}\n")
    endwhile()
    if(changelog STREQUAL "")
        message(FATAL_ERROR "${metainfo} lists no <release>")
    endif()

    set(old "")
    if(EXISTS "${output}")
        file(READ "${output}" old)
    endif()
    if(NOT old STREQUAL changelog)
        file(WRITE "${output}" "${changelog}")
    endif()
endfunction()

# Compresses <input> into <output> as Debian wants documentation compressed: gzip at
# its best compression, without a name or a time stamp, so the same input always gives
# the same bytes. Done again only when <input> has changed.
function(rovalin_gzip input output)
    find_program(ROVALIN_GZIP gzip REQUIRED)
    if("${input}" IS_NEWER_THAN "${output}")
        execute_process(COMMAND "${ROVALIN_GZIP}" -9 -n -c
            INPUT_FILE "${input}" OUTPUT_FILE "${output}"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()
endfunction()
