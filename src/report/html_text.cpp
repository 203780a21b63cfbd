#include "report/html_text.h"

#include "report/text_encoding.h"

namespace tidemark::report {

std::string Escape(std::string_view text) {
    const std::string valid = IsUtf8(text) ? std::string(text) : ValidUtf8(text);
    std::string escaped;
    escaped.reserve(valid.size());
    for (std::size_t i = 0; i < valid.size(); ++i) {
        const char c = valid[i];
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            case '\'': escaped += "&#39;"; break;
            case '\xEF':
                // U+FFFE and U+FFFF are not characters of XML.
                if (i + 2 < valid.size() && valid[i + 1] == '\xBF' &&
                    (valid[i + 2] == '\xBE' || valid[i + 2] == '\xBF')) {
                    escaped += "\xEF\xBF\xBD";
                    i += 2;
                } else {
                    escaped += c;
                }
                break;
            default:
                // Control characters are not allowed in XML.
                if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') {
                    escaped += ' ';
                } else {
                    escaped += c;
                }
        }
    }
    return escaped;
}

std::string EscapeClipped(std::string_view text, std::size_t most) { return Escape(ClippedUtf8(text, most)); }

}  // namespace tidemark::report
