#include "run/run_speed_tests.h"

#include <optional>

#include "browser/close_edge.h"
#include "browser/window_state.h"
#include "common/automation_startup.h"
#include "common/window_utils.h"
#include "run/result_file.h"
#include "run/run_log.h"
#include "run/run_texts.h"
#include "sites/fast_site.h"
#include "sites/site_page.h"
#include "sites/site_table.h"
#include "sites/speed_site.h"
#include "sites/usen_site.h"
#include "uia/polling.h"

namespace tidemark {

namespace {
using uia::Element;
using uia::Ref;

using Ending = RunEnding;

enum Pair : std::size_t { kFast, kUsenDown, kUsenUp, kUsenPing, kUsenJitter, kSpeedDown, kSpeedUp, kSpeedPing };

class Run {
public:
    Run(Context& context, const RunSettings& settings, RunHost& host, Ref<Element>& window, Ref<Element>& tab)
        : context_(context),
          settings_(settings),
          host_(host),
          window_(window),
          tab_(tab),
          log_(context.records, context.platform.clock) {}

    RunOutcome Go() {
        Status(run_text::kNowTesting);
        log_.Write(run_log::kStart, ChosenServices() + "into " + settings_.fileName + ".csv");
        try {
            const Ending ending = Measure();
            outcome_.ending = ending;
            if (ending != Ending::Failed) {
                if (ending == Ending::TimedOut) {
                    Status(run_text::kTimedOutStatus);
                    note_ = run_text::kTimedOutNote;
                    success_ = false;
                } else if (ending == Ending::AllDone) {
                    Status(run_text::kAllDone);
                }
                stage_ = "row";
                if (ending != Ending::FileInUse) WriteRow();
                stage_ = "closing Edge";
                CloseEdgeIfDue();
                LogEnd();
                return Outcome();
            }
        } catch (const PlatformError& error) {
            // The one error trap: whatever the platform reported ends in the error ending,
            // and its own text and code go to the log.
            Fail(ErrorText(error));
        }
        ErrorEnding();
        LogEnd();
        return Outcome();
    }

private:
    Ending Measure() {
        for (ResultPair& pair : pairs_) pair = {std::string(run_text::kNotObtained), ""};
        stage_ = "result file";
        file_.emplace(context_.platform, settings_.fileName);
        log_.Write(run_log::kFile, PathInLog(file_->Path()));
        if (!file_->WriteHeaderIfNew() && file_->InUse()) {
            Fail("the result file " + file_->Path() + " is held by another program");
            BringFormToFront(context_.platform);
            context_.platform.messageBoxes.Show(std::string(run_text::kFileInUse), "", MessageButtons::Ok,
                                                MessageIcon::Information);
            GiveUpOnFile();
            return Ending::FileInUse;
        }
        stage_ = "UI Automation";
        InitAutomation(context_);  // without UI Automation the run ends here, in its error ending
        stage_ = "Edge window";
        if (!RestoreMinimisedWindow()) {
            Fail("the minimised Edge window could not be restored");
            return Ending::Failed;
        }
        MeasureFast();
        if (const auto ending = MeasureUsen()) return *ending;
        if (const auto ending = MeasureSpeed()) return *ending;
        return Ending::AllDone;
    }

    bool RestoreMinimisedWindow() {
        if (!EdgeWindowAnswers(context_, window_)) return true;  // OpenSitePage starts a new one
        if (!IsWindowMinimised(uia::Require(window_))) return true;
        return SetEdgeWindowState(context_, window_, uia::visual_state::Normal);
    }

    bool Open(const Site& site, std::string_view service) {
        stage_ = service;
        timedOut_ = false;  // an earlier service's wait must not make this one's failure a time-out
        if (OpenSitePage(context_, window_, browserView_, tab_, document_, std::string(site.address),
                         std::string(site.title), timedOut_)) {
            log_.Write(run_log::kStep, stage_ + ": page opened");
            return true;
        }
        Fail(std::string(timedOut_ ? "the page's title did not show in time" : "the page could not be opened") +
             PageShown());
        return false;
    }

    bool WaitAgain(const Site& site) {
        log_.Write(run_log::kStep, stage_ + ": test failed, trying once more" + PageShown());
        if (WaitSitePage(context_, window_, browserView_, document_, std::string(site.title), timedOut_)) return true;
        Fail("the page's title was gone before the second try" + PageShown());
        return false;
    }

    // Logs what a test left, whether it passed or not.
    bool Tested(bool passed, std::size_t first, std::size_t last) {
        std::string figures;
        for (std::size_t i = first; i <= last; ++i) figures += " " + pairs_[i].figure + pairs_[i].unit;
        log_.Write(passed ? run_log::kResult : run_log::kStep, stage_ + ":" + figures);
        return passed;
    }

    bool TestedTwice(bool passed) {
        if (!passed) Fail("the test failed twice" + PageShown());
        return passed;
    }

    void NotChosen(std::size_t first, std::size_t last) {
        for (std::size_t i = first; i <= last; ++i) pairs_[i] = {std::string(run_text::kNotChosen), ""};
    }
    void NotObtained(std::size_t first, std::size_t last) {
        for (std::size_t i = first; i <= last; ++i) pairs_[i] = {std::string(run_text::kNotObtained), ""};
    }

    // FAST never ends the run: a page not opened or a test failed twice leaves its column as it is.
    void MeasureFast() {
        if (!settings_.fast) return NotChosen(kFast, kFast);
        if (!Open(kSiteFAST, "FAST")) return NotObtained(kFast, kFast);
        auto test = [this] {
            return Tested(
                TestFAST(context_, window_, browserView_, tab_, document_, pairs_[kFast].figure, pairs_[kFast].unit),
                kFast, kFast);
        };
        if (test() || (WaitAgain(kSiteFAST) && TestedTwice(test()))) {
            outcome_.fastRead = true;
            Status(run_text::kFastDone);
        }
    }

    std::optional<Ending> MeasureUsen() {
        if (!settings_.usen) {
            NotChosen(kUsenDown, kUsenJitter);
            return std::nullopt;
        }
        if (!Open(kSiteUSEN, "USEN")) {
            NotObtained(kUsenDown, kUsenJitter);
            return timedOut_ ? Ending::TimedOut : Ending::Failed;
        }
        auto test = [this] {
            return Tested(
                TestUSEN(context_, window_, browserView_, tab_, document_, pairs_[kUsenDown].figure,
                         pairs_[kUsenDown].unit, pairs_[kUsenUp].figure, pairs_[kUsenUp].unit, pairs_[kUsenPing].figure,
                         pairs_[kUsenPing].unit, pairs_[kUsenJitter].figure, pairs_[kUsenJitter].unit),
                kUsenDown, kUsenJitter);
        };
        if (!test() && !(WaitAgain(kSiteUSEN) && TestedTwice(test()))) return Ending::Failed;
        outcome_.usenRead = true;
        Status(run_text::kUsenDone);
        return std::nullopt;
    }

    std::optional<Ending> MeasureSpeed() {
        if (!settings_.speed) {
            NotChosen(kSpeedDown, kSpeedPing);
            return std::nullopt;
        }
        if (!Open(kSiteSPEED, "SPEED")) {
            NotObtained(kSpeedDown, kSpeedPing);
            return timedOut_ ? Ending::TimedOut : Ending::Failed;
        }
        std::string serverText;
        if (!WaitSpeedServerChosen(context_, window_, browserView_, document_, serverText)) {
            Fail("no server was chosen in time" + PageShown());
            return Ending::TimedOut;
        }
        auto test = [this] {
            return Tested(TestSPEED(context_, window_, browserView_, tab_, document_, pairs_[kSpeedDown].figure,
                                    pairs_[kSpeedDown].unit, pairs_[kSpeedUp].figure, pairs_[kSpeedUp].unit,
                                    pairs_[kSpeedPing].figure, pairs_[kSpeedPing].unit),
                          kSpeedDown, kSpeedPing);
        };
        if (!test() && !(WaitAgain(kSiteSPEED) && TestedTwice(test()))) return Ending::Failed;
        outcome_.speedRead = true;
        Status(run_text::kSpeedDone);
        return std::nullopt;
    }

    // Asks as often as the user presses OK while another program holds the file.
    void WriteRow() {
        if (!file_) throw PlatformError(kPathNotFound, "no result file to write to");
        while (file_->InUse()) {
            BringFormToFront(context_.platform);
            const MessageAnswer answer = context_.platform.messageBoxes.Show(
                std::string(run_text::kFileInUseAsk), "", MessageButtons::OkCancel, MessageIcon::Information);
            if (answer == MessageAnswer::Cancel) {
                Fail("the result file " + file_->Path() + " was held by another program; the row was given up");
                GiveUpOnFile();
                return;
            }
        }
        outcome_.rowTime = file_->AppendRow(note_, pairs_);
        outcome_.rowWritten = true;
    }

    void GiveUpOnFile() {
        outcome_.ending = Ending::FileInUse;
        host_.AbortSchedule();
        Status(run_text::kFileInUse);
        success_ = false;
    }

    void CloseEdgeIfDue() {
        if ((success_ && !settings_.closeEdge) || !EdgeWindowAnswers(context_, window_)) return;
        (void)CloseEdge(context_, window_);
    }

    // Runs at most once a run; what fails inside it is reported, not raised.
    void ErrorEnding() {
        outcome_.ending = Ending::Failed;
        Status(run_text::kErrorStatus);
        note_ = run_text::kErrorNote;
        success_ = false;
        try {
            WriteRow();
            CloseEdgeIfDue();
        } catch (const PlatformError& error) {
            Fail(ErrorText(error));
            Status(std::string(run_text::kErrorStatus) +
                   " The result could not be written or Edge closed: " + error.what());
        }
    }

    void Status(std::string_view text) {
        status_ = text;
        host_.SetStatus(status_);
    }

    std::string ChosenServices() const {
        std::string chosen;
        if (settings_.fast) chosen += "FAST ";
        if (settings_.usen) chosen += "USEN ";
        if (settings_.speed) chosen += "SPEED ";
        return chosen;
    }

    // The last row's figures and note; a second row (a failure after the first) is the one that counts.
    RunOutcome Outcome() {
        outcome_.settings = settings_;
        outcome_.note = note_;
        outcome_.status = status_;
        outcome_.pairs = pairs_;
        return outcome_;
    }

    void Fail(const std::string& reason) { log_.Write(run_log::kFail, stage_ + ": " + reason); }

    void LogEnd() { log_.Write(run_log::kEnd, status_ + (note_.empty() ? "" : " | note: " + note_)); }

    // The title of the page the driven tab showed, for the log; reading it may itself fail.
    std::string PageShown() {
        if (!document_) return "; no page document";
        try {
            return "; page shown: \"" + document_->CurrentName() + "\"";
        } catch (const PlatformError& error) {
            return "; the page could not be read (" + ErrorText(error) + ")";
        }
    }

    Context& context_;
    const RunSettings& settings_;
    RunHost& host_;
    Ref<Element>& window_;
    Ref<Element>& tab_;
    Ref<Element> browserView_;
    Ref<Element> document_;
    ResultPairs pairs_{};
    std::string note_;
    bool success_ = true;
    bool timedOut_ = false;
    std::optional<ResultFile> file_;
    RunLog log_;
    RunOutcome outcome_;
    std::string stage_ = "start";
    std::string status_;
};
}  // namespace

RunOutcome RunSpeedTests(Context& context, const RunSettings& settings, RunHost& host, Ref<Element>& window,
                         Ref<Element>& tab) {
    return Run(context, settings, host, window, tab).Go();
}

}  // namespace tidemark
