#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <type_traits>

#include "core/planner/plan_library.h"
#include "core/planner/record_fields.h"

// The records of record_fields.h as JSON, keys in the order described.
namespace vantrell::planner::records {

using Json = nlohmann::ordered_json;

template <typename Record>
Json JsonOf(const Record& record, Form form = Form::kDriver);

namespace detail {

// Fills an object with the fields a form shows; a value that is absent is null.
class JsonFields {
public:
    JsonFields(Json& object, Form form) : object_(object), form_(form) {}

    template <typename Value>
    void operator()(std::string_view key, const Value& value, Form shownIn = Form::kBoth) {
        if (ShownIn(shownIn, form_)) object_[std::string(key)] = ValueOf(value);
    }

private:
    template <typename Value>
    Json ValueOf(const Value& value) const {
        if constexpr (std::is_invocable_v<const Value&>) {
            return ValueOf(value());
        } else if constexpr (DescribedRecord<Value>) {
            return JsonOf(value, form_);
        } else if constexpr (requires { value.has_value(); *value; }) {
            return value ? ValueOf(*value) : Json();
        } else if constexpr (ListOfValues<Value>) {
            Json list = Json::array();
            for (const auto& item : value) list.push_back(ValueOf(item));
            return list;
        } else {
            return Json(value);
        }
    }

    Json& object_;
    Form form_;
};

}  // namespace detail

template <typename Record>
Json JsonOf(const Record& record, Form form) {
    Json object = Json::object();
    detail::JsonFields fields(object, form);
    Describe(fields, record);
    return object;
}

Json JsonOf(const PlanLibrary& library);
// The same list written straight as compact text, as JsonText(JsonOf(library)) writes it,
// without a tree for each of what may be a hundred thousand plans.
std::string JsonTextOf(const PlanLibrary& library);
// The plans from place `first` on, at most `count` of them, written alike: a long list is shown a part at a time.
std::string JsonTextOf(const PlanLibrary& library, std::size_t first, std::size_t count);

// The lines the scenario driver prints, which vantrell-cli prints alike: a
// planner as `show` shows it, a training path as `path`, a comparison as `compare`.
std::string ShowLine(const Planner& planner);
std::string PathLine(const TrainingPathView& view);
std::string CompareLine(const PlanComparison& comparison);

// Compact text, UTF-8 as it is; text that is not UTF-8 is shown with replacement characters rather than refused.
std::string JsonText(const Json& json);

}  // namespace vantrell::planner::records
