#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/catalog/records.h"
#include "core/planner/table_document.h"

namespace vantrell::planner {

enum class TableFormat { kMarkdown, kBbcode, kHtml, kSvg };
// Each rendering by the name commands and front ends give it.
inline constexpr std::array<std::pair<std::string_view, TableFormat>, 4> kTableFormats{
    {{"markdown", TableFormat::kMarkdown}, {"bbcode", TableFormat::kBbcode}, {"html", TableFormat::kHtml},
     {"svg", TableFormat::kSvg}}};

// GitHub-flavoured Markdown: a bold title, a table, the lines that follow, the code in backticks.
std::string MarkdownOf(const TableDocument& table);
// The forum subset every board has ([b], [i], [color]), one line per row: no board's tables are alike.
std::string BbcodeOf(const TableDocument& table);
// A fragment for printing and for rich editors: a captioned table, then the lines that follow.
std::string HtmlOf(const TableDocument& table);
// A picture of the table, sized in its own units so that it is as sharp at twice the size.
std::string SvgOf(const TableDocument& table);
std::string Rendered(const TableDocument& table, TableFormat format);

// The format a name stands for: "markdown", "bbcode", "html" or "svg".
std::optional<TableFormat> TableFormatNamed(std::string_view name);
// A note's lines, without their line breaks; none for no note.
std::vector<std::string_view> NoteLines(std::string_view note);
// "#rrggbb".
std::string HexColour(catalog::Rgb colour);
// Text with `&`, `<`, `>` and both quotes escaped, for HTML and SVG alike.
std::string MarkupEscaped(std::string_view text);

}  // namespace vantrell::planner
