#pragma once

// IUIAutomationElement over one of the tree's elements. Each is a new
// object, as UI Automation hands out a new element for every answer; a
// call on an element whose node has gone fails with
// UIA_E_ELEMENTNOTAVAILABLE, which the tree raises.

#include <utility>

#include "com_object.h"
#include "server_objects.h"

namespace tidemark::win32::uia_server {

class ServerElement final : public ComObject<IUIAutomationElement, IServerElement> {
public:
    ServerElement(ReferenceLedger& ledger, uia::Ref<uia::Element> element)
        : ComObject(ledger), element_(std::move(element)) {}

    const uia::Ref<uia::Element>& Backing() const override { return element_; }

    HRESULT STDMETHODCALLTYPE FindFirst(enum TreeScope scope, IUIAutomationCondition* condition,
                                        IUIAutomationElement** found) override;
    HRESULT STDMETHODCALLTYPE FindAll(enum TreeScope scope, IUIAutomationCondition* condition,
                                      IUIAutomationElementArray** found) override;
    HRESULT STDMETHODCALLTYPE GetCurrentPropertyValue(PROPERTYID id, VARIANT* value) override;
    HRESULT STDMETHODCALLTYPE GetCurrentPattern(PATTERNID id, IUnknown** pattern) override;
    HRESULT STDMETHODCALLTYPE get_CurrentName(BSTR* text) override;
    HRESULT STDMETHODCALLTYPE get_CurrentClassName(BSTR* text) override;
    HRESULT STDMETHODCALLTYPE get_CurrentLocalizedControlType(BSTR* text) override;
    HRESULT STDMETHODCALLTYPE get_CurrentIsEnabled(BOOL* enabled) override;
    // A one-dimensional SAFEARRAY of VT_I4 from index 0.
    HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY** id) override;
    HRESULT STDMETHODCALLTYPE SetFocus() override;

    // What the program never asks of an element.
    HRESULT STDMETHODCALLTYPE FindFirstBuildCache(enum TreeScope, IUIAutomationCondition*, IUIAutomationCacheRequest*,
                                                  IUIAutomationElement**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE FindAllBuildCache(enum TreeScope, IUIAutomationCondition*, IUIAutomationCacheRequest*,
                                                IUIAutomationElementArray**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE BuildUpdatedCache(IUIAutomationCacheRequest*, IUIAutomationElement**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetCurrentPropertyValueEx(PROPERTYID, BOOL, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCachedPropertyValue(PROPERTYID, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCachedPropertyValueEx(PROPERTYID, BOOL, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCurrentPatternAs(PATTERNID, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCachedPatternAs(PATTERNID, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCachedPattern(PATTERNID, IUnknown**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCachedParent(IUIAutomationElement**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCachedChildren(IUIAutomationElementArray**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentProcessId(int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentControlType(CONTROLTYPEID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentAcceleratorKey(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentAccessKey(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentHasKeyboardFocus(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentIsKeyboardFocusable(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentAutomationId(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentHelpText(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentCulture(int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentIsControlElement(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentIsContentElement(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentIsPassword(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentNativeWindowHandle(UIA_HWND*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentItemType(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentIsOffscreen(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentOrientation(enum OrientationType*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentFrameworkId(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentIsRequiredForForm(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentItemStatus(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentBoundingRectangle(RECT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentLabeledBy(IUIAutomationElement**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentAriaRole(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentAriaProperties(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentIsDataValidForForm(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentControllerFor(IUIAutomationElementArray**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentDescribedBy(IUIAutomationElementArray**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentFlowsTo(IUIAutomationElementArray**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentProviderDescription(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedProcessId(int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedControlType(CONTROLTYPEID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedLocalizedControlType(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedName(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedAcceleratorKey(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedAccessKey(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedHasKeyboardFocus(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedIsKeyboardFocusable(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedIsEnabled(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedAutomationId(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedClassName(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedHelpText(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedCulture(int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedIsControlElement(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedIsContentElement(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedIsPassword(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedNativeWindowHandle(UIA_HWND*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedItemType(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedIsOffscreen(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedOrientation(enum OrientationType*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedFrameworkId(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedIsRequiredForForm(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedItemStatus(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedBoundingRectangle(RECT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedLabeledBy(IUIAutomationElement**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedAriaRole(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedAriaProperties(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedIsDataValidForForm(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedControllerFor(IUIAutomationElementArray**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedDescribedBy(IUIAutomationElementArray**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedFlowsTo(IUIAutomationElementArray**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedProviderDescription(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetClickablePoint(POINT*, BOOL*) override { return E_NOTIMPL; }

private:
    void* Find(REFIID iid) override;

    uia::Ref<uia::Element> element_;
};

// What FindAll found, as it was then.
class ServerElementArray final : public ComObject<IUIAutomationElementArray> {
public:
    ServerElementArray(ReferenceLedger& ledger, uia::Ref<uia::ElementArray> elements)
        : ComObject(ledger), elements_(std::move(elements)) {}

    HRESULT STDMETHODCALLTYPE get_Length(int* length) override;
    // A new element object for every call; E_INVALIDARG past either end.
    HRESULT STDMETHODCALLTYPE GetElement(int index, IUIAutomationElement** element) override;

private:
    void* Find(REFIID iid) override;

    uia::Ref<uia::ElementArray> elements_;
};

}  // namespace tidemark::win32::uia_server
