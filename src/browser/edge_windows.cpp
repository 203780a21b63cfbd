#include "browser/edge_windows.h"

#include "browser/view_step.h"
#include "common/text.h"
#include "uia/liveness.h"
#include "uia/polling.h"
#include "uia/search.h"

namespace tidemark {

namespace {
using uia::Element;
using uia::Ref;
namespace control = uia::control;
namespace scope = uia::scope;

constexpr double kWindowSearchMs = 10;
}  // namespace

bool FindEdgeWindows(Context& context, Ref<uia::ElementArray>& windows) {
    Ref<Element> desktop = context.automation.desktop;
    return uia::WaitFindElements(context, windows, "", control::Window, "", "", "Chrome_WidgetWin_1", scope::Children,
                                 desktop, kWindowSearchMs);
}

bool GetBrowserView(Context& context, Ref<Element>& window, Ref<Element>& browserView) {
    if (!uia::IsElementAlive(context, window, uia::kInnerLimitMs)) return false;
    Ref<Element> rootView, nonClientView, frameView, found;
    if (!FindViewStep(context, rootView, window, {scope::Children, "BrowserRootView"})) return false;
    if (!FindViewStep(context, nonClientView, rootView, {scope::Children, "NonClientView"})) return false;
    if (!FindViewStep(context, frameView, nonClientView,
                      {scope::Children, "EdgeBrowserFrameViewWin", "", control::Pane}))
        return false;
    if (!FindViewStep(context, found, frameView, {scope::Children, "BrowserView", "", control::Pane})) return false;
    browserView = std::move(found);
    return true;
}

bool EnsureBrowserView(Context& context, Ref<Element>& window, Ref<Element>& browserView) {
    if (uia::IsElementAlive(context, browserView, uia::kInnerLimitMs)) return true;
    return GetBrowserView(context, window, browserView);
}

bool GetPageDocument(Context& context, Ref<Element>& window, Ref<Element>& document, const std::string& title,
                     Ref<Element>& browserView) {
    if (!uia::IsElementAlive(context, window, uia::kInnerLimitMs)) return false;
    if (!EnsureBrowserView(context, window, browserView)) return false;
    Ref<Element> splitView, found;
    if (!FindViewStep(context, splitView, browserView, {scope::Subtree, "SidebarContentsSplitView", "", control::Pane}))
        return false;
    if (!FindViewStep(context, found, splitView, {scope::Subtree, "", "", control::Document, "RootWebArea"}))
        return false;
    document = std::move(found);

    const std::string wanted = TrimBlanks(title);
    if (wanted.empty()) return true;
    return LowerAscii(TrimBlanks(uia::Require(document).CurrentName())) == LowerAscii(wanted);
}

}  // namespace tidemark
