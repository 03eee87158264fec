#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vantrell::cli {

inline constexpr int kDone = 0;
inline constexpr int kRefused = 2;

// Runs vantrell-cli on `arguments` (the program's name first): what it shows on
// `out`, or one line on `err` saying why not. Returns the exit status.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace vantrell::cli
