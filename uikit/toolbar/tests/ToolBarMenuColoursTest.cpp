// Where the toolbar paints with its menu styler: a menu bar's option drop-down and a floating
// toolbar's caption buttons take the menu bar's colours, and the check list shows glow buttons'
// images.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "ImgList.h"
#include "Menus.h"
#include "RurGlowButton.h"
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

} // namespace

TEST(ToolBarMenuColours, AMenuBarsOptionDropDownTakesTheMenuBarsColours)
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

TEST(ToolBarMenuColours, FloatingCaptionButtonsTakeTheMenuBarsColours)
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
    // Released off the button: nothing is closed.
    MouseAt(toolBar, WM_LBUTTONUP, TPoint{close.Left - 20, close.Top + 2});
    EXPECT_TRUE(toolBar->Visible());
    toolBar->CloseFloating();
}

TEST(ToolBarMenuColours, TheCheckListShowsGlowButtonsImages)
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
