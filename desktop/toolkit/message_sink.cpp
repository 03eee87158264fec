#include "desktop/toolkit/message_sink.h"

#include <QMessageBox>

namespace vantrell::toolkit {

MessageSink ModalMessageBox() {
    return [](QWidget* parent, const MessageRequest& request) {
        QMessageBox box(request.icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                        request.title, request.text, QMessageBox::Ok, parent);
        box.exec();
    };
}

}  // namespace vantrell::toolkit
