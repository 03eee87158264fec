#include "desktop/shell/plan_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <variant>

#include "core/texts/composed.h"
#include "core/texts/desktop_texts.h"
#include "desktop/toolkit/qt_text.h"

namespace vantrell::app {
namespace {

constexpr int kLockWaitMs = 10000;

}  // namespace

QString PlanStore::DefaultFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

PlanStore::PlanStore(QString folder, planner::PlanLibrary& library, toolkit::MessageSink messages, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), library_(library), messages_(std::move(messages)) {
    watcher_ = new QFileSystemWatcher(this);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &PlanStore::Reload);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &PlanStore::Reload);
    ReadFromDisk();
    Watch();
}

PlanStore::~PlanStore() = default;

QString PlanStore::filePath() const { return QDir(folder_).filePath("plans.json"); }

void PlanStore::Tell(const std::string& text) {
    if (messages_) {
        messages_(nullptr, {toolkit::ToQString(texts::desktop::kPlansTitle), QString::fromStdString(text),
                            toolkit::MessageIcon::None});
    }
}

// A missing file is an empty library; one that is no library is moved aside, never overwritten.
void PlanStore::ReadFromDisk() {
    QFile file(filePath());
    unreadableLeft_ = false;
    if (!file.exists()) {
        library_ = planner::PlanLibrary();
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        unreadableLeft_ = true;
        return;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    auto read = planner::PlanLibrary::Read(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (auto* library = std::get_if<planner::PlanLibrary>(&read)) {
        library_ = std::move(*library);
        return;
    }
    const QString stamp = QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
    QString aside = QDir(folder_).filePath("plans.unreadable-" + stamp + ".json");
    for (int suffix = 2; QFile::exists(aside); ++suffix) {
        aside = QDir(folder_).filePath(QString("plans.unreadable-%1-%2.json").arg(stamp).arg(suffix));
    }
    // Left where it is, it must still not be overwritten: the plans made now wait in memory.
    unreadableLeft_ = !QFile::rename(filePath(), aside);
    library_ = planner::PlanLibrary();
    Tell(texts::UnreadableLibraryNote(std::get<std::string>(read), QDir::toNativeSeparators(aside).toStdString()));
}

void PlanStore::Reload() {
    if (!unwritten_) {
        ReadFromDisk();
        emit changed();
    }
    Watch();
}

void PlanStore::Watch() {
    if (QDir(folder_).exists() && !watcher_->directories().contains(folder_)) watcher_->addPath(folder_);
    if (QFile::exists(filePath()) && !watcher_->files().contains(filePath())) watcher_->addPath(filePath());
}

std::string PlanStore::Change(const std::function<std::string(planner::PlanLibrary&)>& change) {
    const bool folderMade = QDir().mkpath(folder_);
    QLockFile lock(filePath() + ".lock");
    const bool locked = folderMade && lock.tryLock(kLockWaitMs);
    // Without the lock the file may be changing under us: the change is made in memory only.
    if (locked && !unwritten_) ReadFromDisk();
    if (locked && unwritten_) TakeFromDiskKeeping();
    std::string refused = change(library_);
    if (!refused.empty()) return refused;
    if (locked && !unreadableLeft_ && Write()) {
        unwritten_ = false;
    } else {
        unwritten_ = true;
        if (!toldUnwritable_) {
            toldUnwritable_ = true;
            Tell(texts::UnwritableLibraryNote(QDir::toNativeSeparators(folder_).toStdString()));
        }
    }
    Watch();
    emit changed();
    return {};
}

// What other programs saved while this one could not write joins the plans
// waiting here; a name on both sides keeps the other program's plan, which may be newer.
void PlanStore::TakeFromDiskKeeping() {
    const planner::PlanLibrary waiting = library_;
    ReadFromDisk();
    if (unreadableLeft_) {
        library_ = waiting;
        return;
    }
    for (const planner::SavedPlan& plan : waiting.plans()) {
        if (library_.Find(plan.name) == nullptr) library_.Save(plan.name, plan.code, plan.priority);
    }
}

bool PlanStore::Write() {
    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly)) return false;
    const std::string document = library_.Write();
    if (file.write(document.data(), static_cast<qint64>(document.size())) != static_cast<qint64>(document.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace vantrell::app
