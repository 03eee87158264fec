#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <QWidget>

#include "core/catalog/class_catalog.h"
#include "core/planner/plan_code.h"
#include "desktop/planner_window/class_planner_window.h"
#include "desktop/planner_window/compare_dialog.h"
#include "desktop/planner_window/training_path_dialog.h"
#include "desktop/shell/main_window.h"

namespace vantrell {
namespace {

// The controls a screen reader stops at and reads by name.
bool IsNamedControl(QAccessible::Role role) {
    switch (role) {
        case QAccessible::ScrollBar:
        case QAccessible::Slider:
        case QAccessible::List:
        case QAccessible::ComboBox:
        case QAccessible::Button:
        case QAccessible::Table:
            return true;
        default:
            return false;
    }
}

struct Survey {
    // Each shown control without a name, as its role and its widget's object name.
    QStringList unnamed;
    // How many had one, so that an empty tree cannot pass for a named one.
    int named = 0;
};

// A combo box gives its current entry as its name, which says nothing of what
// it picks; where that is all it has, a label that names it must stand beside it.
bool HasName(QAccessibleInterface& node) {
    const QString name = node.text(QAccessible::Name).trimmed();
    if (!name.isEmpty() && (node.role() != QAccessible::ComboBox || name != node.text(QAccessible::Value).trimmed())) {
        return true;
    }
    for (const auto& [label, relation] : node.relations(QAccessible::Label)) {
        if (!label->text(QAccessible::Name).trimmed().isEmpty()) return true;
    }
    return false;
}

// Walks the tree assistive technology sees, from `root` down.
Survey SurveyOf(QWidget& root) {
    Survey survey;
    const std::function<void(QAccessibleInterface*, int)> walk = [&](QAccessibleInterface* node, int depth) {
        if (node == nullptr || !node->isValid() || depth > 40 || node->state().invisible) return;
        if (IsNamedControl(node->role())) {
            if (HasName(*node)) {
                ++survey.named;
            } else {
                const QObject* object = node->object();
                survey.unnamed << QStringLiteral("role %1 %2").arg(node->role()).arg(object ? object->objectName() : "?");
            }
        }
        for (int child = 0; child < node->childCount(); ++child) walk(node->child(child), depth + 1);
    };
    walk(QAccessible::queryAccessibleInterface(&root), 0);
    return survey;
}

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override { QAccessible::setActive(true); }
};

TEST_F(AccessibilityTest, EveryPlannerWindowsControlsAndItsTrainingPathAreNamed) {
    for (catalog::Realm realm : catalog::kRealms) {
        for (const catalog::ClassDefinition* definition : catalog::ClassCatalog::ClassesOf(realm)) {
            SCOPED_TRACE(std::string(definition->listName));
            planner_window::ClassPlannerWindow window(*definition, [](QWidget*, const toolkit::MessageRequest&) {});
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            const Survey planner = SurveyOf(window);
            EXPECT_EQ(planner.unnamed, QStringList());
            // The level list and one slider a line at least.
            EXPECT_GT(planner.named, static_cast<int>(definition->lines.size()));

            planner_window::TrainingPathDialog* path = window.dialogs().ShowTrainingPath();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(path));
            const Survey dialog = SurveyOf(*path);
            EXPECT_EQ(dialog.unnamed, QStringList());
            EXPECT_GE(dialog.named, 4);  // the priority, its two move buttons and the table
        }
    }
}

TEST_F(AccessibilityTest, TheComparisonsControlsAreNamed) {
    planner_window::ClassPlannerWindow window(*catalog::ClassCatalog::Find("Bard"),
                                      [](QWidget*, const toolkit::MessageRequest&) {});
    window.show();
    planner_window::CompareDialog* compare = window.dialogs().ShowCompare();
    compare->SetOtherPlan(QString::fromStdString(planner::EncodePlanCode(window.planner())));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(compare));
    const Survey dialog = SurveyOf(*compare);
    EXPECT_EQ(dialog.unnamed, QStringList());
    EXPECT_GE(dialog.named, 5);  // the saved plans, Swap, Copy as Text, Close and the table
}

TEST_F(AccessibilityTest, TheSelectorAndIntroductionAreNamed) {
    shell::MainWindow shell({[](QWidget*, const toolkit::MessageRequest&) {}, [](const QString&) {}});
    shell.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shell));
    const Survey survey = SurveyOf(shell);
    EXPECT_EQ(survey.unnamed, QStringList());
    EXPECT_GE(survey.named, 3);  // the realms, the classes and About
}

}  // namespace
}  // namespace vantrell
