#pragma once

// Small stand-ins for UI Automation's COM objects, so the adapter's calls
// can be seen where no CUIAutomation exists (Wine). Each counts its
// references, records what it was asked and answers `answer`.

#include <string>

#include "uia_com.h"

namespace tidemark::win32::testing {

template <class Interface>
class FakeCom : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (!IsEqualIID(iid, __uuidof(IUnknown)) && !IsEqualIID(iid, __uuidof(Interface))) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<Interface*>(this);
        this->AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    ULONG references = 1;
    HRESULT answer = S_OK;
    std::wstring calls;

protected:
    HRESULT Called(const wchar_t* name) {
        calls += name;
        calls += L';';
        return answer;
    }
};

class FakeInvokePattern final : public FakeCom<IUIAutomationInvokePattern> {
public:
    HRESULT STDMETHODCALLTYPE Invoke() override { return Called(L"Invoke"); }
};

class FakeValuePattern final : public FakeCom<IUIAutomationValuePattern> {
public:
    HRESULT STDMETHODCALLTYPE SetValue(BSTR value) override {
        received.assign(value, SysStringLen(value));
        return Called(L"SetValue");
    }
    HRESULT STDMETHODCALLTYPE get_CurrentValue(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentIsReadOnly(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedValue(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedIsReadOnly(BOOL*) override { return E_NOTIMPL; }

    std::wstring received;
};

class FakeSelectionItemPattern final : public FakeCom<IUIAutomationSelectionItemPattern> {
public:
    HRESULT STDMETHODCALLTYPE Select() override { return Called(L"Select"); }
    HRESULT STDMETHODCALLTYPE AddToSelection() override { return Called(L"AddToSelection"); }
    HRESULT STDMETHODCALLTYPE RemoveFromSelection() override { return Called(L"RemoveFromSelection"); }
    HRESULT STDMETHODCALLTYPE get_CurrentIsSelected(BOOL* selected) override {
        *selected = isSelected;
        return Called(L"get_CurrentIsSelected");
    }
    HRESULT STDMETHODCALLTYPE get_CurrentSelectionContainer(IUIAutomationElement**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedIsSelected(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CachedSelectionContainer(IUIAutomationElement**) override { return E_NOTIMPL; }

    BOOL isSelected = FALSE;
};

class FakeElementArray final : public FakeCom<IUIAutomationElementArray> {
public:
    HRESULT STDMETHODCALLTYPE get_Length(int* count) override {
        *count = length;
        return Called(L"get_Length");
    }
    HRESULT STDMETHODCALLTYPE GetElement(int index, IUIAutomationElement** element) override {
        *element = nullptr;
        Called(L"GetElement");
        return index >= 0 && index < length ? answer : E_INVALIDARG;
    }

    int length = 0;
};

// Answers every step with no element; records which step was taken and
// whether it was handed an element.
class FakeTreeWalker final : public FakeCom<IUIAutomationTreeWalker> {
public:
    HRESULT STDMETHODCALLTYPE GetParentElement(IUIAutomationElement* from, IUIAutomationElement** to) override {
        return Step(L"GetParentElement", from, to);
    }
    HRESULT STDMETHODCALLTYPE GetFirstChildElement(IUIAutomationElement* from, IUIAutomationElement** to) override {
        return Step(L"GetFirstChildElement", from, to);
    }
    HRESULT STDMETHODCALLTYPE GetLastChildElement(IUIAutomationElement* from, IUIAutomationElement** to) override {
        return Step(L"GetLastChildElement", from, to);
    }
    HRESULT STDMETHODCALLTYPE GetNextSiblingElement(IUIAutomationElement* from, IUIAutomationElement** to) override {
        return Step(L"GetNextSiblingElement", from, to);
    }
    HRESULT STDMETHODCALLTYPE GetPreviousSiblingElement(IUIAutomationElement* from,
                                                        IUIAutomationElement** to) override {
        return Step(L"GetPreviousSiblingElement", from, to);
    }
    HRESULT STDMETHODCALLTYPE NormalizeElement(IUIAutomationElement*, IUIAutomationElement**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetParentElementBuildCache(IUIAutomationElement*, IUIAutomationCacheRequest*,
                                                         IUIAutomationElement**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetFirstChildElementBuildCache(IUIAutomationElement*, IUIAutomationCacheRequest*,
                                                             IUIAutomationElement**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetLastChildElementBuildCache(IUIAutomationElement*, IUIAutomationCacheRequest*,
                                                            IUIAutomationElement**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetNextSiblingElementBuildCache(IUIAutomationElement*, IUIAutomationCacheRequest*,
                                                              IUIAutomationElement**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetPreviousSiblingElementBuildCache(IUIAutomationElement*, IUIAutomationCacheRequest*,
                                                                  IUIAutomationElement**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE NormalizeElementBuildCache(IUIAutomationElement*, IUIAutomationCacheRequest*,
                                                         IUIAutomationElement**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_Condition(IUIAutomationCondition**) override { return E_NOTIMPL; }

private:
    HRESULT Step(const wchar_t* name, IUIAutomationElement* from, IUIAutomationElement** to) {
        *to = nullptr;
        if (from) calls += L"element ";
        return Called(name);
    }
};

}  // namespace tidemark::win32::testing
