#include "core/planner/plan_library.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace vantrell::planner {
namespace {

const std::vector<std::string> kHealerPriority = {"Mending", "Augmentation", "Pacification"};

PlanLibrary ReadOrFail(const std::string& document) {
    auto read = PlanLibrary::Read(document);
    if (auto* fault = std::get_if<std::string>(&read)) ADD_FAILURE() << *fault << "\n" << document;
    return std::holds_alternative<PlanLibrary>(read) ? std::get<PlanLibrary>(std::move(read)) : PlanLibrary();
}

struct RefusedRow {
    const char* what;
    std::string document;
    const char* reason;
};

TEST(PlanLibrary, RefusesWhatIsNotALibraryAndSaysWhy) {
    const std::string good = R"({"format":"vantrell-plans","version":1,"plans":[]})";
    const std::vector<RefusedRow> rows = {
        {"empty", "  \n", "empty"},
        {"not JSON", "Solo healer: VT1:Healer:50:10.1.1", "not JSON"},
        {"cut short", good.substr(0, good.size() - 3), "cut short"},
        {"binary", std::string("\x89PNG\r\n\x1a\n\0\0", 10), "not JSON"},
        {"another format", R"({"format":"something-else","version":1,"plans":[]})", "something else"},
        {"no version", R"({"format":"vantrell-plans","plans":[]})", "no format version"},
        {"a newer version", R"({"format":"vantrell-plans","version":2,"plans":[]})", "newer version"},
        {"no list", R"({"format":"vantrell-plans","version":1,"plans":{}})", "no list of plans"},
        {"a list", R"([{"format":"vantrell-plans"}])", "something else"},
        {"a number out of range", R"({"format":"vantrell-plans","version":1e400,"plans":[]})", "not JSON"},
    };
    for (const RefusedRow& row : rows) {
        SCOPED_TRACE(row.what);
        const auto read = PlanLibrary::Read(row.document);
        ASSERT_TRUE(std::holds_alternative<std::string>(read));
        EXPECT_NE(std::get<std::string>(read).find(row.reason), std::string::npos) << std::get<std::string>(read);
    }
}

TEST(PlanLibrary, KeepsWhatItCannotOpenAndWhatItDoesNotKnowOnARoundTrip) {
    const std::string document = R"({"format":"vantrell-plans","version":1,"owner":{"tab":3},"plans":[
        {"name":"Old","colour":"red","code":"VT1:Healer:99:1.1.1","priority":["Mending"]},
        {"name":"Wrong order","code":"VT1:Bard:40:1.1.1.1.1","priority":["Music"]},
        {"name":"Gone","code":"VT1:Necromancer:50:1.1.1","priority":[]},
        42,
        {"note":"keep me","name":"Solo","code":"VT1:Healer:50:10.1.1","priority":["Mending","Augmentation","Pacification"]}]})";
    const PlanLibrary library = ReadOrFail(document);
    ASSERT_EQ(library.plans().size(), 5U);
    const SavedPlan& old = library.plans()[0];
    EXPECT_FALSE(old.usable());
    EXPECT_NE(old.fault.find("99"), std::string::npos) << old.fault;
    ASSERT_NE(old.definition, nullptr);
    EXPECT_EQ(old.definition->listName, "Healer");
    EXPECT_FALSE(old.characterLevel) << "a level the code cannot hold is not listed";
    EXPECT_FALSE(library.plans()[1].usable()) << "a priority that does not name every line";
    EXPECT_EQ(library.plans()[1].characterLevel, 40);
    EXPECT_EQ(library.plans()[2].definition, nullptr);
    EXPECT_FALSE(library.plans()[3].usable());
    EXPECT_TRUE(library.plans()[4].usable());

    const std::string written = library.Write();
    for (const char* kept : {R"("owner")", R"("colour": "red")", R"("note": "keep me")", "VT1:Healer:99:1.1.1",
                             "VT1:Necromancer:50:1.1.1", "42"}) {
        EXPECT_NE(written.find(kept), std::string::npos) << kept << " was lost:\n" << written;
    }
    EXPECT_EQ(ReadOrFail(written).Write(), written);
}

// A note is any text of up to 2,000 characters; it goes through a write, a read and an import exactly.
TEST(PlanLibrary, KeepsEveryNoteExactlyAndRefusesOneTooLong) {
    struct NoteRow {
        std::string note;
        bool kept;
    };
    const std::string snowmen = [] {
        std::string text;
        for (int i = 0; i < 2000; ++i) text += "\u2603";
        return text;
    }();
    const std::vector<NoteRow> rows = {
        {"For group play, swap \"Blades\" for \\Blunts\\ at 40", true},
        {"line one\nline two\r\n\ttabbed", true},
        {"\U0001F600 \u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627", true},
        {snowmen, true},
        {snowmen + "x", false},
        {"\xff not text", false},
        {"", true},
    };
    for (const NoteRow& row : rows) {
        SCOPED_TRACE(row.note.substr(0, 40));
        PlanLibrary library;
        ASSERT_EQ(library.Save("Solo", "VT1:Healer:50:10.1.1", {"Mending", "Augmentation", "Pacification"}), "");
        EXPECT_EQ(library.SetNote(" solo ", row.note).empty(), row.kept);
        const std::string note = row.kept ? row.note : std::string();
        const PlanLibrary read = ReadOrFail(library.Write());
        EXPECT_EQ(read.plans().front().note, note);
        EXPECT_EQ(read.Write(), library.Write());
        EXPECT_EQ(library.Write().find("\"note\""), note.empty() ? std::string::npos : library.Write().find("\"note\""));
        PlanLibrary imported;
        imported.Import(read);
        EXPECT_EQ(imported.plans().front().note, note);
        ASSERT_EQ(library.Save("Solo", "VT1:Healer:40:10.1.1", {"Mending", "Augmentation", "Pacification"}), "");
        EXPECT_EQ(library.plans().front().note, note) << "saving over a plan keeps its note";
    }
}

TEST(PlanLibrary, TakesAnyTextAsANameButControlCharactersAndKeepsItExactly) {
    PlanLibrary library;
    const std::vector<std::string> names = {"Solo \"healer\" \\ 1", "Группа 😀", "שלום עולם", std::string(80, 'x'),
                                            std::string(40, 'x') + "😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀"};
    for (const std::string& name : names)
        EXPECT_EQ(library.Save(name, "VT1:Healer:50:10.1.1", kHealerPriority), "") << name;
    for (const std::string& bad : {std::string("  "), std::string("two\nlines"), std::string("tab\there"),
                                   std::string(81, 'x'), std::string("\xff\xfe")}) {
        EXPECT_NE(library.Save(bad, "VT1:Healer:50:10.1.1", kHealerPriority), "") << bad;
    }
    const PlanLibrary again = ReadOrFail(library.Write());
    ASSERT_EQ(again.plans().size(), names.size());
    for (std::size_t index = 0; index < names.size(); ++index) EXPECT_EQ(again.plans()[index].name, names[index]);
}

TEST(PlanLibrary, ReplacesRenamesAndDeletesByNameWhateverItsCase) {
    PlanLibrary library;
    ASSERT_EQ(library.Save("Solo", "VT1:Healer:50:10.1.1", kHealerPriority), "");
    ASSERT_EQ(library.Save("Group", "VT1:Healer:40:5.1.1", kHealerPriority), "");
    ASSERT_EQ(library.Save("  SOLO ", "VT1:Healer:30:2.1.1", kHealerPriority), "");
    ASSERT_EQ(library.plans().size(), 2U);
    EXPECT_EQ(library.plans()[0].name, "SOLO") << "replaced in its place";
    EXPECT_EQ(library.plans()[0].code, "VT1:Healer:30:2.1.1");
    EXPECT_NE(library.Rename("group", "solo"), "") << "a name in use";
    EXPECT_EQ(library.Rename("group", "GROUP"), "") << "its own name in another case";
    EXPECT_NE(library.Delete("Nobody"), "");
    EXPECT_EQ(library.Delete("solo"), "");
    ASSERT_EQ(library.plans().size(), 1U);
    EXPECT_EQ(library.plans()[0].name, "GROUP");
}

TEST(PlanLibrary, ImportsEveryPlanUnderANameOfItsOwn) {
    PlanLibrary mine;
    ASSERT_EQ(mine.Save("Solo", "VT1:Healer:50:10.1.1", kHealerPriority), "");
    ASSERT_EQ(mine.Save("Solo (2)", "VT1:Healer:50:11.1.1", kHealerPriority), "");
    const PlanLibrary theirs = ReadOrFail(R"({"format":"vantrell-plans","version":1,"plans":[
        {"name":"solo","code":"VT1:Healer:50:12.1.1","priority":["Mending","Augmentation","Pacification"]},
        {"name":"Broken","code":"VT9:Healer","priority":[]}]})");
    const PlanLibrary::Imported imported = mine.Import(theirs);
    EXPECT_EQ(imported.plans, 2U);
    EXPECT_EQ(imported.unusable, 1U);
    ASSERT_EQ(mine.plans().size(), 4U);
    EXPECT_EQ(mine.plans()[0].code, "VT1:Healer:50:10.1.1") << "nothing is replaced";
    EXPECT_EQ(mine.plans()[2].name, "solo (3)");
    EXPECT_EQ(mine.plans()[3].name, "Broken");
}

TEST(PlanLibrary, ReadsATenMegabyteLibrary) {
    std::string document = R"({"format":"vantrell-plans","version":1,"plans":[)";
    constexpr int kPlans = 95000;
    for (int plan = 0; plan < kPlans; ++plan) {
        document += (plan == 0 ? "" : ",");
        document += R"({"name":"Plan number )" + std::to_string(plan) +
                    R"(","code":"VT1:Healer:50:10.1.1","priority":["Mending","Augmentation","Pacification"]})";
    }
    document += "]}";
    ASSERT_GT(document.size(), 10U << 20);
    const PlanLibrary library = ReadOrFail(document);
    ASSERT_EQ(library.plans().size(), static_cast<std::size_t>(kPlans));
    EXPECT_TRUE(library.plans().back().usable());
}

}  // namespace
}  // namespace vantrell::planner
