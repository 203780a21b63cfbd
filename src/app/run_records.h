#pragma once

// What a run leaves besides its row: the run log and report services, and the
// metrics file when a folder was asked for. Held for as long as the context
// that points at them.

#include <optional>

#include "app/unattended_options.h"
#include "common/context.h"
#include "common/metrics_target.h"
#include "common/record_files.h"

namespace tidemark {

class RunRecords {
public:
    RunRecords(RecordFiles& files, ReportViewer& viewer, const UnattendedOptions& options, Environment& environment);
    RunRecords(const RunRecords&) = delete;
    RunRecords& operator=(const RunRecords&) = delete;

    void ServeTo(Context& context);
    RecordServices& services() { return services_; }

private:
    RecordServices services_;
    SystemEpochClock epoch_;
    std::optional<MetricsTarget> metrics_;
};

}  // namespace tidemark
