#include "desktop/planner_window/planner_layout.h"

#include <QFontMetrics>
#include <algorithm>
#include <string>

#include "core/catalog/abilities.h"
#include "desktop/toolkit/fonts.h"

namespace vantrell::planner_window {
namespace {

constexpr int kFrameLeft = 120;
constexpr int kFrameWidth = 7215;
constexpr int kFrameTop = 1680;
constexpr int kFrameHeight = 2415;
constexpr int kGap = 60;
constexpr int kFirstRowTop = 480;
constexpr int kRowHeight = 255;
constexpr int kWidestRowSpacing = 720;
constexpr int kNarrowestRowSpacing = 270;
constexpr int kNarrowestAbilitiesSpacing = 180;
constexpr int kWidestAbilitiesSpacing = 360;

int RowsHeight(int rowCount, int spacing) { return kFirstRowTop + (rowCount - 1) * spacing + kRowHeight + kGap; }

}  // namespace

PlannerLayout LayoutPlanner(std::span<const int> abilitiesHeightsNeeded, int clientHeight) {
    const int count = static_cast<int>(abilitiesHeightsNeeded.size());
    PlannerLayout layout;

    const int spacing = std::clamp((kFrameTop - kGap - kAbilitiesTop) / std::max(count, 1), kNarrowestAbilitiesSpacing,
                                   kWidestAbilitiesSpacing);
    int top = kAbilitiesTop;
    for (int needed : abilitiesHeightsNeeded) {
        const int height = std::max(spacing, needed);
        layout.abilities.push_back({kAbilitiesLeft, top, kAbilitiesWidth, height});
        top += height;
    }

    const int frameTop = std::max(kFrameTop, top + kGap);
    const int room = clientHeight - frameTop - kGap;
    int frameHeight = kFrameHeight;
    if (count > 1 && (kFrameHeight - RowsHeight(1, 0)) / (count - 1) < kNarrowestRowSpacing) {
        frameHeight = RowsHeight(count, kNarrowestRowSpacing);
    }
    frameHeight = std::min(frameHeight, room);
    layout.frame = {kFrameLeft, frameTop, kFrameWidth, frameHeight};

    const int rowSpacing = count > 1 ? std::min(kWidestRowSpacing, (frameHeight - RowsHeight(1, 0)) / (count - 1)) : 0;
    layout.rowHeight = count > 1 ? std::min(kRowHeight, rowSpacing - 15) : kRowHeight;
    for (int row = 0; row < count; ++row) layout.rowTops.push_back(kFirstRowTop + row * rowSpacing);
    return layout;
}

namespace {

// Every text a line can show, so its label can be sized for the longest.
std::vector<std::string> TextsOf(const catalog::SpecLineDefinition& line) {
    std::vector<std::string> texts;
    if (line.availableText) texts.emplace_back(*line.availableText);
    for (const catalog::AbilityBand& band : line.bands) texts.emplace_back(band.text);
    if (line.styles.schedule != nullptr) {
        for (const catalog::StyleBand& band : line.styles.schedule->bands) {
            texts.push_back(catalog::AbilitiesTextFor(line, band.lowLevel));
        }
    }
    return texts;
}

}  // namespace

PlannerLayout MeasuredLayout(const catalog::ClassDefinition& definition, int dpi) {
    const QFontMetrics metrics(toolkit::FontOf(toolkit::kSmallFaces, 6.75));
    const int width = toolkit::TwipsToPixels(kAbilitiesWidth, dpi);
    std::vector<int> needed;
    for (const catalog::SpecLineDefinition& line : definition.lines) {
        int height = 0;
        for (const std::string& text : TextsOf(line)) {
            const QRect bounds =
                metrics.boundingRect(0, 0, width, 10000, Qt::TextWordWrap, QString::fromStdString(text));
            height = std::max(height, bounds.height());
        }
        needed.push_back(toolkit::PixelsToTwips(height + 2, dpi));
    }
    return LayoutPlanner(needed);
}

}  // namespace vantrell::planner_window
