#include "app/run_once.h"

namespace tidemark {

namespace {
void PutService(CheckBox& box, bool chosen, Form1& form, void (Form1::*click)()) {
    const int value = chosen ? 1 : 0;
    if (box.Value == value) return;
    box.Value = value;
    (form.*click)();
}

std::string Figures(const char* service, const ResultPairs& pairs, std::size_t first, std::size_t last) {
    std::string text = std::string(" | ") + service;
    for (std::size_t i = first; i <= last; ++i) text += " " + pairs[i].figure + pairs[i].unit;
    return text;
}
}  // namespace

std::string RunOnceLine(const RunOutcome& outcome) {
    std::string line = outcome.rowWritten ? outcome.rowTime : std::string("no row");
    line += " | " + (outcome.note.empty() || !outcome.rowWritten ? outcome.status : outcome.note);
    if (!outcome.rowWritten) return line;
    return line + Figures("FAST", outcome.pairs, 0, 0) + Figures("USEN", outcome.pairs, 1, 4) +
           Figures("SPEED", outcome.pairs, 5, 7);
}

int RunOnce(Form1& form, const UnattendedOptions& options, std::ostream& out, std::ostream& err) {
    if (form.Form_Load() == ProcessFate::EndAtOnce) {
        err << "Another Tidemark is running; nothing was measured.\n";
        return run_once::kAnotherRuns;
    }
    if (options.services) {
        PutService(form.chkFAST, options.services->fast, form, &Form1::chkFAST_Click);
        PutService(form.chkUSEN, options.services->usen, form, &Form1::chkUSEN_Click);
        PutService(form.chkSPEED, options.services->speed, form, &Form1::chkSPEED_Click);
    }
    if (options.fileName) form.txtFileName.Text = *options.fileName;
    // The window's own checks: its file-name field as it is left (the message
    // goes where this process's message boxes go), and its Start button's rule.
    bool cancel = false;
    form.txtFileName_Validate(cancel);
    if (cancel) return run_once::kBadUsage;
    if (!form.cmdStart.Enabled) {
        err << "No service is chosen: give --services or choose one in the window.\n";
        return run_once::kBadUsage;
    }
    form.cmdStart_Click();
    const std::optional<RunOutcome>& run = form.LastRun();
    if (!run) return run_once::kErrorRow;
    out << RunOnceLine(*run) << "\n";
    out.flush();
    const bool figures = run->rowWritten && run->note.empty() && run->ending == RunEnding::AllDone;
    return figures ? run_once::kFigures : run_once::kErrorRow;
}

MessageAnswer ConsoleMessageBoxes::Show(const std::string& text, const std::string&, MessageButtons buttons,
                                        MessageIcon) {
    err_ << text << "\n";
    err_.flush();
    return buttons == MessageButtons::OkCancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
}

Platform WithMessageBoxes(const Platform& p, MessageBoxes& boxes) {
    return Platform{p.clock,           p.sleeper,           p.pump,   p.keyboard,
                    p.settings,        p.instanceLock,      boxes,    p.processStarter,
                    p.browserLocation, p.windowOrder,       p.beeper, p.environment,
                    p.locale,          p.automationFactory, p.files,  p.specialFolders};
}

}  // namespace tidemark
