#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <set>
#include <variant>

#include "core/catalog/class_catalog.h"
#include "core/planner/session.h"
#include "desktop/shell/plan_store.h"

namespace vantrell::app {
namespace {

constexpr const char* kHealerCode = "VT1:Healer:50:10.1.1";

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

std::set<std::string> NamesOnDisk(const QString& path) {
    const QByteArray bytes = Contents(path);
    auto read = planner::PlanLibrary::Read(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    std::set<std::string> names;
    if (const auto* library = std::get_if<planner::PlanLibrary>(&read)) {
        for (const planner::SavedPlan& plan : library->plans()) names.insert(plan.name);
    } else {
        ADD_FAILURE() << path.toStdString() << " is no library: " << std::get<std::string>(read);
    }
    return names;
}

class PlanStoreTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QStandardPaths::setTestModeEnabled(true); }

    std::unique_ptr<PlanStore> Store(const QString& folder, planner::PlanLibrary& library) {
        return std::make_unique<PlanStore>(folder, library,
                                           [this](QWidget*, const toolkit::MessageRequest& request) {
                                               messages.push_back(request.text.toStdString());
                                           });
    }
    static std::string Save(PlanStore& store, const std::string& name) {
        std::vector<std::string> priority;
        for (const catalog::SpecLineDefinition& line : catalog::ClassCatalog::Find("Healer")->lines) {
            priority.emplace_back(line.stem);
        }
        return store.Change([&](planner::PlanLibrary& library) { return library.Save(name, kHealerCode, priority); });
    }
    static QProcess* Writer(const QString& folder, const QString& prefix, int count) {
        auto* process = new QProcess;
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(VANTRELL_PLAN_STORE_WRITER, {folder, prefix, QString::number(count)});
        return process;
    }

    QTemporaryDir temporary;
    std::vector<std::string> messages;
};

TEST_F(PlanStoreTest, AMissingFileIsAnEmptyLibraryAndEveryChangeIsOnDiskForTheNextProgram) {
    const QString folder = temporary.filePath("nested/app");
    planner::PlanLibrary library;
    auto store = Store(folder, library);
    EXPECT_TRUE(library.plans().empty());
    EXPECT_EQ(Save(*store, "First"), "");
    EXPECT_EQ(Save(*store, "Second"), "");
    EXPECT_EQ(store->Change([](planner::PlanLibrary& plans) { return plans.Rename("First", "Renamed"); }), "");
    EXPECT_EQ(store->Change([](planner::PlanLibrary& plans) { return plans.Delete("Second"); }), "");
    // A refused change writes nothing and says why.
    EXPECT_NE(Save(*store, "   "), "");
    EXPECT_EQ(NamesOnDisk(store->filePath()), std::set<std::string>{"Renamed"});

    planner::PlanLibrary again;
    auto next = Store(folder, again);
    ASSERT_EQ(again.plans().size(), 1u);
    EXPECT_EQ(again.plans()[0].name, "Renamed");
    EXPECT_TRUE(again.plans()[0].usable());
    EXPECT_TRUE(messages.empty());
}

TEST_F(PlanStoreTest, AFileThatIsNoLibraryIsMovedAsideUntouchedAndNeverOverwritten) {
    const QByteArray unreadable = "{\"plans\": [ this is not json";
    const QString path = temporary.filePath("plans.json");
    WriteFile(path, unreadable);
    planner::PlanLibrary library;
    auto store = Store(temporary.path(), library);
    EXPECT_TRUE(library.plans().empty());
    ASSERT_EQ(messages.size(), 1u);

    const QStringList aside = QDir(temporary.path()).entryList({"plans.unreadable-*.json"}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(QRegularExpression(R"(^plans\.unreadable-\d{8}-\d{6}\.json$)").match(aside[0]).hasMatch()) << aside[0].toStdString();
    EXPECT_NE(messages[0].find(aside[0].toStdString()), std::string::npos) << messages[0];
    EXPECT_EQ(Contents(temporary.filePath(aside[0])), unreadable);

    EXPECT_EQ(Save(*store, "Fresh"), "");
    EXPECT_EQ(Contents(temporary.filePath(aside[0])), unreadable);
    EXPECT_EQ(NamesOnDisk(path), std::set<std::string>{"Fresh"});
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(PlanStoreTest, AFolderThatCannotBeWrittenIsReportedOnceAndThePlansWaitInMemoryForTheNextChange) {
    // A folder under a regular file cannot be made, whoever runs the test.
    const QString blocker = temporary.filePath("blocker");
    WriteFile(blocker, "a file, not a folder");
    const QString folder = blocker + "/app";
    planner::PlanLibrary library;
    auto store = Store(folder, library);
    EXPECT_EQ(Save(*store, "One"), "");
    EXPECT_EQ(Save(*store, "Two"), "");
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(library.plans().size(), 2u);

    // Meanwhile another program can write there; what it saved is kept beside what waited here.
    ASSERT_TRUE(QFile::remove(blocker));
    planner::PlanLibrary others;
    auto other = Store(folder, others);
    EXPECT_EQ(Save(*other, "Elsewhere"), "");
    EXPECT_EQ(Save(*store, "Three"), "");
    EXPECT_EQ(NamesOnDisk(store->filePath()), (std::set<std::string>{"One", "Two", "Three", "Elsewhere"}));
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(PlanStoreTest, TwoProgramsSavingAtOnceKeepEachOthersPlans) {
    std::unique_ptr<QProcess> first(Writer(temporary.path(), "first ", 100));
    std::unique_ptr<QProcess> second(Writer(temporary.path(), "second ", 100));
    for (QProcess* process : {first.get(), second.get()}) {
        ASSERT_TRUE(process->waitForFinished(120000));
        EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process->exitCode(), 0);
    }
    const std::set<std::string> names = NamesOnDisk(temporary.filePath("plans.json"));
    EXPECT_EQ(names.size(), 200u);
    for (int index = 0; index < 100; ++index) {
        EXPECT_TRUE(names.contains("first " + std::to_string(index))) << index;
        EXPECT_TRUE(names.contains("second " + std::to_string(index))) << index;
    }
}

TEST_F(PlanStoreTest, AProgramKilledWhileSavingLeavesAWholeLibrary) {
    const QString path = temporary.filePath("plans.json");
    // A write that never commits leaves the file as it was.
    {
        planner::PlanLibrary library;
        auto store = Store(temporary.path(), library);
        ASSERT_EQ(Save(*store, "Kept"), "");
        QSaveFile interrupted(path);
        ASSERT_TRUE(interrupted.open(QIODevice::WriteOnly));
        interrupted.write("{\"half a");
    }
    EXPECT_EQ(NamesOnDisk(path), std::set<std::string>{"Kept"});

    // Killed at a different moment of its saves each time, the writer leaves the plans it finished and nothing torn.
    std::size_t previous = 1;
    for (int delayMs = 20; delayMs <= 200; delayMs += 30) {
        std::unique_ptr<QProcess> writer(Writer(temporary.path(), QString("run %1 ").arg(delayMs), 100000));
        ASSERT_TRUE(writer->waitForStarted());
        QThread::msleep(static_cast<unsigned long>(delayMs));
        writer->kill();
        writer->waitForFinished();
        const std::set<std::string> names = NamesOnDisk(path);
        EXPECT_TRUE(names.contains("Kept"));
        EXPECT_GE(names.size(), previous);
        previous = names.size();
        EXPECT_TRUE(QDir(temporary.path()).entryList({"plans.unreadable-*"}).isEmpty());
    }
}

}  // namespace
}  // namespace vantrell::app
