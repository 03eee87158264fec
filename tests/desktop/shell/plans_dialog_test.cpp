#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <deque>

#include "core/catalog/class_catalog.h"
#include "desktop/planner_window/class_planner_window.h"
#include "desktop/shell/fixed_child_window.h"
#include "desktop/shell/main_window.h"
#include "desktop/shell/plan_store.h"
#include "desktop/shell/plans_dialog.h"

namespace vantrell::shell {
namespace {

using planner_window::ClassPlannerWindow;

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PlansDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(folder.isValid());
    }
    void Start() {
        ShellSeams seams{
            .messages = [this](QWidget*, const toolkit::MessageRequest& request) { messages.push_back(request.text); },
            .openLink = [](const QString&) {},
            .askText = [this](QWidget*, const QString&, const QString&, const QString& proposal) -> std::optional<QString> {
                proposals.push_back(proposal);
                if (answers.empty()) return std::nullopt;
                std::optional<QString> answer = answers.front();
                answers.pop_front();
                return answer;
            },
            .askPlan = [this](QWidget*, const QString&, const PlanDraft& proposal) -> std::optional<PlanDraft> {
                proposals.push_back(proposal.name);
                notesProposed.push_back(proposal.note);
                if (answers.empty()) return std::nullopt;
                std::optional<QString> answer = answers.front();
                answers.pop_front();
                if (!answer) return std::nullopt;
                return PlanDraft{.name = *answer, .note = notes.empty() ? proposal.note : notes.front()};
            },
            .askNote = [this](QWidget*, const QString&, const QString&, const QString& proposal) -> std::optional<QString> {
                notesProposed.push_back(proposal);
                if (notes.empty()) return std::nullopt;
                QString note = notes.front();
                notes.pop_front();
                return note;
            },
            .confirm = [this](QWidget*, const QString&, const QString& question) {
                questions.push_back(question);
                const bool yes = !confirmations.empty() && confirmations.front();
                if (!confirmations.empty()) confirmations.pop_front();
                return yes;
            },
            .chooseFile = [this](QWidget*, const QString&, bool) { return chosenFile; },
            .plansFolder = folder.path()};
        shell = std::make_unique<MainWindow>(std::move(seams));
        shell->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(shell.get()));
    }
    ClassPlannerWindow* Planner(std::string_view listName) const {
        return qobject_cast<ClassPlannerWindow*>(shell->OpenPlanner(*catalog::ClassCatalog::Find(listName))->content());
    }
    static QAction* Action(ClassPlannerWindow* window, const QString& text) {
        for (QAction* action : window->actions()) {
            if (action->text() == text) return action;
        }
        return nullptr;
    }
    static void SetSlider(ClassPlannerWindow* window, const char* name, int value) {
        window->findChild<QScrollBar*>(name)->setValue(value);
    }
    static QString Shown(ClassPlannerWindow* window, const char* label) {
        return window->findChild<QLabel*>(label)->text();
    }
    void SaveAs(ClassPlannerWindow* window, const QString& name) {
        answers.push_back(name);
        Action(window, "&Save Plan\u2026")->trigger();
    }
    QTreeWidgetItem* Row(PlansDialog* dialog, const QString& name) const {
        const auto found = dialog->list()->findItems(name, Qt::MatchExactly, 0);
        return found.isEmpty() ? nullptr : found.front();
    }
    void Select(PlansDialog* dialog, const QString& name) const {
        QTreeWidgetItem* row = Row(dialog, name);
        ASSERT_NE(row, nullptr) << name.toStdString();
        dialog->list()->setCurrentItem(row);
    }

    QTemporaryDir folder;
    std::unique_ptr<MainWindow> shell;
    std::vector<QString> messages;
    std::vector<QString> proposals;
    std::deque<std::optional<QString>> answers;
    // The notes Save Plan and Edit Note are given, in turn; Save Plan keeps the one proposed when none is left.
    std::deque<QString> notes;
    std::vector<QString> notesProposed;
    std::vector<QString> questions;
    std::deque<bool> confirmations;
    QString chosenFile;
};

TEST_F(PlansDialogTest, ANoteIsWrittenOnSavingAndEditedFromTheListAndTravelsWithTheOpenedPlan) {
    Start();
    ClassPlannerWindow* healer = Planner("Healer");
    SetSlider(healer, "sldMending", 10);
    notes = {"For group play\nswap at 40", QString(2001, 'x'), "Solo now"};
    answers = {"Group"};
    Action(healer, "&Save Plan\u2026")->trigger();
    ASSERT_EQ(messages.size(), 0u);
    notes.pop_front();
    PlansDialog* dialog = shell->ShowPlans();
    QTreeWidgetItem* row = Row(dialog, "Group");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(3), "For group play");
    EXPECT_EQ(row->toolTip(3), "For group play\nswap at 40");
    EXPECT_EQ(row->data(3, Qt::AccessibleDescriptionRole).toString(), row->toolTip(3));

    Select(dialog, "Group");
    dialog->EditSelectedNote();
    EXPECT_EQ(notesProposed.back(), "For group play\nswap at 40");
    ASSERT_EQ(messages.size(), 1u) << "a note of 2,001 characters is refused";
    EXPECT_EQ(Row(dialog, "Group")->text(3), "For group play");
    dialog->EditSelectedNote();
    EXPECT_EQ(Row(dialog, "Group")->text(3), "Solo now");
    EXPECT_TRUE(Contents(QDir(folder.path()).filePath("plans.json")).contains("\"note\": \"Solo now\""));

    // Saved again over itself with the note proposed, the plan keeps it; the copy carries it.
    answers = {"Group"};
    confirmations = {true};
    Action(healer, "&Save Plan\u2026")->trigger();
    EXPECT_EQ(notesProposed.back(), "Solo now");
    Action(healer, "Copy as Markdown")->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("> Solo now")) << QGuiApplication::clipboard()->text().toStdString();
    SetSlider(healer, "sldMending", 11);
    Action(healer, "Copy as Markdown")->trigger();
    EXPECT_FALSE(QGuiApplication::clipboard()->text().contains("Solo now"));
}

TEST_F(PlansDialogTest, ASavedPlanIsListedWithItsClassAndOpensInItsOwnWindowAsOneStep) {
    Start();
    ClassPlannerWindow* healer = Planner("Healer");
    SetSlider(healer, "sldMending", 10);
    QTest::keyClick(healer->findChild<QScrollBar*>("sldMending"), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(proposals.size(), 1u);
    EXPECT_EQ(proposals[0], "Healer 50");
    SaveAs(healer, "Mender");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(Contents(QDir(folder.path()).filePath("plans.json")).contains("Mender"));

    SetSlider(healer, "sldMending", 30);
    ClassPlannerWindow* cleric = Planner("Cleric");
    SetSlider(cleric, "sldSmiting", 20);
    auto* level = cleric->findChild<QComboBox*>("cboLevel");
    level->setCurrentIndex(30 - 6);
    emit level->activated(30 - 6);
    SaveAs(cleric, "Smiter");

    QTest::keyClick(cleric->findChild<QScrollBar*>("sldSmiting"), Qt::Key_O, Qt::ControlModifier);
    auto* dialog = shell->findChild<PlansDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(dialog->list()->topLevelItemCount(), 2);
    EXPECT_EQ(Row(dialog, "Mender")->text(1), "Healer");
    EXPECT_EQ(Row(dialog, "Mender")->text(2), "50");
    EXPECT_EQ(Row(dialog, "Smiter")->text(1), "Cleric");
    EXPECT_EQ(Row(dialog, "Smiter")->text(2), "30");
    // Sorted by level, numerically, the lower level first.
    dialog->list()->sortByColumn(2, Qt::AscendingOrder);
    EXPECT_EQ(dialog->list()->topLevelItem(0)->text(0), "Smiter");

    Select(dialog, "Mender");
    QTest::keyClick(dialog->list(), Qt::Key_Return);
    EXPECT_EQ(Shown(healer, "lblMendingSkill"), "10");
    EXPECT_EQ(qobject_cast<FixedChildWindow*>(shell->area()->activeSubWindow())->content(), healer);
    EXPECT_EQ(shell->findChild<QListWidget*>("lstClasses")->currentItem()->text(), "Healer");
    // Loading was one step: one undo puts back the plan it replaced.
    Action(healer, "&Undo")->trigger();
    EXPECT_EQ(Shown(healer, "lblMendingSkill"), "30");
    EXPECT_TRUE(messages.empty());
}

TEST_F(PlansDialogTest, SavingSaysWhyANameIsRefusedAndAsksBeforeReplacing) {
    Start();
    ClassPlannerWindow* healer = Planner("Healer");
    SaveAs(healer, "Mine");
    SetSlider(healer, "sldMending", 10);

    // A blank name is refused with the library's reason; the user then declines to replace "Mine".
    answers = {QString("   "), QString("mine"), std::nullopt};
    confirmations = {false};
    Action(healer, "&Save Plan\u2026")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].contains("\"Mine\"")) << questions[0].toStdString();
    PlansDialog* dialog = shell->ShowPlans();
    ASSERT_EQ(dialog->list()->topLevelItemCount(), 1);
    Select(dialog, "Mine");
    dialog->OpenSelected();
    EXPECT_EQ(Shown(healer, "lblMendingSkill"), "1");

    SetSlider(healer, "sldMending", 12);
    answers = {QString("mine")};
    confirmations = {true};
    Action(healer, "&Save Plan\u2026")->trigger();
    ASSERT_EQ(dialog->list()->topLevelItemCount(), 1);
    SetSlider(healer, "sldMending", 2);
    Select(dialog, dialog->list()->topLevelItem(0)->text(0));
    dialog->OpenSelected();
    EXPECT_EQ(Shown(healer, "lblMendingSkill"), "12");
}

TEST_F(PlansDialogTest, RenameAndDeleteFromTheKeyboardWithDeleteConfirmed) {
    Start();
    ClassPlannerWindow* healer = Planner("Healer");
    SaveAs(healer, "First");
    SaveAs(healer, "Second");
    PlansDialog* dialog = shell->ShowPlans();
    Select(dialog, "First");
    answers = {QString("Renamed")};
    QTest::keyClick(dialog->list(), Qt::Key_F2);
    EXPECT_EQ(Row(dialog, "First"), nullptr);
    ASSERT_NE(Row(dialog, "Renamed"), nullptr);
    // Renaming onto a name in use is refused with the library's reason.
    Select(dialog, "Renamed");
    answers = {QString("second")};
    dialog->RenameSelected();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_NE(Row(dialog, "Renamed"), nullptr);

    Select(dialog, "Second");
    confirmations = {false};
    QTest::keyClick(dialog->list(), Qt::Key_Delete);
    EXPECT_NE(Row(dialog, "Second"), nullptr);
    confirmations = {true};
    QTest::keyClick(dialog->list(), Qt::Key_Delete);
    EXPECT_EQ(Row(dialog, "Second"), nullptr);
    EXPECT_EQ(questions.size(), 2u);

    // What is on disk is what the dialog shows.
    planner::PlanLibrary reread;
    PlanStore store(folder.path(), reread, {});
    ASSERT_EQ(reread.plans().size(), 1u);
    EXPECT_EQ(reread.plans()[0].name, "Renamed");
}

TEST_F(PlansDialogTest, AnUnusableEntryShowsWhyCannotBeOpenedAndIsStillExportedAndImported) {
    {
        planner::PlanLibrary library;
        PlanStore store(folder.path(), library, {});
        std::vector<std::string> priority;
        for (const auto& line : catalog::ClassCatalog::Find("Healer")->lines) priority.emplace_back(line.stem);
        ASSERT_EQ(store.Change([&](planner::PlanLibrary& plans) {
            return plans.Save("Broken", "VT1:Healer:50:10.1.1", priority);
        }), "");
    }
    const QString path = QDir(folder.path()).filePath("plans.json");
    QByteArray document = Contents(path);
    ASSERT_TRUE(document.contains("VT1:Healer:50:10.1.1"));
    document.replace("VT1:Healer:50:10.1.1", "VT1:Healer:60:10.1.1");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(document);
    }
    Start();
    PlansDialog* dialog = shell->ShowPlans();
    ASSERT_EQ(dialog->list()->topLevelItemCount(), 1);
    Select(dialog, "Broken");
    EXPECT_FALSE(Row(dialog, "Broken")->text(3).isEmpty());
    EXPECT_FALSE(dialog->findChild<QPushButton*>("cmdOpen")->isEnabled());
    QTest::keyClick(dialog->list(), Qt::Key_Return);
    EXPECT_EQ(shell->area()->subWindowList().size(), 2);  // the selector and the introduction only

    chosenFile = QDir(folder.path()).filePath("exported.json");
    dialog->ExportFile();
    EXPECT_TRUE(Contents(chosenFile).contains("VT1:Healer:60:10.1.1"));
    EXPECT_TRUE(messages.empty());

    // Imported back, it replaces nothing and is counted among the plans that cannot be opened.
    dialog->ImportFile();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "1 plan was imported. 1 of them cannot be opened.");
    ASSERT_NE(Row(dialog, "Broken (2)"), nullptr);
    EXPECT_TRUE(Contents(QDir(folder.path()).filePath("plans.json")).contains("Broken (2)"));
}

TEST_F(PlansDialogTest, AnOpenDialogFollowsAnotherProgramsChanges) {
    Start();
    PlansDialog* dialog = shell->ShowPlans();
    ASSERT_EQ(dialog->list()->topLevelItemCount(), 0);
    planner::Session other;
    other.Open("Healer");
    PlanStore otherStore(folder.path(), other.library(), {});
    ASSERT_EQ(otherStore.Change(other.SavingCurrent("From elsewhere")), "");
    QTRY_COMPARE_WITH_TIMEOUT(dialog->list()->topLevelItemCount(), 1, 5000);
    EXPECT_NE(Row(dialog, "From elsewhere"), nullptr);
}

TEST_F(PlansDialogTest, EveryListedEntryIsRenamedAndDeletedByItsRowAndTheSelectionStaysNearby) {
    QFile file(folder.filePath("plans.json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"format":"vantrell-plans","version":1,"plans":[{"name":"  padded  ","code":"VT1:Healer:50:10.1.1"},
        {"name":"padded","code":"x"},{"name":""},{"name":42},7,{"name":"ÄRMSMAN"},{"name":"ärmsman"},{"name":"Ω"},{"name":"ω"}]})");
    file.close();
    Start();
    PlansDialog* dialog = shell->ShowPlans();
    QStringList listed = {"42", "ÄRMSMAN", "ärmsman (2)", "Entry that is not a plan", "padded", "padded (2)",
                          "Plan without a name", "Ω", "ω (2)"};
    QStringList shown;
    for (int row = 0; row < dialog->list()->topLevelItemCount(); ++row) shown << dialog->list()->topLevelItem(row)->text(0);
    std::sort(shown.begin(), shown.end());
    std::sort(listed.begin(), listed.end());
    ASSERT_EQ(shown, listed);

    // Each row renamed from the keyboard keeps its place in the selection; deleted, its neighbour is selected.
    for (const QString& name : listed) {
        SCOPED_TRACE(name.toStdString());
        Select(dialog, name);
        answers = {"Chosen " + name};
        QTest::keyClick(dialog->list(), Qt::Key_F2);
        ASSERT_NE(dialog->list()->currentItem(), nullptr);
        EXPECT_EQ(dialog->list()->currentItem()->text(0), "Chosen " + name);
        const QTreeWidgetItem* below = dialog->list()->itemBelow(dialog->list()->currentItem());
        const QString neighbour = below != nullptr ? below->text(0) : QString();
        confirmations = {true};
        QTest::keyClick(dialog->list(), Qt::Key_Delete);
        EXPECT_EQ(Row(dialog, "Chosen " + name), nullptr);
        if (!neighbour.isEmpty()) {
            EXPECT_EQ(dialog->list()->currentItem()->text(0), neighbour);
        }
    }
    EXPECT_EQ(dialog->list()->topLevelItemCount(), 0);
    EXPECT_TRUE(messages.empty()) << messages.front().toStdString();
}

TEST_F(PlansDialogTest, ALongNameIsElidedAndTheClassLevelAndNoteStayInView) {
    QFile file(folder.filePath("plans.json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(R"({"format":"vantrell-plans","version":1,"plans":[{"name":")") + QByteArray(200, 'W') +
               R"(","code":"VT1:Healer:50:10.1.1","priority":[]}]})");
    file.close();
    Start();
    PlansDialog* dialog = shell->ShowPlans();
    ASSERT_EQ(dialog->list()->topLevelItemCount(), 1);
    const QHeaderView* header = dialog->list()->header();
    EXPECT_LE(header->sectionViewportPosition(3) + 40, dialog->list()->viewport()->width()) << "the note is out of view";
    EXPECT_EQ(dialog->list()->topLevelItem(0)->toolTip(0).size(), 200) << "the whole name is its tooltip";
}

TEST_F(PlansDialogTest, NamesSortIgnoringCaseAndNumbersByValue) {
    Start();
    ClassPlannerWindow* healer = Planner("Healer");
    for (const char* name : {"plan 10", "Plan 9", "Zulu", "alpha", "PLAN 100"}) SaveAs(healer, name);
    PlansDialog* dialog = shell->ShowPlans();
    QStringList shown;
    for (int row = 0; row < dialog->list()->topLevelItemCount(); ++row) shown << dialog->list()->topLevelItem(row)->text(0);
    EXPECT_EQ(shown, (QStringList{"alpha", "Plan 9", "plan 10", "PLAN 100", "Zulu"}));
}

TEST_F(PlansDialogTest, TheProgramStartsBesideAPlansFileNestedAMillionLevelsDeep) {
    const QByteArray document = QByteArray(1'000'000, '[') + QByteArray(1'000'000, ']');
    QFile file(folder.filePath("plans.json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(document);
    file.close();
    Start();
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), std::size_t{1}, 5000);
    EXPECT_TRUE(messages[0].contains("deeper than 64")) << messages[0].toStdString();
    const QStringList aside = QDir(folder.path()).entryList({"plans.unreadable-*.json"}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(Contents(folder.filePath(aside[0])), document);
    EXPECT_EQ(shell->ShowPlans()->list()->topLevelItemCount(), 0);
}

}  // namespace
}  // namespace vantrell::shell
