#include "app/run_records.h"

namespace tidemark {

RunRecords::RunRecords(RecordFiles& files, ReportViewer& viewer, const UnattendedOptions& options,
                       Environment& environment)
    : services_{files, viewer} {
    if (const auto folder = MetricsFolder(options, environment)) metrics_.emplace(MetricsTarget{*folder, epoch_});
}

void RunRecords::ServeTo(Context& context) {
    context.records = &services_;
    context.metrics = metrics_ ? &*metrics_ : nullptr;
}

}  // namespace tidemark
