#include "uia_tree/edge_shape.h"

#include <algorithm>

#include "uia/ids.h"

namespace tidemark::uia_tree {

const EdgeLanguage& EdgeLanguage::Japanese() {
    static const EdgeLanguage language{"ウィンドウ", "タブ バー", "アプリ バー", "アドレスと検索バー", "新しいタブ"};
    return language;
}

const EdgeLanguage& EdgeLanguage::English() {
    static const EdgeLanguage language{"Window", "Tab bar", "App bar", "Address and search bar", "New tab"};
    return language;
}

EdgeWindowShape::EdgeWindowShape(Tree& tree, const EdgeLanguage& language) {
    window_ = tree.root()->Insert(0, {.name = "Microsoft Edge",
                                      .controlType = uia::control::Window,
                                      .localizedControlType = language.windowType,
                                      .className = "Chrome_WidgetWin_1",
                                      .window = true});
    frameView_ = window_->Add({.className = "BrowserRootView"})
                     ->Add({.className = "NonClientView"})
                     ->Add({.className = "EdgeBrowserFrameViewWin"});
    browserView_ = frameView_->Add({.className = "BrowserView"});

    tabContainer_ = browserView_->Add({.name = language.tabBar, .className = "EdgeTabStripRegionView"})
                        ->Add({.className = "EdgeTabStrip"})
                        ->Add({.className = "EdgeTabContainerImpl"});
    const NodePtr toolBar = browserView_->Add(
        {.name = language.appBar, .controlType = uia::control::ToolBar, .className = "EdgeToolbarView"});
    toolBar->Add(
        {.name = "戻る", .controlType = uia::control::Button, .className = "BackForwardButton", .invoke = true});
    toolBar->Add(
        {.name = "最新の情報に更新", .controlType = uia::control::Button, .className = "ReloadButton", .invoke = true});
    addressEdit_ = toolBar->Add({.controlType = uia::control::Group, .className = "LocationBarView"})
                       ->Add({.name = language.addressBar,
                              .controlType = uia::control::Edit,
                              .className = "OmniboxViewViews",
                              .value = true});
    splitView_ = browserView_->Add({.className = "SidebarContentsSplitView"});
}

EdgeTabNodes EdgeWindowShape::AddTab() {
    EdgeTabNodes tab{.item = tabContainer_->Add(
                         {.controlType = uia::control::TabItem, .className = "EdgeTab", .selectionItem = true}),
                     .contents = splitView_->Add({.className = "ContentsWebView"})};
    tab.contents->SetShown(false);
    tabs_.push_back(tab);
    return tab;
}

void EdgeWindowShape::RemoveTab(const EdgeTabNodes& tab) {
    std::erase(tabs_, tab);
    if (!tab.item->removed()) tab.item->Remove();
    if (!tab.contents->removed()) tab.contents->Remove();
}

void EdgeWindowShape::Show(const EdgeTabNodes& shown, const std::string& address) {
    for (const EdgeTabNodes& tab : tabs_) {
        tab.item->selected = tab == shown;
        tab.contents->SetShown(tab == shown);
    }
    addressEdit_->value = address;
}

void EdgeWindowShape::Remove() {
    if (open()) window_->Remove();
}

void EdgeWindowShape::ReplaceBrowserView() {
    const NodePtr old = browserView_;
    browserView_ = frameView_->Add({.className = "BrowserView"});
    while (!old->children().empty()) old->children().front()->MoveTo(browserView_);
    old->Remove();
}

}  // namespace tidemark::uia_tree
