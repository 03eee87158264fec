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

std::string VersionCaption() { return Filled(Text("Version {1}"), {kVersion}); }

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
    // TRANSLATORS: {1} is a specialization line's name.
    return Filled(offset < 0 ? Text("Move {1} up") : Text("Move {1} down"), {caption});
}

std::string PriorityPlaceAnnouncement(std::string_view caption, std::size_t place) {
    // TRANSLATORS: {1} is a specialization line's name, {2} its place in the training priority.
    return Filled(Text("{1} is number {2} of the priority."), {caption, std::to_string(place + 1)});
}

std::string ControlNameOf(std::string_view caption) {
    if (caption.ends_with(':')) caption.remove_suffix(1);
    // French sets a no-break space before its colon.
    while (caption.ends_with(' ')) caption.remove_suffix(1);
    if (caption.ends_with("\u00a0")) caption.remove_suffix(std::string_view("\u00a0").size());
    return std::string(caption);
}

std::string LocalLinkNote() {
    return Filled(web::kLocalLinkNote, {captions::kCopyPlanCode});
}

std::string ProposedPlanName(std::string_view classCaption, int characterLevel) {
    return std::string(classCaption) + ' ' + std::to_string(characterLevel);
}

std::string ReplacePlanQuestion(std::string_view name) {
    return Filled(Text("A plan named \"{1}\" is already saved. Replace it?"), {Excerpt(name)});
}

std::string DeletePlanQuestion(std::string_view name) {
    return Filled(Text("Delete the saved plan \"{1}\"?"), {Excerpt(name)});
}

std::string NoteOnPlanLabel(std::string_view name) {
    return Filled(Text("Note on \"{1}\" (up to 2,000 characters):"), {Excerpt(name)});
}

std::string UnreadableLibraryNote(std::string_view reason, std::string_view movedTo) {
    return Filled(Text("The saved plans could not be read: {1}\nThe file was kept as {2}, and the list of saved plans "
                       "starts empty."),
                  {reason, movedTo});
}

std::string UnreadableStoredPlansNote(std::string_view reason, std::string_view keptUnder) {
    return Filled(Text("The saved plans could not be read: {1}\nThe browser keeps them under \"{2}\", and the list of "
                       "saved plans starts empty."),
                  {reason, keptUnder});
}

std::string NoSavedPlanNamed(std::string_view name) {
    return Filled(Text("There is no plan named \"{1}\"."), {Excerpt(name)});
}

std::string UnwritableLibraryNote(std::string_view folder) {
    return Filled(Text("The saved plans cannot be written to {1}. They are kept while the program runs, and every "
                       "change tries again."),
                  {folder});
}

std::string ImportedPlansNote(std::size_t plans, std::size_t unusable) {
    std::string note =
        Filled(Plural("{1} plan was imported.", "{1} plans were imported.", plans), {std::to_string(plans)});
    if (unusable > 0) {
        note += ' ';
        note += Filled(Text("{1} of them cannot be opened."), {std::to_string(unusable)});
    }
    return note;
}

std::string CompleteFromNote(int characterLevel) {
    return std::string(captions::kComparedCompleteFrom) + " " + std::to_string(characterLevel);
}

}  // namespace vantrell::texts
