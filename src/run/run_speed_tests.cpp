#include "run/run_speed_tests.h"

#include <optional>

#include "browser/close_edge.h"
#include "browser/window_state.h"
#include "common/automation_startup.h"
#include "common/window_utils.h"
#include "run/result_file.h"
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

enum class Ending { AllDone, TimedOut, Failed, FileInUse };

enum Pair : std::size_t { kFast, kUsenDown, kUsenUp, kUsenPing, kUsenJitter, kSpeedDown, kSpeedUp, kSpeedPing };

class Run {
public:
    Run(Context& context, const RunSettings& settings, RunHost& host, Ref<Element>& window, Ref<Element>& tab)
        : context_(context), settings_(settings), host_(host), window_(window), tab_(tab) {}

    void Go() {
        Status(run_text::kNowTesting);
        try {
            const Ending ending = Measure();
            if (ending != Ending::Failed) {
                if (ending == Ending::TimedOut) {
                    Status(run_text::kTimedOutStatus);
                    note_ = run_text::kTimedOutNote;
                    success_ = false;
                } else if (ending == Ending::AllDone) {
                    Status(run_text::kAllDone);
                }
                if (ending != Ending::FileInUse) WriteRow();
                CloseEdgeIfDue();
                return;
            }
        } catch (const PlatformError&) {
            // The one error trap: whatever the platform reported ends in the error ending.
        }
        ErrorEnding();
    }

private:
    Ending Measure() {
        for (ResultPair& pair : pairs_) pair = {std::string(run_text::kNotObtained), ""};
        file_.emplace(context_.platform, settings_.fileName);
        if (!file_->WriteHeaderIfNew() && file_->InUse()) {
            BringFormToFront(context_.platform);
            context_.platform.messageBoxes.Show(std::string(run_text::kFileInUse), "", MessageButtons::Ok,
                                                MessageIcon::Information);
            GiveUpOnFile();
            return Ending::FileInUse;
        }
        InitAutomation(context_);  // without UI Automation the run ends here, in its error ending
        if (!RestoreMinimisedWindow()) return Ending::Failed;
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

    bool Open(const Site& site) {
        timedOut_ = false;  // an earlier service's wait must not make this one's failure a time-out
        return OpenSitePage(context_, window_, browserView_, tab_, document_, std::string(site.address),
                            std::string(site.title), timedOut_);
    }

    bool WaitAgain(const Site& site) {
        return WaitSitePage(context_, window_, browserView_, document_, std::string(site.title), timedOut_);
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
        if (!Open(kSiteFAST)) return NotObtained(kFast, kFast);
        auto test = [this] {
            return TestFAST(context_, window_, browserView_, tab_, document_, pairs_[kFast].figure, pairs_[kFast].unit);
        };
        if (test() || (WaitAgain(kSiteFAST) && test())) Status(run_text::kFastDone);
    }

    std::optional<Ending> MeasureUsen() {
        if (!settings_.usen) {
            NotChosen(kUsenDown, kUsenJitter);
            return std::nullopt;
        }
        if (!Open(kSiteUSEN)) {
            NotObtained(kUsenDown, kUsenJitter);
            return timedOut_ ? Ending::TimedOut : Ending::Failed;
        }
        auto test = [this] {
            return TestUSEN(context_, window_, browserView_, tab_, document_, pairs_[kUsenDown].figure,
                            pairs_[kUsenDown].unit, pairs_[kUsenUp].figure, pairs_[kUsenUp].unit,
                            pairs_[kUsenPing].figure, pairs_[kUsenPing].unit, pairs_[kUsenJitter].figure,
                            pairs_[kUsenJitter].unit);
        };
        if (!test() && !(WaitAgain(kSiteUSEN) && test())) return Ending::Failed;
        Status(run_text::kUsenDone);
        return std::nullopt;
    }

    std::optional<Ending> MeasureSpeed() {
        if (!settings_.speed) {
            NotChosen(kSpeedDown, kSpeedPing);
            return std::nullopt;
        }
        if (!Open(kSiteSPEED)) {
            NotObtained(kSpeedDown, kSpeedPing);
            return timedOut_ ? Ending::TimedOut : Ending::Failed;
        }
        std::string serverText;
        if (!WaitSpeedServerChosen(context_, window_, browserView_, document_, serverText)) return Ending::TimedOut;
        auto test = [this] {
            return TestSPEED(context_, window_, browserView_, tab_, document_, pairs_[kSpeedDown].figure,
                             pairs_[kSpeedDown].unit, pairs_[kSpeedUp].figure, pairs_[kSpeedUp].unit,
                             pairs_[kSpeedPing].figure, pairs_[kSpeedPing].unit);
        };
        if (!test() && !(WaitAgain(kSiteSPEED) && test())) return Ending::Failed;
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
                GiveUpOnFile();
                return;
            }
        }
        file_->AppendRow(note_, pairs_);
    }

    void GiveUpOnFile() {
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
        Status(run_text::kErrorStatus);
        note_ = run_text::kErrorNote;
        success_ = false;
        try {
            WriteRow();
            CloseEdgeIfDue();
        } catch (const PlatformError& error) {
            Status(std::string(run_text::kErrorStatus) + " The result could not be written or Edge closed: " +
                   error.what());
        }
    }

    void Status(std::string_view text) { host_.SetStatus(std::string(text)); }

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
};
}  // namespace

void RunSpeedTests(Context& context, const RunSettings& settings, RunHost& host, Ref<Element>& window,
                   Ref<Element>& tab) {
    Run(context, settings, host, window, tab).Go();
}

}  // namespace tidemark
