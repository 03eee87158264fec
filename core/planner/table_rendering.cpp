#include "core/planner/table_rendering.h"

#include <array>
#include <cstdio>
#include <utility>

#include "core/texts/sharing_texts.h"

namespace vantrell::planner {
namespace {

std::string MarkdownEscaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\\' || c == '|' || c == '*' || c == '_' || c == '`') escaped += '\\';
        escaped += c == '\n' ? ' ' : c;
    }
    return escaped;
}

// A note as a Markdown quote, a line of it a line of the quote: nothing the user wrote becomes a
// heading, a list or markup of the copy.
std::string MarkdownQuote(std::string_view note) {
    std::string quote;
    for (const std::string_view line : NoteLines(note)) {
        quote.append(">");
        if (!line.empty()) quote.append(" ").append(std::string_view("#>-+=").find(line.front()) == std::string_view::npos ? "" : "\\");
        quote.append(MarkdownEscaped(line)).append("\n");
    }
    return quote;
}

}  // namespace

std::vector<std::string_view> NoteLines(std::string_view note) {
    std::vector<std::string_view> lines;
    if (note.empty()) return lines;
    for (std::size_t end = note.find('\n');; end = note.find('\n')) {
        std::string_view line = note.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) return lines;
        note.remove_prefix(end + 1);
    }
}

std::string HexColour(catalog::Rgb colour) {
    std::array<char, 8> hex{};
    std::snprintf(hex.data(), hex.size(), "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return hex.data();
}

std::string MarkupEscaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        case '\'': escaped += "&#39;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string MarkdownOf(const TableDocument& table) {
    std::string text = "**" + MarkdownEscaped(table.title) + "**\n\n|";
    std::string rule = "|";
    for (const TableColumn& column : table.columns) {
        text.append(" ").append(MarkdownEscaped(column.heading)).append(" |");
        rule.append(RightAligned(column.kind) ? " ---: |" : " :--- |");
    }
    text.append("\n").append(rule).append("\n");
    for (const auto& row : table.rows) {
        text += "|";
        for (const TableCell& cell : row) text.append(" ").append(MarkdownEscaped(cell.text)).append(" |");
        text += "\n";
    }
    for (const std::string& line : table.after) text.append("\n").append(MarkdownEscaped(line)).append("\n");
    if (!table.note.empty()) text.append("\n").append(MarkdownQuote(table.note));
    return table.code.empty() ? text : text.append("\n`").append(table.code).append("`\n");
}

std::string BbcodeOf(const TableDocument& table) {
    std::string text = "[b]" + table.title + "[/b]\n";
    for (const auto& row : table.rows) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            const TableCell& cell = row[column];
            switch (table.columns[column].kind) {
            case ColumnKind::kName:
                if (cell.colour) {
                    text.append("[color=").append(HexColour(*cell.colour)).append("]").append(cell.text).append("[/color]");
                } else {
                    text.append("[b]").append(cell.text).append("[/b]");
                }
                break;
            case ColumnKind::kNumber: text.append(texts::sharing::kFigureSeparator).append(table.columns[column].heading).append(" ").append(cell.text); break;
            case ColumnKind::kDetail: break;
            case ColumnKind::kText:
                if (!cell.text.empty()) text.append(texts::sharing::kFigureSeparator).append("[i]").append(cell.text).append("[/i]");
                break;
            }
        }
        text += "\n";
    }
    for (const std::string& line : table.after) text.append(line).append("\n");
    // The user's words as written: tags in them are theirs.
    if (!table.note.empty()) text.append(table.note).append("\n");
    return table.code.empty() ? text : text.append(table.code).append("\n");
}

std::string HtmlOf(const TableDocument& table) {
    std::string html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n<caption style=\"color:" + HexColour(table.titleColour) + ";font-weight:bold\">" +
                       MarkupEscaped(table.title) + "</caption>\n<thead><tr>";
    for (const TableColumn& column : table.columns) html.append("<th scope=\"col\">").append(MarkupEscaped(column.heading)).append("</th>");
    html += "</tr></thead>\n<tbody>\n";
    for (const auto& row : table.rows) {
        html += "<tr>";
        for (std::size_t column = 0; column < row.size(); ++column) {
            const TableCell& cell = row[column];
            const ColumnKind kind = table.columns[column].kind;
            const bool name = kind == ColumnKind::kName;
            std::string style = RightAligned(kind) ? "text-align:right" : "";
            if (cell.colour) style.append(style.empty() ? "" : ";").append("color:").append(HexColour(*cell.colour));
            html.append(name ? "<th scope=\"row\"" : "<td");
            if (!style.empty()) html.append(" style=\"").append(style).append("\"");
            html.append(">").append(MarkupEscaped(cell.text)).append(name ? "</th>" : "</td>");
        }
        html += "</tr>\n";
    }
    html += "</tbody>\n</table>\n";
    for (const std::string& line : table.after) html.append("<p>").append(MarkupEscaped(line)).append("</p>\n");
    if (!table.note.empty()) {
        html.append("<blockquote>");
        for (const std::string_view line : NoteLines(table.note)) {
            html.append(line.data() == table.note.data() ? "" : "<br>").append(MarkupEscaped(line));
        }
        html.append("</blockquote>\n");
    }
    if (table.code.empty()) return html;
    return html.append("<p><code>").append(MarkupEscaped(table.code)).append("</code></p>\n");
}

std::string Rendered(const TableDocument& table, TableFormat format) {
    switch (format) {
    case TableFormat::kMarkdown: return MarkdownOf(table);
    case TableFormat::kBbcode: return BbcodeOf(table);
    case TableFormat::kHtml: return HtmlOf(table);
    case TableFormat::kSvg: break;
    }
    return SvgOf(table);
}

std::optional<TableFormat> TableFormatNamed(std::string_view name) {
    for (const auto& [named, format] : kTableFormats) {
        if (named == name) return format;
    }
    return std::nullopt;
}

}  // namespace vantrell::planner
