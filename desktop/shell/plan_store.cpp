#include "desktop/shell/plan_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <variant>

#include "core/texts/composed.h"
#include "core/texts/desktop_texts.h"
#include "core/texts/library_texts.h"
#include "desktop/shell/document_file.h"
#include "desktop/toolkit/qt_text.h"

namespace vantrell::shell {
namespace {

constexpr int kLockWaitMs = 10000;

}  // namespace

QString PlanStore::DefaultFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

PlanStore::PlanStore(QString folder, planner::PlanLibrary& library, toolkit::MessageSink messages, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), library_(library), messages_(std::move(messages)) {
    watcher_ = new QFileSystemWatcher(this);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &PlanStore::Reload);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &PlanStore::Reload);
    journal_.Rebase(library_, ReadFile());
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

// A missing file is an empty library; one that is no library is moved aside, and one
// that cannot be opened is left as it is; neither is ever written over.
planner::PlanLibrary PlanStore::ReadFile() {
    unreadableLeft_ = false;
    const DocumentFile file = ReadDocumentFile(filePath());
    switch (file.status) {
    case DocumentFile::Status::kMissing: return {};
    case DocumentFile::Status::kUnopenable:
        unreadableLeft_ = true;
        if (!toldUnwritable_) Tell(texts::library::UnopenableLibraryNote(file.fault));
        toldUnwritable_ = true;
        return {};
    case DocumentFile::Status::kTooLarge:
        SetAside(file.fault);
        return {};
    case DocumentFile::Status::kRead: break;
    }
    auto read = planner::PlanLibrary::Read(std::string_view(file.bytes.constData(), static_cast<std::size_t>(file.bytes.size())));
    if (auto* library = std::get_if<planner::PlanLibrary>(&read)) return std::move(*library);
    SetAside(std::get<std::string>(read));
    return {};
}

void PlanStore::SetAside(const std::string& reason) {
    const QString stamp = QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
    QString aside = QDir(folder_).filePath("plans.unreadable-" + stamp + ".json");
    for (int suffix = 2; QFile::exists(aside); ++suffix) {
        aside = QDir(folder_).filePath(QString("plans.unreadable-%1-%2.json").arg(stamp).arg(suffix));
    }
    // Left where it is, it must still not be overwritten: the plans made now wait in memory.
    unreadableLeft_ = !QFile::rename(filePath(), aside);
    Tell(texts::UnreadableLibraryNote(reason, QDir::toNativeSeparators(aside).toStdString()));
}

void PlanStore::Reload() {
    journal_.Rebase(library_, ReadFile());
    emit changed();
    Watch();
}

void PlanStore::Watch() {
    if (QDir(folder_).exists() && !watcher_->directories().contains(folder_)) watcher_->addPath(folder_);
    if (QFile::exists(filePath()) && !watcher_->files().contains(filePath())) watcher_->addPath(filePath());
}

std::string PlanStore::Change(const planner::LibraryJournal::Change& change) {
    const bool folderMade = QDir().mkpath(folder_);
    QLockFile lock(filePath() + ".lock");
    const bool locked = folderMade && lock.tryLock(kLockWaitMs);
    // Without the lock the file may be changing under us: the change is made in memory only, and kept.
    if (locked) journal_.Rebase(library_, ReadFile());
    std::string refused = journal_.Apply(library_, change);
    if (!refused.empty()) return refused;
    if (locked && !unreadableLeft_ && Write()) {
        journal_.Written(library_);
    } else if (!toldUnwritable_) {
        toldUnwritable_ = true;
        Tell(texts::UnwritableLibraryNote(QDir::toNativeSeparators(folder_).toStdString()));
    }
    Watch();
    emit changed();
    return {};
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

}  // namespace vantrell::shell
