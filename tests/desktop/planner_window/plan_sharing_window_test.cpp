#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "core/catalog/class_catalog.h"
#include "desktop/planner_window/class_planner_window.h"

namespace vantrell::planner_window {
namespace {

class PlanSharingWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<ClassPlannerWindow> Open(std::string_view listName) {
        auto window = std::make_unique<ClassPlannerWindow>(
            *catalog::ClassCatalog::Find(listName),
            [this](QWidget*, const MessageRequest& request) { messages.push_back(request); });
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        return window;
    }
    static QScrollBar* Slider(ClassPlannerWindow& window, const char* name) {
        return window.findChild<QScrollBar*>(name);
    }
    static QString Clipboard() { return QGuiApplication::clipboard()->text(); }

    std::vector<MessageRequest> messages;
};

TEST_F(PlanSharingWindowTest, CopiesThePlanAsTextAndAsACode) {
    auto window = Open("Healer");
    Slider(*window, "sldMending")->setValue(10);
    QTest::keyClick(Slider(*window, "sldMending"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(Clipboard().startsWith("Realm:       Midgard\nClass:       Healer\n"));
    EXPECT_TRUE(Clipboard().contains("Points left: 1220 / 1274"));
    QTest::keyClick(Slider(*window, "sldMending"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Clipboard(), "VT1:Healer:50:10.1.1");
}

// Every copy the menu offers, and the files it writes: an image as PNG or SVG, and a PDF
// that holds the plan and its path, each written whole into the folder chosen.
TEST_F(PlanSharingWindowTest, CopiesAndWritesThePlanInEveryForm) {
    auto window = Open("Healer");
    Slider(*window, "sldMending")->setValue(10);
    const auto trigger = [&window](const QString& text) {
        for (QAction* action : window->actions()) {
            if (action->text() == text) return action->trigger(), true;
        }
        return false;
    };
    ASSERT_TRUE(trigger("Copy as Markdown"));
    EXPECT_TRUE(Clipboard().contains("| Mending | 10 | 54 | 4 |"));
    ASSERT_TRUE(trigger("Copy as BBCode"));
    EXPECT_TRUE(Clipboard().startsWith("[b]Healer, Level 50[/b]\n[color=#0000ff]Mending[/color]"));
    ASSERT_TRUE(trigger("Copy as Image"));
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_GT(copied.width(), 1000);

    QTemporaryDir folder;
    window->exporting().SaveImageTo(folder.filePath("plan.png"));
    EXPECT_EQ(QImage(folder.filePath("plan.png")).size(), copied.size());
    window->exporting().SaveImageTo(folder.filePath("plan.svg"));
    QFile svg(folder.filePath("plan.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().startsWith("<svg xmlns="));
    window->exporting().ExportPdfTo(folder.filePath("plan.pdf"));
    QFile pdf(folder.filePath("plan.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3) << "a part file was left behind";
    EXPECT_TRUE(messages.empty());

    window->exporting().SaveImageTo(folder.filePath("missing/plan.png"));
    window->exporting().ExportPdfTo(folder.filePath("missing/plan.pdf"));
    EXPECT_EQ(messages.size(), 2U) << "a file that cannot be written is said";
}

TEST_F(PlanSharingWindowTest, CopyLinkIsOfferedOnlyWithAWebHomeAndLinksThePlanThere) {
    auto window = Open("Healer");
    Slider(*window, "sldMending")->setValue(10);
    const auto copyLink = [&window]() -> QAction* {
        for (QAction* action : window->actions()) {
            if (action->text() == "Copy Link") return action;
        }
        return nullptr;
    };
    ASSERT_NE(copyLink(), nullptr);
    for (const char* notAHome : {"", "file:///home/user/vantrell/", "https://example.org/vantrell"}) {
        window->sharing().SetWebHome(notAHome);
        EXPECT_FALSE(copyLink()->isVisible()) << notAHome;
    }
    window->sharing().SetWebHome("https://example.org/vantrell/");
    EXPECT_TRUE(copyLink()->isVisible());
    copyLink()->trigger();
    EXPECT_EQ(Clipboard(), "https://example.org/vantrell/#VT1:Healer:50:10.1.1");

    // The link is what another user pastes.
    auto other = Open("Healer");
    other->sharing().PastePlanCode();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(other->findChild<QLabel*>("lblMendingSkill")->text(), "10");
}

TEST_F(PlanSharingWindowTest, PastingACodeOrALinkAppliesItAsAUserWould) {
    for (const char* pasted : {"VT1:Healer:20:12.5.1", " https://example.org/vantrell.html#VT1:Healer:20:12.5.1\n"}) {
        SCOPED_TRACE(pasted);
        auto window = Open("Healer");
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(window->findChild<QComboBox*>("cboLevel")->currentText(), "20");
        EXPECT_EQ(window->findChild<QLabel*>("lblMendingSkill")->text(), "12");
        EXPECT_EQ(window->findChild<QLabel*>("lblAugmentationSkill")->text(), "5");
        EXPECT_EQ(window->findChild<QLabel*>("lblPointsLeft")->text(), "118");
    }
}

TEST_F(PlanSharingWindowTest, AMalformedCodeChangesNothingAndSaysWhy) {
    auto window = Open("Healer");
    Slider(*window, "sldMending")->setValue(10);
    QGuiApplication::clipboard()->setText("VT1:Healer:60:1.1.1");
    window->sharing().PastePlanCode();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Paste Plan Code");
    EXPECT_EQ(messages[0].text, "The plan code's character level \"60\" is not between 6 and 50.");
    EXPECT_EQ(window->findChild<QLabel*>("lblMendingSkill")->text(), "10");

    // Ten million letters are refused with a short excerpt of them, not a message that quotes them all.
    QGuiApplication::clipboard()->setText("VT1:" + QString(10'000'000, 'x') + ":50:1.1.1.1.1.1.1.1");
    window->sharing().PastePlanCode();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_LT(messages[1].text.size(), 200);
    EXPECT_TRUE(messages[1].text.contains(QString(80, 'x') + "\u2026")) << messages[1].text.toStdString();
}

TEST_F(PlanSharingWindowTest, ATrimmedPlanNamesTheLoweredLines) {
    auto window = Open("Healer");
    QGuiApplication::clipboard()->setText("VT1:Healer:10:10.10.1");
    window->sharing().PastePlanCode();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "The plan did not fit and was trimmed by the usual rules:\nAugmentation: 10 lowered to 1");
}

TEST_F(PlanSharingWindowTest, WithoutAnOpenerAnotherClassCannotBePasted) {
    auto window = Open("Healer");
    QGuiApplication::clipboard()->setText("VT1:Cleric:50:2.1.1");
    window->sharing().PastePlanCode();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "This window cannot open the Cleric planner.");
}

TEST_F(PlanSharingWindowTest, TheAbilitiesTooltipTellsTheNextUnlock) {
    auto window = Open("Bard");
    auto* blades = window->findChild<QLabel*>("lblBladesStyles");
    EXPECT_EQ(blades->toolTip(), "Next at level 2 (2 more points):\nBlades styles 1->1");
    Slider(*window, "sldBlades")->setValue(50);
    EXPECT_EQ(blades->toolTip(), "All abilities of this line are reached.");
    auto healer = Open("Healer");
    EXPECT_EQ(healer->findChild<QLabel*>("lblMendingSpells")->toolTip(), "");
}

TEST_F(PlanSharingWindowTest, KeysMoveTheFocusedSliderAsUserMoves) {
    auto window = Open("Healer");
    auto* mending = Slider(*window, "sldMending");
    mending->setFocus();
    QTest::keyClick(mending, Qt::Key_Right);
    EXPECT_EQ(window->planner().state().lines[0].level, 2);
    QTest::keyClick(mending, Qt::Key_End);
    EXPECT_EQ(window->planner().state().lines[0].level, 50);
    EXPECT_EQ(window->findChild<QLabel*>("lblPointsLeft")->text(), "0");
    QTest::keyClick(mending, Qt::Key_Home);
    EXPECT_EQ(window->planner().state().lines[0].level, 1);
    EXPECT_EQ(window->findChild<QLabel*>("lblPointsLeft")->text(), "1274");
}

TEST_F(PlanSharingWindowTest, TabWalksTheSlidersInScreenOrder) {
    auto window = Open("Healer");
    window->findChild<QComboBox*>("cboLevel")->setFocus();
    QStringList order;
    for (int step = 0; step < 3; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order, QStringList({"sldMending", "sldAugmentation", "sldPacification"}));
}

}  // namespace
}  // namespace vantrell::planner_window
