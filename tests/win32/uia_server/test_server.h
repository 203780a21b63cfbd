#pragma once

// A UI Automation server for tests: COM objects implementing the client
// interfaces the adapter uses, over an in-memory tree, answering as UI
// Automation documents its answers. Methods the program never calls answer
// E_NOTIMPL.

#include "com_ptr.h"
#include "reference_ledger.h"
#include "uia_com.h"
#include "uia_tree/tree.h"

namespace tidemark::win32::uia_server {

// A new automation object over the tree, counted in the ledger. Both must
// outlive every object it hands out.
ComPtr<IUIAutomation> CreateTestAutomation(uia_tree::Tree& tree, ReferenceLedger& ledger);

}  // namespace tidemark::win32::uia_server
