#pragma once

#include <string>

// The language the desktop shows its texts in: the one chosen in the selector,
// remembered across starts, or else the first of the system's that Vantrell has.
namespace vantrell::shell {

std::string StartLanguage();
void RememberLanguage(const std::string& code);
// Shows the program's texts in `code` from now on, and Qt's own (standard buttons,
// file dialogs, the edit menus of text fields) in it too where Qt has them.
void ApplyLanguage(const std::string& code);

}  // namespace vantrell::shell
