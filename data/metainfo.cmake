# SPDX-License-Identifier: MIT
# Writes the AppStream metainfo template with the optional online links filled in.
#
# AppStream accepts only http(s) addresses for a homepage and for screenshot images,
# and Rovalin has no website of its own. Whoever publishes the project (and with it
# docs/screenshot.png) passes the real addresses; while they are empty, the metainfo
# carries neither a homepage nor a screenshot and still validates cleanly.
#
# The template holds both elements, with @ROVALIN_HOMEPAGE@ and
# @ROVALIN_SCREENSHOT_URL@ for the addresses, after its ROVALIN_ONLINE_LINKS comment:
# so the screenshot's caption is among the texts xgettext takes for translation, and
# the build merges its translations into what is written here, as into the rest.
#
# In a CMake project: include() this file and call
#   rovalin_write_metainfo(<template> <output> <homepage> <screenshot-url>)
# As a script (used by the tests):
#   cmake -DTEMPLATE=... -DOUTPUT=... -DHOMEPAGE=... -DSCREENSHOT_URL=... -P metainfo.cmake

function(rovalin_metainfo_url out name url)
    if(NOT url MATCHES "^https?://[^ \t\r\n<>\"\\\\]+$")
        message(FATAL_ERROR "${name} must be an http:// or https:// address, not \"${url}\"")
    endif()
    string(REPLACE "&" "&amp;" url "${url}")
    set(${out} "${url}" PARENT_SCOPE)
endfunction()

function(rovalin_write_metainfo template output homepage screenshot_url)
    file(READ "${template}" metainfo)
    # The comment and the two elements, as the template writes them.
    set(comment_regex "  <!-- ROVALIN_ONLINE_LINKS:[^>]*-->\n")
    set(homepage_regex "  <url type=\"homepage\">@ROVALIN_HOMEPAGE@</url>\n\n")
    set(screenshot_regex "  <screenshots>\n[^@]*@ROVALIN_SCREENSHOT_URL@[^@]*</screenshots>\n\n")
    foreach(part IN ITEMS comment homepage screenshot)
        if(NOT metainfo MATCHES "${${part}_regex}")
            message(FATAL_ERROR "${template} lost the ${part} of its ROVALIN_ONLINE_LINKS")
        endif()
    endforeach()
    string(REGEX REPLACE "${comment_regex}" "" metainfo "${metainfo}")

    if(homepage STREQUAL "")
        string(REGEX REPLACE "${homepage_regex}" "" metainfo "${metainfo}")
    else()
        rovalin_metainfo_url(url ROVALIN_HOMEPAGE "${homepage}")
        string(REPLACE "@ROVALIN_HOMEPAGE@" "${url}" metainfo "${metainfo}")
    endif()
    if(screenshot_url STREQUAL "")
        string(REGEX REPLACE "${screenshot_regex}" "" metainfo "${metainfo}")
    else()
        rovalin_metainfo_url(url ROVALIN_SCREENSHOT_URL "${screenshot_url}")
        string(REPLACE "@ROVALIN_SCREENSHOT_URL@" "${url}" metainfo "${metainfo}")
    endif()

    # Rewrite only on change, so that configuring again does not cause a reinstall.
    set(old "")
    if(EXISTS "${output}")
        file(READ "${output}" old)
    endif()
    if(NOT old STREQUAL metainfo)
        file(WRITE "${output}" "${metainfo}")
    endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    rovalin_write_metainfo("${TEMPLATE}" "${OUTPUT}" "${HOMEPAGE}" "${SCREENSHOT_URL}")
endif()
