#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QScrollBar>

#include "core/catalog/abilities.h"
#include "core/catalog/class_catalog.h"
#include "desktop/planner_window/class_planner_window.h"
#include "desktop/planner_window/control_names.h"
#include "desktop/planner_window/planner_layout.h"
#include "desktop/toolkit/twips.h"

namespace vantrell::planner_window {
namespace {

std::vector<std::string> EveryTextOf(const catalog::SpecLineDefinition& line) {
    std::vector<std::string> texts;
    if (line.availableText) texts.emplace_back(*line.availableText);
    for (std::int16_t level = 1; level <= 101; ++level) texts.push_back(catalog::AbilitiesTextFor(line, level));
    return texts;
}

// Every text a line can show fits its label whole, and every window's rows fit
// its frame and the frame the window, for every class of the catalog.
TEST(PlannerLayout, EveryAbilitiesTextAndEveryRowFitsForEveryClass) {
    for (const catalog::ClassDefinition* definition : catalog::ClassCatalog::AllClasses()) {
        SCOPED_TRACE(std::string(definition->listName));
        ClassPlannerWindow window(*definition, [](QWidget*, const MessageRequest&) {});
        const int clientHeight = toolkit::TwipsToPixels(kPlannerClientHeight, window.logicalDpiY());
        const QWidget* frame = window.findChild<QWidget*>("fraStats");
        EXPECT_LE(frame->geometry().bottom(), clientHeight);

        int previousBottom = -1;
        for (const catalog::SpecLineDefinition& line : definition->lines) {
            const LineControlNames names = ControlNamesOf(*definition, line);
            const auto* slider = window.findChild<QScrollBar*>(QString::fromStdString(names.slider));
            ASSERT_NE(slider, nullptr);
            EXPECT_GT(slider->geometry().top(), previousBottom) << names.slider;
            EXPECT_LE(slider->geometry().bottom(), frame->height()) << names.slider;
            previousBottom = slider->geometry().bottom();

            if (names.abilities.empty()) continue;
            const auto* label = window.findChild<QLabel*>(QString::fromStdString(names.abilities));
            ASSERT_NE(label, nullptr) << names.abilities;
            EXPECT_LT(label->geometry().bottom(), frame->geometry().top()) << names.abilities;
            const QFontMetrics metrics(label->font());
            for (const std::string& text : EveryTextOf(line)) {
                const QRect needed =
                    metrics.boundingRect(0, 0, label->width(), 10000, Qt::TextWordWrap, QString::fromStdString(text));
                EXPECT_LE(needed.height(), label->height()) << names.abilities << ": " << text;
            }
        }
    }
}

TEST(PlannerLayout, StacksTheAbilitiesAboveTheFrameAndSpacesTheRowsEvenly) {
    const std::vector<int> three(3, 0);
    const PlannerLayout reference = LayoutPlanner(three);
    ASSERT_EQ(reference.abilities.size(), 3u);
    ASSERT_EQ(reference.rowTops.size(), 3u);
    EXPECT_EQ(reference.abilities[0].left, kAbilitiesLeft);
    EXPECT_EQ(reference.abilities[0].top, kAbilitiesTop);
    for (std::size_t row = 1; row < 3; ++row) {
        EXPECT_EQ(reference.abilities[row].top, reference.abilities[row - 1].top + reference.abilities[row - 1].height);
        EXPECT_EQ(reference.abilities[row].width, kAbilitiesWidth);
    }
    EXPECT_GE(reference.frame.top, reference.abilities[2].top + reference.abilities[2].height);
    EXPECT_EQ(reference.rowTops[1] - reference.rowTops[0], reference.rowTops[2] - reference.rowTops[1]);
    EXPECT_GT(reference.rowTops[0], 0);
    EXPECT_LE(reference.rowTops[2] + reference.rowHeight, reference.frame.height);
    EXPECT_LE(reference.frame.top + reference.frame.height, kPlannerClientHeight);

    const std::vector<int> eight(8, 0);
    const PlannerLayout crowded = LayoutPlanner(eight);
    const int spacing = crowded.rowTops[1] - crowded.rowTops[0];
    for (std::size_t row = 1; row < crowded.rowTops.size(); ++row) {
        EXPECT_EQ(crowded.rowTops[row] - crowded.rowTops[row - 1], spacing);
    }
    EXPECT_GE(spacing, crowded.rowHeight);
    EXPECT_LE(crowded.frame.top + crowded.frame.height, kPlannerClientHeight);

    const std::vector<int> tall{900, 0, 0};
    const PlannerLayout pushed = LayoutPlanner(tall);
    EXPECT_EQ(pushed.abilities[1].top, kAbilitiesTop + tall[0]);
    EXPECT_GE(pushed.frame.top, pushed.abilities[2].top + pushed.abilities[2].height);
}

}  // namespace
}  // namespace vantrell::planner_window
