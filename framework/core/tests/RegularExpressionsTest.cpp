#include <gtest/gtest.h>

#include "RegularExpressions.h"

TEST(RegularExpressions, EmailPatternBehavesAsPcre)
{
    const String email = u"^[\\w-\\.]+@([\\w-]+\\.)+[\\w-]{2,4}$";
    const std::pair<String, bool> cases[] = {
        {u"a@b.cc", true},
        {u"john.doe@example.com", true},
        {u"x-y_z@sub-domain.example.ir", true},
        {u"a.b-c@d.e.info", true},
        {u".a@b.cd", true},
        {u"a@-.c-d", true},
        {u"1@2.34", true},
        {u"a@b.cd\n", true}, // "$" also matches before a final newline
        {u"", false},
        {u"plain", false},
        {u"a@b", false},
        {u"a@b.c", false},
        {u"a@b.toolong", false},
        {u"a b@c.de", false},
        {u"a@b..cd", false},
        {u"@b.cd", false},
        {u"a@b.cd ", false},
        {u"\u0639\u0644\u06CC@example.com", false}, // \w is ASCII only
        {u"a@\u0645\u062B\u0627\u0644.com", false},
        {String(u"a\xD800@b.cd", 7), false}, // not valid UTF-16
    };
    const TRegEx compiled(email);
    for (const auto& [text, matches] : cases) {
        EXPECT_EQ(TRegEx::IsMatch(text, email), matches) << ToUtf8(text);
        EXPECT_EQ(compiled.IsMatch(text), matches) << ToUtf8(text);
    }
}

TEST(RegularExpressions, BadPatternRaisesWithPcreMessage)
{
    try {
        TRegEx::IsMatch(u"x", u"(a");
        FAIL() << "a bad pattern must raise";
    } catch (const ERegularExpressionError& e) {
        EXPECT_EQ(e.Message(), u"Error in regular expression at offset 2: missing )");
    }
    EXPECT_THROW(TRegEx(u"[z-a]"), ERegularExpressionError);
    EXPECT_TRUE(TRegEx::IsMatch(u"x\U0001F600y", u"^x.y$")); // a surrogate pair is one character
    EXPECT_FALSE(TRegEx::IsMatch(u"\u0663", u"^\\d$"));
}
