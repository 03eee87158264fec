// Starts the shell as the program does, opens every class's planner window
// through the selector the way a user would (realm list, then a click on each
// class), uses each window a little, then closes the main window so that the
// program ends normally. LeakSanitizer reports at exit whatever is left, except
// widgets: the toolkit keeps every widget reachable for LeakSanitizer, so a
// widget the program forgot to give a parent is found here instead, as a
// widget still alive once the main window is gone.

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>
#include <QStandardPaths>
#include <QTimer>
#include <iostream>
#include <set>
#include <string>

#include "desktop/toolkit/look.h"
#include "desktop/shell/main_window.h"
#include "core/catalog/class_catalog.h"
#include "desktop/planner_window/class_planner_window.h"

namespace {

using vantrell::planner_window::ClassPlannerWindow;

ClassPlannerWindow* FrontPlanner(const vantrell::shell::MainWindow& shell) {
    const QMdiSubWindow* active = shell.area()->activeSubWindow();
    return active == nullptr ? nullptr : active->findChild<ClassPlannerWindow*>();
}

// The training path opened, then a level pick and a slider step, so that the
// window's handlers and the path following them have run too.
void UseBriefly(ClassPlannerWindow& planner) {
    planner.dialogs().ShowTrainingPath();
    auto* level = planner.findChild<QComboBox*>("cboLevel");
    if (level != nullptr) QTest::keyClick(level, Qt::Key_Up);
    if (auto* slider = planner.findChild<QScrollBar*>()) {
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() - 4, slider->height() / 2));
    }
}

// Every class of every realm, chosen in the selector; returns the names of the planners that came forward.
std::set<std::string> OpenEveryClass(const vantrell::shell::MainWindow& shell) {
    std::set<std::string> opened;
    auto* realms = shell.findChild<QComboBox*>("cboRealm");
    auto* classes = shell.findChild<QListWidget*>("lstClasses");
    if (realms == nullptr || classes == nullptr) return opened;
    for (int realm = 0; realm < realms->count(); ++realm) {
        realms->setCurrentIndex(realm);
        emit realms->activated(realm);
        for (int row = 0; row < classes->count(); ++row) {
            QListWidgetItem* item = classes->item(row);
            classes->scrollToItem(item);
            QTest::mouseClick(classes->viewport(), Qt::LeftButton, {}, classes->visualItemRect(item).center());
            ClassPlannerWindow* planner = FrontPlanner(shell);
            if (planner == nullptr || planner->planner().definition().listName != item->text().toStdString()) {
                std::cerr << "leak check: choosing " << item->text().toStdString()
                          << " did not bring its planner forward\n";
                continue;
            }
            UseBriefly(*planner);
            opened.insert(item->text().toStdString());
        }
    }
    return opened;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Vantrell");
    QStandardPaths::setTestModeEnabled(true);
    vantrell::toolkit::ApplyLook(application);
    std::set<std::string> opened;
    {
        vantrell::shell::MainWindow shell;
        shell.show();
        QTimer::singleShot(0, &shell, [&] {
            opened = OpenEveryClass(shell);
            shell.ShowPlans();
            shell.close();
        });
        if (const int status = QApplication::exec(); status != 0) return status;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QWidgetList survivors = QApplication::allWidgets();
    for (const QWidget* widget : survivors) {
        if (widget->parentWidget() != nullptr) continue;
        std::cerr << "leak check: a " << widget->metaObject()->className() << " named \""
                  << widget->objectName().toStdString() << "\" outlived the main window, with "
                  << widget->findChildren<QWidget*>().size() << " widgets inside\n";
    }
    const std::size_t expected = vantrell::catalog::ClassCatalog::AllClasses().size();
    std::cout << "leak check: " << opened.size() << " of " << expected
              << " planner windows opened through the selector\n";
    return opened.size() == expected && survivors.isEmpty() ? 0 : 1;
}
