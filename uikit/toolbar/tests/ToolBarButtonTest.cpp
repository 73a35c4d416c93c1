// Toolbar buttons on a real toolbar: every look painted, and driven with real mouse messages.
#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "Menus.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_ToolBar.h"
#include "ToolBarTestSupport.h"

namespace {

constexpr TColor DefaultHot = 0xD2BDB6, DefaultDown = 0xB59285, DefaultChecked = 0xD8D5D4, DefaultBorder = 0x6A240A;

// A 16 x 16 glyph: white with a red square from 4 to 11.
std::unique_ptr<TBitmap> RedGlyph()
{
    auto glyph = Bitmap32(16, 16);
    glyph->Canvas()->Brush()->SetColor(clRed);
    glyph->Canvas()->FillRect(Rect(4, 4, 12, 12));
    return glyph;
}

void CALLBACK EndMenuLater(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    EndMenu();
}

// One shown form with a white toolbar 300 x 40 at (10, 10), shared by the tests of the suite.
class ToolBarButtonTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Form = new TForm(nullptr);
        Form->SetBounds(50, 50, 420, 200);
        ToolBar = new TRurToolBar(Form);
        ToolBar->SetParent(Form);
        UsePlainFace(ToolBar);
        ToolBar->SetBounds(10, 10, 300, 40);
        ASSERT_TRUE(ShowActive(Form));
    }
    static void TearDownTestSuite()
    {
        delete Form;
        Form = nullptr;
    }
    void TearDown() override
    {
        for (int i = ToolBar->ToolBarControlCount() - 1; i >= 0; --i)
            delete ToolBar->ToolBarControls(i);
        MoveAway();
    }

    // A button with the red glyph at x on the toolbar.
    TRurToolBarButton* AddButton(int x)
    {
        auto* button = new TRurToolBarButton(Form);
        button->SetLeft(x);
        button->SetTop(2);
        auto glyph = RedGlyph();
        button->SetGlyph(glyph.get());
        button->SetRurToolBar(ToolBar);
        button->SetOnClick([this](TObject*) { ++Clicks; });
        return button;
    }
    TPoint Centre(TControl* c) const { return TPoint{c->Left() + c->Width() / 2, c->Top() + c->Height() / 2}; }
    void Move(TPoint p, WPARAM keys = 0) { MouseAt(ToolBar, WM_MOUSEMOVE, p, keys); }
    void Press(TPoint p) { MouseAt(ToolBar, WM_LBUTTONDOWN, p, MK_LBUTTON); }
    void Release(TPoint p) { MouseAt(ToolBar, WM_LBUTTONUP, p); }
    void ClickOn(TControl* c)
    {
        Move(Centre(c));
        Press(Centre(c));
        Release(Centre(c));
    }
    // The pointer off the toolbar, and every button's hot state gone.
    void MoveAway()
    {
        Move(TPoint{ToolBar->Width() - 5, ToolBar->Height() - 3});
        const TPoint outside = Form->ClientToScreen(TPoint{20, 150});
        SetCursorPos(outside.X, outside.Y);
        PumpUntil([&] {
            for (int i = 0; i < ToolBar->ToolBarControlCount(); ++i)
                if (auto* b = dynamic_cast<TRurCustomToolBarButton*>(ToolBar->ToolBarControls(i)); b && b->Hot())
                    return false;
            return true;
        });
    }
    TColor FaceAt(TControl* c, int dx, int dy)
    {
        auto image = Snapshot(ToolBar);
        return PixelOf(image.get(), c->Left() + dx, c->Top() + dy);
    }

    static TForm* Form;
    static TRurToolBar* ToolBar;
    int Clicks = 0;
};

TForm* ToolBarButtonTest::Form = nullptr;
TRurToolBar* ToolBarButtonTest::ToolBar = nullptr;

TEST_F(ToolBarButtonTest, HotDownAndClickByTheMouse)
{
    TRurToolBarButton* button = AddButton(20);
    button->SetShaded(true); // a button made in code builds its shade when Shaded is written
    EXPECT_EQ(button->Width(), 24) << "16 of glyph and 4 on each side";
    EXPECT_EQ(button->Height(), 36) << "the toolbar's height less 4";
    EXPECT_EQ(FaceAt(button, 1, 1), clWhite) << "a transparent button shows no face";

    Move(Centre(button));
    ASSERT_TRUE(PumpUntil([&] { return button->Hot(); }));
    EXPECT_EQ(FaceAt(button, 2, 2), DefaultHot);
    EXPECT_EQ(FaceAt(button, 0, 5), DefaultBorder);
    // The grey shade lies two pixels right and down under the hot glyph.
    const int gx = (24 - 16) / 2, gy = (36 - 16) / 2;
    EXPECT_EQ(FaceAt(button, gx + 13, gy + 13), clGray);
    EXPECT_EQ(FaceAt(button, gx + 8, gy + 8), clRed);
    AddToContactSheet(u"Hot", Snapshot(ToolBar).get());

    Press(Centre(button));
    EXPECT_EQ(button->State(), absDown);
    EXPECT_EQ(FaceAt(button, 2, 2), DefaultDown);
    EXPECT_EQ(FaceAt(button, gx + 13, gy + 13), DefaultDown) << "no shade while pressed";
    AddToContactSheet(u"Down", Snapshot(ToolBar).get());
    Release(Centre(button));
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(button->State(), absUp);

    // Pressed, dragged off and released outside: no click, the up look again.
    Press(Centre(button));
    Move(TPoint{200, 20}, MK_LBUTTON);
    EXPECT_EQ(button->State(), absUp);
    Release(TPoint{200, 20});
    EXPECT_EQ(Clicks, 1);
    MoveAway();
    EXPECT_FALSE(button->Hot());
    EXPECT_EQ(FaceAt(button, 2, 2), clWhite);
}

TEST_F(ToolBarButtonTest, GroupsAndCheckButtons)
{
    TRurToolBarButton* a = AddButton(20);
    TRurToolBarButton* b = AddButton(50);
    TRurToolBarButton* check = AddButton(100);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    check->SetStyle(tasCheck);

    ClickOn(a);
    EXPECT_TRUE(a->Down());
    ClickOn(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down()) << "the group's other button is released";
    ClickOn(b);
    EXPECT_TRUE(b->Down()) << "without AllowAllUp a grouped button stays down";
    EXPECT_FALSE(b->AllowAllUp());
    a->SetAllowAllUp(true);
    EXPECT_TRUE(b->AllowAllUp()) << "AllowAllUp is shared by the group";
    ClickOn(b);
    EXPECT_FALSE(b->Down());

    ClickOn(check);
    EXPECT_TRUE(check->Down());
    EXPECT_EQ(check->State(), absDown);
    MoveAway();
    a->SetDown(true);
    EXPECT_EQ(FaceAt(a, 2, 2), DefaultChecked) << "a grouped button held down shows the checked look";
    EXPECT_EQ(FaceAt(check, 2, 2), DefaultChecked) << "so does a check button that is down";
    AddToContactSheet(u"Checked", Snapshot(ToolBar).get());
    ClickOn(check);
    EXPECT_FALSE(check->Down());

    TRurToolBarButton* plain = AddButton(150);
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down()) << "a push button without a group never stays down";
    EXPECT_EQ(Clicks, 6);
}

TEST_F(ToolBarButtonTest, DropDownParts)
{
    TRurToolBarButton* split = AddButton(20);
    split->SetDropDownButton(true);
    EXPECT_EQ(split->Width(), 24 + 12) << "the drop-down part at the right";
    int dropDowns = 0;
    split->SetOnDropDown([&](TObject*) { ++dropDowns; });

    // A press in the arrow's part drops down; elsewhere it is a press.
    const TPoint arrow{split->Left() + split->Width() - 4, 20};
    Move(arrow);
    Press(arrow);
    Release(arrow);
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(Clicks, 0);
    ClickOn(split);
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(Clicks, 1);

    // Hot, a split button shows a frame around the whole button and one around its main part.
    Move(Centre(split));
    ASSERT_TRUE(PumpUntil([&] { return split->Hot(); }));
    EXPECT_EQ(FaceAt(split, split->Width() - 1, 5), DefaultBorder);
    EXPECT_EQ(FaceAt(split, split->Width() - 13, 5), DefaultBorder) << "the main part's right edge";
    // The chevron is black, centred in the drop-down part.
    EXPECT_EQ(FaceAt(split, split->Width() - 6, 20), clBlack);
    AddToContactSheet(u"Split drop-down (hot)", Snapshot(ToolBar).get());
    MoveAway();

    split->SetDropDownSplit(false);
    Move(Centre(split));
    ASSERT_TRUE(PumpUntil([&] { return split->Hot(); }));
    EXPECT_NE(FaceAt(split, split->Width() - 13, 5), DefaultBorder) << "one frame only";
    AddToContactSheet(u"Drop-down (hot)", Snapshot(ToolBar).get());
    Press(Centre(split));
    Release(Centre(split));
    EXPECT_EQ(dropDowns, 2) << "without the split the whole button drops down";
    EXPECT_EQ(Clicks, 1);
}

TEST_F(ToolBarButtonTest, DropDownMenuPopsUpBelowTheButton)
{
    TRurToolBarButton* button = AddButton(20);
    button->SetDropDownButton(true);
    button->SetDropDownSplit(false);
    TPopupMenu menu(nullptr);
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(u"Item");
    menu.Items()->Add(item);
    int popups = 0;
    menu.SetOnPopup([&](TObject*) { ++popups; });
    button->SetDropDownMenu(&menu);
    // The menu runs its own loop; a timer ends it.
    SetTimer(nullptr, 0, 300, &EndMenuLater);
    Move(Centre(button));
    Press(Centre(button));
    ASSERT_TRUE(PumpUntil([&] { return popups == 1; }));
    Release(Centre(button));
    EXPECT_EQ(Clicks, 0);
    button->SetDropDownMenu(nullptr);
}

TEST_F(ToolBarButtonTest, DisabledLookAndHint)
{
    TRurToolBarButton* button = AddButton(20);
    button->SetCaption(u"Cut");
    button->SetShowCaption(true);
    button->SetEnabled(false);
    Move(Centre(button));
    PumpFor(50);
    EXPECT_FALSE(button->Hot()) << "a disabled button does not turn hot";
    auto image = Snapshot(ToolBar);
    // The grey glyph replaces the red: ((255 + 0 + 0) / 3) / 2 + 96 = 138.
    const int gy = (36 - 16) / 2;
    EXPECT_EQ(PixelOf(image.get(), button->Left() + 4 + 8, button->Top() + gy + 8), TColor(0x8A8A8A));
    EXPECT_EQ(PixelOf(image.get(), button->Left() + 1, button->Top() + 1), clWhite) << "no face";
    // The caption embossed: highlight (white) under the shadow colour.
    EXPECT_GT(CountOf(image.get(), Rect(button->Left() + 20, 0, button->Left() + button->Width(), 40), ColorToRGB(clBtnShadow)), 5);
    AddToContactSheet(u"Disabled", image.get());

    String hint = u"Cut the selection";
    button->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&hint));
    EXPECT_TRUE(hint.empty()) << "a disabled button shows no hint";
    button->SetEnabled(true);
    hint = u"Cut the selection";
    button->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&hint));
    EXPECT_FALSE(hint.empty());
}

TEST_F(ToolBarButtonTest, Sizing)
{
    TRurToolBarButton* button = AddButton(20);
    button->SetCaption(u"Paste");
    EXPECT_EQ(button->Width(), 24) << "the caption counts only when shown";
    button->SetShowCaption(true);
    const int withCaption = button->Width();
    EXPECT_GT(withCaption, 24 + 4 + 10) << "glyph, spacing and caption side by side";
    button->SetGlyphPosition(gpTop);
    EXPECT_EQ(button->Width(), withCaption - 16 - 4) << "above each other: the wider of glyph and caption";

    // An empty button is never narrower than 15 pixels plus its drop-down part.
    auto* empty = new TRurToolBarButton(Form);
    empty->SetLeft(200);
    empty->SetTop(2);
    empty->SetRurToolBar(ToolBar);
    EXPECT_EQ(empty->Width(), 15);
    empty->SetDropDownButton(true);
    EXPECT_EQ(empty->Width(), 15 + 12);

    // On a vertical toolbar the caption turns: the long side becomes the height.
    button->SetGlyphPosition(gpLeft);
    button->SetPosition(daLeft);
    EXPECT_GT(button->Height(), withCaption - 10);
    EXPECT_LT(button->Width(), 40);
    auto image = Snapshot(ToolBar);
    AddToContactSheet(u"Turned caption", image.get());
    button->SetPosition(daTop);
}

TEST_F(ToolBarButtonTest, GlyphsAndImages)
{
    TRurToolBarButton* button = AddButton(20);
    // A disabled glyph is made only when none was given.
    auto blue = Bitmap32(16, 16, clBlue);
    auto* other = new TRurToolBarButton(Form);
    other->SetGlyphDisabled(blue.get());
    auto red = RedGlyph();
    other->SetGlyph(red.get());
    EXPECT_EQ(PixelOf(other->GlyphDisabled(), 8, 8), clBlue);
    EXPECT_EQ(PixelOf(button->GlyphDisabled(), 8, 8), TColor(0x8A8A8A));
    EXPECT_EQ(PixelOf(button->GlyphDisabled(), 0, 0), TColor(0xDF * 0x010101)) << "white: 255 / 2 + 96 = 223";
    delete other;

    // From the toolbar's image list; removing the list resets the index.
    auto* images = new TImageList(Form);
    images->SetWidth(16);
    images->SetHeight(16);
    auto green = Bitmap32(16, 16, clLime);
    images->Add(green.get(), nullptr);
    ToolBar->SetImages(images);
    button->SetImageIndex(0);
    EXPECT_EQ(FaceAt(button, 4 + 8, 10 + 8), clLime);
    delete images;
    EXPECT_EQ(ToolBar->Images(), nullptr);
    EXPECT_EQ(button->ImageIndex(), -1);
}

TEST_F(ToolBarButtonTest, OwnAppearanceWithoutParentStyler)
{
    TRurToolBarButton* button = AddButton(20);
    button->SetParentStyler(false);
    button->SetTransparent(false);
    button->Appearance()->SetColor(clYellow);
    button->Appearance()->SetColorTo(clRed);
    button->Appearance()->SetBorderColor(clBlue);
    auto image = Snapshot(ToolBar);
    const TColor top = PixelOf(image.get(), button->Left() + 5, button->Top() + 1);
    EXPECT_EQ(top & 0xFF, 0xFF) << "the gradient starts yellow at the top";
    EXPECT_GT(top >> 8 & 0xFF, 0xF0);
    EXPECT_EQ(PixelOf(image.get(), button->Left(), button->Top() + 10), clBlue);
    const TColor bottom = PixelOf(image.get(), button->Left() + 5, button->Top() + button->Height() - 3);
    EXPECT_GT(bottom & 0xFF, 0xE0);
    EXPECT_LT(bottom >> 8 & 0xFF, 0x30);
    AddToContactSheet(u"Own appearance", image.get());
}

} // namespace
