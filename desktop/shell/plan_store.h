#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "core/planner/plan_library.h"
#include "desktop/toolkit/message_sink.h"

class QFileSystemWatcher;

namespace vantrell::app {

// Keeps a library of saved plans in a folder's plans.json. Every change is
// applied to what is on disk at that moment, under a lock, and written
// atomically, so programs running at once never lose each other's plans and a
// crash leaves either the old file or the new one.
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

    // Runs `change` on the library as it is on disk now and writes the result;
    // the change's own reason when it refuses, which then writes nothing.
    std::string Change(const std::function<std::string(planner::PlanLibrary&)>& change);
    // Takes what another program wrote.
    void Reload();

signals:
    // The library changed, here or in another program.
    void changed();

private:
    void ReadFromDisk();
    void TakeFromDiskKeeping();
    bool Write();
    void Watch();
    void Tell(const std::string& text);

    QString folder_;
    planner::PlanLibrary& library_;
    toolkit::MessageSink messages_;
    QFileSystemWatcher* watcher_ = nullptr;
    // Plans changed here that the file does not hold yet, because it could not be written.
    bool unwritten_ = false;
    // A file that is no library and could not be moved aside; it is never written over.
    bool unreadableLeft_ = false;
    bool toldUnwritable_ = false;
};

}  // namespace vantrell::app
