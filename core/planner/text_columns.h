#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Column helpers for the plain-text tables meant for monospaced posts.
namespace vantrell::planner {

inline std::string PadRight(std::string_view text, std::size_t width) {
    std::string padded(text);
    if (padded.size() < width) padded.append(width - padded.size(), ' ');
    return padded;
}

inline std::string PadLeft(std::string_view text, std::size_t width) {
    std::string padded(text.size() < width ? width - text.size() : 0, ' ');
    return padded.append(text);
}

// A row without the padding of its last column, ended.
inline std::string TrimmedRow(std::string row) {
    row.erase(row.find_last_not_of(' ') + 1);
    return row + '\n';
}

}  // namespace vantrell::planner
