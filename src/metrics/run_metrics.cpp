#include "metrics/run_metrics.h"

#include <exception>

#include "metrics/metrics_text.h"
#include "run/run_log.h"

namespace tidemark::metrics {

namespace {
inline constexpr std::string_view kLogKind = "METRICS";

std::string FilePath(const std::string& folder, const std::string& separator) {
    const bool ended = !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
    return folder + (ended ? "" : separator) + std::string(kFileName);
}
}  // namespace

void WriteRunMetrics(Context& context, const RunOutcome& outcome) noexcept {
    if (context.metrics == nullptr || context.records == nullptr) return;
    RunLog log(context.records, context.platform.clock);
    std::string path;
    try {
        path = FilePath(context.metrics->folder, context.platform.files.PathSeparator());
        RecordFiles& files = context.records->files;
        const std::optional<std::string> previous = files.Read(path);
        MetricsState state = previous ? ParseMetrics(*previous) : MetricsState{};
        RecordRun(state, outcome, context.metrics->clock.SecondsSinceEpoch());
        files.Write(path, FormatMetrics(state));
    } catch (const PlatformError& error) {
        log.Write(kLogKind,
                  "not written to " + (path.empty() ? context.metrics->folder : path) + ": " + ErrorText(error));
    } catch (const std::exception& error) {
        log.Write(kLogKind, "not written to " + context.metrics->folder + ": " + error.what());
    }
}

}  // namespace tidemark::metrics
