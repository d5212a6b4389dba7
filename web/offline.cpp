// SPDX-License-Identifier: MIT
#include "web/offline.h"

#include <emscripten/val.h>

#include <string>

using emscripten::val;

void keepOfflineCopy()
{
    const auto protocol = val::global("location")["protocol"].as<std::string>();
    // Browsers offer service workers only to secure pages: https, or http from the
    // computer itself.
    const val workers = val::global("navigator")["serviceWorker"];
    if ((protocol != "http:" && protocol != "https:") || workers.isUndefined())
        return;
    // A page that cannot keep its copy still plays; the browser's console says why.
    const val console = val::global("console");
    workers.call<val>("register", std::string("serviceworker.js"))
        .call<val>("catch", console["warn"].call<val>("bind", console));
}
