#include "sim/sim_edge.h"

#include <algorithm>

#include "common/text.h"

namespace tidemark::sim {

namespace {
constexpr std::uint8_t kVirtualKeyReturn = 13;
const std::string kNewWindow = " --new-window ";
const std::string kNewTab = " --newtab ";

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }
}  // namespace

SimEdge::SimEdge(Desktop& desktop, std::string program) : desktop_(desktop), program_(std::move(program)) {}

SimEdge::~SimEdge() {
    if (starter_ != nullptr) starter_->onStart = nullptr;
    if (keyboard_ != nullptr) keyboard_->onKeyEvent = nullptr;
}

void SimEdge::Attach(SimProcessStarter& starter, SimKeyboard& keyboard) {
    starter_ = &starter;
    keyboard_ = &keyboard;
    starter.onStart = [this](const StartedProcess& process) { Start(process.program, process.arguments); };
    keyboard.onKeyEvent = [this](const KeyStroke& stroke) { KeyEvent(stroke.virtualKey, stroke.keyUp); };
}

void SimEdge::Later(double ms, std::function<void()> change) {
    if (ms == kForever) return;
    desktop_.After(ms, [alive = std::weak_ptr<SimEdge*>(self_), change = std::move(change)] {
        if (alive.lock()) change();
    });
}

bool SimEdge::Start(const std::string& program, const std::string& arguments) {
    if (program != program_) return false;
    ++startCount_;
    bool newWindow = true;
    std::string address = arguments;
    if (StartsWith(arguments, kNewWindow)) {
        address = arguments.substr(kNewWindow.size());
    } else if (StartsWith(arguments, kNewTab)) {
        address = arguments.substr(kNewTab.size());
        newWindow = false;
    }
    address = TrimBlanks(address);
    if (newWindow) {
        Later(options.windowDelayMs, [this, address] { OpenWindow(address); });
    } else {
        Later(options.tabDelayMs, [this, address] {
            const auto open = windows();
            if (open.empty())
                OpenWindow(address);
            else
                OpenTab(open.front(), address);
        });
    }
    return true;
}

void SimEdge::KeyEvent(std::uint8_t virtualKey, bool keyUp) {
    if (virtualKey != kVirtualKeyReturn || keyUp) return;
    const NodePtr focused = focused_.lock();
    if (!focused || !focused->Present()) return;
    for (const EdgeWindowPtr& window : windows()) {
        if (window->addressEdit() != focused) continue;
        if (const EdgeTabPtr tab = window->selectedTab()) Navigate(window, tab, focused->value);
    }
}

void SimEdge::RegisterPage(const std::string& address, PageBuilder build) { pages_[address] = std::move(build); }

std::vector<EdgeWindowPtr> SimEdge::windows() const {
    std::vector<EdgeWindowPtr> open;
    for (const NodePtr& node : desktop_.root()->children())
        for (const EdgeWindowPtr& window : windows_)
            if (window->node() == node && window->open()) open.push_back(window);
    return open;
}

EdgeWindowPtr SimEdge::OpenWindow(const std::string& address) {
    std::erase_if(windows_, [](const EdgeWindowPtr& window) { return !window->open(); });
    auto window =
        std::make_shared<EdgeWindow>(desktop_, options.english ? EdgeLanguage::English() : EdgeLanguage::Japanese());
    windows_.push_back(window);
    window->node()->onFocus = [this](Node& node) { focused_ = node.shared_from_this(); };
    window->addressEdit()->onFocus = [this](Node& node) { focused_ = node.shared_from_this(); };
    OpenTab(window, address);
    return window;
}

EdgeTabPtr SimEdge::OpenTab(const EdgeWindowPtr& window, const std::string& address) {
    const EdgeTabPtr tab = window->AddTab();
    WatchFocusAndSelection(window, tab);
    window->Show(tab);
    Navigate(window, tab, address);
    return tab;
}

void SimEdge::WatchFocusAndSelection(const EdgeWindowPtr& window, const EdgeTabPtr& tab) {
    std::weak_ptr<EdgeWindow> weakWindow = window;
    std::weak_ptr<EdgeTab> weakTab = tab;
    tab->item->onSelect = [weakWindow, weakTab](Node&) {
        const auto owner = weakWindow.lock();
        const auto selected = weakTab.lock();
        if (owner && selected) owner->Show(selected);
    };
}

void SimEdge::Navigate(const EdgeWindowPtr& window, const EdgeTabPtr& tab, const std::string& typed) {
    ++navigationCount_;
    const std::string address = TrimBlanks(typed);
    tab->address = address;
    if (window->selectedTab() == tab) window->addressEdit()->value = address;
    // The old page goes at once (with whatever replaced it); the new one shows when it has loaded.
    while (!tab->contents->children().empty()) tab->contents->children().front()->Remove();
    tab->page.reset();
    const int navigation = ++tab->navigation;
    std::weak_ptr<EdgeTab> weakTab = tab;
    Later(options.pageDelayMs, [this, weakTab, navigation, address] {
        const auto loading = weakTab.lock();
        if (loading && loading->navigation == navigation && !loading->item->removed()) LoadPage(loading, address);
    });
}

void SimEdge::LoadPage(const EdgeTabPtr& tab, const std::string& address) {
    const NodePtr document = tab->contents->Add({.controlType = uia::control::Document, .automationId = "RootWebArea"});
    tab->page = std::make_shared<EdgePage>(desktop_, document, tab->item, address);
    const auto registered = pages_.find(address);
    if (registered != pages_.end()) {
        registered->second(tab->page);
        return;
    }
    tab->page->SetTitle(
        address.empty() ? (options.english ? EdgeLanguage::English() : EdgeLanguage::Japanese()).newTabTitle : address);
}

}  // namespace tidemark::sim
