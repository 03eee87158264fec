// Each record the driver and the page show is described once; a member added to
// a record must be described or kept out by name.
#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
#include <typeinfo>

#include "core/planner/plan_code.h"
#include "core/planner/plan_compare.h"
#include "core/planner/record_fields.h"

namespace vantrell::planner {
namespace {

struct AnyMember {
    template <typename Member>
    operator Member&() const&& noexcept;
};

template <typename Record, typename... Members>
constexpr std::size_t MemberCount() {
    if constexpr (requires { Record{Members{}..., AnyMember{}}; }) {
        return MemberCount<Record, Members..., AnyMember>();
    } else {
        return sizeof...(Members);
    }
}

template <typename Record>
void ExpectEveryMemberPlaced(std::size_t shown, std::size_t keptOut = 0) {
    EXPECT_EQ(shown + keptOut, MemberCount<Record>()) << typeid(Record).name();
}

TEST(RecordFields, EveryMemberOfEveryRecordIsShownOrKeptOutOnPurpose) {
    ExpectEveryMemberPlaced<SavedPlan>(std::size(records::kSavedPlanShown), std::size(records::kSavedPlanKeptOut));
    ExpectEveryMemberPlaced<LineView>(std::size(records::kLineViewShown));
    ExpectEveryMemberPlaced<PlannerView>(std::size(records::kPlannerViewShown));
    ExpectEveryMemberPlaced<NewAbilityView>(std::size(records::kNewAbilityShown));
    ExpectEveryMemberPlaced<PathCellView>(std::size(records::kPathCellShown), std::size(records::kPathCellKeptOut));
    ExpectEveryMemberPlaced<PathRowView>(std::size(records::kPathRowShown));
    ExpectEveryMemberPlaced<TrainingPathView>(std::size(records::kTrainingPathShown));
    ExpectEveryMemberPlaced<LoweredLine>(std::size(records::kLoweredLineShown));
    ExpectEveryMemberPlaced<ComparedPlan>(std::size(records::kComparedPlanShown));
    ExpectEveryMemberPlaced<ComparedSide>(std::size(records::kComparedSideShown));
    ExpectEveryMemberPlaced<ComparedLine>(std::size(records::kComparedLineShown));
    ExpectEveryMemberPlaced<PlanComparison>(std::size(records::kComparisonShown), std::size(records::kComparisonKeptOut));
    ExpectEveryMemberPlaced<Session::Applied>(std::size(records::kAppliedShown));
}

}  // namespace
}  // namespace vantrell::planner
