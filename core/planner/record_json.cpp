#include "core/planner/record_json.h"

#include <optional>
#include <utility>

#include "core/planner/json_string.h"
#include "core/planner/record_fields.h"

namespace vantrell::planner::records {
namespace {

// Fills an object from a record's description; a value that is absent is null.
class JsonFields {
public:
    explicit JsonFields(Json& object) : object_(object) {}

    template <typename Value>
    void operator()(std::string_view key, const Value& value) {
        object_[std::string(key)] = value;
    }
    template <typename Value>
    void operator()(std::string_view key, const std::optional<Value>& value) {
        object_[std::string(key)] = value ? Json(*value) : Json();
    }

private:
    Json& object_;
};

// Writes an object's fields from a record's description as compact JSON text.
class TextFields {
public:
    explicit TextFields(std::string& text) : text_(text) {}

    void operator()(std::string_view key, std::string_view value) {
        Key(key);
        AppendJsonString(text_, value);
    }
    void operator()(std::string_view key, bool value) {
        Key(key);
        text_.append(value ? "true" : "false");
    }
    template <typename Value>
    void operator()(std::string_view key, const std::optional<Value>& value) {
        if (value) {
            (*this)(key, *value);
        } else {
            Key(key);
            text_.append("null");
        }
    }
    void operator()(std::string_view key, int value) {
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

template <typename Record>
Json Described(const Record& record) {
    Json object = Json::object();
    JsonFields fields(object);
    Describe(fields, record);
    return object;
}

}  // namespace

Json JsonOf(const SavedPlan& plan) { return Described(plan); }

Json JsonOf(const PlanLibrary& library) {
    Json plans = Json::array();
    for (const SavedPlan& plan : library.plans()) plans.push_back(JsonOf(plan));
    return plans;
}

std::string JsonTextOf(const PlanLibrary& library) {
    std::string text = "[";
    for (const SavedPlan& plan : library.plans()) {
        text.append(text.size() == 1 ? "{" : ",{");
        TextFields fields(text);
        Describe(fields, plan);
        text += '}';
    }
    text += ']';
    return text;
}

std::string JsonText(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

}  // namespace vantrell::planner::records
