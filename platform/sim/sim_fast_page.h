#pragma once

// The FAST measurement page as Edge shows it: it measures the download
// speed by itself once loaded, its progress indicator the first group of
// the document until its class says "succeeded", the figure rising on the
// way, then stays with the language button, the label, the figure and the
// unit side by side.

#include <optional>
#include <string>

#include "sim/sim_edge.h"
#include "sim/sim_line_model.h"

namespace tidemark::sim {

class FastPage {
public:
    static constexpr const char* kAddress = "https://fast.com/ja/";
    static constexpr const char* kTitle = "インターネット回線の速度テスト | Fast.com";
    static constexpr const char* kSpeedLabel = "お使いのインターネットの速度:";

    struct Settings {
        double measureMs = 10'000;
        double titleDelayMs = 0;     // the title shows this long after loading
        std::string title = kTitle;  // another page's title, for a wrong page
        bool neverFinishes = false;
        std::string speedLabel = kSpeedLabel;    // another display language
        std::optional<std::string> shownFigure;  // "--", "0", ... instead of the line's
        std::string unit = "Mbps";
        double replacedAfterMs = kForever;  // another page takes its place mid-measurement
    };

    explicit FastPage(LineModel& line) : line_(line) {}

    void Register(SimEdge& edge);
    // Builds the page under a freshly loaded document.
    void Build(const EdgePagePtr& page);

    Settings settings;
    int measurements() const { return measurements_; }

private:
    LineModel& line_;
    int measurements_ = 0;
};

}  // namespace tidemark::sim
