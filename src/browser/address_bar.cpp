#include "browser/address_bar.h"

#include "browser/edge_windows.h"
#include "browser/view_step.h"
#include "common/window_utils.h"
#include "uia/actions.h"
#include "uia/keyboard_input.h"
#include "uia/liveness.h"
#include "uia/polling.h"

namespace tidemark {

namespace {
using uia::Element;
using uia::Ref;
namespace scope = uia::scope;
}  // namespace

bool FindAddressEdit(Context& context, Ref<Element>& browserView, Ref<Element>& edit) {
    Ref<Element> toolBar, locationBar;
    if (!FindViewStep(context, toolBar, browserView, {scope::Subtree, "EdgeToolbarView", "アプリ バー"})) return false;
    if (!FindViewStep(context, locationBar, toolBar, {scope::Subtree, "LocationBarView"})) return false;
    return FindViewStep(context, edit, locationBar, {scope::Children, "OmniboxViewViews", "アドレスと検索バー"});
}

bool NavigateAddressBar(Context& context, Ref<Element>& window, const std::string& url, Ref<Element>& browserView) {
    if (!uia::IsElementAlive(context, window, uia::kInnerLimitMs)) return false;
    if (!EnsureBrowserView(context, window, browserView)) return false;
    Ref<Element> edit;
    if (!FindAddressEdit(context, browserView, edit)) return false;
    Ref<Element> noParent;
    if (!uia::SetElementValue(context, edit, url, "", 0, "", "", "", scope::Self, noParent)) return false;

    // Edge and our own window handle each focus change before the key goes.
    uia::Require(window).SetFocus();
    context.platform.pump.DoEvents();
    uia::Require(edit).SetFocus();
    context.platform.pump.DoEvents();
    uia::PressEnter(context);
    WaitMs(context.platform, 10);
    return true;
}

}  // namespace tidemark
