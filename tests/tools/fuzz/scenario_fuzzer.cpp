// libFuzzer target over the scenario driver: any script must end with status 0
// and no error output, or status 2 and exactly one "error: line N: reason"
// line naming a real command line; every line printed must be well-formed JSON
// of the three shapes the driver promises, every plan it shows must add up and
// every training path must climb level by level within its points.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/scenario/scenario_runner.h"

namespace {

[[noreturn]] void Broken(const std::string& what, std::string_view context) {
    std::fprintf(stderr, "scenario fuzzer: %s\n  in: %.*s\n", what.c_str(), static_cast<int>(context.size()),
                 context.data());
    std::abort();
}

// Just enough of a JSON reader to prove a line is one strict JSON value and to
// look into it: objects keep their keys, numbers their text.
struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    bool boolean = false;
    std::string text;  // a string's decoded bytes, or a number as written
    std::vector<Json> items;
    std::map<std::string, Json, std::less<>> members;

    const Json* Member(std::string_view key) const {
        const auto found = members.find(key);
        return found == members.end() ? nullptr : &found->second;
    }
};

class JsonReader {
public:
    explicit JsonReader(std::string_view line) : text_(line) {}

    Json Document() {
        Json value = Value(0);
        if (position_ != text_.size()) Fail("text after the value");
        return value;
    }

private:
    static constexpr int kDeepest = 16;

    [[noreturn]] void Fail(const std::string& why) const {
        Broken("malformed JSON (" + why + ") at byte " + std::to_string(position_), text_);
    }
    bool AtEnd() const { return position_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[position_]; }
    void Expect(char c) {
        if (Peek() != c) Fail(std::string("expected '") + c + "'");
        ++position_;
    }
    void ExpectWord(std::string_view word) {
        if (text_.substr(position_, word.size()) != word) Fail("expected " + std::string(word));
        position_ += word.size();
    }

    // The driver writes no blanks between tokens, so none are accepted.
    Json Value(int depth) {
        if (depth > kDeepest) Fail("nested too deep");
        Json value;
        switch (Peek()) {
        case '{': value = Object(depth); break;
        case '[': value = Array(depth); break;
        case '"':
            value.kind = Json::Kind::String;
            value.text = String();
            break;
        case 't':
            ExpectWord("true");
            value.kind = Json::Kind::Bool;
            value.boolean = true;
            break;
        case 'f':
            ExpectWord("false");
            value.kind = Json::Kind::Bool;
            break;
        case 'n': ExpectWord("null"); break;
        default: value = Number();
        }
        return value;
    }

    Json Object(int depth) {
        Json value;
        value.kind = Json::Kind::Object;
        Expect('{');
        if (Peek() == '}') {
            ++position_;
            return value;
        }
        while (true) {
            std::string key = String();
            Expect(':');
            if (!value.members.emplace(key, Value(depth + 1)).second) Fail("duplicate key " + key);
            if (Peek() == '}') break;
            Expect(',');
        }
        ++position_;
        return value;
    }

    Json Array(int depth) {
        Json value;
        value.kind = Json::Kind::Array;
        Expect('[');
        if (Peek() == ']') {
            ++position_;
            return value;
        }
        while (true) {
            value.items.push_back(Value(depth + 1));
            if (Peek() == ']') break;
            Expect(',');
        }
        ++position_;
        return value;
    }

    Json Number() {
        Json value;
        value.kind = Json::Kind::Number;
        const std::size_t start = position_;
        if (Peek() == '-') ++position_;
        if (Peek() == '0') {
            ++position_;
        } else if (Peek() >= '1' && Peek() <= '9') {
            while (Peek() >= '0' && Peek() <= '9') ++position_;
        } else {
            Fail("not a value");
        }
        if (Peek() == '.' || Peek() == 'e' || Peek() == 'E') Fail("the driver prints whole numbers only");
        value.text = std::string(text_.substr(start, position_ - start));
        return value;
    }

    std::string String() {
        Expect('"');
        std::string decoded;
        while (true) {
            if (AtEnd()) Fail("unterminated string");
            const auto byte = static_cast<unsigned char>(text_[position_]);
            if (byte == '"') break;
            if (byte < 0x20) Fail("raw control character in a string");
            if (byte == '\\') {
                decoded += Escape();
                continue;
            }
            const std::size_t length = Utf8Length(byte);
            if (length == 0 || position_ + length > text_.size()) Fail("invalid UTF-8");
            for (std::size_t i = 1; i < length; ++i) {
                if ((static_cast<unsigned char>(text_[position_ + i]) & 0xC0) != 0x80) Fail("invalid UTF-8");
            }
            decoded.append(text_.substr(position_, length));
            position_ += length;
        }
        ++position_;
        return decoded;
    }

    std::string Escape() {
        ++position_;
        const char c = Peek();
        ++position_;
        switch (c) {
        case '"': return "\"";
        case '\\': return "\\";
        case '/': return "/";
        case 'b': return "\b";
        case 'f': return "\f";
        case 'n': return "\n";
        case 'r': return "\r";
        case 't': return "\t";
        case 'u': {
            unsigned code = 0;
            for (int i = 0; i < 4; ++i) {
                const char h = Peek();
                ++position_;
                code <<= 4;
                if (h >= '0' && h <= '9')
                    code |= static_cast<unsigned>(h - '0');
                else if (h >= 'a' && h <= 'f')
                    code |= static_cast<unsigned>(h - 'a' + 10);
                else if (h >= 'A' && h <= 'F')
                    code |= static_cast<unsigned>(h - 'A' + 10);
                else
                    Fail("bad \\u escape");
            }
            if (code >= 0x20) Fail("\\u escape for a character that needs none");
            return std::string(1, static_cast<char>(code));
        }
        default: Fail("unknown escape");
        }
    }

    // Overlong forms and surrogates are not valid UTF-8 either, but the
    // driver passes catalog texts through, so lead bytes are checked only.
    static std::size_t Utf8Length(unsigned char lead) {
        if (lead < 0x80) return 1;
        if (lead >= 0xC2 && lead <= 0xDF) return 2;
        if (lead >= 0xE0 && lead <= 0xEF) return 3;
        if (lead >= 0xF0 && lead <= 0xF4) return 4;
        return 0;
    }

    std::string_view text_;
    std::size_t position_ = 0;
};

const Json& Need(const Json& object, std::string_view key, Json::Kind kind, std::string_view line) {
    const Json* member = object.Member(key);
    if (member == nullptr || member->kind != kind) Broken("missing or mistyped \"" + std::string(key) + "\"", line);
    return *member;
}

// A label's number: plain decimal digits, optional minus, no leading zero, no "-0".
bool PlainDecimal(std::string_view text) {
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '-') digits.remove_prefix(1);
    if (digits.empty() || digits.size() > 6) return false;
    for (const char c : digits) {
        if (c < '0' || c > '9') return false;
    }
    if (digits.size() > 1 && digits.front() == '0') return false;
    return !(text.front() == '-' && digits == "0");
}

long NumberOf(const Json& value, std::string_view line) {
    if (!PlainDecimal(value.text)) Broken("not a plain decimal number: " + value.text, line);
    return std::stol(value.text);
}

void CheckMessage(const Json& document, std::string_view line) {
    const Json* message = document.Member("message");
    if (document.members.size() != 1 || message == nullptr) Broken("a click line is {\"message\":...}", line);
    if (message->kind == Json::Kind::Null) return;
    if (message->kind != Json::Kind::Object || message->members.size() != 2) Broken("a message has two fields", line);
    if (Need(*message, "title", Json::Kind::String, line).text.empty()) Broken("a message without a title", line);
    Need(*message, "text", Json::Kind::String, line);
}

void CheckPlan(const Json& document, std::string_view line) {
    Need(document, "class", Json::Kind::String, line);
    Need(document, "title", Json::Kind::String, line);
    const long level = NumberOf(Need(document, "level", Json::Kind::Number, line), line);
    if (level < 6 || level > 50) Broken("character level outside 6 to 50", line);
    const long total = NumberOf(Need(document, "total", Json::Kind::String, line), line);
    const long left = NumberOf(Need(document, "left", Json::Kind::String, line), line);
    if (left < 0) Broken("the plan is over budget", line);

    const Json& lines = Need(document, "lines", Json::Kind::Array, line);
    if (lines.items.size() < 3 || lines.items.size() > 8) Broken("a class has 3 to 8 lines", line);
    long spent = 0;
    for (const Json& entry : lines.items) {
        if (entry.kind != Json::Kind::Object) Broken("a line entry is an object", line);
        Need(entry, "stem", Json::Kind::String, line);
        Need(entry, "abilities", Json::Kind::String, line);
        const long value = NumberOf(Need(entry, "value", Json::Kind::Number, line), line);
        const long minimum = NumberOf(Need(entry, "min", Json::Kind::Number, line), line);
        const long maximum = NumberOf(Need(entry, "max", Json::Kind::Number, line), line);
        const bool enabled = Need(entry, "enabled", Json::Kind::Bool, line).boolean;
        const long shownLevel = NumberOf(Need(entry, "level", Json::Kind::String, line), line);
        const long points = NumberOf(Need(entry, "points", Json::Kind::String, line), line);
        const long percent = NumberOf(Need(entry, "percent", Json::Kind::String, line), line);
        if (minimum != 1 || value < minimum || (enabled && value > maximum)) {
            Broken("slider value out of its range", line);
        }
        if (shownLevel != value) Broken("level label differs from the slider", line);
        if (points != value * (value + 1) / 2 - 1) Broken("points label is not the cost of the level", line);
        if (percent != 100 * points / total) Broken("percent label is not the rounded-down share", line);
        spent += points;
    }
    if (left != total - spent) Broken("points left do not add up", line);
}

// One step per character level from 6, no line ever lowered, never over budget.
void CheckPath(const Json& document, std::string_view line) {
    const Json& steps = Need(document, "path", Json::Kind::Array, line);
    if (document.members.size() != 1 || steps.items.empty() || steps.items.size() > 45) {
        Broken("a path line is {\"path\":[...]} with 1 to 45 steps", line);
    }
    std::vector<long> before;
    long expectedLevel = 6;
    for (const Json& step : steps.items) {
        if (step.kind != Json::Kind::Object || step.members.size() != 4) Broken("a step is an object of four", line);
        if (NumberOf(Need(step, "level", Json::Kind::Number, line), line) != expectedLevel++) {
            Broken("steps do not count up from 6", line);
        }
        if (NumberOf(Need(step, "left", Json::Kind::Number, line), line) < 0) Broken("a step is over budget", line);
        const Json& levels = Need(step, "lines", Json::Kind::Array, line);
        if (levels.items.size() < 3 || levels.items.size() > 8) Broken("a class has 3 to 8 lines", line);
        if (before.empty()) before.assign(levels.items.size(), 1);
        if (levels.items.size() != before.size()) Broken("steps differ in their number of lines", line);
        for (std::size_t index = 0; index < before.size(); ++index) {
            if (levels.items[index].kind != Json::Kind::Number) Broken("a line level is a number", line);
            const long level = NumberOf(levels.items[index], line);
            if (level < before[index]) Broken("a line was untrained", line);
            before[index] = level;
        }
        for (const Json& changed : Need(step, "changed", Json::Kind::Array, line).items) {
            if (changed.kind != Json::Kind::Object || changed.members.size() != 2)
                Broken("a change has two fields", line);
            Need(changed, "stem", Json::Kind::String, line);
            Need(changed, "abilities", Json::Kind::String, line);
        }
    }
}

// An applied code names its class and every line the rules kept below what it asked.
void CheckApplied(const Json& document, std::string_view line) {
    if (document.members.size() != 2) Broken("an applied line has two fields", line);
    if (Need(document, "applied", Json::Kind::String, line).text.empty())
        Broken("an applied code without a class", line);
    for (const Json& lowered : Need(document, "lowered", Json::Kind::Array, line).items) {
        if (lowered.kind != Json::Kind::Object || lowered.members.size() != 3)
            Broken("a lowered line has three fields", line);
        Need(lowered, "caption", Json::Kind::String, line);
        const long requested = NumberOf(Need(lowered, "requested", Json::Kind::Number, line), line);
        const long applied = NumberOf(Need(lowered, "applied", Json::Kind::Number, line), line);
        if (applied < 1 || applied >= requested) Broken("a lowered line is not below its request", line);
    }
}

// A saved plan as `plans` lists it: its class and level as far as they can be read.
void CheckSavedPlan(const Json& plan, std::string_view line) {
    if (plan.kind != Json::Kind::Object) Broken("a listed plan is an object", line);
    Need(plan, "name", Json::Kind::String, line);
    Need(plan, "code", Json::Kind::String, line);
    const Json& usable = Need(plan, "usable", Json::Kind::Bool, line);
    for (const char* key : {"class", "level"}) {
        const Json* field = plan.Member(key);
        if (field == nullptr || (field->kind != Json::Kind::Null && field->kind != Json::Kind::String &&
                                 field->kind != Json::Kind::Number)) {
            Broken("a listed plan's class and level are given or null", line);
        }
    }
    if (usable.boolean == (plan.Member("reason") != nullptr)) Broken("an unusable plan and only it has a reason", line);
}

void CheckLibraryLine(const Json& document, std::string_view line) {
    if (const Json* plans = document.Member("plans")) {
        if (document.members.size() != 1 || plans->kind != Json::Kind::Array) Broken("a plans line is a list", line);
        for (const Json& plan : plans->items) CheckSavedPlan(plan, line);
        return;
    }
    if (const Json* loaded = document.Member("loaded")) {
        if (document.members.size() != 3 || loaded->kind != Json::Kind::String) Broken("a loaded line", line);
        Json applied = document;
        applied.members.erase("loaded");
        applied.members.erase("class");
        applied.members.emplace("applied", Need(document, "class", Json::Kind::String, line));
        CheckApplied(applied, line);
        return;
    }
    if (document.members.size() != 1) Broken("a saved, deleted or renamed line has one field", line);
    for (const char* key : {"saved", "deleted", "renamed"}) {
        if (const Json* name = document.Member(key); name != nullptr && name->kind == Json::Kind::String) return;
    }
    Broken("an unknown output line", line);
}

// Two plans side by side: whole numbers that add up on each side, a row a line.
void CheckComparison(const Json& document, std::string_view line) {
    const Json& compared = Need(document, "compare", Json::Kind::Object, line);
    if (document.members.size() != 1 || compared.members.size() != 5) Broken("a compare line has five fields", line);
    Need(compared, "class", Json::Kind::String, line);
    for (const char* side : {"a", "b"}) {
        const Json& plan = Need(compared, side, Json::Kind::Object, line);
        const long level = NumberOf(Need(plan, "level", Json::Kind::Number, line), line);
        const long total = NumberOf(Need(plan, "total", Json::Kind::Number, line), line);
        const long left = NumberOf(Need(plan, "left", Json::Kind::Number, line), line);
        if (level < 6 || level > 50 || left < 0 || left > total) Broken("a compared plan out of its bounds", line);
    }
    const Json& rows = Need(compared, "lines", Json::Kind::Array, line);
    if (rows.items.size() < 3 || rows.items.size() > 8) Broken("a class has 3 to 8 lines", line);
    for (const Json& row : rows.items) {
        Need(row, "stem", Json::Kind::String, line);
        const bool differs = Need(row, "differs", Json::Kind::Bool, line).boolean;
        const Json& a = Need(row, "a", Json::Kind::Object, line);
        const Json& b = Need(row, "b", Json::Kind::Object, line);
        const bool same =
            Need(a, "level", Json::Kind::Number, line).text == Need(b, "level", Json::Kind::Number, line).text &&
            Need(a, "points", Json::Kind::Number, line).text == Need(b, "points", Json::Kind::Number, line).text &&
            Need(a, "abilities", Json::Kind::String, line).text == Need(b, "abilities", Json::Kind::String, line).text;
        if (differs == same) Broken("a row differs exactly when its sides do", line);
    }
    Need(compared, "lowered", Json::Kind::Array, line);
}

void CheckHistory(const Json& document, std::string_view line) {
    if (document.members.size() != 2) Broken("a history line has two fields", line);
    const long undo = NumberOf(Need(document, "undo", Json::Kind::Number, line), line);
    const long redo = NumberOf(Need(document, "redo", Json::Kind::Number, line), line);
    if (undo < 0 || redo < 0 || undo > 200 || redo > 200) Broken("a history outside 0 to 200 steps", line);
}

void CheckOutput(const std::string& out) {
    std::size_t start = 0;
    while (start < out.size()) {
        const std::size_t end = out.find('\n', start);
        if (end == std::string::npos) Broken("output does not end with a newline", out.substr(start));
        const std::string_view line = std::string_view(out).substr(start, end - start);
        const Json document = JsonReader(line).Document();
        if (document.kind != Json::Kind::Object) Broken("an output line is not an object", line);
        if (document.Member("message") != nullptr) {
            CheckMessage(document, line);
        } else if (document.Member("path") != nullptr) {
            CheckPath(document, line);
        } else if (document.Member("applied") != nullptr) {
            CheckApplied(document, line);
        } else if (document.Member("compare") != nullptr) {
            CheckComparison(document, line);
        } else if (const Json* from = document.Member("completeFrom")) {
            const long level = NumberOf(*from, line);
            if (document.members.size() != 1 || level < 6 || level > 50)
                Broken("a complete-from level is 6 to 50", line);
        } else if (document.Member("undo") != nullptr) {
            CheckHistory(document, line);
        } else if (document.Member("plans") || document.Member("loaded") || document.Member("saved") ||
                   document.Member("deleted") || document.Member("renamed")) {
            CheckLibraryLine(document, line);
        } else if (const Json* error = document.Member("error")) {
            if (document.members.size() != 1 || error->kind != Json::Kind::String || error->text.empty()) {
                Broken("an error line is {\"error\":\"<reason>\"}", line);
            }
        } else {
            CheckPlan(document, line);
        }
        start = end + 1;
    }
}

std::vector<std::string_view> LinesOf(std::string_view script) {
    std::vector<std::string_view> lines;
    while (!script.empty()) {
        const std::size_t end = script.find('\n');
        lines.push_back(script.substr(0, end));
        if (end == std::string_view::npos) break;
        script.remove_prefix(end + 1);
    }
    return lines;
}

void CheckError(std::string_view script, int status, const std::string& err) {
    if (status == vantrell::scenario::kScenarioOk) {
        if (!err.empty()) Broken("a run that succeeded wrote an error", err);
        return;
    }
    if (status != vantrell::scenario::kScenarioBadInput) Broken("unexpected status " + std::to_string(status), err);
    constexpr std::string_view kPrefix = "error: line ";
    if (err.empty() || err.back() != '\n' || err.find('\n') != err.size() - 1) {
        Broken("not exactly one error line", err);
    }
    if (!err.starts_with(kPrefix)) Broken("error line without its prefix", err);
    const std::size_t colon = err.find(": ", kPrefix.size());
    if (colon == std::string::npos || colon + 2 >= err.size() - 1) Broken("error line without a reason", err);
    // The driver checks what it reads before the planner sees it, so the
    // planner itself must never fail on a script.
    if (err.compare(colon + 2, 14, "planner fault:") == 0) Broken("the planner failed on a script", err);
    const std::string number = err.substr(kPrefix.size(), colon - kPrefix.size());
    if (!PlainDecimal(number) || number.front() == '-' || number == "0") Broken("bad line number", err);
    const std::vector<std::string_view> lines = LinesOf(script);
    const unsigned long index = std::stoul(number);
    if (index > lines.size()) Broken("the error names a line past the end", err);
    const std::string_view bad = lines[index - 1];
    const std::size_t first = bad.find_first_not_of(" \t\r");
    if (first == std::string_view::npos || bad[first] == '#') Broken("a blank or comment line was called bad", err);
}

}  // namespace

// The script with every `export` and `import` line left blank, so that its
// lines keep their numbers: a fuzzer must not write or read files of its
// choosing. The tests cover those commands.
std::string WithoutFileCommands(std::string script) {
    constexpr std::string_view kBlanks = " \t\r";
    for (std::size_t start = 0; start < script.size();) {
        const std::size_t end = std::min(script.find('\n', start), script.size());
        const std::string_view line = std::string_view(script).substr(start, end - start);
        const std::size_t first = line.find_first_not_of(kBlanks);
        if (first != std::string_view::npos) {
            const std::string_view word = line.substr(first, line.find_first_of(kBlanks, first) - first);
            if (word == "export" || word == "import") script.replace(start, end - start, std::string(end - start, ' '));
        }
        start = end + 1;
    }
    return script;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string script = WithoutFileCommands(std::string(reinterpret_cast<const char*>(data), size));
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    vantrell::scenario::ScenarioRunner runner(out, err);
    const int status = runner.Run(in);
    CheckOutput(out.str());
    CheckError(script, status, err.str());
    return 0;
}
