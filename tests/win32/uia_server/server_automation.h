#pragma once

// The automation object: IUIAutomation and the IUIAutomation2 to 6 that
// CUIAutomation8 answers too, over the tree's automation object.

#include <utility>

#include "com_object.h"
#include "server_objects.h"

namespace tidemark::win32::uia_server {

class ServerAutomation final : public ComObject<IUIAutomation6> {
public:
    ServerAutomation(ReferenceLedger& ledger, uia::Ref<uia::Automation> automation)
        : ComObject(ledger), automation_(std::move(automation)) {}

    HRESULT STDMETHODCALLTYPE ElementFromHandle(UIA_HWND window, IUIAutomationElement** element) override;
    HRESULT STDMETHODCALLTYPE get_ControlViewWalker(IUIAutomationTreeWalker** walker) override;
    // The value's VARIANT type must be the property's.
    HRESULT STDMETHODCALLTYPE CreatePropertyCondition(PROPERTYID id, VARIANT value,
                                                      IUIAutomationCondition** condition) override;
    HRESULT STDMETHODCALLTYPE CreatePropertyConditionEx(PROPERTYID id, VARIANT value, enum PropertyConditionFlags flags,
                                                        IUIAutomationCondition** condition) override;
    HRESULT STDMETHODCALLTYPE CreateAndCondition(IUIAutomationCondition* first, IUIAutomationCondition* second,
                                                 IUIAutomationCondition** condition) override;
    HRESULT STDMETHODCALLTYPE CreateTrueCondition(IUIAutomationCondition** condition) override;
    // Two elements are the same when their runtime ids are.
    HRESULT STDMETHODCALLTYPE CompareElements(IUIAutomationElement* first, IUIAutomationElement* second,
                                              BOOL* same) override;
    HRESULT STDMETHODCALLTYPE CompareRuntimeIds(SAFEARRAY* first, SAFEARRAY* second, BOOL* same) override;

    // What the program never asks of the automation object, by the interface that adds it.
    HRESULT STDMETHODCALLTYPE GetRootElement(IUIAutomationElement**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ElementFromPoint(POINT, IUIAutomationElement**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFocusedElement(IUIAutomationElement**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetRootElementBuildCache(IUIAutomationCacheRequest*, IUIAutomationElement**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ElementFromHandleBuildCache(UIA_HWND, IUIAutomationCacheRequest*,
                                                          IUIAutomationElement**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ElementFromPointBuildCache(POINT, IUIAutomationCacheRequest*,
                                                         IUIAutomationElement**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetFocusedElementBuildCache(IUIAutomationCacheRequest*, IUIAutomationElement**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CreateTreeWalker(IUIAutomationCondition*, IUIAutomationTreeWalker**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_ContentViewWalker(IUIAutomationTreeWalker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_RawViewWalker(IUIAutomationTreeWalker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_RawViewCondition(IUIAutomationCondition**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ControlViewCondition(IUIAutomationCondition**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ContentViewCondition(IUIAutomationCondition**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateCacheRequest(IUIAutomationCacheRequest**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateFalseCondition(IUIAutomationCondition**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateAndConditionFromArray(SAFEARRAY*, IUIAutomationCondition**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CreateAndConditionFromNativeArray(IUIAutomationCondition**, int,
                                                                IUIAutomationCondition**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CreateOrCondition(IUIAutomationCondition*, IUIAutomationCondition*,
                                                IUIAutomationCondition**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CreateOrConditionFromArray(SAFEARRAY*, IUIAutomationCondition**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CreateOrConditionFromNativeArray(IUIAutomationCondition**, int,
                                                               IUIAutomationCondition**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CreateNotCondition(IUIAutomationCondition*, IUIAutomationCondition**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE AddAutomationEventHandler(EVENTID, IUIAutomationElement*, enum TreeScope,
                                                        IUIAutomationCacheRequest*,
                                                        IUIAutomationEventHandler*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE RemoveAutomationEventHandler(EVENTID, IUIAutomationElement*,
                                                           IUIAutomationEventHandler*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE AddPropertyChangedEventHandlerNativeArray(IUIAutomationElement*, enum TreeScope,
                                                                        IUIAutomationCacheRequest*,
                                                                        IUIAutomationPropertyChangedEventHandler*,
                                                                        PROPERTYID*, int) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE AddPropertyChangedEventHandler(IUIAutomationElement*, enum TreeScope,
                                                             IUIAutomationCacheRequest*,
                                                             IUIAutomationPropertyChangedEventHandler*,
                                                             SAFEARRAY*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE RemovePropertyChangedEventHandler(IUIAutomationElement*,
                                                                IUIAutomationPropertyChangedEventHandler*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE AddStructureChangedEventHandler(IUIAutomationElement*, enum TreeScope,
                                                              IUIAutomationCacheRequest*,
                                                              IUIAutomationStructureChangedEventHandler*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE RemoveStructureChangedEventHandler(IUIAutomationElement*,
                                                                 IUIAutomationStructureChangedEventHandler*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE AddFocusChangedEventHandler(IUIAutomationCacheRequest*,
                                                          IUIAutomationFocusChangedEventHandler*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE RemoveFocusChangedEventHandler(IUIAutomationFocusChangedEventHandler*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE RemoveAllEventHandlers() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE IntNativeArrayToSafeArray(int*, int, SAFEARRAY**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE IntSafeArrayToNativeArray(SAFEARRAY*, int**, int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RectToVariant(RECT, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE VariantToRect(VARIANT, RECT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SafeArrayToRectNativeArray(SAFEARRAY*, RECT**, int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateProxyFactoryEntry(IUIAutomationProxyFactory*,
                                                      IUIAutomationProxyFactoryEntry**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_ProxyFactoryMapping(IUIAutomationProxyFactoryMapping**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPropertyProgrammaticName(PROPERTYID, BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPatternProgrammaticName(PATTERNID, BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PollForPotentialSupportedPatterns(IUIAutomationElement*, SAFEARRAY**,
                                                                SAFEARRAY**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE PollForPotentialSupportedProperties(IUIAutomationElement*, SAFEARRAY**,
                                                                  SAFEARRAY**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CheckNotSupported(VARIANT, BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ReservedNotSupportedValue(IUnknown**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ReservedMixedAttributeValue(IUnknown**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ElementFromIAccessible(IAccessible*, int, IUIAutomationElement**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ElementFromIAccessibleBuildCache(IAccessible*, int, IUIAutomationCacheRequest*,
                                                               IUIAutomationElement**) override {
        return E_NOTIMPL;
    }
    // IUIAutomation2
    HRESULT STDMETHODCALLTYPE get_AutoSetFocus(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_AutoSetFocus(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ConnectionTimeout(DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_ConnectionTimeout(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_TransactionTimeout(DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_TransactionTimeout(DWORD) override { return E_NOTIMPL; }
    // IUIAutomation3
    HRESULT STDMETHODCALLTYPE AddTextEditTextChangedEventHandler(
        IUIAutomationElement*, enum TreeScope, enum TextEditChangeType, IUIAutomationCacheRequest*,
        IUIAutomationTextEditTextChangedEventHandler*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE RemoveTextEditTextChangedEventHandler(
        IUIAutomationElement*, IUIAutomationTextEditTextChangedEventHandler*) override {
        return E_NOTIMPL;
    }
    // IUIAutomation4
    HRESULT STDMETHODCALLTYPE AddChangesEventHandler(IUIAutomationElement*, enum TreeScope, int*, int,
                                                     IUIAutomationCacheRequest*,
                                                     IUIAutomationChangesEventHandler*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE RemoveChangesEventHandler(IUIAutomationElement*,
                                                        IUIAutomationChangesEventHandler*) override {
        return E_NOTIMPL;
    }
    // IUIAutomation5
    HRESULT STDMETHODCALLTYPE AddNotificationEventHandler(IUIAutomationElement*, enum TreeScope,
                                                          IUIAutomationCacheRequest*,
                                                          IUIAutomationNotificationEventHandler*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE RemoveNotificationEventHandler(IUIAutomationElement*,
                                                             IUIAutomationNotificationEventHandler*) override {
        return E_NOTIMPL;
    }
    // IUIAutomation6
    HRESULT STDMETHODCALLTYPE CreateEventHandlerGroup(IUIAutomationEventHandlerGroup**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE AddEventHandlerGroup(IUIAutomationElement*, IUIAutomationEventHandlerGroup*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE RemoveEventHandlerGroup(IUIAutomationElement*, IUIAutomationEventHandlerGroup*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_ConnectionRecoveryBehavior(enum ConnectionRecoveryBehaviorOptions*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE put_ConnectionRecoveryBehavior(enum ConnectionRecoveryBehaviorOptions) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_CoalesceEvents(enum CoalesceEventsOptions*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_CoalesceEvents(enum CoalesceEventsOptions) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE
    AddActiveTextPositionChangedEventHandler(IUIAutomationElement*, enum TreeScope, IUIAutomationCacheRequest*,
                                             IUIAutomationActiveTextPositionChangedEventHandler*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE RemoveActiveTextPositionChangedEventHandler(
        IUIAutomationElement*, IUIAutomationActiveTextPositionChangedEventHandler*) override {
        return E_NOTIMPL;
    }

private:
    void* Find(REFIID iid) override;

    uia::Ref<uia::Automation> automation_;
};

}  // namespace tidemark::win32::uia_server
