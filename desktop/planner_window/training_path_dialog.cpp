#include "desktop/planner_window/training_path_dialog.h"

#include "desktop/toolkit/reading_table.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/planner/plan_formats.h"
#include "core/planner/plan_compare.h"
#include "core/planner/training_path_text.h"
#include "core/texts/captions.h"
#include "core/texts/composed.h"
#include "core/texts/desktop_texts.h"
#include "desktop/planner_window/copy_formats.h"
#include "desktop/toolkit/qt_text.h"

namespace vantrell::planner_window {
namespace {

constexpr int kLevelColumn = 0;
constexpr int kFirstLineColumn = 1;
constexpr int kAbilitiesMinimumWidth = 360;
constexpr int kPriorityPanelWidth = 200;
constexpr int kPreferredHeight = 620;

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString Caption(const catalog::SpecLineDefinition& line) { return toolkit::ToQString(line.caption); }

}  // namespace

TrainingPathDialog::TrainingPathDialog(planner::Session& session, const planner::Planner& planner, QWidget* parent)
    : QDialog(parent), session_(session), planner_(planner) {
    setObjectName("dlgTrainingPath");
    setWindowTitle(toolkit::ToQString(planner.definition().titleCaption) + ' ' +
                   toolkit::ToQString(texts::captions::kTrainingPath));
    setSizeGripEnabled(true);

    heading_ = new QLabel(this);
    heading_->setWordWrap(true);
    completeFrom_ = new QLabel(this);
    completeFrom_->setObjectName("lblCompleteFrom");
    auto* body = new QHBoxLayout;
    body->addWidget(BuildPriorityPanel());
    body->addWidget(BuildTable(), 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Qt's own word would be English in every language the program has.
    buttons->button(QDialogButtonBox::Close)->setText(toolkit::ToQString(texts::desktop::kClose));
    auto* copy =
        buttons->addButton('&' + toolkit::ToQString(texts::captions::kCopyAsText), QDialogButtonBox::ActionRole);
    copy->setObjectName("cmdCopyAsText");
    connect(copy, &QPushButton::clicked, this, &TrainingPathDialog::CopyAsText);
    AddCopyFormatsButton(*buttons, [this](std::string_view format) {
        return planner::PathInFormat(planner_, priority(), format, session_.NoteOf(planner_));
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(completeFrom_);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);

    RenderPriority(0);
    Follow();
    resize(FittingSize());
}

TrainingPathDialog::~TrainingPathDialog() = default;

QWidget* TrainingPathDialog::BuildPriorityPanel() {
    auto* panel = new QWidget(this);
    auto* title = new QLabel('&' + toolkit::ToQString(texts::captions::kPriority) + ':', panel);
    priorityList_ = new QListWidget(panel);
    priorityList_->setObjectName("lstPriority");
    priorityList_->setAccessibleName(toolkit::ToQString(texts::captions::kPriority));
    priorityList_->installEventFilter(this);
    title->setBuddy(priorityList_);
    connect(priorityList_, &QListWidget::currentRowChanged, this, &TrainingPathDialog::UpdateMoveButtons);
    auto* hint = new QLabel(toolkit::ToQString(texts::captions::kPriorityHint), panel);
    hint->setWordWrap(true);

    moveUp_ = new QPushButton(toolkit::ToQString(texts::desktop::kMoveUp), panel);
    moveUp_->setObjectName("cmdMoveUp");
    moveUp_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));
    moveUp_->setToolTip(toolkit::ToQString(texts::desktop::kMoveUpTip));
    connect(moveUp_, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
    moveDown_ = new QPushButton(toolkit::ToQString(texts::desktop::kMoveDown), panel);
    moveDown_->setObjectName("cmdMoveDown");
    moveDown_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
    moveDown_->setToolTip(toolkit::ToQString(texts::desktop::kMoveDownTip));
    connect(moveDown_, &QPushButton::clicked, this, [this] { MoveSelected(1); });

    auto* moves = new QHBoxLayout;
    moves->addWidget(moveUp_);
    moves->addWidget(moveDown_);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title);
    layout->addWidget(priorityList_, 1);
    layout->addLayout(moves);
    layout->addWidget(hint);
    panel->setMaximumWidth(kPriorityPanelWidth);
    return panel;
}

QWidget* TrainingPathDialog::BuildTable() {
    const auto lines = planner_.definition().lines;
    const int columns = static_cast<int>(lines.size()) + 3;
    table_ = new toolkit::ReadingTable(columns, {columns - 1}, kAbilitiesMinimumWidth, this);
    table_->setObjectName("tblTrainingPath");
    table_->setAccessibleName(toolkit::ToQString(texts::captions::kTrainingPathTable));
    QStringList headings{toolkit::ToQString(texts::captions::kPathLevel)};
    for (const catalog::SpecLineDefinition& line : lines) headings << Caption(line);
    headings << toolkit::ToQString(texts::captions::kPathPointsLeft)
             << toolkit::ToQString(texts::captions::kNewAbilities);
    table_->setHorizontalHeaderLabels(headings);
    return table_;
}

void TrainingPathDialog::showEvent(QShowEvent* event) {
    Follow();
    QDialog::showEvent(event);
}

// The list takes Alt+Up and Alt+Down as plain cursor moves before the buttons'
// shortcuts see them, so it hands them over itself.
bool TrainingPathDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == priorityList_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::AltModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            MoveSelected(key->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

planner::TrainingPriority TrainingPathDialog::priority() const { return session_.PriorityOf(planner_.definition()); }

void TrainingPathDialog::Follow() {
    path_ = planner::TrainingPath(planner_, priority());
    RenderTable();
}

void TrainingPathDialog::RenderPriority(std::size_t selectedRow) {
    priorityList_->clear();
    for (std::size_t line : priority()) priorityList_->addItem(Caption(planner_.definition().lines[line]));
    priorityList_->setCurrentRow(static_cast<int>(selectedRow));
    UpdateMoveButtons();
}

void TrainingPathDialog::UpdateMoveButtons() {
    const int row = priorityList_->currentRow();
    moveUp_->setEnabled(row > 0);
    moveDown_->setEnabled(row >= 0 && row + 1 < priorityList_->count());
}

void TrainingPathDialog::MoveSelected(int offset) {
    const int from = priorityList_->currentRow();
    if (from < 0) return;
    const auto to = session_.MoveInPriority(planner_.definition(), static_cast<std::size_t>(from), offset);
    if (!to) return;
    RenderPriority(*to);
    // Alt+Up and Alt+Down stay in the list, so a line can be walked several places at once.
    priorityList_->setFocus();
    Follow();
}

void TrainingPathDialog::RenderTable() {
    const planner::TrainingPathView view = planner::ViewOf(planner_, path_);
    heading_->setText(QString::fromStdString(view.intro));
    completeFrom_->setText(QString::fromStdString(texts::CompleteFromNote(planner::CompleteFrom(planner_))));
    table_->setRowCount(static_cast<int>(view.rows.size()));
    for (int row = 0; row < table_->rowCount(); ++row) FillStepRow(row, view.rows[static_cast<std::size_t>(row)]);
    table_->FitToContents();
}

void TrainingPathDialog::FillStepRow(int row, const planner::PathRowView& shown) {
    table_->setItem(row, kLevelColumn, Cell(QString::number(shown.characterLevel), Qt::AlignCenter));
    for (std::size_t line = 0; line < shown.cells.size(); ++line) {
        const planner::PathCellView& shownCell = shown.cells[line];
        auto* cell = Cell(QString::fromStdString(shownCell.text), Qt::AlignCenter);
        cell->setToolTip(QString::fromStdString(
            planner::PathCellTooltip(planner_.definition(), path_, static_cast<std::size_t>(row), line)));
        if (shownCell.rose) {
            QFont bold = table_->font();
            bold.setBold(true);
            cell->setFont(bold);
            QColor tint = palette().color(QPalette::Highlight);
            tint.setAlpha(60);
            cell->setBackground(tint);
        } else if (!shownCell.open) {
            cell->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        }
        table_->setItem(row, kFirstLineColumn + static_cast<int>(line), cell);
    }
    const int pointsColumn = kFirstLineColumn + static_cast<int>(shown.cells.size());
    table_->setItem(row, pointsColumn,
                    Cell(QString::fromStdString(shown.pointsLeft), Qt::AlignRight | Qt::AlignVCenter));
    QStringList abilities;
    for (const planner::NewAbilityView& ability : shown.newAbilities) abilities << QString::fromStdString(ability.text);
    table_->setItem(row, pointsColumn + 1, Cell(abilities.join('\n'), Qt::AlignLeft | Qt::AlignVCenter));
}

void TrainingPathDialog::CopyAsText() const {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(planner::TrainingPathAsText(planner_, priority(), path_)));
}

// Wide enough for every level column and a readable abilities column, within the screen.
QSize TrainingPathDialog::FittingSize() const {
    int tableWidth = table_->verticalScrollBar()->sizeHint().width() + 2 * table_->frameWidth();
    for (int column = 0; column + 1 < table_->columnCount(); ++column) tableWidth += table_->columnWidth(column);
    tableWidth += kAbilitiesMinimumWidth;
    const QSize wanted(kPriorityPanelWidth + tableWidth + 40, kPreferredHeight);
    const QScreen* shown = screen();
    if (shown == nullptr) return wanted;
    const QSize room = shown->availableGeometry().size() * 9 / 10;
    return wanted.boundedTo(room);
}

}  // namespace vantrell::planner_window
