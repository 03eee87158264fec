#include "core/texts/composed.h"

#include "core/texts/captions.h"
#include "core/texts/shell_texts.h"
#include "core/texts/unicode.h"
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

std::string ProposedPlanName(std::string_view classCaption, int characterLevel) {
    return std::string(classCaption) + ' ' + std::to_string(characterLevel);
}

std::string ReplacePlanQuestion(std::string_view name) {
    return "A plan named \"" + Excerpt(name) + "\" is already saved. Replace it?";
}

std::string DeletePlanQuestion(std::string_view name) {
    return "Delete the saved plan \"" + Excerpt(name) + "\"?";
}

std::string NoteOnPlanLabel(std::string_view name) {
    std::string label = "Note on \"";
    return label.append(Excerpt(name)).append("\" (up to 2,000 characters):");
}

std::string UnreadableLibraryNote(std::string_view reason, std::string_view movedTo) {
    return "The saved plans could not be read: " + std::string(reason) + "\nThe file was kept as " +
           std::string(movedTo) + ", and the list of saved plans starts empty.";
}

std::string UnreadableStoredPlansNote(std::string_view reason, std::string_view keptUnder) {
    return "The saved plans could not be read: " + std::string(reason) + "\nThe browser keeps them under \"" +
           std::string(keptUnder) + "\", and the list of saved plans starts empty.";
}

std::string NoSavedPlanNamed(std::string_view name) {
    return "There is no plan named \"" + Excerpt(name) + "\".";
}

std::string UnwritableLibraryNote(std::string_view folder) {
    return "The saved plans cannot be written to " + std::string(folder) +
           ". They are kept while the program runs, and every change tries again.";
}

std::string ImportedPlansNote(std::size_t plans, std::size_t unusable) {
    // Appended piece by piece: GCC 12 at -O3 takes a short literal before a number for an overlapping copy.
    std::string note = std::to_string(plans);
    note += plans == 1 ? " plan was imported." : " plans were imported.";
    if (unusable > 0) {
        note += ' ';
        note += std::to_string(unusable);
        note += " of them cannot be opened.";
    }
    return note;
}

std::string CompleteFromNote(int characterLevel) {
    return std::string(captions::kComparedCompleteFrom) + " " + std::to_string(characterLevel);
}

}  // namespace vantrell::texts
