#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "core/catalog/class_catalog.h"
#include "desktop/planner_window/class_planner_window.h"
#include "desktop/planner_window/training_path_dialog.h"

namespace vantrell::planner_window {
namespace {

class HistoryWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<ClassPlannerWindow>(*catalog::ClassCatalog::Find("Healer"),
                                                      [](QWidget*, const MessageRequest&) {});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
    }
    QAction* Action(const QString& text) const {
        for (QAction* action : window->actions()) {
            if (action->text() == text) return action;
        }
        return nullptr;
    }
    QScrollBar* Mending() const { return window->findChild<QScrollBar*>("sldMending"); }
    QString Shown(const char* label) const { return window->findChild<QLabel*>(label)->text(); }
    void Press(int key, Qt::KeyboardModifiers modifiers) const {
        QTest::keyClick(Mending(), static_cast<Qt::Key>(key), modifiers);
    }

    std::unique_ptr<ClassPlannerWindow> window;
};

TEST_F(HistoryWindowTest, EveryGestureIsUndoneAndRedoneThroughTheShortcutsWithTheActionsEnabledAccordingly) {
    QAction* undo = Action("&Undo");
    QAction* redo = Action("&Redo");
    ASSERT_NE(undo, nullptr);
    ASSERT_NE(redo, nullptr);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    Mending()->setValue(10);
    auto* level = window->findChild<QComboBox*>("cboLevel");
    level->setCurrentIndex(20 - 6);
    emit level->activated(20 - 6);
    EXPECT_EQ(Shown("lblPointsLeft"), "155");
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(level->currentText(), "50");
    EXPECT_EQ(Shown("lblMendingSkill"), "10");
    EXPECT_TRUE(redo->isEnabled());
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Shown("lblMendingSkill"), "1");
    EXPECT_EQ(Mending()->value(), 1);
    EXPECT_FALSE(undo->isEnabled());
    // Nothing left to undo leaves the plan as it is.
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Shown("lblMendingSkill"), "1");

    Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Shown("lblMendingSkill"), "10");
    Press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(level->currentText(), "20");
    EXPECT_EQ(Shown("lblPointsLeft"), "155");
    EXPECT_FALSE(redo->isEnabled());

    // A new gesture after an undo drops what could have been redone.
    undo->trigger();
    Mending()->setValue(5);
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(Shown("lblMendingSkill"), "5");
}

TEST_F(HistoryWindowTest, AnOpenTrainingPathFollowsAnUndo) {
    TrainingPathDialog* path = window->dialogs().ShowTrainingPath();
    auto* table = path->findChild<QTableWidget*>("tblTrainingPath");
    const int before = table->rowCount();
    auto* level = window->findChild<QComboBox*>("cboLevel");
    level->setCurrentIndex(10 - 6);
    emit level->activated(10 - 6);
    const int atTen = table->rowCount();
    ASSERT_NE(atTen, before);
    Action("&Undo")->trigger();
    EXPECT_EQ(table->rowCount(), before);
    Action("&Redo")->trigger();
    EXPECT_EQ(table->rowCount(), atTen);
}

}  // namespace
}  // namespace vantrell::planner_window
