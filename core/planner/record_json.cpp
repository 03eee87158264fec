#include "core/planner/record_json.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "core/planner/json_string.h"
#include "core/planner/record_fields.h"

namespace vantrell::planner::records {
namespace {

// Writes an object's fields from a record's description as compact JSON text.
class TextFields {
public:
    explicit TextFields(std::string& text) : text_(text) {}

    void operator()(std::string_view key, std::string_view value, Form = Form::kBoth) {
        Key(key);
        AppendJsonString(text_, value);
    }
    void operator()(std::string_view key, bool value, Form = Form::kBoth) {
        Key(key);
        text_.append(value ? "true" : "false");
    }
    template <typename Value>
    void operator()(std::string_view key, const std::optional<Value>& value, Form = Form::kBoth) {
        if (value) {
            (*this)(key, *value);
        } else {
            Key(key);
            text_.append("null");
        }
    }
    void operator()(std::string_view key, int value, Form = Form::kBoth) {
        Key(key);
        text_.append(std::to_string(value));
    }

private:
    void Key(std::string_view key) {
        text_ += text_.back() == '{' ? "" : ",";
        AppendJsonString(text_, key);
        text_ += ':';
    }

    std::string& text_;
};

}  // namespace

Json JsonOf(const PlanLibrary& library) {
    Json plans = Json::array();
    for (const SavedPlan& plan : library.plans()) plans.push_back(JsonOf(plan));
    return plans;
}

std::string JsonTextOf(const PlanLibrary& library) { return JsonTextOf(library, 0, library.plans().size()); }

std::string JsonTextOf(const PlanLibrary& library, std::size_t first, std::size_t count) {
    const std::vector<SavedPlan>& plans = library.plans();
    const std::size_t end = first < plans.size() ? first + std::min(count, plans.size() - first) : first;
    std::string text = "[";
    for (std::size_t place = first; place < end; ++place) {
        text.append(text.size() == 1 ? "{" : ",{");
        TextFields fields(text);
        Describe(fields, plans[place]);
        text += '}';
    }
    text += ']';
    return text;
}

std::string ShowLine(const Planner& planner) { return JsonText(JsonOf(ViewOf(planner))); }

std::string PathLine(const TrainingPathView& view) {
    Json rows = Json::array();
    for (const PathRowView& row : view.rows) rows.push_back(JsonOf(row));
    return JsonText({{"path", std::move(rows)}});
}

std::string CompareLine(const PlanComparison& comparison) { return JsonText({{"compare", JsonOf(comparison)}}); }

std::string JsonText(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

}  // namespace vantrell::planner::records
