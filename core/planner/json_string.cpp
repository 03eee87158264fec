#include "core/planner/json_string.h"

#include <algorithm>

namespace vantrell::planner {

namespace {

bool NeedsEscape(char c) { return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20; }

void AppendEscaped(std::string& document, char c) {
    constexpr std::string_view kHex = "0123456789abcdef";
    switch (c) {
    case '"': document += "\\\""; break;
    case '\\': document += "\\\\"; break;
    case '\b': document += "\\b"; break;
    case '\f': document += "\\f"; break;
    case '\n': document += "\\n"; break;
    case '\r': document += "\\r"; break;
    case '\t': document += "\\t"; break;
    default: {
        const auto byte = static_cast<unsigned char>(c);
        document.append("\\u00").append(1, kHex[byte >> 4]).append(1, kHex[byte & 0xFu]);
    }
    }
}

}  // namespace

void AppendJsonString(std::string& document, std::string_view text) {
    document += '"';
    // Runs of characters that need no escape, nearly every text whole, are appended at once.
    while (!text.empty()) {
        const auto run = static_cast<std::size_t>(std::find_if(text.begin(), text.end(), NeedsEscape) - text.begin());
        document.append(text.substr(0, run));
        if (run == text.size()) break;
        AppendEscaped(document, text[run]);
        text.remove_prefix(run + 1);
    }
    document += '"';
}

}  // namespace vantrell::planner
