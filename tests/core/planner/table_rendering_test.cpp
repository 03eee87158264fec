// Each rendering of a plan worked out by hand, and of texts that each form must escape.
#include <gtest/gtest.h>

#include "core/catalog/class_catalog.h"
#include "core/planner/plan_formats.h"
#include "core/planner/table_rendering.h"

namespace vantrell::planner {
namespace {

Planner HealerAt40WithMending30() {
    Planner planner(*catalog::ClassCatalog::Find("Healer"));
    planner.ApplyLevelChange(40);
    planner.MoveSlider(0, 30);
    return planner;
}

TEST(TableRendering, APlanWorkedOutByHandInEveryForm) {
    const Planner planner = HealerAt40WithMending30();
    EXPECT_EQ(*PlanInFormat(planner, "markdown"),
              "**Healer, Level 40**\n\n"
              "| Line | Level | Points | % | Abilities |\n"
              "| :--- | ---: | ---: | ---: | :--- |\n"
              "| Mending | 30 | 464 | 56 |  |\n"
              "| Augmentation | 1 | 0 | 0 |  |\n"
              "| Pacification | 1 | 0 | 0 |  |\n\n"
              "Points left: 355 / 819\n\n"
              "`VT1:Healer:40:30.1.1`\n");
    EXPECT_EQ(*PlanInFormat(planner, "bbcode"),
              "[b]Healer, Level 40[/b]\n"
              "[color=#0000ff]Mending[/color] \u00b7 Level 30 \u00b7 Points 464\n"
              "[color=#004000]Augmentation[/color] \u00b7 Level 1 \u00b7 Points 0\n"
              "[color=#800080]Pacification[/color] \u00b7 Level 1 \u00b7 Points 0\n"
              "Points left: 355 / 819\n"
              "VT1:Healer:40:30.1.1\n");
    EXPECT_NE(PlanInFormat(planner, "html")->find("<th scope=\"row\" style=\"color:#0000ff\">Mending</th>"
                                                  "<td style=\"text-align:right\">30</td>"),
              std::string::npos);
    EXPECT_FALSE(PlanInFormat(planner, "Markdown").has_value());
    EXPECT_FALSE(PlanInFormat(planner, "").has_value());
}

TEST(TableRendering, TextsAreEscapedForEachForm) {
    const TableDocument table{
        .title = "A|*_`\\ <b>&\"'",
        .titleColour = {},
        .columns = {{"Line", ColumnKind::kName}, {"Abilities", ColumnKind::kText}},
        .rows = {{{"x|y", catalog::Rgb{}}, {"<script>&amp;", std::nullopt}}},
        .after = {},
        .code = "VT1:x",
        .note = "# not a heading\r\n\n<i>swap</i> *Blades* at 40 \u05e9\u05dc\u05d5\u05dd",
    };
    const std::string markdown = MarkdownOf(table);
    EXPECT_NE(markdown.find("**A\\|\\*\\_\\`\\\\ <b>&\"'**"), std::string::npos) << markdown;
    EXPECT_NE(markdown.find("| x\\|y | <script>&amp; |"), std::string::npos) << markdown;
    // The note is quoted a line of it a line of the quote, and no line of it turns into markup of its own.
    EXPECT_NE(markdown.find("\n> \\# not a heading\n>\n> <i>swap</i> \\*Blades\\* at 40 \u05e9"), std::string::npos)
        << markdown;
    EXPECT_NE(HtmlOf(table).find("<blockquote># not a heading<br><br>&lt;i&gt;swap&lt;/i&gt; *Blades*"),
              std::string::npos);
    EXPECT_NE(BbcodeOf(table).find(table.note + "\nVT1:x"), std::string::npos);
    for (const std::string& markup : {HtmlOf(table), SvgOf(table)}) {
        EXPECT_EQ(markup.find("<script>"), std::string::npos) << markup;
        EXPECT_NE(markup.find("&lt;script&gt;&amp;amp;"), std::string::npos) << markup;
        EXPECT_NE(markup.find("A|*_`\\ &lt;b&gt;&amp;&quot;&#39;"), std::string::npos) << markup;
        EXPECT_NE(markup.find("&lt;i&gt;swap&lt;/i&gt;"), std::string::npos) << markup;
    }
}

}  // namespace
}  // namespace vantrell::planner
