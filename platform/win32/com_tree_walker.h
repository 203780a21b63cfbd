#pragma once

#include <utility>

#include "com_ptr.h"
#include "uia/automation.h"
#include "uia_com.h"

namespace tidemark::win32 {

class ComTreeWalker final : public uia::TreeWalker {
public:
    explicit ComTreeWalker(ComPtr<IUIAutomationTreeWalker> walker) : walker_(std::move(walker)) {}

    uia::Ref<uia::Element> GetParentElement(const uia::Ref<uia::Element>& element) override;
    uia::Ref<uia::Element> GetPreviousSiblingElement(const uia::Ref<uia::Element>& element) override;
    uia::Ref<uia::Element> GetNextSiblingElement(const uia::Ref<uia::Element>& element) override;
    uia::Ref<uia::Element> GetFirstChildElement(const uia::Ref<uia::Element>& element) override;
    uia::Ref<uia::Element> GetLastChildElement(const uia::Ref<uia::Element>& element) override;

private:
    ComPtr<IUIAutomationTreeWalker> walker_;
};

}  // namespace tidemark::win32
