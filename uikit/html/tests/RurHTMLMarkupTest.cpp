#include <gtest/gtest.h>

#include "RurHTML.h"

namespace {

struct PrepareCase {
    String In;
    THTMLEdition Edition;
    String Out;
    bool NoPrefix;
};

} // namespace

TEST(RurHTMLMarkup, PreparesWholeTexts)
{
    const auto F = THTMLEdition::Full;
    const auto R = THTMLEdition::Reduced;
    const PrepareCase cases[] = {
        {u"A &amp; B", F, u"A && B", false},
        {u"R&D", F, u"R&D", false},
        {u"A & B &amp; C", F, u"A & B && C", true},
        {u"x&AMP;y", F, u"x&&y", false},
        {u"&amp;amp;", F, u"&&&", false},
        // Entity names keep their case, whatever else the text holds.
        {u"&Eacute;", F, u"\u00C9", false},
        {u"&Eacute;&eacute;", F, u"\u00C9\u00E9", false},
        {u"&EACUTE;&NBSP;", F, u"&EACUTE;&NBSP;", false},
        {u"&ntilde;&frac34;&deg;", F, u"\u00F1\u00BE\u00B0", false},
        {u"&ntilde;&frac34;&deg;", R, u"&ntilde;&frac34;\u00B0", false},
        {u"&dollar;&quot;&apos;", F, u"$\"'", false},
        // Numeric references, and an escaped one that does not stop the later ones.
        {u"&#65;&#x41;&#X41;", F, u"AA&#X41;", false},
        {u"&amp;#65;&#66;", F, u"&&#65;B", false},
        {u"&&&#65;", F, u"&&A", false},
        {u"&#65", F, u"&#65", false},
        {u"&#65 and;", F, u"Aand;", false},
        {u"&#;&#1234567;&#x110000;", F, u"&#;&#1234567;&#x110000;", false},
        {u"&#x1F600;", F, u"<J \U0001F600 >", false},
        {u"&#x1F600;", R, u"\U0001F600", false},
        {u"&#126979;", F, u"\U0001F003", false},
        {u"&#x2764;", F, u"\u2764", false},
        // Hash markers lose their brackets; line breaks become tags.
        {u"<#name> and <#x>", F, u"#name and #x", false},
        {u"<#a<>#b>", F, u"#a#b", false},
        {u"<#open", F, u"#open", false},
        {u"one\r\ntwo\nthree\r", F, u"one<BR>twothree<BR>", false},
    };
    for (const PrepareCase& c : cases) {
        const THTMLPreparedText prepared = PrepareHTMLText(c.In, c.Edition);
        EXPECT_EQ(prepared.Text, c.Out) << ToUtf8(c.In);
        EXPECT_EQ(prepared.NoPrefix, c.NoPrefix) << ToUtf8(c.In);
    }
}

TEST(RurHTMLMarkup, HelpersKeepTheirOwnRules)
{
    String text = u"abcABC";
    EXPECT_TRUE(ReplaceFirstNoCase(u"ABC", u"-", text));
    EXPECT_EQ(text, u"-ABC");
    EXPECT_FALSE(ReplaceFirstNoCase(u"xyz", u"-", text));
    EXPECT_FALSE(ReplaceFirstNoCase(u"", u"-", text));
    EXPECT_EQ(ConvertLineBreaks(u"a\r\nb\r", false), u"ab");
    EXPECT_EQ(StripHashMarkers(u"<#1><#2>"), u"#1#2");
    EXPECT_EQ(StripFirstHashMarker(u"<#1> <#2>"), u"#1 <#2>");
    EXPECT_EQ(StripFirstHashMarker(u"a<#b"), u"a#b");
}

TEST(RurHTMLMarkup, ReadsValues)
{
    struct ColorCase { String In; TColor Out; };
    const ColorCase colors[] = {
        {u"#FF8000", 0x0080FF}, {u"#0a0B0c", 0x0C0B0A}, {u"#12", 0x000012}, {u"#GG0000", 0},
        {u"CLRED", 0x0000FF},   {u"clNavy", 0x800000},  {u"CLBTNFACE", TColor(0xFF00000F)},
        {u"purple", 0},         {u"", 0},
    };
    for (const ColorCase& c : colors)
        EXPECT_EQ(HTMLColorValue(c.In), c.Out) << ToUtf8(c.In);
    EXPECT_EQ(ColorFromName(u"CLRED"), 0) << "names are looked up in lower case";

    struct IntCase { String In; int Out; };
    const IntCase ints[] = {
        {u"  42px", 42},        {u"-7", -7},     {u"+3", 3}, {u"$1F", 31}, {u"0x10", 16},
        {u"abc", 0},            {u"", 0},        {u"99999999999", 2147483647},
        {u"-99999999999", -2147483647 - 1},
    };
    for (const IntCase& c : ints)
        EXPECT_EQ(HTMLIntegerValue(c.In), c.Out) << ToUtf8(c.In);

    EXPECT_DOUBLE_EQ(HTMLRealValue(u"1.5"), 1.5);
    EXPECT_DOUBLE_EQ(HTMLRealValue(u" 2,25"), 2.25);
    EXPECT_DOUBLE_EQ(HTMLRealValue(u"-0.5x"), -0.5);
    EXPECT_DOUBLE_EQ(HTMLRealValue(u"x"), 0.0);
}
