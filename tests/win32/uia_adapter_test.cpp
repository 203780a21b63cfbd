// The COM adapter against the system's UI Automation. Wine 8.0 registers no
// CUIAutomation class, so under Wine these are skipped; on Windows they run.

#include <gtest/gtest.h>

#include "com_apartment.h"
#include "uia/ids.h"
#include "win32_automation_factory.h"

namespace tidemark::win32 {
namespace {

class UiAutomationTest : public ::testing::Test {
protected:
    void SetUp() override {
        try {
            automation = factory.CreateAutomation();
        } catch (const PlatformError& error) {
            if (error.code() != kClassNotRegistered) throw;
            GTEST_SKIP() << "UI Automation is not registered on this system (REGDB_E_CLASSNOTREG), as under Wine";
        }
        desktop = automation->ElementFromHandle(factory.GetDesktopWindow());
        ASSERT_TRUE(desktop);
        walker = automation->ControlViewWalker();
        ASSERT_TRUE(walker);
    }

    ComApartment apartment;
    Win32AutomationFactory factory;
    uia::Ref<uia::Automation> automation;
    uia::Ref<uia::Element> desktop;
    uia::Ref<uia::TreeWalker> walker;
};

TEST_F(UiAutomationTest, DesktopElementHasANameAndARuntimeId) {
    const std::string name = desktop->CurrentName();
    EXPECT_FALSE(name.empty());
    EXPECT_EQ(desktop->GetCurrentPropertyValue(uia::property::Name), uia::PropertyValue{name});
    EXPECT_EQ(desktop->GetCurrentPropertyValue(uia::property::ControlType), uia::PropertyValue{uia::control::Pane});
    EXPECT_FALSE(desktop->GetRuntimeId().empty());
    EXPECT_TRUE(desktop->CurrentIsEnabled());
}

TEST_F(UiAutomationTest, WalkerFindsAChildOfTheDesktopAndComesBack) {
    const auto first = walker->GetFirstChildElement(desktop);
    ASSERT_TRUE(first);
    EXPECT_TRUE(walker->GetLastChildElement(desktop));
    const auto parent = walker->GetParentElement(first);
    ASSERT_TRUE(parent);
    EXPECT_EQ(parent->GetRuntimeId(), desktop->GetRuntimeId());
    EXPECT_FALSE(walker->GetParentElement(desktop));
    EXPECT_FALSE(walker->GetPreviousSiblingElement(first));
}

TEST_F(UiAutomationTest, PropertyConditionsFindTheDesktopsChildren) {
    const auto all = desktop->FindAll(uia::scope::Children, automation->CreateTrueCondition());
    ASSERT_GT(all->Length(), 0);
    const auto child = all->GetElement(0);
    ASSERT_TRUE(child);
    const std::string className = child->CurrentClassName();
    ASSERT_FALSE(className.empty());

    const auto byClass = automation->CreatePropertyCondition(uia::property::ClassName, className);
    const auto found = desktop->FindFirst(uia::scope::Children, byClass);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->CurrentClassName(), className);

    const auto controlType = child->GetCurrentPropertyValue(uia::property::ControlType);
    const auto both = automation->CreateAndCondition(
        byClass, automation->CreatePropertyCondition(uia::property::ControlType, controlType));
    EXPECT_TRUE(desktop->FindFirst(uia::scope::Children, both));

    const auto part =
        automation->CreatePropertyConditionEx(uia::property::ClassName, className.substr(1), uia::kMatchSubstring);
    EXPECT_TRUE(desktop->FindFirst(uia::scope::Children, part));
    const auto none = automation->CreatePropertyCondition(uia::property::ClassName, std::string("Tidemark-none"));
    EXPECT_FALSE(desktop->FindFirst(uia::scope::Children, none));
    EXPECT_EQ(desktop->FindAll(uia::scope::Children, none)->Length(), 0);
}

}  // namespace
}  // namespace tidemark::win32
