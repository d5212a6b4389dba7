# SPDX-License-Identifier: MIT
# Writes the page's service worker from its template: the names of the page's files,
# and a version taken from their contents, so that every change to the page is a new
# version of the worker.
#
# cmake -DTEMPLATE=… -DOUTPUT=… -DPAGE_DIR=… -DFILES=name|name|… -P serviceworker.cmake

string(REPLACE "|" ";" names "${FILES}")
set(contents "")
set(quoted "")
foreach(name IN LISTS names)
    file(SHA256 "${PAGE_DIR}/${name}" hash)
    string(APPEND contents "${name} ${hash}\n")
    list(APPEND quoted "'${name}'")
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING "${version}" 0 16 OFFLINE_VERSION)
list(JOIN quoted ", " OFFLINE_FILES)
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
