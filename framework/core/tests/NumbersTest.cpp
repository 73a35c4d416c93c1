#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "SysUtils.h"

TEST(Numbers, IntegerTextAndHexadecimal)
{
    EXPECT_EQ(IntToStr(0), u"0");
    EXPECT_EQ(IntToStr(-2147483647 - 1), u"-2147483648");
    EXPECT_EQ(IntToStr(std::numeric_limits<Int64>::min()), u"-9223372036854775808");
    EXPECT_EQ(IntToHex(255, 4), u"00FF");
    EXPECT_EQ(IntToHex(-1, 2), u"FFFFFFFF");
    EXPECT_EQ(IntToHex(Int64{-1}, 2), u"FFFFFFFFFFFFFFFF");
    EXPECT_EQ(IntToHex(Byte{0xAB}, 0), u"AB");
}

TEST(Numbers, StrToIntAcceptsDecimalAndHexadecimalForms)
{
    struct Case {
        String text;
        bool valid;
        int value;
    };
    const Case cases[] = {
        {u"42", true, 42},           {u"  42", true, 42},          {u"+7", true, 7},
        {u"-2147483648", true, -2147483647 - 1},                   {u"2147483647", true, 2147483647},
        {u"$FF", true, 255},         {u"0x10", true, 16},          {u"x1f", true, 31},
        {u"-$10", true, -16},        {u"$FFFFFFFF", true, -1},     {u"2147483648", false, 0},
        {u"-2147483649", false, 0},  {u"$100000000", false, 0},    {u"", false, 0},
        {u"-", false, 0},            {u"$", false, 0},             {u"12a", false, 0},
        {u"42 ", false, 0},          {u"1.0", false, 0},           {u"\u0661", false, 0},
    };
    for (const auto& c : cases) {
        int value = -99;
        EXPECT_EQ(TryStrToInt(c.text, value), c.valid) << ToUtf8(c.text);
        EXPECT_EQ(value, c.valid ? c.value : -99) << ToUtf8(c.text);
        EXPECT_EQ(StrToIntDef(c.text, -7), c.valid ? c.value : -7) << ToUtf8(c.text);
    }
    try {
        StrToInt(u"abc");
        FAIL() << "StrToInt must raise";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), u"'abc' is not a valid integer value");
    }
}

TEST(Numbers, StrToInt64CoversTheWideRange)
{
    EXPECT_EQ(StrToInt64(u"9223372036854775807"), std::numeric_limits<Int64>::max());
    EXPECT_EQ(StrToInt64(u"-9223372036854775808"), std::numeric_limits<Int64>::min());
    EXPECT_EQ(StrToInt64(u"$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(StrToInt64(u"4294967296"), Int64{4294967296});
    EXPECT_THROW(StrToInt64(u"9223372036854775808"), EConvertError);
    Int64 v = 3;
    EXPECT_FALSE(TryStrToInt64(u"", v));
    EXPECT_EQ(v, 3);
    EXPECT_EQ(StrToInt64Def(u"x", 9), 9);
}

TEST(Numbers, FloatToStrGivesFifteenSignificantDigitsInGeneralForm)
{
    struct Case {
        double value;
        String text;
    };
    const Case cases[] = {
        {0.0, u"0"},
        {-0.0, u"0"},
        {100, u"100"},
        {-1.5, u"-1.5"},
        {0.1 + 0.2, u"0.3"},
        {1.0 / 3, u"0.333333333333333"},
        {2.0 / 3, u"0.666666666666667"},
        {123456789012345.0, u"123456789012345"},
        {1e15, u"1E15"},
        {1234567890123456.0, u"1.23456789012346E15"},
        {0.0001, u"0.0001"},
        {0.00001, u"1E-5"},
        {-1.5e-7, u"-1.5E-7"},
        {9.9999999999999999e22, u"1E23"},
        {DBL_MAX, u"1.79769313486232E308"},
        {4.9406564584124654e-324, u"4.94065645841247E-324"},
        {std::numeric_limits<double>::quiet_NaN(), u"NAN"},
        {-std::numeric_limits<double>::infinity(), u"-INF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStr(c.value), c.text) << c.value;
}

namespace {

// What FloatToStr must show, as a double: the first 18 exact digits rounded half away from zero to
// 15. Distinct 15-digit decimals read back as distinct doubles, so comparing doubles compares digits.
double RoundedThroughEighteenDigits(double v)
{
    // The runtime's own conversions: the C library's printf and strtod are not exact on every platform.
    char text[64];
    *std::to_chars(text, text + sizeof text - 1, std::fabs(v), std::chars_format::scientific, 17).ptr = 0;
    const std::string digits = text[0] + std::string(text + 2, text + 19); // d.ddddddddddddddddde+x
    const long long head = std::stoll(digits.substr(0, 15)) + (digits[15] >= '5' ? 1 : 0);
    const std::string rounded = std::to_string(head) + "e" + std::to_string(std::atoi(text + 20) - 14);
    double value = 0;
    std::from_chars(rounded.data(), rounded.data() + rounded.size(), value);
    return std::copysign(value, v);
}

} // namespace

// Most values take a shortcut through their shortest text; it must give the digits of the exact way.
TEST(Numbers, FloatToStrMatchesExactRoundingAcrossManyValues)
{
    std::vector<double> values;
    for (int i = 1; i < 20000; ++i) {
        values.push_back(i * 0.37 + 0.125);
        values.push_back(-i / 3.0);
        values.push_back(i * 0.1);
        values.push_back(i * 1e-300 / 7);
        values.push_back(std::ldexp(1.0 + i * 1e-12, i % 2000 - 1000));
    }
    int mismatches = 0;
    for (double v : values) {
        const double shown = StrToFloat(FloatToStr(v));
        if (shown != RoundedThroughEighteenDigits(v) && mismatches++ == 0)
            ADD_FAILURE() << "first mismatch: " << v << " shown as " << ToUtf8(FloatToStr(v));
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Numbers, StrToFloatReadsPlainAndExponentForms)
{
    struct Case {
        String text;
        bool valid;
        double value;
    };
    const Case cases[] = {
        {u"1.5", true, 1.5},       {u" 1.5 ", true, 1.5},     {u"-2.5e3", true, -2500},
        {u"+.5", true, 0.5},       {u"5.", true, 5},          {u"1E-400", true, 0},
        {u"0.1", true, 0.1},       {u"1e400", false, 0},      {u"", false, 0},
        {u".", false, 0},          {u"1,5", false, 0},        {u"1e", false, 0},
        {u"1.2.3", false, 0},      {u"abc", false, 0},        {u"--1", false, 0},
    };
    for (const auto& c : cases) {
        double value = -99;
        EXPECT_EQ(TryStrToFloat(c.text, value), c.valid) << ToUtf8(c.text);
        EXPECT_EQ(value, c.valid ? c.value : -99) << ToUtf8(c.text);
        EXPECT_EQ(StrToFloatDef(c.text, -7), c.valid ? c.value : -7) << ToUtf8(c.text);
        const std::string bytes = ToUtf8(c.text);
        double fromBytes = -99;
        EXPECT_EQ(TryStrToFloat(bytes.data(), bytes.size(), fromBytes), c.valid) << bytes;
        EXPECT_EQ(fromBytes, value) << bytes;
    }
    EXPECT_TRUE(std::isinf(StrToFloat(u"-INF")));
    EXPECT_TRUE(std::isnan(StrToFloat(u"nan")));
    for (double v : {0.1, 1.0 / 3, 6.02214076e23, -2.2250738585072014e-308})
        EXPECT_NEAR(StrToFloat(FloatToStr(v)), v, std::fabs(v) * 1e-14);
    try {
        StrToFloat(u"1x");
        FAIL() << "StrToFloat must raise";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), u"'1x' is not a valid floating point value");
    }
}

TEST(Numbers, TryStrToFloatOnBytesKeepsTheTextRules)
{
    TFormatSettings comma;
    comma.DecimalSeparator = u',';
    double value = 0;
    EXPECT_TRUE(TryStrToFloat("1,5", 3, value, comma));
    EXPECT_EQ(value, 1.5);
    EXPECT_FALSE(TryStrToFloat("1.5", 3, value, comma));
    // A byte from 128 up is a character of its own, not a blank to trim.
    EXPECT_FALSE(TryStrToFloat("1.5\xA0", 4, value));
    // Longer than the conversion's buffer on the stack.
    const std::string longText = "0." + std::string(100, '0') + "15";
    EXPECT_TRUE(TryStrToFloat(longText.data(), longText.size(), value));
    EXPECT_EQ(value, 1.5e-101);
}

TEST(Numbers, FormatFloatPictures)
{
    struct Case {
        String format;
        double value;
        String text;
    };
    const Case cases[] = {
        {u"0.00", 1234.567, u"1234.57"},
        {u"0.00", -0.001, u"0.00"},
        {u"0.00", 0.125, u"0.13"},
        {u"#,##0.00", 1234567.891, u"1,234,567.89"},
        {u"#,##0", -1234, u"-1,234"},
        {u"#,##0", 999, u"999"},
        {u"#.##", 0.5, u".5"},
        {u"0.##", 1, u"1"},
        {u"0.0#", 1.256, u"1.26"},
        {u"0.0#", 1.5, u"1.5"},
        {u"000", 7, u"007"},
        {u"0", 2.5, u"3"},
        {u"0", -2.5, u"-3"},
        {u"0.00E+00", 1234, u"1.23E+03"},
        {u"0.00E-00", 0.000123, u"1.23E-04"},
        {u"0.0E-0", 1234, u"1.2E3"},
        {u"0.00;(0.00)", -5, u"(5.00)"},
        {u"0.00;(0.00);'zero'", 0, u"zero"},
        {u"0.00;;nil", 0.001, u"nil"},
        {u"\"$\"#,##0", 1234, u"$1,234"},
        {u"0 'items;'", 3, u"3 items;"},
        {u"", 0.1, u"0.1"},
        {u"00000000E+0 ##########", 5, u"50000000E-7 "}, // placeholders after the exponent once read past the digits
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(c.format, c.value), c.text) << ToUtf8(c.format) << " " << c.value;
}
