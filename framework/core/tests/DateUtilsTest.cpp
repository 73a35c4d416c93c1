#include <gtest/gtest.h>

#include <tuple>

#include "DateUtils.h"

namespace {

std::tuple<Word, Word, Word, Word, Word, Word, Word> Decode(TDateTime value)
{
    Word y, mo, d, h, mi, s, ms;
    DecodeDate(value, y, mo, d);
    DecodeTime(value, h, mi, s, ms);
    return {y, mo, d, h, mi, s, ms};
}

TFormatSettings DayFirst()
{
    TFormatSettings s;
    s.ShortDateFormat = u"dd/mm/yyyy";
    s.LongTimeFormat = u"hh:nn:ss";
    return s;
}

} // namespace

TEST(DateUtils, DatesRoundTripThroughTheirDayNumbers)
{
    struct Case {
        Word year, month, day;
        double serial;
        int dayOfWeek;
    };
    const Case cases[] = {
        {1899, 12, 30, 0, 7},         {1900, 1, 1, 2, 2},           {1970, 1, 1, 25569, 5},
        {2000, 2, 29, 36585, 3},      {2024, 1, 1, 45292, 2},       {9999, 12, 31, 2958465, 6},
        {1, 1, 1, -693593, 2},        {1800, 3, 1, -36463, 7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.serial);
        EXPECT_EQ(Decode(c.serial), std::make_tuple(c.year, c.month, c.day, 0, 0, 0, 0));
        EXPECT_EQ(DayOfWeek(c.serial), c.dayOfWeek);
    }
    const Word bad[][3] = {{2023, 2, 29}, {1900, 2, 29}, {2000, 13, 1}, {2000, 4, 31}, {0, 1, 1}, {10000, 1, 1}, {2000, 1, 0}};
    for (const auto& b : bad) {
        TDateTime d = -1;
        EXPECT_FALSE(TryEncodeDate(b[0], b[1], b[2], d));
        EXPECT_EQ(d, -1);
    }
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    // Before year 1 there is no calendar date, but the day of the week still counts on.
    EXPECT_EQ(DayOfWeek(-693594), 1);
    EXPECT_EQ(FormatDateTime(u"ddd", -693600), u"Mon");
}

TEST(DateUtils, TimesEncodeValidatedAndDecodeToTheMillisecond)
{
    EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    const TDateTime t = EncodeDate(2024, 3, 5) + EncodeTime(23, 59, 59, 999);
    EXPECT_EQ(Decode(t), std::make_tuple(2024, 3, 5, 23, 59, 59, 999));
    // Less than half a millisecond before midnight belongs to the next day.
    EXPECT_EQ(Decode(EncodeDate(2023, 12, 31) + 0.9999999999), std::make_tuple(2024, 1, 1, 0, 0, 0, 0));
    // A negative value counts its fraction forward from its whole day.
    EXPECT_EQ(Decode(-1.25), std::make_tuple(1899, 12, 29, 6, 0, 0, 0));
    const Word bad[][4] = {{24, 0, 0, 0}, {23, 60, 0, 0}, {23, 59, 60, 0}, {0, 0, 0, 1000}};
    for (const auto& b : bad) {
        TDateTime v;
        EXPECT_FALSE(TryEncodeTime(b[0], b[1], b[2], b[3], v));
    }
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
}

TEST(DateUtils, UnixTimeConvertsBothWays)
{
    EXPECT_EQ(DateTimeToUnix(EncodeDate(1970, 1, 1)), 0);
    EXPECT_EQ(DateTimeToUnix(EncodeDate(2023, 11, 14) + EncodeTime(22, 13, 20, 0)), 1700000000);
    EXPECT_EQ(Decode(UnixToDateTime(1700000000)), std::make_tuple(2023, 11, 14, 22, 13, 20, 0));
    EXPECT_EQ(UnixToDateTime(-86400), 25568);
    EXPECT_EQ(DateTimeToUnix(UnixToDateTime(2147483647)), 2147483647);
    const TDateTime now = Now();
    EXPECT_GE(now, Date());
    EXPECT_LT(now, Date() + 1);
}

TEST(DateUtils, FormatDateTimeLetters)
{
    const TDateTime afternoon = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
    const TDateTime morning = EncodeDate(2024, 12, 25) + EncodeTime(0, 30, 0, 0);
    const TFormatSettings dots = [] {
        TFormatSettings s;
        s.DateSeparator = u'.';
        s.TimeSeparator = u'-';
        s.ShortDateFormat = u"dd/mm/yyyy";
        return s;
    }();
    struct Case {
        String format;
        TDateTime value;
        String text;
        const TFormatSettings* settings;
    };
    const TFormatSettings defaults;
    const Case cases[] = {
        {u"yyyy-mm-dd hh:nn:ss.zzz", afternoon, u"2024-03-05 14:07:09.045", &defaults},
        {u"d/m/yy h:m", afternoon, u"5/3/24 14:7", &defaults},
        {u"dddd, mmmm d", afternoon, u"Tuesday, March 5", &defaults},
        {u"ddd mmm", morning, u"Wed Dec", &defaults},
        {u"h:mm am/pm|hh:mm AMPM|h A/P", afternoon, u"2:07 pm|02:07 PM|2 P", &defaults},
        {u"h:nn ampm", morning, u"12:30 AM", &defaults},
        {u"'at' hh \"o'clock\"", afternoon, u"at 14 o'clock", &defaults},
        {u"c", afternoon, u"3/5/2024 2:07:09 PM", &defaults},
        {u"c", EncodeDate(2024, 3, 5), u"3/5/2024", &defaults},
        {u"ddddd t", afternoon, u"05.03.2024 2-07 PM", &dots},
        {u"dd/mm/yyyy hh:nn", morning, u"25.12.2024 00-30", &dots},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDateTime(c.format, c.value, *c.settings), c.text) << ToUtf8(c.format);
    EXPECT_EQ(DateToStr(afternoon, defaults), u"3/5/2024");
    EXPECT_EQ(TimeToStr(afternoon, defaults), u"2:07:09 PM");
    EXPECT_EQ(DateTimeToStr(afternoon, DayFirst()), u"05/03/2024 14:07:09");
}

TEST(DateUtils, TextReadsBackInTheSettingsOrder)
{
    const TFormatSettings dayFirst = DayFirst();
    const Word thisYear = std::get<0>(Decode(Date()));
    struct Case {
        String text;
        bool valid;
        TDateTime value;
    };
    const Case dates[] = {
        {u"31/12/2023", true, EncodeDate(2023, 12, 31)},
        {u" 1/2/2024 ", true, EncodeDate(2024, 2, 1)},
        {u"32/12/2023", false, 0},
        {u"30/02/2023", false, 0},
        {u"31/12", true, EncodeDate(thisYear, 12, 31)},
        {u"31-12-2023", false, 0},
        {u"31/12/2023x", false, 0},
        {u"", false, 0},
    };
    for (const auto& c : dates) {
        TDateTime v = -1;
        EXPECT_EQ(TryStrToDate(c.text, v, dayFirst), c.valid) << ToUtf8(c.text);
        EXPECT_EQ(v, c.valid ? c.value : -1) << ToUtf8(c.text);
    }
    const Case times[] = {
        {u"10:30", true, EncodeTime(10, 30, 0, 0)},
        {u"10:30:15.250", true, EncodeTime(10, 30, 15, 250)},
        {u"2:05 PM", true, EncodeTime(14, 5, 0, 0)},
        {u"12:00 am", true, 0},
        {u"12:00 PM", true, 0.5},
        {u"13:00 PM", false, 0},
        {u"25:00", false, 0},
        {u"10:", false, 0},
        {u"10 PM", true, EncodeTime(22, 0, 0, 0)},
        {u"10", false, 0},
    };
    for (const auto& c : times) {
        TDateTime v = -1;
        EXPECT_EQ(TryStrToTime(c.text, v, dayFirst), c.valid) << ToUtf8(c.text);
        EXPECT_EQ(v, c.valid ? c.value : -1) << ToUtf8(c.text);
    }
    EXPECT_EQ(StrToDateTime(u"31/12/2023 10:30", dayFirst), EncodeDate(2023, 12, 31) + EncodeTime(10, 30, 0, 0));
    EXPECT_THROW(StrToDateTime(u"31/12/2023 10", dayFirst), EConvertError);
    const TFormatSettings defaults;
    const TDateTime value = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0);
    EXPECT_EQ(StrToDateTime(DateTimeToStr(value, defaults), defaults), value);
    try {
        StrToDate(u"x", defaults);
        FAIL() << "StrToDate must raise";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), u"'x' is not a valid date");
    }
}

TEST(DateUtils, TwoDigitYearsFollowTheCenturyWindow)
{
    TFormatSettings s = DayFirst();
    const int thisYear = std::get<0>(Decode(Date()));
    const int twoDigits = thisYear % 100;
    TDateTime v;
    ASSERT_TRUE(TryStrToDate(u"1/1/" + IntToStr(twoDigits), v, s));
    EXPECT_EQ(std::get<0>(Decode(v)), thisYear);
    s.TwoDigitYearCenturyWindow = 0;
    ASSERT_TRUE(TryStrToDate(u"1/1/" + IntToStr(twoDigits), v, s));
    EXPECT_EQ(std::get<0>(Decode(v)), thisYear);
    ASSERT_TRUE(TryStrToDate(u"1/1/0023", v, s));
    EXPECT_EQ(std::get<0>(Decode(v)), 23);
}
