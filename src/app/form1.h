#pragma once

// The main window without its toolkit: the controls' state and the event
// handlers. The Win32 and Qt windows draw this state and forward the user's
// events to the handlers; tests drive it directly.

#include <optional>

#include "app/controls.h"
#include "common/context.h"
#include "run/run_host.h"
#include "run/run_outcome.h"
#include "uia/automation.h"

namespace tidemark {

// What the toolkit must do with the process after Form_Load or Form_Unload.
enum class ProcessFate { KeepRunning, EndAtOnce };

class Form1 : private RunHost {
public:
    explicit Form1(Context& context);

    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Start-up, before the window is shown. EndAtOnce: another copy runs;
    // the toolkit shows nothing and ends the process.
    [[nodiscard]] ProcessFate Form_Load();
    // Saves the settings as typed; the toolkit then ends the process, also
    // in the middle of a run. Closing cannot be refused.
    [[nodiscard]] ProcessFate Form_Unload();

    void chkFAST_Click();
    void chkUSEN_Click();
    void chkSPEED_Click();
    void txtFileName_Validate(bool& Cancel);
    void txtInterval_Validate(bool& Cancel);
    void cmdStart_Click();
    void cmdStop_Click();
    void cmdTestNow_Click();
    // Writes the report of the result file into the program's state folder
    // and shows it in the default browser.
    void cmdReport_Click();
    void tmrProc_Timer();

    Context& context() { return context_; }
    // What the last run left; none before the first.
    const std::optional<RunOutcome>& LastRun() const { return lastRun_; }

    CheckBox chkFAST;
    CheckBox chkUSEN;
    CheckBox chkSPEED;
    TextBox txtFileName;
    TextBox txtInterval;
    CheckBox chkCloseEdge;
    CommandButton cmdStop;
    CommandButton cmdTestNow;
    CommandButton cmdStart;
    CommandButton cmdReport;
    Frame Frame1;
    Label lblTimeRemain;
    Timer tmrProc;

    // Set by Form_Load when Ctrl was held down; lifts the 3-minute minimum for good.
    bool IntervalLimitOff = false;
    bool RunAborted = false;
    double NextRunTime = 0.0;
    uia::Ref<uia::Element> elmEdgeWindow;
    uia::Ref<uia::Element> elmEdgeTab;

private:
    // What the run calls back: the status line, and giving up the schedule.
    void SetStatus(const std::string& text) override { lblTimeRemain.Caption = text; }
    void AbortSchedule() override;

    RunSettings CurrentRunSettings() const;
    double IntervalSeconds();
    void StartAutomation();
    void ApplyStartButtonRule();
    void PutCheckValue(CheckBox& box, int value, void (Form1::*click)());
    void ShowInformation(const std::string& text);

    Context& context_;
    bool anotherInstanceRuns_ = false;
    bool inTick_ = false;
    std::optional<RunOutcome> lastRun_;
};

}  // namespace tidemark
