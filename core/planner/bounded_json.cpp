#include "core/planner/bounded_json.h"

#include <optional>
#include <string>

namespace vantrell::planner {
namespace {

using Json = nlohmann::ordered_json;

// Builds the document as the library's own reader does, but stops at the first
// value that opens deeper than the limit. (Its callback reader, which could do
// the same, takes time quadratic in the length of an array of objects.)
class BoundedBuilder {
public:
    BoundedBuilder(Json& result, std::size_t textSize) : builder_(result, false), textSize_(textSize) {}

    std::optional<JsonRefusal> refusal() const { return refusal_; }

    bool null() { return builder_.null(); }
    bool boolean(bool value) { return builder_.boolean(value); }
    bool number_integer(Json::number_integer_t value) { return builder_.number_integer(value); }
    bool number_unsigned(Json::number_unsigned_t value) { return builder_.number_unsigned(value); }
    bool number_float(Json::number_float_t value, const std::string& text) { return builder_.number_float(value, text); }
    bool string(std::string& value) { return builder_.string(value); }
    bool binary(Json::binary_t& value) { return builder_.binary(value); }
    bool key(std::string& value) { return builder_.key(value); }
    bool start_object(std::size_t elements) { return Open() && builder_.start_object(elements); }
    bool start_array(std::size_t elements) { return Open() && builder_.start_array(elements); }
    bool end_object() { return Close() && builder_.end_object(); }
    bool end_array() { return Close() && builder_.end_array(); }

    // A number too large for any plan is refused like any text that is no JSON, not rounded.
    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception&) {
        refusal_ = position > textSize_ ? JsonRefusal::kCutShort : JsonRefusal::kNotJson;
        return false;
    }

private:
    bool Open() {
        if (++depth_ <= kDeepestDocument) return true;
        refusal_ = JsonRefusal::kTooDeep;
        return false;
    }
    bool Close() {
        --depth_;
        return true;
    }

    nlohmann::detail::json_sax_dom_parser<Json> builder_;
    std::size_t textSize_;
    std::size_t depth_ = 0;
    std::optional<JsonRefusal> refusal_;
};

}  // namespace

std::variant<Json, JsonRefusal> ParseBoundedJson(std::string_view document) {
    if (document.size() > kLargestDocument) return JsonRefusal::kTooLarge;
    Json result;
    BoundedBuilder builder(result, document.size());
    try {
        if (!Json::sax_parse(document, &builder)) return builder.refusal().value_or(JsonRefusal::kNotJson);
    } catch (const Json::exception&) {
        return JsonRefusal::kNotJson;
    }
    return result;
}

}  // namespace vantrell::planner
