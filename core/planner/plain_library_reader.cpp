#include "core/planner/plain_library_reader.h"

#include <cstring>

#include "core/planner/blanks.h"
#include "core/texts/unicode.h"

namespace vantrell::planner {
namespace {

// Walks a document of the one shape the program writes. Every step says whether
// the document still has that shape; the first that does not ends the walk.
class PlainScanner {
public:
    explicit PlainScanner(std::string_view text) : text_(text) {}

    bool Take(char wanted) {
        SkipBlanks();
        if (at_ >= text_.size() || text_[at_] != wanted) return false;
        ++at_;
        return true;
    }
    bool Peek(char wanted) {
        SkipBlanks();
        return at_ < text_.size() && text_[at_] == wanted;
    }
    bool Word(std::string_view wanted) {
        SkipBlanks();
        if (text_.substr(at_, wanted.size()) != wanted) return false;
        at_ += wanted.size();
        return true;
    }
    // A text with nothing escaped in it, as names, codes and stems nearly always are.
    bool String(std::string& value) {
        std::string_view read;
        if (!Text(read)) return false;
        value.assign(read);
        return true;
    }
    bool Field(std::string_view key) {
        std::string_view read;
        return Text(read) && read == key && Take(':');
    }
    bool AtEnd() {
        SkipBlanks();
        return at_ == text_.size();
    }

private:
    void SkipBlanks() {
        while (at_ < text_.size() && IsBlank(text_[at_])) ++at_;
    }
    // A text with nothing escaped (a quote found after a backslash may not end it) and UTF-8 throughout,
    // found in one pass over its bytes.
    bool Text(std::string_view& read) {
        if (!Take('"')) return false;
        const std::size_t start = at_;
        bool ascii = true;
        for (; at_ < text_.size(); ++at_) {
            const auto byte = static_cast<unsigned char>(text_[at_]);
            if (byte == '"') break;
            if (byte == '\\' || byte < 0x20) return false;
            ascii = ascii && byte < 0x80;
        }
        if (at_ == text_.size()) return false;
        read = text_.substr(start, at_++ - start);
        return ascii || texts::IsUtf8(read);
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

bool ReadPriority(PlainScanner& scanner, std::vector<std::string>& priority) {
    if (!scanner.Take('[')) return false;
    if (scanner.Take(']')) return true;
    do {
        if (!scanner.String(priority.emplace_back())) return false;
    } while (scanner.Take(','));
    return scanner.Take(']');
}

bool ReadEntry(PlainScanner& scanner, std::vector<SavedPlan>& plans) {
    std::string name;
    std::string code;
    std::vector<std::string> priority;
    if (!scanner.Take('{') || !scanner.Field("name") || !scanner.String(name) || !scanner.Take(',') ||
        !scanner.Field("code") || !scanner.String(code) || !scanner.Take(',') || !scanner.Field("priority") ||
        !ReadPriority(scanner, priority) || !scanner.Take('}')) {
        return false;
    }
    plans.push_back(PlanOfPlainEntry(std::move(name), std::move(code), std::move(priority)));
    return true;
}

bool ReadEntries(PlainScanner& scanner, std::vector<SavedPlan>& plans) {
    if (!scanner.Take('[')) return false;
    if (scanner.Take(']')) return true;
    do {
        if (!ReadEntry(scanner, plans)) return false;
    } while (scanner.Take(','));
    return scanner.Take(']');
}

// Each entry opens a brace: their count bounds the plans, which are then never moved as the list grows.
std::size_t EntriesAtMost(std::string_view document) {
    std::size_t braces = 0;
    // memchr, not a loop over every byte: it looks at several at once.
    for (const char* at = document.data(); const void* found = std::memchr(at, '{', document.data() + document.size() - at);
         at = static_cast<const char*>(found) + 1) {
        ++braces;
    }
    return braces;
}

}  // namespace

std::optional<std::vector<SavedPlan>> ReadPlainLibrary(std::string_view document, std::string_view format) {
    PlainScanner scanner(document);
    std::string read;
    std::vector<SavedPlan> plans;
    plans.reserve(EntriesAtMost(document));
    if (!scanner.Take('{') || !scanner.Field("format") || !scanner.String(read) || read != format ||
        !scanner.Take(',') || !scanner.Field("version") || !scanner.Word("1") || scanner.Peek('.') ||
        scanner.Peek('e') || scanner.Peek('E') || !scanner.Take(',') || !scanner.Field("plans") ||
        !ReadEntries(scanner, plans) || !scanner.Take('}') || !scanner.AtEnd()) {
        return std::nullopt;
    }
    return plans;
}

}  // namespace vantrell::planner
