#include "core/texts/composed.h"

#include "core/texts/captions.h"
#include "core/texts/shell_texts.h"
#include "core/texts/web_texts.h"
#include "vantrell_version.h"

namespace vantrell::texts {
namespace {

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.' || c == '!' || c == '~' || c == '*' || c == '\'' || c == '(' || c == ')';
}

// As a page's encodeURIComponent writes it.
std::string PercentEncoded(std::string_view text) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char byte : text) {
        const auto c = static_cast<unsigned char>(byte);
        if (IsUnreserved(c)) {
            encoded += byte;
        } else {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 0xF];
        }
    }
    return encoded;
}

}  // namespace

std::string VersionCaption() { return "Version " + std::string(kVersion); }

std::string AboutText() {
    std::string text(shell::kAboutTextLead);
    text += shell::kContactAddress;
    text += '.';
    return text;
}

std::string ContactLink() {
    std::string link = "MailTo:";
    link += shell::kContactAddress;
    link += "?subject=";
    link += shell::kContactSubject;
    return link;
}

std::string ContactHref() {
    std::string link = "mailto:";
    link += shell::kContactAddress;
    link += "?subject=";
    link += PercentEncoded(shell::kContactSubject);
    return link;
}

std::string PriorityMoveLabel(std::string_view caption, int offset) {
    std::string label = "Move ";
    label += caption;
    label += offset < 0 ? " up" : " down";
    return label;
}

std::string PriorityPlaceAnnouncement(std::string_view caption, std::size_t place) {
    std::string text(caption);
    text += " is number ";
    text += std::to_string(place + 1);
    text += " of the priority.";
    return text;
}

std::string ControlNameOf(std::string_view caption) {
    if (caption.ends_with(':')) caption.remove_suffix(1);
    return std::string(caption);
}

std::string LocalLinkNote() {
    return std::string(web::kLocalLinkLead) + std::string(captions::kCopyPlanCode) + std::string(web::kLocalLinkTail);
}

}  // namespace vantrell::texts
