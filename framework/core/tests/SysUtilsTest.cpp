#include <gtest/gtest.h>

#include "SysUtils.h"

TEST(SysUtils, TrimRemovesControlsAndSpacesAtBothEnds)
{
    struct Case { String in, out; };
    const Case cases[] = {
        {u"", u""},
        {u"   ", u""},
        {u"\t\r\n abc \x01", u"abc"},
        {u" a b ", u"a b"},
        {u"\u0633\u0644\u0627\u0645 ", u"\u0633\u0644\u0627\u0645"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Trim(c.in), c.out);
}

TEST(SysUtils, OneSidedTrimsAndPos)
{
    EXPECT_EQ(TrimLeft(u" \t a b \n"), u"a b \n");
    EXPECT_EQ(TrimRight(u" \t a b \n"), u" \t a b");
    struct Case {
        String sub, s;
        int offset, expected;
    };
    const Case cases[] = {
        {u"b", u"abcb", 1, 2}, {u"b", u"abcb", 3, 4}, {u"b", u"abcb", 5, 0}, {u"x", u"abc", 1, 0},
        {u"", u"abc", 1, 0},   {u"a", u"", 1, 0},     {u"b", u"abc", 0, 0},  {u"\u0644\u0627", u"\u0633\u0644\u0627\u0645", 1, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Pos(c.sub, c.s, c.offset), c.expected) << ToUtf8(c.sub) << " in " << ToUtf8(c.s);
}

TEST(SysUtils, CaseMappingAndCaseInsensitiveComparison)
{
    EXPECT_EQ(UpperCase(u"abc\u00E9z"), u"ABC\u00E9Z");
    EXPECT_EQ(LowerCase(u"ABC\u00C9Z"), u"abc\u00C9z");
    const std::pair<String, String> letters[] = {
        {u"straße", u"STRAßE"}, {u"\u00FF\u00E0", u"\u0178\u00C0"}, {u"\u0101\u017E", u"\u0100\u017D"},
        {u"\u03B1\u03C9", u"\u0391\u03A9"}, {u"\u0436\u0451", u"\u0416\u0401"}, {u"\u0633\u0644\u0627\u0645 1", u"\u0633\u0644\u0627\u0645 1"},
    };
    for (const auto& [lower, upper] : letters) {
        EXPECT_EQ(AnsiUpperCase(lower), upper) << ToUtf8(lower);
        EXPECT_EQ(AnsiLowerCase(upper), lower) << ToUtf8(upper);
    }
    EXPECT_EQ(AnsiUpperCase(u"\u00F7\u00D7"), u"\u00F7\u00D7");
    EXPECT_EQ(CompareText(u"abc", u"ABC"), 0);
    EXPECT_LT(CompareText(u"abc", u"ABD"), 0);
    EXPECT_GT(CompareText(u"abcd", u"ABC"), 0);
    EXPECT_GT(CompareText(u"_", u"a"), 0); // letters fold to upper case, which sorts below "_"
    EXPECT_TRUE(SameText(u"TColor", u"tcolor"));
    EXPECT_FALSE(SameText(u"\u00E9", u"\u00C9"));
}

TEST(SysUtils, StringReplaceFlags)
{
    struct Case {
        String s, from, to;
        TReplaceFlags flags;
        String expected;
    };
    const Case cases[] = {
        {u"a-b-c", u"-", u"+", {}, u"a+b-c"},
        {u"a-b-c", u"-", u"+", {rfReplaceAll}, u"a+b+c"},
        {u"Abc abc", u"ABC", u"x", {rfIgnoreCase}, u"x abc"},
        {u"Abc abc", u"ABC", u"x", {rfReplaceAll, rfIgnoreCase}, u"x x"},
        {u"Abc abc", u"ABC", u"x", {rfReplaceAll}, u"Abc abc"},
        {u"aaa", u"aa", u"a", {rfReplaceAll}, u"aa"},
        {u"abc", u"", u"x", {rfReplaceAll}, u"abc"},
        {u"<BR>x<br>", u"<br>", u"\r\n", {rfReplaceAll, rfIgnoreCase}, u"\r\nx\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StringReplace(c.s, c.from, c.to, c.flags), c.expected) << ToUtf8(c.s);
}

TEST(SysUtils, Utf8RoundTripKeepsPersianAndAstralText)
{
    const String text = u"\u0634\u0646\u0627\u0633\u0647 \U0001F600 IR";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(ToUtf8(u"\u0627"), "\xD8\xA7");
    EXPECT_EQ(FromUtf8("\xD8"), u"\uFFFD"); // truncated sequence
}

TEST(SysUtils, ExceptionCarriesUtf16MessageAndAbortIsSilentKind)
{
    try {
        Abort();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_NE(dynamic_cast<const EAbort*>(&e), nullptr);
    }
    Exception e(u"\u062E\u0637\u0627");
    EXPECT_EQ(e.Message(), u"\u062E\u0637\u0627");
    EXPECT_STREQ(e.what(), "\xD8\xAE\xD8\xB7\xD8\xA7");
}

TEST(SysUtils, FileExtensionsKeepTheirDotAndStopAtTheFolder)
{
    const struct {
        const char16_t* name;
        const char16_t* extension;
    } cases[] = {{u"logo.SVG", u".SVG"}, {u"C:\\a.b\\c", u""}, {u"dir/arc.tar.gz", u".gz"}, {u"noext", u""},
                 {u"x.", u"."}};
    for (const auto& c : cases)
        EXPECT_EQ(ExtractFileExt(c.name), c.extension) << ToUtf8(c.name);
}
