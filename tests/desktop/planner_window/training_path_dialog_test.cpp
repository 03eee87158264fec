#include "desktop/planner_window/training_path_dialog.h"

#include <gtest/gtest.h>

#include <QAction>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "core/catalog/class_catalog.h"
#include "desktop/planner_window/class_planner_window.h"

namespace vantrell::planner_window {
namespace {

class TrainingPathDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<ClassPlannerWindow>(*catalog::ClassCatalog::Find("Armsman"),
                                                      [](QWidget*, const MessageRequest&) {});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
    }
    QScrollBar* Slider(const char* name) const { return window->findChild<QScrollBar*>(name); }
    void PickLevel(int level) const {
        auto* levels = window->findChild<QComboBox*>("cboLevel");
        levels->setCurrentIndex(level - 6);
        emit levels->activated(level - 6);
    }
    static QString CellText(const TrainingPathDialog& dialog, int level, int column) {
        return dialog.findChild<QTableWidget*>("tblTrainingPath")->item(level - 6, column)->text();
    }

    std::unique_ptr<ClassPlannerWindow> window;
};

TEST_F(TrainingPathDialogTest, CtrlTOpensOneDialogThatFollowsThePlanner) {
    QTest::keyClick(Slider("sldSlashing"), Qt::Key_T, Qt::ControlModifier);
    auto* dialog = window->findChild<TrainingPathDialog*>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    auto* table = dialog->findChild<QTableWidget*>("tblTrainingPath");
    EXPECT_EQ(table->rowCount(), 45);
    EXPECT_EQ(table->columnCount(), 8 + 3);

    PickLevel(12);
    Slider("sldSlashing")->setValue(9);
    EXPECT_EQ(table->rowCount(), 7);
    EXPECT_EQ(CellText(*dialog, 12, 1), "9");
    EXPECT_EQ(CellText(*dialog, 6, 1), "\u25B2 6");
    EXPECT_EQ(CellText(*dialog, 12, 9), "96");
    EXPECT_EQ(window->dialogs().ShowTrainingPath(), dialog);
}

TEST_F(TrainingPathDialogTest, MovingLinesRetrainsCopiesAsShownAndIsKept) {
    PickLevel(30);
    Slider("sldSlashing")->setValue(30);
    Slider("sldShield")->setValue(15);
    Slider("sldParry")->setValue(10);
    TrainingPathDialog* dialog = window->dialogs().ShowTrainingPath();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    auto* list = dialog->findChild<QListWidget*>("lstPriority");
    list->setCurrentRow(6);
    for (int step = 0; step < 6; ++step) QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
    dialog->findChild<QPushButton*>("cmdMoveUp")->click();
    EXPECT_EQ(list->item(0)->text(), "Shields");
    EXPECT_EQ(list->item(1)->text(), "Slashing");
    EXPECT_EQ(CellText(*dialog, 6, 1), "\u25B2 3");
    EXPECT_EQ(CellText(*dialog, 6, 7), "\u25B2 6");
    EXPECT_EQ(CellText(*dialog, 6, 9), "1");
    EXPECT_EQ(CellText(*dialog, 6, 10), "Slashing: Slashing Weapons styles 1->1\nShields: Shields styles 1->1");
    EXPECT_FALSE(dialog->findChild<QPushButton*>("cmdMoveUp")->isEnabled());

    dialog->findChild<QPushButton*>("cmdCopyAsText")->click();
    EXPECT_TRUE(
        QGuiApplication::clipboard()->text().startsWith("Class:    Armsman\nLevel:    30\nPriority: Shields, "));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(
        "\n    6        3*        1          1         1           1          1        6*     1             1  "));
    dialog->findChild<QAction*>("actCopyAsMarkdown")->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("| 6 | \u25b2 3 | 1 |")) << QGuiApplication::clipboard()->text().toStdString();

    dialog->close();
    EXPECT_EQ(window->dialogs().ShowTrainingPath()->priority(), (planner::TrainingPriority{6, 0, 1, 2, 3, 4, 5, 7}));
}

}  // namespace
}  // namespace vantrell::planner_window
