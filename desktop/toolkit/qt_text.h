#pragma once

#include <QString>
#include <string_view>

namespace vantrell::toolkit {

// Catalog texts are UTF-8 views; the widgets take QString.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace vantrell::toolkit
