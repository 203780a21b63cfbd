#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "chromium/devtools_pipe.h"

namespace tidemark::chromium {

// Our watcher of one document: a MutationObserver in an isolated world of our
// own, which the page's scripts cannot reach, that tells of a change as a
// Runtime.bindingCalled event. It tells of the first change after each arming
// only, so that a busy page sends one event per reading, not one per change.
struct ObservedWorld {
    std::int64_t contextId = 0;
    // Drawn by the watcher: a context that answers with another is not ours.
    std::string token;
    int takes = 0;
};

// What the watcher saw since it was last armed.
struct WatcherTake {
    bool armed = false;  // false: it is not there any more (its document went), or the context is not ours
    // The one element whose texts alone changed (a remote object of the page's
    // session); empty when the page is to be read whole.
    std::optional<std::string> changedElement;
};

// What an event says of the page of the session it came on.
enum class PageNews {
    None,         // not about the page
    Changed,      // the page changed since it was last armed
    WindowMoved,  // its viewport was resized, or hidden or shown: the window's state may have changed
    Replaced,     // a new document, or a crashed renderer: any watcher has gone with the old one
};

// Asks the page's session for the events that tell of new documents. Once per session.
void FollowPageEvents(DevToolsPipe& devtools, const std::string& sessionId);

// Puts a watcher into the document the page shows now, armed. Empty when the
// page does not take one (a document on its way out); it is then read whole
// at every poll until one takes. `triedDocument` is the document last tried:
// a document is given one world of ours at most, so it is not tried twice.
std::optional<ObservedWorld> InstallObserver(DevToolsPipe& devtools, const std::string& sessionId,
                                             std::string& triedDocument);

// Takes what the watcher saw and arms it again, before a reading.
WatcherTake TakeAndArm(DevToolsPipe& devtools, const std::string& sessionId, ObservedWorld& world);

// What a protocol event says of the page on `sessionId`.
PageNews ReadPageNews(const nlohmann::json& event, const std::string& sessionId);

}  // namespace tidemark::chromium
