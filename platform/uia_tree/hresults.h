#pragma once

#include "common/platform_error.h"

namespace tidemark::uia_tree {

// Codes the tree answers with besides those the core knows.
constexpr HResult kElementNotEnabled = static_cast<HResult>(0x80040200u);  // UIA_E_ELEMENTNOTENABLED
constexpr HResult kInvalidOperation = static_cast<HResult>(0x80131509u);   // UIA_E_INVALIDOPERATION

}  // namespace tidemark::uia_tree
