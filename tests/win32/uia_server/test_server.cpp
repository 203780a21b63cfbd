#include "test_server.h"

#include "server_automation.h"

namespace tidemark::win32::uia_server {

ComPtr<IUIAutomation> CreateTestAutomation(uia_tree::Tree& tree, ReferenceLedger& ledger) {
    return ComPtr<IUIAutomation>::Attach(new ServerAutomation(ledger, tree.CreateAutomation()));
}

}  // namespace tidemark::win32::uia_server
