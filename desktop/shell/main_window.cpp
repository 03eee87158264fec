#include "desktop/shell/main_window.h"

#include <QEvent>
#include <QIcon>
#include <QMdiArea>
#include <QTimer>

#include "core/planner/plan_code.h"
#include "core/planner/planner_view.h"
#include "core/texts/composed.h"
#include "core/texts/desktop_texts.h"
#include "desktop/planner_window/class_planner_window.h"
#include "desktop/shell/fixed_child_window.h"
#include "desktop/shell/identity.h"
#include "desktop/shell/intro_panel.h"
#include "desktop/shell/max_button.h"
#include "desktop/shell/plan_store.h"
#include "desktop/shell/plans_dialog.h"
#include "desktop/shell/shell_seams.h"
#include "desktop/shell/selector_panel.h"
#include "desktop/shell/shell_geometry.h"
#include "desktop/toolkit/qt_text.h"
#include "desktop/toolkit/twips.h"

namespace vantrell::shell {

MainWindow::MainWindow(ShellSeams seams, QWidget* parent) : QMainWindow(parent), seams_(std::move(seams)) {
    setObjectName("frmMDI");
    setWindowTitle(identity::ProgramName());
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
    // What the store has to say at start is said once the window is up, not before it shows.
    store_ = std::make_unique<PlanStore>(
        seams_.plansFolder.isEmpty() ? PlanStore::DefaultFolder() : seams_.plansFolder, session_.library(),
        [this](QWidget*, const toolkit::MessageRequest& request) {
            QTimer::singleShot(0, this, [this, request] { seams_.messages(this, request); });
        });

    selector_ = new SelectorPanel;
    auto* selectorChild = new FixedChildWindow(selector_, geometry::kSelector);
    area_->addSubWindow(selectorChild);
    selectorChild->show();
    connect(selector_, &SelectorPanel::classChosen, this,
            [this](const catalog::ClassDefinition& definition) { OpenPlanner(definition); });
    connect(selector_, &SelectorPanel::aboutRequested, this, &MainWindow::ShowAbout);
    connect(selector_, &SelectorPanel::languageChosen, this, &MainWindow::languageChosen);

    auto* intro = new FixedChildWindow(new IntroPanel(seams_.openLink), geometry::kRightHand);
    area_->addSubWindow(intro);
    BringToFront(intro);
}

// The planner windows and the saved plans' dialog go before the session whose planners and plans they show.
MainWindow::~MainWindow() {
    delete plansDialog_;
    delete area_;
}

FixedChildWindow* MainWindow::OpenPlanner(const catalog::ClassDefinition& definition) {
    FixedChildWindow*& child = planners_[definition.listName];
    if (child == nullptr) {
        auto* planner = new planner_window::ClassPlannerWindow(session_, definition, seams_.messages);
        planner->sharing().SetPlannerOpener([this](const catalog::ClassDefinition& other) {
            return qobject_cast<planner_window::ClassPlannerWindow*>(OpenPlanner(other)->content());
        });
        planner->savedPlans().SetCommands({.savePlan = [this](planner_window::ClassPlannerWindow& window) { SavePlan(window); },
                                     .showPlans = [this] { ShowPlans(); }});
        child = new FixedChildWindow(planner, geometry::kRightHand);
        area_->addSubWindow(child);
    }
    child->Place(geometry::kRightHand);
    BringToFront(child);
    // A planner opened by a pasted code or a saved plan is shown in the selector as one picked there.
    selector_->Show(definition);
    return child;
}

void MainWindow::SavePlan(planner_window::ClassPlannerWindow& window) {
    if (!seams_.askPlan) return;
    const QString title = toolkit::ToQString(texts::desktop::kSavePlanTitle);
    const catalog::ClassDefinition& definition = window.planner().definition();
    PlanDraft proposal{.name = QString::fromStdString(texts::ProposedPlanName(
                           definition.listName, planner::ViewOf(window.planner()).characterLevel)),
                       .note = QString::fromStdString(session_.ProposedNote(window.planner()))};
    for (;;) {
        const auto asked = seams_.askPlan(&window, title, proposal);
        if (!asked) return;
        proposal = *asked;
        const std::string name = asked->name.toStdString();
        const std::string note = asked->note.toStdString();
        std::string fault = planner::PlanLibrary::NameFault(name);
        if (fault.empty()) fault = planner::PlanLibrary::NoteFault(note);
        if (!fault.empty()) {
            seams_.messages(&window, {title, QString::fromStdString(fault), toolkit::MessageIcon::None});
            continue;
        }
        if (const planner::SavedPlan* existing = store_->library().Find(planner::PlanLibrary::TrimmedName(name))) {
            const QString question = QString::fromStdString(texts::ReplacePlanQuestion(existing->name));
            if (!seams_.confirm || !seams_.confirm(&window, title, question)) continue;
        }
        // The plan saved is this window's, whichever planner the session had in front.
        session_.Open(definition);
        fault = store_->Change(session_.SavingCurrentAsDrafted(name, note));
        if (!fault.empty()) seams_.messages(&window, {title, QString::fromStdString(fault), toolkit::MessageIcon::None});
        return;
    }
}

PlansDialog* MainWindow::ShowPlans() {
    if (plansDialog_ == nullptr) {
        plansDialog_ = new PlansDialog(*store_, seams_,
                                       [this](const planner::SavedPlan& plan) { OpenSavedPlan(plan); }, this);
    }
    plansDialog_->show();
    plansDialog_->raise();
    plansDialog_->activateWindow();
    return plansDialog_;
}

void MainWindow::OpenSavedPlan(const planner::SavedPlan& plan) {
    if (plan.definition == nullptr) return;
    auto* window = qobject_cast<planner_window::ClassPlannerWindow*>(OpenPlanner(*plan.definition)->content());
    const std::string lowered = planner::DescribeLoweredLines(window->savedPlans().Load(plan));
    if (!lowered.empty()) {
        seams_.messages(window, {toolkit::ToQString(texts::desktop::kPlansTitle), QString::fromStdString(lowered),
                                 toolkit::MessageIcon::None});
    }
}

void MainWindow::BringToFront(FixedChildWindow* child) {
    child->show();
    child->raise();
    area_->setActiveSubWindow(child);
}

void MainWindow::ShowAbout() {
    seams_.messages(this, {identity::AboutTitle(), identity::AboutText(), toolkit::MessageIcon::Information});
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

}  // namespace vantrell::shell
