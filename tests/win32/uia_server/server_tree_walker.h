#pragma once

// The control-view walker. Every node of the tree is a control element, so
// its control view is the tree as it stands; the tree's walker skips what
// is hidden or gone and fails on an element that is not there.

#include <utility>

#include "com_object.h"
#include "server_objects.h"

namespace tidemark::win32::uia_server {

class ServerTreeWalker final : public ComObject<IUIAutomationTreeWalker> {
public:
    ServerTreeWalker(ReferenceLedger& ledger, uia::Ref<uia::TreeWalker> walker)
        : ComObject(ledger), walker_(std::move(walker)) {}

    HRESULT STDMETHODCALLTYPE GetParentElement(IUIAutomationElement* from, IUIAutomationElement** to) override;
    HRESULT STDMETHODCALLTYPE GetFirstChildElement(IUIAutomationElement* from, IUIAutomationElement** to) override;
    HRESULT STDMETHODCALLTYPE GetLastChildElement(IUIAutomationElement* from, IUIAutomationElement** to) override;
    HRESULT STDMETHODCALLTYPE GetNextSiblingElement(IUIAutomationElement* from, IUIAutomationElement** to) override;
    HRESULT STDMETHODCALLTYPE GetPreviousSiblingElement(IUIAutomationElement* from, IUIAutomationElement** to) override;

    // What the program never asks of the walker.
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
    void* Find(REFIID iid) override;
    // One step from `from` by the tree walker's member `step`.
    HRESULT Step(uia::Ref<uia::Element> (uia::TreeWalker::*step)(const uia::Ref<uia::Element>&),
                 IUIAutomationElement* from, IUIAutomationElement** to);

    uia::Ref<uia::TreeWalker> walker_;
};

}  // namespace tidemark::win32::uia_server
