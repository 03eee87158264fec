// Any bytes as a plans library: reading never crashes, every plan read is
// found by the name it is listed under, and a library read is written back so
// that it reads again as the same plans and writes the same document: nothing
// is lost or changed by a round trip.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/planner/library_reader.h"
#include "core/planner/plain_library_reader.h"
#include "core/planner/plan_library.h"

namespace {

using vantrell::planner::PlanLibrary;
using vantrell::planner::SavedPlan;

[[noreturn]] void Broken(const char* rule, std::string_view document) {
    std::fprintf(stderr, "plans library: %s\n%.*s\n", rule, static_cast<int>(document.size()), document.data());
    std::abort();
}

bool SamePlans(const std::vector<SavedPlan>& one, const std::vector<SavedPlan>& other) {
    if (one.size() != other.size()) return false;
    for (std::size_t index = 0; index < one.size(); ++index) {
        const SavedPlan& a = one[index];
        const SavedPlan& b = other[index];
        if (a.name != b.name || a.code != b.code || a.priority != b.priority || a.fault != b.fault ||
            a.definition != b.definition || a.characterLevel != b.characterLevel) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view document(reinterpret_cast<const char*>(data), size);
    // The scanner of the program's own shape reads what the general reader reads, or leaves the document to it.
    if (const auto plain = vantrell::planner::ReadPlainLibrary(document, "vantrell-plans")) {
        const auto general = vantrell::planner::ReadLibraryDocument(document);
        const auto* tree = std::get_if<vantrell::planner::LibraryDocument>(&general);
        const auto kept = [](const SavedPlan& plan) { return !plan.stored.empty(); };
        if (tree == nullptr || !SamePlans(*plain, tree->plans) || std::any_of(tree->plans.begin(), tree->plans.end(), kept)) {
            Broken("the plain scanner and the general reader differ", document);
        }
    }
    auto read = PlanLibrary::Read(document);
    if (auto* fault = std::get_if<std::string>(&read)) {
        if (fault->empty()) Broken("a refusal without a reason", document);
        return 0;
    }
    for (const SavedPlan& plan : std::get<PlanLibrary>(read).plans()) {
        if (std::get<PlanLibrary>(read).Find(plan.name) != &plan) Broken("a plan is not found by its own name", document);
    }
    const std::string written = std::get<PlanLibrary>(read).Write();
    auto again = PlanLibrary::Read(written);
    if (!std::holds_alternative<PlanLibrary>(again)) Broken("what was written does not read", written);
    if (!SamePlans(std::get<PlanLibrary>(read).plans(), std::get<PlanLibrary>(again).plans()))
        Broken("a round trip changed a plan", written);
    if (std::get<PlanLibrary>(again).Write() != written) Broken("a round trip changed the document", written);
    return 0;
}
