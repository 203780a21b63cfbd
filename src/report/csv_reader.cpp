#include "report/csv_reader.h"

#include <algorithm>
#include <array>
#include <utility>

#include "common/text.h"

#include "report/figure_text.h"
#include "report/time_text.h"

namespace tidemark::report {

namespace {
constexpr std::size_t kFieldCount = 11;
constexpr std::size_t kFirstFigureField = 3;
constexpr std::size_t kExcerptBytes = 120;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
constexpr std::string_view kHeaderStart1 = " , , ,FAST,";
constexpr std::string_view kHeaderStart2 = " ,Time,Note,";

// The length of the well-formed UTF-8 sequence at `at`, 0 when there is none.
std::size_t Utf8Length(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    return length;
}

// A double-byte character of the Japanese code page; its second byte is never a comma or a quote.
std::size_t LegacyLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (!((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) || at + 1 >= text.size()) return 1;
    const auto trail = static_cast<unsigned char>(text[at + 1]);
    return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC) ? 2 : 1;
}

// Without the platform's decoder: ASCII stays, the Japanese code page's
// morning and afternoon markers (which a Time column may hold) become
// themselves, and every other character one replacement mark.
std::string LegacyFallback(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kKnown = {
        std::pair{std::string_view("\x8C\xDF\x91\x4F"), std::string_view("\xE5\x8D\x88\xE5\x89\x8D")},   // 午前
        std::pair{std::string_view("\x8C\xDF\x8C\xE3"), std::string_view("\xE5\x8D\x88\xE5\xBE\x8C")}};  // 午後
    std::string valid;
    valid.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            valid += text[i++];
            continue;
        }
        bool known = false;
        for (const auto& [legacy, utf8] : kKnown)
            if (text.substr(i).starts_with(legacy)) {
                valid += utf8;
                i += legacy.size();
                known = true;
                break;
            }
        if (known) continue;
        i += LegacyLength(text, i);
        valid += kReplacement;
    }
    return valid;
}

std::string Excerpt(std::string_view line) {
    std::string text = ValidUtf8(line.substr(0, kExcerptBytes));
    if (line.size() > kExcerptBytes) text += "\xE2\x80\xA6";
    return text;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// A row whose figures were read; its time waits for the whole column.
struct Pending {
    int line;
    std::string_view text;
    std::string time;
    std::string note;
    std::array<Reading, kColumnCount> readings;
};
}  // namespace

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8Length(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string ValidUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8Length(text, i);
        if (length > 0) {
            valid.append(text.substr(i, length));
            i += length;
            continue;
        }
        i += LegacyLength(text, i);
        valid += kReplacement;
    }
    return valid;
}

std::vector<std::string> SplitCsvLine(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') {
                fields.back() += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

History ReadHistory(std::string_view bytes, const LegacyDecoder& decodeLegacy) {
    History history;
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    std::string decoded;
    if (!IsUtf8(bytes)) {
        history.legacyText = true;
        std::optional<std::string> converted;
        if (decodeLegacy) converted = decodeLegacy(std::string(bytes));
        decoded = converted && IsUtf8(*converted) ? std::move(*converted) : LegacyFallback(bytes);
        bytes = decoded;
    }

    std::vector<Pending> pending;
    int lineNumber = 0;
    for (const std::string_view line : Lines(bytes)) {
        ++lineNumber;
        if (line.find_first_not_of(" \t,") == std::string_view::npos) continue;
        if (line.starts_with(kHeaderStart1) || line.starts_with(kHeaderStart2)) continue;
        std::vector<std::string> fields = SplitCsvLine(line);
        // A trailing comma or two that a spreadsheet added is no damage.
        while (fields.size() > kFieldCount && fields.back().find_first_not_of(' ') == std::string::npos)
            fields.pop_back();
        if (fields.size() != kFieldCount) {
            history.unreadable.push_back(
                {lineNumber, std::to_string(fields.size()) + " fields where a row has " + std::to_string(kFieldCount),
                 Excerpt(line)});
            continue;
        }
        Pending row{lineNumber, line, fields[1], fields[2], {}};
        std::string badFields;
        for (std::size_t column = 0; column < kColumnCount; ++column) {
            const std::string& field = fields[kFirstFigureField + column];
            const std::optional<Reading> reading = ReadFigure(field, KindOf(static_cast<Column>(column)));
            if (reading) {
                row.readings[column] = *reading;
            } else {
                if (!badFields.empty()) badFields += ", ";
                badFields +=
                    "column " + std::to_string(kFirstFigureField + column + 1) + " \"" + ValidUtf8(field) + "\"";
            }
        }
        if (!badFields.empty()) {
            history.unreadable.push_back({lineNumber, "figures not understood: " + badFields, Excerpt(line)});
            continue;
        }
        pending.push_back(std::move(row));
    }

    std::vector<std::string> times;
    times.reserve(pending.size());
    for (const Pending& row : pending) times.push_back(row.time);
    const std::vector<std::optional<LocalStamp>> stamps = ReadTimeColumn(times);
    history.rows.reserve(pending.size());
    for (std::size_t i = 0; i < pending.size(); ++i) {
        Pending& row = pending[i];
        if (!stamps[i]) {
            history.unreadable.push_back(
                {row.line, "no date in the Time column: \"" + ValidUtf8(row.time) + "\"", Excerpt(row.text)});
            continue;
        }
        history.rows.push_back({row.line, *stamps[i], TrimBlanks(row.note), row.readings});
    }
    std::stable_sort(history.unreadable.begin(), history.unreadable.end(),
                     [](const UnreadableLine& a, const UnreadableLine& b) { return a.line < b.line; });
    return history;
}

}  // namespace tidemark::report
