#include "server_tree_walker.h"

#include "com_answer.h"

namespace tidemark::win32::uia_server {

IUIAutomationTreeWalker* NewTreeWalker(ReferenceLedger& ledger, uia::Ref<uia::TreeWalker> walker) {
    if (!walker) return nullptr;
    return new ServerTreeWalker(ledger, std::move(walker));
}

void* ServerTreeWalker::Find(REFIID iid) {
    return IsEqualIID(iid, __uuidof(IUIAutomationTreeWalker)) ? static_cast<IUIAutomationTreeWalker*>(this) : nullptr;
}

HRESULT ServerTreeWalker::Step(uia::Ref<uia::Element> (uia::TreeWalker::*step)(const uia::Ref<uia::Element>&),
                               IUIAutomationElement* from, IUIAutomationElement** to) {
    return AnswerInto<IUIAutomationElement*>(to, nullptr, [&](IUIAutomationElement*& out) {
        out = NewElement(ledger(), ((*walker_).*step)(ElementBehind(from)));
    });
}

HRESULT ServerTreeWalker::GetParentElement(IUIAutomationElement* from, IUIAutomationElement** to) {
    return Step(&uia::TreeWalker::GetParentElement, from, to);
}

HRESULT ServerTreeWalker::GetFirstChildElement(IUIAutomationElement* from, IUIAutomationElement** to) {
    return Step(&uia::TreeWalker::GetFirstChildElement, from, to);
}

HRESULT ServerTreeWalker::GetLastChildElement(IUIAutomationElement* from, IUIAutomationElement** to) {
    return Step(&uia::TreeWalker::GetLastChildElement, from, to);
}

HRESULT ServerTreeWalker::GetNextSiblingElement(IUIAutomationElement* from, IUIAutomationElement** to) {
    return Step(&uia::TreeWalker::GetNextSiblingElement, from, to);
}

HRESULT ServerTreeWalker::GetPreviousSiblingElement(IUIAutomationElement* from, IUIAutomationElement** to) {
    return Step(&uia::TreeWalker::GetPreviousSiblingElement, from, to);
}

}  // namespace tidemark::win32::uia_server
