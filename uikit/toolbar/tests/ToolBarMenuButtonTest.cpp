// The menu-bar button on a real toolbar: its face from the styler's colours, the down look while
// its menu drops, the open-bottom frame, and the press that closed a menu not reopening it.
#include <gtest/gtest.h>

#include <functional>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "Menus.h"
#include "RurMenus_Components.h"
#include "RurMenus_Styler.h"
#include "RurToolBar_MenuButton.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "ToolBarTestSupport.h"

namespace {

// Opens the menu-bar bookkeeping a toolbar's menu loop keeps on its buttons.
class TProbedMenuButton : public TRurToolBarMenuButton {
    TAVIN_CLASS(TProbedMenuButton, TRurToolBarMenuButton)
public:
    using TRurToolBarMenuButton::TRurToolBarMenuButton;
    void SetMenuBeingClosed(bool value) { FMenuBeingClosed = value; }
    bool MenuBeingClosed() const { return FMenuBeingClosed; }
};

void CALLBACK EndMenuLater(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    EndMenu();
}

// What a test looks at while a menu is open, then the menu closes.
std::function<void()> WhileMenuOpen;
void CALLBACK LookThenEndMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (WhileMenuOpen)
        WhileMenuOpen();
    EndMenu();
}

class ToolBarMenuButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(60, 60, 400, 160);
        ToolBar = new TRurToolBar(Form.get());
        ToolBar->SetParent(Form.get());
        UsePlainFace(ToolBar);
        ToolBar->SetBounds(10, 10, 300, 30);
        TButtonAppearance* s = ToolBar->CurrentToolBarStyler()->ButtonAppearance();
        s->SetColorHot(StylerHot);
        s->SetColorDown(StylerDown);
        s->SetBorderHotColor(clBlack);
        s->SetBorderDownColor(clBlack);
        Button = new TProbedMenuButton(Form.get());
        Button->SetCaption(u"&File");
        Button->SetShowCaption(true);
        Button->SetBounds(20, 2, 50, 26);
        Button->SetRurToolBar(ToolBar);
        ASSERT_TRUE(ShowActive(Form.get()));
    }
    void TearDown() override
    {
        const TPoint away = Form->ClientToScreen(TPoint{20, 130});
        SetCursorPos(away.X, away.Y);
    }
    TColor FaceAt(int dx, int dy)
    {
        auto image = Snapshot(ToolBar);
        return PixelOf(image.get(), Button->Left() + dx, Button->Top() + dy);
    }
    TPoint Centre() const { return TPoint{Button->Left() + Button->Width() / 2, Button->Top() + Button->Height() / 2}; }

    static constexpr TColor StylerHot = 0x00C0FF, StylerDown = 0x0080FF;
    std::unique_ptr<TForm> Form;
    TRurToolBar* ToolBar = nullptr;
    TProbedMenuButton* Button = nullptr;
};

TEST_F(ToolBarMenuButtonTest, FaceFollowsTheStyler)
{
    EXPECT_TRUE(Button->IsMenuButton());
    EXPECT_TRUE(Button->ParentStyler());
    EXPECT_EQ(FaceAt(2, 2), clWhite) << "a transparent item paints no background";

    MouseAt(ToolBar, WM_MOUSEMOVE, Centre());
    ASSERT_TRUE(PumpUntil([&] { return Button->Hot(); }));
    EXPECT_EQ(FaceAt(2, 2), StylerHot);
    EXPECT_EQ(FaceAt(0, 5), clBlack);

    // The styler's colours reach the button's own appearance at its next paint.
    ToolBar->CurrentToolBarStyler()->ButtonAppearance()->SetColorHot(clLime);
    EXPECT_EQ(FaceAt(2, 2), clLime);
    EXPECT_EQ(Button->Appearance()->ColorHot(), clLime);
    AddToContactSheet(u"Menu item, hot", Snapshot(ToolBar).get());

    // Its menu dropping: the down look while the menu is open.
    TMenuItem item(nullptr);
    item.SetCaption(u"&File");
    auto* sub = new TMenuItem(&item);
    sub->SetCaption(u"&New");
    item.Add(sub);
    Button->SetMenuItem(&item);
    TRurButtonState state = absUp;
    TColor face = clNone;
    WhileMenuOpen = [&] {
        state = Button->State();
        face = FaceAt(2, 2);
        AddToContactSheet(u"Menu item, dropped", Snapshot(ToolBar).get());
    };
    SetTimer(nullptr, 0, 200, &LookThenEndMenu);
    Button->DoDropDown();
    WhileMenuOpen = nullptr;
    EXPECT_EQ(state, absDropDown);
    EXPECT_EQ(face, StylerDown);
    EXPECT_EQ(Button->State(), absUp) << "back up once the menu closed";
    PumpUntil([&] { return !ToolBar->MenuDropped(); });
    EXPECT_EQ(item.Count(), 1) << "the sub-item went back to its item";
    Button->SetMenuItem(nullptr);
}

TEST_F(ToolBarMenuButtonTest, InAMenuBarTheItemLooksLikeTheMenuStylersRootItem)
{
    TRootItem* root = ToolBar->CurrentToolBarStyler()->CurrentRurMenuStyler()->RootItem();
    constexpr TColor normal = 0x404080, hover = 0x40C0C0, selected = 0xC04040, hoverBorder = 0x102030;
    root->SetColor(normal);
    root->SetColorTo(normal);
    root->SetHoverColor(hover);
    root->SetHoverColorTo(hover);
    root->SetHoverBorderColor(hoverBorder);
    root->SetSelectedColor(selected);
    root->SetSelectedColorTo(selected);
    auto* menu = new TMainMenu(Form.get());
    auto* file = new TMenuItem(Form.get());
    file->SetCaption(u"&File");
    auto* open = new TMenuItem(Form.get());
    open->SetCaption(u"&Open");
    file->Add(open);
    menu->Items()->Add(file);
    ToolBar->SetMenu(menu);
    TRurToolBarMenuButton* item = nullptr;
    for (int i = 0; i < ToolBar->ToolBarControlCount(); ++i)
        if (auto* b = dynamic_cast<TRurToolBarMenuButton*>(ToolBar->ToolBarControls(i)); b && b != Button)
            item = b;
    ASSERT_TRUE(item);
    auto faceOf = [&](int dx, int dy) { return PixelOf(Snapshot(ToolBar).get(), item->Left() + dx, item->Top() + dy); };
    const TPoint centre{item->Left() + item->Width() / 2, item->Top() + item->Height() / 2};

    ASSERT_TRUE(item->Transparent());
    EXPECT_EQ(faceOf(3, 3), clWhite) << "a transparent item paints no background";
    item->SetTransparent(false);
    EXPECT_EQ(faceOf(3, 3), normal) << "normal: the root item's colours";
    MouseAt(ToolBar, WM_MOUSEMOVE, centre);
    ASSERT_TRUE(PumpUntil([&] { return item->Hot(); }));
    EXPECT_EQ(faceOf(3, 3), hover) << "hot: the root item's hover colours, not the button appearance's";
    EXPECT_EQ(faceOf(0, item->Height() / 2), hoverBorder);

    TColor dropped = clNone;
    TCustomRurMenuStyler* droppedStyler = nullptr;
    WhileMenuOpen = [&] {
        dropped = faceOf(3, 3);
        if (auto* active = dynamic_cast<TRurPopupMenu*>(ToolBar->ActiveMenu()))
            droppedStyler = active->MenuStyler();
    };
    SetTimer(nullptr, 0, 200, &LookThenEndMenu);
    item->DoDropDown();
    WhileMenuOpen = nullptr;
    EXPECT_EQ(dropped, selected) << "its menu open: the root item's selected colours";
    EXPECT_EQ(droppedStyler, ToolBar->CurrentToolBarStyler()->CurrentRurMenuStyler())
        << "the sub-items drop in the kit's owner-drawn menu with the toolbar styler's menu styler";
    PumpUntil([&] { return !ToolBar->MenuDropped(); });

    // The caption is measured in the root item's font.
    const int width = item->Width();
    root->Font()->SetSize(root->Font()->Size() * 2);
    item->AdjustSize();
    EXPECT_GT(item->Width(), width);
    AddToContactSheet(u"Menu bar item, root colours", Snapshot(ToolBar).get());
}

TEST_F(ToolBarMenuButtonTest, APressThatClosedTheMenuDoesNotReopenIt)
{
    TMenuItem item(nullptr);
    item.SetCaption(u"&Edit");
    item.Add(new TMenuItem(&item));
    Button->SetMenuItem(&item);

    Button->SetMenuBeingClosed(true);
    MouseAt(ToolBar, WM_LBUTTONDOWN, Centre(), MK_LBUTTON);
    EXPECT_NE(Button->State(), absDropDown) << "the click that closed the menu opens nothing";
    EXPECT_FALSE(Button->MenuBeingClosed());
    MouseAt(ToolBar, WM_LBUTTONUP, Centre());

    TRurButtonState state = absUp;
    WhileMenuOpen = [&] { state = Button->State(); };
    SetTimer(nullptr, 0, 200, &LookThenEndMenu);
    MouseAt(ToolBar, WM_LBUTTONDOWN, Centre(), MK_LBUTTON);
    WhileMenuOpen = nullptr;
    EXPECT_EQ(state, absDropDown) << "the next press drops the menu";
    MouseAt(ToolBar, WM_LBUTTONUP, Centre());
    PumpUntil([&] { return !ToolBar->MenuDropped(); });
    Button->SetMenuItem(nullptr);
}

TEST_F(ToolBarMenuButtonTest, OpenMenuFrameAndArrow)
{
    // A drop-down item of its own: while its menu is open the face has a frame open at the bottom,
    // in the menu styler's border colour.
    constexpr TColor frame = 0x2080C0;
    ToolBar->CurrentToolBarStyler()->CurrentRurMenuStyler()->SetMenuBorderColor(frame);
    TRurPopupMenu menu(Form.get());
    menu.Items()->Add(new TMenuItem(&menu));
    Button->SetDropDownButton(true);
    Button->SetDropDownMenu(&menu);
    Button->SetBounds(20, 2, 50, 26);
    std::unique_ptr<TBitmap> whileOpen;
    menu.SetOnPopup([&](TObject*) {
        whileOpen = Snapshot(ToolBar);
        SetTimer(nullptr, 0, 50, EndMenuLater);
    });
    MouseAt(ToolBar, WM_LBUTTONDOWN, TPoint{Button->Left() + Button->Width() - 4, Centre().Y}, MK_LBUTTON);
    ASSERT_TRUE(whileOpen);
    EXPECT_EQ(menu.MenuStyler(), ToolBar->CurrentToolBarStyler()->CurrentRurMenuStyler())
        << "a kit menu dropped by the button takes the toolbar styler's menu styler";
    const int left = Button->Left(), top = Button->Top(), right = Button->Left() + Button->Width() - 1;
    EXPECT_EQ(PixelOf(whileOpen.get(), left + 20, top), frame) << "the top edge";
    EXPECT_EQ(PixelOf(whileOpen.get(), left, top + 10), frame) << "the left edge";
    EXPECT_EQ(PixelOf(whileOpen.get(), right, top + 10), frame) << "the right edge";
    // The drop-down part's arrow: a filled triangle 5 wide, 3 high, in the 12-pixel part.
    auto image = Snapshot(ToolBar);
    const int dLeft = left + Button->Width() - 12;
    const int x = dLeft + (12 - 5) / 2, y = top + (26 - 3) / 2 + 1;
    EXPECT_EQ(PixelOf(image.get(), x, y), clBlack);
    EXPECT_EQ(PixelOf(image.get(), x + 4, y), clBlack);
    EXPECT_EQ(PixelOf(image.get(), x + 2, y + 2), clBlack);
    EXPECT_NE(PixelOf(image.get(), x + 5, y), clBlack);
    AddToContactSheet(u"Menu item, open", whileOpen.get());
}

} // namespace
