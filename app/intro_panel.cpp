#include "app/intro_panel.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>

#include "app/identity.h"
#include "app/shell_texts.h"
#include "planner/window/clickable_label.h"
#include "planner/window/fonts.h"
#include "planner/window/qt_text.h"
#include "planner/window/twips.h"

namespace vantrell::app {
namespace {

using window::FontOf;

constexpr window::TwipRect kTitleFrame{120, 0, 7200, 4635};
constexpr int kFrameInnerRight = kTitleFrame.width - 60;

QLabel* AddLabel(QWidget* parent, QLabel* label, const char* name, const QString& text, const QFont& font,
                 const window::TwipRect& rect) {
    label->setParent(parent);
    label->setObjectName(name);
    label->setText(text);
    label->setFont(font);
    label->setWordWrap(true);
    // Wider faces than the ones the panel was drawn with must not cut a text off.
    window::TwipRect fitted = rect;
    if (rect.height <= 255) fitted.width = window::FittedWidth(*label, text, rect.width);
    fitted.left = std::min(fitted.left, kFrameInnerRight - fitted.width);
    window::PlaceInTwips(*label, fitted);
    return label;
}

}  // namespace

IntroPanel::IntroPanel(std::function<void(const QString&)> openLink, QWidget* parent)
    : QWidget(parent), openLink_(std::move(openLink)) {
    setObjectName("frmIntro");
    const QFont defaultFont = FontOf(window::kSansFaces, 8.25);
    setFont(defaultFont);

    auto* frame = new QFrame(this);
    frame->setObjectName("fraTitle");
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    window::PlaceInTwips(*frame, kTitleFrame);

    auto* logo = new QLabel(frame);
    logo->setObjectName("imgLogo");
    logo->setPixmap(QPixmap(":/vantrell/logo.png"));
    logo->setScaledContents(true);
    window::PlaceInTwips(*logo, {240, 360, 2535, 1695});

    AddLabel(frame, new QLabel, "lblTitle", identity::kProgramName, FontOf(window::kArialFaces, 21.75, {.bold = true}),
             {2880, 360, 4005, 1695});
    AddLabel(frame, new QLabel, "lblVersion", identity::kVersionCaption, defaultFont, {6120, 120, 1020, 195});
    AddLabel(frame, new QLabel, "lblInfo", window::ToQString(texts::kIntroInfo), FontOf(window::kArialFaces, 9.75),
             {120, 2160, 6855, 1035});
    auto* instructions = AddLabel(frame, new QLabel, "lblInstructions", window::ToQString(texts::kIntroInstructions),
                                  FontOf(window::kSansFaces, 9.75), {720, 3240, 5655, 495});
    instructions->setAlignment(Qt::AlignCenter);
    AddLabel(frame, new QLabel, "lblName", window::ToQString(texts::kByLinePrefix) + identity::kMaintainer,
             FontOf(window::kArialFaces, 9.75, {.bold = true}), {3840, 3840, 1950, 240});
    auto* questions = AddLabel(frame, new QLabel, "lblQuestions", window::ToQString(texts::kQuestions), defaultFont,
                               {360, 4200, 3735, 195});

    auto* email = new window::ClickableLabel;
    AddLabel(frame, email, "lblEmail", identity::kContactAddress, FontOf(window::kSansFaces, 8.25, {.bold = true}),
             {4200, 4200, 1935, 195});
    QPalette blue = email->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    email->setPalette(blue);
    email->setCursor(Qt::PointingHandCursor);
    // The address follows the question even where a wider face lengthens it.
    email->move(std::max(email->x(), questions->geometry().right() + 4), email->y());
    connect(email, &window::ClickableLabel::clicked, this, [this] { openLink_(identity::kContactLink); });
}

}  // namespace vantrell::app
