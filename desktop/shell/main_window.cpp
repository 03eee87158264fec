#include "desktop/shell/main_window.h"

#include <QEvent>
#include <QIcon>
#include <QMdiArea>

#include "desktop/planner_window/class_planner_window.h"
#include "desktop/shell/fixed_child_window.h"
#include "desktop/shell/identity.h"
#include "desktop/shell/intro_panel.h"
#include "desktop/shell/max_button.h"
#include "desktop/shell/selector_panel.h"
#include "desktop/shell/shell_geometry.h"
#include "desktop/toolkit/twips.h"

namespace vantrell::app {

MainWindow::MainWindow(ShellSeams seams, QWidget* parent) : QMainWindow(parent), seams_(std::move(seams)) {
    setObjectName("frmMDI");
    setWindowTitle(identity::kProgramName);
    setWindowIcon(QIcon(":/vantrell/vantrell.png"));
    area_ = new QMdiArea(this);
    area_->setObjectName("mdiClient");
    area_->setBackground(palette().button());
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCentralWidget(area_);
    const int dpi = logicalDpiY();
    resize(toolkit::TwipsToPixels(geometry::kInitialClientWidth, dpi),
           toolkit::TwipsToPixels(geometry::kInitialClientHeight, dpi));

    EnableMaxButton(this, false);

    auto* selector = new SelectorPanel;
    auto* selectorChild = new FixedChildWindow(selector, geometry::kSelector);
    area_->addSubWindow(selectorChild);
    selectorChild->show();
    connect(selector, &SelectorPanel::classChosen, this,
            [this](const catalog::ClassDefinition& definition) { OpenPlanner(definition); });
    connect(selector, &SelectorPanel::aboutRequested, this, &MainWindow::ShowAbout);

    auto* intro = new FixedChildWindow(new IntroPanel(seams_.openLink), geometry::kRightHand);
    area_->addSubWindow(intro);
    BringToFront(intro);
}

// The planner windows go before the session whose planners they show.
MainWindow::~MainWindow() { delete area_; }

FixedChildWindow* MainWindow::OpenPlanner(const catalog::ClassDefinition& definition) {
    FixedChildWindow*& child = planners_[definition.listName];
    if (child == nullptr) {
        auto* planner = new window::ClassPlannerWindow(session_, definition, seams_.messages);
        planner->SetPlannerOpener([this](const catalog::ClassDefinition& other) {
            return qobject_cast<window::ClassPlannerWindow*>(OpenPlanner(other)->content());
        });
        child = new FixedChildWindow(planner, geometry::kRightHand);
        area_->addSubWindow(child);
    }
    child->Place(geometry::kRightHand);
    BringToFront(child);
    return child;
}

void MainWindow::BringToFront(FixedChildWindow* child) {
    child->show();
    child->raise();
    area_->setActiveSubWindow(child);
}

void MainWindow::ShowAbout() {
    seams_.messages(this, {identity::kAboutTitle, identity::kAboutText, toolkit::MessageIcon::Information});
}

// The outer size is fixed; the frame the desktop adds is known only once shown.
void MainWindow::HoldFixedSize() {
    const int dpi = logicalDpiY();
    const QSize outer(toolkit::TwipsToPixels(geometry::kFixedOuterWidth, dpi),
                      toolkit::TwipsToPixels(geometry::kFixedOuterHeight, dpi));
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize client = outer - frame;
    if (minimumSize() != client || maximumSize() != client) setFixedSize(client);
    if (size() != client) resize(client);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    HoldFixedSize();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isVisible()) HoldFixedSize();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isVisible()) {
        if (windowState() & Qt::WindowMaximized) setWindowState(windowState() & ~Qt::WindowMaximized);
        HoldFixedSize();
    }
}

}  // namespace vantrell::app
