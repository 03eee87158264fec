#include "core/planner/session.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/catalog/class_catalog.h"
#include "core/planner/plan_code.h"
#include "core/texts/composed.h"

namespace vantrell::planner {
namespace {

const catalog::ClassDefinition& Healer() { return *catalog::ClassCatalog::Find("Healer"); }

TEST(Session, KeepsEachClassPlannerWithItsPlanWhileAnotherIsCurrent) {
    Session session;
    Planner& healer = session.Open(Healer());
    healer.MoveSlider(0, 10);
    ASSERT_NE(session.Open("Armsman"), nullptr);
    EXPECT_NE(session.current(), &healer);
    EXPECT_EQ(session.Open("Healer"), &healer);
    EXPECT_EQ(healer.state().lines[0].level, 10);
    EXPECT_EQ(session.Open("Nobody"), nullptr);
    EXPECT_EQ(session.current(), &healer) << "an unknown class leaves the current planner";
}

TEST(Session, CopiesASavedPlansNoteOnlyWhileThePlanIsAsSaved) {
    Session session;
    Planner& healer = session.Open(Healer());
    healer.MoveSlider(0, 10);
    EXPECT_EQ(session.SavingCurrent("Group", std::string(2001, 'x'))(session.library()), PlanLibrary::NoteFault(std::string(2001, 'x')));
    EXPECT_EQ(session.library().Find("Group"), nullptr) << "a note refused refuses the save with it";
    ASSERT_EQ(session.SavingCurrent(" group ", "swap at 40")(session.library()), "");
    EXPECT_EQ(session.NoteOf(healer), "swap at 40");
    ASSERT_EQ(session.SaveCurrent("group"), "");
    EXPECT_EQ(session.NoteOf(healer), "swap at 40") << "saving over a plan keeps its note";

    healer.MoveSlider(0, 11);
    EXPECT_EQ(session.NoteOf(healer), "") << "the note is the saved plan's, not this one's";
    ASSERT_NE(session.Load(*session.library().Find("GROUP")).planner, nullptr);
    EXPECT_EQ(session.NoteOf(healer), "swap at 40");
    ASSERT_EQ(session.library().Rename("group", "Solo"), "");
    EXPECT_EQ(session.NoteOf(healer), "");
    EXPECT_EQ(session.NoteOf(*session.Open("Armsman")), "");
}

TEST(Session, AppliesALinkToItsClassWhichBecomesCurrentAndLeavesAllAsItWasOnABadCode) {
    Session session;
    session.Open("Armsman");
    const Session::Applied applied = session.ApplyPasted("https://example.org/vantrell.html#VT1:Healer:40:12.1.1");
    ASSERT_EQ(applied.fault, "");
    ASSERT_NE(applied.planner, nullptr);
    EXPECT_EQ(applied.planner, session.current());
    EXPECT_EQ(&applied.planner->definition(), &Healer());
    EXPECT_EQ(EncodePlanCode(*applied.planner), "VT1:Healer:40:12.1.1");

    Planner* before = session.current();
    const Session::Applied refused = session.ApplyCode("https://example.org/#VT1:Healer:40:12.1.1");
    EXPECT_EQ(refused.planner, nullptr) << "a fragment must be a code as it stands";
    EXPECT_FALSE(refused.fault.empty());
    EXPECT_EQ(session.current(), before);
    EXPECT_EQ(EncodePlanCode(*before), "VT1:Healer:40:12.1.1");
}

struct MoveRow {
    std::size_t place;
    int offset;
    std::optional<std::size_t> to;
    std::vector<std::size_t> after;
};

TEST(Session, MovesALineOfThePriorityOnlyWhereThereIsAPlaceForIt) {
    const std::vector<MoveRow> rows = {
        {.place = 0, .offset = 1, .to = 1, .after = {1, 0, 2}},
        {.place = 2, .offset = -1, .to = 1, .after = {0, 2, 1}},
        {.place = 0, .offset = -1, .to = std::nullopt, .after = {0, 1, 2}},
        {.place = 2, .offset = 1, .to = std::nullopt, .after = {0, 1, 2}},
        {.place = 3, .offset = -1, .to = std::nullopt, .after = {0, 1, 2}},
        {.place = 0, .offset = 2, .to = 2, .after = {2, 1, 0}},
    };
    for (const MoveRow& row : rows) {
        SCOPED_TRACE("place " + std::to_string(row.place) + " by " + std::to_string(row.offset));
        Session session;
        EXPECT_EQ(session.MoveInPriority(Healer(), row.place, row.offset), row.to);
        EXPECT_EQ(session.PriorityOf(Healer()), row.after);
    }
}

TEST(Session, KeepsAPriorityOnlyWhenItNamesEveryLineOnce) {
    Session session;
    const std::vector<std::string_view> twice = {"Mending", "Mending", "Pacification"};
    EXPECT_FALSE(session.SetPriority(Healer(), twice).empty());
    EXPECT_EQ(session.PriorityOf(Healer()), (TrainingPriority{0, 1, 2}));
    const std::vector<std::string_view> reversed = {"Pacification", "Augmentation", "Mending"};
    EXPECT_EQ(session.SetPriority(Healer(), reversed), "");
    EXPECT_EQ(session.PriorityOf(Healer()), (TrainingPriority{2, 1, 0}));
}

TEST(Session, KeepsTheLastTwoHundredStepsOfEachPlanner) {
    Session session;
    Planner& healer = session.Open(Healer());
    for (int step = 0; step < 205; ++step) session.MoveSlider(healer, 0, step % 2 == 0 ? 2 : 3);
    Planner& armsman = *session.Open("Armsman");
    session.PickLevel(armsman, 20);
    EXPECT_EQ(session.HistoryOf(healer).undoCount(), PlanHistory::kDepth);
    EXPECT_EQ(session.HistoryOf(armsman).undoCount(), 1U);
    while (session.Undo(healer)) {
    }
    // The oldest five steps are gone: the plan goes back only as far as after the fifth, Mending at 2.
    EXPECT_EQ(healer.state().lines[0].level, 2);
    EXPECT_EQ(session.HistoryOf(healer).redoCount(), PlanHistory::kDepth);
    EXPECT_EQ(armsman.state().characterLevel, 20) << "undo acts on one planner only";
}

TEST(ComposedTexts, ContactLinksCarryTheSubjectAsEachFrontEndHandsItOn) {
    EXPECT_EQ(texts::ContactLink(), "MailTo:vantrell@example.org?subject=Regarding Vantrell program");
    EXPECT_EQ(texts::ContactHref(), "mailto:vantrell@example.org?subject=Regarding%20Vantrell%20program");
    EXPECT_TRUE(texts::AboutText().ends_with("vantrell@example.org."));
}

}  // namespace
}  // namespace vantrell::planner
