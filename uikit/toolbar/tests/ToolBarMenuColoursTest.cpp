// Where the toolbar paints with its menu styler: a menu bar's option drop-down and a floating
// toolbar's caption buttons take the menu bar's colours, the check list shows glow buttons' images,
// and a button on a quick-access toolbar drops its menu with that toolbar's menu styler.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "ImgList.h"
#include "Menus.h"
#include "RurGlowButton.h"
#include "RurMenus_Components.h"
#include "RurMenus_Appearances.h"
#include "RurMenus_Styler.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_ControlSelector.h"
#include "RurToolBar_DockPanel.h"
#include "RurToolBar_PopupMenu.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "ToolBarTestSupport.h"

namespace {

// Distinct menu-bar colours in the toolbar's menu styler, apart from every button colour.
TRootItem* PaintMenuBar(TRurCustomToolBar* toolBar)
{
    TRootItem* root = toolBar->CurrentToolBarStyler()->CurrentRurMenuStyler()->RootItem();
    root->SetColor(0x2050A0);
    root->SetHoverColor(0x40C0F0);
    root->SetHoverColorTo(0x30B0E0);
    root->SetSelectedColor(0xF0D0A0);
    root->SetSelectedColorTo(0xE0C090);
    root->SetHoverTextColor(0x102030);
    root->SetSelectedTextColor(0x302010);
    root->Font()->SetColor(0x405060);
    root->Font()->SetSize(11);
    return root;
}

// The tests drive the mouse with posted messages; the pointer itself is kept off every window,
// so that no window under it turns a control hot for the tests that follow.
class ToolBarMenuColours : public ::testing::Test {
protected:
    void SetUp() override { SetCursorPos(0, 0); }
    void TearDown() override { SetCursorPos(0, 0); }
};

} // namespace

TEST_F(ToolBarMenuColours, AMenuBarsOptionDropDownTakesTheMenuBarsColours)
{
    TForm form(nullptr);
    auto* toolBar = new TRurToolBar(&form);
    toolBar->SetParent(&form);
    const TRootItem* root = PaintMenuBar(toolBar);
    const TButtonAppearance* buttons = toolBar->CurrentToolBarStyler()->ButtonAppearance();
    auto panelOf = [&] {
        toolBar->BuildOptionWindow();
        return dynamic_cast<TControlSelectorPanel*>(toolBar->OptionWindowPanel());
    };

    // An ordinary toolbar: its buttons' colours.
    TControlSelectorPanel* panel = panelOf();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->ItemColorHot(), buttons->ColorHot());
    EXPECT_EQ(panel->ItemTextColor(), buttons->CaptionTextColor());

    // A menu bar: the root item's hover, selected and text colours and its font size.
    TMainMenu menu(&form);
    toolBar->SetMenu(&menu);
    panel = panelOf();
    EXPECT_EQ(panel->ItemColorHot(), root->HoverColor());
    EXPECT_EQ(panel->ItemColorHotTo(), root->HoverColorTo());
    EXPECT_EQ(panel->ItemColorDown(), root->SelectedColor());
    EXPECT_EQ(panel->ItemColorDownTo(), root->SelectedColorTo());
    EXPECT_EQ(panel->ItemTextColor(), root->Font()->Color());
    EXPECT_EQ(panel->ItemTextColorHot(), root->HoverTextColor());
    EXPECT_EQ(panel->ItemTextColorDown(), root->SelectedTextColor());
    EXPECT_EQ(panel->ItemTextFontSize(), 11);
}

TEST_F(ToolBarMenuColours, FloatingCaptionButtonsTakeTheMenuBarsColours)
{
    TForm form(nullptr);
    form.SetBounds(40, 40, 400, 200);
    auto* dock = new TRurDockPanel(&form);
    dock->SetParent(&form);
    auto* toolBar = new TRurToolBar(&form);
    toolBar->SetParent(dock);
    toolBar->SetCaption(u"Floating");
    (new TRurToolBarButton(&form))->SetRurToolBar(toolBar);
    const TRootItem* root = PaintMenuBar(toolBar);
    ASSERT_TRUE(ShowActive(&form));
    toolBar->MakeFloating(200, 160, true);
    ASSERT_EQ(toolBar->ToolBarState(), tsFloating);
    const TRect close = toolBar->GetCloseButtonRect();
    ASSERT_GT(close.Width(), 0);
    const TPoint inside{close.Left + 2, close.Top + 2};
    const TColor normal = PixelOf(Snapshot(toolBar).get(), inside.X, inside.Y);
    EXPECT_NE(normal, ColorToRGB(root->HoverColor()));

    MouseAt(toolBar, WM_MOUSEMOVE, inside);
    EXPECT_EQ(PixelOf(Snapshot(toolBar).get(), inside.X, inside.Y), ColorToRGB(root->HoverColor())) << "hot";
    MouseAt(toolBar, WM_LBUTTONDOWN, inside, MK_LBUTTON);
    auto pressed = Snapshot(toolBar);
    EXPECT_EQ(PixelOf(pressed.get(), inside.X, inside.Y), ColorToRGB(root->Color())) << "pressed";
    AddToContactSheet(u"Floating, close pressed", pressed.get());
    MouseAt(toolBar, WM_LBUTTONUP, inside);
    EXPECT_FALSE(toolBar->Visible()) << "the close button hides the toolbar";
}

TEST_F(ToolBarMenuColours, TheCheckListShowsGlowButtonsImages)
{
    TForm form(nullptr);
    auto* toolBar = new TRurToolBar(&form);
    toolBar->SetParent(&form);
    // A list of one red 16 x 16 image.
    TImageList images(&form);
    images.SetWidth(16);
    images.SetHeight(16);
    auto red = Bitmap32(16, 16, clRed);
    images.Add(red.get(), nullptr);
    toolBar->SetImages(&images);
    auto* listed = new TRurGlowButton(&form);
    listed->SetImageIndex(0);
    auto* plain = new TRurGlowButton(&form);

    TATBPopupWindow window(&form);
    window.SetRurToolBar(toolBar);
    TATBMenuItem* root = window.CreateItems();
    TATBPopupPanel* panel = window.PopupPanel();
    panel->SetRurMenuStyler(toolBar->CurrentToolBarStyler()->CurrentRurMenuStyler());
    root->Add()->SetObjects(plain);
    panel->ArrangeItems();
    EXPECT_FALSE(panel->ShowImageBar()) << "a glow button without an image shows none";
    root->Add()->SetObjects(listed);
    panel->ArrangeItems();
    ASSERT_TRUE(panel->ShowImageBar()) << "a glow button with an image switches the image column on";
    window.HandleNeeded();
    auto picture = Snapshot(panel);
    const TRect row = root->Items(1)->BoundRect();
    EXPECT_GT(CountOf(picture.get(), row, clRed), 16 * 16 / 2) << "the toolbar's image at the button's index";
    EXPECT_EQ(CountOf(picture.get(), root->Items(0)->BoundRect(), clRed), 0);
    AddToContactSheet(u"Check list, glow button image", picture.get());
}

namespace {

// A holder of toolbar controls that is no toolbar, as the ribbon's quick-access toolbar is.
class TControlHost : public TCustomControl, public IToolBarControlHost {
public:
    using TCustomControl::TCustomControl;
    TCustomRurToolBarStyler* CurrentToolBarStyler() const override { return Styler; }
    TCustomRurToolBarStyler* Styler = nullptr;
};

void CALLBACK EndMenuSoon(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    EndMenu();
}

} // namespace

TEST_F(ToolBarMenuColours, AButtonOnAQuickAccessHostDropsItsMenuWithTheHostsMenuStyler)
{
    TForm form(nullptr);
    form.SetBounds(60, 60, 300, 120);
    auto* host = new TControlHost(&form);
    host->SetParent(&form);
    host->SetBounds(10, 10, 200, 30);
    TCustomRurToolBarStyler styler(nullptr);
    TRurMenuStyler menuStyler(nullptr);
    styler.SetRurMenuStyler(&menuStyler);
    host->Styler = &styler;
    auto* button = new TRurToolBarButton(&form);
    button->SetParent(host);
    button->SetBounds(4, 2, 40, 26);
    EXPECT_EQ(button->OwnerStyler(), &styler);

    button->SetDropDownButton(true);
    button->SetDropDownSplit(false);
    TRurPopupMenu menu(&form);
    auto* item = new TMenuItem(&menu);
    item->SetCaption(u"Item");
    menu.Items()->Add(item);
    int popups = 0;
    menu.SetOnPopup([&](TObject*) { ++popups; });
    button->SetDropDownMenu(&menu);
    ASSERT_TRUE(ShowActive(&form));
    SetTimer(nullptr, 0, 300, &EndMenuSoon);
    const TPoint centre{button->Left() + 20, button->Top() + 13};
    MouseAt(host, WM_MOUSEMOVE, centre);
    MouseAt(host, WM_LBUTTONDOWN, centre, MK_LBUTTON);
    ASSERT_TRUE(PumpUntil([&] { return popups == 1; }));
    MouseAt(host, WM_LBUTTONUP, centre);
    EXPECT_EQ(menu.CurrentMenuStyler(), &menuStyler) << "the host's styler's menu styler";
    button->SetDropDownMenu(nullptr);

    // Off any toolbar or host: no styler.
    button->SetParent(&form);
    EXPECT_EQ(button->OwnerStyler(), nullptr);
}
