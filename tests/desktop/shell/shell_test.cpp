#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "desktop/shell/fixed_child_window.h"
#include "desktop/shell/main_window.h"
#include "desktop/shell/max_button.h"
#include "desktop/shell/shell_geometry.h"
#include "desktop/planner_window/class_planner_window.h"

namespace vantrell::shell {
namespace {

using toolkit::ToPixels;

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ShellSeams seams{[this](QWidget*, const toolkit::MessageRequest& request) { messages.push_back(request); },
                         [this](const QString& link) { links.push_back(link); }};
        seams.plansFolder = plansFolder.path();
        shell = std::make_unique<MainWindow>(std::move(seams));
        shell->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(shell.get()));
    }

    template <typename Widget>
    Widget* Find(const char* name) const {
        auto* widget = shell->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void ChooseRealm(const QString& realm) {
        auto* realms = Find<QComboBox>("cboRealm");
        const int index = realms->findText(realm);
        realms->setCurrentIndex(index);
        emit realms->activated(index);
    }

    void ChooseClass(const QString& listName) {
        auto* classes = Find<QListWidget>("lstClasses");
        const auto items = classes->findItems(listName, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << listName.toStdString();
        QTest::mouseClick(classes->viewport(), Qt::LeftButton, {}, classes->visualItemRect(items[0]).center());
    }

    QStringList ListedClasses() const {
        QStringList names;
        auto* classes = Find<QListWidget>("lstClasses");
        for (int row = 0; row < classes->count(); ++row) names << classes->item(row)->text();
        return names;
    }

    planner_window::ClassPlannerWindow* FrontPlanner() const {
        auto* front = qobject_cast<FixedChildWindow*>(shell->area()->activeSubWindow());
        return front == nullptr ? nullptr : qobject_cast<planner_window::ClassPlannerWindow*>(front->content());
    }

    int Dpi() const { return shell->logicalDpiY(); }

    std::vector<toolkit::MessageRequest> messages;
    QStringList links;
    QTemporaryDir plansFolder;
    std::unique_ptr<MainWindow> shell;
};

TEST_F(ShellTest, StartsWithAnEmptySelectorAndTheIntroductionInFront) {
    EXPECT_EQ(shell->windowTitle(), "Vantrell");
    EXPECT_EQ(shell->objectName(), "frmMDI");
    EXPECT_EQ(Find<QComboBox>("cboRealm")->currentIndex(), -1);
    EXPECT_EQ(Find<QComboBox>("cboRealm")->count(), 3);
    EXPECT_EQ(Find<QListWidget>("lstClasses")->count(), 0);
    auto* front = qobject_cast<FixedChildWindow*>(shell->area()->activeSubWindow());
    ASSERT_NE(front, nullptr);
    EXPECT_EQ(front->content()->objectName(), "frmIntro");
    EXPECT_EQ(Find<QPushButton>("cmdAbout")->text(), "&About");
    EXPECT_FALSE(shell->windowIcon().isNull());
}

TEST_F(ShellTest, HoldsItsOuterSizeWhateverResizeIsAttempted) {
    const QSize fixed = ToPixels({0, 0, geometry::kFixedOuterWidth, geometry::kFixedOuterHeight}, Dpi()).size();
    EXPECT_EQ(shell->frameGeometry().size(), fixed);
    shell->resize(900, 700);
    EXPECT_EQ(shell->frameGeometry().size(), fixed);
    shell->showMaximized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shell->isMaximized(); }));
    EXPECT_EQ(shell->frameGeometry().size(), fixed);
    shell->showMinimized();
    shell->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shell->isMinimized() && shell->isVisible(); }));
    EXPECT_EQ(shell->frameGeometry().size(), fixed);
    EXPECT_FALSE(shell->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(ShellTest, PlacesItsChildrenAtTheirTwipPositions) {
    const QRect selector = Find<QWidget>("frmMainChild")->geometry();
    const QRect intro = Find<QWidget>("frmIntroChild")->geometry();
    EXPECT_EQ(selector, ToPixels(geometry::kSelector, Dpi()));
    EXPECT_EQ(intro, ToPixels(geometry::kRightHand, Dpi()));
    // The right-hand window starts where the selector ends, and neither leaves the shell.
    EXPECT_EQ(intro.left(), selector.right() + 1);
    EXPECT_TRUE(shell->area()->rect().contains(selector));
    EXPECT_TRUE(shell->area()->rect().contains(intro));
    ChooseRealm("Midgard");
    ChooseClass("Healer");
    EXPECT_EQ(Find<QWidget>("frmHealerChild")->geometry(), intro);
}

TEST_F(ShellTest, ARealmChoiceRefillsTheClassList) {
    ChooseRealm("Midgard");
    EXPECT_EQ(ListedClasses().size(), 10);
    EXPECT_EQ(ListedClasses().front(), "Berserker");
    ChooseRealm("Albion");
    EXPECT_EQ(ListedClasses().size(), 12);
    EXPECT_EQ(ListedClasses().front(), "Armsman");
    EXPECT_EQ(ListedClasses().back(), "Wizard");
    ChooseRealm("Hibernia");
    EXPECT_EQ(ListedClasses().size(), 11);
}

TEST_F(ShellTest, AClassChosenAgainComesForwardWithItsPlan) {
    ChooseRealm("Midgard");
    ChooseClass("Healer");
    planner_window::ClassPlannerWindow* healer = FrontPlanner();
    ASSERT_NE(healer, nullptr);
    EXPECT_EQ(healer->objectName(), "frmHealer");
    EXPECT_EQ(healer->findChild<QLabel*>("lblPointsLeft")->text(), "1274");
    healer->findChild<QScrollBar*>("sldMending")->setValue(10);
    EXPECT_EQ(healer->findChild<QLabel*>("lblPointsLeft")->text(), "1220");

    ChooseClass("Shaman");
    EXPECT_EQ(FrontPlanner()->objectName(), "frmShaman");
    ChooseRealm("Albion");
    ChooseRealm("Midgard");
    ChooseClass("Healer");
    EXPECT_EQ(FrontPlanner(), healer);
    EXPECT_EQ(healer->findChild<QLabel*>("lblMendingSkill")->text(), "10");
    EXPECT_EQ(healer->findChild<QLabel*>("lblPointsLeft")->text(), "1220");
}

TEST_F(ShellTest, SorcerorOpensTheWindowTitledSorcerer) {
    ChooseRealm("Albion");
    ChooseClass("Sorceror");
    ASSERT_NE(FrontPlanner(), nullptr);
    EXPECT_EQ(FrontPlanner()->objectName(), "frmSorceror");
    EXPECT_EQ(FrontPlanner()->findChild<QLabel*>("lblTitle")->text(), "Sorcerer");
}

TEST_F(ShellTest, AboutShowsOneInformationBox) {
    QTest::mouseClick(Find<QPushButton>("cmdAbout"), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "About Vantrell");
    EXPECT_EQ(messages[0].icon, toolkit::MessageIcon::Information);
    EXPECT_TRUE(messages[0].text.contains("vantrell@example.org"));
}

TEST_F(ShellTest, TheEmailLabelHandsTheMailLinkToTheDesktop) {
    QTest::mouseClick(Find<QLabel>("lblEmail"), Qt::LeftButton);
    ASSERT_EQ(links.size(), 1);
    EXPECT_EQ(links[0], "MailTo:vantrell@example.org?subject=Regarding Vantrell program");
    QTest::mouseClick(Find<QLabel>("lblQuestions"), Qt::LeftButton);
    EXPECT_EQ(links.size(), 1);
}

TEST_F(ShellTest, APastedCodeOfAnotherClassOpensThatClassWindow) {
    ChooseRealm("Midgard");
    ChooseClass("Healer");
    planner_window::ClassPlannerWindow* healer = FrontPlanner();
    QGuiApplication::clipboard()->setText("VT1:Cleric:30:10.1.1");
    healer->sharing().PastePlanCode();
    EXPECT_TRUE(messages.empty());
    ASSERT_NE(FrontPlanner(), nullptr);
    EXPECT_EQ(FrontPlanner()->objectName(), "frmCleric");
    EXPECT_EQ(FrontPlanner()->findChild<QLabel*>("lblRejuvinationSkill")->text(), "10");
    EXPECT_EQ(FrontPlanner()->findChild<QLabel*>("lblPointsLeft")->text(), "410");
    EXPECT_EQ(healer->findChild<QLabel*>("lblPointsLeft")->text(), "1274");
    // The selector shows the class that was opened, in its own realm.
    EXPECT_EQ(Find<QComboBox>("cboRealm")->currentText(), "Albion");
    ASSERT_NE(Find<QListWidget>("lstClasses")->currentItem(), nullptr);
    EXPECT_EQ(Find<QListWidget>("lstClasses")->currentItem()->text(), "Cleric");
}

TEST(EnableMaxButton, RaisesItsOwnErrorWithoutAWindow) {
    try {
        EnableMaxButton(nullptr, false);
        FAIL() << "no error raised";
    } catch (const WindowError& error) {
        EXPECT_STREQ(error.what(), "EnableMaxButton() - Invalid Window Handle");
        EXPECT_EQ(error.source(), "modCloseBtn::EnableMaxButton");
        EXPECT_EQ(error.number(), -2147221504);
    }
}

TEST(EnableMaxButton, SwitchesTheMaximizeHintBothWays) {
    QWidget window;
    EnableMaxButton(&window, false);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EnableMaxButton(&window, true);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QWidget child(&window);
    EXPECT_THROW(EnableMaxButton(&child, false), WindowError);
}

}  // namespace
}  // namespace vantrell::shell
