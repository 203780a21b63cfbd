#include "browser/edge_launch.h"

#include "browser/edge_windows.h"
#include "browser/tab_list.h"
#include "common/text.h"
#include "common/wait_clock.h"
#include "uia/polling.h"

namespace tidemark {

namespace {
using uia::Element;
using uia::ElementArray;
using uia::Ref;

class LaunchDeadline {
public:
    explicit LaunchDeadline(Context& context) : context_(context), start_(ReadWaitClock(context.platform.clock)) {}

    bool Passed() const { return SecondsPassed(context_.platform.clock, start_, context_.automation.MaxWaitSeconds); }

    // Window messages first, then the 10 ms pause.
    void Pause() const {
        context_.platform.pump.DoEvents();
        context_.platform.sleeper.Sleep(uia::kPollMs);
    }

private:
    Context& context_;
    double start_;
};
}  // namespace

bool LaunchEdge(Context& context, const std::string& url, Ref<Element>& window, Ref<Element>& browserView,
                Ref<Element>& tab, Ref<Element>& document, bool& newWindow) {
    Ref<ElementArray> before, after, tabsBefore, tabsAfter;
    if (!FindEdgeWindows(context, before)) return false;
    if (before->Length() > 0) {
        if (!newWindow) {
            Ref<Element> first = before->GetElement(0);
            Ref<Element> freshView;
            if (!GetTabList(context, first, tabsBefore, freshView)) return false;
        }
    } else {
        newWindow = true;
    }

    const std::string option = newWindow ? " --new-window " : " --newtab ";
    context.platform.processStarter.Start(context.EdgePath, option + TrimBlanks(url));

    const LaunchDeadline deadline(context);
    Ref<Element> candidate;
    for (;;) {
        if (deadline.Passed()) return false;
        if (!FindEdgeWindows(context, after)) return false;
        if (after->Length() > 0) {
            candidate = after->GetElement(0);
            if (!GetBrowserView(context, candidate, browserView)) return false;
            if (!GetTabList(context, candidate, tabsAfter, browserView)) return false;
            const bool grown =
                newWindow ? before->Length() < after->Length() : tabsBefore->Length() < tabsAfter->Length();
            if (grown) break;
        }
        deadline.Pause();
    }

    window = candidate;
    tab = tabsAfter->GetElement(tabsAfter->Length() - 1);  // a new tab is taken to be the last
    for (;;) {
        if (GetPageDocument(context, window, document, "", browserView)) return true;
        if (deadline.Passed()) return false;
        deadline.Pause();
    }
}

}  // namespace tidemark
