// The whole Linux program against a real Chromium and the local measurement
// pages: the window's handlers, the run, the sites, the browser control and
// the result file, with nothing simulated but the services' addresses.

#include <signal.h>
#include <stdlib.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <thread>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/form1.h"
#include "site_server_process.h"
#include "linux_test_folder.h"
#include "scoped_variable.h"
#include "qt/linux_record_files.h"
#include "qt/qt_platform.h"
#include "run/run_texts.h"

namespace tidemark::qt {
namespace {

using chromium::DevToolsPipe;
using nlohmann::json;

using test_support::ScopedVariable;

class NoReportViewer : public ReportViewer {
public:
    void Show(const std::string&) override {}
};

bool ProcessGone(pid_t pid) { return pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH; }

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, ',');) fields.push_back(field);
    return fields;
}

class ChromiumRunTest : public ::testing::Test {
protected:
    // Each case its own home (Documents, settings, Chromium's profile) and its own server.
    void Start(const std::vector<std::string>& serverFlags = {}, bool headless = true) {
        std::filesystem::create_directories(home_ / "Documents");
        // The one-instance lock lives there: cases running side by side must not meet.
        std::filesystem::create_directories(home_ / "runtime");
        std::filesystem::permissions(home_ / "runtime", std::filesystem::perms::owner_all);
        variables_.push_back(std::make_unique<ScopedVariable>("XDG_RUNTIME_DIR", home_ / "runtime"));
        variables_.push_back(std::make_unique<ScopedVariable>("HOME", home_.path()));
        variables_.push_back(std::make_unique<ScopedVariable>("XDG_CONFIG_HOME", home_ / "config"));
        variables_.push_back(std::make_unique<ScopedVariable>("XDG_CACHE_HOME", home_ / "cache"));
        if (headless) {
            variables_.push_back(std::make_unique<ScopedVariable>("DISPLAY", std::nullopt));
            variables_.push_back(std::make_unique<ScopedVariable>("WAYLAND_DISPLAY", std::nullopt));
        }
        std::vector<std::string> flags = {"--root", TIDEMARK_SITES_ROOT, "--measure-ms", "1500"};
        flags.insert(flags.end(), serverFlags.begin(), serverFlags.end());
        server_ = std::make_unique<chromium::SiteServerProcess>(flags);
        variables_.push_back(std::make_unique<ScopedVariable>("TIDEMARK_LOCAL_SITES", server_->Url("/")));

        services_ = std::make_unique<QtPlatform>(BrowserChoice::Chromium);
        context_ = std::make_unique<Context>(services_->platform);
        form_ = std::make_unique<Form1>(*context_);
        services_->pump.SetBeforeEvents([this] {
            if (duringRun_) duringRun_();
        });
        ASSERT_EQ(form_->Form_Load(), ProcessFate::KeepRunning);
        form_->chkFAST.Value = 1;
        form_->chkUSEN.Value = 1;
        form_->chkSPEED.Value = 1;
        form_->chkCloseEdge.Value = 0;
        form_->txtFileName.Text = "line";
    }

    void TearDown() override {
        if (!services_) return;
        const pid_t browser = Browser() ? Browser()->pid() : -1;
        const pid_t keeper = Browser() ? Browser()->keeperPid() : -1;
        form_.reset();
        context_.reset();
        EXPECT_EQ(services_->tree.live().total(), 0) << "references left alive";
        services_.reset();
        for (const pid_t pid : {browser, keeper})
            if (pid > 0) {
                EXPECT_TRUE(ProcessGone(pid)) << "process " << pid << " left behind";
            }
        EXPECT_TRUE(server_->CloseInputAndWait().has_value());
    }

    chromium::ChromiumProcess* Browser() { return services_->browser.chromium()->process(); }

    // The page targets the browser has open.
    int OpenPages() {
        if (Browser() == nullptr) return 0;
        const json targets = Browser()->devtools().Call("Target.getTargets").at("targetInfos");
        int pages = 0;
        for (const json& target : targets) pages += target.at("type") == "page" ? 1 : 0;
        return pages;
    }

    // The browser closes a target a moment after it was asked to.
    bool PagesCloseSoon() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (OpenPages() > 0) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }

    std::vector<std::vector<std::string>> Rows() {
        std::vector<std::vector<std::string>> rows;
        std::stringstream lines(test_support::ReadBytes(home_ / "Documents/line.csv"));
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            rows.push_back(Fields(line));
        }
        if (rows.size() >= 2) rows.erase(rows.begin(), rows.begin() + 2);  // the two header lines
        return rows;
    }

    // A run now, as the schedule's next tick would start it.
    void RunNow() {
        form_->cmdTestNow_Click();
        form_->tmrProc_Timer();
    }

    static void ExpectMeasured(const std::vector<std::string>& row) {
        ASSERT_EQ(row.size(), 11u);
        EXPECT_EQ(row[2], "");
        static const std::regex figure(R"(([0-9]+(\.[0-9]+)?)(Mbps|ms))");
        for (std::size_t i = 3; i < row.size(); ++i) {
            std::smatch parts;
            ASSERT_TRUE(std::regex_match(row[i], parts, figure)) << "column " << i << ": " << row[i];
            // Transfers took time and moved bytes; a round trip on the loopback may round to zero.
            if (parts[3] == "Mbps") {
                EXPECT_GT(std::stod(parts[1]), 0.0) << "column " << i;
            }
        }
    }

    test_support::TestFolder home_;
    std::vector<std::unique_ptr<ScopedVariable>> variables_;
    std::unique_ptr<chromium::SiteServerProcess> server_;
    std::unique_ptr<QtPlatform> services_;
    std::unique_ptr<Context> context_;
    std::unique_ptr<Form1> form_;
    std::function<void()> duringRun_;
};

TEST_F(ChromiumRunTest, RunsMeasureWhatThePagesMeasuredReuseTheTabAndCloseEdgeWhenAsked) {
    Start();
    form_->cmdStart_Click();
    ASSERT_EQ(Rows().size(), 1u) << form_->lblTimeRemain.Caption;
    ExpectMeasured(Rows()[0]);
    const json stats = json::parse(server_->Get("/stats").body);
    EXPECT_GT(stats.at("downloadedBytes").get<double>(), 0);
    EXPECT_GT(stats.at("uploadedBytes").get<double>(), 0);
    EXPECT_EQ(OpenPages(), 1);

    // The second run finds the window and the tab the first one left.
    const pid_t browser = Browser()->pid();
    RunNow();
    ASSERT_EQ(Rows().size(), 2u);
    ExpectMeasured(Rows()[1]);
    EXPECT_EQ(Browser()->pid(), browser);
    EXPECT_EQ(OpenPages(), 1);

    form_->chkCloseEdge.Value = 1;
    RunNow();
    ASSERT_EQ(Rows().size(), 3u);
    ExpectMeasured(Rows()[2]);
    EXPECT_TRUE(PagesCloseSoon()) << "Close Edge by every test.";

    form_->cmdStop_Click();
    EXPECT_TRUE(form_->cmdStart.Enabled);
}

TEST_F(ChromiumRunTest, AWrongTitleEndsTheRunTimedOutWithItsRowAndTheWindowClosed) {
    Start({"--title", "usen=Maintenance"});
    form_->cmdStart_Click();
    ASSERT_EQ(Rows().size(), 1u);
    const std::vector<std::string> row = Rows()[0];
    EXPECT_EQ(row[2], run_text::kTimedOutNote);
    EXPECT_TRUE(std::regex_match(row[3], std::regex("[0-9.]+Mbps"))) << "FAST was measured: " << row[3];
    EXPECT_EQ(row[4], run_text::kNotObtained);
    EXPECT_TRUE(PagesCloseSoon()) << "a run that did not succeed closes the window";
}

// The program gives SPEED a minute to choose its server: this case takes that long.
TEST_F(ChromiumRunTest, APageThatNeverFinishesEndsTheRunTimedOut) {
    Start({"--never-finish", "speed"});
    form_->chkFAST.Value = 0;
    form_->chkUSEN.Value = 0;
    form_->cmdStart_Click();
    ASSERT_EQ(Rows().size(), 1u);
    EXPECT_EQ(Rows()[0][2], run_text::kTimedOutNote);
    EXPECT_TRUE(PagesCloseSoon());
}

TEST_F(ChromiumRunTest, ABrowserKilledMidRunEndsInTheErrorEndingAndTheNextRunStartsANewOne) {
    Start();
    pid_t killed = -1;
    duringRun_ = [&] {
        if (killed < 0 && form_->lblTimeRemain.Caption == run_text::kFastDone && Browser() != nullptr) {
            killed = Browser()->pid();
            ::kill(killed, SIGKILL);
        }
    };
    form_->cmdStart_Click();
    ASSERT_GT(killed, 0) << "the run never got past FAST";
    ASSERT_EQ(Rows().size(), 1u);
    EXPECT_EQ(Rows()[0][2], run_text::kErrorNote);
    EXPECT_TRUE(form_->cmdStop.Enabled) << "the schedule goes on";

    duringRun_ = nullptr;
    RunNow();
    ASSERT_EQ(Rows().size(), 2u);
    ExpectMeasured(Rows()[1]);
    ASSERT_NE(Browser(), nullptr);
    EXPECT_NE(Browser()->pid(), killed);
}

// Pages that ask on load and mid-measurement, as a user of a headless browser could never answer.
TEST_F(ChromiumRunTest, DialogsOnLoadAndMidMeasurementAreAnsweredLoggedAndTheRunMeasures) {
    Start({"--dialog", "fast=alert@load", "--dialog", "usen=confirm@measure", "--dialog", "speed=prompt@load"});
    LinuxRecordFiles files;
    NoReportViewer viewer;
    RecordServices records{files, viewer};
    context_->records = &records;
    services_->browser.LogDialogsTo(&records);
    form_->cmdStart_Click();
    ASSERT_EQ(Rows().size(), 1u) << form_->lblTimeRemain.Caption;
    ExpectMeasured(Rows()[0]);

    const std::string log = files.Read(files.Folder() + "tidemark.log").value_or("");
    for (const char* line :
         {" DIALOG alert dismissed on http", " DIALOG confirm dismissed on http", " DIALOG prompt dismissed on http"}) {
        EXPECT_NE(log.find(line), std::string::npos) << line << " in\n" << log;
    }
    for (const char* text : {": fast asks alert (load)", ": usen asks confirm (measure)", ": speed asks prompt (load)"})
        EXPECT_NE(log.find(text), std::string::npos) << text << " in\n" << log;
    context_->records = nullptr;
    services_->browser.LogDialogsTo(nullptr);
}

// On a display with a window manager (the ctest chromium_headed_run provides both).
using ChromiumHeadedRunTest = ChromiumRunTest;

TEST_F(ChromiumHeadedRunTest, AWindowMinimisedMidWaitIsShownAgainAndTheRunMeasures) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "needs a display: run it as the ctest chromium_headed_run";
    Start({}, false);
    enum class Stage { Waiting, Minimised, SeenMinimised, SeenRestored } stage = Stage::Waiting;
    json windowId;
    auto shownState = [&] {
        return Browser()
            ->devtools()
            .Call("Browser.getWindowBounds", {{"windowId", windowId}})
            .at("bounds")
            .at("windowState");
    };
    duringRun_ = [&] {
        if (Browser() == nullptr) return;
        DevToolsPipe& devtools = Browser()->devtools();
        if (stage == Stage::Waiting) {
            const json targets = devtools.Call("Target.getTargets").at("targetInfos");
            for (const json& target : targets) {
                if (target.at("type") != "page" || target.value("title", "").find("Fast.com") == std::string::npos)
                    continue;
                windowId =
                    devtools.Call("Browser.getWindowForTarget", {{"targetId", target.at("targetId")}}).at("windowId");
                devtools.Call("Browser.setWindowBounds",
                              {{"windowId", windowId}, {"bounds", {{"windowState", "minimized"}}}});
                stage = Stage::Minimised;
                return;
            }
        } else if (stage == Stage::Minimised && shownState() == "minimized") {
            stage = Stage::SeenMinimised;
        } else if (stage == Stage::SeenMinimised && shownState() == "normal") {
            stage = Stage::SeenRestored;
        }
    };
    form_->cmdStart_Click();
    EXPECT_EQ(stage, Stage::SeenRestored) << "minimised on the FAST page while it measured, then shown again";
    ASSERT_EQ(Rows().size(), 1u);
    ExpectMeasured(Rows()[0]);
}

}  // namespace
}  // namespace tidemark::qt
