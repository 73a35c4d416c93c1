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
