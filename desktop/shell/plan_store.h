#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "core/planner/library_journal.h"
#include "core/planner/plan_library.h"
#include "desktop/toolkit/message_sink.h"

class QFileSystemWatcher;

namespace vantrell::shell {

// Keeps a library of saved plans in a folder's plans.json. Every change is
// made on what is on disk at that moment, under a lock, and written
// atomically, so programs running at once never lose each other's plans and a
// crash leaves either the old file or the new one. Changes the file cannot
// take yet are kept as actions and made again on it once it can.
class PlanStore : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlanStore)

public:
    // Where the program keeps its plans.
    static QString DefaultFolder();

    // Reads the folder's library into `library`, which must outlive the store.
    PlanStore(QString folder, planner::PlanLibrary& library, toolkit::MessageSink messages,
              QObject* parent = nullptr);
    ~PlanStore() override;

    QString filePath() const;
    const planner::PlanLibrary& library() const { return library_; }

    // Makes `change` on the library as it is on disk now and writes the result;
    // the change's own reason when it refuses, which then writes nothing.
    std::string Change(const planner::LibraryJournal::Change& change);
    // Takes what another program wrote.
    void Reload();

signals:
    // The library changed, here or in another program.
    void changed();

protected:
    // Writes the library atomically; whether the file now holds it.
    virtual bool Write();

private:
    // What the file holds now; an empty library when there is none or it cannot be read.
    planner::PlanLibrary ReadFile();
    void SetAside(const std::string& reason);
    void Watch();
    void Tell(const std::string& text);

    QString folder_;
    planner::PlanLibrary& library_;
    toolkit::MessageSink messages_;
    QFileSystemWatcher* watcher_ = nullptr;
    planner::LibraryJournal journal_;
    // A file that is no library and could not be moved aside, or could not be
    // opened at all; it is never written over.
    bool unreadableLeft_ = false;
    bool toldUnwritable_ = false;
};

}  // namespace vantrell::shell
