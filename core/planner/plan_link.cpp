#include "core/planner/plan_link.h"

#include <algorithm>
#include <cctype>

#include "core/texts/composed.h"

namespace vantrell::planner {
namespace {

char LowerAscii(char letter) { return static_cast<char>(std::tolower(static_cast<unsigned char>(letter))); }

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(),
                                                      [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
}

bool IsServedAddress(std::string_view address) {
    return StartsWithIgnoringCase(address, "http://") || StartsWithIgnoringCase(address, "https://");
}

// A fragment may hold these as they are; anything else is percent-encoded, so
// that the link survives being pasted into a mail or a chat.
bool FitsInFragment(char character) {
    const auto byte = static_cast<unsigned char>(character);
    if (std::isalnum(byte) != 0) return true;
    return std::string_view("-._~!$&'()*+,;=:@/?").find(character) != std::string_view::npos;
}

}  // namespace

std::string LinkToPlan(std::string_view base, std::string_view code) {
    std::string link(base.substr(0, base.find('#')));
    link += '#';
    constexpr std::string_view kHexDigits = "0123456789ABCDEF";
    for (char character : code) {
        if (FitsInFragment(character)) {
            link += character;
        } else {
            const auto byte = static_cast<unsigned char>(character);
            link += '%';
            link += kHexDigits[byte >> 4];
            link += kHexDigits[byte & 0x0F];
        }
    }
    return link;
}

bool IsWebHome(std::string_view home) {
    if (!IsServedAddress(home) || !home.ends_with('/')) return false;
    const std::string_view host = home.substr(home.find("//") + 2);
    return host.size() > 1 && host.front() != '/' &&
           host.find_first_of(" #?\t\r\n") == std::string_view::npos;
}

SharedLink LinkForPage(std::string_view pageAddress, std::string_view home, std::string_view code) {
    if (IsServedAddress(pageAddress)) return {LinkToPlan(pageAddress, code), false, {}};
    if (IsWebHome(home)) return {LinkToPlan(home, code), false, {}};
    return {LinkToPlan(pageAddress, code), true, texts::LocalLinkNote()};
}

}  // namespace vantrell::planner
