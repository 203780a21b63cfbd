#pragma once

// The Time column as the user's locale wrote it: "2024/01/05 9:03:07",
// "1/5/2024 9:03:07 PM", "05.01.2024 09:03:07", "5 Jan 2025 09:03:07",
// "午後 9:03:07", digits of any script; the date alone at midnight. Whether a
// date is month first or day first cannot be told from one row, so the whole
// file's column is read at once, the writing locale's order deciding a tie.

#include <optional>
#include <string>
#include <vector>

#include "common/platform.h"
#include "report/date_words.h"
#include "report/history.h"

namespace tidemark::report {

// One stamp per text, in order; nullopt for a text that holds no date. A
// two-digit year takes the century that puts it nearest to the column's
// four-digit years, else to `today`.
std::vector<std::optional<LocalStamp>> ReadTimeColumn(const std::vector<std::string>& texts,
                                                      const DateWords& words = {},
                                                      std::optional<LocalStamp> today = std::nullopt);

}  // namespace tidemark::report
