#include <gtest/gtest.h>

#include "SysUtils.h"

namespace {

// Switches the process-wide separators to a decimal comma and back, as the persistence does.
struct DecimalCommaScope {
    DecimalCommaScope() : saved(FormatSettings)
    {
        FormatSettings.DecimalSeparator = u',';
        FormatSettings.ThousandSeparator = u'.';
    }
    ~DecimalCommaScope() { FormatSettings = saved; }
    TFormatSettings saved;
};

} // namespace

TEST(Format, RendersEachSpecifierLikeThePlatform)
{
    const String text = u"abc";
    struct Case {
        String format;
        String expected;
        std::vector<TVarRec> args;
    };
    const Case cases[] = {
        {u"%d|%5d|%-5d|", u"42|   42|42   |", {42, 42, 42}},
        {u"%.3d %d", u"-005 1234567890123", {-5, Int64{1234567890123}}},
        {u"%x %X %.4x", u"FF FFFFFFFF 00FF", {255, -1, 255}},
        {u"%x", u"FFFFFFFFFFFFFFFF", {Int64{-1}}},
        {u"%u %u", u"4294967295 7", {-1, 7u}},
        {u"%s|%.2s|%4s|%-4s|", u"abc|ab| abc|abc |", {text, text, text, text}},
        {u"%s%s", u"xptr", {Char(u'x'), u"ptr"}},
        {u"%*d|%-*d|%.*f", u"   7|7   |3.142", {4, 7, 4, 7, 3, 3.14159}},
        {u"%1:s %0:s %s", u"b a b", {u"a", u"b"}},
        {u"100%% %f", u"100% 1.50", {1.5}},
        {u"%.2f %.2f %.2f %.0f", u"0.13 2.67 0.00 3", {0.125, 2.675, -0.001, 2.5}},
        {u"%e|%.3e", u"1.23450000000000E+003|-1.23E-004", {1234.5, -0.00012345}},
        {u"%e", u"0.00000000000000E+000", {0.0}},
        {u"%g|%g|%.3g|%g", u"0.5|1E20|1.23E3|-2", {0.5, 1e20, 1234.5, -2.0}},
        {u"%.1f", u"1E25", {1e25}},
    };
    for (const auto& c : cases) {
        // Rebuild an initializer list view over the stored arguments.
        String out;
        switch (c.args.size()) {
        case 1: out = Format(c.format, {c.args[0]}); break;
        case 2: out = Format(c.format, {c.args[0], c.args[1]}); break;
        case 3: out = Format(c.format, {c.args[0], c.args[1], c.args[2]}); break;
        case 4: out = Format(c.format, {c.args[0], c.args[1], c.args[2], c.args[3]}); break;
        case 6: out = Format(c.format, {c.args[0], c.args[1], c.args[2], c.args[3], c.args[4], c.args[5]}); break;
        default: FAIL() << "no call for " << c.args.size() << " arguments";
        }
        EXPECT_EQ(out, c.expected) << ToUtf8(c.format);
    }
}

TEST(Format, RaisesConvertErrorForBadFormatsAndMismatchedArguments)
{
    const auto message = [](const String& format, TVarRecs args) -> String {
        try {
            Format(format, args);
        } catch (const EConvertError& e) {
            return e.Message();
        }
        return u"no error";
    };
    EXPECT_EQ(message(u"%d", {u"x"}), u"Format '%d' invalid or incompatible with argument");
    EXPECT_EQ(message(u"%d %d", {1}), u"No argument for format '%d %d'");
    const std::pair<String, std::vector<TVarRec>> bad[] = {
        {u"%s", {1}}, {u"%f", {1}}, {u"%x", {1.0}}, {u"%q", {1}}, {u"50%", {}}, {u"%-", {1}}, {u"%*d", {u"a", 1}},
    };
    for (const auto& [format, args] : bad) {
        if (args.empty())
            EXPECT_THROW(Format(format, {}), EConvertError) << ToUtf8(format);
        else if (args.size() == 1)
            EXPECT_THROW(Format(format, {args[0]}), EConvertError) << ToUtf8(format);
        else
            EXPECT_THROW(Format(format, {args[0], args[1]}), EConvertError) << ToUtf8(format);
    }
}

TEST(Format, FollowsAChangedDecimalSeparatorAndRestores)
{
    {
        DecimalCommaScope scope;
        EXPECT_EQ(Format(u"%.2f|%g|%e", {1.5, 0.25, 1.0}), u"1,50|0,25|1,00000000000000E+000");
        EXPECT_EQ(FloatToStr(1.5), u"1,5");
        EXPECT_EQ(StrToFloat(u"2,25"), 2.25);
        EXPECT_THROW(StrToFloat(u"2.25"), EConvertError);
        EXPECT_EQ(FormatFloat(u"#,##0.00", 1234.5), u"1.234,50");
        TFormatSettings dot;
        EXPECT_EQ(FloatToStr(1.5, dot), u"1.5");
    }
    EXPECT_EQ(FormatSettings.DecimalSeparator, u'.');
    EXPECT_EQ(FloatToStr(1.5), u"1.5");
    EXPECT_EQ(StrToFloat(u"2.25"), 2.25);
}

TEST(Format, ExceptionsFormatTheirMessages)
{
    try {
        throw EListError::CreateFmt(u"List index out of bounds (%d)", {5});
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), u"List index out of bounds (5)");
    }
    EXPECT_EQ(Exception::CreateFmt(u"%s: %s", {u"\u062E\u0637\u0627", String(u"x")}).Message(), u"\u062E\u0637\u0627: x");
}
