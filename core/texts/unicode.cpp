#include "core/texts/unicode.h"

#include <algorithm>
#include <array>

namespace vantrell::texts {
namespace {

// Every stride-th code point from first to last folds by adding offset.
struct FoldingRun {
    char32_t first;
    char32_t last;
    int offset;
    int stride;
};

constexpr FoldingRun kFoldingRuns[] = {
#include "core/texts/case_folding_runs.inc"
};

char32_t Folded(char32_t point) {
    const auto* run = std::upper_bound(std::begin(kFoldingRuns), std::end(kFoldingRuns), point,
                                       [](char32_t wanted, const FoldingRun& each) { return wanted < each.first; });
    if (run == std::begin(kFoldingRuns)) return point;
    --run;
    if (point > run->last || (point - run->first) % static_cast<char32_t>(run->stride) != 0) return point;
    return static_cast<char32_t>(static_cast<long>(point) + run->offset);
}

void AppendUtf8(std::string& text, char32_t point) {
    if (point < 0x80) {
        text += static_cast<char>(point);
        return;
    }
    const int trailing = point < 0x800 ? 1 : point < 0x10000 ? 2 : 3;
    constexpr std::array<unsigned char, 4> kLeads = {0, 0xC0, 0xE0, 0xF0};
    text += static_cast<char>(kLeads[static_cast<std::size_t>(trailing)] | (point >> (6 * trailing)));
    for (int shift = 6 * (trailing - 1); shift >= 0; shift -= 6) {
        text += static_cast<char>(0x80 | ((point >> shift) & 0x3F));
    }
}

// The length of the UTF-8 sequence that starts with `lead`; 0 when none does.
std::size_t SequenceLength(unsigned char lead) {
    return lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
}

// The code point at the start of `text`, and its length; nothing when it is no UTF-8.
std::optional<std::pair<char32_t, std::size_t>> PointAt(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || length > text.size()) return std::nullopt;
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t next = 1; next < length; ++next) {
        const auto byte = static_cast<unsigned char>(text[next]);
        if ((byte >> 6) != 0x2) return std::nullopt;
        point = (point << 6) | (byte & 0x3F);
    }
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < kShortest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return std::nullopt;
    return std::pair{point, length};
}

unsigned char AsciiFolded(unsigned char byte) { return byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte; }

// A byte that is not UTF-8 folds to itself, counted from here: apart from every code point.
constexpr char32_t kStrayByte = 0x110000;

// The next code point of `text` folded, which it consumes.
char32_t TakeFolded(std::string_view& text) {
    const auto byte = static_cast<unsigned char>(text.front());
    if (byte < 0x80) {
        text.remove_prefix(1);
        return AsciiFolded(byte);
    }
    const auto point = PointAt(text);
    if (!point) {
        text.remove_prefix(1);
        return kStrayByte + byte;
    }
    text.remove_prefix(point->second);
    return Folded(point->first);
}

}  // namespace

std::optional<std::vector<char32_t>> CodePoints(std::string_view text) {
    std::vector<char32_t> points;
    while (!text.empty()) {
        const auto point = PointAt(text);
        if (!point) return std::nullopt;
        points.push_back(point->first);
        text.remove_prefix(point->second);
    }
    return points;
}

bool IsUtf8(std::string_view text) {
    while (!text.empty()) {
        if (static_cast<unsigned char>(text.front()) < 0x80) {
            text.remove_prefix(1);
            continue;
        }
        const auto point = PointAt(text);
        if (!point) return false;
        text.remove_prefix(point->second);
    }
    return true;
}

std::size_t CodePointCount(std::string_view text) {
    // Every byte but a continuation byte starts a code point.
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) >> 6) != 0x2; }));
}

std::string_view FirstCodePoints(std::string_view text, std::size_t points) {
    std::size_t at = 0;
    for (std::size_t seen = 0; at < text.size() && seen < points; ++seen) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) >> 6) == 0x2) ++at;
    }
    return text.substr(0, at);
}

std::string CaseFolded(std::string_view text) {
    // ASCII, as nearly every name is, folds in place.
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        std::string folded(text);
        for (char& c : folded) c = static_cast<char>(AsciiFolded(static_cast<unsigned char>(c)));
        return folded;
    }
    std::string folded;
    folded.reserve(text.size());
    while (!text.empty()) {
        const char32_t point = TakeFolded(text);
        if (point >= kStrayByte) folded += static_cast<char>(point - kStrayByte);
        else AppendUtf8(folded, point);
    }
    return folded;
}

std::size_t FoldedHash(std::string_view text) {
    // FNV-1a over the folded code points.
    std::size_t hash = sizeof(std::size_t) == 8 ? static_cast<std::size_t>(14695981039346656037ULL) : 2166136261U;
    const std::size_t prime = sizeof(std::size_t) == 8 ? static_cast<std::size_t>(1099511628211ULL) : 16777619U;
    while (!text.empty()) {
        // ASCII, as nearly every name is, without a call per letter.
        if (const auto byte = static_cast<unsigned char>(text.front()); byte < 0x80) {
            hash = (hash ^ AsciiFolded(byte)) * prime;
            text.remove_prefix(1);
            continue;
        }
        hash = (hash ^ TakeFolded(text)) * prime;
    }
    return hash;
}

bool FoldsAlike(std::string_view one, std::string_view other) {
    if (one == other) return true;
    while (!one.empty() && !other.empty()) {
        if (TakeFolded(one) != TakeFolded(other)) return false;
    }
    return one.empty() && other.empty();
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The run of digits at the start of `text`, without its leading zeros.
std::string_view DigitRun(std::string_view text, std::size_t& length) {
    length = 0;
    while (length < text.size() && IsDigit(text[length])) ++length;
    std::string_view run = text.substr(0, length);
    while (run.size() > 1 && run.front() == '0') run.remove_prefix(1);
    return run;
}

}  // namespace

bool SortsBefore(std::string_view one, std::string_view other) {
    const std::string a = CaseFolded(one);
    const std::string b = CaseFolded(other);
    std::string_view left = a;
    std::string_view right = b;
    while (!left.empty() && !right.empty()) {
        if (IsDigit(left.front()) && IsDigit(right.front())) {
            std::size_t leftLength = 0;
            std::size_t rightLength = 0;
            const std::string_view leftRun = DigitRun(left, leftLength);
            const std::string_view rightRun = DigitRun(right, rightLength);
            if (leftRun.size() != rightRun.size()) return leftRun.size() < rightRun.size();
            if (leftRun != rightRun) return leftRun < rightRun;
            left.remove_prefix(leftLength);
            right.remove_prefix(rightLength);
            continue;
        }
        if (left.front() != right.front()) {
            return static_cast<unsigned char>(left.front()) < static_cast<unsigned char>(right.front());
        }
        left.remove_prefix(1);
        right.remove_prefix(1);
    }
    if (left.empty() != right.empty()) return left.empty();
    return one < other;
}

std::string Excerpt(std::string_view text) {
    const std::string_view kept = FirstCodePoints(text, kLongestExcerpt);
    std::string excerpt(kept);
    if (kept.size() < text.size()) excerpt += "\u2026";
    return excerpt;
}

// Built by appending, which GCC 12's -O3 overlap check accepts where "'" + std::string(...) trips a false positive.
std::string Quoted(std::string_view text) {
    std::string quoted(1, '\'');
    quoted.append(Excerpt(text)) += '\'';
    return quoted;
}

}  // namespace vantrell::texts
