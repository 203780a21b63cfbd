#pragma once

// How the browser layer reads the protocol's replies. Private to this layer.

#include <string>

#include <nlohmann/json.hpp>

#include "chromium/devtools_pipe.h"

namespace tidemark::chromium {

// A protocol error (E_FAIL) about a target means it went in the meantime.
inline bool TargetGone(const PlatformError& error) { return error.code() == kEFail; }

// Reads a field of a reply; a reply out of shape is unreadable data.
template <class Read>
auto Field(const char* what, Read&& read) {
    try {
        return read();
    } catch (const nlohmann::json::exception& error) {
        throw PlatformError(kInvalidData, std::string("unexpected reply to ") + what + ": " + error.what());
    }
}

}  // namespace tidemark::chromium
