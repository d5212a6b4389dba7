// SPDX-License-Identifier: MIT
#include "web/offline.h"

#include <emscripten/val.h>

#include <string>

using emscripten::val;

namespace {

// The manifest that names the page as an app. It is linked here rather than in
// index.html: a page opened from disk has an opaque origin, and the browser, which
// fetches a manifest with CORS, would refuse it and report that in the console on
// every load.
void linkManifest(const std::string &language)
{
    const val document = val::global("document");
    val link = document.call<val>("createElement", std::string("link"));
    link.set("rel", std::string("manifest"));
    link.set("href", "rovalin." + language + ".webmanifest");
    document["head"].call<void>("append", link);
}

// Browsers offer service workers only to secure pages: https, or http from the
// computer itself.
void registerServiceWorker()
{
    const val workers = val::global("navigator")["serviceWorker"];
    if (workers.isUndefined())
        return;
    // A page that cannot keep its copy still plays; the browser's console says why.
    const val console = val::global("console");
    workers.call<val>("register", std::string("serviceworker.js"))
        .call<val>("catch", console["warn"].call<val>("bind", console));
}

} // namespace

void keepOfflineCopy(const std::string &language)
{
    const auto protocol = val::global("location")["protocol"].as<std::string>();
    if (protocol != "http:" && protocol != "https:")
        return;
    linkManifest(language);
    registerServiceWorker();
}
