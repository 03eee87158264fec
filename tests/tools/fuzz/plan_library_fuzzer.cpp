// Any bytes as a plans library: reading never crashes, every plan read is
// found by the name it is listed under, and a library read is written back so
// that it reads again as the same plans and writes the same document: nothing
// is lost or changed by a round trip.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "core/planner/plan_library.h"

namespace {

using vantrell::planner::PlanLibrary;
using vantrell::planner::SavedPlan;

[[noreturn]] void Broken(const char* rule, std::string_view document) {
    std::fprintf(stderr, "plans library: %s\n%.*s\n", rule, static_cast<int>(document.size()), document.data());
    std::abort();
}

bool SamePlans(const PlanLibrary& one, const PlanLibrary& other) {
    if (one.plans().size() != other.plans().size()) return false;
    for (std::size_t index = 0; index < one.plans().size(); ++index) {
        const SavedPlan& a = one.plans()[index];
        const SavedPlan& b = other.plans()[index];
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
    if (!SamePlans(std::get<PlanLibrary>(read), std::get<PlanLibrary>(again)))
        Broken("a round trip changed a plan", written);
    if (std::get<PlanLibrary>(again).Write() != written) Broken("a round trip changed the document", written);
    return 0;
}
