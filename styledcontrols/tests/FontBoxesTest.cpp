// The font boxes: the filter, the listing of installed faces, selection by name (also from a form
// resource), the rebuild keeping the face, the size list and its key filter, and the TrueType mark.
#include <gtest/gtest.h>

#include <algorithm>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "Streaming.h"
#include "scFontBoxes.h"

namespace {

LOGFONTW Face(BYTE charSet, BYTE pitch = VARIABLE_PITCH)
{
    LOGFONTW font{};
    font.lfCharSet = charSet;
    font.lfPitchAndFamily = pitch;
    return font;
}

// Gives the tests the protected painter and key filter.
class TOpenFontListBox : public TscFontListBox {
public:
    using TscFontListBox::TscFontListBox;
    using TscFontListBox::DrawItemContent;
};

class TOpenSizeBox : public TscFontSizeComboBox {
public:
    using TscFontSizeComboBox::TscFontSizeComboBox;
    using TscFontSizeComboBox::KeyPress;
};

class FontBoxesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Form = new TForm(Application);
        Form->SetBounds(60, 60, 420, 340);
        ASSERT_TRUE(ShowActive(Form));
    }
    static void TearDownTestSuite()
    {
        delete Form;
        Form = nullptr;
    }
    template <class Box>
    Box* Make()
    {
        auto* box = new Box(Form);
        box->SetBounds(10, 10, 200, 150);
        box->SetParent(Form);
        return box;
    }
    static TForm* Form;
};

TForm* FontBoxesTest::Form = nullptr;

std::vector<String> Entries(TStrings* items)
{
    std::vector<String> entries;
    for (int i = 0; i < items->Count(); ++i)
        entries.push_back(items->Strings(i));
    return entries;
}

} // namespace

TEST(FontFilterTest, EachOptionAddsItsCondition)
{
    const struct {
        const char* Name;
        LOGFONTW Font;
        DWORD Type;
        TscFontListOptions Options;
        bool Passes;
    } cases[] = {
        {"no options", Face(SYMBOL_CHARSET), RASTER_FONTTYPE, {}, true},
        {"ANSI only", Face(ANSI_CHARSET), 0, {foAnsiOnly}, true},
        {"ANSI only, other set", Face(ARABIC_CHARSET), 0, {foAnsiOnly}, false},
        {"TrueType only", Face(ANSI_CHARSET), TRUETYPE_FONTTYPE, {foTrueTypeOnly}, true},
        {"TrueType only, raster", Face(ANSI_CHARSET), RASTER_FONTTYPE, {foTrueTypeOnly}, false},
        {"fixed pitch only", Face(ANSI_CHARSET, FIXED_PITCH), 0, {foFixedPitchOnly}, true},
        {"fixed pitch only, variable", Face(ANSI_CHARSET), 0, {foFixedPitchOnly}, false},
        {"OEM only", Face(OEM_CHARSET), 0, {foOEMFontsOnly}, true},
        {"no OEM", Face(OEM_CHARSET), 0, {foNoOEMFonts}, false},
        {"no symbol", Face(SYMBOL_CHARSET), TRUETYPE_FONTTYPE, {foTrueTypeOnly, foNoSymbolFonts}, false},
        {"TrueType, not symbol", Face(ANSI_CHARSET), TRUETYPE_FONTTYPE, {foTrueTypeOnly, foNoSymbolFonts}, true},
        {"scalable only, raster", Face(ANSI_CHARSET), RASTER_FONTTYPE, {foScalableOnly}, false},
        {"scalable only, device", Face(ANSI_CHARSET), DEVICE_FONTTYPE, {foScalableOnly}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(FontFacePasses(c.Font, c.Type, c.Options), c.Passes);
    }
}

TEST(FontSizeListTest, SizesStayInAscendingOrderWithoutDuplicates)
{
    TStringList sizes;
    for (int size : {12, 8, 10, 8, 12, 9})
        InsertFontSize(&sizes, size);
    EXPECT_EQ(Entries(&sizes), (std::vector<String>{u"8", u"9", u"10", u"12"}));
}

TEST_F(FontBoxesTest, ListsEachInstalledFaceOnceSortedAndFiltered)
{
    auto* box = Make<TscFontListBox>();
    const std::vector<String> all = Entries(box->Items());
    ASSERT_GT(all.size(), 3u);
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end(), [](const String& a, const String& b) { return CompareText(a, b) < 0; }));
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());

    box->SetOptions({foTrueTypeOnly, foNoSymbolFonts});
    EXPECT_TRUE(box->TrueTypeOnly());
    ASSERT_GT(box->Items()->Count(), 0);
    EXPECT_LE(box->Items()->Count(), static_cast<int>(all.size()));
    for (int i = 0; i < box->Items()->Count(); ++i) {
        const auto flags = reinterpret_cast<UINT_PTR>(box->Items()->Objects(i));
        EXPECT_TRUE(flags & TRUETYPE_FONTTYPE) << ToUtf8(box->Items()->Strings(i));
        EXPECT_TRUE(flags & FontEntryNotSymbol) << ToUtf8(box->Items()->Strings(i));
    }

    // No printer here: the printer's list is empty without an error, and both give the screen's
    // faces once.
    EXPECT_NO_THROW(box->SetDevice(fdPrinter));
    const int printerFaces = box->Items()->Count();
    box->SetDevice(fdBoth);
    const std::vector<String> both = Entries(box->Items());
    EXPECT_EQ(std::adjacent_find(both.begin(), both.end()), both.end());
    EXPECT_GE(static_cast<int>(both.size()), printerFaces);
    delete box;
}

TEST_F(FontBoxesTest, NamingAFaceSelectsItAndARebuildKeepsIt)
{
    auto* box = Make<TscFontComboBox>();
    int clicks = 0;
    box->SetOnClick([&](TObject*) { ++clicks; });
    const String face = box->Items()->Strings(1);
    box->SetFontName(AnsiUpperCase(face));
    EXPECT_EQ(box->FontName(), face);
    EXPECT_EQ(clicks, 1);
    box->SetFontName(u"No Such Face");
    EXPECT_EQ(box->FontName(), face); // unchanged, still reported
    EXPECT_EQ(clicks, 2);

    clicks = 0;
    box->Reset();
    EXPECT_EQ(box->FontName(), face);
    EXPECT_EQ(clicks, 0);

    // A filter no face passes (OEM and ANSI at once): the rebuild reports the loss once.
    box->SetOptions({foOEMFontsOnly, foAnsiOnly});
    EXPECT_EQ(box->Items()->Count(), 0);
    EXPECT_EQ(box->FontName(), String());
    EXPECT_EQ(clicks, 1);
    delete box;
}

TEST_F(FontBoxesTest, AFaceNamedInTheFormResourceIsSelectedOnceTheListExists)
{
    auto* probe = Make<TscFontListBox>();
    const String face = probe->Items()->Strings(probe->Items()->Count() / 2);
    delete probe;
    const std::string text = "object Holder: TForm\n"
                             "  object Fonts: TscFontListBox\n"
                             "    Left = 10\n"
                             "    Top = 10\n"
                             "    Width = 200\n"
                             "    Height = 150\n"
                             "    FontName = '" + ToUtf8(face) + "'\n"
                             "  end\n"
                             "end\n";
    TForm holder(nullptr);
    ReadComponentResource(TBytes(text.begin(), text.end()), &holder);
    auto* box = dynamic_cast<TscFontListBox*>(holder.FindComponent(u"Fonts"));
    ASSERT_NE(box, nullptr);
    holder.HandleNeeded();
    box->HandleNeeded();
    EXPECT_EQ(box->FontName(), face);
}

TEST_F(FontBoxesTest, SizeBoxListsTheStandardSizesOfATrueTypeFaceAndFiltersKeys)
{
    auto* fonts = Make<TscFontListBox>();
    fonts->SetOptions({foTrueTypeOnly});
    ASSERT_GT(fonts->Items()->Count(), 0);
    const String face = fonts->Items()->Strings(0);
    delete fonts;

    auto* box = Make<TOpenSizeBox>();
    int clicks = 0;
    box->SetOnClick([&](TObject*) { ++clicks; });
    box->SetFontName(face);
    EXPECT_EQ(Entries(box->Items()), (std::vector<String>{u"8", u"9", u"10", u"11", u"12", u"14", u"16", u"18", u"20",
                                                          u"22", u"24", u"26", u"28", u"36", u"48", u"72"}));
    EXPECT_EQ(clicks, 1);
    box->SetFontName(face); // the same name lists again
    EXPECT_EQ(clicks, 2);

    const struct {
        const char* Name;
        const char16_t* Text;
        Char Key;
        bool Passes;
    } keys[] = {
        {"a zero first", u"", u'0', false},
        {"a zero later", u"1", u'0', true},
        {"a digit", u"", u'7', true},
        {"a letter", u"", u'a', false},
        {"a minus", u"", u'-', false},
        {"Backspace", u"1", u'\b', true},
        {"Enter reaches the dialog", u"12", u'\r', true},
        {"Escape", u"12", u'\x1b', true},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(k.Name);
        box->SetText(k.Text);
        Char key = k.Key;
        box->KeyPress(key);
        EXPECT_EQ(key, k.Passes ? k.Key : Char(0));
    }

    const struct {
        const char16_t* Text;
        int Value;
    } values[] = {{u"12", 12}, {u"", 0}, {u"-", 0}, {u"-3", -3}, {u"1-2", 0}, {u"1a", 0}, {u"99999999999", 0}};
    for (const auto& v : values) {
        SCOPED_TRACE(ToUtf8(v.Text));
        box->SetText(v.Text);
        EXPECT_EQ(box->SizeValue(), v.Value);
    }
    delete box;
}

TEST_F(FontBoxesTest, TheTrueTypeMarkStandsAtTheReadingStart)
{
    auto* box = Make<TOpenFontListBox>();
    box->SetOptions({foTrueTypeOnly});
    ASSERT_GT(box->Items()->Count(), 0);
    for (bool rtl : {false, true}) {
        SCOPED_TRACE(rtl);
        box->SetBiDiMode(rtl ? bdRightToLeft : bdLeftToRight);
        auto bitmap = Canvas32(200, 20);
        bitmap->Canvas()->Font()->SetColor(clWhite); // the name disappears: only the mark shows
        bitmap->Canvas()->Brush()->SetStyle(bsClear);
        box->DrawItemContent(bitmap->Canvas(), Rect(0, 0, 200, 20), 0, TOwnerDrawState());
        // The dark stem of the second letter: x + 4 + 3 from the mark's start.
        const int start = rtl ? 200 - 15 : 2;
        EXPECT_EQ(PixelAt(bitmap.get(), start + 4 + 3, 10), ColorToRGB(clWindowText));
        EXPECT_EQ(CountColor(bitmap.get(), rtl ? Rect(0, 0, 150, 20) : Rect(30, 0, 200, 20), ColorToRGB(clWindowText)), 0);
    }
    delete box;
}
