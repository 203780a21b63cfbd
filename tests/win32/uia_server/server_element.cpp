#include "server_element.h"

#include "com_answer.h"
#include "property_variants.h"
#include "runtime_id_array.h"

namespace tidemark::win32::uia_server {

IUIAutomationElement* NewElement(ReferenceLedger& ledger, uia::Ref<uia::Element> element) {
    if (!element) return nullptr;
    return new ServerElement(ledger, std::move(element));
}

IUIAutomationElementArray* NewElementArray(ReferenceLedger& ledger, uia::Ref<uia::ElementArray> elements) {
    if (!elements) return nullptr;
    return new ServerElementArray(ledger, std::move(elements));
}

uia::Ref<uia::Element> ElementBehind(IUIAutomationElement* element) {
    if (element == nullptr) throw PlatformError(kEPointer, "test server: no element");
    IServerElement* ours = nullptr;
    if (FAILED(element->QueryInterface(__uuidof(IServerElement), reinterpret_cast<void**>(&ours))))
        throw PlatformError(kEInvalidArg, "test server: an element of another server");
    uia::Ref<uia::Element> backing = ours->Backing();
    ours->Release();
    return backing;
}

void* ServerElement::Find(REFIID iid) {
    if (IsEqualIID(iid, __uuidof(IUIAutomationElement))) return static_cast<IUIAutomationElement*>(this);
    if (IsEqualIID(iid, __uuidof(IServerElement))) return static_cast<IServerElement*>(this);
    return nullptr;
}

HRESULT ServerElement::FindFirst(enum TreeScope scope, IUIAutomationCondition* condition,
                                 IUIAutomationElement** found) {
    return AnswerInto<IUIAutomationElement*>(found, nullptr, [&](IUIAutomationElement*& out) {
        out = NewElement(ledger(), element_->FindFirst(scope, ConditionBehind(condition)));
    });
}

HRESULT ServerElement::FindAll(enum TreeScope scope, IUIAutomationCondition* condition,
                               IUIAutomationElementArray** found) {
    return AnswerInto<IUIAutomationElementArray*>(found, nullptr, [&](IUIAutomationElementArray*& out) {
        out = NewElementArray(ledger(), element_->FindAll(scope, ConditionBehind(condition)));
    });
}

HRESULT ServerElement::GetCurrentPropertyValue(PROPERTYID id, VARIANT* value) {
    if (value == nullptr) return E_POINTER;
    VariantInit(value);
    return Answer([&] { PutPropertyValue(id, element_->GetCurrentPropertyValue(id), *value); });
}

HRESULT ServerElement::GetCurrentPattern(PATTERNID id, IUnknown** pattern) {
    return AnswerInto<IUnknown*>(pattern, nullptr,
                                 [&](IUnknown*& out) { out = NewPattern(ledger(), element_->GetCurrentPattern(id)); });
}

HRESULT ServerElement::get_CurrentName(BSTR* text) {
    return AnswerInto<BSTR>(text, nullptr, [&](BSTR& out) { out = NewBstr(element_->CurrentName()); });
}

HRESULT ServerElement::get_CurrentClassName(BSTR* text) {
    return AnswerInto<BSTR>(text, nullptr, [&](BSTR& out) { out = NewBstr(element_->CurrentClassName()); });
}

HRESULT ServerElement::get_CurrentLocalizedControlType(BSTR* text) {
    return AnswerInto<BSTR>(text, nullptr, [&](BSTR& out) { out = NewBstr(element_->CurrentLocalizedControlType()); });
}

HRESULT ServerElement::get_CurrentIsEnabled(BOOL* enabled) {
    return AnswerInto<BOOL>(enabled, FALSE, [&](BOOL& out) { out = element_->CurrentIsEnabled() ? TRUE : FALSE; });
}

HRESULT ServerElement::GetRuntimeId(SAFEARRAY** id) {
    return AnswerInto<SAFEARRAY*>(id, nullptr,
                                  [&](SAFEARRAY*& out) { out = NewRuntimeIdArray(element_->GetRuntimeId()); });
}

HRESULT ServerElement::SetFocus() {
    return Answer([&] { element_->SetFocus(); });
}

void* ServerElementArray::Find(REFIID iid) {
    return IsEqualIID(iid, __uuidof(IUIAutomationElementArray)) ? static_cast<IUIAutomationElementArray*>(this)
                                                                : nullptr;
}

HRESULT ServerElementArray::get_Length(int* length) {
    return AnswerInto<int>(length, 0, [&](int& out) { out = elements_->Length(); });
}

HRESULT ServerElementArray::GetElement(int index, IUIAutomationElement** element) {
    return AnswerInto<IUIAutomationElement*>(element, nullptr, [&](IUIAutomationElement*& out) {
        out = NewElement(ledger(), elements_->GetElement(index));
    });
}

}  // namespace tidemark::win32::uia_server
