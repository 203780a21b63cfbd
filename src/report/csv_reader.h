#pragma once

// Reads a result file's rows. The two header lines and blank lines are
// passed over; a record that is not a row of 11 fields with a date and
// figures within bounds is kept as unreadable with its reason, and reading
// goes on.

#include <optional>
#include <string_view>

#include "common/platform.h"
#include "report/history.h"
#include "report/text_encoding.h"

namespace tidemark::report {

struct ReadOptions {
    LegacyDecoder decodeLegacy;  // none: the legacy code page's text is kept as ASCII
    DateWords words;             // the writing locale's words of dates
    std::optional<LocalStamp> today;
};

History ReadHistory(std::string_view bytes, const ReadOptions& options = {});

}  // namespace tidemark::report
