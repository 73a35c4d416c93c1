// The menu appearance classes and the styler: defaults, refreshing writes, indexed colours, Assign,
// the background picture and the glyph sets.
#include <gtest/gtest.h>

#include "Forms.h"
#include "MenuTestSupport.h"
#include "RurMenuStylers.h"
#include "ToolBarTestSupport.h"

using namespace RurMenus;

namespace {

// A pop-up menu whose system menu carries an entry of its own: a rebuild removes it. Its styler is
// bound to it (a menu's internal styler is bound only once the menu takes a styler).
struct TRebuildProbe {
    TRurMenuStyler Styler{nullptr};
    TRurPopupMenu Menu{nullptr};
    TRebuildProbe()
    {
        Menu.SetMenuStyler(&Styler);
        AddItem(Menu.Items(), u"One");
        AppendMenuW(Menu.Handle(), MF_STRING, 0x7F00, L"marker");
    }
    bool Rebuilt() { return GetMenuItemCount(Menu.Handle()) == 1; }
};

} // namespace

TEST(MenuAppearance, ANewStylerStartsWithTheDocumentedLook)
{
    TRurMenuStyler styler(nullptr);
    struct TCase {
        const char* What;
        TColor Actual, Expected;
    } cases[] = {
        {"icon bar", styler.IconBar()->Color(), 0xFFF9F9},
        {"icon bar to", styler.IconBar()->ColorTo(), 0xBBA0A1},
        {"icon bar check", styler.IconBar()->CheckColor(), 0x6FC0FF},
        {"selected", styler.SelectedItem()->Color(), 0xC2EEFF},
        {"selected check", styler.SelectedItem()->CheckColor(), 0x3E80FE},
        {"root", styler.RootItem()->Color(), 0xE5D7D7},
        {"root hover", styler.RootItem()->HoverColorTo(), 0x9DD8FF},
        {"root selected border", styler.RootItem()->SelectedBorderColor(), 0x947C7C},
        {"background", styler.Background()->Color(), 0xFFFAFD},
        {"separator", styler.Separator()->Color(), 0x8F6D6E},
        {"side bar border", styler.SideBar()->BorderColor(), 0xA19D9D},
        {"side bar splitter", styler.SideBar()->SplitterColor(), 0x808080},
        {"menu border", styler.MenuBorderColor(), 0x7C7C94},
        {"button hover", styler.ButtonAppearance()->HoverColor(), 0xD2BDB6},
        {"button down border", styler.ButtonAppearance()->DownBorderColor(), 0x6A240A},
        {"notes font", styler.NotesFont()->Color(), 0x808080},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.Actual, c.Expected) << c.What;
    EXPECT_EQ(styler.IconBar()->GradientDirection(), gdHorizontal);
    EXPECT_EQ(styler.Separator()->GradientDirection(), gdHorizontal);
    EXPECT_EQ(styler.IconBar()->Size(), 24);
    EXPECT_EQ(styler.SideBar()->Size(), 24);
    EXPECT_FALSE(styler.SideBar()->Visible());
    EXPECT_EQ(styler.SideBar()->Font()->Name(), u"Tahoma");
    EXPECT_EQ(styler.Font()->Height(), -12);
    EXPECT_EQ(styler.NotesFont()->Size(), Screen->MenuFont()->Size() - 2);
}

TEST(MenuAppearance, IconBarSizeHasAFloorAndRebuildsTheMenu)
{
    TRebuildProbe probe;
    TIconBar* bar = probe.Styler.IconBar();
    bar->SetSize(10);
    EXPECT_EQ(bar->Size(), 16);
    EXPECT_TRUE(probe.Rebuilt());
    AppendMenuW(probe.Menu.Handle(), MF_STRING, 0x7F00, L"marker");
    bar->SetSize(30);
    EXPECT_EQ(bar->Size(), 30);
    EXPECT_TRUE(probe.Rebuilt());
}

TEST(MenuAppearance, WritesRepaintOrRebuildAsTheirPropertyNeeds)
{
    struct TCase {
        const char* What;
        std::function<void(TCustomRurMenuStyler*)> Write;
        bool Rebuilds;
    } cases[] = {
        {"check colour redraws", [](auto* s) { s->IconBar()->SetCheckColor(clRed); }, false},
        {"selected font re-measures", [](auto* s) { s->SelectedItem()->SetFont(s->Font()); }, true},
        {"root hover re-measures", [](auto* s) { s->RootItem()->SetHoverColor(clRed); }, true},
        {"root hover border stores", [](auto* s) { s->RootItem()->SetHoverBorderColor(clRed); }, false},
        {"styler font re-measures", [](auto* s) { s->SetFont(s->Font()); }, true},
        {"styler side bar re-measures", [](auto* s) { s->SetSideBar(s->SideBar()); }, true},
        {"styler background redraws", [](auto* s) { s->SetBackground(s->Background()); }, false},
    };
    for (const TCase& c : cases) {
        TRebuildProbe probe;
        c.Write(probe.Menu.CurrentMenuStyler());
        EXPECT_EQ(probe.Rebuilt(), c.Rebuilds) << c.What;
    }
}

TEST(MenuAppearance, IndexedColoursRefuseAnIndexOutOfRange)
{
    TRurMenuStyler styler(nullptr);
    styler.RootItem()->SetSelectedColorIndexed(3, clRed);
    EXPECT_EQ(styler.RootItem()->SelectedColorMirrorTo(), clRed);
    try {
        styler.IconBar()->SetColorIndexed(2, clRed);
        FAIL() << "no exception";
    } catch (const EInvalidPropertyIndex& e) {
        EXPECT_EQ(e.Message(), u"Invalid property index 2.");
    }
    EXPECT_THROW(styler.RootItem()->GetHoverColorIndexed(4), EInvalidPropertyIndex);
    EXPECT_THROW(styler.RootItem()->SetSelectedColorIndexed(-1, clRed), EInvalidPropertyIndex);
}

TEST(MenuAppearance, AssignLeavesWhatThePlatformLookLeaves)
{
    TRurMenuStyler from(nullptr), to(nullptr);
    from.IconBar()->SetColor(clRed);
    from.IconBar()->SetGradientDirection(gdVertical);
    from.IconBar()->SetCheckColor(clBlue);
    from.IconBar()->SetSize(40);
    from.RootItem()->SetHoverColorMirror(clRed);
    from.RootItem()->SetSelectedColorMirror(clBlue);
    from.SelectedItem()->SetColor(clRed);
    from.SelectedItem()->SetCheckBorder(clRed);
    from.SelectedItem()->SetBorderColor(clBlue);
    from.SideBar()->SetSplitterColor(clRed);
    from.SideBar()->SetBorderColor(clBlue);
    from.SetMenuBorderColor(clRed);
    from.ButtonAppearance()->SetHoverColor(clRed);
    to.Assign(&from);
    // Copied.
    EXPECT_EQ(to.IconBar()->CheckColor(), clBlue);
    EXPECT_EQ(to.IconBar()->Size(), 40);
    EXPECT_EQ(to.RootItem()->SelectedColorMirror(), clBlue);
    EXPECT_EQ(to.SelectedItem()->BorderColor(), clBlue);
    EXPECT_EQ(to.SideBar()->BorderColor(), clBlue);
    // Left as they were (kept as the look behaves: only these members are copied).
    EXPECT_EQ(to.IconBar()->Color(), 0xFFF9F9);
    EXPECT_EQ(to.IconBar()->GradientDirection(), gdHorizontal);
    EXPECT_EQ(to.RootItem()->HoverColorMirror(), clNone);
    EXPECT_EQ(to.SelectedItem()->Color(), 0xC2EEFF);
    EXPECT_EQ(to.SelectedItem()->CheckBorder(), 0x6F4B4B);
    EXPECT_EQ(to.SideBar()->SplitterColor(), 0x808080);
    EXPECT_EQ(to.MenuBorderColor(), 0x7C7C94);
    EXPECT_EQ(to.ButtonAppearance()->HoverColor(), 0xD2BDB6);
}

TEST(MenuAppearance, AssignFromAnotherKindOfObject)
{
    TRurMenuStyler styler(nullptr);
    TFont font;
    EXPECT_THROW(styler.IconBar()->Assign(&font), EConvertError);
    EXPECT_THROW(styler.SideBar()->Assign(&font), EConvertError);
    EXPECT_NO_THROW(styler.Glyphs()->Assign(&font));
    EXPECT_NO_THROW(styler.ButtonAppearance()->Assign(&font));
    EXPECT_NO_THROW(styler.Assign(&font));
}

TEST(MenuAppearance, ButtonAppearanceReportsChangedColoursOnly)
{
    TButtonAppearance buttons;
    int changes = 0;
    buttons.SetOnChange([&](TObject*) { ++changes; });
    buttons.SetHoverColor(buttons.HoverColor());
    buttons.SetHoverColor(clRed);
    buttons.SetHoverBorderColor(clBlue); // stored silently
    EXPECT_EQ(changes, 1);
}

TEST(MenuAppearance, BackgroundPictureIsFreedByNilAndMadeAgainOnRead)
{
    TBackground background(nullptr);
    auto bitmap = Bitmap32(4, 4, clRed);
    TPicture picture;
    picture.SetGraphic(bitmap.get());
    background.SetImage(&picture);
    EXPECT_TRUE(background.HasPicture());
    EXPECT_TRUE(background.Image()->Graphic()->Transparent());
    background.SetImage(nullptr);
    EXPECT_FALSE(background.HasPicture());
    ASSERT_NE(background.Image(), nullptr);
    EXPECT_EQ(background.Image()->Graphic(), nullptr);
}

TEST(MenuAppearance, PicturePositionsInARect)
{
    TBackground background(nullptr);
    auto bitmap = Bitmap32(10, 6, clRed);
    TPicture picture;
    picture.SetGraphic(bitmap.get());
    background.SetImage(&picture);
    background.SetOffsetX(2);
    background.SetOffsetY(3);
    const TRect area = Rect(100, 50, 140, 80); // 40 x 30
    struct TCase {
        TBackgroundPosition Position;
        int X, Y;
    } cases[] = {
        {bpTopLeft, 102, 53},      {bpTopRight, 132, 53},    {bpBottomLeft, 102, 77}, {bpBottomRight, 132, 77},
        {bpTopCenter, 117, 53},    {bpBottomCenter, 117, 77}, {bpCenter, 117, 65},    {bpTiled, 100, 50},
        {bpStretched, 100, 50},    {bpXY, 100, 50},
    };
    for (const TCase& c : cases) {
        background.SetPosition(c.Position);
        int x = 0, y = 0;
        background.CalcPicturePosition(area, x, y);
        EXPECT_EQ(x, c.X) << c.Position;
        EXPECT_EQ(y, c.Y) << c.Position;
    }
}

TEST(MenuAppearance, GlyphSetsFollowTheScaleClass)
{
    TMenuGlyphs glyphs(nullptr);
    struct TCase {
        float Scale;
        TResType Type;
        int CheckSize, ArrowWidth;
    } cases[] = {{1.0f, rtx1, 16, 4}, {1.25f, rtx1, 16, 4}, {1.5f, rtx15, 24, 6}, {1.75f, rtx15, 24, 6},
                 {2.0f, rtx2, 32, 8}};
    for (const TCase& c : cases) {
        glyphs.UpdateResources(c.Scale);
        EXPECT_EQ(glyphs.ResType(), c.Type) << c.Scale;
        EXPECT_EQ(glyphs.Check()->Width(), c.CheckSize) << c.Scale;
        EXPECT_EQ(glyphs.Radio()->Height(), c.CheckSize) << c.Scale;
        EXPECT_EQ(glyphs.SubMenu()->Width(), c.ArrowWidth) << c.Scale;
    }
    TBitmap* loaded = glyphs.Check();
    glyphs.UpdateResources(2.5f);
    EXPECT_EQ(glyphs.Check(), loaded) << "the same class loads nothing again";
}

TEST(MenuAppearance, FreeingTheStyledMenuUnbindsTheStyler)
{
    TRurMenuStyler styler(nullptr);
    auto menu = std::make_unique<TRurPopupMenu>(nullptr);
    menu->SetMenuStyler(&styler);
    EXPECT_EQ(styler.Menu(), menu.get());
    EXPECT_EQ(styler.IconBar()->Menu(), menu.get());
    menu.reset();
    EXPECT_EQ(styler.Menu(), nullptr);
    EXPECT_EQ(styler.IconBar()->Menu(), nullptr);
    styler.IconBar()->SetSize(40); // refreshes nothing
    styler.SetFont(styler.Font());
}
