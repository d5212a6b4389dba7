# SPDX-License-Identifier: MIT
# Writes the AppStream metainfo with the optional online links filled in.
#
# AppStream accepts only http(s) addresses for a homepage and for screenshot images,
# and Rovalin has no website of its own. Whoever publishes the project (and with it
# docs/screenshot.png) passes the real addresses; while they are empty, the metainfo
# carries neither a homepage nor a screenshot and still validates cleanly.
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
    set(links "")
    if(NOT homepage STREQUAL "")
        rovalin_metainfo_url(url ROVALIN_HOMEPAGE "${homepage}")
        string(APPEND links "  <url type=\"homepage\">${url}</url>\n\n")
    endif()
    if(NOT screenshot_url STREQUAL "")
        rovalin_metainfo_url(url ROVALIN_SCREENSHOT_URL "${screenshot_url}")
        string(APPEND links
            "  <screenshots>\n"
            "    <screenshot type=\"default\">\n"
            "      <caption>The game window</caption>\n"
            "      <caption xml:lang=\"bg\">Прозорецът на играта</caption>\n"
            "      <image type=\"source\">${url}</image>\n"
            "    </screenshot>\n"
            "  </screenshots>\n\n")
    endif()

    file(READ "${template}" metainfo)
    set(marker_regex "  <!-- ROVALIN_ONLINE_LINKS:[^>]*-->\n\n")
    if(NOT metainfo MATCHES "${marker_regex}")
        message(FATAL_ERROR "${template} lost its ROVALIN_ONLINE_LINKS comment")
    endif()
    string(REGEX REPLACE "${marker_regex}" "${links}" metainfo "${metainfo}")

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
