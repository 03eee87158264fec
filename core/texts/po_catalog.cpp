#include "core/texts/po_catalog.h"

#include <cctype>

namespace vantrell::texts::po {
namespace {

std::string_view Trimmed(std::string_view line) {
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front())) != 0) line.remove_prefix(1);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())) != 0) line.remove_suffix(1);
    return line;
}

// A quoted string's text with its escapes undone; nothing when it is not one quoted string.
std::optional<std::string> Unquoted(std::string_view quoted) {
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') return std::nullopt;
    std::string text;
    for (std::size_t at = 1; at + 1 < quoted.size(); ++at) {
        char c = quoted[at];
        if (c == '"') return std::nullopt;
        if (c == '\\') {
            if (at + 2 >= quoted.size()) return std::nullopt;
            switch (quoted[++at]) {
            case 'n': c = '\n'; break;
            case 't': c = '\t'; break;
            case '"': c = '"'; break;
            case '\\': c = '\\'; break;
            default: return std::nullopt;
            }
        }
        text += c;
    }
    return text;
}

class Reader {
public:
    // Takes one line; false when it is no part of a catalog.
    bool Take(std::string_view line) {
        line = Trimmed(line);
        if (line.empty()) return true;
        if (line.starts_with("#,")) {
            if (field_ != nullptr) Finish();
            fuzzy_ = line.find("fuzzy") != std::string_view::npos;
            return true;
        }
        if (line.front() == '#') return true;
        if (line.front() == '"') {
            const auto text = Unquoted(line);
            if (!text || field_ == nullptr) return false;
            *field_ += *text;
            return true;
        }
        const std::size_t space = line.find(' ');
        if (space == std::string_view::npos) return false;
        return Start(line.substr(0, space), Trimmed(line.substr(space)));
    }

    Catalog Finished() {
        Finish();
        return std::move(catalog_);
    }

private:
    bool Start(std::string_view keyword, std::string_view quoted) {
        const auto text = Unquoted(quoted);
        if (!text) return false;
        if (keyword == "msgid") {
            Finish();
            field_ = &entry_.id;
            started_ = true;
        } else if (keyword == "msgid_plural" && started_) {
            field_ = &entry_.idPlural;
        } else if (keyword == "msgstr" && started_) {
            field_ = &entry_.texts.emplace_back();
        } else if (keyword.starts_with("msgstr[") && keyword.ends_with("]") && started_ &&
                   keyword.substr(7, keyword.size() - 8) == std::to_string(entry_.texts.size())) {
            field_ = &entry_.texts.emplace_back();
        } else {
            return false;
        }
        *field_ = *text;
        return true;
    }

    void Finish() {
        if (started_ && entry_.id.empty()) {
            const auto forms = entry_.texts.empty() ? std::string_view() : std::string_view(entry_.texts.front());
            const auto rule = forms.find("plural=");
            catalog_.zeroIsSingular = rule != std::string_view::npos && forms.substr(rule).starts_with("plural=(n > 1)");
        } else if (started_) {
            entry_.fuzzy = fuzzy_;
            catalog_.entries.push_back(std::move(entry_));
        }
        entry_ = Entry();
        field_ = nullptr;
        started_ = false;
        fuzzy_ = false;
    }

    Catalog catalog_;
    Entry entry_;
    std::string* field_ = nullptr;
    bool started_ = false;
    bool fuzzy_ = false;
};

}  // namespace

std::optional<Catalog> Parse(std::string_view text, std::string* fault) {
    Reader reader;
    for (std::size_t number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        if (!reader.Take(line)) {
            if (fault != nullptr) *fault = "line " + std::to_string(number) + ": " + std::string(line.substr(0, 80));
            return std::nullopt;
        }
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return reader.Finished();
}

std::vector<std::string> Placeholders(std::string_view text) {
    std::vector<std::string> found;
    for (std::size_t open = text.find('{'); open != std::string_view::npos; open = text.find('{', open + 1)) {
        const std::size_t close = text.find('}', open);
        if (close == std::string_view::npos) break;
        const std::string_view inside = text.substr(open + 1, close - open - 1);
        if (!inside.empty() && inside.find_first_not_of("0123456789") == std::string_view::npos) {
            found.emplace_back(text.substr(open, close - open + 1));
        }
    }
    return found;
}

}  // namespace vantrell::texts::po
