#include "sim/sim_edge_window.h"

#include <algorithm>

#include "sim/sim_hresults.h"

namespace tidemark::sim {

namespace {
namespace control = uia::control;
constexpr uia::ControlType kEdit = 50004;
constexpr uia::ControlType kToolBar = 50021;
}  // namespace

const EdgeLanguage& EdgeLanguage::Japanese() {
    static const EdgeLanguage language{"ウィンドウ", "タブ バー", "アプリ バー", "アドレスと検索バー", "新しいタブ"};
    return language;
}

const EdgeLanguage& EdgeLanguage::English() {
    static const EdgeLanguage language{"Window", "Tab bar", "App bar", "Address and search bar", "New tab"};
    return language;
}

EdgeWindow::EdgeWindow(Desktop& desktop, const EdgeLanguage& language) : desktop_(desktop) {
    window_ = desktop.root()->Insert(0, {.name = "Microsoft Edge", .controlType = control::Window,
                                         .localizedControlType = language.windowType,
                                         .className = "Chrome_WidgetWin_1", .window = true});
    frameView_ = window_->Add({.className = "BrowserRootView"})
                     ->Add({.className = "NonClientView"})
                     ->Add({.className = "EdgeBrowserFrameViewWin"});
    browserView_ = frameView_->Add({.className = "BrowserView"});

    tabContainer_ = browserView_->Add({.name = language.tabBar, .className = "EdgeTabStripRegionView"})
                        ->Add({.className = "EdgeTabStrip"})
                        ->Add({.className = "EdgeTabContainerImpl"});
    const NodePtr toolBar =
        browserView_->Add({.name = language.appBar, .controlType = kToolBar, .className = "EdgeToolbarView"});
    toolBar->Add({.name = "戻る", .controlType = control::Button, .className = "BackForwardButton", .invoke = true});
    toolBar->Add({.name = "最新の情報に更新", .controlType = control::Button, .className = "ReloadButton",
                  .invoke = true});
    addressEdit_ = toolBar->Add({.controlType = control::Group, .className = "LocationBarView"})
                       ->Add({.name = language.addressBar, .controlType = kEdit, .className = "OmniboxViewViews",
                              .value = true});
    splitView_ = browserView_->Add({.className = "SidebarContentsSplitView"});
}

EdgeTabPtr EdgeWindow::selectedTab() const {
    for (const EdgeTabPtr& tab : tabs_)
        if (tab->item->selected) return tab;
    return nullptr;
}

EdgeTabPtr EdgeWindow::AddTab() {
    auto tab = std::make_shared<EdgeTab>();
    tab->item = tabContainer_->Add({.controlType = control::TabItem, .className = "EdgeTab", .selectionItem = true});
    tab->contents = splitView_->Add({.className = "ContentsWebView"});
    tab->contents->AppearAfter(kForever);
    tabs_.push_back(tab);
    return tab;
}

void EdgeWindow::RemoveTab(const EdgeTabPtr& tab) {
    tabs_.erase(std::remove(tabs_.begin(), tabs_.end(), tab), tabs_.end());
    if (!tab->item->removed()) tab->item->Remove();
    if (!tab->contents->removed()) tab->contents->Remove();
}

void EdgeWindow::Show(const EdgeTabPtr& shown) {
    for (const EdgeTabPtr& tab : tabs_) {
        tab->item->selected = tab == shown;
        tab->contents->AppearAfter(tab == shown ? 0 : kForever);
    }
    addressEdit_->value = shown->address;
}

void EdgeWindow::RefuseClose() { desktop_.Fail(Call::Close, kInvalidOperation, Desktop::kAlways, window_); }

void EdgeWindow::CloseByUser() {
    if (open()) window_->Remove();
}

void EdgeWindow::ReplaceBrowserView() {
    const NodePtr old = browserView_;
    browserView_ = frameView_->Add({.className = "BrowserView"});
    while (!old->children().empty()) old->children().front()->MoveTo(browserView_);
    old->Remove();
}

}  // namespace tidemark::sim
