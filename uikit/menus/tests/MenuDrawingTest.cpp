// Painting menu items into a memory bitmap: each state and kind read back as pixels.
#include <gtest/gtest.h>

#include "Forms.h"
#include "MenuTestSupport.h"
#include "ToolBarTestSupport.h"

namespace {

constexpr int ItemHeight = 22;
constexpr TColor IconBarColor = 0xFFF9F9, BackgroundColor = 0xFFFAFD, MarkBorder = 0x6F4B4B;

bool IsBlackish(TColor c)
{
    return (c & 0xFF) < 0x40 && (c >> 8 & 0xFF) < 0x40 && (c >> 16 & 0xFF) < 0x40;
}

int BlackishCount(TBitmap* bitmap, const TRect& rect)
{
    int count = 0;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            count += IsBlackish(PixelOf(bitmap, x, y));
    return count;
}

struct TPopupFixture {
    TRurPopupMenu Menu{nullptr};
    int Width = 160 + MenuExtraWidth; // what the system hands over, extra width included
    TRect Text() const { return Rect(32, 0, 160, ItemHeight); }
    std::unique_ptr<TBitmap> Paint(TMenuItem* item, TOwnerDrawState state = {}, int height = ItemHeight)
    {
        return PaintItem(item, Width, height, state);
    }
};

} // namespace

TEST(MenuDrawing, NormalItemShowsColumnBackgroundAndCaption)
{
    TPopupFixture f;
    TMenuItem* item = AddItem(f.Menu.Items(), u"Open");
    auto bitmap = f.Paint(item);
    AddToContactSheet(u"normal", bitmap.get());
    EXPECT_EQ(PixelOf(bitmap.get(), 0, 5), IconBarColor);
    EXPECT_EQ(PixelOf(bitmap.get(), 26, 5), BackgroundColor);
    EXPECT_GT(BlackishCount(bitmap.get(), f.Text()), 10);
    // The extra width at the right is left to the window's region.
    EXPECT_EQ(PixelOf(bitmap.get(), f.Width - 1, 5), clWhite);
}

TEST(MenuDrawing, SelectedItemIsFramedAndFilledAcrossTheRow)
{
    TPopupFixture f;
    TMenuItem* item = AddItem(f.Menu.Items(), u"Open");
    auto bitmap = f.Paint(item, {odSelected});
    AddToContactSheet(u"selected", bitmap.get());
    EXPECT_EQ(PixelOf(bitmap.get(), 0, 0), MarkBorder);
    EXPECT_EQ(PixelOf(bitmap.get(), 159, ItemHeight - 1), MarkBorder);
    EXPECT_EQ(PixelOf(bitmap.get(), 5, 5), 0xC2EEFF);
    EXPECT_EQ(PixelOf(bitmap.get(), 150, 5), 0xC2EEFF);
    EXPECT_GT(BlackishCount(bitmap.get(), f.Text()), 10);
}

TEST(MenuDrawing, DisabledItemsUseTheDisabledTextColourSelectedOrNot)
{
    TPopupFixture f;
    TMenuItem* item = AddItem(f.Menu.Items(), u"Open");
    item->SetEnabled(false);
    for (TOwnerDrawState state : {TOwnerDrawState{odDisabled}, TOwnerDrawState{odDisabled, odSelected}}) {
        auto bitmap = f.Paint(item, state);
        AddToContactSheet(state.Contains(odSelected) ? u"disabled selected" : u"disabled", bitmap.get());
        EXPECT_EQ(BlackishCount(bitmap.get(), f.Text()), 0);
        EXPECT_GT(InkCount(bitmap.get(), f.Text(), {BackgroundColor, 0xC2EEFF}), 10);
    }
    auto selected = f.Paint(item, {odDisabled, odSelected});
    EXPECT_EQ(PixelOf(selected.get(), 5, 5), 0xC2EEFF) << "highlighted like an enabled item";
}

TEST(MenuDrawing, CheckedItemWithoutImageShowsTheMarkOnItsBox)
{
    TPopupFixture f;
    TMenuItem* check = AddItem(f.Menu.Items(), u"Ruler");
    check->SetChecked(true);
    TMenuItem* radio = AddItem(f.Menu.Items(), u"Large");
    radio->SetRadioItem(true);
    radio->SetChecked(true);
    for (TMenuItem* item : {check, radio}) {
        auto bitmap = f.Paint(item);
        AddToContactSheet(item == check ? u"checked" : u"radio", bitmap.get());
        // The box is the icon cell made square: (1, 1) - (21, 21).
        EXPECT_EQ(PixelOf(bitmap.get(), 1, 1), MarkBorder);
        EXPECT_EQ(PixelOf(bitmap.get(), 2, 2), 0x6FC0FF);
        EXPECT_GT(BlackishCount(bitmap.get(), Rect(3, 3, 19, 19)), 4) << "the glyph";
    }
    auto selected = f.Paint(check, {odSelected});
    EXPECT_EQ(PixelOf(selected.get(), 2, 2), 0x3E80FE) << "the selected item's check colour";
}

TEST(MenuDrawing, ImagesSitInTheColumnWithTheCheckBoxBehind)
{
    TPopupFixture f;
    auto images = SolidImages(16, 16, {TColor(0x0000FF)});
    f.Menu.SetImages(images.get());
    TMenuItem* item = AddItem(f.Menu.Items(), u"Print");
    item->SetImageIndex(0);
    auto plain = f.Paint(item);
    EXPECT_EQ(PixelOf(plain.get(), 10, 10), 0x0000FF);
    EXPECT_EQ(PixelOf(plain.get(), 0, 2), IconBarColor);
    item->SetChecked(true);
    auto checked = f.Paint(item);
    AddToContactSheet(u"checked image", checked.get());
    EXPECT_EQ(PixelOf(checked.get(), 10, 10), 0x0000FF);
    EXPECT_EQ(PixelOf(checked.get(), 1, 1), MarkBorder);
    EXPECT_EQ(PixelOf(checked.get(), 2, 2), 0x6FC0FF);
    f.Menu.SetImages(nullptr);
}

TEST(MenuDrawing, DefaultItemsAreBold)
{
    TPopupFixture f;
    TMenuItem* item = AddItem(f.Menu.Items(), u"Open");
    const int regular = BlackishCount(f.Paint(item).get(), f.Text());
    item->SetDefault(true);
    auto bold = f.Paint(item);
    AddToContactSheet(u"default", bold.get());
    EXPECT_GT(BlackishCount(bold.get(), f.Text()), regular + regular / 8);
}

TEST(MenuDrawing, SeparatorLineStartsPastTheColumnAndItsMargin)
{
    TPopupFixture f;
    TMenuItem* line = AddItem(f.Menu.Items(), u"-");
    auto bitmap = f.Paint(line, {}, 5);
    AddToContactSheet(u"separator", bitmap.get());
    EXPECT_EQ(PixelOf(bitmap.get(), 30, 2), 0x8F6D6E);
    EXPECT_EQ(PixelOf(bitmap.get(), 157, 2), 0x8F6D6E);
    EXPECT_EQ(PixelOf(bitmap.get(), 25, 2), BackgroundColor) << "the margin";
    EXPECT_EQ(PixelOf(bitmap.get(), 158, 2), BackgroundColor) << "the margin";
    EXPECT_EQ(PixelOf(bitmap.get(), 30, 0), BackgroundColor);
}

TEST(MenuDrawing, SubMenuArrowIsTextWithTheInternalStylerAndTheGlyphWithAnExternalOne)
{
    TPopupFixture f;
    TMenuItem* parent = AddItem(f.Menu.Items(), u"Recent");
    AddItem(parent, u"One");
    const TRect arrowArea = Rect(140, 0, 160, ItemHeight);
    auto internal = f.Paint(parent);
    EXPECT_GT(InkCount(internal.get(), arrowArea, {BackgroundColor}), 3) << "the text \">\"";
    TRurMenuStyler styler(nullptr);
    f.Menu.SetMenuStyler(&styler);
    auto external = f.Paint(parent);
    AddToContactSheet(u"sub-menu", external.get());
    // The 4 x 7 arrow glyph (black from its second column) centred in (152 - 155), mid-row.
    EXPECT_TRUE(IsBlackish(PixelOf(external.get(), 152, 10)));
    EXPECT_EQ(PixelOf(external.get(), 151, 10), BackgroundColor);
    EXPECT_EQ(PixelOf(external.get(), 152, 5), BackgroundColor);
    f.Menu.SetMenuStyler(nullptr);
}

TEST(MenuDrawing, ShortCutStandsRightAligned)
{
    TPopupFixture f;
    TMenuItem* item = AddItem(f.Menu.Items(), u"Save", ShortCut('S', {ssCtrl}));
    auto bitmap = f.Paint(item);
    AddToContactSheet(u"short cut", bitmap.get());
    // The key text ends 10 pixels before the text rectangle's right end.
    EXPECT_GT(BlackishCount(bitmap.get(), Rect(120, 0, 150, ItemHeight)), 5);
    EXPECT_EQ(BlackishCount(bitmap.get(), Rect(151, 0, 160, ItemHeight)), 0);
}

TEST(MenuDrawing, MenuBarItemsInTheirHoverAndOpenLooks)
{
    TRurMainMenu menu(nullptr);
    // A main menu's items added at run time take the engine's handlers when the update ends.
    menu.BeginUpdate();
    TMenuItem* root = AddItem(menu.Items(), u"File");
    AddItem(root, u"Open");
    menu.EndUpdate();
    TRootItem* look = menu.CurrentMenuStyler()->RootItem();
    const int width = 60, height = 20;
    auto hover = PaintItem(root, width, height, {odHotLight});
    AddToContactSheet(u"bar hover", hover.get());
    EXPECT_EQ(PixelOf(hover.get(), 0, 0), look->HoverBorderColor());
    EXPECT_EQ(PixelOf(hover.get(), width - 1, height - 1), look->HoverBorderColor());
    EXPECT_NE(PixelOf(hover.get(), 30, 2), PixelOf(hover.get(), 30, height - 3)) << "a vertical gradient";
    auto open = PaintItem(root, width, height, {odSelected});
    AddToContactSheet(u"bar open", open.get());
    EXPECT_EQ(PixelOf(open.get(), 0, 0), look->SelectedBorderColor());
    EXPECT_EQ(PixelOf(open.get(), 30, height - 1), menu.CurrentMenuStyler()->Background()->Color())
        << "open towards its drop-down";
    // Without a window for the bar a normal item paints no background of its own.
    auto normal = PaintItem(root, width, height, {}, clLime);
    EXPECT_EQ(PixelOf(normal.get(), 1, 1), clLime);
}

TEST(MenuDrawing, ItemsWithHandlersOfTheirOwnKeepThem)
{
    TRurPopupMenu menu(nullptr);
    int drawn = 0, measured = 0;
    TMenuItem* own = new TMenuItem(&menu);
    own->SetCaption(u"Own");
    own->SetOnDrawItem([&](TObject*, TCanvas*, TRect, bool) { ++drawn; });
    own->SetOnMeasureItem([&](TObject*, TCanvas*, int&, int&) { ++measured; });
    menu.Items()->Add(own);
    TMenuItem* kit = AddItem(menu.Items(), u"Kit");
    EXPECT_FALSE(own->OnAdvancedDrawItem());
    EXPECT_TRUE(kit->OnAdvancedDrawItem());
    PaintItem(own, 50, 20);
    MeasureThroughMenu(own);
    EXPECT_EQ(drawn, 1);
    EXPECT_EQ(measured, 1);
}

TEST(MenuDrawingText, NotesStandUnderTheCaptionInTheNotesFont)
{
    for (bool smooth : {false, true}) {
        TRurPopupMenu menu(nullptr);
        if (smooth)
            menu.CurrentMenuStyler()->SetAntiAlias(RurGDIP::aaAntiAlias);
        TMenuItem* item = AddItem(menu.Items(), u"Open\\nOpens a document");
        auto bitmap = PaintItem(item, 200 + MenuExtraWidth, 44);
        AddToContactSheet(smooth ? u"notes, anti-aliased" : u"notes", bitmap.get());
        const TRect caption = Rect(32, 0, 200, 16), notes = Rect(32, 19, 200, 44);
        EXPECT_GT(BlackishCount(bitmap.get(), caption), 5) << smooth;
        // The notes font is grey: ink, but never black.
        EXPECT_GT(InkCount(bitmap.get(), notes, {BackgroundColor}), 10) << smooth;
        EXPECT_EQ(BlackishCount(bitmap.get(), notes), 0) << smooth;
    }
}

TEST(MenuDrawingText, AntiAliasedCaptionsGoThroughGdiPlus)
{
    TPopupFixture f;
    TMenuItem* item = AddItem(f.Menu.Items(), u"Open");
    auto plain = f.Paint(item);
    f.Menu.CurrentMenuStyler()->SetAntiAlias(RurGDIP::aaAntiAlias);
    auto smooth = f.Paint(item);
    AddToContactSheet(u"anti-aliased", smooth.get());
    EXPECT_GT(InkCount(smooth.get(), f.Text(), {BackgroundColor}), 10);
    int differing = 0;
    for (int y = 0; y < ItemHeight; ++y)
        for (int x = 32; x < 160; ++x)
            differing += PixelOf(plain.get(), x, y) != PixelOf(smooth.get(), x, y);
    EXPECT_GT(differing, 0) << "drawn by another renderer";
}
