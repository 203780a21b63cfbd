#pragma once

// The simulated Microsoft Edge: the program the process starter plays when a
// command line names Edge's path. " --new-window <address>" opens a window,
// " --newtab <address>" a new last tab in the front window, each after a
// delay on the clock. Enter pressed while the address bar has the focus
// takes the selected tab to the bar's text; a registered address shows its
// page, any other a blank page titled by the address.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sim/desktop.h"
#include "sim/sim_edge_page.h"
#include "sim/sim_edge_window.h"
#include "sim/sim_keyboard.h"
#include "sim/sim_process_starter.h"

namespace tidemark::sim {

class SimEdge {
public:
    static constexpr const char* kStandardPath = "C:\\Program Files (x86)\\Microsoft\\Edge\\Application\\msedge.exe";

    // Delays on the clock; kForever for never. The language of new windows.
    struct Options {
        double windowDelayMs = 1500;
        double tabDelayMs = 300;
        double pageDelayMs = 400;
        bool english = false;
    };

    SimEdge(Desktop& desktop, std::string program = kStandardPath);
    ~SimEdge();
    SimEdge(const SimEdge&) = delete;
    SimEdge& operator=(const SimEdge&) = delete;

    // Plays Edge for the starter's command lines and the keyboard's keys.
    void Attach(SimProcessStarter& starter, SimKeyboard& keyboard);

    // What the process starter hands over; false when the program is not Edge.
    bool Start(const std::string& program, const std::string& arguments);
    // What the keyboard sends to whatever has the focus.
    void KeyEvent(std::uint8_t virtualKey, bool keyUp);

    void RegisterPage(const std::string& address, PageBuilder build);

    // The open windows, front first.
    std::vector<EdgeWindowPtr> windows() const;
    // Opens a window at once, as the user would.
    EdgeWindowPtr OpenWindow(const std::string& address = "");
    // Opens a new last tab in the window at once, selected.
    EdgeTabPtr OpenTab(const EdgeWindowPtr& window, const std::string& address = "");
    // Loads the address in the tab; the page shows after the page delay.
    void Navigate(const EdgeWindowPtr& window, const EdgeTabPtr& tab, const std::string& address);

    Options options;
    int startCount() const { return startCount_; }
    int navigationCount() const { return navigationCount_; }

private:
    void Later(double ms, std::function<void()> change);
    void WatchFocusAndSelection(const EdgeWindowPtr& window, const EdgeTabPtr& tab);
    void LoadPage(const EdgeTabPtr& tab, const std::string& address);

    Desktop& desktop_;
    std::string program_;
    std::map<std::string, PageBuilder> pages_;
    std::vector<EdgeWindowPtr> windows_;
    std::weak_ptr<Node> focused_;
    SimProcessStarter* starter_ = nullptr;
    SimKeyboard* keyboard_ = nullptr;
    // Held weakly by what is scheduled on the desktop, which may outlive this.
    std::shared_ptr<SimEdge*> self_ = std::make_shared<SimEdge*>(this);
    int startCount_ = 0;
    int navigationCount_ = 0;
};

}  // namespace tidemark::sim
