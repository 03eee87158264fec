#include "core/planner/plan_link.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantrell::planner {
namespace {

struct LinkRow {
    const char* page;
    const char* home;
    const char* link;
    bool localOnly;
};

TEST(PlanLink, SharesTheAddressThatOpensThePlanWhereverItIsSent) {
    const std::vector<LinkRow> rows = {
        {"https://example.org/v/index.html?x=1#VT1:Healer:6:1.1.1", "",
         "https://example.org/v/index.html?x=1#VT1:Healer:50:10.1.1", false},
        {"HTTP://localhost:8080/", "https://example.org/v/", "HTTP://localhost:8080/#VT1:Healer:50:10.1.1", false},
        {"file:///home/a/vantrell.html", "https://example.org/v/", "https://example.org/v/#VT1:Healer:50:10.1.1",
         false},
        {"file:///home/a/vantrell.html#old", "", "file:///home/a/vantrell.html#VT1:Healer:50:10.1.1", true},
        {"file:///home/a/vantrell.html", "https://example.org/v", "file:///home/a/vantrell.html#VT1:Healer:50:10.1.1",
         true},
        {"file:///home/a/vantrell.html", "ftp://example.org/", "file:///home/a/vantrell.html#VT1:Healer:50:10.1.1",
         true},
    };
    for (const LinkRow& row : rows) {
        SCOPED_TRACE(std::string(row.page) + " with home '" + row.home + "'");
        const SharedLink shared = LinkForPage(row.page, row.home, "VT1:Healer:50:10.1.1");
        EXPECT_EQ(shared.link, row.link);
        EXPECT_EQ(shared.localOnly, row.localOnly);
        EXPECT_EQ(shared.note.empty(), !row.localOnly);
    }
}

TEST(PlanLink, EncodesWhatAFragmentCannotHold) {
    EXPECT_EQ(LinkToPlan("https://example.org/", "VT1:A b#\xC3\xA9"), "https://example.org/#VT1:A%20b%23%C3%A9");
}

}  // namespace
}  // namespace vantrell::planner
