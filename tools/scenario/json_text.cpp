#include "tools/scenario/json_text.h"

#include <array>

namespace vantrell::scenario {

std::string JsonString(std::string_view text) {
    std::string json;
    json.reserve(text.size() + 2);
    json += '"';
    for (const char c : text) {
        switch (c) {
        case '"': json += "\\\""; break;
        case '\\': json += "\\\\"; break;
        case '\n': json += "\\n"; break;
        case '\r': json += "\\r"; break;
        case '\t': json += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                                    '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
                const auto byte = static_cast<unsigned char>(c);
                json += "\\u00";
                json += kHex[byte >> 4];
                json += kHex[byte & 0xF];
            } else {
                json += c;
            }
        }
    }
    json += '"';
    return json;
}

}  // namespace vantrell::scenario
