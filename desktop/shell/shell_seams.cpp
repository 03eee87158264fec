#include "desktop/shell/shell_seams.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

#include "core/texts/desktop_texts.h"
#include "desktop/shell/plan_draft_dialog.h"
#include "desktop/toolkit/qt_text.h"

namespace vantrell::shell {

ShellSeams DesktopSeams() {
    return {.messages = toolkit::ModalMessageBox(),
            .openLink =
                [](const QString& link) {
                    // Nothing is reported when no handler is registered.
                    QDesktopServices::openUrl(QUrl(link, QUrl::TolerantMode));
                },
            .askText = [](QWidget* parent, const QString& title, const QString& label,
                          const QString& proposal) -> std::optional<QString> {
                bool accepted = false;
                const QString text =
                    QInputDialog::getText(parent, title, label, QLineEdit::Normal, proposal, &accepted);
                if (!accepted) return std::nullopt;
                return text;
            },
            .askPlan = AskPlanDraft,
            .askNote = [](QWidget* parent, const QString& title, const QString& label,
                          const QString& proposal) -> std::optional<QString> {
                bool accepted = false;
                const QString text = QInputDialog::getMultiLineText(parent, title, label, proposal, &accepted);
                if (!accepted) return std::nullopt;
                return text;
            },
            .confirm =
                [](QWidget* parent, const QString& title, const QString& question) {
                    return QMessageBox::question(parent, title, question) == QMessageBox::Yes;
                },
            .chooseFile =
                [](QWidget* parent, const QString& title, bool forWriting) {
                    const QString filter = toolkit::ToQString(texts::desktop::kPlansFileFilter);
                    if (!forWriting) return QFileDialog::getOpenFileName(parent, title, {}, filter);
                    QFileDialog dialog(parent, title, {}, filter);
                    dialog.setAcceptMode(QFileDialog::AcceptSave);
                    dialog.setDefaultSuffix("json");
                    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
                },
            .plansFolder = {}};
}

}  // namespace vantrell::shell
