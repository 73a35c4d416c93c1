#include <gtest/gtest.h>

#include "RurGraphicsHTMLEngine.h"
#include "RurUtils.h"

TEST(HilightText, WrapsMatchesOfTheVisibleText)
{
    struct Case { String Text; String Search; bool CaseSensitive; String Out; };
    const Case cases[] = {
        {u"a bold word", u"bold", true, u"a <HI>bold</HI> word"},
        {u"a BOLD word", u"bold", true, u"a BOLD word"},
        {u"a BOLD word", u"bold", false, u"a <HI>BOLD</HI> word"},
        {u"aaaa", u"aa", true, u"<HI>aa</HI><HI>aa</HI>"},
        {u"abab", u"ab", true, u"<HI>ab</HI><HI>ab</HI>"},
        {u"text", u"", true, u"text"},
        // Leading tags stay inside the pair; a match at the end closes after the trailing tags.
        {u"<b>bold</b> x", u"bold", true, u"<HI><b>bold</b></HI> x"},
        {u"x <i>it</i>", u"it", true, u"x <i><HI>it</i></HI>"},
        {u"a <b>bo</b>ld", u"bold", true, u"a <b><HI>bo</b>ld</HI>"},
        // Line break tags count as the two characters the visible text holds for them.
        {u"one<BR>two", u"two", true, u"one<BR><HI>two</HI>"},
        {u"a<hr>b<br>c d", u"c", true, u"a<hr>b<br><HI>c</HI> d"},
        // Brackets of the text are escaped once anything is highlighted; the markup's tags stay.
        {u"<b>a > b</b>", u"b", true, u"<b>a &gt; <HI>b</b></HI>"},
        {u"<b>x</b> 1 < 2", u"2", true, u"<b>x</b> 1 &lt; <HI>2</HI>"},
        {u"1 < 2", u"9", true, u"1 < 2"},
    };
    for (const Case& c : cases) {
        String result;
        HilightText(c.Text, c.Search, u"HI", result, c.CaseSensitive);
        EXPECT_EQ(result, c.Out) << ToUtf8(c.Text) << " / " << ToUtf8(c.Search);
    }
}

TEST(HilightText, MapsVisiblePositionsLikeTheStrip)
{
    const String markups[] = {
        u"<b>bold</b> x", u"one<BR>two<hr>", u"a<b<br>c>d", u"<<BR>x>y", u"1 < 2", u"a > b", u"", u"<#",
    };
    for (const String& markup : markups) {
        const String visible = TRurUtils::HTMLStrip(markup);
        // Every visible character is found at the markup index the mapping gives.
        for (int n = 2; n <= int(visible.size()); ++n) {
            const int index = VisibleToMarkupIndex(markup, n);
            ASSERT_GT(index, 0) << ToUtf8(markup) << " at " << n;
            const Char shown = visible[std::size_t(n) - 1];
            if (shown != u'\r' && shown != u'\n') {
                EXPECT_EQ(markup[std::size_t(index) - 1], shown) << ToUtf8(markup) << " at " << n;
            }
        }
        EXPECT_EQ(VisibleToMarkupIndex(markup, 1), 1);
        if (!visible.empty()) {
            EXPECT_EQ(VisibleToMarkupIndex(markup, int(visible.size()) + 1), int(markup.size()) + 1);
        }
        EXPECT_EQ(VisibleToMarkupIndex(markup, int(visible.size()) + 2), 0);
    }

    int found = -1;
    EXPECT_EQ(FindVisibleMatch(u"b", u"abab", 2, found, true), 4);
    EXPECT_EQ(found, 4);
    EXPECT_EQ(FindVisibleMatch(u"B", u"abab", 0, found, false), 2);
    EXPECT_EQ(FindVisibleMatch(u"c", u"abab", 0, found, true), 0);
    EXPECT_EQ(found, 0);
}
