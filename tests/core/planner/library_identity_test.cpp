// What the library does with documents and names that no careful user writes:
// deep or huge documents, entries without a usable name, names alike but for case.
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "core/planner/library_journal.h"
#include "core/planner/plan_code.h"
#include "core/planner/plan_library.h"

namespace vantrell::planner {
namespace {

const std::vector<std::string> kHealerPriority = {"Mending", "Augmentation", "Pacification"};
constexpr const char* kSolo = "VT1:Healer:50:10.1.1";

std::string Library(const std::string& plans) {
    return R"({"format":"vantrell-plans","version":1,"plans":[)" + plans + "]}";
}

std::string Nested(std::size_t depth) { return std::string(depth, '[') + std::string(depth, ']'); }

PlanLibrary ReadOrFail(const std::string& document) {
    auto read = PlanLibrary::Read(document);
    if (auto* fault = std::get_if<std::string>(&read)) ADD_FAILURE() << *fault;
    return std::holds_alternative<PlanLibrary>(read) ? std::get<PlanLibrary>(std::move(read)) : PlanLibrary();
}

std::vector<std::string> NamesOf(const PlanLibrary& library) {
    std::vector<std::string> names;
    for (const SavedPlan& plan : library.plans()) names.push_back(plan.name);
    return names;
}

TEST(LibraryLimits, RefusesDocumentsNestedDeeperThanSixtyFourLevelsWhereverTheDepthIs) {
    const std::string entry = R"({"name":"x","code":"VT1:Healer:40:12.5.1","priority":[],"extra":)";
    for (const std::size_t depth : {65UL, 10'000UL, 100'000UL, 1'000'000UL}) {
        for (const std::string& document :
             {Library(entry + Nested(depth - 3) + "}"), Library(Nested(depth - 2)), Nested(depth)}) {
            const auto read = PlanLibrary::Read(document);
            ASSERT_TRUE(std::holds_alternative<std::string>(read)) << depth;
            EXPECT_NE(std::get<std::string>(read).find("deeper than 64"), std::string::npos);
        }
    }
    EXPECT_EQ(ReadOrFail(Library(entry + Nested(61) + "}")).plans().size(), 1U) << "64 levels in all are read";
}

TEST(LibraryLimits, RefusesADocumentLargerThanSixtyFourMegabytesBeforeReadingIt) {
    const std::string padding(std::size_t{64} << 20, ' ');
    const auto read = PlanLibrary::Read(Library("") + padding);
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_NE(std::get<std::string>(read).find("larger than 64 MB"), std::string::npos);
}

// One entry of every kind a hand-edited or foreign document may hold, and the name each is listed by.
const std::string kAwkward = Library(R"(
    {"name":"  padded  ","code":"VT1:Healer:50:10.1.1","priority":["Mending","Augmentation","Pacification"]},
    {"name":"padded","code":"VT1:Healer:50:11.1.1","priority":["Mending","Augmentation","Pacification"]},
    {"name":"","code":"VT1:Healer:50:12.1.1","priority":["Mending","Augmentation","Pacification"]},
    {"code":"VT1:Healer:50:13.1.1","priority":["Mending","Augmentation","Pacification"]},
    {"name":42,"code":"VT1:Healer:50:14.1.1","priority":["Mending","Augmentation","Pacification"]},
    7, "text", null, [1],
    {"name":"ÄRMSMAN"}, {"name":"ärmsman"}, {"name":"Ω"}, {"name":"ω"}, {"name":"ǅ"}, {"name":"ǆ"})");
const std::vector<std::string> kListedAs = {
    "padded", "padded (2)", "Plan without a name", "Plan without a name (2)", "42",
    "Entry that is not a plan", "Entry that is not a plan (2)", "Entry that is not a plan (3)",
    "Entry that is not a plan (4)", "ÄRMSMAN", "ärmsman (2)", "Ω", "ω (2)", "ǅ", "ǆ (2)"};

TEST(LibraryIdentity, GivesEveryEntryANameOfItsOwnByWhichItIsFound) {
    const PlanLibrary library = ReadOrFail(kAwkward);
    ASSERT_EQ(NamesOf(library), kListedAs);
    for (std::size_t at = 0; at < kListedAs.size(); ++at) EXPECT_EQ(library.Find(kListedAs[at]), &library.plans()[at]);
    EXPECT_TRUE(library.plans()[3].usable()) << "a plan without a name still opens";
    EXPECT_EQ(ReadOrFail(library.Write()).Write(), library.Write()) << "names are the same when read again";
}

TEST(LibraryIdentity, DeletesAndRenamesExactlyTheListedPlan) {
    const PlanLibrary read = ReadOrFail(kAwkward);
    for (std::size_t chosen = 0; chosen < kListedAs.size(); ++chosen) {
        SCOPED_TRACE(kListedAs[chosen]);
        PlanLibrary deleted = read;
        ASSERT_EQ(deleted.Delete(kListedAs[chosen]), "");
        std::vector<std::string> expected = kListedAs;
        expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(chosen));
        EXPECT_EQ(NamesOf(deleted), expected);

        PlanLibrary renamed = read;
        ASSERT_EQ(renamed.Rename(kListedAs[chosen], "Chosen"), "");
        expected = kListedAs;
        expected[chosen] = "Chosen";
        EXPECT_EQ(NamesOf(renamed), expected);
        EXPECT_EQ(renamed.plans()[chosen].code, read.plans()[chosen].code);
        EXPECT_EQ(NamesOf(ReadOrFail(renamed.Write())), expected) << "the new name is what the document keeps";
    }
}

TEST(LibraryIdentity, KeepsAnEntryThatIsNoPlanBesideTheNameItWasGiven) {
    PlanLibrary library = ReadOrFail(Library(R"({"code":"x","colour":1}, 7)"));
    ASSERT_EQ(library.Rename("Entry that is not a plan", "Seven"), "");
    const std::string written = library.Write();
    EXPECT_NE(written.find(R"("original": 7)"), std::string::npos) << written;
    const PlanLibrary again = ReadOrFail(written);
    EXPECT_EQ(NamesOf(again), (std::vector<std::string>{"Plan without a name", "Seven"}));
    EXPECT_EQ(again.plans()[1].fault, library.plans()[1].fault);
}

TEST(LibraryIdentity, ARenameThatMendsTheNameMakesThePlanUsableAtOnce) {
    PlanLibrary library = ReadOrFail(Library(R"({"name":")" + std::string(100, 'x') + R"(","code":")" + kSolo +
                                             R"(","priority":["Mending","Augmentation","Pacification"]})"));
    ASSERT_FALSE(library.plans()[0].usable());
    ASSERT_EQ(library.Rename(std::string(100, 'x'), "Solo"), "");
    EXPECT_TRUE(library.plans()[0].usable()) << library.plans()[0].fault;
}

TEST(LibraryIdentity, ImportsAHundredThousandPlansOfOneNameEachUnderItsOwn) {
    std::string entries;
    constexpr int kPlans = 100'000;
    for (int plan = 0; plan < kPlans; ++plan) entries += std::string(plan == 0 ? "" : ",") + R"({"name":"Ω"})";
    const PlanLibrary theirs = ReadOrFail(Library(entries));
    PlanLibrary mine = theirs;
    mine.Import(theirs);
    ASSERT_EQ(mine.plans().size(), 2U * kPlans);
    EXPECT_EQ(mine.plans()[kPlans].name, "Ω (100001)");
    EXPECT_EQ(mine.plans().back().name, "Ω (100000) (2)");
}

TEST(LibraryJournal, ReplaysChangesOnWhatTheKeeperHoldsNow) {
    PlanLibrary here;
    LibraryJournal journal;
    for (const char* name : {"Alpha", "Delta"}) ASSERT_EQ(here.Save(name, kSolo, kHealerPriority), "");
    journal.Written(here);
    // The keeper refuses these; another program meanwhile saves Echo and renames Alpha.
    ASSERT_EQ(journal.Apply(here, LibraryJournal::Deleting("Delta")), "");
    ASSERT_EQ(journal.Apply(here, LibraryJournal::Saving("Bravo", kSolo, kHealerPriority)), "");
    ASSERT_EQ(journal.Apply(here, LibraryJournal::Renaming("Bravo", "Charlie")), "");
    EXPECT_NE(journal.Apply(here, LibraryJournal::Deleting("Nobody")), "");
    EXPECT_EQ(journal.Unwritten(here), std::vector<std::string>{"Charlie"});

    PlanLibrary elsewhere;
    for (const char* name : {"Zulu", "Delta", "Echo"}) ASSERT_EQ(elsewhere.Save(name, kSolo, kHealerPriority), "");
    journal.Rebase(here, elsewhere);
    EXPECT_EQ(NamesOf(here), (std::vector<std::string>{"Zulu", "Echo", "Charlie"}));
    journal.Written(here);
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(journal.Unwritten(here).empty());
}

TEST(PastedText, AMessageQuotesOnlyAnExcerptOfWhatWasPasted) {
    const std::string pasted = "VT1:" + std::string(10'000'000, 'x') + ":50:1.1.1.1.1.1.1.1";
    const auto decoded = DecodePlanCode(pasted);
    ASSERT_TRUE(std::holds_alternative<std::string>(decoded));
    EXPECT_LT(std::get<std::string>(decoded).size(), 200U) << std::get<std::string>(decoded).substr(0, 200);
}

}  // namespace
}  // namespace vantrell::planner
