// The whole job through COM: the window's Start, the run, the sites and the
// browser control call the real adapter, which calls the test server over
// the simulated desktop. Each scenario runs on both routes; the COM route
// must end exactly as the tree's (file, status line, Edge, clock, and every
// call that reached the tree), and every reference the server handed out
// must be released at the end.

#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <string>

#include "com_desktop.h"
#include "run/run_texts.h"
#include "sites/site_table.h"

namespace tidemark::win32::testing {
namespace {

constexpr const char* kAllFigures = "95Mbps,94.52Mbps,38.21Mbps,12.3ms,2.1ms,94.52Mbps,38.21Mbps,12ms";
constexpr const char* kErrorRow = "An error occurred in the test.,Error,Error,Error,Error,Error,Error,Error,Error\r\n";

class WholeJobThroughCom : public ::testing::Test {
protected:
    template <class Scenario>
    void OnBothRoutes(Scenario scenario) {
        scenario(*tree);
        scenario(*com);
    }

    void TearDown() override {
        EXPECT_EQ(com->Csv(), tree->Csv());
        EXPECT_EQ(com->status.texts, tree->status.texts);
        EXPECT_EQ(com->form.lblTimeRemain.Caption, tree->form.lblTimeRemain.Caption);
        EXPECT_EQ(com->edge.windows().size(), tree->edge.windows().size());
        EXPECT_EQ(com->sim.processStarter.started().size(), tree->sim.processStarter.started().size());
        EXPECT_EQ(com->sim.clock.ElapsedMs(), tree->sim.clock.ElapsedMs());
        EXPECT_EQ(com->TreeCalls(), tree->TreeCalls()) << "a call the adapter made more or less often than the core";
        EXPECT_GT(com->ledger.handedOut, 0);

        tree->DropReferences();
        com->DropReferences();
        EXPECT_EQ(com->ledger.references, 0) << "references the adapter never released";
        EXPECT_EQ(com->ledger.objects, 0);
        EXPECT_EQ(com->sim.desktop.live().total(), 0);
        std::cout << "COM references handed out: " << com->ledger.handedOut << ", left: " << com->ledger.references
                  << "\n";
    }

    const std::string& Csv() const { return csv_ = com->Csv(); }
    std::string LastRow() const {
        const std::string& text = Csv();
        const std::size_t start = text.rfind("\r\n", text.size() - 3);
        return text.substr(start + 2);
    }
    int CleanRows() const {
        const std::string clean = std::string(",,") + kAllFigures + "\r\n";
        int rows = 0;
        for (std::size_t at = Csv().find(clean); at != std::string::npos; at = csv_.find(clean, at + 1)) ++rows;
        return rows;
    }
    // The row's note and figures, without the time stamp.
    std::string LastNoteAndFigures() const {
        const std::string row = LastRow();
        return row.substr(row.find(',', 2) + 1);
    }

    std::unique_ptr<ComDesktop> tree = std::make_unique<ComDesktop>(Route::Tree);
    std::unique_ptr<ComDesktop> com = std::make_unique<ComDesktop>(Route::Com);
    RunSettings all{.fast = true, .usen = true, .speed = true, .closeEdge = false, .fileName = "Tidemark"};

private:
    mutable std::string csv_;
};

TEST_F(WholeJobThroughCom, StartMeasuresAllThreeServicesWritesTheRowAndClosesEdge) {
    OnBothRoutes([](ComDesktop& desktop) {
        ASSERT_EQ(desktop.form.Form_Load(), ProcessFate::KeepRunning);
        desktop.form.cmdStart_Click();
    });
    EXPECT_EQ(LastNoteAndFigures(), std::string(",") + kAllFigures + "\r\n");
    EXPECT_EQ(com->form.lblTimeRemain.Caption, run_text::kAllDone);
    EXPECT_TRUE(com->edge.windows().empty()) << "closed after the run, as the defaults ask";
    EXPECT_EQ(com->sim.processStarter.started().size(), 1u);
}

TEST_F(WholeJobThroughCom, AnAddressBarThatVanishesEndsInTheErrorEnding) {
    OnBothRoutes([this](ComDesktop& desktop) {
        desktop.Prepare();
        // FAST's page never shows its title, and the address bar is gone when USEN is typed.
        desktop.edge.RegisterPage(std::string(kSiteFAST.address), [&desktop](const sim::EdgePagePtr& page) {
            page->SetTitle("Fast.com");
            desktop.FrontWindow()->addressEdit()->Remove();
        });
        desktop.Run(all);
    });
    EXPECT_EQ(LastNoteAndFigures(), kErrorRow);
    EXPECT_EQ(com->status.texts.back(), run_text::kErrorStatus);
    EXPECT_TRUE(com->edge.windows().empty()) << "a failed run closes Edge";
}

TEST_F(WholeJobThroughCom, EdgeClosedByTheUserDuringUsenEndsInTheErrorEndingWithFastKept) {
    OnBothRoutes([this](ComDesktop& desktop) {
        desktop.Prepare();
        desktop.sim.desktop.After(15'000, [&desktop] { desktop.FrontWindow()->CloseByUser(); });
        desktop.Run(all);
    });
    EXPECT_EQ(LastNoteAndFigures(),
              "An error occurred in the test.,95Mbps,Error,Error,Error,Error,Error,Error,Error\r\n");
    EXPECT_EQ(com->status.texts,
              (std::vector<std::string>{std::string(run_text::kNowTesting), std::string(run_text::kFastDone),
                                        std::string(run_text::kErrorStatus)}));
    EXPECT_EQ(com->sim.processStarter.started().size(), 1u);
}

TEST_F(WholeJobThroughCom, ErrorCodesCrossTheComBoundaryUnchanged) {
    OnBothRoutes([this](ComDesktop& desktop) {
        desktop.Prepare();
        // E_FAIL from a search is "not found yet": the run polls on and measures.
        desktop.sim.desktop.Fail(uia_tree::Call::FindFirst, kEFail, 40);
        desktop.Run(all);
        // Any other code ends the search that meets it.
        desktop.sim.desktop.Fail(uia_tree::Call::FindAll, kEAccessDenied);
        desktop.form.elmEdgeWindow.reset();  // so that Edge's windows are searched for
        desktop.Run(all);
    });
    EXPECT_EQ(CleanRows(), 1);
    EXPECT_EQ(LastNoteAndFigures(), kErrorRow);
    EXPECT_EQ(com->sim.processStarter.started().size(), 1u)
        << "Edge's windows could not be searched, so no second one was started";
}

TEST_F(WholeJobThroughCom, AMinimisedWindowIsRestoredAndOneThatCannotBeIsAnError) {
    OnBothRoutes([this](ComDesktop& desktop) {
        desktop.Prepare();
        desktop.Run(all);
        const sim::NodePtr window = desktop.FrontWindow()->node();
        window->visualState = uia::visual_state::Minimized;
        desktop.Run(all);
        EXPECT_EQ(desktop.sim.desktop.Record(window).visualStateCalls,
                  std::vector<std::int32_t>{uia::visual_state::Normal});
        window->visualState = uia::visual_state::Minimized;
        desktop.sim.desktop.WithholdPattern(window, uia::pattern::Window, sim::kForever);
        desktop.Run(all);
    });
    EXPECT_EQ(CleanRows(), 2) << Csv();
    EXPECT_EQ(LastNoteAndFigures(), kErrorRow);
}

TEST_F(WholeJobThroughCom, APageThatNeverFinishesIsAnErrorInItsColumns) {
    OnBothRoutes([this](ComDesktop& desktop) {
        desktop.Prepare();
        desktop.sites.fast.settings.neverFinishes = true;
        desktop.sites.speed.settings.measureMs = sim::kForever;
        desktop.Run(all);
    });
    EXPECT_EQ(LastNoteAndFigures(),
              "An error occurred in the test.,Error,94.52Mbps,38.21Mbps,12.3ms,2.1ms,Error,Error,Error\r\n");
    EXPECT_EQ(com->status.texts,
              (std::vector<std::string>{std::string(run_text::kNowTesting), std::string(run_text::kUsenDone),
                                        std::string(run_text::kErrorStatus)}));
}

}  // namespace
}  // namespace tidemark::win32::testing
