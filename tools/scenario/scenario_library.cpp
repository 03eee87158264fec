// The driver's commands on the saved plans, each printing one line of JSON.
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <utility>

#include "core/planner/blanks.h"
#include "core/planner/document_limits.h"
#include "core/planner/record_json.h"
#include "core/texts/composed.h"
#include "core/texts/driver_texts.h"
#include "core/texts/library_texts.h"
#include "tools/scenario/planner_json.h"
#include "tools/scenario/scenario_runner.h"
#include "tools/scenario/session_json.h"

namespace vantrell::scenario {
namespace {

// "<name> => <rest>" as its two sides; nothing without the arrow.
std::optional<std::pair<std::string_view, std::string_view>> SplitAtArrow(std::string_view line) {
    constexpr std::string_view kArrow = "=>";
    const auto arrow = line.find(kArrow);
    if (arrow == std::string_view::npos) return std::nullopt;
    return std::pair{line.substr(0, arrow), line.substr(arrow + kArrow.size())};
}

// A file's text, or why it was not read: a file larger than any library is refused before it is read.
struct Document {
    std::string text;
    std::string fault;
};

Document DocumentAt(std::string_view path) {
    std::error_code failed;
    const std::filesystem::path file{std::string(path)};
    const auto size = std::filesystem::file_size(file, failed);
    const std::string unreadable = texts::driver::CouldNotRead(path);
    if (failed || std::filesystem::is_directory(file, failed)) return {.text = {}, .fault = unreadable};
    if (size > planner::kLargestDocument) return {.text = {}, .fault = texts::library::TooLargeFile()};
    std::ifstream stream{file, std::ios::binary};
    std::ostringstream text;
    if (stream.is_open()) text << stream.rdbuf();
    if (!stream.is_open() || stream.bad()) return {.text = {}, .fault = unreadable};
    return {.text = text.str(), .fault = {}};
}

}  // namespace

std::string ScenarioRunner::NoPlanNamed(std::string_view name) {
    return texts::NoSavedPlanNamed(planner::PlanLibrary::TrimmedName(name));
}

void ScenarioRunner::Save(std::string_view name) {
    const std::string fault = session_.SaveCurrent(name);
    out_ << (fault.empty() ? FieldJson("saved", planner::PlanLibrary::TrimmedName(name)) : ErrorJson(fault)) << '\n';
}

void ScenarioRunner::Load(std::string_view name) {
    const planner::SavedPlan* plan = session_.library().Find(name);
    if (plan == nullptr) {
        out_ << ErrorJson(NoPlanNamed(name)) << '\n';
        return;
    }
    const planner::Session::Applied applied = session_.Load(*plan);
    if (applied.planner == nullptr) {
        out_ << ErrorJson(applied.fault) << '\n';
        return;
    }
    out_ << LoadedJson(plan->name, applied.planner->definition().listName, applied) << '\n';
}

void ScenarioRunner::Delete(std::string_view name) {
    const std::string fault = session_.library().Delete(name);
    out_ << (fault.empty() ? FieldJson("deleted", planner::PlanLibrary::TrimmedName(name)) : ErrorJson(fault)) << '\n';
}

void ScenarioRunner::Rename(std::string_view names) {
    const auto sides = SplitAtArrow(names);
    if (!sides) {
        out_ << ErrorJson(texts::driver::kRenameUsage) << '\n';
        return;
    }
    const auto [name, newName] = *sides;
    const std::string fault = session_.library().Rename(name, newName);
    out_ << (fault.empty() ? FieldJson("renamed", planner::PlanLibrary::TrimmedName(newName)) : ErrorJson(fault))
         << '\n';
}

void ScenarioRunner::Note(std::string_view nameAndNote) {
    const auto sides = SplitAtArrow(nameAndNote);
    const std::string_view given = sides ? planner::WithoutBlanks(sides->second) : std::string_view();
    // A JSON string and nothing else: read as one, it builds nothing deeper.
    const auto note = given.starts_with('"') ? planner::records::Json::parse(given, nullptr, false) : planner::records::Json();
    if (!note.is_string()) {
        out_ << ErrorJson(texts::driver::kNoteUsage) << '\n';
        return;
    }
    const std::string_view name = sides->first;
    const std::string fault = session_.library().SetNote(name, note.get<std::string>());
    out_ << (fault.empty() ? FieldJson("noted", session_.library().Find(name)->name) : ErrorJson(fault)) << '\n';
}

void ScenarioRunner::Export(std::string_view path) {
    if (path.empty()) {
        out_ << ErrorJson(texts::driver::kExportUsage) << '\n';
        return;
    }
    std::ofstream file{std::string(path), std::ios::binary | std::ios::trunc};
    file << session_.library().Write();
    file.close();
    if (!file) {
        out_ << ErrorJson(texts::driver::CouldNotWrite(path)) << '\n';
        return;
    }
    out_ << FieldJson("exported", session_.library().plans().size()) << '\n';
}

void ScenarioRunner::Import(std::string_view path) {
    if (path.empty()) {
        out_ << ErrorJson(texts::driver::kImportUsage) << '\n';
        return;
    }
    const Document document = DocumentAt(path);
    if (!document.fault.empty()) {
        out_ << ErrorJson(document.fault) << '\n';
        return;
    }
    auto read = planner::PlanLibrary::Read(document.text);
    if (auto* fault = std::get_if<std::string>(&read)) {
        out_ << ErrorJson(*fault) << '\n';
        return;
    }
    const auto imported = session_.library().Import(std::get<planner::PlanLibrary>(std::move(read)));
    out_ << ImportedJson(imported.plans, imported.unusable) << '\n';
}

}  // namespace vantrell::scenario
