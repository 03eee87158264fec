#pragma once

#include <QImage>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QDialogButtonBox;
class QPushButton;

namespace vantrell::planner_window {

// A rendering of what a window shows in the named form: nothing while it shows nothing to copy.
using FormatRenderer = std::function<std::optional<std::string>(std::string_view format)>;

// The picture of an SVG rendering at twice its size, sharp on a screen of any density.
QImage ImageOf(const std::string& svg);

// A "Copy As" button beside a dialog's others, its menu copying what `render`
// gives as Markdown, BBCode or a picture.
QPushButton* AddCopyFormatsButton(QDialogButtonBox& buttons, FormatRenderer render);

}  // namespace vantrell::planner_window
