#pragma once

#include <QList>
#include <QString>

#include "core/planner/planner.h"
#include "core/planner/session.h"
#include "desktop/toolkit/message_sink.h"

class QAction;
class QWidget;

namespace vantrell::planner_window {

// A planner window's plan as a picture, on the clipboard or in a file, and on
// paper or in a PDF with its training path. Every file is written whole or not at all.
class PlanExport {
public:
    PlanExport(QWidget& window, planner::Session& session, const planner::Planner& planner, toolkit::MessageSink messages);

    void CopyAsImage() const;
    void SaveAsImage() const;
    void Print() const;
    void ExportPdf() const;
    // What the two commands write once a file is chosen: an SVG for a name ending in .svg, else a PNG.
    void SaveImageTo(const QString& path) const;
    void ExportPdfTo(const QString& path) const;
    QList<QAction*> actions() const { return actions_; }

private:
    // The plan and its training path as the printed page shows them.
    QString PrintedHtml() const;

    QWidget& window_;
    planner::Session& session_;
    const planner::Planner& planner_;
    toolkit::MessageSink messages_;
    QList<QAction*> actions_;
};

}  // namespace vantrell::planner_window
