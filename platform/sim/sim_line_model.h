#pragma once

// A simple model of the user's line: each measurement draws its figures
// around a mean with a relative spread, from a seeded generator, so that a
// schedule of runs writes plausible, varied rows that repeat for a seed.

#include <cstdint>
#include <random>

namespace tidemark::sim {

struct LineFigures {
    double downloadMbps;
    double uploadMbps;
    double pingMs;
    double jitterMs;
};

class LineModel {
public:
    struct Settings {
        LineFigures mean{94.5, 38.2, 12.0, 2.1};
        double spread = 0.15;  // standard deviation as a share of the mean
        std::uint32_t seed = 20240105;
    };

    LineModel() : LineModel(Settings{}) {}
    explicit LineModel(const Settings& settings) : settings_(settings), engine_(settings.seed) {}

    LineFigures Measure();

private:
    double Draw(double mean);

    Settings settings_;
    std::mt19937 engine_;
};

}  // namespace tidemark::sim
