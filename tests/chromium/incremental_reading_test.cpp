// A page read after a change: the change of one element's texts is read from
// that element alone, any other change whole, and either way the tree shows
// what a whole reading of the page shows.

#include <stdlib.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "chromium/chromium_browser.h"
#include "chromium/control_view.h"
#include "chromium/page_snapshot.h"
#include "control_outline.h"
#include "headless_browser_test.h"
#include "remove_tree.h"
#include "uia_tree/tree.h"

namespace tidemark::chromium {
namespace {

using namespace std::chrono_literals;

constexpr const char* kFiguresPage =
    "data:text/html;charset=utf-8,<title>figures</title>"
    "<div id='figure'>10</div><ul><li id='item'>down</li></ul>"
    "<a href='%23x'><div id='inner'>3</div></a>"
    "<div id='units'>in <span>Mbps</span></div><p class='box'>para</p>";

// The tree's elements under the page document, written as Outline writes a control view.
std::string TreeOutline(const uia_tree::NodePtr& node, int depth = 0) {
    std::string line(static_cast<std::size_t>(depth) * 2, ' ');
    line += std::to_string(node->controlType) + " '" + node->name + "'";
    if (!node->automationId.empty()) line += " #" + node->automationId;
    if (!node->className.empty()) line += " ." + node->className;
    line += "\n";
    for (const uia_tree::NodePtr& child : node->children()) line += TreeOutline(child, depth + 1);
    return line;
}

uia_tree::NodePtr FindDocument(const uia_tree::NodePtr& node) {
    if (node->automationId == "RootWebArea") return node;
    for (const uia_tree::NodePtr& child : node->children())
        if (uia_tree::NodePtr found = FindDocument(child)) return found;
    return nullptr;
}

class IncrementalReadingTest : public HeadlessBrowserTest {
protected:
    IncrementalReadingTest() : HeadlessBrowserTest("incremental") {}

    // Polls until an element with `value` is there (or gone, when `present` is false); the DevTools calls of the
    // poll that read the page, or -1 when none came in time.
    int PollUntil(uia::PropertyId property, const std::string& value, bool present = true) {
        DevToolsPipe& devtools = browser_->process()->devtools();
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        int readingCalls = -1;
        while (std::chrono::steady_clock::now() < deadline) {
            browser_->NewPoll();
            const std::int64_t before = devtools.calls();
            const bool found =
                root_->FindFirst(uia::scope::Subtree, automation_->CreatePropertyCondition(property, value)).get() !=
                nullptr;
            if (devtools.calls() != before) readingCalls = static_cast<int>(devtools.calls() - before);
            if (found == present) return readingCalls;
            std::this_thread::sleep_for(10ms);
        }
        return -1;
    }
};

TEST_F(IncrementalReadingTest, OneElementsTextsAreReadAloneAndEveryReadingShowsWhatAWholeOneShows) {
    browser_->Start("/usr/bin/chromium", std::string(" --new-window ") + kFiguresPage);
    ASSERT_GE(PollUntil(uia::property::Name, "para"), 0);
    DevToolsPipe& devtools = browser_->process()->devtools();
    // Settled: the news of the page's opening are all in, and a poll asks nothing.
    const auto settle = std::chrono::steady_clock::now() + 5s;
    for (std::int64_t before = -1; before != devtools.calls() && std::chrono::steady_clock::now() < settle;) {
        std::this_thread::sleep_for(20ms);
        before = devtools.calls();
        ASSERT_GE(PollUntil(uia::property::Name, "para"), -1);
    }
    const nlohmann::json pages =
        devtools.Call("Target.getTargets", {{"filter", {{{"type", "page"}}}}}).at("targetInfos");
    const std::string session = AttachToPage(devtools, pages.at(0).at("targetId").get<std::string>());
    auto run = [&](const std::string& script) { devtools.Call("Runtime.evaluate", {{"expression", script}}, session); };
    auto same = [&] {
        // A new session's whole reading of the page, as the tree should show it.
        const std::string whole = Outline(BuildControlView(FetchPageSnapshot(devtools, session)));
        const uia_tree::NodePtr document = FindDocument(tree_.root());
        return document ? TreeOutline(document) == whole : false;
    };
    // The watcher's take and the element's part of the accessibility tree.
    constexpr int kAlone = 2;

    struct Step {
        const char* script;
        uia::PropertyId property;  // an element with this value shows the change read
        const char* value;
        bool present;
        bool alone;
    };
    using uia::property::Name;
    const Step steps[] = {
        {"document.getElementById('figure').textContent = '11'", Name, "11", true, true},
        {"document.getElementById('figure').firstChild.data = '12'", Name, "12", true, true},
        {"document.getElementById('item').firstChild.data = 'up'", Name, "up", true, true},
        // A link is named by its contents: the element's ancestors come with it.
        {"document.getElementById('inner').textContent = '4'", Name, "4", true, true},
        {"document.getElementById('figure').textContent = ''", Name, "12", false, true},
        {"document.getElementById('figure').textContent = '13'", Name, "13", true, true},
        // A text in a span that the accessibility tree leaves out: read whole.
        {"document.querySelector('#units span').textContent = 'kbps'", Name, "kbps", true, false},
        {"document.getElementById('figure').setAttribute('aria-label', 'done')", Name, "done", true, false},
        {"document.body.insertAdjacentHTML('beforeend', \"<p id='added'>added</p>\")", Name, "added", true, false},
        {"document.getElementById('figure').textContent = '14'; document.getElementById('item').firstChild.data = 'on'",
         Name, "on", true, false},
        {"document.getElementById('figure').textContent = '15'", Name, "15", true, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.script);
        run(step.script);
        const int calls = PollUntil(step.property, step.value, step.present);
        EXPECT_GE(calls, 1) << "the change was read";
        if (step.alone) {
            EXPECT_EQ(calls, kAlone) << "read from the element alone";
        } else {
            EXPECT_GT(calls, kAlone) << "read whole";
        }
        EXPECT_TRUE(same()) << TreeOutline(FindDocument(tree_.root()));
    }
}

}  // namespace
}  // namespace tidemark::chromium
