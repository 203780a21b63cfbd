#pragma once

// What the parts of ChromiumBrowser (following the browser, mirroring it into
// Edge's shape, acting on it) share. Private to this layer.

#include <string>

#include <nlohmann/json.hpp>

#include "chromium/chromium_browser.h"

namespace tidemark::chromium::browser_parts {

using nlohmann::json;

// A protocol error (E_FAIL) about a target means it went in the meantime.
inline bool TargetGone(const PlatformError& error) { return error.code() == kEFail; }

// Reads a field of a reply; a reply out of shape is unreadable data.
template <class Read>
auto Field(const char* what, Read&& read) {
    try {
        return read();
    } catch (const json::exception& error) {
        throw PlatformError(kInvalidData, std::string("unexpected reply to ") + what + ": " + error.what());
    }
}

}  // namespace tidemark::chromium::browser_parts

namespace tidemark::chromium {

template <class Action>
void ChromiumBrowser::EndingIfGone(Action&& action) {
    try {
        action();
    } catch (const PlatformError& error) {
        // A browser whose pipe closed has ended, and one that let a reply time out is taken for hung:
        // its windows go at once, so that no later call meets a broken pipe, and the next start brings a new one.
        if (error.code() == kBrokenPipe || error.code() == kTimeout) EndBrowser();
        throw;
    }
}

}  // namespace tidemark::chromium
