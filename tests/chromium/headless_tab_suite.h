#pragma once

// One headless browser and one attached tab for a whole suite: starting a
// browser costs far more than loading a page.

#include <stdlib.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "chromium/chromium_process.h"
#include "chromium/page_snapshot.h"
#include "remove_tree.h"

namespace tidemark::chromium {

class HeadlessTabSuite : public ::testing::Test {
protected:
    // From the suite's SetUpTestSuite; `name` names its profile folder.
    static void StartBrowser(const std::string& name) {
        std::filesystem::create_directories(TIDEMARK_TEST_OUTPUT_DIR);
        profile_ = std::string(TIDEMARK_TEST_OUTPUT_DIR) + "/" + name + "-XXXXXX";
        if (::mkdtemp(profile_.data()) == nullptr) FAIL() << "mkdtemp failed";
        browser_ = std::make_unique<ChromiumProcess>(
            ChromiumOptions{.program = TIDEMARK_CHROMIUM_PROGRAM, .profileFolder = profile_, .headless = true});
        DevToolsPipe& devtools = browser_->devtools();
        const std::string target =
            devtools.Call("Target.createTarget", {{"url", "about:blank"}}).at("targetId").get<std::string>();
        session_ = AttachToPage(devtools, target);
        devtools.Call("Page.enable", nlohmann::json::object(), session_);
    }

    static void TearDownTestSuite() {
        browser_.reset();
        test::RemoveTree(profile_);
    }

    void SetUp() override {
        if (!browser_) GTEST_SKIP() << "no browser";
    }

    // Navigates the tab and waits for the page's load event.
    static void Navigate(const std::string& url) {
        using namespace std::chrono_literals;
        DevToolsPipe& devtools = browser_->devtools();
        devtools.TakeEvents();
        devtools.Call("Page.navigate", {{"url", url}}, session_);
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        for (bool loaded = false; !loaded;) {
            if (std::chrono::steady_clock::now() > deadline) {
                ADD_FAILURE() << "no load event within 5 s";
                return;
            }
            for (const nlohmann::json& event : devtools.TakeEvents()) {
                loaded = loaded || (event.value("method", "") == "Page.loadEventFired" &&
                                    event.value("sessionId", "") == session_);
            }
            // A cheap call, only so that the pipe reads what the browser has sent.
            if (!loaded) devtools.Call("Runtime.evaluate", {{"expression", "1"}}, session_);
        }
    }

    static inline std::string profile_;
    static inline std::unique_ptr<ChromiumProcess> browser_;
    static inline std::string session_;
};

}  // namespace tidemark::chromium
