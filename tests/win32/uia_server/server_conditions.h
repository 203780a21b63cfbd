#pragma once

// The three kinds of condition the automation object makes, each over the
// tree's condition that does the matching. The server finds the tree's
// condition again through IServerCondition when a client passes one back.

#include <utility>

#include "com_object.h"
#include "server_objects.h"

namespace tidemark::win32::uia_server {

template <class Interface>
class ServerCondition : public ComObject<Interface, IServerCondition> {
public:
    ServerCondition(ReferenceLedger& ledger, uia::Ref<uia::Condition> condition)
        : ComObject<Interface, IServerCondition>(ledger), condition_(std::move(condition)) {}

    const uia::Ref<uia::Condition>& Backing() const override { return condition_; }

private:
    void* Find(REFIID iid) override {
        if (IsEqualIID(iid, __uuidof(IUIAutomationCondition)) || IsEqualIID(iid, __uuidof(Interface)))
            return static_cast<Interface*>(this);
        if (IsEqualIID(iid, __uuidof(IServerCondition))) return static_cast<IServerCondition*>(this);
        return nullptr;
    }

    uia::Ref<uia::Condition> condition_;
};

// What the program never asks of a condition: it only passes them back.
class ServerPropertyCondition final : public ServerCondition<IUIAutomationPropertyCondition> {
public:
    using ServerCondition::ServerCondition;
    HRESULT STDMETHODCALLTYPE get_PropertyId(PROPERTYID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_PropertyValue(VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_PropertyConditionFlags(enum PropertyConditionFlags*) override { return E_NOTIMPL; }
};

class ServerAndCondition final : public ServerCondition<IUIAutomationAndCondition> {
public:
    using ServerCondition::ServerCondition;
    HRESULT STDMETHODCALLTYPE get_ChildCount(int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetChildrenAsNativeArray(IUIAutomationCondition***, int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetChildren(SAFEARRAY**) override { return E_NOTIMPL; }
};

class ServerTrueCondition final : public ServerCondition<IUIAutomationBoolCondition> {
public:
    using ServerCondition::ServerCondition;
    HRESULT STDMETHODCALLTYPE get_BooleanValue(BOOL*) override { return E_NOTIMPL; }
};

}  // namespace tidemark::win32::uia_server
