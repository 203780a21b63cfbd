// The adapter's mapping of the seam onto COM calls, seen through fakes:
// which call each seam method makes, what travels, and that a failed
// HRESULT arrives as PlatformError with its code.

#include <gtest/gtest.h>

#include <memory>

#include "com_condition.h"
#include "com_element.h"
#include "com_patterns.h"
#include "com_tree_walker.h"
#include "fake_com.h"
#include "throws_platform_error.h"
#include "uia/ids.h"

namespace tidemark::win32 {
namespace {

using namespace testing;

template <class Fake>
ComPtr<IUnknown> AsUnknown(Fake& fake) {
    return ComPtr<IUnknown>::Copy(static_cast<IUnknown*>(&fake));
}

TEST(ComAdapter, PatternsCallThroughAndReportFailures) {
    FakeInvokePattern invoke;
    FakeValuePattern value;
    FakeSelectionItemPattern selection;
    {
        const auto invokable =
            std::dynamic_pointer_cast<uia::InvokePattern>(WrapPattern(uia::pattern::Invoke, AsUnknown(invoke)));
        ASSERT_TRUE(invokable);
        invokable->Invoke();
        invoke.answer = static_cast<HRESULT>(kElementNotAvailable);
        EXPECT_THAT([&] { invokable->Invoke(); }, ThrowsPlatformError(kElementNotAvailable));
        EXPECT_EQ(invoke.calls, L"Invoke;Invoke;");

        const auto settable =
            std::dynamic_pointer_cast<uia::ValuePattern>(WrapPattern(uia::pattern::Value, AsUnknown(value)));
        ASSERT_TRUE(settable);
        settable->SetValue("https://usen.speedtest.jp/ 速度");
        EXPECT_EQ(value.received, L"https://usen.speedtest.jp/ 速度");

        const auto selectable = std::dynamic_pointer_cast<uia::SelectionItemPattern>(
            WrapPattern(uia::pattern::SelectionItem, AsUnknown(selection)));
        ASSERT_TRUE(selectable);
        EXPECT_FALSE(selectable->CurrentIsSelected());
        selection.isSelected = TRUE;
        EXPECT_TRUE(selectable->CurrentIsSelected());
        selectable->Select();
        EXPECT_EQ(selection.calls, L"get_CurrentIsSelected;get_CurrentIsSelected;Select;");
        selection.answer = E_FAIL;
        EXPECT_THAT([&] { selectable->Select(); }, ThrowsPlatformError(kEFail));
    }
    EXPECT_EQ(invoke.references, 1u);
    EXPECT_EQ(value.references, 1u);
    EXPECT_EQ(selection.references, 1u);
}

TEST(ComAdapter, PatternsAreFetchedByTheirIdOnly) {
    FakeInvokePattern invoke;
    EXPECT_FALSE(WrapPattern(uia::pattern::Invoke, nullptr));
    // The object answered for the Window id must be a window pattern.
    EXPECT_THAT([&] { WrapPattern(uia::pattern::Window, AsUnknown(invoke)); },
                ThrowsPlatformError(static_cast<HResult>(E_NOINTERFACE)));
    EXPECT_THAT([&] { WrapPattern(10004, AsUnknown(invoke)); }, ThrowsPlatformError(kEInvalidArg));
    EXPECT_EQ(invoke.references, 1u);
}

TEST(ComAdapter, ElementArraysAnswerNoneAndLengthZero) {
    FakeElementArray elements;
    elements.length = 2;
    {
        ComElementArray array(ComPtr<IUIAutomationElementArray>::Copy(&elements));
        EXPECT_EQ(array.Length(), 2);
        EXPECT_FALSE(array.GetElement(1));  // a null element with S_OK is none
        EXPECT_THAT([&] { array.GetElement(2); }, ThrowsPlatformError(kEInvalidArg));
    }
    EXPECT_EQ(elements.references, 1u);

    ComElementArray nothing(nullptr);
    EXPECT_EQ(nothing.Length(), 0);
}

TEST(ComAdapter, EachWalkerStepMakesItsOwnCall) {
    FakeTreeWalker fake;
    ComTreeWalker walker(ComPtr<IUIAutomationTreeWalker>::Copy(&fake));
    const uia::Ref<uia::Element> none;
    EXPECT_FALSE(walker.GetParentElement(none));
    EXPECT_FALSE(walker.GetPreviousSiblingElement(none));
    EXPECT_FALSE(walker.GetNextSiblingElement(none));
    EXPECT_FALSE(walker.GetFirstChildElement(none));
    EXPECT_FALSE(walker.GetLastChildElement(none));
    EXPECT_EQ(fake.calls,
              L"GetParentElement;GetPreviousSiblingElement;GetNextSiblingElement;GetFirstChildElement;"
              L"GetLastChildElement;");

    fake.answer = static_cast<HRESULT>(kElementNotAvailable);
    EXPECT_THAT([&] { walker.GetNextSiblingElement(none); }, ThrowsPlatformError(kElementNotAvailable));
}

TEST(ComAdapter, ReferencesFromAnotherPlatformAreRefused) {
    class ForeignCondition final : public uia::Condition {};
    EXPECT_EQ(ConditionOf(nullptr), nullptr);
    EXPECT_THAT([] { ConditionOf(std::make_shared<ForeignCondition>()); }, ThrowsPlatformError(kEInvalidArg));
    EXPECT_EQ(ElementOf(nullptr), nullptr);
}

}  // namespace
}  // namespace tidemark::win32
