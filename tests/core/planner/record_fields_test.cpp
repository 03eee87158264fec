// Each record the driver and the page show is described once; a member added to
// a record must be described or kept out by name.
#include <gtest/gtest.h>

#include <string_view>
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

template <typename Record, std::size_t Shown, std::size_t KeptOut = 0>
void ExpectEveryMemberPlaced(const std::string_view (&)[Shown], const std::string_view (&)[KeptOut]) {
    EXPECT_EQ(Shown + KeptOut, MemberCount<Record>()) << typeid(Record).name();
}

template <typename Record, std::size_t Shown>
void ExpectEveryMemberPlaced(const std::string_view (&shown)[Shown]) {
    ExpectEveryMemberPlaced<Record>(shown, {});
}

TEST(RecordFields, EveryMemberOfEveryRecordIsShownOrKeptOutOnPurpose) {
    ExpectEveryMemberPlaced<SavedPlan>(records::kSavedPlanShown, records::kSavedPlanKeptOut);
    ExpectEveryMemberPlaced<LineView>(records::kLineViewShown);
    ExpectEveryMemberPlaced<PlannerView>(records::kPlannerViewShown);
    ExpectEveryMemberPlaced<NewAbilityView>(records::kNewAbilityShown);
    ExpectEveryMemberPlaced<PathCellView>(records::kPathCellShown, records::kPathCellKeptOut);
    ExpectEveryMemberPlaced<PathRowView>(records::kPathRowShown);
    ExpectEveryMemberPlaced<TrainingPathView>(records::kTrainingPathShown);
    ExpectEveryMemberPlaced<LoweredLine>(records::kLoweredLineShown);
    ExpectEveryMemberPlaced<ComparedPlan>(records::kComparedPlanShown);
    ExpectEveryMemberPlaced<ComparedSide>(records::kComparedSideShown);
    ExpectEveryMemberPlaced<ComparedLine>(records::kComparedLineShown);
    ExpectEveryMemberPlaced<PlanComparison>(records::kComparisonShown, records::kComparisonKeptOut);
    ExpectEveryMemberPlaced<Session::Applied>(records::kAppliedShown);
}

}  // namespace
}  // namespace vantrell::planner
