#include "desktop/planner_window/compare_dialog.h"

#include "desktop/toolkit/reading_table.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "core/planner/plan_formats.h"
#include "core/texts/captions.h"
#include "core/texts/composed.h"
#include "core/texts/desktop_texts.h"
#include "desktop/planner_window/copy_formats.h"
#include "desktop/toolkit/qt_text.h"

namespace vantrell::planner_window {
namespace {

namespace captions = texts::captions;

constexpr int kMarkerColumn = 0;
constexpr int kFirstAbilitiesColumn = 4;
constexpr int kSecondAbilitiesColumn = 7;
constexpr int kColumns = 8;
constexpr int kAbilitiesMinimumWidth = 220;
constexpr QSize kPreferredSize(1180, 640);

QString Text(std::string_view text) { return toolkit::ToQString(text); }

QStringList SideCells(const planner::ComparedSide& side) {
    return {QString::number(side.level), QString::number(side.points), QString::fromStdString(side.abilities)};
}

}  // namespace

CompareDialog::CompareDialog(const planner::Session& session, const planner::Planner& planner, QWidget* parent)
    : QDialog(parent), session_(session), planner_(planner) {
    setObjectName("dlgCompare");
    setWindowTitle(Text(planner.definition().titleCaption) + ' ' + Text(captions::kCompareTitle));
    setSizeGripEnabled(true);

    note_ = new QLabel(this);
    note_->setObjectName("lblCompareNote");
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Qt's own word would be English in every language the program has.
    buttons->button(QDialogButtonBox::Close)->setText(toolkit::ToQString(texts::desktop::kClose));
    swap_ = buttons->addButton(Text(texts::desktop::kSwapPlans), QDialogButtonBox::ActionRole);
    swap_->setObjectName("cmdSwap");
    swap_->setToolTip(Text(texts::desktop::kSwapPlansTip));
    connect(swap_, &QPushButton::clicked, this, &CompareDialog::Swap);
    copy_ = buttons->addButton('&' + Text(captions::kCopyAsText), QDialogButtonBox::ActionRole);
    copy_->setObjectName("cmdCopyAsText");
    connect(copy_, &QPushButton::clicked, this, &CompareDialog::CopyAsText);
    copyAs_ = AddCopyFormatsButton(*buttons, [this](std::string_view format) -> std::optional<std::string> {
        const auto* comparison = std::get_if<planner::PlanComparison>(&shown_);
        return comparison != nullptr ? planner::ComparisonInFormat(*comparison, format) : std::nullopt;
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Enter in the code box compares, which it does as the code is typed; no button takes Enter as well.
    for (QAbstractButton* button : buttons->buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(button)) push->setAutoDefault(false);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildChooser());
    layout->addWidget(note_);
    layout->addWidget(BuildTable(), 1);
    layout->addWidget(buttons);

    FillSavedPlans();
    Follow();
    resize(FittingSize());
}

CompareDialog::~CompareDialog() = default;

QWidget* CompareDialog::BuildChooser() {
    auto* chooser = new QWidget(this);
    savedPlans_ = new QComboBox(chooser);
    savedPlans_->setObjectName("cboSavedPlan");
    savedPlans_->setPlaceholderText(Text(texts::desktop::kNoSavedPlanChosen));
    savedPlans_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    savedPlans_->setMinimumContentsLength(20);
    connect(savedPlans_, &QComboBox::activated, this, &CompareDialog::OnSavedPlanPicked);
    otherPlan_ = new QLineEdit(chooser);
    otherPlan_->setObjectName("txtOtherPlan");
    connect(otherPlan_, &QLineEdit::textEdited, this, [this] {
        // A code typed over a saved plan's is no longer that plan.
        savedPlans_->setCurrentIndex(-1);
        Follow();
    });
    connect(otherPlan_, &QLineEdit::returnPressed, this, &CompareDialog::Follow);

    auto* form = new QFormLayout(chooser);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(Text(texts::desktop::kSavedPlanChoice), savedPlans_);
    form->addRow(Text(texts::desktop::kOtherPlanCode), otherPlan_);
    savedPlans_->setAccessibleName(QString::fromStdString(texts::ControlNameOf(texts::desktop::kSavedPlanChoice)));
    otherPlan_->setAccessibleName(QString::fromStdString(texts::ControlNameOf(texts::desktop::kOtherPlanCode)));
    return chooser;
}

QWidget* CompareDialog::BuildTable() {
    table_ = new toolkit::ReadingTable(kColumns, {kFirstAbilitiesColumn, kSecondAbilitiesColumn},
                                       kAbilitiesMinimumWidth, this);
    table_->setObjectName("tblCompare");
    table_->setAccessibleName(Text(captions::kComparisonTable));
    // Until B is chosen the columns are already the ones B will fill.
    SetHeadings(planner::PlanComparison{});
    return table_;
}

void CompareDialog::showEvent(QShowEvent* event) {
    FillSavedPlans();
    Follow();
    QDialog::showEvent(event);
}

// Only the class's plans that open are offered; the one picked stays picked while the list is refreshed.
void CompareDialog::FillSavedPlans() {
    const QString picked = savedPlans_->currentText();
    const QSignalBlocker blocker(savedPlans_);
    savedPlans_->clear();
    for (const planner::SavedPlan& plan : session_.library().plans()) {
        if (!plan.usable() || plan.definition != &planner_.definition()) continue;
        savedPlans_->addItem(QString::fromStdString(plan.name), QString::fromStdString(plan.code));
    }
    savedPlans_->setCurrentIndex(picked.isEmpty() ? -1 : savedPlans_->findText(picked));
    savedPlans_->setEnabled(savedPlans_->count() > 0);
}

void CompareDialog::OnSavedPlanPicked(int index) {
    if (index < 0) return;
    otherPlan_->setText(savedPlans_->itemData(index).toString());
    Follow();
}

void CompareDialog::SetOtherPlan(const QString& codeOrLink) {
    savedPlans_->setCurrentIndex(-1);
    otherPlan_->setText(codeOrLink);
    Follow();
}

void CompareDialog::Swap() {
    swapped_ = !swapped_;
    Follow();
}

std::variant<planner::PlanComparison, std::string> CompareDialog::Compare() const {
    auto compared = planner::ComparePlans(planner_, otherPlan_->text().trimmed().toStdString());
    auto* comparison = std::get_if<planner::PlanComparison>(&compared);
    if (comparison != nullptr && swapped_) return planner::Swapped(std::move(*comparison));
    return compared;
}

void CompareDialog::Follow() {
    if (otherPlan_->text().trimmed().isEmpty()) {
        shown_ = std::string(captions::kChooseOtherPlan);
    } else {
        shown_ = Compare();
        if (const auto* comparison = std::get_if<planner::PlanComparison>(&shown_)) {
            note_->setText(QString::fromStdString(planner::DescribeLoweredLines(comparison->lowered)));
            note_->setVisible(!note_->text().isEmpty());
            Render(*comparison);
            copy_->setEnabled(true);
            copyAs_->setEnabled(true);
            swap_->setEnabled(true);
            return;
        }
    }
    note_->setText(QString::fromStdString(std::get<std::string>(shown_)));
    note_->show();
    table_->setRowCount(0);
    copy_->setEnabled(false);
    copyAs_->setEnabled(false);
    swap_->setEnabled(false);
}

void CompareDialog::SetHeadings(const planner::PlanComparison& comparison) {
    QStringList headings{Text(captions::kDiffersHeading), Text(captions::kComparedLine)};
    for (std::string_view heading : planner::SideHeadings(comparison)) headings << Text(heading);
    table_->setHorizontalHeaderLabels(headings);
}

void CompareDialog::Render(const planner::PlanComparison& comparison) {
    SetHeadings(comparison);
    table_->setRowCount(static_cast<int>(comparison.lines.size()) + 3);
    int row = 0;
    for (const planner::ComparedLine& line : comparison.lines) {
        FillRow(row++, QStringList{Text(line.caption)} + SideCells(line.a) + SideCells(line.b), line.differs);
    }
    const planner::ComparedPlan& a = comparison.a;
    const planner::ComparedPlan& b = comparison.b;
    FillRow(row++,
            {Text(captions::kComparedCharacterLevel),
             QString::number(a.characterLevel),
             {},
             {},
             QString::number(b.characterLevel),
             {},
             {}},
            a.characterLevel != b.characterLevel);
    FillRow(
        row++,
        {Text(captions::kPathPointsLeft), {}, QString::number(a.pointsLeft), {}, {}, QString::number(b.pointsLeft), {}},
        a.pointsLeft != b.pointsLeft);
    FillRow(row++,
            {Text(captions::kComparedCompleteFrom),
             QString::number(a.completeFrom),
             {},
             {},
             QString::number(b.completeFrom),
             {},
             {}},
            a.completeFrom != b.completeFrom);
    table_->FitToContents();
}

// `cells` holds every column but the marker's; a row that differs is bold and marked, so no weight alone says it.
void CompareDialog::FillRow(int row, const QStringList& cells, bool differs) {
    QFont font = table_->font();
    font.setBold(differs);
    auto* marker = new QTableWidgetItem(differs ? Text(captions::kComparedDiffersMarker) : QString());
    marker->setTextAlignment(Qt::AlignCenter);
    marker->setFont(font);
    marker->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    table_->setItem(row, kMarkerColumn, marker);
    for (int index = 0; index < cells.size(); ++index) {
        const int column = kMarkerColumn + 1 + index;
        const bool wraps = column == kFirstAbilitiesColumn || column == kSecondAbilitiesColumn;
        auto* item = new QTableWidgetItem(cells[index]);
        item->setTextAlignment(column == 1 || wraps ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        item->setFont(font);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (wraps) item->setToolTip(cells[index]);
        table_->setItem(row, column, item);
    }
}

// The two abilities columns share the room the other columns leave, each never
// so narrow that every row wraps into a tall block; below that the table scrolls sideways.
void CompareDialog::CopyAsText() const {
    if (const auto* comparison = std::get_if<planner::PlanComparison>(&shown_)) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(planner::ComparisonAsText(*comparison)));
    }
}

QSize CompareDialog::FittingSize() const {
    const QScreen* shown = screen();
    if (shown == nullptr) return kPreferredSize;
    return kPreferredSize.boundedTo(shown->availableGeometry().size() * 9 / 10);
}

}  // namespace vantrell::planner_window
