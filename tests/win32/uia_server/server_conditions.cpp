#include "server_conditions.h"

#include "uia_tree/conditions.h"

namespace tidemark::win32::uia_server {

IUIAutomationCondition* NewCondition(ReferenceLedger& ledger, uia::Ref<uia::Condition> condition) {
    if (!condition) return nullptr;
    // The interface by the kind of condition, as UI Automation's own answer QueryInterface.
    if (dynamic_cast<const uia_tree::AndCondition*>(condition.get()) != nullptr)
        return new ServerAndCondition(ledger, std::move(condition));
    if (dynamic_cast<const uia_tree::TrueCondition*>(condition.get()) != nullptr)
        return new ServerTrueCondition(ledger, std::move(condition));
    return new ServerPropertyCondition(ledger, std::move(condition));
}

uia::Ref<uia::Condition> ConditionBehind(IUIAutomationCondition* condition) {
    if (condition == nullptr) throw PlatformError(kEPointer, "test server: no condition");
    IServerCondition* ours = nullptr;
    if (FAILED(condition->QueryInterface(__uuidof(IServerCondition), reinterpret_cast<void**>(&ours))))
        throw PlatformError(kEInvalidArg, "test server: a condition of another server");
    uia::Ref<uia::Condition> backing = ours->Backing();
    ours->Release();
    return backing;
}

}  // namespace tidemark::win32::uia_server
