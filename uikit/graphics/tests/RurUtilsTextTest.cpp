#include <gtest/gtest.h>

#include <memory>

#include "Classes.h"
#include "RurUtils.h"

namespace {

class TCloneProbe : public TComponent {
    TAVIN_PUBLISHED_CLASS(TCloneProbe, TComponent)
public:
    using TComponent::TComponent;
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& v) { FCaption = v; }
    int Size() const { return FSize; }
    void SetSize(int v) { FSize = v; }

private:
    String FCaption;
    int FSize = 0;
};

TAVIN_PUBLISHED(TCloneProbe)
{
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(int, Size);
}

} // namespace

TEST(RurUtilsText, SearchesAndReplaces)
{
    EXPECT_EQ(TRurUtils::IPos(u"bC", u"aBcbc"), 2);
    EXPECT_EQ(TRurUtils::IPos(u"\u00E9", u"\u00C9\u00E9"), 2); // only ASCII letters are folded
    EXPECT_EQ(TRurUtils::IPos(u"", u"abc"), 0);
    int position = -1;
    EXPECT_EQ(TRurUtils::VarPos(u"B", u"abB", position), 3);
    EXPECT_EQ(position, 3);
    EXPECT_EQ(TRurUtils::VarPosNoCase(u"B", u"abB", position), 2);
    EXPECT_EQ(TRurUtils::VarPos(u"x", u"abB", position), 0);
    EXPECT_EQ(position, 0);
    EXPECT_EQ(TRurUtils::CharInStr(u"ab", 2), u'b');
    EXPECT_EQ(TRurUtils::CharInStr(u"ab", 0), u'\0');
    EXPECT_EQ(TRurUtils::CharInStr(u"ab", 3), u'\0');
    String dest = u"one TWO two";
    EXPECT_TRUE(TRurUtils::TagReplaceString(u"two", u"2", dest));
    EXPECT_EQ(dest, u"one 2 two");
    EXPECT_FALSE(TRurUtils::TagReplaceString(u"six", u"6", dest));
}

TEST(RurUtilsText, FixesMarkup)
{
    struct Case { String in; bool special; String out; };
    const Case cases[] = {
        {u"a<b & c", false, u"a&lt;b &amp; c"},
        {u"a<b & c", true, u"a&lt;b&nbsp;&amp;&nbsp;c"},
        {u"\"q\" > *AMP; &&", false, u"&quot;q&quot; &gt; &amp; &amp;&amp;"},
        {u"\u00E9\u0100\u0101$'\u00A7", true, u"&eacute;\u0100&#257;&#36;&#39;&sect;"},
        {u"\u062A", true, u"&#1578;"},
        {u"\u00E9", false, u"\u00E9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TRurUtils::FixMarkup(c.in, c.special), c.out) << ToUtf8(c.in);
}

TEST(RurUtilsText, UnfixesMarkup)
{
    struct Case { String in; bool special, specialOnly; String out; };
    const Case cases[] = {
        {u"&Eacute; &eacute;", true, false, u"\u00C9 \u00E9"},
        {u"&amp;lt;", false, false, u"&lt;"},
        {u"&amp;amp;", false, false, u"&"},
        {u"&lt;b&gt; &quot;x&quot; &LT;", false, false, u"<b> \"x\" &LT;"},
        {u"&lt;&nbsp;&#36;quot;", true, true, u"&lt; $\""},
        {u"&nbsp;", false, false, u"&nbsp;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TRurUtils::UnFixMarkup(c.in, c.special, c.specialOnly), c.out) << ToUtf8(c.in);
    const String text = u"if a<b & c>\"d\" \u00E9t\u00E9 \u00A9 $5 'x'";
    EXPECT_EQ(TRurUtils::UnFixMarkup(TRurUtils::FixMarkup(text, true), true, false), text);
}

TEST(RurUtilsText, FindsMarkupRowsAndTexts)
{
    EXPECT_EQ(TRurUtils::GetMarkupIndex(u"amp;"), 0);
    EXPECT_EQ(TRurUtils::GetMarkupIndex(u"&NBSP;"), 4);
    EXPECT_EQ(TRurUtils::GetMarkupIndex(u"&Eacute;"), 25);
    EXPECT_EQ(TRurUtils::GetMarkupIndex(u"&sect;"), 61);
    EXPECT_EQ(TRurUtils::GetMarkupIndex(u"&ETH;"), 85);
    EXPECT_EQ(TRurUtils::GetMarkupIndex(u"&amp;"), -1);
    EXPECT_EQ(TRurUtils::GetSpecialChar(1), u"&");
    EXPECT_EQ(TRurUtils::GetSpecialChar(86), u"\u00D0");
    EXPECT_EQ(TRurUtils::GetSpecialChar(0), u"");
    EXPECT_EQ(TRurUtils::GetSpecialChar(87), u"");

    struct Case { String text; std::vector<String> values; int index; };
    const Case cases[] = {
        {u"NAME", {u"Tag", u"Name"}, 1},
        {u"&Eacute;", {u"&eacute;", u"&Eacute;"}, 1},
        {u"&EACUTE;", {u"&eacute;", u"&Eacute;"}, 0},
        {u"x", {u"a"}, -1},
        {u"", {}, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TRurUtils::IndexOfTextInArray(c.text, c.values), c.index) << ToUtf8(c.text);
}

TEST(RurUtilsText, StripsAndRecognisesHtml)
{
    EXPECT_EQ(TRurUtils::HTMLStrip(u"a<b>c<br>d<e"), u"ac\r\nd<e");
    EXPECT_EQ(TRurUtils::HTMLStrip(u"<Hr>x<i>y</i>"), u"\r\nxy");
    EXPECT_EQ(TRurUtils::HTMLStrip(u"a > b"), u"a > b");
    struct Case { String text; bool html; };
    const Case cases[] = {{u"a</b>", true}, {u"<img/>", true}, {u"x<bR>y", true}, {u"a<b>", false}, {u"", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(TRurUtils::IsHTML(c.text), c.html) << ToUtf8(c.text);
        EXPECT_EQ(TRurUtils::IsHTMLUnicode(c.text), c.html) << ToUtf8(c.text);
    }
}

TEST(RurUtilsText, EscapesAndUnescapesJsonStrings)
{
    const String text = u"a\"b\\c\u00E9\b\f\n\r\t\u0001/\u062A";
    const String escaped = u"a\\u0022b\\u005Cc\\u00E9\\u0008\\u000C\\u000A\\u000D\\u0009\u0001/\\u062A";
    EXPECT_EQ(TRurUtils::EscapeString(text), escaped);
    EXPECT_EQ(TRurUtils::UnescapeString(escaped), text);
    EXPECT_EQ(TRurUtils::UnescapeString(u"\\\\\\/\\b\\f\\n\\r\\t\\u00e9\\u00E9x"), u"\\/\b\f\n\r\t\u00E9\u00E9x");

    struct Case { String text; const char* message; };
    const Case cases[] = {
        {u"abc\\", "Unexpected end of string"},
        {u"\\x", "Invalid code at position 1"},
        {u"ab\\\"", "Invalid code at position 3"},
        {u"\\u12", "Invalid code at position 1"},
        {u"ok\\u12G4", "Invalid code at position 3"},
        {u"\\u", "Invalid code at position 1"},
    };
    for (const auto& c : cases) {
        try {
            TRurUtils::UnescapeString(c.text);
            ADD_FAILURE() << "accepted " << ToUtf8(c.text);
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), c.message) << ToUtf8(c.text);
        }
    }
}

TEST(RurUtilsText, SplitsAtTheDelimiterOnly)
{
    struct Case { String input; bool clearEmpty; std::vector<String> items; };
    const Case cases[] = {
        {u"a b;;c;", false, {u"a b", u"", u"c", u""}},
        {u"a b;;c;", true, {u"a b", u"c"}},
        {u"\"x;y\";z", false, {u"x;y", u"z"}},
        {u"", true, {}},
    };
    TStringList list;
    list.Add(u"old");
    for (const auto& c : cases) {
        TRurUtils::Split(u';', c.input, list, c.clearEmpty);
        std::vector<String> items;
        for (int i = 0; i < list.Count(); ++i)
            items.push_back(list.Strings(i));
        EXPECT_EQ(items, c.items) << ToUtf8(c.input);
    }
}

TEST(RurUtilsText, NumericHelpers)
{
    struct Case { int number, numerator, denominator, result; };
    const Case cases[] = {
        {5, 1, 2, 3}, {-5, 1, 2, -3}, {7, 0, 0, -1}, {0, 5, 0, -1}, {10, 96, 72, 13},
        {2147483647, 2, 2, 2147483647}, {-9, 1, -2, 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TRurUtils::MulDivInt(c.number, c.numerator, c.denominator), c.result)
            << c.number << "*" << c.numerator << "/" << c.denominator;
    EXPECT_FLOAT_EQ(TRurUtils::MulDivSingle(3, 1, 2), 1.5f);
    EXPECT_FLOAT_EQ(TRurUtils::MulDivSingle(3, 1, 0), -1.0f);

    const String text = u"Secret text 123!";
    EXPECT_NE(TRurUtils::EnDeCrypt(text), text);
    EXPECT_EQ(TRurUtils::EnDeCrypt(TRurUtils::EnDeCrypt(text)), text);
    EXPECT_EQ(TRurUtils::EnDeCrypt(u"A\u0141"), u"D\u0044"); // the high byte is dropped

    EXPECT_EQ(HiWord(0x12345678), 0x1234);
    EXPECT_EQ(LoWord(0x12345678), 0x5678);
    EXPECT_EQ(MakeWord(0x78, 0x56), 0x5678);
    EXPECT_EQ(MakeLong(0x5678, 0x1234), 0x12345678u);
}

TEST(RurUtilsText, AddsPathSeparators)
{
    EXPECT_EQ(TRurUtils::AddBackslash(u"C:\\a"), u"C:\\a\\");
    EXPECT_EQ(TRurUtils::AddBackslash(u"C:\\a\\"), u"C:\\a\\");
    EXPECT_EQ(TRurUtils::AddBackslash(u""), u"");
    EXPECT_EQ(TRurUtils::AddForwardslash(u"a"), u"a/");
    EXPECT_EQ(TRurUtils::AddForwardslash(u"a/"), u"a/");
    EXPECT_EQ(TRurUtils::AddForwardslash(u""), u"");
}

TEST(RurUtilsText, ClonesComponentsWithoutOwnerOrName)
{
    RegisterClass(TCloneProbe::StaticClass());
    TComponent owner(nullptr);
    auto* original = new TCloneProbe(&owner);
    original->SetName(u"Original");
    original->SetCaption(u"\u0633\u0644\u0627\u0645");
    original->SetSize(42);
    std::unique_ptr<TComponent> copy(TRurUtils::Clone(original));
    auto* probe = dynamic_cast<TCloneProbe*>(copy.get());
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->Caption(), original->Caption());
    EXPECT_EQ(probe->Size(), 42);
    EXPECT_EQ(probe->Name(), u"");
    EXPECT_EQ(probe->Owner(), nullptr);
    EXPECT_EQ(original->Name(), u"Original");
}
