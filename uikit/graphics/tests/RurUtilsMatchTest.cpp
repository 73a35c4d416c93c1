#include <gtest/gtest.h>

#include "RurUtils.h"

namespace {

// Day-first dates with "/" and ":", a decimal comma and a dot for thousands: the operations that
// promise locale independence must not be swayed by it. The process-wide settings come back after.
class RurUtilsLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        FormatSettings.ShortDateFormat = u"dd/mm/yyyy";
        FormatSettings.DateSeparator = u'/';
        FormatSettings.TimeSeparator = u':';
        FormatSettings.DecimalSeparator = u',';
        FormatSettings.ThousandSeparator = u'.';
    }
    void TearDown() override { FormatSettings = FSaved; }

private:
    TFormatSettings FSaved = FormatSettings;
};

String Text(const TRurUtilsCharSet& set)
{
    return String(set.begin(), set.end());
}

} // namespace

TEST(RurUtilsMatch, MatchesMasksAgainstValues)
{
    struct Case { String mask, value; bool match; };
    const Case cases[] = {
        {u">=10", u"10", true},
        {u">10", u"10", false},
        {u"<5", u"4.5", true},
        {u"<=5", u"5", true},
        {u"< 5", u"6", false},
        {u">1&<5", u"3", true},
        {u">1&<5", u"7", false},
        {u">9", u"10", true},      // numbers, not texts
        {u">b", u"c", true},       // texts in code-unit order
        {u">B", u"a", true},
        {u"<\"b c\"", u"b", true}, // a quoted operand keeps its space
        {u"!abc", u"abd", true},
        {u"!abc", u"abc", false},
        {u"a?c", u"abc", true},
        {u"a?c", u"ac", false},
        {u"*bc", u"abc", true},
        {u"a*", u"a", true},
        {u"a**c", u"abbbc", true},
        {u"*a*a*a*a*a*a*a*a*b", u"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
        {u"\"a*\"", u"abc", true},
        {u"abc", u"ABC", false},
        {u"xyz", u"", true},
        {u"", u"abc", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TRurUtils::Matches(c.mask, c.value), c.match) << ToUtf8(c.mask) << " ~ " << ToUtf8(c.value);
    EXPECT_TRUE(TRurUtils::Matches(u"a*", static_cast<const Char*>(u"abc")));
    EXPECT_TRUE(TRurUtils::MatchStr(u"abc", u"ABC", false));
    EXPECT_FALSE(TRurUtils::MatchStr(u"abc", u"ABC", true));
    EXPECT_TRUE(TRurUtils::MatchStr(u"\u00E9*", u"\u00C9T\u00C9", false));
}

TEST(RurUtilsMatch, MatchesBooleanExpressions)
{
    struct Case { String mask, value; bool match; };
    const Case cases[] = {
        {u"a*|b*", u"bob", true},
        {u"a*|b*", u"cob", false},
        {u"a*;b*", u"bob", true},
        {u"b*&*x", u"bob", false},
        {u"b*&*b", u"bob", true},
        {u"(a*|b*)&*b", u"bob", true},
        {u"(a*|b*)&*x", u"bob", false},
        {u"c*|(a*|b*)", u"bob", true},
        {u" = b * ", u"bob", true},
        {u"\"a|b\"", u"a|b", true},
        {u"*", u"", true},
        {u"a*", u"", false},
        {u"", u"", true},
        {u"", u"a", false},
        {u"(b*", u"bob", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TRurUtils::MatchStrEx(c.mask, c.value, true), c.match) << ToUtf8(c.mask) << " ~ " << ToUtf8(c.value);
    EXPECT_TRUE(TRurUtils::MatchStrEx(u"A*|X", u"abc", false));
}

TEST(RurUtilsMatch, LogicHelpers)
{
    int at = 0;
    EXPECT_EQ(TRurUtils::FirstChar(TRurUtils::CreateCharSet(u"&|"), u"\"a|b\"c&d", at), u'&');
    EXPECT_EQ(at, 7);
    EXPECT_EQ(TRurUtils::FirstChar(TRurUtils::CreateCharSet(u"&"), u"abc", at), u'\0');
    EXPECT_EQ(at, -1);
    EXPECT_EQ(TRurUtils::StripLogicSpaces(u" a \" b \" c"), u"a\" b \"c");
    EXPECT_EQ(TRurUtils::ClosingParenthesis(u"(a(b))c"), 6);
    EXPECT_EQ(TRurUtils::ClosingParenthesis(u"(a"), 0);
}

TEST(RurUtilsMatch, CharacterSets)
{
    EXPECT_EQ(Text(TRurUtils::SubCharSet(TRurUtils::CreateCharSet(u"abca"), TRurUtils::CreateCharSet(u"b"))), u"aca");
    EXPECT_EQ(Text(TRurUtils::AddCharSet(TRurUtils::CreateCharSet(u"ab"), TRurUtils::CreateCharSet(u"bc"))), u"abbc");
    EXPECT_EQ(TRurUtils::AlphaCharSet().size(), 52u);
    EXPECT_EQ(TRurUtils::AlphaCharSet().front(), u'a');
    EXPECT_EQ(TRurUtils::AlphaCharSet().back(), u'Z');
    EXPECT_EQ(Text(TRurUtils::NumericCharSet()), u"0123456789");
    EXPECT_TRUE(TRurUtils::CharInSet(u'5', TRurUtils::NumericCharSet()));
    EXPECT_FALSE(TRurUtils::CharInSet(u'x', TRurUtils::NumericCharSet()));
}

TEST_F(RurUtilsLocale, RecognisesDatesInTheLocaleOrder)
{
    struct Case { String text; bool isDate; TDateTime expected; };
    const Case cases[] = {
        {u"31/12/2023 10:30", true, EncodeDate(2023, 12, 31) + EncodeTime(10, 30, 0, 0)},
        {u"31/12/2023 10:30:15", true, EncodeDate(2023, 12, 31) + EncodeTime(10, 30, 15, 0)},
        {u"1/2/2024", true, EncodeDate(2024, 2, 1)},
        {u" 5/6/23 ", true, EncodeDate(23, 6, 5)},
        {u"31/12/2023 10", false, EncodeDate(2023, 12, 31)},
        {u"31/12/2023 24:00", false, EncodeDate(2023, 12, 31)},
        {u"31/12/2023 10:60", false, EncodeDate(2023, 12, 31)},
        {u"31/12/2023 10:30:60", false, EncodeDate(2023, 12, 31)},
        {u"32/12/2023", false, 0},
        {u"30/02/2023", false, 0},
        {u"1/13/2023", false, 0},
        {u"1/x/2023", false, 0},
        {u"-1/1/2023", false, 0},
        {u"1/1", false, 0},
        {u"2023", false, 0},
    };
    for (const auto& c : cases) {
        TDateTime date = 0;
        EXPECT_EQ(TRurUtils::IsDate(c.text, date), c.isDate) << ToUtf8(c.text);
        EXPECT_DOUBLE_EQ(date, c.expected) << ToUtf8(c.text);
    }
    FormatSettings.ShortDateFormat = u"yyyy-MM-dd";
    FormatSettings.DateSeparator = u'-';
    TDateTime date = 0;
    EXPECT_TRUE(TRurUtils::IsDate(u"2024-02-29", date));
    EXPECT_DOUBLE_EQ(date, EncodeDate(2024, 2, 29));
}

TEST_F(RurUtilsLocale, ComparesDatesAndNumbersInMasks)
{
    EXPECT_TRUE(TRurUtils::Matches(u">1/2/2024", u"3/2/2024"));
    EXPECT_FALSE(TRurUtils::Matches(u">1/2/2024", u"3/1/2024"));
    EXPECT_TRUE(TRurUtils::Matches(u">=1.000", u"1.500")); // thousands separators are dropped
    EXPECT_TRUE(TRurUtils::Matches(u"<2.5", u"10"));       // "." is then no decimal point: 25 > 10
}

TEST_F(RurUtilsLocale, ConvertsNumbersWithADotWhateverTheLocale)
{
    EXPECT_EQ(TRurUtils::StrToFloatDot(u"1.5"), 1.5);
    EXPECT_THROW(TRurUtils::StrToFloatDot(u"1,5"), EConvertError);
    double value = 0;
    EXPECT_TRUE(TRurUtils::TryStrToFloatDot(u"-2.25e1", value));
    EXPECT_EQ(value, -22.5);
    EXPECT_FALSE(TRurUtils::TryStrToFloatDot(u"abc", value));
    EXPECT_EQ(TRurUtils::FloatToStrDot(0.25), u"0.25");
    EXPECT_EQ(FormatSettings.DecimalSeparator, u',');
    EXPECT_EQ(TRurUtils::StripThousandSep(u"1.234.567,5"), u"1234567,5");
}

TEST_F(RurUtilsLocale, FormatsSizesAndEpochs)
{
    EXPECT_EQ(TRurUtils::FormatBytesAsString(1536), u"1,50 KB");
    EXPECT_EQ(TRurUtils::FormatBytesAsString(-1), u"");
    FormatSettings.DecimalSeparator = u'.';
    struct Case { double size; String text; };
    const Case cases[] = {
        {1536, u"1.50 KB"}, {100, u"100 Bytes"}, {0, u"0 Bytes"}, {1023, u"1023 Bytes"},
        {1024.0 * 1024 * 3, u"3.00 MB"}, {1024.0 * 1024 * 1024 * 1024 * 2048, u"2048.00 TB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TRurUtils::FormatBytesAsString(c.size), c.text) << c.size;

    EXPECT_DOUBLE_EQ(TRurUtils::EpochToDateTime(u"0"), EncodeDate(1970, 1, 1));
    EXPECT_DOUBLE_EQ(TRurUtils::EpochToDateTime(u"86400"), EncodeDate(1970, 1, 2));
    EXPECT_DOUBLE_EQ(TRurUtils::EpochToDateTime(u"-86400"), EncodeDate(1969, 12, 31));
    EXPECT_THROW(TRurUtils::EpochToDateTime(u"12x"), EConvertError);
    EXPECT_THROW(TRurUtils::EpochToDateTime(u"4294967296"), EConvertError);
}
