#pragma once

// A headless ChromiumBrowser of its own for each test, over a tree whose
// references must all be given back by the end.

#include <stdlib.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "chromium/chromium_browser.h"
#include "remove_tree.h"
#include "uia_tree/tree.h"

namespace tidemark::chromium {

class HeadlessBrowserTest : public ::testing::Test {
protected:
    explicit HeadlessBrowserTest(std::string profileName) : profileName_(std::move(profileName)) {}

    void SetUp() override {
        using namespace std::chrono_literals;
        std::filesystem::create_directories(TIDEMARK_TEST_OUTPUT_DIR);
        profile_ = std::string(TIDEMARK_TEST_OUTPUT_DIR) + "/" + profileName_ + "-XXXXXX";
        ASSERT_NE(::mkdtemp(profile_.data()), nullptr);
        browser_ = std::make_unique<ChromiumBrowser>(
            tree_, ChromiumBrowserOptions{.profileFolder = profile_, .headless = true, .timeout = 10s});
        automation_ = tree_.CreateAutomation();
        root_ = automation_->ElementFromHandle(uia_tree::Tree::kDesktopHandle);
    }

    void TearDown() override {
        root_.reset();
        automation_.reset();
        browser_.reset();
        EXPECT_EQ(tree_.live().total(), 0) << "references left alive";
        test::RemoveTree(profile_);
    }

    std::string profileName_;
    std::string profile_;
    uia_tree::Tree tree_;
    std::unique_ptr<ChromiumBrowser> browser_;
    uia::Ref<uia::Automation> automation_;
    uia::Ref<uia::Element> root_;
};

}  // namespace tidemark::chromium
