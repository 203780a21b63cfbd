#pragma once

// What the registered test server shows a real Tidemark.exe: the simulated
// desktop on the real clock, with the simulated Edge and the three pages
// (measuring in seconds rather than tens of seconds). The program starts
// Edge by its command line; the stand-in msedge.exe reports that line in a
// file and sets an event, which the desktop takes up at the program's next
// UI Automation call. Enter reaches the simulated Edge from a keyboard hook.

#include <string>

#include "reference_ledger.h"
#include "sim/desktop.h"
#include "sim/sim_edge.h"
#include "sim/sim_measurement_sites.h"
#include "win32_clock.h"
#include "win32_handles.h"

namespace tidemark::win32::registered_server {

class HostedDesktop final : public uia_tree::CallObserver {
public:
    // The stand-in's record file and event, by the variables it reads.
    HostedDesktop();
    ~HostedDesktop() override;
    HostedDesktop(const HostedDesktop&) = delete;
    HostedDesktop& operator=(const HostedDesktop&) = delete;

    uia_tree::Tree& tree() { return desktop_.tree(); }
    uia_server::ReferenceLedger& ledger() { return ledger_; }
    void EnterKey(bool keyUp) { edge_.KeyEvent(VK_RETURN, keyUp); }

    bool BeforeCall(const uia_tree::CallEvent& event) override;

private:
    void TakeUpEdgeStart();

    Win32Clock clock_;
    sim::Desktop desktop_{clock_};
    sim::SimEdge edge_{desktop_};
    sim::MeasurementSites sites_;
    uia_server::ReferenceLedger ledger_;
    std::wstring recordFile_;
    unique_handle edgeStarted_;
};

}  // namespace tidemark::win32::registered_server
