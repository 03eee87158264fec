// The desktop in each language: every text of the program's own from the
// catalogs (the pseudo-language shows one that is not), none cut off by its
// box, and the language box remaking the window. With VANTRELL_SCREENSHOTS set
// to a folder, each window is saved there as a picture to look at.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/catalog/class_catalog.h"
#include "core/texts/composed.h"
#include "core/texts/desktop_texts.h"
#include "core/texts/translation.h"
#include "desktop/planner_window/class_planner_window.h"
#include "desktop/planner_window/dialog_host.h"
#include "desktop/shell/fixed_child_window.h"
#include "desktop/shell/identity.h"
#include "desktop/shell/language_choice.h"
#include "desktop/shell/shell_seams.h"
#include "desktop/toolkit/qt_text.h"
#include "desktop/planner_window/compare_dialog.h"
#include "desktop/planner_window/training_path_dialog.h"
#include "desktop/shell/main_window.h"
#include "desktop/shell/plans_dialog.h"

namespace vantrell::shell {
namespace {

void Save(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("VANTRELL_SCREENSHOTS");
    if (!folder.isEmpty()) window.grab().save(QDir(folder).filePath(name + ".png"));
}

// The texts the program shows in `root` that are its own: buttons, labels and window titles, not the catalog's names.
QStringList OwnTexts(QWidget& root, const QStringList& catalogNames) {
    QStringList texts{root.windowTitle()};
    for (auto* button : root.findChildren<QAbstractButton*>()) texts << button->text() << button->toolTip();
    for (auto* label : root.findChildren<QLabel*>()) {
        if (!catalogNames.contains(label->text())) texts << label->text();
    }
    texts.removeAll(QString());
    return texts;
}

// A text too wide for the box it is shown in; a mnemonic's '&' takes no room.
QStringList CutOff(QWidget& root) {
    QStringList cut;
    const auto shown = [](QString text) { return text.remove(QRegularExpression("&(?=.)")); };
    for (auto* label : root.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->wordWrap() || label->text().contains('<') || label->text().contains('\n')) continue;
        if (label->fontMetrics().horizontalAdvance(shown(label->text())) > label->contentsRect().width() + 1) {
            cut << label->objectName() + ": " + label->text();
        }
    }
    for (auto* button : root.findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->fontMetrics().horizontalAdvance(shown(button->text())) + 6 > button->width()) {
            cut << button->objectName() + ": " + button->text();
        }
    }
    return cut;
}

std::string Listed(const QStringList& texts) { return texts.join(" | ").toStdString(); }

// Qt's own English for its standard buttons, which its catalogs translate, not the program's.
const QStringList kQtStandardButtons{"OK", "&OK", "Cancel", "&Cancel", "&Yes", "&No"};

// Runs `open`, which shows a modal dialog and waits for it, and hands that dialog to `look` before dismissing it.
void WithModal(const std::function<void()>& open, const std::function<void(QDialog&)>& look) {
    bool looked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !QTest::qWaitForWindowExposed(dialog)) return;
        look(*dialog);
        looked = true;
        dialog->done(QDialog::Rejected);
    });
    open();
    EXPECT_TRUE(looked) << "no modal dialog was shown";
}

class LanguageTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { ApplyLanguage(GetParam()); }
    void TearDown() override { ApplyLanguage(std::string(texts::kSourceLanguage)); }
    QTemporaryDir plansFolder;
};

TEST_P(LanguageTest, TheMainWindowAPlannerAndItsDialogsShowTheLanguageAndFitTheirBoxes) {
    ASSERT_EQ(texts::LanguageInUse(), GetParam());
    ShellSeams seams{[](QWidget*, const toolkit::MessageRequest&) {}, [](const QString&) {}};
    seams.plansFolder = plansFolder.path();
    MainWindow shell(std::move(seams));
    shell.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shell));
    const catalog::ClassDefinition& healer = *catalog::ClassCatalog::Find("Healer");
    auto* planner = qobject_cast<planner_window::ClassPlannerWindow*>(shell.OpenPlanner(healer)->content());
    // The game's names, the program's name and its address are the same in every language.
    QStringList catalogNames{QString::fromStdString(std::string(healer.titleCaption)), "Vantrell", "Points/Lvll:",
                             "vantrell@example.org"};
    for (const auto& line : healer.lines) catalogNames << QString::fromStdString(std::string(line.caption));
    Save(shell, QString::fromStdString(GetParam()) + "-main");
    QWidget* dialogs[] = {planner->dialogs().ShowTrainingPath(), planner->dialogs().ShowCompare(), shell.ShowPlans()};
    const char* dialogNames[] = {"path", "compare", "plans"};
    QStringList own = OwnTexts(shell, catalogNames);
    QStringList cut = CutOff(shell);
    for (std::size_t index = 0; index < std::size(dialogs); ++index) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialogs[index]));
        Save(*dialogs[index], QString::fromStdString(GetParam()) + "-" + dialogNames[index]);
        own << OwnTexts(*dialogs[index], catalogNames);
        cut << CutOff(*dialogs[index]);
    }
    // The dialogs the desktop's seams open in front of the user, each waiting for an answer.
    const ShellSeams desktop = DesktopSeams();
    const auto lookAt = [&](const char* name) {
        return [&, name](QDialog& dialog) {
            Save(dialog, QString::fromStdString(GetParam()) + "-" + name);
            own << OwnTexts(dialog, catalogNames);
            cut << CutOff(dialog);
        };
    };
    const QString plan = "Healer 40";
    WithModal([&] { desktop.askPlan(&shell, toolkit::ToQString(texts::desktop::kSavePlanTitle), {plan, {}}); },
              lookAt("save"));
    WithModal([&] {
        desktop.askText(&shell, toolkit::ToQString(texts::desktop::kRenamePlanTitle),
                        toolkit::ToQString(texts::desktop::kPlanName), plan);
    }, lookAt("rename"));
    WithModal([&] {
        desktop.confirm(&shell, identity::AboutTitle(), QString::fromStdString(texts::DeletePlanQuestion("Healer 40")));
    }, lookAt("question"));
    WithModal([&] { desktop.messages(&shell, {identity::AboutTitle(), identity::AboutText(), toolkit::MessageIcon::Information}); },
              lookAt("about"));
    catalogNames << plan;
    // The pseudo-language is longer than any translation, so that it shows what would be cut off.
    if (GetParam() != texts::kPseudoLanguage) {
        EXPECT_TRUE(cut.isEmpty()) << Listed(cut);
        if (GetParam() == texts::kSourceLanguage) return;
        QStringList english;
        for (const QString& text : own) {
            if (kQtStandardButtons.contains(text) && text != "OK") english << text;
        }
        EXPECT_TRUE(english.isEmpty()) << "Qt's own texts left in English: " << Listed(english);
        return;
    }
    QStringList bypassing;
    for (const QString& text : own) {
        if (!text.contains('[') && !catalogNames.contains(text) && !kQtStandardButtons.contains(text) &&
            text.contains(QRegularExpression("[A-Za-z]{2}"))) {
            bypassing << text;
        }
    }
    EXPECT_TRUE(bypassing.isEmpty()) << Listed(bypassing);
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest, testing::Values("en", "de", "fr", std::string(texts::kPseudoLanguage)),
                         [](const auto& info) { return info.param == "x-pseudo" ? std::string("pseudo") : info.param; });

TEST(LanguageChoice, TheSelectorOffersEveryLanguageAndAChoiceAsksForTheWindowAgain) {
    QTemporaryDir plansFolder;
    ShellSeams seams{[](QWidget*, const toolkit::MessageRequest&) {}, [](const QString&) {}};
    seams.plansFolder = plansFolder.path();
    MainWindow shell(std::move(seams));
    auto* languages = shell.findChild<QComboBox*>("cboLanguage");
    ASSERT_NE(languages, nullptr);
    ASSERT_EQ(languages->count(), static_cast<int>(texts::Languages().size()));
    EXPECT_EQ(languages->currentData().toString(), "en");
    QSignalSpy chosen(&shell, &MainWindow::languageChosen);
    languages->setCurrentIndex(languages->findData("fr"));
    emit languages->activated(languages->currentIndex());
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.front().front().toString(), "fr");
}

}  // namespace
}  // namespace vantrell::shell
