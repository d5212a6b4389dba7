# SPDX-License-Identifier: MIT
# Writes the page's service worker from its template, with a version taken from the
# contents of the page's files, so that every change to the page is a new version of
# the worker.
#
# cmake -DTEMPLATE=… -DOUTPUT=… -DPAGE_DIR=… -DFILES=name|name|… -P serviceworker.cmake

string(REPLACE "|" ";" names "${FILES}")
set(contents "")
foreach(name IN LISTS names)
    file(SHA256 "${PAGE_DIR}/${name}" hash)
    string(APPEND contents "${name} ${hash}\n")
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING "${version}" 0 16 OFFLINE_VERSION)
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
