#include "app/form1.h"

#include <gtest/gtest.h>

#include "app/form_validation.h"
#include "common/automation_startup.h"
#include "fake_platform.h"

namespace tidemark {
namespace {

class Form1Test : public ::testing::Test {
protected:
    Form1& Load() {
        EXPECT_EQ(form.Form_Load(), ProcessFate::KeepRunning);
        return form;
    }

    const std::vector<fake::ShownMessage>& messages() const { return fake.messages.shown; }

    // Types the text into the interval field and lets the focus try to leave it.
    bool IntervalRefused(const std::string& text) {
        form.txtInterval.Text = text;
        bool cancel = false;
        form.txtInterval_Validate(cancel);
        return cancel;
    }

    bool FileNameRefused(const std::string& text) {
        form.txtFileName.Text = text;
        bool cancel = false;
        form.txtFileName_Validate(cancel);
        return cancel;
    }

    // The message shown last, which must have come after BringFormToFront.
    std::string LastMessage() const {
        if (messages().empty()) return {};
        const fake::ShownMessage& shown = messages().back();
        EXPECT_EQ(shown.title, "");
        EXPECT_EQ(shown.buttons, MessageButtons::Ok);
        EXPECT_EQ(shown.icon, MessageIcon::Information);
        EXPECT_GE(shown.windowOrderCallsBefore, 3) << "BringFormToFront first";
        EXPECT_EQ(fake.windowOrder.activated.back(), "Tidemark");
        EXPECT_EQ(fake.windowOrder.positions.back(), -2) << "not left topmost";
        return shown.text;
    }

    fake::FakePlatform fake;
    Context context{fake.platform};
    Form1 form{context};
};

const std::vector<std::string> kSettingKeys = {"chkFAST",     "chkUSEN",     "chkSPEED",
                                               "txtFileName", "txtInterval", "chkCloseEdge"};

TEST_F(Form1Test, FirstStartWithAnEmptyStoreShowsTheDefaultsIdle) {
    Load();
    EXPECT_EQ(fake.settings.reads, kSettingKeys);
    EXPECT_EQ(form.chkFAST.Value, 1);
    EXPECT_EQ(form.chkUSEN.Value, 1);
    EXPECT_EQ(form.chkSPEED.Value, 1);
    EXPECT_EQ(form.chkCloseEdge.Value, 1);
    EXPECT_EQ(form.txtFileName.Text, "Tidemark");
    EXPECT_EQ(form.txtInterval.Text, "30");
    EXPECT_TRUE(form.cmdStart.Enabled);
    EXPECT_FALSE(form.cmdStop.Enabled);
    EXPECT_FALSE(form.cmdTestNow.Enabled);
    EXPECT_FALSE(form.tmrProc.Enabled);
    EXPECT_EQ(form.tmrProc.Interval, 500);
    EXPECT_TRUE(form.Frame1.Enabled);
    EXPECT_EQ(form.lblTimeRemain.Caption, "");
    EXPECT_FALSE(form.IntervalLimitOff);
    EXPECT_TRUE(context.automation.initialised);
    EXPECT_EQ(context.automation.MaxWaitSeconds, 10);
    EXPECT_EQ(context.EdgePath, "C:\\Program Files (x86)\\Microsoft\\Edge\\Application\\msedge.exe");
    EXPECT_TRUE(messages().empty());
}

TEST_F(Form1Test, StartIsEnabledExactlyWhileAServiceIsChosen) {
    for (const char* key : {"chkFAST", "chkUSEN", "chkSPEED"}) fake.settings[key] = "0";
    Load();
    EXPECT_FALSE(form.cmdStart.Enabled);

    form.chkCloseEdge.Value = 0;  // the close-Edge box has no click handler that touches Start
    EXPECT_FALSE(form.cmdStart.Enabled);

    struct Box {
        CheckBox& box;
        void (Form1::*click)();
    };
    for (Box service : {Box{form.chkFAST, &Form1::chkFAST_Click}, Box{form.chkUSEN, &Form1::chkUSEN_Click},
                        Box{form.chkSPEED, &Form1::chkSPEED_Click}}) {
        service.box.Value = 1;
        (form.*service.click)();
        EXPECT_TRUE(form.cmdStart.Enabled);
        service.box.Value = 0;
        (form.*service.click)();
        EXPECT_FALSE(form.cmdStart.Enabled);
    }
}

TEST_F(Form1Test, IntervalNeedsThreeMinutesAndANumber) {
    Load();
    struct Case {
        const char* text;
        bool refused;
        std::string_view message;
    };
    const Case cases[] = {
        {"3", false, ""},
        {"3.5", false, ""},
        {" 30 ", false, ""},
        {"1e1", false, ""},
        {"1,440", false, ""},
        {"2.9", true, kIntervalMinimumMessage},
        {"-5", true, kIntervalMinimumMessage},
        {"0", true, kIntervalMinimumMessage},
        {"abc", true, ""},
        {"", true, ""},
        {"   ", true, ""},
        {"5 min", true, ""},
        {"1e400", true, ""},
        {"1e300", true, kIntervalTooLongMessage},
    };
    for (const Case& c : cases) {
        const std::size_t before = messages().size();
        EXPECT_EQ(IntervalRefused(c.text), c.refused) << c.text;
        EXPECT_EQ(form.txtInterval.Text, c.text) << "left as typed";
        if (c.message.empty()) {
            EXPECT_EQ(messages().size(), before) << c.text;
        } else {
            ASSERT_EQ(messages().size(), before + 1) << c.text;
            EXPECT_EQ(LastMessage(), c.message) << c.text;
        }
    }
}

TEST_F(Form1Test, CtrlAtStartLiftsTheMinimumButNotTheScheduleLimits) {
    fake.keyboard.ctrlHeld = true;
    Load();
    fake.keyboard.ctrlHeld = false;  // released after start-up: the limit stays off
    EXPECT_TRUE(form.IntervalLimitOff);

    EXPECT_FALSE(IntervalRefused("1"));
    EXPECT_FALSE(IntervalRefused("0.5"));
    EXPECT_FALSE(IntervalRefused("1e-5"));
    EXPECT_TRUE(messages().empty());

    EXPECT_TRUE(IntervalRefused("0"));
    EXPECT_EQ(LastMessage(), kIntervalNotPositiveMessage);
    EXPECT_TRUE(IntervalRefused("-5"));
    EXPECT_EQ(LastMessage(), kIntervalNotPositiveMessage);
    EXPECT_TRUE(IntervalRefused("1e-9"));
    EXPECT_EQ(LastMessage(), kIntervalTooShortMessage);
    EXPECT_TRUE(IntervalRefused("1e300"));
    EXPECT_EQ(LastMessage(), kIntervalTooLongMessage);
    EXPECT_EQ(messages().size(), 4u);
}

TEST_F(Form1Test, FileNamesWithForbiddenCharactersOrDeviceNamesAreRefused) {
    Load();
    for (const char* name : {"a,b", "a;b", "a/b", "C:log", "CON", "nul.txt", "com1", "LPT9.csv"}) {
        const std::size_t before = messages().size();
        EXPECT_TRUE(FileNameRefused(name)) << name;
        EXPECT_EQ(form.txtFileName.Text, name);
        ASSERT_EQ(messages().size(), before + 1) << name;
        EXPECT_EQ(LastMessage(), kInvalidFileNameMessage);
    }
    const std::size_t refusals = messages().size();
    for (const char* name : {"my speed log", "", "CONSOLE", "回線速度"}) EXPECT_FALSE(FileNameRefused(name)) << name;
    EXPECT_EQ(messages().size(), refusals);
}

TEST_F(Form1Test, ASecondCopyEndsAtOnceWithoutReadingOrSaving) {
    fake.lock.heldByAnotherCopy = true;
    EXPECT_EQ(form.Form_Load(), ProcessFate::EndAtOnce);
    EXPECT_EQ(form.Form_Unload(), ProcessFate::EndAtOnce);
    EXPECT_TRUE(fake.settings.reads.empty());
    EXPECT_TRUE(fake.settings.writes.empty());
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(fake.automationFactory.creations, 0);
    EXPECT_EQ(fake.windowOrder.calls, 0);
}

TEST_F(Form1Test, SettingsAreSavedAsTypedAndLoadedUnvalidated) {
    Load();
    form.chkFAST.Value = 0;
    form.chkCloseEdge.Value = 0;
    form.txtFileName.Text = "a,b";
    form.txtInterval.Text = "2";
    EXPECT_TRUE(IntervalRefused("2"));
    EXPECT_EQ(form.Form_Unload(), ProcessFate::EndAtOnce);
    EXPECT_EQ(fake.settings.writes, kSettingKeys);
    EXPECT_EQ(fake.settings["chkFAST"], "0");
    EXPECT_EQ(fake.settings["chkUSEN"], "1");
    EXPECT_EQ(fake.settings["txtFileName"], "a,b");
    EXPECT_EQ(fake.settings["txtInterval"], "2");
    EXPECT_EQ(fake.settings["chkCloseEdge"], "0");

    Form1 next(context);
    EXPECT_EQ(next.Form_Load(), ProcessFate::KeepRunning);
    EXPECT_EQ(next.chkFAST.Value, 0);
    EXPECT_EQ(next.chkUSEN.Value, 1);
    EXPECT_EQ(next.chkCloseEdge.Value, 0);
    EXPECT_EQ(next.txtFileName.Text, "a,b");
    EXPECT_EQ(next.txtInterval.Text, "2");
}

TEST_F(Form1Test, StoredValuesThatCannotBeUsedFallBackToTheDefaults) {
    fake.settings["chkFAST"] = "yes";
    fake.settings["chkUSEN"] = "1.0";
    fake.settings["chkSPEED"] = " 0 ";
    fake.settings["chkCloseEdge"] = "2";
    fake.settings["txtInterval"] = "thirty";
    Load();
    EXPECT_EQ(form.chkFAST.Value, 1);
    EXPECT_EQ(form.chkUSEN.Value, 1);
    EXPECT_EQ(form.chkSPEED.Value, 0);
    EXPECT_EQ(form.chkCloseEdge.Value, 1);
    EXPECT_EQ(form.txtInterval.Text, "30");

    for (const char* unusable : {"", "0", "-1", "1e-12", "1e300"}) {
        fake.settings["txtInterval"] = unusable;
        Form1 next(context);
        EXPECT_EQ(next.Form_Load(), ProcessFate::KeepRunning);
        EXPECT_EQ(next.txtInterval.Text, "30") << unusable;
    }
}

TEST_F(Form1Test, WithoutUiAutomationTheWindowSaysSoAndStaysUsable) {
    fake.automationFactory.failure = kClassNotRegistered;
    fake.settings["txtFileName"] = "home line";
    Load();
    ASSERT_EQ(messages().size(), 1u);
    const std::string text = LastMessage();
    EXPECT_NE(text.find("UI Automation"), std::string::npos) << text;
    EXPECT_NE(text.find("0x80040154"), std::string::npos) << text;

    EXPECT_EQ(form.txtFileName.Text, "home line");
    EXPECT_TRUE(form.cmdStart.Enabled);
    EXPECT_FALSE(form.cmdStop.Enabled);
    EXPECT_FALSE(context.EdgePath.empty());
    EXPECT_TRUE(IntervalRefused("2"));
    EXPECT_EQ(LastMessage(), kIntervalMinimumMessage);

    // What a run will find: nothing initialised, and the same error on a new attempt.
    EXPECT_FALSE(context.automation.initialised);
    EXPECT_EQ(context.automation.automation, nullptr);
    try {
        InitAutomation(context);
        ADD_FAILURE() << "InitAutomation should fail again";
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.code(), kClassNotRegistered);
    }
    EXPECT_EQ(form.Form_Unload(), ProcessFate::EndAtOnce);
    EXPECT_EQ(fake.settings["txtFileName"], "home line");
}

}  // namespace
}  // namespace tidemark
