#include "chromium/page_reader.h"

#include "chromium/control_view.h"
#include "chromium/incremental_reading.h"

namespace tidemark::chromium {

PageReader::PageReader(uia_tree::Tree& tree, std::string targetId, uia_tree::NodePtr contents, Hooks hooks)
    : tree_(tree), targetId_(std::move(targetId)), contents_(std::move(contents)), hooks_(std::move(hooks)) {}

const std::string& PageReader::Session(DevToolsPipe& devtools) {
    if (session_.empty()) {
        const std::string session = AttachToPage(devtools, targetId_);
        FollowPageEvents(devtools, session);
        session_ = session;
        Crashed();
    }
    return session_;
}

bool PageReader::Refresh(DevToolsPipe& devtools) {
    if (fresh_) return false;
    fresh_ = true;
    // Our watcher tells of every change by an event, so an unchanged page costs no call.
    if (mirror_ && world_ && !changed_) return false;
    // Cleared before reading: a change during the reading is told by an event taken at the next poll.
    changed_ = false;
    const std::string& session = Session(devtools);
    // Taken out while reading: a reading that breaks off after the watcher's news were taken leaves none to build on.
    std::optional<PageSnapshot> snapshot = std::move(snapshot_);
    snapshot_.reset();
    std::optional<std::string> changedElement;
    if (world_) {
        const WatcherTake take = TakeAndArm(devtools, session, *world_);
        if (!take.armed) world_.reset();
        changedElement = take.changedElement;
    }
    if (!world_) world_ = InstallObserver(devtools, session, triedDocument_);
    // Only a change the watcher followed from the last reading on, of one element's texts, is read alone.
    if (!changedElement || !snapshot || !ReadChangedElement(devtools, session, *changedElement, *snapshot))
        snapshot = FetchPageSnapshot(devtools, session);
    ControlElement view;
    try {
        view = BuildControlView(*snapshot);
    } catch (const PlatformError& error) {
        if (error.code() != kInvalidData) throw;
        changed_ = true;  // between two documents: the last one stays until the next reading
        return false;
    }
    if (!mirror_) {
        mirror_ = std::make_unique<PageMirror>(tree_, contents_,
                                               PageMirror::Actions{.invoke = hooks_.invoke, .focus = hooks_.focus});
    }
    mirror_->Show(view, snapshot->documentId);
    snapshot_ = std::move(snapshot);
    return true;
}

PageNews PageReader::Take(const nlohmann::json& event) {
    const PageNews news = ReadPageNews(event, session_);
    // A resize, hide or show changes what a layout that follows the window shows, without a DOM change.
    if (news == PageNews::Changed || news == PageNews::WindowMoved) changed_ = true;
    if (news == PageNews::Replaced) Crashed();
    return news;
}

void PageReader::Crashed() {
    // The bindings of a session and the worlds of a renderer go with them: the same document may be tried again.
    world_.reset();
    triedDocument_.clear();
    changed_ = true;
}

void PageReader::Detached() {
    session_.clear();
    Crashed();
}

std::string PageReader::documentName() const {
    return mirror_ && mirror_->document() ? mirror_->document()->name : std::string();
}

}  // namespace tidemark::chromium
