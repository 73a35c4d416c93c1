#include <gtest/gtest.h>

#include <cstdio>

#include "Classes.h"

namespace {

using Lines = std::vector<String>;

Lines LinesOf(const TStrings& s)
{
    Lines out;
    for (int i = 0; i < s.Count(); ++i)
        out.push_back(s.Strings(i));
    return out;
}

void Fill(TStrings& s, const Lines& lines)
{
    s.Clear();
    for (const String& l : lines)
        s.Add(l);
}

class TCounted : public TObject {
    TAVIN_CLASS(TCounted, TObject)
public:
    explicit TCounted(int& alive) : FAlive(alive) { ++FAlive; }
    ~TCounted() override { --FAlive; }

private:
    int& FAlive;
};

} // namespace

TEST(StringList, TextSplitsAtAnyLineBreakAndJoinsWithCrLf)
{
    struct Case { String text; Lines lines; };
    const Case cases[] = {
        {u"a\r\nb\r\n", {u"a", u"b"}},
        {u"a\nb", {u"a", u"b"}},
        {u"a\rb\r\n\r\nc", {u"a", u"b", u"", u"c"}},
        {u"\r\n", {u""}},
        {u"", {}},
        {u"\u0633\u0644\u0627\u0645\n", {u"\u0633\u0644\u0627\u0645"}},
    };
    TStringList list;
    for (const auto& c : cases) {
        list.SetText(c.text);
        EXPECT_EQ(LinesOf(list), c.lines) << ToUtf8(c.text);
    }
    Fill(list, {u"a", u"", u"b"});
    EXPECT_EQ(list.Text(), u"a\r\n\r\nb\r\n");
}

TEST(StringList, CommaTextQuotesOnlyWhereNeeded)
{
    struct Case { Lines lines; String text; };
    const Case cases[] = {
        {{u"a", u"b"}, u"a,b"},
        {{u"a b", u"c"}, u"\"a b\",c"},
        {{u"", u"x"}, u",x"},
        {{u""}, u"\"\""},
        {{u"say \"hi\""}, u"\"say \"\"hi\"\"\""},
        {{u"a,b"}, u"\"a,b\""},
        {{u"tab\there"}, u"\"tab\there\""},
        {{}, u""},
    };
    TStringList list;
    for (const auto& c : cases) {
        Fill(list, c.lines);
        EXPECT_EQ(list.CommaText(), c.text);
        // ...and reads back what it wrote.
        list.SetCommaText(c.text);
        EXPECT_EQ(LinesOf(list), c.lines) << ToUtf8(c.text);
    }
}

TEST(StringList, CommaTextReadingSplitsAtBlanksOutsideQuotes)
{
    struct Case { String text; Lines lines; };
    const Case cases[] = {
        {u"a b,c", {u"a", u"b", u"c"}},
        {u" a , b ", {u"a", u"b"}},
        {u"a,", {u"a", u""}},
        {u",a", {u"", u"a"}},
        {u"\"x\"\"y\"", {u"x\"y"}},
        {u"\"unclosed", {u"unclosed"}},
        {u"\"ab\"cd", {u"ab", u"cd"}},
        {u"\"a,b\" , c", {u"a,b", u"c"}},
    };
    TStringList list;
    for (const auto& c : cases) {
        list.SetCommaText(c.text);
        EXPECT_EQ(LinesOf(list), c.lines) << ToUtf8(c.text);
    }
}

TEST(StringList, DelimitedTextFollowsDelimiterQuoteAndStrictness)
{
    TStringList list;
    list.SetDelimiter(u';');
    list.SetStrictDelimiter(true);
    list.SetDelimitedText(u"a b; c;\"d;e\"");
    EXPECT_EQ(LinesOf(list), (Lines{u"a b", u" c", u"d;e"}));
    EXPECT_EQ(list.DelimitedText(), u"a b; c;\"d;e\"");

    list.SetStrictDelimiter(false);
    list.SetQuoteChar(u'\'');
    list.SetDelimitedText(u"'it''s' x;y");
    EXPECT_EQ(LinesOf(list), (Lines{u"it's", u"x", u"y"}));
    EXPECT_EQ(list.DelimitedText(), u"'it''s';x;y");
    // CommaText keeps its own delimiter and quote.
    EXPECT_EQ(list.CommaText(), u"it's,x,y");
}

TEST(StringList, NamesAndValues)
{
    TStringList list;
    Fill(list, {u"a=1", u"B=2=3", u"c"});
    EXPECT_EQ(list.Names(1), u"B");
    EXPECT_EQ(list.Names(2), u"");
    EXPECT_EQ(list.Values(u"b"), u"2=3");
    EXPECT_EQ(list.ValueFromIndex(0), u"1");
    EXPECT_EQ(list.ValueFromIndex(2), u"");
    EXPECT_EQ(list.IndexOfName(u"C"), -1);
    list.SetValues(u"c", u"4");
    list.SetValues(u"a", String());
    EXPECT_EQ(LinesOf(list), (Lines{u"B=2=3", u"c", u"c=4"}));
    list.SetValueFromIndex(0, u"9");
    EXPECT_EQ(list.Strings(0), u"B=9");
    list.SetNameValueSeparator(u':');
    list.Add(u"k:v");
    EXPECT_EQ(list.Values(u"K"), u"v");
}

TEST(StringList, SortedListsKeepOrderAndHandleDuplicates)
{
    TStringList list;
    Fill(list, {u"pear", u"Apple", u"fig"});
    list.SetSorted(true);
    EXPECT_EQ(LinesOf(list), (Lines{u"Apple", u"fig", u"pear"}));
    EXPECT_EQ(list.Add(u"banana"), 1);
    EXPECT_EQ(list.IndexOf(u"APPLE"), 0);
    int index;
    EXPECT_FALSE(list.Find(u"cherry", index));
    EXPECT_EQ(index, 2);

    EXPECT_EQ(list.Add(u"apple"), 0); // dupIgnore
    EXPECT_EQ(list.Count(), 4);
    list.SetDuplicates(dupError);
    EXPECT_THROW(list.Add(u"FIG"), EStringListError);
    list.SetDuplicates(dupAccept);
    list.Add(u"FIG");
    EXPECT_EQ(list.Count(), 5);
    EXPECT_THROW(list.Insert(0, u"x"), EStringListError);
    EXPECT_THROW(list.SetStrings(0, u"x"), EStringListError);

    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf(u"apple"), -1);
    EXPECT_EQ(LinesOf(list), (Lines{u"Apple", u"FIG", u"banana", u"fig", u"pear"}));
}

TEST(StringList, CustomSortAndUnsortedEditing)
{
    TStringList list;
    Fill(list, {u"ccc", u"a", u"bb"});
    list.CustomSort([](TStringList& l, int a, int b) {
        return static_cast<int>(l.Strings(a).size()) - static_cast<int>(l.Strings(b).size());
    });
    EXPECT_EQ(LinesOf(list), (Lines{u"a", u"bb", u"ccc"}));
    // A comparer that is no order at all must not walk off the list.
    list.CustomSort([](TStringList&, int, int) { return -1; });
    list.CustomSort([](TStringList&, int, int) { return 1; });
    EXPECT_EQ(list.Count(), 3);
    list.Move(0, 2);
    list.Exchange(0, 1);
    EXPECT_EQ(LinesOf(list), (Lines{u"ccc", u"bb", u"a"}));
    EXPECT_THROW(list.Strings(3), EStringListError);
    EXPECT_THROW(list.Delete(-1), EStringListError);
}

TEST(StringList, OwnedObjectsAreFreedWithTheirLines)
{
    int alive = 0;
    {
        TStringList list(true);
        list.AddObject(u"a", new TCounted(alive));
        list.AddObject(u"b", new TCounted(alive));
        list.AddObject(u"c", new TCounted(alive));
        EXPECT_EQ(list.IndexOfObject(list.Objects(1)), 1);
        list.Delete(0);
        EXPECT_EQ(alive, 2);
        list.SetSorted(true);
        TCounted* extra = new TCounted(alive);
        list.AddObject(u"b", extra); // ignored duplicate: the caller keeps the object
        EXPECT_EQ(alive, 3);
        delete extra;
    }
    EXPECT_EQ(alive, 0);
}

TEST(StringList, ChangeEventsAreHeldDuringAnUpdate)
{
    TStringList list;
    int changing = 0, changed = 0;
    list.SetOnChanging([&](TObject*) { ++changing; });
    list.SetOnChange([&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        ++changed;
    });
    list.Add(u"a");
    EXPECT_EQ(changing, 1);
    EXPECT_EQ(changed, 1);
    list.BeginUpdate();
    list.Add(u"b");
    list.SetText(u"x\ny\nz");
    EXPECT_EQ(changed, 1);
    list.EndUpdate();
    EXPECT_EQ(changing, 2);
    EXPECT_EQ(changed, 2);
}

TEST(StringList, LoadAndSaveWithEncodings)
{
    TStringList list;
    Fill(list, {u"\u0633\u0644\u0627\u0645", u"abc"});
    struct Case { const TEncoding* encoding; TBytes preamble; };
    const Case cases[] = {
        {&TEncoding::UTF8(), {0xEF, 0xBB, 0xBF}},
        {&TEncoding::Unicode(), {0xFF, 0xFE}},
        {&TEncoding::BigEndianUnicode(), {0xFE, 0xFF}},
    };
    for (const auto& c : cases) {
        TBytesStream stream;
        list.SaveToStream(stream, c.encoding);
        ASSERT_GE(stream.Bytes().size(), c.preamble.size());
        EXPECT_TRUE(std::equal(c.preamble.begin(), c.preamble.end(), stream.Bytes().begin()));
        stream.SetPosition(0);
        TStringList loaded;
        loaded.LoadFromStream(stream);
        EXPECT_EQ(LinesOf(loaded), LinesOf(list));
        EXPECT_EQ(loaded.Encoding(), c.encoding);
    }
    // Without a mark the text is ANSI, one byte per character.
    TBytesStream ansi(TBytes{'a', '\r', '\n', 0xE9});
    TStringList loaded;
    loaded.LoadFromStream(ansi);
    EXPECT_EQ(LinesOf(loaded), (Lines{u"a", u"\u00E9"}));

    const String file = FromUtf8(::testing::TempDir()) + u"strings.txt";
    list.SaveToFile(file, &TEncoding::UTF8());
    loaded.LoadFromFile(file);
    EXPECT_TRUE(loaded.Equals(list));
    std::remove(ToUtf8(file).c_str());
}
