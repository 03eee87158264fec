#include "desktop/planner_window/copy_formats.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <utility>

#include "core/texts/captions.h"
#include "desktop/toolkit/qt_text.h"

namespace vantrell::planner_window {

QImage ImageOf(const std::string& svg) {
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    QImage image(renderer.defaultSize() * 2, QImage::Format_ARGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(renderer.defaultSize())));
    return image;
}

QPushButton* AddCopyFormatsButton(QDialogButtonBox& buttons, FormatRenderer render) {
    namespace captions = texts::captions;
    QPushButton* button = buttons.addButton(toolkit::ToQString(captions::kCopyAs), QDialogButtonBox::ActionRole);
    button->setObjectName("cmdCopyAs");
    button->setAutoDefault(false);
    auto* menu = new QMenu(button);
    const auto add = [&](std::string_view caption, const char* name, std::function<void(std::string)> copy,
                         std::string_view format) {
        QAction* action = menu->addAction(toolkit::ToQString(caption));
        action->setObjectName(name);
        QObject::connect(action, &QAction::triggered, button, [render, copy = std::move(copy), format] {
            if (const auto rendered = render(format)) copy(*rendered);
        });
    };
    const auto text = [](std::string rendered) { QGuiApplication::clipboard()->setText(QString::fromStdString(rendered)); };
    add(captions::kCopyAsMarkdown, "actCopyAsMarkdown", text, "markdown");
    add(captions::kCopyAsBbcode, "actCopyAsBbcode", text, "bbcode");
    add(captions::kCopyAsImage, "actCopyAsImage",
        [](std::string svg) { QGuiApplication::clipboard()->setImage(ImageOf(svg)); }, "svg");
    button->setMenu(menu);
    return button;
}

}  // namespace vantrell::planner_window
