#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/texts/unicode.h"

// Column helpers for the plain-text tables meant for monospaced posts.
namespace vantrell::planner {

// How many places `text` takes in a monospaced font: one per code point, as in
// every script the program is translated into.
inline std::size_t ColumnWidth(std::string_view text) { return texts::CodePointCount(text); }

inline std::string PadRight(std::string_view text, std::size_t width) {
    std::string padded(text);
    const std::size_t taken = ColumnWidth(text);
    if (taken < width) padded.append(width - taken, ' ');
    return padded;
}

inline std::string PadLeft(std::string_view text, std::size_t width) {
    const std::size_t taken = ColumnWidth(text);
    std::string padded(taken < width ? width - taken : 0, ' ');
    return padded.append(text);
}

// A row without the padding of its last column, ended.
inline std::string TrimmedRow(std::string row) {
    row.erase(row.find_last_not_of(' ') + 1);
    return row + '\n';
}

}  // namespace vantrell::planner
