#include "desktop/planner_window/compare_dialog.h"

#include <gtest/gtest.h>

#include <QAction>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "core/catalog/class_catalog.h"
#include "core/planner/plan_code.h"
#include "core/planner/plan_formats.h"
#include "desktop/planner_window/class_planner_window.h"
#include "desktop/planner_window/training_path_dialog.h"

namespace vantrell::planner_window {
namespace {

constexpr int kArmsmanLines = 8;
// The rows after the lines: character level, points left, complete from.
constexpr int kLevelRow = kArmsmanLines;
constexpr int kPointsLeftRow = kArmsmanLines + 1;
constexpr int kCompleteFromRow = kArmsmanLines + 2;

class CompareDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<ClassPlannerWindow>(session, Armsman(), [](QWidget*, const MessageRequest&) {});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
    }
    static const catalog::ClassDefinition& Armsman() { return *catalog::ClassCatalog::Find("Armsman"); }
    QScrollBar* Slider(const char* name) const { return window->findChild<QScrollBar*>(name); }
    void PickLevel(int level) const {
        auto* levels = window->findChild<QComboBox*>("cboLevel");
        levels->setCurrentIndex(level - 6);
        emit levels->activated(level - 6);
    }
    CompareDialog* OpenCompare() const {
        QTest::keyClick(Slider("sldSlashing"), Qt::Key_K, Qt::ControlModifier);
        return window->findChild<CompareDialog*>();
    }
    static QTableWidget& Table(const CompareDialog& dialog) { return *dialog.findChild<QTableWidget*>("tblCompare"); }
    static QString Cell(const CompareDialog& dialog, int row, int column) {
        return Table(dialog).item(row, column)->text();
    }
    // Marked rows must say so in type and in text alike.
    static bool Marked(const CompareDialog& dialog, int row) {
        const QTableWidget& table = Table(dialog);
        const bool marked = table.item(row, 0)->text() == "\u2260";
        for (int column = 0; column < table.columnCount(); ++column) {
            EXPECT_EQ(table.item(row, column)->font().bold(), marked) << "row " << row << " column " << column;
        }
        return marked;
    }

    planner::Session session;
    std::unique_ptr<ClassPlannerWindow> window;
};

TEST_F(CompareDialogTest, APlanAgainstItselfDiffersNowhereUntilThePlannerMoves) {
    PickLevel(40);
    Slider("sldSlashing")->setValue(30);
    CompareDialog* dialog = OpenCompare();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    EXPECT_EQ(Table(*dialog).rowCount(), 0);
    EXPECT_FALSE(dialog->findChild<QPushButton*>("cmdCopyAsText")->isEnabled());
    EXPECT_FALSE(dialog->findChild<QPushButton*>("cmdCopyAs")->isEnabled());

    dialog->SetOtherPlan(QString::fromStdString(planner::EncodePlanCode(window->planner())));
    ASSERT_EQ(Table(*dialog).rowCount(), kArmsmanLines + 3);
    for (int row = 0; row < Table(*dialog).rowCount(); ++row) EXPECT_FALSE(Marked(*dialog, row)) << row;
    EXPECT_EQ(Cell(*dialog, 0, 1), "Slashing");
    EXPECT_EQ(Cell(*dialog, 0, 2), "30");
    EXPECT_EQ(Cell(*dialog, 0, 5), "30");
    EXPECT_EQ(Cell(*dialog, 0, 4), Cell(*dialog, 0, 7));
    EXPECT_FALSE(Cell(*dialog, 0, 4).isEmpty());

    Slider("sldSlashing")->setValue(31);
    EXPECT_TRUE(Marked(*dialog, 0));
    EXPECT_EQ(Cell(*dialog, 0, 2), "31");
    EXPECT_EQ(Cell(*dialog, 0, 5), "30");
    EXPECT_FALSE(Marked(*dialog, 1));
    EXPECT_TRUE(Marked(*dialog, kPointsLeftRow));
    EXPECT_FALSE(Marked(*dialog, kLevelRow));
    EXPECT_EQ(window->dialogs().ShowCompare(), dialog);
}

TEST_F(CompareDialogTest, ASavedLowerPlanDiffersSwapsAndCopiesAsTheCoreWritesIt) {
    PickLevel(20);
    Slider("sldSlashing")->setValue(15);
    ASSERT_EQ(session.SaveCurrent("Low"), "");
    session.Open(*catalog::ClassCatalog::Find("Cleric"));
    ASSERT_EQ(session.SaveCurrent("Someone else's"), "");
    session.Open(Armsman());
    PickLevel(50);
    Slider("sldSlashing")->setValue(40);
    Slider("sldParry")->setValue(20);

    CompareDialog* dialog = window->dialogs().ShowCompare();
    auto* saved = dialog->findChild<QComboBox*>("cboSavedPlan");
    ASSERT_EQ(saved->count(), 1);
    EXPECT_EQ(saved->itemText(0), "Low");
    saved->setCurrentIndex(0);
    emit saved->activated(0);
    EXPECT_EQ(dialog->findChild<QLineEdit*>("txtOtherPlan")->text().toStdString(), session.library().Find("Low")->code);

    EXPECT_TRUE(Marked(*dialog, 0));
    EXPECT_EQ(Cell(*dialog, 0, 2), "40");
    EXPECT_EQ(Cell(*dialog, 0, 5), "15");
    EXPECT_TRUE(Marked(*dialog, kLevelRow));
    EXPECT_EQ(Cell(*dialog, kLevelRow, 1), "Character Level");
    EXPECT_EQ(Cell(*dialog, kLevelRow, 2), "50");
    EXPECT_EQ(Cell(*dialog, kLevelRow, 5), "20");
    EXPECT_EQ(Cell(*dialog, kPointsLeftRow, 1), "Points Left");
    EXPECT_EQ(Cell(*dialog, kCompleteFromRow, 1), "Complete from level");
    EXPECT_TRUE(Marked(*dialog, kCompleteFromRow));

    // The two abilities columns share what the others leave of the table's width, however wide it is made.
    dialog->resize(1400, dialog->height());
    QCoreApplication::processEvents();
    auto* table = dialog->findChild<QTableWidget*>("tblCompare");
    int others = 0;
    for (const int column : {0, 1, 2, 3, 5, 6}) others += table->columnWidth(column);
    EXPECT_EQ(table->columnWidth(4), table->columnWidth(7));
    EXPECT_NEAR(others + 2 * table->columnWidth(4), table->viewport()->width(), 1);

    const auto unswapped = planner::ComparePlans(window->planner(), session.library().Find("Low")->code);
    dialog->findChild<QPushButton*>("cmdCopyAsText")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              planner::ComparisonAsText(std::get<planner::PlanComparison>(unswapped)));
    const QString pointsLeftA = Cell(*dialog, kPointsLeftRow, 3);

    dialog->findChild<QPushButton*>("cmdSwap")->click();
    EXPECT_TRUE(dialog->swapped());
    EXPECT_EQ(Table(*dialog).horizontalHeaderItem(2)->text(), "B Level");
    EXPECT_EQ(Cell(*dialog, 0, 2), "15");
    EXPECT_EQ(Cell(*dialog, 0, 5), "40");
    EXPECT_EQ(Cell(*dialog, kLevelRow, 2), "20");
    EXPECT_EQ(Cell(*dialog, kPointsLeftRow, 6), pointsLeftA);
    // Swapped, each plan keeps its letter in the copied text too.
    const std::string swapped =
        planner::ComparisonAsText(planner::Swapped(std::get<planner::PlanComparison>(unswapped)));
    dialog->findChild<QPushButton*>("cmdCopyAsText")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), swapped);
    // Copy As gives the comparison on screen, swapped as it is, in each form.
    for (const auto& [action, format] : {std::pair{"actCopyAsMarkdown", "markdown"}, std::pair{"actCopyAsBbcode", "bbcode"}}) {
        dialog->findChild<QAction*>(action)->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
                  *planner::ComparisonInFormat(planner::Swapped(std::get<planner::PlanComparison>(unswapped)), format));
    }
    dialog->findChild<QAction*>("actCopyAsImage")->trigger();
    EXPECT_GT(QGuiApplication::clipboard()->image().width(), 1000);
    EXPECT_LT(swapped.find("B Level"), swapped.find("A Level")) << swapped;
    dialog->findChild<QPushButton*>("cmdSwap")->click();
    EXPECT_EQ(Cell(*dialog, 0, 2), "40");
}

TEST_F(CompareDialogTest, ACodeThatCannotBeComparedSaysWhyInTheDialog) {
    CompareDialog* dialog = window->dialogs().ShowCompare();
    const std::string cleric = planner::EncodePlanCode(planner::Planner(*catalog::ClassCatalog::Find("Cleric")));
    dialog->SetOtherPlan(QString::fromStdString(cleric));
    const auto refused = planner::ComparePlans(window->planner(), cleric);
    ASSERT_TRUE(std::holds_alternative<std::string>(refused));
    auto* note = dialog->findChild<QLabel*>("lblCompareNote");
    EXPECT_EQ(note->text().toStdString(), std::get<std::string>(refused));
    EXPECT_EQ(Table(*dialog).rowCount(), 0);
    EXPECT_FALSE(dialog->findChild<QPushButton*>("cmdCopyAsText")->isEnabled());

    dialog->SetOtherPlan("not a plan");
    EXPECT_EQ(note->text().toStdString(),
              std::get<std::string>(planner::ComparePlans(window->planner(), "not a plan")));
    EXPECT_FALSE(dialog->findChild<QPushButton*>("cmdSwap")->isEnabled()) << "nothing to swap";
    EXPECT_EQ(Table(*dialog).rowCount(), 0);
}

TEST_F(CompareDialogTest, BeforeBIsChosenTheColumnsAreHeadedAndEnterInTheCodeBoxOnlyCompares) {
    CompareDialog* dialog = window->dialogs().ShowCompare();
    QTableWidget& table = Table(*dialog);
    for (int column = 2; column < table.columnCount(); ++column) {
        const QString heading = table.horizontalHeaderItem(column)->text();
        EXPECT_TRUE(heading.startsWith("A ") || heading.startsWith("B ")) << heading.toStdString();
    }
    EXPECT_FALSE(dialog->findChild<QPushButton*>("cmdSwap")->isEnabled());
    EXPECT_FALSE(dialog->findChild<QPushButton*>("cmdCopyAsText")->isEnabled());

    auto* code = dialog->findChild<QLineEdit*>("txtOtherPlan");
    code->setText(QString::fromStdString(planner::EncodePlanCode(window->planner())));
    QTest::keyClick(code, Qt::Key_Return);
    EXPECT_FALSE(dialog->swapped()) << "Enter compared and swapped at once";
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_GT(table.rowCount(), 0);
    EXPECT_TRUE(dialog->findChild<QPushButton*>("cmdSwap")->isEnabled());
}

TEST_F(CompareDialogTest, TheTrainingPathSaysTheLevelThePlanIsCompleteFrom) {
    PickLevel(50);
    TrainingPathDialog* path = window->dialogs().ShowTrainingPath();
    auto* completeFrom = path->findChild<QLabel*>("lblCompleteFrom");
    EXPECT_EQ(completeFrom->text(), "Complete from level 6");
    Slider("sldSlashing")->setValue(30);
    EXPECT_EQ(completeFrom->text(), "Complete from level 30");
    EXPECT_EQ(completeFrom->text().toStdString(),
              "Complete from level " + std::to_string(planner::CompleteFrom(window->planner())));
}

}  // namespace
}  // namespace vantrell::planner_window
