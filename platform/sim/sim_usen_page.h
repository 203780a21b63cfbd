#pragma once

// The USEN GATE 02 measurement page as Edge shows it: idle with its start
// link; pressed, it shows the abort link while it measures; finished, the
// abort link goes and each figure shows as its label, the integer part, the
// fraction part and the unit side by side. Pressing start again begins a
// new measurement and the old figures go.

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "sim/sim_edge.h"
#include "sim/sim_line_model.h"

namespace tidemark::sim {

class UsenPage {
public:
    static constexpr const char* kAddress = "https://speedtest.gate02.ne.jp/";
    static constexpr const char* kTitle = "インターネット回線スピードテスト・通信速度測定 | USEN GATE 02";

    enum class Figure { None, Download, Upload, Ping, Jitter };

    struct Settings {
        double measureMs = 20'000;     // from the press to the figures
        double abortLinkDelayMs = 50;  // from the press; kForever for never
        double titleDelayMs = 0;       // the title shows this long after loading
        std::string title = kTitle;    // another page's title, for a wrong page
        bool neverFinishes = false;
        std::vector<std::string> labels{"DOWNLOAD", "UPLOAD", "PING", "JITTER"};  // another display language
        Figure dashed = Figure::None;       // "--" and an empty fraction part instead of the line's figure
        std::set<Figure> withoutFraction;   // the integer part followed directly by the unit
        double replacedAfterMs = kForever;  // from the press: another page takes its place
        bool startInvokable = true;         // the start link offers the Invoke pattern
        bool startEnabled = true;
    };

    explicit UsenPage(LineModel& line) : line_(line) {}

    void Register(SimEdge& edge);
    // Builds the idle page under a freshly loaded document.
    void Build(const EdgePagePtr& page);

    Settings settings;
    // Start presses and finished measurements, over every page built.
    int presses() const { return presses_; }
    int measurements() const { return measurements_; }
    // When the last press came, in milliseconds on the desktop's wait clock.
    double lastPressMs() const { return lastPressMs_; }

private:
    struct Loaded;

    void Press(const std::shared_ptr<Loaded>& loaded);
    void Finish(Loaded& loaded, const LineFigures& figures);

    LineModel& line_;
    int presses_ = 0;
    int measurements_ = 0;
    double lastPressMs_ = 0;
};

}  // namespace tidemark::sim
