// SPDX-License-Identifier: MIT
#pragma once

// Served over http(s), the page links its web app manifest (rovalin.webmanifest),
// which lets a browser install the page as an app, and registers its service worker
// (serviceworker.js), which keeps a copy of the page so that it starts without a
// network after the first visit. Opened from disk, it asks for neither: the browser
// would refuse both.
void keepOfflineCopy();
