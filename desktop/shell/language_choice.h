#pragma once

#include <string>

// The language the desktop shows its texts in: the one chosen in the selector,
// remembered across starts, or else the first of the system's that Vantrell has.
namespace vantrell::shell {

std::string StartLanguage();
void RememberLanguage(const std::string& code);

}  // namespace vantrell::shell
