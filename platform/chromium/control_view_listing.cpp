#include "chromium/control_view_listing.h"

#include <cstdio>
#include <optional>

#include "chromium/control_type_names.h"

namespace tidemark::chromium {

namespace {

struct Decoded {
    char32_t codePoint;
    std::size_t length;
};

// One UTF-8 character, or nothing for a byte that does not begin a well-formed one.
std::optional<Decoded> DecodeUtf8(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return Decoded{lead, 1};
    // The lead byte gives the length, its payload bits, and the least code point that needs that length.
    std::size_t length = 4;
    char32_t codePoint = lead & 0x07u;
    char32_t least = 0x10000;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1Fu;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0Fu;
        least = 0x800;
    } else if ((lead & 0xF8) != 0xF0) {
        return std::nullopt;
    }
    if (text.size() < length) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
        codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
    }
    if (codePoint < least || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return std::nullopt;
    return Decoded{codePoint, length};
}

// Characters that print as nothing or as a glyph only some font has.
bool Unseen(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x2064) || c == 0xFEFF ||
           (c >= 0xE000 && c <= 0xF8FF) || c >= 0xF0000;
}

std::string Escaped(char32_t c) {
    char buffer[16];
    if (c <= 0xFFFF) {
        std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(c));
    } else {
        std::snprintf(buffer, sizeof buffer, "\\U%08X", static_cast<unsigned>(c));
    }
    return buffer;
}

void AppendListing(const ControlElement& element, int depth, std::string& listing) {
    listing.append(static_cast<std::size_t>(depth) * 2, ' ');
    listing += ElementLine(element);
    listing += '\n';
    for (const ControlElement& child : element.children) AppendListing(child, depth + 1, listing);
}

}  // namespace

std::string QuotedText(std::string_view text) { return "\"" + EscapedText(text) + "\""; }

std::string IdText(std::string_view id) {
    const bool plain = !id.empty() && id.find(' ') == std::string_view::npos && EscapedText(id) == id;
    return plain ? std::string(id) : QuotedText(id);
}

std::string EscapedText(std::string_view text) {
    std::string quoted;
    while (!text.empty()) {
        const std::optional<Decoded> next = DecodeUtf8(text);
        if (!next) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02X", static_cast<unsigned char>(text.front()));
            quoted += buffer;
            text.remove_prefix(1);
            continue;
        }
        if (next->codePoint == '"' || next->codePoint == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(next->codePoint);
        } else if (Unseen(next->codePoint)) {
            quoted += Escaped(next->codePoint);
        } else {
            quoted += text.substr(0, next->length);
        }
        text.remove_prefix(next->length);
    }
    return quoted;
}

std::string ElementLine(const ControlElement& element) {
    std::string line = ControlTypeName(element.controlType) + " " + QuotedText(element.name);
    if (!element.automationId.empty()) line += " id=" + IdText(element.automationId);
    if (!element.className.empty()) line += " class=" + QuotedText(element.className);
    return line;
}

std::string ControlViewListing(const ControlElement& root) {
    std::string listing;
    AppendListing(root, 0, listing);
    return listing;
}

}  // namespace tidemark::chromium
