#include "desktop/planner_window/class_planner_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "core/catalog/class_catalog.h"
#include "desktop/planner_window/planner_layout.h"
#include "desktop/toolkit/twips.h"

namespace vantrell::planner_window {
namespace {

struct CapturedMessages {
    std::vector<MessageRequest> shown;
    MessageSink Sink() {
        return [this](QWidget*, const MessageRequest& request) { shown.push_back(request); };
    }
};

class PlannerWindowTest : public ::testing::Test {
protected:
    void Open(std::string_view listName) {
        window = std::make_unique<ClassPlannerWindow>(*catalog::ClassCatalog::Find(listName), messages.Sink());
        window->resize(501, 322);
        window->show();
    }
    template <typename Widget>
    Widget* Find(const char* name) const {
        auto* widget = window->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString LabelText(const char* name) const { return Find<QLabel>(name)->text(); }

    // Clicks a scroll bar where the style draws one of its parts.
    static void ClickPart(QScrollBar* bar, QStyle::SubControl part) {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.upsideDown = bar->invertedAppearance();
        const QRect area = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
        QTest::mouseClick(bar, Qt::LeftButton, {}, area.center());
    }

    CapturedMessages messages;
    std::unique_ptr<ClassPlannerWindow> window;
};

TEST_F(PlannerWindowTest, OpensPlannedForLevelFiftyWithTheSpecNames) {
    Open("Healer");
    EXPECT_EQ(window->objectName(), "frmHealer");
    EXPECT_EQ(Find<QComboBox>("cboLevel")->currentText(), "50");
    EXPECT_EQ(Find<QComboBox>("cboLevel")->count(), 45);
    EXPECT_EQ(LabelText("lblPointsLeft"), "1274");
    EXPECT_EQ(LabelText("lblTotalPoints"), "1274");
    EXPECT_EQ(LabelText("lblMendingSkill"), "1");
    EXPECT_EQ(LabelText("lblMendingPts"), "0");
    EXPECT_EQ(LabelText("lblMendingPct"), "0");
    EXPECT_EQ(LabelText("lblPacificationSpells"), "");
    auto* slider = Find<QScrollBar>("sldMending");
    EXPECT_EQ(slider->minimum(), 1);
    EXPECT_EQ(slider->maximum(), 50);
    EXPECT_EQ(slider->accessibleName(), "Mending");
    EXPECT_TRUE(Find<QWidget>("fraStats")->isEnabled());
}

TEST_F(PlannerWindowTest, ArrowAndTroughClicksMoveOneStepAndUpdateTheLabels) {
    Open("Healer");
    auto* slider = Find<QScrollBar>("sldAugmentation");
    ClickPart(slider, QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(slider->value(), 2);
    EXPECT_EQ(LabelText("lblAugmentationSkill"), "2");
    EXPECT_EQ(LabelText("lblAugmentationPts"), "2");
    EXPECT_EQ(LabelText("lblPointsLeft"), "1272");
    ClickPart(slider, QStyle::SC_ScrollBarAddPage);
    EXPECT_EQ(slider->value(), 3);
    EXPECT_EQ(LabelText("lblAugmentationPts"), "5");
    ClickPart(slider, QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(window->planner().state().lines[1].level, 2);
    EXPECT_EQ(LabelText("lblPointsLeft"), "1272");
}

TEST_F(PlannerWindowTest, AnOverBudgetMoveShowsTheSliderBackOneStep) {
    Open("Healer");
    auto* level = Find<QComboBox>("cboLevel");
    level->setCurrentIndex(2);  // "8"
    emit level->activated(2);
    EXPECT_EQ(LabelText("lblTotalPoints"), "35");
    Find<QScrollBar>("sldMending")->setValue(7);
    auto* slider = Find<QScrollBar>("sldAugmentation");
    EXPECT_EQ(slider->maximum(), 4);
    slider->setValue(4);
    EXPECT_EQ(slider->value(), 3);
    EXPECT_EQ(slider->maximum(), 3);
    EXPECT_EQ(LabelText("lblAugmentationSkill"), "3");
    EXPECT_EQ(LabelText("lblPointsLeft"), "3");
}

TEST_F(PlannerWindowTest, ALevelChangeRendersTheNewTotals) {
    Open("Cleric");
    auto* level = Find<QComboBox>("cboLevel");
    level->setCurrentIndex(0);
    emit level->activated(0);
    EXPECT_EQ(LabelText("lblPointsLeft"), "20");
    EXPECT_EQ(LabelText("lblTotalPoints"), "20");
    EXPECT_EQ(Find<QScrollBar>("sldSmiting")->maximum(), 6);
}

TEST_F(PlannerWindowTest, AnAbilitiesLabelWithoutAnExplanationShowsNothing) {
    Open("Healer");
    QTest::mouseClick(Find<QLabel>("lblMendingSpells"), Qt::LeftButton);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PlannerWindowTest, ControlsKeepTheirPlacesAndNothingOverlaps) {
    Open("Healer");
    const int dpi = window->logicalDpiY();
    const QRect client = window->rect();
    const QRect level = Find<QWidget>("cboLevel")->geometry();
    const QRect frame = Find<QWidget>("fraStats")->geometry();
    const QRect first = Find<QWidget>("lblMendingSpells")->geometry();
    const QRect second = Find<QWidget>("lblAugmentationSpells")->geometry();
    for (const QRect& control : {level, frame, first, second}) EXPECT_TRUE(client.contains(control));
    // The level box and the abilities texts stand above the frame, side by side.
    EXPECT_LT(level.bottom(), frame.top());
    EXPECT_LT(second.bottom(), frame.top());
    EXPECT_LT(level.right(), first.left());
    EXPECT_EQ(second.top(), first.bottom() + 1);
    const QRect abilitiesColumn = toolkit::ToPixels({kAbilitiesLeft, kAbilitiesTop, kAbilitiesWidth, 0}, dpi);
    EXPECT_EQ(first.topLeft(), abilitiesColumn.topLeft());
    EXPECT_EQ(second.left(), abilitiesColumn.left());
    EXPECT_EQ(second.width(), abilitiesColumn.width());
    // The sliders sit in the frame, one under the other, all alike.
    const QRect inFrame(QPoint(0, 0), frame.size());
    const QRect top = Find<QWidget>("sldMending")->geometry();
    const QRect middle = Find<QWidget>("sldAugmentation")->geometry();
    const QRect bottom = Find<QWidget>("sldPacification")->geometry();
    for (const QRect& slider : {top, middle, bottom}) {
        EXPECT_TRUE(inFrame.contains(slider));
        EXPECT_EQ(slider.left(), top.left());
        EXPECT_EQ(slider.size(), top.size());
    }
    EXPECT_LT(top.bottom(), middle.top());
    EXPECT_LT(middle.bottom(), bottom.top());
    EXPECT_EQ(middle.top() - top.top(), bottom.top() - middle.top());
}

}  // namespace
}  // namespace vantrell::planner_window
