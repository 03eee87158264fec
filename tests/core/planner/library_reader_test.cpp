// The library is read and written without building a tree for each plain
// entry; what it reads and writes must be what the JSON library's own tree
// gives, for every shape an entry can take.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "core/planner/library_reader.h"
#include "core/planner/plain_library_reader.h"
#include "core/planner/plan_library.h"
#include "core/planner/record_fields.h"
#include "core/planner/record_json.h"

namespace vantrell::planner {
namespace {

// Entries that leave the plain shape at every point it can be left, and some that never had it.
const std::vector<std::string> kEntries = {
    R"({"name":"Plain","code":"VT1:Healer:50:10.1.1","priority":["Mending","Augmentation","Pacification"]})",
    R"({"name":"  Padded  ","code":"VT1:Healer:50:10.1.1","priority":[]})",
    R"({"name":"","code":"VT1:Healer:50:10.1.1","priority":[]})",
    R"({"name":7,"code":"VT1:Healer:50:10.1.1","priority":[]})",
    R"({"name":{"first":"x"},"code":"x","priority":[]})",
    R"({"name":"Code first?","priority":[],"code":"VT1:Healer:50:10.1.1"})",
    R"({"name":"Numbered code","code":5,"priority":[]})",
    R"({"name":"Odd stem","code":"VT1:Healer:50:10.1.1","priority":["Mending",3,["deep"],"Pacification"]})",
    R"({"name":"Priority object","code":"VT1:Healer:50:10.1.1","priority":{"a":1}})",
    R"({"name":"Extra","code":"VT1:Healer:50:10.1.1","priority":[],"note":"kept","more":[1,{"x":null}]})",
    R"({"name":"Twice","name":"Again","code":"VT1:Healer:50:10.1.1","priority":[]})",
    R"({"name":"No priority","code":"VT1:Healer:50:10.1.1"})",
    R"({"name":"Only a name"})",
    R"({})",
    R"({"original":[1,2],"name":"Kept aside"})",
    R"("just text")", "42", "-1.5e3", "true", "null", "[]", R"([[{"name":"inside"}]])",
    R"({"name":"Esc\"aped\\\u0001\t","code":"VT1:Healer:50:10.1.1\n","priority":["\u00e9"]})",
    R"({"name":"Noted","code":"VT1:Healer:50:10.1.1","priority":[],"note":"One\n\"two\" \u00e9 \ud83d\ude00"})",
    R"({"name":"Empty note","code":"VT1:Healer:50:10.1.1","priority":[],"note":""})",
    R"({"name":"Odd note","code":"VT1:Healer:50:10.1.1","priority":[],"note":5})",
    R"({"name":"Long note","code":"VT1:Healer:50:10.1.1","priority":[],"note":")" + std::string(2001, 'x') + R"("})",
};

std::string Library(const std::string& entries, const std::string& after = "") {
    return R"({"format":"vantrell-plans","version":1,"plans":[)" + entries + "]" + after + "}";
}

std::string AllEntries() {
    std::string entries;
    for (const std::string& entry : kEntries) entries += (entries.empty() ? "" : ",") + entry;
    return entries;
}

void ExpectSamePlan(const SavedPlan& read, const SavedPlan& expected, const std::string& entry) {
    SCOPED_TRACE(entry);
    EXPECT_EQ(read.name, expected.name);
    EXPECT_EQ(read.code, expected.code);
    EXPECT_EQ(read.priority, expected.priority);
    EXPECT_EQ(read.note, expected.note);
    EXPECT_EQ(read.fault, expected.fault);
    EXPECT_EQ(read.stored, expected.stored);
    EXPECT_EQ(read.foreign, expected.foreign);
    EXPECT_EQ(read.definition, expected.definition);
    EXPECT_EQ(read.characterLevel, expected.characterLevel);
}

TEST(LibraryReader, ReadsEveryEntryAsTheJsonLibrarysTreeOfItWouldBeRead) {
    const std::string document = Library(AllEntries(), R"(,"kept":{"a":[1,2]},"plans2":[])");
    const auto read = ReadLibraryDocument(document);
    ASSERT_TRUE(std::holds_alternative<LibraryDocument>(read));
    const auto& [fields, plans] = std::get<LibraryDocument>(read);
    const LibraryJson tree = LibraryJson::parse(document);
    ASSERT_EQ(plans.size(), kEntries.size());
    for (std::size_t at = 0; at < kEntries.size(); ++at) ExpectSamePlan(plans[at], PlanOfEntry(tree["plans"][at]), kEntries[at]);

    LibraryJson others = tree;
    others["plans"] = LibraryJson::array();
    EXPECT_EQ(fields, others);
}

TEST(LibraryReader, TakesTheLastListOfPlansAndLeavesOtherListsAlone) {
    const std::string document = R"({"plans":[{"name":"first"}],"format":"vantrell-plans","version":1,)"
                                 R"("nested":{"plans":[{"name":"not a plan"}]},"plans":[{"name":"last"}]})";
    const auto read = ReadLibraryDocument(document);
    const auto& [fields, plans] = std::get<LibraryDocument>(read);
    ASSERT_EQ(plans.size(), 1U);
    EXPECT_EQ(plans[0].name, "last");
    EXPECT_EQ(fields["nested"], LibraryJson::parse(document)["nested"]);
    EXPECT_EQ(fields.begin().key(), "plans") << "a key given twice keeps its first place";

    const auto notAList = std::get<LibraryDocument>(ReadLibraryDocument(R"({"plans":{"name":"x"}})"));
    EXPECT_TRUE(notAList.plans.empty());
    EXPECT_EQ(notAList.fields["plans"], LibraryJson({{"name", "x"}}));
}

TEST(LibraryReader, RefusesWhatTheTreeBuilderRefuses) {
    const std::vector<std::pair<std::string, JsonRefusal>> rows = {
        {Library(R"({"name":"x","code":"y","priority":[)"), JsonRefusal::kCutShort},
        {Library(R"({"name":"x",})"), JsonRefusal::kNotJson},
        {Library(R"({"name":"x"})") + "trailing", JsonRefusal::kNotJson},
        {Library(R"({"name":"x","code":"y","priority":[)" + std::string(70, '[') + std::string(70, ']') + "]}"),
         JsonRefusal::kTooDeep},
    };
    for (const auto& [document, refusal] : rows) {
        const auto read = ReadLibraryDocument(document);
        ASSERT_TRUE(std::holds_alternative<JsonRefusal>(read)) << document;
        EXPECT_EQ(std::get<JsonRefusal>(read), refusal) << document;
    }
}

// Documents in the program's own shape are read by a scanner of that shape alone; it must read
// exactly what the general reader reads, and leave every other document to it.
TEST(PlainLibraryReader, ReadsWhatTheGeneralReaderReadsAndDeclinesEveryOtherShape) {
    const std::string plain = R"({"name":"  Ärmsman  ","code":"VT1:Healer:50:10.1.1","priority":["Mending","Augmentation","Pacification"]},)"
                              R"({"name":"","code":"VT1:Healer:5:1.1.1","priority":[]},{"name":"Ω )" "\x7f" R"(","code":"x","priority":["a"]})";
    const std::string written = std::get<PlanLibrary>(PlanLibrary::Read(Library(plain))).Write();
    for (const std::string& document :
         std::vector<std::string>{Library(plain), written, Library(""), " \n" + Library(kEntries[0]) + "\r\n\t"}) {
        const auto fast = ReadPlainLibrary(document, "vantrell-plans");
        ASSERT_TRUE(fast.has_value()) << document;
        const auto general = std::get<LibraryDocument>(ReadLibraryDocument(document));
        ASSERT_EQ(fast->size(), general.plans.size());
        for (std::size_t at = 0; at < fast->size(); ++at) ExpectSamePlan((*fast)[at], general.plans[at], document);
    }
    const std::string entry = kEntries[0];
    for (const std::string& declined : std::vector<std::string>{
             Library(R"({"name":"Esc"aped","code":"x","priority":[]})"), Library(kEntries[9]), Library(kEntries[5]),
             Library(kEntries[15]), Library(entry, R"(,"kept":1)"), Library(entry) + " x",
             R"({"format":"vantrell-plans","version":2,"plans":[]})", R"({"format":"vantrell-plans","version":1.0,"plans":[]})",
             R"({"format":"vantrell-plans","version":10,"plans":[]})", R"({"format":"other","version":1,"plans":[]})",
             R"({"version":1,"format":"vantrell-plans","plans":[]})", Library("{\"name\":\"\xff\",\"code\":\"x\",\"priority\":[]}"),
             Library("{\"name\":\"\xed\xa0\x80\",\"code\":\"x\",\"priority\":[]}"),
             Library("{\"name\":\"tab\there\",\"code\":\"x\",\"priority\":[]}"), Library(entry + ","),
             Library(entry).substr(0, 60)}) {
        EXPECT_FALSE(ReadPlainLibrary(declined, "vantrell-plans").has_value()) << declined;
    }
}

// The document is written as the JSON library dumps it with an indent of two, without a tree for plain plans.
TEST(LibraryWriter, WritesWhatTheJsonLibraryWouldDumpForEveryEntry) {
    for (const std::string& document :
         {Library(AllEntries(), R"(,"kept":{"a":[1,{"b":"\n"}]},"empty":{})"), Library(""), Library(kEntries[0])}) {
        const auto read = PlanLibrary::Read(document);
        ASSERT_TRUE(std::holds_alternative<PlanLibrary>(read)) << std::get<std::string>(read);
        const std::string written = std::get<PlanLibrary>(read).Write();
        EXPECT_EQ(written, LibraryJson::parse(written).dump(2) + "\n");
        EXPECT_EQ(std::get<PlanLibrary>(PlanLibrary::Read(written)).Write(), written);
    }
}

// The page's list is written straight as text; the driver's as a tree. Both must say the same.
TEST(RecordFields, TheListWrittenAsTextIsTheListWrittenAsATree) {
    const PlanLibrary library = std::get<PlanLibrary>(PlanLibrary::Read(Library(AllEntries())));
    EXPECT_EQ(records::JsonTextOf(library), records::JsonText(records::JsonOf(library)));
    EXPECT_EQ(records::JsonTextOf(PlanLibrary()), "[]");
    // A part of the list, as the page fetches a long one: every window, and those past its end, is that slice.
    const records::Json whole = records::JsonOf(library);
    const std::size_t size = library.plans().size();
    for (std::size_t first = 0; first <= size + 1; ++first) {
        for (const std::size_t count : {std::size_t{0}, std::size_t{1}, std::size_t{2}, size, SIZE_MAX}) {
            records::Json slice = records::Json::array();
            for (std::size_t place = first; place < size && place - first < count; ++place) slice.push_back(whole[place]);
            EXPECT_EQ(records::JsonTextOf(library, first, count), records::JsonText(slice)) << first << ' ' << count;
        }
    }
}

}  // namespace
}  // namespace vantrell::planner
