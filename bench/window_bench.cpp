// Opening planner windows the way a user does: pick a realm in the selector,
// click a class, and wait until the new window has been painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "bench/run_benchmarks.h"
#include "core/catalog/class_catalog.h"
#include "core/planner/plan_library.h"
#include "desktop/planner_window/class_planner_window.h"
#include "desktop/shell/fixed_child_window.h"
#include "desktop/shell/main_window.h"
#include "desktop/shell/plan_store.h"
#include "desktop/shell/plans_dialog.h"
#include "desktop/toolkit/look.h"

namespace {

using vantrell::shell::FixedChildWindow;
using vantrell::shell::MainWindow;
using vantrell::catalog::ClassCatalog;
using vantrell::catalog::ClassDefinition;
using vantrell::catalog::Realm;
using Clock = std::chrono::steady_clock;

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

class Shell {
public:
    Shell() : window_(std::make_unique<MainWindow>()) {
        window_->show();
        QApplication::processEvents();
        realms_ = window_->findChild<QComboBox*>("cboRealm");
        classes_ = window_->findChild<QListWidget*>("lstClasses");
    }

    bool Ready() const { return realms_ != nullptr && classes_ != nullptr; }

    void ChooseRealm(Realm realm) {
        const int index = realms_->findText(Text(vantrell::catalog::RealmName(realm)));
        realms_->setCurrentIndex(index);
        emit realms_->activated(index);
        QApplication::processEvents();
    }

    // Scrolls the entry into view, as a user would before clicking it.
    QPoint EntryOf(const ClassDefinition& definition) const {
        const auto items = classes_->findItems(Text(definition.listName), Qt::MatchExactly);
        if (items.size() != 1) return {-1, -1};
        classes_->scrollToItem(items[0]);
        return classes_->visualItemRect(items[0]).center();
    }

    // Clicks the entry and lets the window that comes forward paint.
    void Click(QPoint entry) {
        QTest::mouseClick(classes_->viewport(), Qt::LeftButton, {}, entry);
        QApplication::processEvents();
    }

    bool InFront(const ClassDefinition& definition) const {
        auto* front = qobject_cast<FixedChildWindow*>(window_->area()->activeSubWindow());
        if (front == nullptr) return false;
        auto* planner = qobject_cast<vantrell::planner_window::ClassPlannerWindow*>(front->content());
        return planner != nullptr && &planner->planner().definition() == &definition && planner->isVisible();
    }

private:
    std::unique_ptr<MainWindow> window_;
    QComboBox* realms_ = nullptr;
    QListWidget* classes_ = nullptr;
};

std::string Fault(const ClassDefinition& definition) {
    return "clicking " + std::string(definition.listName) + " did not bring its planner window to the front";
}

// A fresh main window each time: a window is built only on its class's first click.
void OpenPlannerWindow(benchmark::State& state, const ClassDefinition* definition) {
    for (auto _ : state) {
        Shell shell;
        if (!shell.Ready()) {
            state.SkipWithError("the selector's realm box or class list is missing");
            break;
        }
        shell.ChooseRealm(definition->realm);
        const QPoint entry = shell.EntryOf(*definition);
        const auto start = Clock::now();
        shell.Click(entry);
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (!shell.InFront(*definition)) {
            state.SkipWithError(Fault(*definition).c_str());
            break;
        }
    }
}

void OpenAllPlannerWindows(benchmark::State& state) {
    std::size_t opened = 0;
    double allSeconds = 0;
    for (auto _ : state) {
        Shell shell;
        if (!shell.Ready()) {
            state.SkipWithError("the selector's realm box or class list is missing");
            break;
        }
        double seconds = 0;
        opened = 0;
        for (Realm realm : vantrell::catalog::kRealms) {
            auto start = Clock::now();
            shell.ChooseRealm(realm);
            seconds += std::chrono::duration<double>(Clock::now() - start).count();
            for (const ClassDefinition* definition : ClassCatalog::ClassesOf(realm)) {
                const QPoint entry = shell.EntryOf(*definition);
                start = Clock::now();
                shell.Click(entry);
                seconds += std::chrono::duration<double>(Clock::now() - start).count();
                if (!shell.InFront(*definition)) {
                    state.SkipWithError(Fault(*definition).c_str());
                    return;
                }
                ++opened;
            }
        }
        state.SetIterationTime(seconds);
        allSeconds += seconds;
    }
    if (opened == 0) return;
    state.counters["windows"] = static_cast<double>(opened);
    state.counters["per_window_ms"] =
        benchmark::Counter(allSeconds * 1e3 / static_cast<double>(opened), benchmark::Counter::kAvgIterations);
}

// The Plans dialog opened on a library of a thousand plans, until it has painted.
void OpenPlansDialog(benchmark::State& state) {
    QTemporaryDir folder;
    vantrell::planner::PlanLibrary library;
    const std::vector<std::string> priority = {"Mending", "Augmentation", "Pacification"};
    for (int plan = 0; plan < 1000; ++plan) {
        library.Save("Plan " + std::to_string(plan), "VT1:Healer:" + std::to_string(6 + plan % 45) + ":5.1.1",
                     priority);
    }
    QFile file(QDir(folder.path()).filePath("plans.json"));
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray::fromStdString(library.Write())) < 0) {
        state.SkipWithError("the library could not be written");
        return;
    }
    file.close();
    vantrell::planner::PlanLibrary kept;
    vantrell::shell::PlanStore store(folder.path(), kept, vantrell::toolkit::MessageSink{});
    vantrell::shell::ShellSeams seams{.messages = {}, .openLink = {}};
    for (auto _ : state) {
        const auto start = Clock::now();
        vantrell::shell::PlansDialog dialog(store, seams, [](const vantrell::planner::SavedPlan&) {});
        dialog.show();
        QApplication::processEvents();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        if (dialog.list()->topLevelItemCount() != 1000) {
            state.SkipWithError("the dialog does not list the thousand plans");
            break;
        }
    }
}

// Saving one plan into a library file of a thousand: locked, read again, written atomically.
void SaveIntoStore(benchmark::State& state) {
    QTemporaryDir folder;
    vantrell::planner::PlanLibrary kept;
    vantrell::shell::PlanStore store(folder.path(), kept, vantrell::toolkit::MessageSink{});
    const std::vector<std::string> priority = {"Mending", "Augmentation", "Pacification"};
    store.Change([&](vantrell::planner::PlanLibrary& library) {
        for (int plan = 0; plan < 1000; ++plan)
            library.Save("Plan " + std::to_string(plan), "VT1:Healer:50:5.1.1", priority);
        return std::string();
    });
    int level = 6;
    for (auto _ : state) {
        const std::string code = "VT1:Healer:" + std::to_string(level) + ":5.1.1";
        level = level == 50 ? 6 : level + 1;
        const std::string fault = store.Change(
            [&](vantrell::planner::PlanLibrary& library) { return library.Save("Plan 500", code, priority); });
        if (!fault.empty() || kept.plans().size() != 1000) {
            state.SkipWithError("the plan was not saved into the file");
            break;
        }
    }
}

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says this for every window shown; a run shows hundreds.
void DropSizeHintNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints"))) return;
    defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(DropSizeHintNotices);
    QApplication application(argc, argv);
    QApplication::setApplicationName("Vantrell");
    vantrell::toolkit::ApplyLook(application);

    for (const ClassDefinition* definition : ClassCatalog::AllClasses()) {
        benchmark::RegisterBenchmark(("OpenPlannerWindow/" + std::string(definition->listName)).c_str(),
                                     OpenPlannerWindow, definition)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10)
            ->Repetitions(3)
            ->ReportAggregatesOnly(true);
    }
    benchmark::RegisterBenchmark("OpenAllPlannerWindows", OpenAllPlannerWindows)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);

    benchmark::RegisterBenchmark("OpenPlansDialogWith1000Plans", OpenPlansDialog)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(10)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);

    benchmark::RegisterBenchmark("SaveIntoPlansFileOf1000", SaveIntoStore)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);

    return vantrell::bench::RunBenchmarks(argc, argv);
}
