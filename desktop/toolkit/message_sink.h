#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace vantrell::toolkit {

enum class MessageIcon { None, Information };

struct MessageRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
};

// Every modal message goes through one of these, so tests can capture messages
// instead of blocking on a box.
using MessageSink = std::function<void(QWidget* parent, const MessageRequest& request)>;

// A modal box with an OK button only.
MessageSink ModalMessageBox();

}  // namespace vantrell::toolkit
