#include "app/form1.h"

#include <exception>

#include "app/form1_layout.h"
#include "app/form_settings.h"
#include "app/form_validation.h"
#include "app/interval_limits.h"
#include "app/remain_time.h"
#include "browser/close_edge.h"
#include "browser/window_state.h"
#include "common/automation_startup.h"
#include "common/edge_path.h"
#include "common/reentry_guard.h"
#include "common/wait_clock.h"
#include "common/window_utils.h"
#include "metrics/run_metrics.h"
#include "report/report_command.h"
#include "run/result_file.h"
#include "run/run_speed_tests.h"

namespace tidemark {

namespace {
constexpr std::size_t kVirtualKeyControl = 0x11;
constexpr double kDueWindowSeconds = 0.6;
constexpr double kFallbackIntervalMinutes = 3;

CheckBox DesignCheckBox(const char* name) { return {Form1Control(name).designValue, true}; }
TextBox DesignTextBox(const char* name) { return {std::string(Form1Control(name).caption), true}; }
}  // namespace

Form1::Form1(Context& context)
    : chkFAST(DesignCheckBox("chkFAST")),
      chkUSEN(DesignCheckBox("chkUSEN")),
      chkSPEED(DesignCheckBox("chkSPEED")),
      txtFileName(DesignTextBox("txtFileName")),
      txtInterval(DesignTextBox("txtInterval")),
      chkCloseEdge(DesignCheckBox("chkCloseEdge")),
      context_(context) {}

ProcessFate Form1::Form_Load() {
    Platform& platform = context_.platform;
    if (!platform.instanceLock.TryAcquire()) {
        anotherInstanceRuns_ = true;
        return ProcessFate::EndAtOnce;
    }
    if ((platform.keyboard.GetKeyboardState()[kVirtualKeyControl] & 0x80) != 0) IntervalLimitOff = true;
    StartAutomation();
    GetEdgePath(context_);

    tmrProc.Enabled = false;
    cmdStop.Enabled = false;
    cmdTestNow.Enabled = false;

    const FormSettings stored = LoadFormSettings(platform.settings, platform.locale);
    PutCheckValue(chkFAST, stored.chkFAST, &Form1::chkFAST_Click);
    PutCheckValue(chkUSEN, stored.chkUSEN, &Form1::chkUSEN_Click);
    PutCheckValue(chkSPEED, stored.chkSPEED, &Form1::chkSPEED_Click);
    txtFileName.Text = stored.txtFileName;
    txtInterval.Text = stored.txtInterval;
    chkCloseEdge.Value = stored.chkCloseEdge;

    ApplyStartButtonRule();
    return ProcessFate::KeepRunning;
}

ProcessFate Form1::Form_Unload() {
    // A copy that ended at start-up has read nothing, so it saves nothing.
    if (!anotherInstanceRuns_) {
        SaveFormSettings(context_.platform.settings, {chkFAST.Value, chkUSEN.Value, chkSPEED.Value, txtFileName.Text,
                                                      txtInterval.Text, chkCloseEdge.Value});
    }
    return ProcessFate::EndAtOnce;
}

// Without UI Automation the window still works: the settings can be edited
// and saved, and the automation state stays uninitialised, so a run that
// starts InitAutomation again meets the same error and ends with it.
void Form1::StartAutomation() {
    try {
        InitAutomation(context_);
    } catch (const PlatformError& error) {
        ShowInformation("UI Automation could not be started (error " + HResultText(error.code()) +
                        "). The settings can be changed, but measurements cannot run.");
    }
}

void Form1::chkFAST_Click() { ApplyStartButtonRule(); }
void Form1::chkUSEN_Click() { ApplyStartButtonRule(); }
void Form1::chkSPEED_Click() { ApplyStartButtonRule(); }

void Form1::txtFileName_Validate(bool& Cancel) {
    const ValidationOutcome outcome = ValidateFileName(txtFileName.Text);
    if (!outcome.message.empty()) ShowInformation(outcome.message);
    if (outcome.cancel) Cancel = true;
}

void Form1::txtInterval_Validate(bool& Cancel) {
    const ValidationOutcome outcome = ValidateInterval(context_.platform.locale, txtInterval.Text, IntervalLimitOff);
    if (!outcome.message.empty()) ShowInformation(outcome.message);
    if (outcome.cancel) Cancel = true;
}

void Form1::cmdStart_Click() {
    lblTimeRemain.Caption.clear();
    NextRunTime = ReadWaitClock(context_.platform.clock);
    Frame1.Enabled = false;
    cmdStart.Enabled = false;
    cmdStop.Enabled = true;
    cmdTestNow.Enabled = true;
    RunAborted = false;
    tmrProc_Timer();  // due now: the first run happens inside the click
    if (!RunAborted) tmrProc.Enabled = true;
}

void Form1::cmdStop_Click() {
    lblTimeRemain.Caption.clear();
    tmrProc.Enabled = false;
    cmdTestNow.Enabled = false;
    cmdStop.Enabled = false;
    cmdStart.Enabled = true;
    Frame1.Enabled = true;
    if (chkCloseEdge.Value == 1 && EdgeWindowAnswers(context_, elmEdgeWindow)) (void)CloseEdge(context_, elmEdgeWindow);
}

void Form1::cmdTestNow_Click() {
    if (cmdStop.Enabled && !cmdStart.Enabled) NextRunTime = ReadWaitClock(context_.platform.clock);
}

void Form1::tmrProc_Timer() {
    // A tick that falls inside a run's waits is not a tick of its own.
    if (inTick_) return;
    const ReentryGuard inTick(inTick_);

    const double now = ReadWaitClock(context_.platform.clock);
    lblTimeRemain.Caption = GetRemainTimeText(NextRunTime - now);
    if (NextRunTime - kDueWindowSeconds < now && now < NextRunTime + kDueWindowSeconds) {
        cmdStop.Enabled = false;
        cmdTestNow.Enabled = false;
        cmdReport.Enabled = false;
        lastRun_ = RunSpeedTests(context_, CurrentRunSettings(), *this, elmEdgeWindow, elmEdgeTab);
        metrics::WriteRunMetrics(context_, *lastRun_);
        cmdReport.Enabled = true;
        if (RunAborted) return;
        NextRunTime += IntervalSeconds();  // from the slot's own time, not the run's end
    } else if (NextRunTime < now) {
        // Missed slots (sleep, a moved clock, a long run) are skipped, never made up.
        do {
            NextRunTime += IntervalSeconds();
            context_.platform.pump.DoEvents();
        } while (NextRunTime <= now);
    }
    cmdTestNow.Enabled = true;
    cmdStop.Enabled = true;
}

void Form1::cmdReport_Click() {
    if (context_.records == nullptr) return ShowInformation("This program keeps no record to report on.");
    RecordServices& records = *context_.records;
    std::string csvPath;
    try {
        csvPath = FormCsvPath(context_.platform, txtFileName.Text);
        const report::ReportRequest request{csvPath, records.files.Folder() + txtFileName.Text + ".html",
                                            report::kDefaultBelowMbps};
        const report::ReportMade made =
            report::MakeReport(records.files, request, context_.platform.clock.Now(), context_.platform.locale.Dates());
        if (!made.refusal.empty()) return ShowInformation(made.refusal);
        records.viewer.Show(made.outputPath);
    } catch (const PlatformError& error) {
        ShowInformation(error.code() == kFileNotFound && !csvPath.empty()
                            ? "There is no result file yet: " + csvPath
                            : std::string("The report could not be made: ") + error.what());
    } catch (const std::exception& error) {
        // Whatever went wrong in reading a damaged file, the window goes on working.
        ShowInformation(std::string("The report could not be made: ") + error.what());
    } catch (...) {
        ShowInformation("The report could not be made: an unknown error.");
    }
}

void Form1::AbortSchedule() {
    RunAborted = true;
    cmdStop_Click();
}

RunSettings Form1::CurrentRunSettings() const {
    return {chkFAST.Value == 1, chkUSEN.Value == 1, chkSPEED.Value == 1, chkCloseEdge.Value == 1, txtFileName.Text};
}

// The field is validated as it is left; a value the schedule cannot step by
// (possible only with the limit off) falls back to the usual minimum.
double Form1::IntervalSeconds() {
    double minutes = IntervalMinutes(context_.platform.locale, txtInterval.Text);
    if (CheckIntervalFits(minutes) != IntervalFit::Schedulable) minutes = kFallbackIntervalMinutes;
    return minutes * 60.0;
}

void Form1::ApplyStartButtonRule() {
    cmdStart.Enabled = chkFAST.Value == 1 || chkUSEN.Value == 1 || chkSPEED.Value == 1;
}

// Like a toolkit's check box, which raises Click when its value changes.
void Form1::PutCheckValue(CheckBox& box, int value, void (Form1::*click)()) {
    if (box.Value == value) return;
    box.Value = value;
    (this->*click)();
}

void Form1::ShowInformation(const std::string& text) {
    BringFormToFront(context_.platform);
    context_.platform.messageBoxes.Show(text, "", MessageButtons::Ok, MessageIcon::Information);
}

}  // namespace tidemark
