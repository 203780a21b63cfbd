#include "com_tree_walker.h"

#include "com_element.h"

namespace tidemark::win32 {

namespace {
// Every walker step has the same shape: an element in, an element or none out.
template <class Step>
uia::Ref<uia::Element> Walk(const char* what, const uia::Ref<uia::Element>& from, Step step) {
    IUIAutomationElement* const start = ElementOf(from);
    return ComElement::Wrap(
        Fetch<IUIAutomationElement>(what, [&](IUIAutomationElement** found) { return step(start, found); }));
}
}  // namespace

uia::Ref<uia::Element> ComTreeWalker::GetParentElement(const uia::Ref<uia::Element>& element) {
    return Walk("IUIAutomationTreeWalker::GetParentElement", element,
                [this](IUIAutomationElement* start, IUIAutomationElement** found) {
                    return walker_->GetParentElement(start, found);
                });
}

uia::Ref<uia::Element> ComTreeWalker::GetPreviousSiblingElement(const uia::Ref<uia::Element>& element) {
    return Walk("IUIAutomationTreeWalker::GetPreviousSiblingElement", element,
                [this](IUIAutomationElement* start, IUIAutomationElement** found) {
                    return walker_->GetPreviousSiblingElement(start, found);
                });
}

uia::Ref<uia::Element> ComTreeWalker::GetNextSiblingElement(const uia::Ref<uia::Element>& element) {
    return Walk("IUIAutomationTreeWalker::GetNextSiblingElement", element,
                [this](IUIAutomationElement* start, IUIAutomationElement** found) {
                    return walker_->GetNextSiblingElement(start, found);
                });
}

uia::Ref<uia::Element> ComTreeWalker::GetFirstChildElement(const uia::Ref<uia::Element>& element) {
    return Walk("IUIAutomationTreeWalker::GetFirstChildElement", element,
                [this](IUIAutomationElement* start, IUIAutomationElement** found) {
                    return walker_->GetFirstChildElement(start, found);
                });
}

uia::Ref<uia::Element> ComTreeWalker::GetLastChildElement(const uia::Ref<uia::Element>& element) {
    return Walk("IUIAutomationTreeWalker::GetLastChildElement", element,
                [this](IUIAutomationElement* start, IUIAutomationElement** found) {
                    return walker_->GetLastChildElement(start, found);
                });
}

}  // namespace tidemark::win32
