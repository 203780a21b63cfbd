#pragma once

// A result file read back: one record per row that could be read, and the
// lines that could not, each named with its reason.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/civil_days.h"

namespace tidemark::report {

// The eight figure columns, in the order of the file.
enum Column : std::size_t { kFastDown, kUsenDown, kUsenUp, kUsenPing, kUsenJitter, kSpeedDown, kSpeedUp, kSpeedPing };
inline constexpr std::size_t kColumnCount = 8;

struct Reading {
    enum class State {
        Value,      // a figure: Mbps for speeds, ms for ping and jitter
        NotChosen,  // "----": the service was not measured
        Failed,     // "Error", "--" and the like: the service was measured and gave no figure
        Empty,      // nothing in the field
    };
    State state = State::Empty;
    double value = 0.0;

    bool failed() const { return state == State::Failed || state == State::Empty; }
    bool tried() const { return state != State::NotChosen; }
};

// Local time as written in the file, counted as if it were UTC.
struct LocalStamp {
    std::int64_t seconds = 0;  // since 1970-01-01 00:00:00

    std::int64_t Day() const;  // days since 1970-01-01
    int Hour() const;
    bool operator<(const LocalStamp& other) const { return seconds < other.seconds; }
};

struct HistoryRow {
    int line = 0;  // 1-based line of the file
    LocalStamp time;
    std::string note;
    std::array<Reading, kColumnCount> readings{};

    bool failed() const;  // a note, or a measured service without its figure
};

struct UnreadableLine {
    int line = 0;
    std::string reason;
    std::string text;  // the start of the line, as valid UTF-8
};

struct History {
    std::vector<HistoryRow> rows;  // in the order of the file
    std::vector<UnreadableLine> unreadable;
    bool legacyText = false;  // the file was not UTF-8 and was read as the legacy code page
};

// "2026-01-05".
std::string DayText(std::int64_t day);
// "2026-01-05 09:03".
std::string StampText(LocalStamp stamp);

}  // namespace tidemark::report
