// Whether anything in the real program's tree grows per poll: the Chromium
// layer on its in-memory tree, polled as the program polls a page (a fresh
// reading, a search for the page document, its Name, a search inside it)
// many thousands of times against a real headless Chromium showing a page
// whose figure changes every 50 ms. Prints, at the start and every tenth of
// the way, the process's resident size, the tree's nodes and its live
// handed-out objects. Usage: tree_growth [polls] (default 20000).

#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "chromium/chromium_browser.h"
#include "uia_tree/tree.h"

namespace {

using namespace tidemark;

constexpr const char* kPage =
    "data:text/html;charset=utf-8,<title>growth</title><p id='figure' aria-live='polite'>0</p>"
    "<button class='go'>Go</button>"
    "<script>let n = 0; setInterval(() => { document.getElementById('figure').textContent = ++n; }, 50);</script>";

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

int CountNodes(const uia_tree::NodePtr& node) {
    int count = 1;
    for (const uia_tree::NodePtr& child : node->children()) count += CountNodes(child);
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    const int polls = argc > 1 ? std::atoi(argv[1]) : 20000;
    std::string profile = (std::filesystem::temp_directory_path() / "tidemark-growth-XXXXXX").string();
    if (::mkdtemp(profile.data()) == nullptr) return 1;

    uia_tree::Tree tree;
    {
        chromium::ChromiumBrowser browser(tree, {.profileFolder = profile, .headless = true});
        browser.Start("/usr/bin/chromium", std::string(" --new-window ") + kPage);
        const uia::Ref<uia::Automation> automation = tree.CreateAutomation();
        const uia::Ref<uia::Element> root = automation->ElementFromHandle(uia_tree::Tree::kDesktopHandle);
        const uia::Ref<uia::Condition> isDocument =
            automation->CreatePropertyCondition(uia::property::AutomationId, std::string("RootWebArea"));
        const uia::Ref<uia::Condition> isButton =
            automation->CreatePropertyCondition(uia::property::ControlType, uia::control::Button);

        std::printf("%8s %10s %8s %8s\n", "poll", "rss_kb", "nodes", "live");
        int found = 0;
        for (int poll = 0; poll <= polls; ++poll) {
            browser.NewPoll();
            try {
                if (const uia::Ref<uia::Element> document = root->FindFirst(uia::scope::Subtree, isDocument)) {
                    found += document->CurrentName() == "growth" ? 1 : 0;
                    (void)document->FindFirst(uia::scope::Subtree, isButton);
                }
            } catch (const PlatformError&) {
                // A node the page replaced between two readings; the next poll finds it again.
            }
            if (poll % (polls / 10 == 0 ? 1 : polls / 10) == 0) {
                std::printf("%8d %10ld %8d %8d\n", poll, ResidentKb(), CountNodes(tree.root()), tree.live().total());
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::printf("the page document was read in %d of %d polls\n", found, polls + 1);
    }
    std::filesystem::remove_all(profile);
    return 0;
}
