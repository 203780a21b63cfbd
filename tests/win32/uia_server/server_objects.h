#pragma once

// The test server's objects as the rest of the server sees them: new ones
// made over the tree's objects, and the tree object behind an interface
// pointer a client hands back. UI Automation itself finds its own objects
// behind a pointer the same way, through an interface only it knows.

#include "reference_ledger.h"
#include "uia/automation.h"
#include "uia_com.h"

namespace tidemark::win32::uia_server {

struct IServerElement : IUnknown {
    virtual const uia::Ref<uia::Element>& Backing() const = 0;
};

struct IServerCondition : IUnknown {
    virtual const uia::Ref<uia::Condition>& Backing() const = 0;
};

}  // namespace tidemark::win32::uia_server

__CRT_UUID_DECL(tidemark::win32::uia_server::IServerElement, 0xab8ff8f4, 0x4eee, 0x4f79, 0x99, 0x2c, 0x7b, 0x5c, 0xcc,
                0x3b, 0x02, 0x20)
__CRT_UUID_DECL(tidemark::win32::uia_server::IServerCondition, 0xd1d9cde0, 0x74c0, 0x4ace, 0x99, 0x3c, 0x29, 0x2f, 0x65,
                0x15, 0xe1, 0x32)

namespace tidemark::win32::uia_server {

// Each answers a new object holding one reference for the caller, or null
// for an empty reference.
IUIAutomationElement* NewElement(ReferenceLedger& ledger, uia::Ref<uia::Element> element);
IUIAutomationElementArray* NewElementArray(ReferenceLedger& ledger, uia::Ref<uia::ElementArray> elements);
IUIAutomationCondition* NewCondition(ReferenceLedger& ledger, uia::Ref<uia::Condition> condition);
IUIAutomationTreeWalker* NewTreeWalker(ReferenceLedger& ledger, uia::Ref<uia::TreeWalker> walker);
// The pattern object of the tree's pattern, by the interface of its kind.
IUnknown* NewPattern(ReferenceLedger& ledger, uia::Ref<uia::Pattern> pattern);

// The tree's object behind a pointer this server handed out. Throws
// PlatformError: E_POINTER for null, E_INVALIDARG for an object of another.
uia::Ref<uia::Element> ElementBehind(IUIAutomationElement* element);
uia::Ref<uia::Condition> ConditionBehind(IUIAutomationCondition* condition);

}  // namespace tidemark::win32::uia_server
