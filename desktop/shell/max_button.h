#pragma once

#include <stdexcept>
#include <string>

class QWidget;

namespace vantrell::shell {

// The error the maximize-box switch raises, with a source and number of its own.
class WindowError : public std::runtime_error {
public:
    WindowError(std::string source, const std::string& description);

    static constexpr long kNumber = -2147221504;  // the first user-defined object error number
    const std::string& source() const { return source_; }
    long number() const { return kNumber; }

private:
    std::string source_;
};

// Declares a top-level window maximizable or not. Raises WindowError when no
// top-level window is given.
void EnableMaxButton(QWidget* window, bool enable);

}  // namespace vantrell::shell
