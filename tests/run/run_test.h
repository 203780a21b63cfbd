#pragma once

// The fixture of the run and schedule tests: the simulated Edge showing the
// three measurement pages on a steady line, and the result file's bytes.

#include <cmath>

#include "browser/edge_test.h"
#include "sim/sim_measurement_sites.h"

namespace tidemark::test {

inline const std::string kResultHeader =
    " , , ,FAST,USEN,USEN,USEN,USEN ,SPEED,SPEED,SPEED\r\n"
    " ,Time,Note,DL Speed,DL Speed,UL speed,PING,Jitter,DL Speed,UL speed,PING\r\n";

class RunTestBase : public EdgeTest {
protected:
    void SetUp() override {
        EdgeTest::SetUp();
        sites.Register(edge);
    }

    std::string Csv() const { return sim.files.FileExists(csvPath) ? sim.files.Contents(csvPath) : ""; }
    // The row as it is stamped now: a blank, the date and time, the note, the eight figures.
    std::string RowNow(const std::string& note, const std::string& figures) {
        LocalDateTime now = sim.clock.Now();
        now.secondsSinceMidnight = std::floor(now.secondsSinceMidnight);
        return " ," + sim.locale.FormatGeneralDate(now) + "," + note + "," + figures + "\r\n";
    }

    // Figures on the steady line, as each page shows them.
    static constexpr const char* kFastFigures = "95Mbps";
    static constexpr const char* kUsenFigures = "94.52Mbps,38.21Mbps,12.3ms,2.1ms";
    static constexpr const char* kSpeedFigures = "94.52Mbps,38.21Mbps,12ms";

    sim::MeasurementSites sites{{.mean = {94.52, 38.21, 12.3, 2.1}, .spread = 0.0}};
    const std::string csvPath = std::string(sim::SimFileSystem::kDocuments) + "\\Tidemark.csv";
};

}  // namespace tidemark::test
