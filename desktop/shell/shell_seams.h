#pragma once

#include <QString>
#include <functional>

#include "desktop/toolkit/message_sink.h"

namespace vantrell::app {

// Everything the shell hands to the desktop goes through these, so tests can capture it.
struct ShellSeams {
    toolkit::MessageSink messages;
    std::function<void(const QString& link)> openLink;
};

// Modal message boxes, and links handed to the desktop's default handler.
ShellSeams DesktopSeams();

}  // namespace vantrell::app
