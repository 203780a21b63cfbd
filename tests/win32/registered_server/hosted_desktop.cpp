#include "hosted_desktop.h"

#include <fstream>
#include <sstream>

#include "wide_text.h"
#include "win32_environment.h"

namespace tidemark::win32::registered_server {

HostedDesktop::HostedDesktop()
    : recordFile_(ToWide(Win32Environment().Variable("TIDEMARK_RECORD_FILE"))),
      edgeStarted_(
          CreateEventW(nullptr, FALSE, FALSE, ToWide(Win32Environment().Variable("TIDEMARK_RECORD_EVENT")).c_str())) {
    // The program asks for the desktop by the system's own desktop window.
    tree().root()->handle = reinterpret_cast<uia::WindowHandle>(GetDesktopWindow());
    desktop_.RecordActions(false);
    sites_.fast.settings.measureMs = 2'000;
    sites_.usen.settings.measureMs = 2'000;
    sites_.speed.settings.serverChoiceMs = 1'000;
    sites_.speed.settings.measureMs = 3'000;
    sites_.Register(edge_);
    tree().AddObserver(*this);
}

HostedDesktop::~HostedDesktop() { tree().RemoveObserver(*this); }

bool HostedDesktop::BeforeCall(const uia_tree::CallEvent&) {
    if (edgeStarted_ && WaitForSingleObject(edgeStarted_.get(), 0) == WAIT_OBJECT_0) TakeUpEdgeStart();
    return true;
}

// The record holds the stand-in's process id, its path and its command
// line, which starts with the quoted path the program started.
void HostedDesktop::TakeUpEdgeStart() {
    std::ifstream file(recordFile_.c_str(), std::ios::binary);
    std::string processId, module, commandLine;
    std::getline(file, processId);
    std::getline(file, module);
    std::getline(file, commandLine);
    file.close();
    DeleteFileW(recordFile_.c_str());
    if (commandLine.size() < 2 || commandLine.front() != '"') return;
    const std::size_t closing = commandLine.find('"', 1);
    if (closing == std::string::npos) return;
    edge_.Start(commandLine.substr(1, closing - 1), commandLine.substr(closing + 1));
}

}  // namespace tidemark::win32::registered_server
