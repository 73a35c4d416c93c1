// The Customize entry that the option drop-down's "Options" entry opens for a toolbar with a
// customizer: shown beside the entry, highlighted and pressed with real mouse messages, opening
// the customizer dialog, and going when the pointer goes back up.
#include <gtest/gtest.h>

#include "CustomizerTestSupport.h"
#include "GuiTestSupport.h"
#include "RurToolBar_ControlSelector.h"
#include "RurToolBar_CustomizeOption.h"
#include "RurToolBar_Styler.h"
#include "StdCtrls.h"
#include "ToolBarTestSupport.h"

namespace {

// The shared toolbar on a shown form with a focused edit, and its drop-down opened with no
// listed control.
class CustomizeOptionTest : public CustomizedToolBarTest {
protected:
    void SetUp() override
    {
        CustomizedToolBarTest::SetUp();
        Edit = new TEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 200, 100, 22);
        ASSERT_TRUE(ShowActive(Form.get()));
        Edit->SetFocus();
        ToolBar->SetPrevActiveControl(Edit);
        Window = new TOptionSelectorWindow(ToolBar);
        Window->SetBorderStyle(bsNone);
        Window->SetRurToolBar(ToolBar);
        Panel = new TControlSelectorPanel(Window);
        Panel->SetParent(Window);
        Panel->SetCustomizer(Customizer);
        Window->SetOptionsPanel(Panel);
        ASSERT_TRUE(ShowDropDownBelow(Panel, ToolBar));
        // The dialog is asked for, never shown.
        Customizer->SetOnCanShow(TCustomizerCanShowEvent([this](TObject*, int&, int&, bool& canShow) {
            ++DialogsAsked;
            canShow = false;
        }));
    }

    void TearDown() override
    {
        const TPoint away = Form->ClientToScreen(TPoint{300, 250});
        SetCursorPos(away.X, away.Y);
        CustomizedToolBarTest::TearDown();
    }

    // Hovers the options entry and waits for the Customize entry.
    TCustomizeOption* OpenCustomizeEntry()
    {
        const TRect options = Panel->OptionsBtn()->BRect();
        MouseAt(Panel, WM_MOUSEMOVE, TPoint{options.Left + 10, options.Top + 5});
        TOptionSelectorWindow* window = Panel->CustomizeOptionWindow();
        EXPECT_TRUE(PumpUntil([&] { return window && window->Visible(); }));
        return Panel->CustomizeOptionPanel();
    }

    TEdit* Edit = nullptr;
    TOptionSelectorWindow* Window = nullptr;
    TControlSelectorPanel* Panel = nullptr;
    int DialogsAsked = 0;
};

TEST_F(CustomizeOptionTest, OptionsEntryShowsTheCustomizeEntryBesideIt)
{
    EXPECT_TRUE(Panel->ShowOptionsBtn()) << "a customizer is enough for the options entry";
    TCustomizeOption* entry = OpenCustomizeEntry();
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->CustomizeText(), u"Customize Standard");
    TBitmap measure;
    measure.Canvas()->Font()->Assign(entry->Font());
    EXPECT_EQ(entry->Height(), 25);
    EXPECT_EQ(entry->Width(), measure.Canvas()->TextWidth(u"Customize Standard") + 18);
    TOptionSelectorWindow* window = Panel->CustomizeOptionWindow();
    EXPECT_EQ(window->Width(), entry->Width());
    const TRect options = Panel->OptionsBtn()->BRect();
    const TPoint expected = Panel->ClientToScreen(TPoint{options.Right + 3, options.Top});
    EXPECT_EQ(window->Left(), expected.X);
    EXPECT_EQ(window->Top(), expected.Y);
    // Shown, it stays: the drop-down does not hide on the way, nor does the entry's window.
    PumpFor(300);
    EXPECT_TRUE(window->Visible());
    EXPECT_TRUE(Window->Visible());
}

TEST_F(CustomizeOptionTest, ReleaseOnTheEntryOpensTheDialog)
{
    TCustomizeOption* entry = OpenCustomizeEntry();
    ASSERT_NE(entry, nullptr);
    const TRect area = entry->GetCustomizeRect();
    const TPoint inside{area.Left + 5, area.Top + 5}, outside{area.Right + 1, area.Top + 5};
    // Sent straight to the entry: a posted move would bring the real pointer, whose button is up.
    auto mouse = [entry](UINT message, TPoint at, WPARAM keys = 0) {
        SendMessageW(entry->Handle(), message, keys, MAKELPARAM(at.X, at.Y));
    };

    // In the margin a press finds nothing to press; moving in with the button held lights nothing.
    mouse(WM_LBUTTONDOWN, TPoint{1, 1}, MK_LBUTTON);
    mouse(WM_MOUSEMOVE, inside, MK_LBUTTON);
    EXPECT_FALSE(entry->CustomizeBtnDown());
    mouse(WM_LBUTTONUP, inside);
    EXPECT_EQ(DialogsAsked, 0);

    // Pressed inside, released outside: the highlight follows the pointer, nothing opens.
    mouse(WM_MOUSEMOVE, inside);
    EXPECT_TRUE(entry->CustomizeBtnHot() && entry->CustomizeBtnDown());
    mouse(WM_LBUTTONDOWN, inside, MK_LBUTTON);
    mouse(WM_MOUSEMOVE, outside, MK_LBUTTON);
    EXPECT_FALSE(entry->CustomizeBtnDown());
    mouse(WM_LBUTTONUP, outside);
    EXPECT_EQ(DialogsAsked, 0);

    // Pressed and released inside: both windows go and the customizer is shown.
    MouseAt(entry, WM_MOUSEMOVE, inside);
    MouseAt(entry, WM_LBUTTONDOWN, inside, MK_LBUTTON);
    MouseAt(entry, WM_LBUTTONUP, inside);
    EXPECT_EQ(DialogsAsked, 1);
    EXPECT_FALSE(entry->CustomizeBtnDown());
    EXPECT_FALSE(Panel->CustomizeOptionWindow()->Visible());
    EXPECT_FALSE(Window->Visible());
}

TEST_F(CustomizeOptionTest, HighlightTakesTheButtonColours)
{
    TCustomizeOption* entry = OpenCustomizeEntry();
    ASSERT_NE(entry, nullptr);
    const TButtonAppearance* look = ToolBar->CurrentToolBarStyler()->ButtonAppearance();
    const TRect area = entry->GetCustomizeRect();
    const TPoint middle{area.Left + 2, (area.Top + area.Bottom) / 2};
    {
        TOffscreenImage plain(entry);
        EXPECT_EQ(plain.Pixel(middle.X, middle.Y), COLORREF(ColorToRGB(entry->Color())));
    }
    MouseAt(entry, WM_MOUSEMOVE, TPoint{area.Left + 5, area.Top + 5});
    ASSERT_TRUE(entry->CustomizeBtnDown());
    ASSERT_EQ(look->ColorDownTo(), clNone) << "a plain highlight";
    TOffscreenImage lit(entry);
    EXPECT_EQ(lit.Pixel(middle.X, middle.Y), COLORREF(ColorToRGB(look->ColorDown())));
    AddToContactSheet(u"Customize entry, highlighted", Snapshot(entry).get());
}

TEST_F(CustomizeOptionTest, GoesWhenThePointerGoesBackUp)
{
    ASSERT_NE(OpenCustomizeEntry(), nullptr);
    const TRect options = Panel->OptionsBtn()->BRect();
    // Just above the entry it stays; well above it, it goes while the drop-down stays.
    MouseAt(Panel, WM_MOUSEMOVE, TPoint{options.Left + 10, options.Top - 3});
    EXPECT_TRUE(Panel->CustomizeOptionWindow()->Visible());
    MouseAt(Panel, WM_MOUSEMOVE, TPoint{options.Left + 10, options.Top + 5});
    MouseAt(Panel, WM_MOUSEMOVE, TPoint{options.Left + 10, options.Top - 6});
    EXPECT_FALSE(Panel->CustomizeOptionWindow()->Visible());
    EXPECT_TRUE(Window->Visible());

    // Hovering the check-list entry takes it away too.
    ASSERT_NE(OpenCustomizeEntry(), nullptr);
    const TRect check = Panel->AddAndRemoveBtn()->BRect();
    MouseAt(Panel, WM_MOUSEMOVE, TPoint{check.Left + 10, check.Top + 5});
    EXPECT_FALSE(Panel->CustomizeOptionWindow()->Visible());
    EXPECT_TRUE(Window->Visible());
}

TEST_F(CustomizeOptionTest, ToolBarHandsItsCustomizerToTheDropDown)
{
    ToolBar->BuildOptionWindow();
    auto* panel = dynamic_cast<TControlSelectorPanel*>(ToolBar->OptionWindowPanel());
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Customizer(), Customizer);
    EXPECT_TRUE(panel->ShowOptionsBtn());
    delete Customizer;
    Customizer = nullptr;
    EXPECT_EQ(panel->Customizer(), nullptr) << "a customizer that goes leaves the drop-down";
    EXPECT_FALSE(panel->ShowOptionsBtn());
}

} // namespace
