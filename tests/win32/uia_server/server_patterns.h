#pragma once

// The four control patterns the program uses, each a new object per
// GetCurrentPattern over the tree's pattern, which acts on the node.

#include <utility>

#include "com_object.h"
#include "server_objects.h"

namespace tidemark::win32::uia_server {

template <class Interface, class TreePattern>
class ServerPattern : public ComObject<Interface> {
public:
    ServerPattern(ReferenceLedger& ledger, uia::Ref<TreePattern> pattern)
        : ComObject<Interface>(ledger), pattern_(std::move(pattern)) {}

protected:
    TreePattern& pattern() const { return *pattern_; }

private:
    void* Find(REFIID iid) override {
        return IsEqualIID(iid, __uuidof(Interface)) ? static_cast<Interface*>(this) : nullptr;
    }

    uia::Ref<TreePattern> pattern_;
};

class ServerInvokePattern final : public ServerPattern<IUIAutomationInvokePattern, uia::InvokePattern> {
public:
    using ServerPattern::ServerPattern;
    HRESULT STDMETHODCALLTYPE Invoke() override;
};

class ServerValuePattern final : public ServerPattern<IUIAutomationValuePattern, uia::ValuePattern> {
public:
    using ServerPattern::ServerPattern;
    HRESULT STDMETHODCALLTYPE SetValue(BSTR value) override;

    // The program reads the value through its property instead.
    HRESULT STDMETHODCALLTYPE get_CurrentValue(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentIsReadOnly(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedValue(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedIsReadOnly(BOOL*) override { return E_NOTIMPL; }
};

class ServerWindowPattern final : public ServerPattern<IUIAutomationWindowPattern, uia::WindowPattern> {
public:
    using ServerPattern::ServerPattern;
    HRESULT STDMETHODCALLTYPE Close() override;
    HRESULT STDMETHODCALLTYPE SetWindowVisualState(enum WindowVisualState state) override;
    HRESULT STDMETHODCALLTYPE get_CurrentCanMaximize(BOOL* can) override;
    HRESULT STDMETHODCALLTYPE get_CurrentCanMinimize(BOOL* can) override;

    // What the program never asks of a window.
    HRESULT STDMETHODCALLTYPE WaitForInputIdle(int, BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentIsModal(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentIsTopmost(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentWindowVisualState(enum WindowVisualState*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentWindowInteractionState(enum WindowInteractionState*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_CachedCanMaximize(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedCanMinimize(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedIsModal(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedIsTopmost(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedWindowVisualState(enum WindowVisualState*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedWindowInteractionState(enum WindowInteractionState*) override {
        return E_NOTIMPL;
    }
};

class ServerSelectionItemPattern final
    : public ServerPattern<IUIAutomationSelectionItemPattern, uia::SelectionItemPattern> {
public:
    using ServerPattern::ServerPattern;
    HRESULT STDMETHODCALLTYPE Select() override;
    HRESULT STDMETHODCALLTYPE get_CurrentIsSelected(BOOL* selected) override;

    // What the program never asks of a selection item.
    HRESULT STDMETHODCALLTYPE AddToSelection() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RemoveFromSelection() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentSelectionContainer(IUIAutomationElement**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedIsSelected(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedSelectionContainer(IUIAutomationElement**) override { return E_NOTIMPL; }
};

}  // namespace tidemark::win32::uia_server
