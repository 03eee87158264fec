#pragma once

// The core's records as the page reads them, from their one description:
// plain objects of numbers, texts and lists.
#include <emscripten/val.h>

#include <string>
#include <string_view>
#include <type_traits>

#include "core/planner/record_fields.h"

namespace vantrell::web {

template <typename Record>
emscripten::val ValueOf(const Record& record);

namespace detail {

// Fills an object with the fields the page shows.
class ValueFields {
public:
    explicit ValueFields(emscripten::val& object) : object_(object) {}

    template <typename Value>
    void operator()(std::string_view key, const Value& value, planner::records::Form shownIn = planner::records::Form::kBoth) {
        if (ShownIn(shownIn, planner::records::Form::kPage)) object_.set(std::string(key), PageValue(value));
    }

    template <typename Value>
    static emscripten::val PageValue(const Value& value) {
        using planner::records::DescribedRecord;
        using planner::records::ListOfValues;
        if constexpr (std::is_invocable_v<const Value&>) {
            return PageValue(value());
        } else if constexpr (DescribedRecord<Value>) {
            return ValueOf(value);
        } else if constexpr (requires { value.has_value(); *value; }) {
            return value ? PageValue(*value) : emscripten::val::null();
        } else if constexpr (std::is_convertible_v<const Value&, std::string_view>) {
            return emscripten::val(std::string(std::string_view(value)));
        } else if constexpr (ListOfValues<Value>) {
            emscripten::val list = emscripten::val::array();
            for (const auto& item : value) list.call<void>("push", PageValue(item));
            return list;
        } else if constexpr (std::is_same_v<Value, bool>) {
            return emscripten::val(value);
        } else {
            // Numbers as JavaScript has them: a 64-bit integer would come over as a BigInt.
            return emscripten::val(static_cast<double>(value));
        }
    }

private:
    emscripten::val& object_;
};

}  // namespace detail

template <typename Record>
emscripten::val ValueOf(const Record& record) {
    emscripten::val object = emscripten::val::object();
    detail::ValueFields fields(object);
    planner::records::Describe(fields, record);
    return object;
}

}  // namespace vantrell::web
