#include "uia/conditions.h"

#include "sim/sim_test.h"

namespace tidemark::test {
namespace {

using namespace uia;

class Conditions : public SimTest {
protected:
    // The first element under the desktop that the built condition matches.
    sim::NodePtr First(const std::string& name, ControlType controlType, const std::string& className,
                       bool substring = false) {
        Ref<Condition> condition;
        if (!BuildCondition(context, condition, name, controlType, "", "", className, substring)) return nullptr;
        return NodeOf(context.automation.desktop->FindFirst(scope::Subtree, condition));
    }
};

TEST_F(Conditions, BlankCriteriaBuildNothingAndLeaveAGivenConditionAlone) {
    Ref<Condition> condition;
    EXPECT_FALSE(BuildCondition(context, condition, "   ", 0, " ", "", "  ", false));
    EXPECT_FALSE(condition);

    condition = context.automation.automation->CreateTrueCondition();
    const Ref<Condition> given = condition;
    EXPECT_TRUE(BuildCondition(context, condition, "", 0, "", "", "", true));
    EXPECT_EQ(condition, given);

    // A platform that gives no condition ends the build with false, the caller's condition untouched.
    desktop.AnswerNothing(sim::Call::CreatePropertyCondition, 1);
    EXPECT_FALSE(BuildCondition(context, condition, "OK", control::Button, "", "", "", false));
    EXPECT_EQ(condition, given);
}

TEST_F(Conditions, MatchNamesExactlyOrByAccessibleNameOrSubstring) {
    Window w = AddWindow();
    const sim::NodePtr spaced = w.pane->Add({.name = " OK ", .controlType = control::Button, .legacyName = "named"});
    const sim::NodePtr namedLikePrefix = w.pane->Add({.name = "legacyNameGo", .legacyName = "x"});
    const sim::NodePtr accessible = w.pane->Add({.name = "Go button", .legacyName = "Go"});
    const sim::NodePtr unnamed = w.pane->Add({.name = "no accessible name"});
    w.ok->legacyName = w.cancel->legacyName = w.help->legacyName = "named";
    w.window->legacyName = w.pane->legacyName = "named";
    desktop.root()->legacyName = "named";

    EXPECT_EQ(First("OK", 0, ""), w.ok);
    EXPECT_EQ(First(" OK ", 0, ""), spaced);  // blanks decide only whether a criterion is given
    EXPECT_EQ(First("ok", 0, ""), nullptr);
    EXPECT_EQ(First("legacyNAMEGo", 0, ""), accessible);
    EXPECT_EQ(First("LegacyName", 0, ""), unnamed);  // an empty accessible name
    EXPECT_EQ(First("Go", 0, "", true), namedLikePrefix);
    EXPECT_EQ(First("Go b", 0, "", true), accessible);
    EXPECT_EQ(First("Go b", 0, "", false), nullptr);
    // Criteria are ANDed.
    EXPECT_EQ(First("", control::Button, "Btn"), w.ok);
    EXPECT_EQ(First("Cancel", control::Button, "Btn"), w.cancel);
    EXPECT_EQ(First("Help", control::Button, ""), nullptr);
    EXPECT_EQ(First("   ", control::Hyperlink, " "), w.help);
}

}  // namespace
}  // namespace tidemark::test
