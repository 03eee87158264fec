#include "core/planner/library_reader.h"

#include <optional>
#include <string>
#include <utility>

#include "core/planner/document_limits.h"

namespace vantrell::planner {
namespace {

using Json = LibraryJson;

// Builds one tree from the reader's events, as the JSON library's own builder does.
class TreeBuilder {
public:
    void Start(Json& root) {
        root_ = &root;
        stack_.clear();
    }
    bool active() const { return !stack_.empty(); }
    std::size_t depth() const { return stack_.size(); }
    void Key(std::string key) { key_ = std::move(key); }

    // Places a value; true when it completes the tree.
    bool Value(Json value) {
        Place(std::move(value));
        return stack_.empty();
    }
    void Open(Json container) { stack_.push_back(Place(std::move(container))); }
    // Ends the innermost container; true when that completes the tree.
    bool Close() {
        stack_.pop_back();
        return stack_.empty();
    }
    // Goes on inside containers that were built elsewhere: `path` from the root down.
    void Resume(Json& root, std::initializer_list<Json*> path) {
        root_ = &root;
        stack_.assign(path);
    }

private:
    Json* Place(Json value) {
        if (stack_.empty()) {
            *root_ = std::move(value);
            return root_;
        }
        Json& container = *stack_.back();
        if (container.is_array()) {
            container.push_back(std::move(value));
            return &container.back();
        }
        // A key given twice keeps its first place and its last value, as the JSON library has it.
        Json& slot = container[key_];
        slot = std::move(value);
        return &slot;
    }

    Json* root_ = nullptr;
    std::vector<Json*> stack_;
    std::string key_;
};

// Where a plain entry has got to: its fields come in this order or it is not plain.
enum class Plain { kNameKey, kName, kCodeKey, kCode, kPriorityKey, kPriority, kPriorityItems, kDone };

// The reader's events, sorted into the document's own fields, plain entries and other entries.
class LibraryBuilder {
public:
    LibraryBuilder(LibraryDocument& result, std::size_t textSize) : result_(result), textSize_(textSize) {
        document_.Start(result_.fields);
    }

    std::optional<JsonRefusal> refusal() const { return refusal_; }

    bool null() { return Scalar(nullptr); }
    bool boolean(bool value) { return Scalar(value); }
    bool number_integer(Json::number_integer_t value) { return Scalar(value); }
    bool number_unsigned(Json::number_unsigned_t value) { return Scalar(value); }
    bool number_float(Json::number_float_t value, const std::string&) { return Scalar(value); }
    bool binary(Json::binary_t& value) { return Scalar(Json::binary(std::move(value))); }

    bool string(std::string& value) {
        if (plain_ == Plain::kName || plain_ == Plain::kCode) {
            (plain_ == Plain::kName ? name_ : code_) = std::move(value);
            plain_ = plain_ == Plain::kName ? Plain::kCodeKey : Plain::kPriorityKey;
            return true;
        }
        if (plain_ == Plain::kPriorityItems) {
            priority_.push_back(std::move(value));
            return true;
        }
        return Scalar(std::move(value));
    }

    bool key(std::string& value) {
        if (Expects(Plain::kNameKey, value, "name") || Expects(Plain::kCodeKey, value, "code") ||
            Expects(Plain::kPriorityKey, value, "priority")) {
            return true;
        }
        LeavePlain();
        // The list of plans is read entry by entry; any other field of the document is kept as it is.
        plansNext_ = !entry_.active() && !inPlans_ && document_.depth() == 1 && value == "plans";
        Builder().Key(std::move(value));
        return true;
    }

    bool start_object(std::size_t) {
        if (!Open()) return false;
        if (AtEntry()) {
            plain_ = Plain::kNameKey;
            return true;
        }
        LeavePlain();
        Builder().Open(Json::object());
        plansNext_ = false;
        return true;
    }

    bool start_array(std::size_t) {
        if (!Open()) return false;
        if (plain_ == Plain::kPriority) {
            plain_ = Plain::kPriorityItems;
            return true;
        }
        if (plansNext_) {
            // A list given twice counts as its last, as any other field.
            plansNext_ = false;
            inPlans_ = true;
            result_.plans.clear();
            document_.Value(Json::array());
            return true;
        }
        if (AtEntry()) entry_.Start(entryTree_);
        LeavePlain();
        Builder().Open(Json::array());
        return true;
    }

    bool end_object() {
        --depth_;
        if (plain_ == Plain::kDone) {
            plain_.reset();
            result_.plans.push_back(PlanOfPlainEntry(std::move(name_), std::move(code_), std::move(priority_)));
            ResetPlain();
            return true;
        }
        LeavePlain();
        return Close();
    }

    bool end_array() {
        --depth_;
        if (plain_ == Plain::kPriorityItems) {
            plain_ = Plain::kDone;
            return true;
        }
        if (inPlans_ && !entry_.active()) {
            inPlans_ = false;
            return true;
        }
        return Close();
    }

    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception&) {
        refusal_ = position > textSize_ ? JsonRefusal::kCutShort : JsonRefusal::kNotJson;
        return false;
    }

private:
    bool AtEntry() const { return inPlans_ && !entry_.active() && !plain_; }
    TreeBuilder& Builder() { return entry_.active() || AtEntry() ? entry_ : document_; }

    bool Open() {
        if (++depth_ <= kDeepestDocument) return true;
        refusal_ = JsonRefusal::kTooDeep;
        return false;
    }

    bool Expects(Plain state, const std::string& key, std::string_view wanted) {
        if (plain_ != state || key != wanted) return false;
        plain_ = static_cast<Plain>(static_cast<int>(state) + 1);
        return true;
    }

    template <typename Value>
    bool Scalar(Value&& value) {
        LeavePlain();
        plansNext_ = false;
        if (AtEntry()) {
            result_.plans.push_back(PlanOfEntry(Json(std::forward<Value>(value))));
            return true;
        }
        if (entry_.active()) {
            if (entry_.Value(Json(std::forward<Value>(value)))) FinishEntry();
            return true;
        }
        document_.Value(Json(std::forward<Value>(value)));
        return true;
    }

    bool Close() {
        if (!entry_.active()) {
            document_.Close();
        } else if (entry_.Close()) {
            FinishEntry();
        }
        return true;
    }

    // The entry turned out not to be plain: what it held so far becomes a tree, and the rest is built on it.
    void LeavePlain() {
        if (!plain_) return;
        const Plain reached = *plain_;
        plain_.reset();
        entryTree_ = Json::object();
        if (reached > Plain::kName) entryTree_["name"] = std::move(name_);
        if (reached > Plain::kCode) entryTree_["code"] = std::move(code_);
        if (reached >= Plain::kPriorityItems) entryTree_["priority"] = Json(std::move(priority_));
        if (reached == Plain::kPriorityItems) {
            entry_.Resume(entryTree_, {&entryTree_, &entryTree_["priority"]});
        } else {
            entry_.Resume(entryTree_, {&entryTree_});
        }
        if (reached == Plain::kName) entry_.Key("name");
        if (reached == Plain::kCode) entry_.Key("code");
        if (reached == Plain::kPriority) entry_.Key("priority");
        ResetPlain();
    }

    void FinishEntry() { result_.plans.push_back(PlanOfEntry(entryTree_)); }

    void ResetPlain() {
        name_.clear();
        code_.clear();
        priority_.clear();
    }

    LibraryDocument& result_;
    std::size_t textSize_;
    std::size_t depth_ = 0;
    std::optional<JsonRefusal> refusal_;
    TreeBuilder document_;
    TreeBuilder entry_;
    Json entryTree_;
    bool plansNext_ = false;
    bool inPlans_ = false;
    std::optional<Plain> plain_;
    std::string name_;
    std::string code_;
    std::vector<std::string> priority_;
};

}  // namespace

std::variant<LibraryDocument, JsonRefusal> ReadLibraryDocument(std::string_view document) {
    if (document.size() > kLargestDocument) return JsonRefusal::kTooLarge;
    LibraryDocument result;
    LibraryBuilder builder(result, document.size());
    try {
        if (!Json::sax_parse(document, &builder)) return builder.refusal().value_or(JsonRefusal::kNotJson);
    } catch (const Json::exception&) {
        return JsonRefusal::kNotJson;
    }
    return result;
}

}  // namespace vantrell::planner
