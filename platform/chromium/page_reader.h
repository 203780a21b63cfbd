#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "chromium/devtools_pipe.h"
#include "chromium/page_mirror.h"
#include "chromium/page_observer.h"
#include "chromium/page_snapshot.h"
#include "uia_tree/tree.h"

namespace tidemark::chromium {

// Reads one tab's page into the elements under its contents pane: its own
// session to the page, our watcher in it, and the mirror of its control view.
// A page is read only when it may have changed, at most once per poll.
class PageReader {
public:
    struct Hooks {
        // Invoke on an element of the page: the DOM node it stands for.
        std::function<void(std::int64_t backendNodeId)> invoke;
        std::function<void(uia_tree::Node&)> focus;
    };

    PageReader(uia_tree::Tree& tree, std::string targetId, uia_tree::NodePtr contents, Hooks hooks);
    PageReader(const PageReader&) = delete;
    PageReader& operator=(const PageReader&) = delete;

    // The flat session to the page, attached at its first use.
    const std::string& Session(DevToolsPipe& devtools);
    // A session attached, with the page's events followed, before the tab was made.
    void Adopt(const std::string& session) {
        session_ = session;
        Crashed();
    }
    // Empty until the page is first read.
    const std::string& session() const { return session_; }

    // Reads the page when it is not fresh and may have changed. True when it read it.
    bool Refresh(DevToolsPipe& devtools);
    // A new poll: the page may be read again.
    void NewPoll() { fresh_ = false; }
    bool fresh() const { return fresh_; }

    // What an event on this page's session says; a new document or a change is taken in here.
    PageNews Take(const nlohmann::json& event);
    // Its renderer crashed: our watcher went with it.
    void Crashed();
    // The session went: the next reading attaches a new one.
    void Detached();

    // Our watcher is in the page: it tells of resizes, hides and shows.
    bool watched() const { return world_.has_value(); }
    // The title the page showed at its last reading; empty before one.
    std::string documentName() const;

private:
    uia_tree::Tree& tree_;
    std::string targetId_;
    uia_tree::NodePtr contents_;
    Hooks hooks_;
    std::string session_;
    std::unique_ptr<PageMirror> mirror_;
    std::optional<ObservedWorld> world_;    // our watcher in the page, once it is in
    std::string triedDocument_;             // the document our watcher was last put into
    std::optional<PageSnapshot> snapshot_;  // as last read, kept up to date by the watcher's news
    bool changed_ = true;                   // since the page was last read, or not known
    bool fresh_ = false;                    // read at this poll
};

}  // namespace tidemark::chromium
