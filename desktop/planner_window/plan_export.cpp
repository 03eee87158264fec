#include "desktop/planner_window/plan_export.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>
#include <filesystem>

#include "core/planner/plan_formats.h"
#include "core/texts/captions.h"
#include "desktop/planner_window/copy_formats.h"
#include "desktop/toolkit/qt_text.h"
#include "desktop/toolkit/window_action.h"

namespace vantrell::planner_window {
namespace {

namespace captions = texts::captions;

// Letter where the user's locale prints on it, A4 everywhere else.
QPageSize PaperOfLocale() {
    const QLocale::Territory territory = QLocale().territory();
    const bool letter = territory == QLocale::UnitedStates || territory == QLocale::Canada || territory == QLocale::Mexico;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

}  // namespace

PlanExport::PlanExport(QWidget& window, planner::Session& session, const planner::Planner& planner,
                       toolkit::MessageSink messages)
    : window_(window), session_(session), planner_(planner), messages_(std::move(messages)) {
    const auto add = [&](std::string_view text, const QKeySequence& keys, void (PlanExport::*command)() const) {
        QAction* action = toolkit::AddWindowAction(window, text, keys);
        QObject::connect(action, &QAction::triggered, &window, [this, command] { (this->*command)(); });
        actions_.append(action);
    };
    add(captions::kCopyAsImage, {}, &PlanExport::CopyAsImage);
    add(captions::kSaveAsImage, {}, &PlanExport::SaveAsImage);
    add(captions::kPrint, QKeySequence::Print, &PlanExport::Print);
    add(captions::kExportPdf, {}, &PlanExport::ExportPdf);
}

void PlanExport::CopyAsImage() const {
    QGuiApplication::clipboard()->setImage(ImageOf(*planner::PlanInFormat(planner_, "svg", session_.NoteOf(planner_))));
}

void PlanExport::SaveAsImage() const {
    const QString path = QFileDialog::getSaveFileName(&window_, toolkit::ToQString(captions::kSaveAsImage), {},
                                                      toolkit::ToQString(captions::kImageFiles));
    if (!path.isEmpty()) SaveImageTo(path);
}

void PlanExport::SaveImageTo(const QString& path) const {
    const std::string svg = *planner::PlanInFormat(planner_, "svg", session_.NoteOf(planner_));
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written && path.endsWith(".svg", Qt::CaseInsensitive)) {
        written = file.write(svg.data(), static_cast<qint64>(svg.size())) == static_cast<qint64>(svg.size());
    } else if (written) {
        written = ImageOf(svg).save(&file, "PNG");
    }
    if (!(written && file.commit())) {
        messages_(&window_, {toolkit::ToQString(captions::kSaveAsImage),
                             toolkit::ToQString(captions::kCouldNotSave) + file.errorString(), toolkit::MessageIcon::None});
    }
}

QString PlanExport::PrintedHtml() const {
    const auto priority = session_.PriorityOf(planner_.definition());
    return QString::fromStdString(*planner::PlanInFormat(planner_, "html", session_.NoteOf(planner_)) + "<br>" +
                                  *planner::PathInFormat(planner_, priority, "html"));
}

void PlanExport::Print() const {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(PaperOfLocale());
    QPrintDialog dialog(&printer, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    QTextDocument document;
    document.setHtml(PrintedHtml());
    document.print(&printer);
}

void PlanExport::ExportPdf() const {
    const QString path = QFileDialog::getSaveFileName(&window_, toolkit::ToQString(captions::kExportPdf), {},
                                                      toolkit::ToQString(captions::kPdfFiles));
    if (!path.isEmpty()) ExportPdfTo(path);
}

void PlanExport::ExportPdfTo(const QString& path) const {
    // Printed beside the file and put in its place once whole: a failed export leaves the old file as it was.
    const QString part = path + ".part";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(PaperOfLocale());
    printer.setOutputFileName(part);
    QTextDocument document;
    document.setHtml(PrintedHtml());
    document.print(&printer);
    std::error_code failed;
    std::filesystem::rename(part.toStdString(), path.toStdString(), failed);
    if (failed) {
        std::filesystem::remove(part.toStdString(), failed);
        messages_(&window_, {toolkit::ToQString(captions::kExportPdf),
                             toolkit::ToQString(captions::kCouldNotSave) + path, toolkit::MessageIcon::None});
    }
}

}  // namespace vantrell::planner_window
