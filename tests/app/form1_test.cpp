#include "app/form1.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/form_validation.h"
#include "common/automation_startup.h"
#include "sim/sim_test.h"
#include "throws_platform_error.h"

namespace tidemark {
namespace {

const std::vector<std::string> kSettingKeys = {"chkFAST",     "chkUSEN",     "chkSPEED",
                                               "txtFileName", "txtInterval", "chkCloseEdge"};
constexpr std::uint8_t kVirtualKeyControl = 0x11;

std::string Describe(const sim::WindowOrderCall& call) {
    if (const auto* title = std::get_if<std::string>(&call)) return "activate " + *title;
    switch (std::get<sim::WindowPosCall>(call).insertAfter) {
        case sim::SimWindowOrder::kTopmost: return "topmost";
        case sim::SimWindowOrder::kNotTopmost: return "not topmost";
        default: return "moved";
    }
}

class Form1Test : public test::SimTest {
protected:
    Form1Test() {
        sim.messageBoxes.onShow = [this](const sim::ShownMessage& shown) {
            const auto& calls = sim.windowOrder.calls();
            ASSERT_GE(calls.size(), 3u) << shown.text;
            const std::vector<std::string> lastThree = {Describe(calls.end()[-3]), Describe(calls.end()[-2]),
                                                        Describe(calls.end()[-1])};
            const std::vector<std::string> front = {"activate Tidemark", "topmost", "not topmost"};
            EXPECT_EQ(lastThree, front) << "BringFormToFront before " << shown.text;
        };
    }

    // Form_Load starts UI Automation itself; starting it here would hide whether it does.
    void SetUp() override {}

    void Load(Form1& target) { ASSERT_EQ(target.Form_Load(), ProcessFate::KeepRunning); }

    // What the field's Validate decided for the text: "pass", "silent" (refused
    // without a word) or the message shown, which must follow BringFormToFront.
    std::string Validate(TextBox& field, void (Form1::*validate)(bool&), const std::string& text) {
        const std::size_t before = sim.messageBoxes.shown().size();
        field.Text = text;
        bool cancel = false;
        (form.*validate)(cancel);
        EXPECT_EQ(field.Text, text) << "left as typed";
        if (sim.messageBoxes.shown().size() == before) return cancel ? "silent" : "pass";
        EXPECT_TRUE(cancel) << text;
        return LastMessage();
    }
    std::string Interval(const std::string& text) {
        return Validate(form.txtInterval, &Form1::txtInterval_Validate, text);
    }
    std::string FileName(const std::string& text) {
        return Validate(form.txtFileName, &Form1::txtFileName_Validate, text);
    }

    std::string LastMessage() {
        const sim::ShownMessage& shown = sim.messageBoxes.shown().back();
        EXPECT_EQ(shown.title, "");
        EXPECT_EQ(shown.buttons, MessageButtons::Ok);
        EXPECT_EQ(shown.icon, MessageIcon::Information);
        return shown.text;
    }

    // The window's own section of the store; reading counts as a read too.
    void Store(const std::string& key, const std::string& value) {
        sim.settings.Set("Tidemark", "Setting", key, value);
    }
    std::optional<std::string> Stored(const std::string& key) { return sim.settings.Get("Tidemark", "Setting", key); }

    Form1 form{context};
};

TEST_F(Form1Test, FirstStartWithAnEmptyStoreShowsTheDefaultsIdle) {
    Load(form);
    EXPECT_EQ(sim.settings.readKeys(), kSettingKeys);
    for (const CheckBox* box : {&form.chkFAST, &form.chkUSEN, &form.chkSPEED, &form.chkCloseEdge})
        EXPECT_EQ(box->Value, 1);
    EXPECT_EQ(form.txtFileName.Text, "Tidemark");
    EXPECT_EQ(form.txtInterval.Text, "30");
    EXPECT_TRUE(form.cmdStart.Enabled);
    EXPECT_FALSE(form.cmdStop.Enabled);
    EXPECT_FALSE(form.cmdTestNow.Enabled);
    EXPECT_FALSE(form.tmrProc.Enabled);
    EXPECT_EQ(form.tmrProc.Interval, 500);
    EXPECT_EQ(form.lblTimeRemain.Caption, "");
    EXPECT_FALSE(form.IntervalLimitOff);
    EXPECT_TRUE(context.automation.initialised);
    EXPECT_EQ(context.EdgePath, "C:\\Program Files (x86)\\Microsoft\\Edge\\Application\\msedge.exe");
    EXPECT_TRUE(sim.messageBoxes.shown().empty());
}

TEST_F(Form1Test, StartIsEnabledExactlyWhileAServiceIsChosen) {
    for (const char* key : {"chkFAST", "chkUSEN", "chkSPEED"}) Store(key, "0");
    Load(form);
    EXPECT_FALSE(form.cmdStart.Enabled);
    form.chkCloseEdge.Value = 0;  // the close-Edge box has no handler that touches Start
    EXPECT_FALSE(form.cmdStart.Enabled);

    const std::pair<CheckBox*, void (Form1::*)()> services[] = {{&form.chkFAST, &Form1::chkFAST_Click},
                                                                {&form.chkUSEN, &Form1::chkUSEN_Click},
                                                                {&form.chkSPEED, &Form1::chkSPEED_Click}};
    for (auto [box, click] : services) {
        box->Value = 1;
        (form.*click)();
        EXPECT_TRUE(form.cmdStart.Enabled);
        box->Value = 0;
        (form.*click)();
        EXPECT_FALSE(form.cmdStart.Enabled);
    }
}

TEST_F(Form1Test, IntervalNeedsANumberOfAtLeastThreeMinutesThatTheScheduleCanStepBy) {
    Load(form);
    for (const char* passes : {"3", "3.5", " 30 ", "1e1", "1,440"}) EXPECT_EQ(Interval(passes), "pass") << passes;
    for (const char* silent : {"abc", "", "   ", "5 min", "1e400"}) EXPECT_EQ(Interval(silent), "silent") << silent;
    for (const char* small : {"2.9", "-5", "0"}) EXPECT_EQ(Interval(small), kIntervalMinimumMessage) << small;
    EXPECT_EQ(Interval("1e300"), kIntervalTooLongMessage);
}

TEST_F(Form1Test, CtrlAtStartLiftsTheMinimumForGoodButNotTheScheduleLimits) {
    sim.keyboard.SetKeyDown(kVirtualKeyControl, true);
    Load(form);
    sim.keyboard.SetKeyDown(kVirtualKeyControl, false);
    for (const char* passes : {"1", "0.5", "1e-5"}) EXPECT_EQ(Interval(passes), "pass") << passes;
    EXPECT_EQ(Interval("0"), kIntervalNotPositiveMessage);
    EXPECT_EQ(Interval("-5"), kIntervalNotPositiveMessage);
    EXPECT_EQ(Interval("1e-9"), kIntervalTooShortMessage);
    EXPECT_EQ(Interval("1e300"), kIntervalTooLongMessage);
}

TEST_F(Form1Test, FileNamesWithForbiddenCharactersOrDeviceNamesAreRefused) {
    Load(form);
    for (const char* refused : {"a,b", "a;b", "a/b", "C:log", "CON", "nul.txt", "com1", "LPT9.csv"})
        EXPECT_EQ(FileName(refused), kInvalidFileNameMessage) << refused;
    for (const char* passes : {"my speed log", "", "CONSOLE", "回線速度"})
        EXPECT_EQ(FileName(passes), "pass") << passes;
}

TEST_F(Form1Test, ASecondCopyEndsAtOnceWithoutReadingOrSaving) {
    sim.instanceLock.SetHeldByAnother(true);
    EXPECT_EQ(form.Form_Load(), ProcessFate::EndAtOnce);
    EXPECT_EQ(form.Form_Unload(), ProcessFate::EndAtOnce);
    EXPECT_TRUE(sim.settings.readKeys().empty());
    EXPECT_TRUE(sim.settings.writtenKeys().empty());
    EXPECT_TRUE(sim.messageBoxes.shown().empty());
    EXPECT_TRUE(sim.windowOrder.calls().empty());
    EXPECT_EQ(sim.automationFactory.created(), 0);
}

TEST_F(Form1Test, SettingsAreSavedAsTypedAndLoadedUnvalidated) {
    Load(form);
    form.chkFAST.Value = 0;
    form.chkCloseEdge.Value = 0;
    EXPECT_EQ(FileName("a,b"), kInvalidFileNameMessage);
    EXPECT_EQ(Interval("2"), kIntervalMinimumMessage);
    EXPECT_EQ(form.Form_Unload(), ProcessFate::EndAtOnce);
    EXPECT_EQ(sim.settings.writtenKeys(), kSettingKeys);
    EXPECT_EQ(Stored("chkFAST"), "0");
    EXPECT_EQ(Stored("chkUSEN"), "1");

    Form1 next(context);
    Load(next);
    EXPECT_EQ(next.chkFAST.Value, 0);
    EXPECT_EQ(next.chkUSEN.Value, 1);
    EXPECT_EQ(next.chkCloseEdge.Value, 0);
    EXPECT_EQ(next.txtFileName.Text, "a,b");
    EXPECT_EQ(next.txtInterval.Text, "2");
}

TEST_F(Form1Test, StoredValuesThatCannotBeUsedFallBackToTheDefaults) {
    Store("chkFAST", "yes");
    Store("chkUSEN", "1.0");
    Store("chkSPEED", " 0 ");
    Store("chkCloseEdge", "2");
    Store("txtInterval", "thirty");
    Load(form);
    EXPECT_EQ(form.chkFAST.Value, 1);
    EXPECT_EQ(form.chkUSEN.Value, 1);
    EXPECT_EQ(form.chkSPEED.Value, 0);
    EXPECT_EQ(form.chkCloseEdge.Value, 1);
    EXPECT_EQ(form.txtInterval.Text, "30");
    for (const char* unusable : {"", "0", "-1", "1e-12", "1e300"}) {
        Store("txtInterval", unusable);
        Form1 next(context);
        Load(next);
        EXPECT_EQ(next.txtInterval.Text, "30") << unusable;
    }
}

TEST_F(Form1Test, WithoutUiAutomationTheWindowSaysSoAndStaysUsable) {
    sim.automationFactory.FailWith(kClassNotRegistered);
    Store("txtFileName", "home line");
    Load(form);
    ASSERT_EQ(sim.messageBoxes.shown().size(), 1u);
    const std::string text = LastMessage();
    EXPECT_NE(text.find("UI Automation"), std::string::npos) << text;
    EXPECT_NE(text.find("0x80040154"), std::string::npos) << text;
    EXPECT_EQ(form.txtFileName.Text, "home line");
    EXPECT_TRUE(form.cmdStart.Enabled);
    EXPECT_FALSE(context.EdgePath.empty());
    EXPECT_EQ(Interval("2"), kIntervalMinimumMessage);

    // What a run will find: nothing initialised, and the same error when it tries again.
    EXPECT_FALSE(context.automation.initialised);
    EXPECT_EQ(context.automation.automation, nullptr);
    EXPECT_THAT([&] { InitAutomation(context); }, ThrowsPlatformError(kClassNotRegistered));
}

}  // namespace
}  // namespace tidemark
