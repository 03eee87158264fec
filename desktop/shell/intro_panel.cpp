#include "desktop/shell/intro_panel.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>

#include "desktop/shell/identity.h"
#include "core/texts/shell_texts.h"
#include "desktop/toolkit/clickable_label.h"
#include "desktop/toolkit/fonts.h"
#include "desktop/toolkit/labels.h"
#include "desktop/toolkit/qt_text.h"
#include "desktop/toolkit/twips.h"

namespace vantrell::shell {
namespace {

using toolkit::FontOf;

constexpr toolkit::TwipRect kTitleFrame{120, 0, 7200, 4635};
constexpr int kFrameInnerRight = kTitleFrame.width - 60;

// Wider faces than the ones the panel was drawn with must not cut a one-line text off.
template <class Label = QLabel>
Label* AddPanelLabel(QWidget* frame, const char* name, const QString& text, const QFont& font,
                     const toolkit::TwipRect& rect, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = toolkit::AddLabel<Label>(frame, text, rect,
                                           {.alignment = alignment, .font = font, .wordWrap = true, .name = name});
    toolkit::TwipRect fitted = rect;
    if (rect.height <= 255) fitted.width = toolkit::FittedWidth(*label, text, rect.width);
    fitted.left = std::min(fitted.left, kFrameInnerRight - fitted.width);
    toolkit::PlaceInTwips(*label, fitted);
    return label;
}

}  // namespace

IntroPanel::IntroPanel(std::function<void(const QString&)> openLink, QWidget* parent)
    : QWidget(parent), openLink_(std::move(openLink)) {
    setObjectName("frmIntro");
    const QFont defaultFont = FontOf(toolkit::kSansFaces, 8.25);
    setFont(defaultFont);

    auto* frame = new QFrame(this);
    frame->setObjectName("fraTitle");
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    toolkit::PlaceInTwips(*frame, kTitleFrame);

    auto* logo = new QLabel(frame);
    logo->setObjectName("imgLogo");
    logo->setPixmap(QPixmap(":/vantrell/logo.png"));
    logo->setScaledContents(true);
    toolkit::PlaceInTwips(*logo, {240, 360, 2535, 1695});

    AddPanelLabel(frame, "lblTitle", identity::ProgramName(), FontOf(toolkit::kArialFaces, 21.75, {.bold = true}),
                  {2880, 360, 4005, 1695});
    AddPanelLabel(frame, "lblVersion", identity::VersionCaption(), defaultFont, {6120, 120, 1020, 195});
    AddPanelLabel(frame, "lblInfo", toolkit::ToQString(texts::shell::kIntroInfo), FontOf(toolkit::kArialFaces, 9.75),
                  {120, 2160, 6855, 1035});
    AddPanelLabel(frame, "lblInstructions", toolkit::ToQString(texts::shell::kIntroInstructions),
                  FontOf(toolkit::kSansFaces, 9.75), {720, 3240, 5655, 495}, Qt::AlignCenter);
    AddPanelLabel(frame, "lblName", toolkit::ToQString(texts::shell::kByLinePrefix) + identity::Maintainer(),
                  FontOf(toolkit::kArialFaces, 9.75, {.bold = true}), {3840, 3840, 1950, 240});
    auto* questions = AddPanelLabel(frame, "lblQuestions", toolkit::ToQString(texts::shell::kQuestions), defaultFont,
                                    {360, 4200, 3735, 195});

    auto* email = AddPanelLabel<toolkit::ClickableLabel>(frame, "lblEmail", identity::ContactAddress(),
                                                         FontOf(toolkit::kSansFaces, 8.25, {.bold = true}),
                                                         {4200, 4200, 1935, 195});
    toolkit::SetTextColour(*email, Qt::blue);
    email->setCursor(Qt::PointingHandCursor);
    // The address follows the question even where a wider face lengthens it.
    email->move(std::max(email->x(), questions->geometry().right() + 4), email->y());
    connect(email, &toolkit::ClickableLabel::clicked, this, [this] { openLink_(identity::ContactLink()); });
}

}  // namespace vantrell::shell
