// SPDX-License-Identifier: MIT
#pragma once

// Served over http(s), the page links its web app manifest in its language
// (rovalin.LL.webmanifest), which lets a browser install the page as an app under the
// name it has in that language, and registers its service worker
// (serviceworker.js), which keeps a copy of the page so that it starts without a
// network after the first visit. Opened from disk, it asks for neither: the browser
// would refuse both.
#include <string>

void keepOfflineCopy(const std::string &language);
