#pragma once

// The three measurement pages on one simulated line, shown by a simulated Edge.

#include "sim/sim_edge.h"
#include "sim/sim_fast_page.h"
#include "sim/sim_line_model.h"
#include "sim/sim_speed_page.h"
#include "sim/sim_usen_page.h"

namespace tidemark::sim {

struct MeasurementSites {
    explicit MeasurementSites(const LineModel::Settings& lineSettings = {}) : line(lineSettings) {}
    MeasurementSites(const MeasurementSites&) = delete;
    MeasurementSites& operator=(const MeasurementSites&) = delete;

    void Register(SimEdge& edge) {
        fast.Register(edge);
        usen.Register(edge);
        speed.Register(edge);
    }

    LineModel line;
    FastPage fast{line};
    UsenPage usen{line};
    SpeedPage speed{line};
};

}  // namespace tidemark::sim
