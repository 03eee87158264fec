#include "desktop/shell/plans_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QSaveFile>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <variant>

#include "core/texts/composed.h"
#include "core/texts/desktop_texts.h"
#include "core/texts/library_texts.h"
#include "core/texts/unicode.h"
#include "desktop/shell/document_file.h"
#include "desktop/shell/plan_store.h"
#include "desktop/toolkit/qt_text.h"

namespace vantrell::shell {
namespace {

using toolkit::ToQString;

enum Column { kName, kClass, kLevel, kNote };

QString Title() { return ToQString(texts::desktop::kPlansTitle); }
// The most a name's column takes: a long name is elided, and the class, level and note stay in view.
constexpr int kWidestNameColumn = 240;

// Names sort as a reader expects: case aside, and "Plan 9" before "Plan 10".
class PlanRow : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : kName;
        if (column != kName && column != kClass && column != kNote) return QTreeWidgetItem::operator<(other);
        return texts::SortsBefore(text(column).toStdString(), other.text(column).toStdString());
    }
};

QPushButton* AddButton(QBoxLayout* layout, std::string_view text, const char* name) {
    auto* button = new QPushButton(ToQString(text));
    button->setObjectName(name);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

}  // namespace

PlansDialog::PlansDialog(PlanStore& store, ShellSeams seams, PlanOpener opener, QWidget* parent)
    : QDialog(parent), store_(store), seams_(std::move(seams)), opener_(std::move(opener)) {
    setObjectName("dlgPlans");
    setWindowTitle(Title());

    list_ = new QTreeWidget(this);
    list_->setObjectName("tvwPlans");
    list_->setAccessibleName(Title());
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setHeaderLabels({ToQString(texts::desktop::kPlanColumn), ToQString(texts::desktop::kClassColumn),
                            ToQString(texts::desktop::kLevelColumn), ToQString(texts::desktop::kNoteColumn)});
    // F2 renames through the library, which checks the new name, not in place.
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSortingEnabled(true);
    list_->sortByColumn(kName, Qt::AscendingOrder);
    list_->setMinimumSize(560, 260);

    auto* buttons = new QVBoxLayout;
    open_ = AddButton(buttons, texts::desktop::kOpenPlan, "cmdOpen");
    // Enter opens the selected plan: the list passes it on to the dialog's default button.
    open_->setDefault(true);
    rename_ = AddButton(buttons, texts::desktop::kRenamePlan, "cmdRename");
    delete_ = AddButton(buttons, texts::desktop::kDeletePlan, "cmdDelete");
    editNote_ = AddButton(buttons, texts::desktop::kEditNote, "cmdEditNote");
    buttons->addSpacing(12);
    QPushButton* import = AddButton(buttons, texts::desktop::kImportPlans, "cmdImport");
    QPushButton* exportButton = AddButton(buttons, texts::desktop::kExportPlans, "cmdExport");
    buttons->addStretch();
    QPushButton* close = AddButton(buttons, texts::desktop::kClose, "cmdClose");

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    // F2 and Del act on the selected row, so they are the list's own keys, which it would otherwise keep for editing.
    list_->installEventFilter(this);

    connect(open_, &QPushButton::clicked, this, &PlansDialog::OpenSelected);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &PlansDialog::OpenSelected);
    connect(rename_, &QPushButton::clicked, this, &PlansDialog::RenameSelected);
    connect(delete_, &QPushButton::clicked, this, &PlansDialog::DeleteSelected);
    connect(editNote_, &QPushButton::clicked, this, &PlansDialog::EditSelectedNote);
    connect(import, &QPushButton::clicked, this, &PlansDialog::ImportFile);
    connect(exportButton, &QPushButton::clicked, this, &PlansDialog::ExportFile);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(list_, &QTreeWidget::currentItemChanged, this, &PlansDialog::UpdateButtons);
    connect(&store_, &PlanStore::changed, this, &PlansDialog::Refresh);
    Refresh();
}

PlansDialog::~PlansDialog() = default;

bool PlansDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F2) {
            RenameSelected();
            return true;
        }
        if (key->matches(QKeySequence::Delete)) {
            DeleteSelected();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PlansDialog::Say(const std::string& text) {
    if (seams_.messages) seams_.messages(this, {Title(), QString::fromStdString(text), toolkit::MessageIcon::None});
}

// Rebuilt from the library, keeping the selected plan selected.
void PlansDialog::Refresh() {
    const std::string selected = SelectedName();
    list_->setSortingEnabled(false);
    list_->clear();
    for (const planner::SavedPlan& plan : store_.library().plans()) {
        auto* item = new PlanRow(list_);
        item->setText(kName, QString::fromStdString(plan.name));
        item->setData(kName, Qt::UserRole, QString::fromStdString(plan.name));
        item->setToolTip(kName, QString::fromStdString(plan.name));
        item->setText(kClass, plan.definition != nullptr ? ToQString(plan.definition->listName)
                                                         : ToQString(texts::desktop::kUnknownClass));
        if (plan.characterLevel) item->setData(kLevel, Qt::DisplayRole, *plan.characterLevel);
        item->setTextAlignment(kLevel, Qt::AlignRight | Qt::AlignVCenter);
        ShowNote(*item, plan);
        if (plan.name == selected) list_->setCurrentItem(item);
    }
    list_->setSortingEnabled(true);
    for (int column = kName; column < kNote; ++column) list_->resizeColumnToContents(column);
    list_->setColumnWidth(kName, std::min(list_->columnWidth(kName), kWidestNameColumn));
    if (list_->currentItem() == nullptr && list_->topLevelItemCount() > 0) {
        list_->setCurrentItem(list_->topLevelItem(0));
    }
    UpdateButtons();
}

// The column says first why a plan cannot be opened, else the first line of the
// user's note; its tip holds both in full.
void PlansDialog::ShowNote(QTreeWidgetItem& item, const planner::SavedPlan& plan) const {
    const QString note = QString::fromStdString(plan.note);
    const QString fault = QString::fromStdString(plan.fault);
    item.setText(kNote, plan.usable() ? note.section('\n', 0, 0) : fault);
    const QString whole = fault.isEmpty() || note.isEmpty() ? fault + note : fault + "\n\n" + note;
    // On hover, and read out in full when the keyboard reaches the row.
    item.setToolTip(kNote, whole);
    item.setData(kNote, Qt::AccessibleDescriptionRole, whole);
    if (plan.usable()) return;
    for (int column = kName; column <= kNote; ++column) item.setForeground(column, palette().placeholderText());
}

void PlansDialog::Select(const std::string& name) {
    const QString wanted = QString::fromStdString(name);
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        if (item->data(kName, Qt::UserRole).toString() == wanted) {
            list_->setCurrentItem(item);
            return;
        }
    }
}

// The plan that takes the selected one's place in the list as sorted: the one below, else the one above.
std::string PlansDialog::NeighbourOfSelected() const {
    QTreeWidgetItem* current = list_->currentItem();
    if (current == nullptr) return {};
    const QTreeWidgetItem* neighbour = list_->itemBelow(current);
    if (neighbour == nullptr) neighbour = list_->itemAbove(current);
    return neighbour == nullptr ? std::string() : neighbour->data(kName, Qt::UserRole).toString().toStdString();
}

void PlansDialog::UpdateButtons() {
    const planner::SavedPlan* plan = store_.library().Find(SelectedName());
    open_->setEnabled(plan != nullptr && plan->usable());
    rename_->setEnabled(plan != nullptr);
    delete_->setEnabled(plan != nullptr);
    editNote_->setEnabled(plan != nullptr);
}

std::string PlansDialog::SelectedName() const {
    const QTreeWidgetItem* item = list_->currentItem();
    return item == nullptr ? std::string() : item->data(kName, Qt::UserRole).toString().toStdString();
}

void PlansDialog::OpenSelected() {
    const planner::SavedPlan* plan = store_.library().Find(SelectedName());
    if (plan == nullptr || !plan->usable()) return;
    // The library may be re-read while the plan opens.
    const planner::SavedPlan opened = *plan;
    if (opener_) opener_(opened);
}

void PlansDialog::RenameSelected() {
    const std::string name = SelectedName();
    if (name.empty() || !seams_.askText) return;
    const auto newName = seams_.askText(this, ToQString(texts::desktop::kRenamePlanTitle),
                                        ToQString(texts::desktop::kPlanName), QString::fromStdString(name));
    if (!newName) return;
    const std::string fault = store_.Change(planner::LibraryJournal::Renaming(name, newName->toStdString()));
    if (!fault.empty()) Say(fault);
    else Select(planner::PlanLibrary::TrimmedName(newName->toStdString()));
}

void PlansDialog::EditSelectedNote() {
    const std::string name = SelectedName();
    const planner::SavedPlan* plan = store_.library().Find(name);
    if (plan == nullptr || !seams_.askNote) return;
    const auto note = seams_.askNote(this, ToQString(texts::desktop::kEditNoteTitle),
                                     QString::fromStdString(texts::NoteOnPlanLabel(name)),
                                     QString::fromStdString(plan->note));
    if (!note) return;
    const std::string fault = store_.Change(planner::LibraryJournal::Noting(name, note->toStdString()));
    if (!fault.empty()) Say(fault);
    else Select(name);
}

void PlansDialog::DeleteSelected() {
    const std::string name = SelectedName();
    if (name.empty()) return;
    if (!seams_.confirm ||
        !seams_.confirm(this, Title(), QString::fromStdString(texts::DeletePlanQuestion(name)))) {
        return;
    }
    const std::string neighbour = NeighbourOfSelected();
    const std::string fault = store_.Change(planner::LibraryJournal::Deleting(name));
    if (!fault.empty()) Say(fault);
    else Select(neighbour);
}

void PlansDialog::ImportFile() {
    if (!seams_.chooseFile) return;
    const QString path = seams_.chooseFile(this, ToQString(texts::desktop::kImportPlans).remove('&'), false);
    if (path.isEmpty()) return;
    const std::string shown = QDir::toNativeSeparators(path).toStdString();
    const DocumentFile file = ReadDocumentFile(path);
    if (file.status == DocumentFile::Status::kMissing || file.status == DocumentFile::Status::kUnopenable) {
        return Say(file.fault);
    }
    if (file.status == DocumentFile::Status::kTooLarge) return Say(texts::library::RefusedImport(shown, file.fault));
    auto read =
        planner::PlanLibrary::Read(std::string_view(file.bytes.constData(), static_cast<std::size_t>(file.bytes.size())));
    if (const auto* reason = std::get_if<std::string>(&read)) return Say(texts::library::RefusedImport(shown, *reason));
    auto& imported = std::get<planner::PlanLibrary>(read);
    const planner::PlanLibrary::Imported tally = imported.ImportTally();
    store_.Change(planner::LibraryJournal::Importing(std::move(imported)));
    Say(texts::ImportedPlansNote(tally.plans, tally.unusable));
}

void PlansDialog::ExportFile() {
    if (!seams_.chooseFile) return;
    const QString path = seams_.chooseFile(this, ToQString(texts::desktop::kExportPlans).remove('&'), true);
    if (path.isEmpty()) return;
    QSaveFile file(path);
    const std::string document = store_.library().Write();
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(document.data(), static_cast<qint64>(document.size())) != static_cast<qint64>(document.size()) ||
        !file.commit()) {
        Say(file.errorString().toStdString());
    }
}

}  // namespace vantrell::shell
