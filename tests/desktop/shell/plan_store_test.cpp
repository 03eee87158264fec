#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <set>
#include <variant>

#include "core/catalog/class_catalog.h"
#include "core/planner/session.h"
#include "desktop/shell/plan_store.h"

namespace vantrell::shell {
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
        return store.Change(planner::LibraryJournal::Saving(name, kHealerCode, priority));
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
    EXPECT_EQ(store->Change(planner::LibraryJournal::Renaming("First", "Renamed")), "");
    EXPECT_EQ(store->Change(planner::LibraryJournal::Deleting("Second")), "");
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

// A file system that refuses writes for a while, which a test running as root cannot get from permissions.
class RefusingStore : public PlanStore {
public:
    using PlanStore::PlanStore;
    bool refusing = true;

protected:
    bool Write() override { return !refusing && PlanStore::Write(); }
};

QByteArray Nested(int depth) { return QByteArray(depth, '[') + QByteArray(depth, ']'); }

TEST_F(PlanStoreTest, ADocumentTooDeepOrTooLargeIsSetAsideOnceAndTheProgramGoesOn) {
    const QByteArray entry = R"({"name":"x","code":"VT1:Healer:40:12.5.1","priority":[],"extra":)";
    const QByteArray head = R"({"format":"vantrell-plans","version":1,"plans":[)";
    const QString path = temporary.filePath("plans.json");
    std::vector<QByteArray> documents;
    for (const int depth : {65, 10'000, 100'000, 1'000'000}) {
        documents.push_back(head + entry + Nested(depth - 3) + "}]}");
        documents.push_back(head + Nested(depth - 2) + "]}");
        documents.push_back(Nested(depth));
    }
    for (const QByteArray& document : documents) {
        messages.clear();
        QDir(temporary.path()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(temporary.path()));
        WriteFile(path, document);
        planner::PlanLibrary library;
        auto store = Store(temporary.path(), library);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find("deeper than 64"), std::string::npos) << messages[0];
        const QStringList aside = QDir(temporary.path()).entryList({"plans.unreadable-*.json"}, QDir::Files);
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(Contents(temporary.filePath(aside[0])), document);
        EXPECT_EQ(Save(*store, "Fresh"), "");
        EXPECT_EQ(NamesOnDisk(path), std::set<std::string>{"Fresh"});
    }
    // A hundred megabytes are set aside without being read.
    QFile huge(path);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(qint64{100} << 20));
    huge.close();
    messages.clear();
    planner::PlanLibrary library;
    auto store = Store(temporary.path(), library);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("larger than 64 MB"), std::string::npos) << messages[0];
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PlanStoreTest, AFileThatCannotBeOpenedIsNamedAtStartAndNeverWrittenOver) {
    const QString path = temporary.filePath("plans.json");
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"a folder", [&] { ASSERT_TRUE(QDir().mkpath(path)); }},
        {"a link to a file that does not exist", [&] { ASSERT_TRUE(QFile::link(temporary.filePath("gone.json"), path)); }},
    };
    for (const auto& [why, make] : rows) {
        SCOPED_TRACE(why);
        messages.clear();
        QDir(temporary.path()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(temporary.path()));
        make();
        planner::PlanLibrary library;
        auto store = Store(temporary.path(), library);
        ASSERT_EQ(messages.size(), 1u) << "said at start";
        EXPECT_NE(messages[0].find(why), std::string::npos) << messages[0];
        EXPECT_NE(messages[0].find(QDir::toNativeSeparators(path).toStdString()), std::string::npos) << messages[0];
        EXPECT_EQ(Save(*store, "Kept here"), "");
        EXPECT_EQ(messages.size(), 1u) << "the folder is not said to be unwritable";
        EXPECT_EQ(library.plans().size(), 1u);
        EXPECT_FALSE(QFileInfo(path).isFile());
    }
}

TEST_F(PlanStoreTest, ChangesMadeWhileTheFileCannotBeWrittenAreMadeAgainOnItLater) {
    const QString path = temporary.filePath("plans.json");
    {
        planner::PlanLibrary first;
        auto writer = Store(temporary.path(), first);
        for (const char* name : {"Alpha", "Delta", "Echo"}) ASSERT_EQ(Save(*writer, name), "");
    }
    planner::PlanLibrary library;
    RefusingStore store(temporary.path(), library, [this](QWidget*, const toolkit::MessageRequest& request) {
        messages.push_back(request.text.toStdString());
    });
    EXPECT_EQ(store.Change(planner::LibraryJournal::Deleting("Delta")), "");
    EXPECT_EQ(store.Change(planner::LibraryJournal::Renaming("Echo", "Foxtrot")), "");
    EXPECT_EQ(Save(store, "Golf"), "");
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(NamesOnDisk(path), (std::set<std::string>{"Alpha", "Delta", "Echo"}));

    // Another program saves meanwhile; this one then takes the file back.
    {
        planner::PlanLibrary other;
        auto writer = Store(temporary.path(), other);
        ASSERT_EQ(Save(*writer, "Hotel"), "");
    }
    store.Reload();
    EXPECT_EQ(library.plans().size(), 4u) << "the plans here follow the file, with the changes made again";
    store.refusing = false;
    EXPECT_EQ(Save(store, "India"), "");
    EXPECT_EQ(NamesOnDisk(path), (std::set<std::string>{"Alpha", "Foxtrot", "Golf", "Hotel", "India"}));
}

}  // namespace
}  // namespace vantrell::shell
