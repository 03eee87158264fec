// The table as a picture. Columns are placed in the picture's own units; a
// text too long for its column is broken between words onto further lines of
// its row, measured by an average letter's width of the sans-serif faces named.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/planner/table_rendering.h"
#include "core/texts/unicode.h"

namespace vantrell::planner {
namespace {

using texts::CodePointCount;

constexpr int kWidth = 760;
constexpr int kMargin = 16;
constexpr int kLineHeight = 20;
constexpr int kFontSize = 13;
constexpr double kLetterWidth = 6.8;  // an average letter at 13 units, with room to spare
constexpr int kMinimumTextWidth = 260;

std::vector<std::string> Wrapped(std::string_view text, int width) {
    const auto fits = static_cast<std::size_t>(std::max(8.0, width / kLetterWidth));
    std::vector<std::string> lines{""};
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view word = text.substr(start, end - start);
        const bool full = !lines.back().empty() && CodePointCount(lines.back()) + 1 + CodePointCount(word) > fits;
        if (full) lines.emplace_back();
        lines.back().append(lines.back().empty() ? "" : " ").append(word);
        start = end + 1;
    }
    return lines;
}

std::string Text(int x, int y, std::string_view text, std::string_view attributes) {
    return "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\"" + std::string(attributes) + ">" +
           MarkupEscaped(text) + "</text>\n";
}

std::string Fill(const std::optional<catalog::Rgb>& colour) {
    return colour ? " fill=\"" + HexColour(*colour) + "\"" : std::string();
}

int WidthOf(std::string_view text, int bold) { return static_cast<int>(CodePointCount(text) * (kLetterWidth + bold)); }

// Where each column starts, wide enough for its heading and its cells, and the
// picture's width, which leaves a text column room for a few words a line.
std::pair<std::vector<int>, int> ColumnEdges(const TableDocument& table) {
    std::vector<int> edges{kMargin};
    for (std::size_t column = 0; column < table.columns.size(); ++column) {
        const ColumnKind kind = table.columns[column].kind;
        int width = kind == ColumnKind::kText ? 0 : WidthOf(table.columns[column].heading, 1) + 16;
        for (const auto& row : table.rows) {
            if (kind != ColumnKind::kText) width = std::max(width, WidthOf(row[column].text, kind == ColumnKind::kName ? 1 : 0) + 16);
        }
        edges.push_back(edges.back() + width);
    }
    return {edges, std::max(kWidth, edges.back() + kMinimumTextWidth + kMargin)};
}

}  // namespace

std::string SvgOf(const TableDocument& table) {
    const auto [edges, width] = ColumnEdges(table);
    const int textWidth = width - kMargin - edges.back() - 12;
    std::string body = Text(kMargin, 30, table.title, " font-size=\"20\" font-weight=\"bold\"" + Fill(table.titleColour));
    int y = 62;
    for (std::size_t column = 0; column < table.columns.size(); ++column) {
        const bool right = RightAligned(table.columns[column].kind);
        body += Text(right ? edges[column + 1] - 8 : edges[column] + (column == 0 ? 0 : 12), y, table.columns[column].heading,
                     std::string(" font-weight=\"bold\"") + (right ? " text-anchor=\"end\"" : ""));
    }
    body += "<line x1=\"" + std::to_string(kMargin) + "\" y1=\"" + std::to_string(y + 6) + "\" x2=\"" +
            std::to_string(width - kMargin) + "\" y2=\"" + std::to_string(y + 6) + "\" stroke=\"#999999\"/>\n";
    for (const auto& row : table.rows) {
        y += kLineHeight + 4;
        int lines = 1;
        for (std::size_t column = 0; column < row.size(); ++column) {
            const TableCell& cell = row[column];
            switch (table.columns[column].kind) {
            case ColumnKind::kName: body += Text(edges[column], y, cell.text, " font-weight=\"bold\"" + Fill(cell.colour)); break;
            case ColumnKind::kNumber:
            case ColumnKind::kDetail: body += Text(edges[column + 1] - 8, y, cell.text, " text-anchor=\"end\""); break;
            case ColumnKind::kText: {
                if (cell.text.empty()) break;
                const auto wrapped = Wrapped(cell.text, textWidth);
                for (std::size_t line = 0; line < wrapped.size(); ++line) {
                    body += Text(edges[column] + 12, y + static_cast<int>(line) * kLineHeight, wrapped[line], Fill(cell.colour));
                }
                lines = std::max(lines, static_cast<int>(wrapped.size()));
            }
            }
        }
        y += (lines - 1) * kLineHeight;
    }
    y += 10;
    for (const std::string& line : table.after) body += Text(kMargin, y += kLineHeight + 4, line, "");
    if (!table.note.empty()) y += 6;
    for (const std::string_view line : NoteLines(table.note)) {
        for (const std::string& part : Wrapped(line, width - 2 * kMargin)) {
            body += Text(kMargin, y += kLineHeight, part, " font-style=\"italic\"");
        }
    }
    if (!table.code.empty()) {
        body += Text(kMargin, y += kLineHeight + 4, table.code, " font-family=\"Liberation Mono, Courier New, monospace\"");
    }
    const std::string height = std::to_string(y + kMargin);
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width) + "\" height=\"" + height +
           "\" viewBox=\"0 0 " + std::to_string(width) + " " + height +
           "\" font-family=\"Liberation Sans, Arial, sans-serif\" font-size=\"" + std::to_string(kFontSize) +
           "\" fill=\"#000000\">\n<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n" + body + "</svg>\n";
}

}  // namespace vantrell::planner
