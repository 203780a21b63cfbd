#pragma once

#include <ostream>
#include <string>

#include "app/form1.h"
#include "app/unattended_options.h"
#include "common/platform.h"

namespace tidemark {

namespace run_once {
inline constexpr int kFigures = 0;
inline constexpr int kErrorRow = 1;
inline constexpr int kBadUsage = 2;
inline constexpr int kAnotherRuns = 3;
}  // namespace run_once

// One run, exactly as the window's Start makes it, without showing the
// window: the form is loaded (taking the one-instance lock; a copy that does
// not get it writes nothing), the saved services and file name are replaced
// by the options' for this run only and checked as the window checks them,
// and Start is pressed. Prints the row's time, note and figures as one line
// on `out`; answers the process's exit status. The settings are not saved.
int RunOnce(Form1& form, const UnattendedOptions& options, std::ostream& out, std::ostream& err);

// "2026/12/07 9:03:07 | All Test completed | FAST 93Mbps | USEN ... | SPEED ...".
std::string RunOnceLine(const RunOutcome& outcome);

// Message boxes for a process nobody watches: the text goes to `err`, and a
// question is answered Cancel, for nobody will close the other program.
class ConsoleMessageBoxes : public MessageBoxes {
public:
    explicit ConsoleMessageBoxes(std::ostream& err) : err_(err) {}
    MessageAnswer Show(const std::string& text, const std::string& title, MessageButtons buttons,
                       MessageIcon icon) override;

private:
    std::ostream& err_;
};

// The platform with its message boxes replaced.
Platform WithMessageBoxes(const Platform& platform, MessageBoxes& boxes);

}  // namespace tidemark
