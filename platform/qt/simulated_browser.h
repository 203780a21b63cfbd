#pragma once

// The Linux build's browser, for now: the simulated Edge showing the three
// simulated measurement pages on the real clock. The figures it produces
// come from a model of a line, not from the user's line.

#include "common/platform.h"
#include "sim/desktop.h"
#include "sim/sim_edge.h"
#include "sim/sim_measurement_sites.h"

namespace tidemark::qt {

class SimulatedBrowser : public ProcessStarter, public BrowserLocation {
public:
    explicit SimulatedBrowser(sim::Desktop& desktop);

    // Plays Edge for its path; any other program is not there.
    void Start(const std::string& program, const std::string& arguments) override;
    // Edge is where Windows keeps it, so nothing else is registered.
    std::optional<std::string> FindInstalled() override { return std::nullopt; }

    sim::SimEdge edge;
    sim::MeasurementSites sites;
};

// The modifier keys from the real keyboard; the keys the program presses go
// to the simulated Edge, which has the focus they are meant for.
class SimulatedBrowserKeyboard : public Keyboard {
public:
    SimulatedBrowserKeyboard(Keyboard& real, sim::SimEdge& edge) : real_(real), edge_(edge) {}

    std::array<std::uint8_t, 256> GetKeyboardState() override { return real_.GetKeyboardState(); }
    void KeyEvent(std::uint8_t virtualKey, bool keyUp) override { edge_.KeyEvent(virtualKey, keyUp); }

private:
    Keyboard& real_;
    sim::SimEdge& edge_;
};

}  // namespace tidemark::qt
