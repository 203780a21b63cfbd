#pragma once

// The Time column as the user's locale wrote it: "2024/01/05 9:03:07",
// "1/5/2024 9:03:07 PM", "05.01.2024 09:03:07", "午後 9:03:07" and the like;
// the date alone at midnight. Whether a date is month first or day first
// cannot be told from one row, so the whole file's column is read at once.

#include <optional>
#include <string>
#include <vector>

#include "report/history.h"

namespace tidemark::report {

// One stamp per text, in order; nullopt for a text that holds no date.
std::vector<std::optional<LocalStamp>> ReadTimeColumn(const std::vector<std::string>& texts);

}  // namespace tidemark::report
