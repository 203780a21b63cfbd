// Each mapping of the COM adapter once, against the test server over a
// small tree: property conditions of each VARIANT kind and their AND, each
// tree scope, FindFirst and FindAll, each walker step, the four patterns,
// runtime ids, and UIA_E_ELEMENTNOTAVAILABLE from every call that can meet
// a gone element. The adapter's objects are used as the core uses them;
// raw COM only where the server's own answers are the point.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "com_apartment.h"
#include "com_automation.h"
#include "com_element.h"
#include "test_server.h"
#include "throws_platform_error.h"
#include "unique_bstr.h"
#include "unique_safearray.h"
#include "unique_variant.h"

namespace tidemark::win32::testing {
namespace {

using uia_tree::NodePtr;
namespace property = uia::property;
namespace pattern = uia::pattern;
namespace control = uia::control;

constexpr HResult kElementNotEnabled = static_cast<HResult>(0x80040200u);  // UIA_E_ELEMENTNOTENABLED

class AdapterMapping : public ::testing::Test {
protected:
    AdapterMapping() {
        window = tree.root()->Add(
            {.name = "Edge", .controlType = control::Window, .className = "Chrome_WidgetWin_1", .window = true});
        pane = window->Add({.name = "Page", .className = "BrowserView"});
        ok = pane->Add(
            {.name = "OK", .controlType = control::Button, .automationId = "ok", .className = "Btn", .invoke = true});
        field = pane->Add({.name = "Address and search bar",
                           .controlType = control::Edit,
                           .localizedControlType = "編集",
                           .legacyName = "アドレス",
                           .value = true});
        tab = pane->Add({.name = "Tab", .controlType = control::TabItem, .selectionItem = true});
        help = pane->Add({.name = "Help",
                          .controlType = control::Hyperlink,
                          .className = "Btn",
                          .enabled = false,
                          .runtimeId = {42, 7, -3, 9},
                          .invoke = true});
        desktop = automation->ElementFromHandle(uia_tree::Tree::kDesktopHandle);
        walker = automation->ControlViewWalker();
    }

    void TearDown() override {
        desktop.reset();
        walker.reset();
        automation.reset();
        raw.reset();
        EXPECT_EQ(ledger.references, 0) << "references the adapter never released";
        EXPECT_EQ(ledger.objects, 0);
        EXPECT_EQ(tree.live().total(), 0);
    }

    uia::Ref<uia::Element> Find(uia::PropertyId id, const uia::PropertyValue& value,
                                uia::TreeScope scope = uia::scope::Subtree) {
        return desktop->FindFirst(scope, automation->CreatePropertyCondition(id, value));
    }
    std::int32_t Count(const uia::Ref<uia::Element>& from, uia::TreeScope scope,
                       const uia::Ref<uia::Condition>& condition) {
        return from->FindAll(scope, condition)->Length();
    }
    std::int32_t CountAll(const uia::Ref<uia::Element>& from, uia::TreeScope scope) {
        return Count(from, scope, automation->CreateTrueCondition());
    }
    // Which node an element the adapter handed back stands for.
    std::vector<std::int32_t> Id(const uia::Ref<uia::Element>& element) {
        return element ? element->GetRuntimeId() : std::vector<std::int32_t>{};
    }
    template <class Pattern>
    std::shared_ptr<Pattern> PatternOf(const uia::Ref<uia::Element>& element, uia::PatternId id) {
        return std::dynamic_pointer_cast<Pattern>(element->GetCurrentPattern(id));
    }
    ComPtr<IUIAutomationElement> RawElement(const uia::Ref<uia::Element>& element) {
        return ComPtr<IUIAutomationElement>::Copy(ElementOf(element));
    }

    ComApartment apartment;
    uia_tree::Tree tree;
    uia_server::ReferenceLedger ledger;
    ComPtr<IUIAutomation> raw = uia_server::CreateTestAutomation(tree, ledger);
    uia::Ref<uia::Automation> automation = std::make_shared<ComAutomation>(raw);
    uia::Ref<uia::Element> desktop;
    uia::Ref<uia::TreeWalker> walker;
    NodePtr window, pane, ok, field, tab, help;
};

TEST_F(AdapterMapping, PropertyConditionsOfEachVariantKindAndTheirAndFindTheirElements) {
    EXPECT_EQ(Id(Find(property::Name, std::string("OK"))), ok->runtimeId);                 // VT_BSTR
    EXPECT_EQ(Id(Find(property::ControlType, control::Edit)), field->runtimeId);           // VT_I4
    EXPECT_EQ(Id(Find(property::IsSelectionItemPatternAvailable, true)), tab->runtimeId);  // VT_BOOL
    EXPECT_EQ(Id(Find(property::LegacyIAccessibleName, std::string("アドレス"))), field->runtimeId);
    EXPECT_EQ(Id(Find(property::LocalizedControlType, std::string("編集"))), field->runtimeId);
    EXPECT_EQ(Id(Find(property::AutomationId, std::string("ok"))), ok->runtimeId);
    EXPECT_FALSE(Find(property::Name, std::string("ok"))) << "exact and case-sensitive";

    const auto part =
        automation->CreatePropertyConditionEx(property::Name, std::string("search"), uia::kMatchSubstring);
    EXPECT_EQ(Id(desktop->FindFirst(uia::scope::Subtree, part)), field->runtimeId);
    const auto whole = automation->CreatePropertyConditionEx(property::Name, std::string("search"), uia::kMatchExact);
    EXPECT_FALSE(desktop->FindFirst(uia::scope::Subtree, whole));

    const auto btn = automation->CreatePropertyCondition(property::ClassName, std::string("Btn"));
    const auto link = automation->CreatePropertyCondition(property::ControlType, control::Hyperlink);
    EXPECT_EQ(Count(desktop, uia::scope::Subtree, btn), 2);
    EXPECT_EQ(Id(desktop->FindFirst(uia::scope::Subtree, automation->CreateAndCondition(btn, link))), help->runtimeId);
    const auto notPressable = automation->CreatePropertyCondition(property::IsInvokePatternAvailable, false);
    EXPECT_EQ(Count(desktop, uia::scope::Subtree, automation->CreateAndCondition(btn, notPressable)), 0);

    // The server takes only the property's own VARIANT type, as UI Automation does.
    ComPtr<IUIAutomationCondition> condition;
    VARIANT shortNumber;
    VariantInit(&shortNumber);
    shortNumber.vt = VT_I2;
    shortNumber.iVal = static_cast<SHORT>(control::Button - 50000);
    EXPECT_EQ(raw->CreatePropertyCondition(property::ControlType, shortNumber, condition.put()), E_INVALIDARG);
    EXPECT_FALSE(condition);
    unique_variant text;
    text.get().vt = VT_BSTR;
    text.get().bstrVal = MakeBstr("true").release();
    EXPECT_EQ(raw->CreatePropertyCondition(property::IsInvokePatternAvailable, text.get(), condition.put()),
              E_INVALIDARG);
    EXPECT_EQ(raw->CreatePropertyCondition(property::Name, text.get(), nullptr), E_POINTER);
}

TEST_F(AdapterMapping, EachScopeSearchesItsPartOfTheTreeInDocumentOrder) {
    const auto pageElement = Find(property::ClassName, std::string("BrowserView"));
    ASSERT_TRUE(pageElement);
    EXPECT_EQ(CountAll(pageElement, 1), 1) << "TreeScope_Element";
    EXPECT_EQ(CountAll(pageElement, uia::scope::Children), 4);
    EXPECT_EQ(CountAll(desktop, uia::scope::Children), 1);
    EXPECT_EQ(CountAll(desktop, 4), 6) << "TreeScope_Descendants";
    EXPECT_EQ(CountAll(desktop, uia::scope::Subtree), 7);
    EXPECT_EQ(Count(pageElement, 1, automation->CreatePropertyCondition(property::Name, std::string("OK"))), 0);
    for (const uia::TreeScope ancestors : {8, 16, 0})  // TreeScope_Parent, TreeScope_Ancestors, TreeScope_None
        EXPECT_THAT([&] { CountAll(pageElement, ancestors); }, ThrowsPlatformError(kEInvalidArg)) << ancestors;

    const auto pressable = automation->CreatePropertyCondition(property::IsInvokePatternAvailable, true);
    EXPECT_EQ(Id(desktop->FindFirst(uia::scope::Subtree, pressable)), ok->runtimeId) << "the first in document order";
    const auto found = desktop->FindAll(uia::scope::Subtree, pressable);
    ASSERT_EQ(found->Length(), 2);
    EXPECT_EQ(Id(found->GetElement(1)), help->runtimeId);
    EXPECT_THAT([&] { found->GetElement(2); }, ThrowsPlatformError(kEInvalidArg));

    ok->SetShown(false);
    EXPECT_EQ(Id(desktop->FindFirst(uia::scope::Subtree, pressable)), help->runtimeId)
        << "a hidden element is not found";
    const auto none = automation->CreatePropertyCondition(property::Name, std::string("Nothing"));
    EXPECT_FALSE(desktop->FindFirst(uia::scope::Subtree, none));
    EXPECT_EQ(Count(desktop, uia::scope::Subtree, none), 0) << "an empty array, not a failure";
}

TEST_F(AdapterMapping, TheWalkerStepsEachWayAndAnswersNoneAtTheEdges) {
    const auto okElement = Find(property::Name, std::string("OK"));
    const auto pageElement = walker->GetParentElement(okElement);
    EXPECT_EQ(Id(pageElement), pane->runtimeId);
    EXPECT_EQ(Id(walker->GetFirstChildElement(pageElement)), ok->runtimeId);
    EXPECT_EQ(Id(walker->GetLastChildElement(pageElement)), help->runtimeId);
    EXPECT_EQ(Id(walker->GetNextSiblingElement(okElement)), field->runtimeId);
    EXPECT_EQ(Id(walker->GetPreviousSiblingElement(walker->GetLastChildElement(pageElement))), tab->runtimeId);

    EXPECT_FALSE(walker->GetPreviousSiblingElement(okElement));
    EXPECT_FALSE(walker->GetNextSiblingElement(walker->GetLastChildElement(pageElement)));
    EXPECT_FALSE(walker->GetFirstChildElement(okElement));
    EXPECT_FALSE(walker->GetLastChildElement(okElement));
    EXPECT_FALSE(walker->GetParentElement(desktop));

    // Each answer is an element of its own, yet UI Automation calls it the same one.
    BOOL same = FALSE;
    const auto again = walker->GetFirstChildElement(pageElement);
    ASSERT_EQ(raw->CompareElements(ElementOf(okElement), ElementOf(again), &same), S_OK);
    EXPECT_EQ(same, TRUE);
    EXPECT_NE(ElementOf(okElement), ElementOf(again));
    ASSERT_EQ(raw->CompareElements(ElementOf(okElement), ElementOf(pageElement), &same), S_OK);
    EXPECT_EQ(same, FALSE);
}

TEST_F(AdapterMapping, ThePropertiesAndPatternsTheCoreUses) {
    const auto fieldElement = Find(property::ControlType, control::Edit);
    const auto tabElement = Find(property::ControlType, control::TabItem);
    const auto okElement = Find(property::Name, std::string("OK"));
    const auto windowElement = Find(property::ControlType, control::Window, uia::scope::Children);
    EXPECT_EQ(okElement->CurrentName(), "OK");
    EXPECT_EQ(okElement->CurrentClassName(), "Btn");
    EXPECT_EQ(fieldElement->CurrentLocalizedControlType(), "編集");
    EXPECT_TRUE(okElement->CurrentIsEnabled());
    EXPECT_EQ(okElement->GetCurrentPropertyValue(property::ControlType), uia::PropertyValue{control::Button});
    EXPECT_EQ(okElement->GetCurrentPropertyValue(property::IsInvokePatternAvailable), uia::PropertyValue{true});
    EXPECT_EQ(okElement->GetCurrentPropertyValue(property::IsValuePatternAvailable), uia::PropertyValue{false});
    EXPECT_EQ(okElement->GetCurrentPropertyValue(30001), uia::PropertyValue{}) << "a property the tree has no value of";

    const ComPtr<IUIAutomationElement> rawOk = RawElement(okElement);
    unique_variant rawValue;
    ASSERT_EQ(rawOk->GetCurrentPropertyValue(property::IsInvokePatternAvailable, rawValue.put()), S_OK);
    EXPECT_EQ(rawValue.get().vt, VT_BOOL);
    EXPECT_EQ(rawValue.get().boolVal, VARIANT_TRUE);
    ASSERT_EQ(rawOk->GetCurrentPropertyValue(property::ControlType, rawValue.put()), S_OK);
    EXPECT_EQ(rawValue.get().vt, VT_I4);
    ASSERT_EQ(rawOk->GetCurrentPropertyValue(property::Name, rawValue.put()), S_OK);
    EXPECT_EQ(rawValue.get().vt, VT_BSTR);

    int invoked = 0;
    ok->onInvoke = [&](uia_tree::Node&) { ++invoked; };
    PatternOf<uia::InvokePattern>(okElement, pattern::Invoke)->Invoke();
    EXPECT_EQ(invoked, 1);
    EXPECT_FALSE(okElement->GetCurrentPattern(pattern::Value)) << "a pattern the element lacks is none";
    const auto helpElement = Find(property::Name, std::string("Help"));
    EXPECT_THAT([&] { PatternOf<uia::InvokePattern>(helpElement, pattern::Invoke)->Invoke(); },
                ThrowsPlatformError(kElementNotEnabled));

    PatternOf<uia::ValuePattern>(fieldElement, pattern::Value)->SetValue("https://fast.com/ja/ 速度");
    EXPECT_EQ(field->value, "https://fast.com/ja/ 速度");
    EXPECT_EQ(fieldElement->GetCurrentPropertyValue(property::ValueValue),
              uia::PropertyValue{std::string("https://fast.com/ja/ 速度")});

    const auto selection = PatternOf<uia::SelectionItemPattern>(tabElement, pattern::SelectionItem);
    EXPECT_FALSE(selection->CurrentIsSelected());
    selection->Select();
    EXPECT_TRUE(selection->CurrentIsSelected());
    EXPECT_EQ(tabElement->GetCurrentPropertyValue(property::SelectionItemIsSelected), uia::PropertyValue{true});

    const auto windowPattern = PatternOf<uia::WindowPattern>(windowElement, pattern::Window);
    window->canMaximize = false;
    EXPECT_FALSE(windowPattern->CurrentCanMaximize());
    EXPECT_TRUE(windowPattern->CurrentCanMinimize());
    windowPattern->SetWindowVisualState(uia::visual_state::Minimized);
    EXPECT_EQ(window->visualState, uia::visual_state::Minimized);
    EXPECT_EQ(windowElement->GetCurrentPropertyValue(property::WindowVisualState),
              uia::PropertyValue{uia::visual_state::Minimized});
    windowPattern->Close();
    EXPECT_TRUE(window->removed());
}

TEST_F(AdapterMapping, RuntimeIdsTravelAsVectorsOfVtI4FromIndexZero) {
    const auto helpElement = Find(property::Name, std::string("Help"));
    EXPECT_EQ(helpElement->GetRuntimeId(), (std::vector<std::int32_t>{42, 7, -3, 9}));
    EXPECT_EQ(desktop->GetRuntimeId(), tree.root()->runtimeId);

    unique_safearray id;
    ASSERT_EQ(RawElement(helpElement)->GetRuntimeId(id.put()), S_OK);
    VARTYPE type = VT_EMPTY;
    ASSERT_EQ(SafeArrayGetVartype(id.get(), &type), S_OK);
    EXPECT_EQ(type, VT_I4);
    EXPECT_EQ(SafeArrayGetDim(id.get()), 1u);
    LONG lower = -1;
    ASSERT_EQ(SafeArrayGetLBound(id.get(), 1, &lower), S_OK);
    EXPECT_EQ(lower, 0);
    BOOL same = FALSE;
    ASSERT_EQ(raw->CompareRuntimeIds(id.get(), id.get(), &same), S_OK);
    EXPECT_EQ(same, TRUE);
}

TEST_F(AdapterMapping, EveryCallOnAGoneElementFailsWithElementNotAvailable) {
    const auto windowElement = Find(property::ControlType, control::Window, uia::scope::Children);
    const auto okElement = Find(property::Name, std::string("OK"));
    const auto fieldElement = Find(property::ControlType, control::Edit);
    const auto tabElement = Find(property::ControlType, control::TabItem);
    const auto invoke = PatternOf<uia::InvokePattern>(okElement, pattern::Invoke);
    const auto value = PatternOf<uia::ValuePattern>(fieldElement, pattern::Value);
    const auto selection = PatternOf<uia::SelectionItemPattern>(tabElement, pattern::SelectionItem);
    const auto windowPattern = PatternOf<uia::WindowPattern>(windowElement, pattern::Window);
    const auto found = desktop->FindAll(uia::scope::Subtree, automation->CreateTrueCondition());
    const auto anything = automation->CreateTrueCondition();
    window->Remove();  // the window closed, and everything in it with it

    const std::vector<std::pair<const char*, std::function<void()>>> calls = {
        {"FindFirst", [&] { okElement->FindFirst(uia::scope::Subtree, anything); }},
        {"FindAll", [&] { okElement->FindAll(uia::scope::Subtree, anything); }},
        {"GetCurrentPropertyValue", [&] { okElement->GetCurrentPropertyValue(property::Name); }},
        {"GetCurrentPattern", [&] { okElement->GetCurrentPattern(pattern::Invoke); }},
        {"get_CurrentName", [&] { okElement->CurrentName(); }},
        {"get_CurrentClassName", [&] { okElement->CurrentClassName(); }},
        {"get_CurrentLocalizedControlType", [&] { okElement->CurrentLocalizedControlType(); }},
        {"get_CurrentIsEnabled", [&] { okElement->CurrentIsEnabled(); }},
        {"GetRuntimeId", [&] { okElement->GetRuntimeId(); }},
        {"SetFocus", [&] { fieldElement->SetFocus(); }},
        {"GetParentElement", [&] { walker->GetParentElement(okElement); }},
        {"GetFirstChildElement", [&] { walker->GetFirstChildElement(windowElement); }},
        {"GetLastChildElement", [&] { walker->GetLastChildElement(windowElement); }},
        {"GetNextSiblingElement", [&] { walker->GetNextSiblingElement(okElement); }},
        {"GetPreviousSiblingElement", [&] { walker->GetPreviousSiblingElement(fieldElement); }},
        {"Invoke", [&] { invoke->Invoke(); }},
        {"SetValue", [&] { value->SetValue("x"); }},
        {"get_CurrentIsSelected", [&] { selection->CurrentIsSelected(); }},
        {"Select", [&] { selection->Select(); }},
        {"get_CurrentCanMaximize", [&] { windowPattern->CurrentCanMaximize(); }},
        {"get_CurrentCanMinimize", [&] { windowPattern->CurrentCanMinimize(); }},
        {"SetWindowVisualState", [&] { windowPattern->SetWindowVisualState(uia::visual_state::Normal); }},
        {"Close", [&] { windowPattern->Close(); }},
        {"an element of an earlier FindAll", [&] { found->GetElement(1)->CurrentName(); }},
    };
    for (const auto& [name, call] : calls) EXPECT_THAT(call, ThrowsPlatformError(kElementNotAvailable)) << name;
    EXPECT_EQ(found->Length(), 7) << "the array holds what was found then";
    EXPECT_EQ(desktop->CurrentName(), tree.root()->name) << "the desktop still answers";
}

TEST_F(AdapterMapping, WhatTheProgramNeverCallsIsNotImplementedAndCountingFollowsTheComRules) {
    const auto okElement = Find(property::Name, std::string("OK"));
    ComPtr<IUIAutomationElement> element = RawElement(okElement);
    ComPtr<IUIAutomationElement> root;
    EXPECT_EQ(raw->GetRootElement(root.put()), E_NOTIMPL);
    BSTR id = nullptr;
    EXPECT_EQ(element->get_CurrentAutomationId(&id), E_NOTIMPL);
    EXPECT_EQ(element->get_CurrentName(nullptr), E_POINTER);

    // CUIAutomation8 answers its later versions on the same object.
    const ComPtr<IUnknown> identity = raw.query<IUnknown>();
    EXPECT_EQ(raw.query<IUIAutomation6>().query<IUnknown>().get(), identity.get());
    EXPECT_EQ(raw.query<IUIAutomation2>().query<IUnknown>().get(), identity.get());
    EXPECT_THAT([&] { element.query<IUIAutomationElement2>(); },
                ThrowsPlatformError(static_cast<HResult>(E_NOINTERFACE)));

    const long before = ledger.references;
    element->AddRef();
    EXPECT_EQ(ledger.references, before + 1);
    EXPECT_EQ(element->Release(), 2u) << "the adapter's reference and this test's";
}

}  // namespace
}  // namespace tidemark::win32::testing
