# SPDX-License-Identifier: MIT
# rovalin_json: nlohmann's JSON library (Debian package nlohmann-json3-dev), header
# only, for the programs that read or write JSON in C++: the page's build tools and
# the tests' tables. Emscripten's compiler searches its own system folder only, so the
# browser build gets a copy of the headers in its build tree.
find_path(ROVALIN_NLOHMANN_JSON nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_library(rovalin_json INTERFACE)
if(EMSCRIPTEN)
    file(COPY ${ROVALIN_NLOHMANN_JSON}/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/json)
    target_include_directories(rovalin_json SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/json)
else()
    target_include_directories(rovalin_json SYSTEM INTERFACE ${ROVALIN_NLOHMANN_JSON})
endif()
