#pragma once

#include "common/platform.h"
#include "uia_tree/tree.h"

namespace tidemark::uia_tree {

// Hands out the tree's automation object, in UI Automation's place.
class TreeAutomationFactory : public AutomationFactory {
public:
    explicit TreeAutomationFactory(Tree& tree) : tree_(tree) {}

    uia::Ref<uia::Automation> CreateAutomation() override { return tree_.CreateAutomation(); }
    uia::WindowHandle GetDesktopWindow() override { return Tree::kDesktopHandle; }

private:
    Tree& tree_;
};

}  // namespace tidemark::uia_tree
