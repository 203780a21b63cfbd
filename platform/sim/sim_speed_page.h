#pragma once

// The Speedtest by Ookla page as Edge shows it: it first chooses a test
// server by itself; each press of its start button starts a measurement
// that shows the speed gauge until it ends, and then the result list and
// the results block with download, upload and ping, each label followed by
// its unit and figure, the ping figure in a second latency item marked
// "updated".

#include <string>

#include "sim/sim_edge.h"
#include "sim/sim_line_model.h"

namespace tidemark::sim {

class SpeedPage {
public:
    static constexpr const char* kAddress = "https://www.speedtest.net/";
    static constexpr const char* kTitle = "Speedtest by Ookla - The Global Broadband Speed Test";
    static constexpr const char* kFindingServer = "Finding optimal server...";
    static constexpr const char* kServer = "Tokyo - Example ISP";

    // Durations from loading (server, title) or from the press of start
    // (gauge, measurement, replacement); kForever for never.
    struct Settings {
        double serverChoiceMs = 3'000;
        double measureMs = 30'000;
        double titleDelayMs = 0;
        double gaugeDelayMs = 0;
        double replacedAfterMs = kForever;  // another page takes its place
        std::string title = kTitle;         // another page's title, for a wrong page
        std::string server = kServer;
        bool currentServerShown = true;  // false: the page has no current-server element
        bool startInvokable = true;
        bool downloadUpdated = true;  // false: the download item's class lacks "updated"
        std::string shownPing;        // "--", say, instead of the line's figure when not empty
    };

    explicit SpeedPage(LineModel& line) : line_(line) {}

    void Register(SimEdge& edge);
    // Builds the page under a freshly loaded document.
    void Build(const EdgePagePtr& page);

    Settings settings;
    int measurements() const { return measurements_; }
    // When start was last pressed, on the desktop's clock.
    double lastPressMs() const { return lastPressMs_; }

private:
    struct Shown;
    void StartMeasurement(const std::shared_ptr<Shown>& shown);

    LineModel& line_;
    int measurements_ = 0;
    double lastPressMs_ = 0;
};

}  // namespace tidemark::sim
