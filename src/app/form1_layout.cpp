#include "app/form1_layout.h"

#include <array>
#include <stdexcept>
#include <string>

#include "common/app_identity.h"
#include "sites/site_table.h"

namespace tidemark {

namespace {

using K = ControlKind;

// The check boxes' tooltips are the measurement pages the runs open.
constexpr std::array kControls = {
    ControlDescription{
        "chkFAST", -1, K::CheckBox, "Frame1", "FAST", {120, 240, 945, 225}, 0, 1, 0.0, kSiteFAST.address},
    ControlDescription{
        "chkUSEN", -1, K::CheckBox, "Frame1", "USEN", {1050, 240, 915, 225}, 1, 1, 0.0, kSiteUSEN.address},
    ControlDescription{
        "chkSPEED", -1, K::CheckBox, "Frame1", "SPEED", {2040, 240, 975, 225}, 2, 1, 0.0, kSiteSPEED.address},
    ControlDescription{"txtFileName",
                       -1,
                       K::TextBox,
                       "Frame1",
                       "Tidemark",
                       {1110, 630, 1485, 330},
                       3,
                       0,
                       0.0,
                       "The ｆile will be made in MyDocument\\."},
    ControlDescription{
        "txtInterval", -1, K::TextBox, "Frame1", "30", {1890, 1050, 705, 330}, 4, 0, 0.0, "Minimum is 3minute"},
    ControlDescription{"chkCloseEdge",
                       -1,
                       K::CheckBox,
                       "Frame1",
                       "Close Edge by every test.",
                       {150, 1440, 2925, 285},
                       5,
                       0,
                       0.0,
                       "Also,\nEdge will be closed if measurement fails."},
    ControlDescription{"cmdStop", -1, K::CommandButton, "", "Stop (&A)", {60, 2370, 1000, 405}, 6, 0, 0.0, ""},
    ControlDescription{"cmdTestNow", -1, K::CommandButton, "", "TestNow", {1260, 2490, 855, 285}, 7, 0, 9.0, ""},
    ControlDescription{"cmdStart", -1, K::CommandButton, "", "Start (&S)", {2190, 2370, 1000, 405}, 8, 0, 0.0, ""},
    // Beside the status heading, the one free place; last in the tab order so the
    // schedule's keys stay where they were.
    ControlDescription{"cmdReport",
                       -1,
                       K::CommandButton,
                       "",
                       "&Report",
                       {2430, 1860, 765, 225},
                       9,
                       0,
                       9.0,
                       "The history of the result file as a page in your browser"},
    ControlDescription{"Frame1", -1, K::Frame, "", "", {60, 0, 3135, 1845}, -1, 0, 0.0, ""},
    ControlDescription{"Label1", 0, K::Label, "Frame1", "File Name", {120, 660, 945, 255}, -1, 0, 0.0, ""},
    ControlDescription{"Label1", 1, K::Label, "Frame1", ".csv", {2640, 660, 405, 255}, -1, 0, 0.0, ""},
    ControlDescription{"Label1", 2, K::Label, "Frame1", "Measure Interval", {120, 1080, 1725, 255}, -1, 0, 0.0, ""},
    ControlDescription{"Label1", 3, K::Label, "Frame1", "min", {2640, 1080, 405, 255}, -1, 0, 0.0, ""},
    ControlDescription{"Label2", -1, K::Label, "", "Time Remain or Test status", {60, 1890, 2355, 195}, -1, 0, 9.0, ""},
    ControlDescription{"lblTimeRemain", -1, K::Label, "", "", {60, 2100, 3135, 195}, -1, 0, 9.0, ""},
    ControlDescription{"tmrProc", -1, K::Timer, "", "", {}, -1, 0, 0.0, ""},
};

constexpr FormDescription kForm{kAppTitle, 3255, 2835, "ＭＳ Ｐゴシック", 11.25};

}  // namespace

const FormDescription& Form1Description() { return kForm; }

std::span<const ControlDescription> Form1Controls() { return kControls; }

const ControlDescription& Form1Control(std::string_view name, int index) {
    for (const ControlDescription& control : kControls)
        if (control.name == name && control.index == index) return control;
    throw std::out_of_range("Form1 has no control " + std::string(name));
}

}  // namespace tidemark
