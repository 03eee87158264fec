#include "desktop/planner_window/class_planner_window.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "core/catalog/abilities.h"
#include "core/planner/planner_view.h"
#include "core/texts/captions.h"
#include "core/texts/composed.h"
#include "desktop/planner_window/control_names.h"
#include "desktop/planner_window/planner_layout.h"
#include "desktop/toolkit/clickable_label.h"
#include "desktop/toolkit/fonts.h"
#include "desktop/toolkit/labels.h"
#include "desktop/toolkit/qt_text.h"
#include "desktop/toolkit/twips.h"

namespace vantrell::planner_window {
namespace {

using catalog::SpecLineDefinition;

QColor ColourOf(catalog::Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

constexpr std::int16_t kFirstListedLevel = 6;
constexpr int kCaptionWidth = 1245;
constexpr int kCaptionGap = 75;
constexpr int kSliderRight = 4695;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

}  // namespace

ClassPlannerWindow::ClassPlannerWindow(const catalog::ClassDefinition& definition, MessageSink messages,
                                       QWidget* parent)
    : ClassPlannerWindow(std::make_unique<planner::Session>(), nullptr, definition, std::move(messages), parent) {}

ClassPlannerWindow::ClassPlannerWindow(planner::Session& session, const catalog::ClassDefinition& definition,
                                       MessageSink messages, QWidget* parent)
    : ClassPlannerWindow(nullptr, &session, definition, std::move(messages), parent) {}

ClassPlannerWindow::ClassPlannerWindow(std::unique_ptr<planner::Session> own, planner::Session* shared,
                                       const catalog::ClassDefinition& definition, MessageSink messages,
                                       QWidget* parent)
    : QWidget(parent),
      ownSession_(std::move(own)),
      session_(ownSession_ ? *ownSession_ : *shared),
      planner_(session_.Open(definition)),
      messages_(std::move(messages)),
      history_(*this, session_, planner_, [this] { Render(); }),
      savedPlans_(*this, session_, [this] { Render(); }),
      sharing_(*this, session_, planner_, messages_, [this] { Render(); }),
      export_(*this, session_, planner_, messages_),
      dialogs_(*this, session_, planner_) {
    setObjectName(toolkit::ToQString(WindowNameOf(definition)));
    setWindowTitle(toolkit::ToQString(definition.titleCaption));
    setFont(toolkit::FontOf(toolkit::kSansFaces, 8.25));
    BuildHeader();
    const PlannerLayout layout = Layout();
    BuildAbilities(layout);
    BuildStatsFrame(layout);
    SetKeyboardOrder();
    Render();
}

// Tab walks the level list, then every slider in screen order; the other
// controls' own menus give way to the window's.
void ClassPlannerWindow::SetKeyboardOrder() {
    QWidget* previous = levelBox_;
    for (const LineWidgets& widgets : lines_) {
        widgets.slider->setFocusPolicy(Qt::StrongFocus);
        widgets.slider->setContextMenuPolicy(Qt::NoContextMenu);
        setTabOrder(previous, widgets.slider);
        previous = widgets.slider;
    }
    levelBox_->setContextMenuPolicy(Qt::NoContextMenu);
    for (auto* box : findChildren<QLineEdit*>()) {
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setFocusPolicy(Qt::NoFocus);
    }
}

ClassPlannerWindow::~ClassPlannerWindow() = default;

void ClassPlannerWindow::BuildHeader() {
    const catalog::ClassDefinition& definition = planner_.definition();

    auto* title = new QLabel(toolkit::ToQString(definition.titleCaption), this);
    title->setObjectName("lblTitle");
    title->setFont(toolkit::FontOf(toolkit::kSerifFaces, 20.25, {.bold = true, .italic = true}));
    title->setAlignment(Qt::AlignCenter);
    toolkit::SetTextColour(*title, ColourOf(catalog::colour::kBlue));
    toolkit::PlaceInTwips(*title, {0, 0, toolkit::FittedWidth(*title, title->text(), 1185), 465});

    auto* levelCaption =
        toolkit::AddLabel(this, toolkit::ToQString(texts::captions::kLevel), {0, 600, 615, 255}, {.alignment = kRight});
    levelBox_ = new QComboBox(this);
    levelBox_->setObjectName("cboLevel");
    // Some screen readers take a combo box's name from the label it is the buddy of, others from its own.
    levelCaption->setBuddy(levelBox_);
    levelBox_->setAccessibleName(QString::fromStdString(texts::ControlNameOf(texts::captions::kLevel)));
    for (int level = kFirstListedLevel; level <= planner::kHighestCharacterLevel; ++level) {
        levelBox_->addItem(QString::number(level));
    }
    toolkit::PlaceInTwips(*levelBox_, {720, 600, 735, 315});
    connect(levelBox_, &QComboBox::activated, this, &ClassPlannerWindow::OnLevelPicked);

    // A caption wider than its place, such as "Points Per Level:", pushes what follows it to the right.
    const QString factorCaption = toolkit::ToQString(definition.pointsPerLevelCaption);
    const int factorShift = toolkit::FittedWidth(*this, factorCaption, 855) - 855;
    toolkit::AddLabel(this, factorCaption, {0, 960, 855 + factorShift, 255}, {.alignment = kRight});
    auto* factorBox = new QLineEdit(toolkit::ToQString(definition.pointsPerLevelText), this);
    factorBox->setReadOnly(true);
    factorBox->setObjectName("txtPointsPerLevel");
    toolkit::PlaceInTwips(*factorBox, {960 + factorShift, 960, 375, 285});

    const QString pointsCaption = toolkit::ToQString(texts::captions::kPointsLeft);
    const int pointsShift = toolkit::FittedWidth(*this, pointsCaption, 855) - 855;
    toolkit::AddLabel(this, pointsCaption, {0, 1320, 855 + pointsShift, 255}, {.alignment = kRight});
    pointsLeft_ = toolkit::AddLabel(this, {}, {960 + pointsShift, 1320, 495, 255},
                                    {.alignment = kRight, .name = "lblPointsLeft"});
    toolkit::AddLabel(this, "/", {1560 + pointsShift, 1320, 135, 255}, {.alignment = Qt::AlignCenter});
    totalPoints_ = toolkit::AddLabel(this, {}, {1680 + pointsShift, 1320, 495, 255}, {.name = "lblTotalPoints"});

    toolkit::AddLabel(this, toolkit::ToQString(texts::captions::kSkillsAvailable), {3360, 240, 1575, 255});
    auto* hint =
        toolkit::AddLabel(this, toolkit::ToQString(texts::captions::kClickForExplanation), {5040, 240, 2175, 255});
    QFont italic = hint->font();
    italic.setItalic(true);
    hint->setFont(italic);
}

PlannerLayout ClassPlannerWindow::Layout() const { return MeasuredLayout(planner_.definition(), logicalDpiY()); }

void ClassPlannerWindow::BuildAbilities(const PlannerLayout& layout) {
    const auto definitions = planner_.definition().lines;
    lines_.resize(definitions.size());
    for (std::size_t line = 0; line < definitions.size(); ++line) {
        const SpecLineDefinition& definition = definitions[line];
        auto* label = new ClickableLabel(this);
        label->setObjectName(QString::fromStdString(ControlNamesOf(planner_.definition(), definition).abilities));
        label->setFont(toolkit::FontOf(toolkit::kSmallFaces, 6.75));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        toolkit::SetTextColour(*label, ColourOf(definition.abilitiesColour.value_or(definition.captionColour)));
        toolkit::PlaceInTwips(*label, layout.abilities[line]);
        if (definition.description != nullptr) label->setCursor(Qt::PointingHandCursor);
        if (!definition.abilitiesKind) label->hide();
        connect(label, &ClickableLabel::clicked, this, [this, line] { OnAbilitiesClicked(line); });
        lines_[line].abilities = label;
    }
}

void ClassPlannerWindow::BuildStatsFrame(const PlannerLayout& layout) {
    stats_ = new QFrame(this);
    stats_->setObjectName("fraStats");
    stats_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    toolkit::PlaceInTwips(*stats_, layout.frame);

    auto* heading =
        toolkit::AddLabel(stats_, toolkit::ToQString(texts::captions::kSpecializationLevel), {3360, 120, 1815, 255});
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    toolkit::PlaceInTwips(*heading, {3360, 120, toolkit::FittedWidth(*heading, heading->text(), 1815), 255});
    toolkit::AddLabel(stats_, toolkit::ToQString(texts::captions::kPointsUsed), {5400, 120, 735, 255});
    toolkit::AddLabel(stats_, toolkit::ToQString(texts::captions::kPercent), {6360, 120, 495, 255});

    // A caption wider than its column, such as "Stealth / Distractions", narrows every slider alike.
    int captionWidth = kCaptionWidth;
    for (const SpecLineDefinition& definition : planner_.definition().lines) {
        captionWidth = std::max(captionWidth,
                                toolkit::FittedWidth(*stats_, toolkit::ToQString(definition.caption), kCaptionWidth));
    }
    for (std::size_t line = 0; line < lines_.size(); ++line) {
        BuildRow(line, {layout.rowTops[line], layout.rowHeight, captionWidth});
    }
}

void ClassPlannerWindow::BuildRow(std::size_t line, const RowPlace& place) {
    const int top = place.top;
    const int height = place.height;
    const int sliderLeft = place.captionWidth + kCaptionGap;
    const SpecLineDefinition& definition = planner_.definition().lines[line];
    const LineControlNames names = ControlNamesOf(planner_.definition(), definition);
    LineWidgets& widgets = lines_[line];

    widgets.caption = toolkit::AddLabel(stats_, toolkit::ToQString(definition.caption),
                                        {0, top, place.captionWidth, height}, {.alignment = kRight});
    toolkit::SetTextColour(*widgets.caption, ColourOf(definition.captionColour));

    widgets.slider = new QScrollBar(Qt::Horizontal, stats_);
    widgets.slider->setObjectName(QString::fromStdString(names.slider));
    widgets.slider->setAccessibleName(toolkit::ToQString(definition.caption));
    widgets.slider->setSingleStep(1);
    widgets.slider->setPageStep(1);
    // A dragged thumb reports once, on release.
    widgets.slider->setTracking(false);
    // Scroll bars invert their keys by default; a specialization slider moves right with the right arrow.
    widgets.slider->setInvertedControls(false);
    toolkit::PlaceInTwips(*widgets.slider, {sliderLeft, top, kSliderRight - sliderLeft, height});
    connect(widgets.slider, &QScrollBar::valueChanged, this, [this, line](int value) { OnSliderChanged(line, value); });

    widgets.level = toolkit::AddLabel(stats_, {}, {4920, top, 375, height},
                                      {.alignment = kRight, .name = QString::fromStdString(names.level)});
    QFont bold = widgets.level->font();
    bold.setBold(true);
    widgets.level->setFont(bold);
    widgets.points = toolkit::AddLabel(stats_, {}, {5760, top, 495, height},
                                       {.alignment = kRight, .name = QString::fromStdString(names.points)});
    widgets.percent = toolkit::AddLabel(stats_, {}, {6600, top, 495, height},
                                        {.alignment = kRight, .name = QString::fromStdString(names.percent)});
}

void ClassPlannerWindow::OnLevelPicked(int index) {
    session_.PickLevel(planner_, static_cast<std::int16_t>(kFirstListedLevel + index));
    Render();
}

void ClassPlannerWindow::OnSliderChanged(std::size_t line, int value) {
    session_.MoveSlider(planner_, line, value);
    Render();
}

void ClassPlannerWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    for (const QList<QAction*>& group :
         {history_.actions(), savedPlans_.actions(), sharing_.actions(), export_.actions(), dialogs_.actions()}) {
        if (!menu.isEmpty()) menu.addSeparator();
        menu.addActions(group);
    }
    menu.exec(event->globalPos());
}

void ClassPlannerWindow::OnAbilitiesClicked(std::size_t line) {
    const catalog::DescriptionMessage* message = planner_.ExplanationFor(line);
    if (message == nullptr) return;
    messages_(this, {toolkit::ToQString(message->title), QString::fromStdString(catalog::ExplanationText(*message)),
                     MessageIcon::None});
}

void ClassPlannerWindow::Render() {
    const planner::PlannerView view = planner::ViewOf(planner_);
    {
        const QSignalBlocker blocker(levelBox_);
        levelBox_->setCurrentIndex(view.characterLevel - kFirstListedLevel);
    }
    pointsLeft_->setText(QString::fromStdString(view.pointsLeft));
    totalPoints_->setText(QString::fromStdString(view.totalPoints));
    stats_->setEnabled(view.statsEnabled);
    for (std::size_t line = 0; line < lines_.size(); ++line) RenderLine(line, view.lines[line]);
    history_.Refresh();
    dialogs_.Follow();
}

void ClassPlannerWindow::RenderLine(std::size_t line, const planner::LineView& shown) {
    const LineWidgets& widgets = lines_[line];
    {
        // The headless planner may keep a maximum below the minimum for a moment;
        // the widget never gets one, or it would move its value below 1.
        const QSignalBlocker blocker(widgets.slider);
        widgets.slider->setRange(shown.sliderMinimum, std::max(shown.sliderMaximum, shown.sliderMinimum));
        widgets.slider->setValue(shown.sliderValue);
        widgets.slider->setEnabled(shown.lineOpen);
    }
    widgets.level->setText(QString::fromStdString(shown.level));
    widgets.points->setText(QString::fromStdString(shown.points));
    widgets.percent->setText(QString::fromStdString(shown.percent));
    widgets.abilities->setText(QString::fromStdString(shown.abilities));
    widgets.abilities->setToolTip(QString::fromStdString(shown.tooltip));
}

}  // namespace vantrell::planner_window
