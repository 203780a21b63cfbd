#include "browser/tab_list.h"

#include "browser/address_bar.h"
#include "browser/edge_windows.h"
#include "browser/view_step.h"
#include "browser/window_state.h"
#include "uia/liveness.h"
#include "uia/polling.h"
#include "uia/property_values.h"
#include "uia/runtime_id.h"
#include "uia/actions.h"
#include "uia/search.h"

namespace tidemark {

namespace {
using uia::Element;
using uia::Ref;
namespace control = uia::control;
namespace scope = uia::scope;

bool FindTabItems(Context& context, Ref<Element>& browserView, Ref<uia::ElementArray>& tabs) {
    Ref<Element> region, strip, container;
    if (!FindViewStep(context, region, browserView, {scope::Subtree, "EdgeTabStripRegionView", "タブ バー"}))
        return false;
    if (!FindViewStep(context, strip, region, {scope::Children, "EdgeTabStrip", "", control::Pane})) return false;
    if (!FindViewStep(context, container, strip, {scope::Children, "EdgeTabContainerImpl", "", control::Pane}))
        return false;
    // The parent check of the other steps, here made by the search itself.
    return uia::WaitFindElements(context, tabs, "", control::TabItem, "", "", "EdgeTab", scope::Children, container,
                                 uia::kInnerLimitMs);
}

bool IsSelected(Element& tab) {
    return uia::EqualsTrue(tab.GetCurrentPropertyValue(uia::property::SelectionItemIsSelected));
}
}  // namespace

bool GetTabList(Context& context, Ref<Element>& window, Ref<uia::ElementArray>& tabs, Ref<Element>& browserView,
                std::int16_t* selectedPos, TabInfoOutput tabInfos) {
    if (!uia::IsElementAlive(context, window, uia::kInnerLimitMs)) return false;
    tabs.reset();
    if (selectedPos != nullptr) *selectedPos = kNoTab;
    TabInfoList* const list =
        std::holds_alternative<TabInfoList*>(tabInfos) ? std::get<TabInfoList*>(tabInfos) : nullptr;
    TabInfoRef* const slot = std::holds_alternative<TabInfoRef*>(tabInfos) ? std::get<TabInfoRef*>(tabInfos) : nullptr;
    if (list != nullptr && !IsArrayDimensioned(*list)) *list = std::vector<TabInfoRef>(1);

    if (!SetEdgeWindowState(context, window, uia::visual_state::Normal)) return false;
    if (!EnsureBrowserView(context, window, browserView)) return false;
    if (!FindTabItems(context, browserView, tabs)) return false;

    if (selectedPos == nullptr) return true;  // records come only with the position
    const std::int32_t count = tabs->Length();
    for (std::int32_t i = 0; i < count; ++i) {
        Ref<Element> tab = tabs->GetElement(i);
        if (*selectedPos == kNoTab && IsSelected(uia::Require(tab))) *selectedPos = static_cast<std::int16_t>(i);
        if (list != nullptr) {
            (*list)->resize(static_cast<std::size_t>(i) + 1);
            if (!GetTabInfo(context, tab, browserView, (**list)[static_cast<std::size_t>(i)])) return false;
        } else if (*selectedPos != kNoTab) {
            if (slot != nullptr) return GetTabInfo(context, tab, browserView, *slot);
            return true;  // the scan stops at the selected tab
        }
    }
    return true;
}

bool GetTabInfo(Context& context, Ref<Element>& tab, Ref<Element>& browserView, TabInfoRef& info) {
    info = std::make_shared<clsTabInfo>();
    clsTabInfo& record = *info;
    if (!uia::IsElementAlive(context, tab, uia::kInnerLimitMs)) return false;
    record.elmTab = tab;
    record.hTab = uia::GetElementRuntimeId(context, tab, record.hTabId);
    Element& element = uia::Require(tab);
    record.Title = element.CurrentName();
    record.Selected = IsSelected(element);
    if (!record.Selected) {
        record.Url.clear();
        return true;
    }
    Ref<Element> edit;
    if (!FindAddressEdit(context, browserView, edit)) return false;
    std::string address;
    if (!uia::GetValueOf(context, edit, address)) return false;
    record.Url = address;
    return true;
}

}  // namespace tidemark
