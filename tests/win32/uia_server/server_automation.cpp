#include "server_automation.h"

#include "com_answer.h"
#include "property_variants.h"
#include "runtime_id_array.h"

namespace tidemark::win32::uia_server {

void* ServerAutomation::Find(REFIID iid) {
    for (const IID* version : {&__uuidof(IUIAutomation), &__uuidof(IUIAutomation2), &__uuidof(IUIAutomation3),
                               &__uuidof(IUIAutomation4), &__uuidof(IUIAutomation5), &__uuidof(IUIAutomation6)}) {
        if (IsEqualIID(iid, *version)) return static_cast<IUIAutomation6*>(this);
    }
    return nullptr;
}

HRESULT ServerAutomation::ElementFromHandle(UIA_HWND window, IUIAutomationElement** element) {
    return AnswerInto<IUIAutomationElement*>(element, nullptr, [&](IUIAutomationElement*& out) {
        out = NewElement(ledger(), automation_->ElementFromHandle(reinterpret_cast<uia::WindowHandle>(window)));
    });
}

HRESULT ServerAutomation::get_ControlViewWalker(IUIAutomationTreeWalker** walker) {
    return AnswerInto<IUIAutomationTreeWalker*>(walker, nullptr, [&](IUIAutomationTreeWalker*& out) {
        out = NewTreeWalker(ledger(), automation_->ControlViewWalker());
    });
}

HRESULT ServerAutomation::CreatePropertyCondition(PROPERTYID id, VARIANT value, IUIAutomationCondition** condition) {
    return AnswerInto<IUIAutomationCondition*>(condition, nullptr, [&](IUIAutomationCondition*& out) {
        out = NewCondition(ledger(), automation_->CreatePropertyCondition(id, ConditionValue(id, value)));
    });
}

HRESULT ServerAutomation::CreatePropertyConditionEx(PROPERTYID id, VARIANT value, enum PropertyConditionFlags flags,
                                                    IUIAutomationCondition** condition) {
    return AnswerInto<IUIAutomationCondition*>(condition, nullptr, [&](IUIAutomationCondition*& out) {
        out = NewCondition(ledger(), automation_->CreatePropertyConditionEx(id, ConditionValue(id, value),
                                                                            static_cast<std::int32_t>(flags)));
    });
}

HRESULT ServerAutomation::CreateAndCondition(IUIAutomationCondition* first, IUIAutomationCondition* second,
                                             IUIAutomationCondition** condition) {
    return AnswerInto<IUIAutomationCondition*>(condition, nullptr, [&](IUIAutomationCondition*& out) {
        out = NewCondition(ledger(), automation_->CreateAndCondition(ConditionBehind(first), ConditionBehind(second)));
    });
}

HRESULT ServerAutomation::CreateTrueCondition(IUIAutomationCondition** condition) {
    return AnswerInto<IUIAutomationCondition*>(condition, nullptr, [&](IUIAutomationCondition*& out) {
        out = NewCondition(ledger(), automation_->CreateTrueCondition());
    });
}

HRESULT ServerAutomation::CompareElements(IUIAutomationElement* first, IUIAutomationElement* second, BOOL* same) {
    return AnswerInto<BOOL>(same, FALSE, [&](BOOL& out) {
        out = ElementBehind(first)->GetRuntimeId() == ElementBehind(second)->GetRuntimeId() ? TRUE : FALSE;
    });
}

HRESULT ServerAutomation::CompareRuntimeIds(SAFEARRAY* first, SAFEARRAY* second, BOOL* same) {
    return AnswerInto<BOOL>(same, FALSE,
                            [&](BOOL& out) { out = RuntimeIdOf(first) == RuntimeIdOf(second) ? TRUE : FALSE; });
}

}  // namespace tidemark::win32::uia_server
