#include "desktop/shell/plan_draft_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/texts/desktop_texts.h"
#include "desktop/toolkit/qt_text.h"

namespace vantrell::shell {

std::optional<PlanDraft> AskPlanDraft(QWidget* parent, const QString& title, const PlanDraft& proposal) {
    QDialog dialog(parent);
    dialog.setObjectName("dlgSavePlan");
    dialog.setWindowTitle(title);
    auto* name = new QLineEdit(proposal.name);
    name->setObjectName("txtPlanName");
    name->selectAll();
    auto* note = new QPlainTextEdit(proposal.note);
    note->setObjectName("txtPlanNote");
    // Tab moves on to the buttons: a note is prose, not a table.
    note->setTabChangesFocus(true);
    note->setMinimumSize(360, 96);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(toolkit::ToQString(texts::desktop::kPlanName), name);
    form->addRow(toolkit::ToQString(texts::desktop::kPlanNote), note);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return PlanDraft{.name = name->text(), .note = note->toPlainText()};
}

}  // namespace vantrell::shell
