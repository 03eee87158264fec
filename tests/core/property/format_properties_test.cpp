// Every copy of a random plan, in every class, says what the planner shows:
// the Markdown table reads back to the view, the BBCode's tags balance and the
// picture is well-formed markup holding every caption and level.
#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "core/catalog/class_catalog.h"
#include "core/planner/plan_code.h"
#include "core/planner/plan_compare.h"
#include "core/planner/plan_formats.h"
#include "core/planner/planner_view.h"
#include "core/planner/table_rendering.h"
#include "core/planner/training_path.h"
#include "core/planner/training_path_view.h"
#include "tests/core/property/plan_actions.h"

namespace vantrell::property {
namespace {

// The cells of a GitHub-flavoured table row, unescaped.
std::vector<std::string> MarkdownCells(const std::string& row) {
    std::vector<std::string> cells{""};
    for (std::size_t at = 1; at < row.size(); ++at) {
        if (row[at] == '\\') {
            cells.back() += row[++at];
        } else if (row[at] == '|') {
            cells.emplace_back();
        } else {
            cells.back() += row[at];
        }
    }
    cells.pop_back();
    for (std::string& cell : cells) cell = cell.substr(1, cell.size() - 2);
    return cells;
}

// The names of the elements or tags opened and closed, in order, as "name" and "/name".
std::vector<std::string> Tags(const std::string& text, char open, char close) {
    std::vector<std::string> tags;
    for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, at + 1)) {
        const std::size_t end = text.find(close, at);
        std::string tag = text.substr(at + 1, end - at - 1);
        if (tag.ends_with('/')) continue;
        tags.push_back(tag.substr(0, tag.find_first_of(" =")));
    }
    return tags;
}

// The lines of a Markdown text that are rows of its table, headings and rule included.
std::vector<std::string> TableRows(const std::string& markdown) {
    std::istringstream lines(markdown);
    std::vector<std::string> rows;
    for (std::string row; std::getline(lines, row);) {
        if (row.starts_with("| ")) rows.push_back(row);
    }
    return rows;
}

bool Balanced(const std::vector<std::string>& tags) {
    std::vector<std::string> open;
    for (const std::string& tag : tags) {
        if (!tag.starts_with('/')) {
            open.push_back(tag);
        } else if (open.empty() || open.back() != tag.substr(1)) {
            return false;
        } else {
            open.pop_back();
        }
    }
    return open.empty();
}

// A note of the awkward pieces users write: markup of every form copied, line breaks, other scripts.
rc::Gen<std::string> AwkwardNotes() {
    return rc::gen::map(rc::gen::container<std::vector<std::string>>(rc::gen::elementOf(std::vector<std::string>{"a", "Z", " ", "\n", "\r\n", "|", "*", "_", "`", "\\", "#", "> ", "- ", "<b>", "&amp;", "\"",
                             "'", "[b]", "[/i]", "\u05e9\u05dc\u05d5\u05dd", "\U0001F642", "1. "})),
                        [](const std::vector<std::string>& pieces) {
                            std::string note;
                            for (const std::string& piece : pieces) note += piece;
                            return note;
                        });
}

// The lines of the quote that ends a Markdown copy, unescaped.
std::vector<std::string> QuotedLines(const std::string& markdown) {
    std::istringstream lines(markdown);
    std::vector<std::string> quoted;
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with('>')) continue;
        std::string text;
        for (std::size_t at = line.starts_with("> ") ? 2 : 1; at < line.size(); ++at) {
            if (line[at] == '\\' && at + 1 < line.size()) ++at;
            text += line[at];
        }
        quoted.push_back(text);
    }
    return quoted;
}

class FormatProperties : public ::testing::TestWithParam<std::string_view> {};

TEST_P(FormatProperties, EveryCopySaysWhatThePlannerShows) {
    const catalog::ClassDefinition& definition = *catalog::ClassCatalog::Find(GetParam());
    rc::detail::checkGTest([&definition] {
        PlanSession session(definition);
        for (const Action& action : *ActionsFor(definition)) session.Run(session.Resolve(action));
        const planner::PlannerView view = planner::ViewOf(session.planner());
        const std::string note = *AwkwardNotes();
        const planner::TableDocument table = planner::PlanTable(session.planner(), note);

        const std::vector<std::string> rows = TableRows(planner::MarkdownOf(table));
        RC_ASSERT(rows.size() == view.lines.size() + 2);
        const std::vector<std::string> headings{"Line", "Level", "Points", "%", "Abilities"};
        RC_ASSERT(MarkdownCells(rows[0]) == headings);
        for (std::size_t line = 0; line < view.lines.size(); ++line) {
            const planner::LineView& shown = view.lines[line];
            const std::vector<std::string> cells{std::string(definition.lines[line].caption), shown.level, shown.points,
                                                 shown.percent, shown.abilities};
            RC_ASSERT(MarkdownCells(rows[line + 2]) == cells);
        }

        // The note reads back from its quote, and none of it turns into a row, a tag or an element of the copy.
        std::vector<std::string> noteLines;
        std::istringstream written(note);
        for (std::string line; std::getline(written, line);) noteLines.push_back(line.ends_with('\r') ? line.substr(0, line.size() - 1) : line);
        if (note.ends_with('\n')) noteLines.emplace_back();
        RC_ASSERT(QuotedLines(planner::MarkdownOf(table)) == noteLines);
        RC_ASSERT(planner::PlanInFormat(session.planner(), "text", note)->ends_with(note.ends_with('\n') ? note : note + "\n"));
        RC_ASSERT(Balanced(Tags(planner::BbcodeOf(planner::PlanTable(session.planner())), '[', ']')));
        const std::string svg = planner::SvgOf(table);
        RC_ASSERT(Balanced(Tags(svg, '<', '>')));
        for (std::size_t line = 0; line < view.lines.size(); ++line) {
            // Built by appending: GCC 12 at -O3 takes a literal before a string for an overlapping copy.
            const std::string caption =
                std::string(">").append(planner::MarkupEscaped(definition.lines[line].caption)).append("<");
            const std::string level = std::string("\">").append(view.lines[line].level).append("</text>");
            RC_ASSERT(svg.find(caption) != std::string::npos);
            RC_ASSERT(svg.find(level) != std::string::npos);
        }
    });
}

// A random plan's training path and its comparison with a fresh plan: every row of each Markdown table
// holds what the path's view and the comparison show, and the picture's markup balances.
TEST_P(FormatProperties, ThePathAndAComparisonReadBackFromTheirTables) {
    const catalog::ClassDefinition& definition = *catalog::ClassCatalog::Find(GetParam());
    rc::detail::checkGTest([&definition] {
        PlanSession session(definition);
        for (const Action& action : *ActionsFor(definition)) session.Run(session.Resolve(action));
        const planner::Planner& plan = session.planner();
        planner::TrainingPriority screenOrder(definition.lines.size());
        std::iota(screenOrder.begin(), screenOrder.end(), std::size_t{0});
        const auto path = planner::TrainingPath(plan, screenOrder);
        const planner::TrainingPathView view = planner::ViewOf(plan, path);
        const auto pathRows = TableRows(planner::MarkdownOf(planner::PathTable(plan, view)));
        RC_ASSERT(pathRows.size() == view.rows.size() + 2);
        for (std::size_t row = 0; row < view.rows.size(); ++row) {
            const auto cells = MarkdownCells(pathRows[row + 2]);
            RC_ASSERT(cells.size() == definition.lines.size() + 3);
            RC_ASSERT(cells.front() == std::to_string(view.rows[row].characterLevel));
            for (std::size_t line = 0; line < definition.lines.size(); ++line) {
                RC_ASSERT(cells[line + 1] == view.rows[row].cells[line].text);
            }
            RC_ASSERT(cells[definition.lines.size() + 1] == view.rows[row].pointsLeft);
        }
        const auto compared = planner::ComparePlans(plan, planner::EncodePlanCode(planner::Planner(definition)));
        const auto& comparison = std::get<planner::PlanComparison>(compared);
        const planner::TableDocument table = planner::ComparisonTable(comparison);
        const auto comparedRows = TableRows(planner::MarkdownOf(table));
        RC_ASSERT(comparedRows.size() == comparison.lines.size() + 2);
        for (std::size_t line = 0; line < comparison.lines.size(); ++line) {
            const auto cells = MarkdownCells(comparedRows[line + 2]);
            RC_ASSERT(cells[1] == std::to_string(comparison.lines[line].a.level));
            RC_ASSERT(cells[5] == std::to_string(comparison.lines[line].b.points));
        }
        RC_ASSERT(Balanced(Tags(planner::SvgOf(table), '<', '>')));
        RC_ASSERT(Balanced(Tags(planner::BbcodeOf(table), '[', ']')));
    });
}

INSTANTIATE_TEST_SUITE_P(EveryClass, FormatProperties, ::testing::ValuesIn(EveryClassName()),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace vantrell::property
