#include "report/text_encoding.h"

#include <array>
#include <utility>

namespace tidemark::report {

namespace {
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
constexpr std::string_view kEllipsis = "\xE2\x80\xA6";

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

std::string ClippedUtf8(std::string_view text, std::size_t most) {
    std::string valid = ValidUtf8(text.substr(0, most + 4));
    if (valid.size() <= most && text.size() <= most) return valid;
    std::size_t cut = std::min(most, valid.size());
    while (cut > 0 && (static_cast<unsigned char>(valid[cut]) & 0xC0) == 0x80) --cut;
    valid.resize(cut);
    return valid + std::string(kEllipsis);
}

std::string DecodeLine(std::string_view text, const LegacyDecoder& decodeLegacy, bool& legacy) {
    if (IsUtf8(text)) return std::string(text);
    legacy = true;
    if (decodeLegacy) {
        std::optional<std::string> converted = decodeLegacy(std::string(text));
        if (converted && IsUtf8(*converted)) return std::move(*converted);
    }
    return LegacyFallback(text);
}

}  // namespace tidemark::report
