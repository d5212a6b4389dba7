// SPDX-License-Identifier: MIT
#pragma once

// Served over http(s), the page registers its service worker (serviceworker.js),
// which keeps a copy of the page so that it starts without a network after the first
// visit, and lets a browser install the page as an app. Opened from disk, or where
// the browser offers no service workers, it does nothing.
void keepOfflineCopy();
