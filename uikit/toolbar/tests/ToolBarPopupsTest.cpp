// The option drop-down window with the control selector panel, and the check-list menu it opens:
// shown, arranged, driven with the mouse and closed, on real windows.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "Menus.h"
#include "RurMenus_Styler.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_ControlSelector.h"
#include "RurToolBar_PopupMenu.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "StdCtrls.h"
#include "SysUtils.h"
#include "ToolBarTestSupport.h"

namespace {

class ToolBarPopupsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(80, 80, 420, 220);
        Edit = new TEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 150, 100, 22);
        ToolBar = new TRurToolBar(Form.get());
        ToolBar->SetParent(Form.get());
        UsePlainFace(ToolBar);
        ToolBar->SetBounds(10, 10, 300, 30);
        ToolBar->SetCaption(u"Standard");
        for (int i = 0; i < 3; ++i) {
            auto* button = new TRurToolBarButton(Form.get());
            button->SetName(u"Button" + IntToStr(i));
            button->SetCaption(u"Item " + IntToStr(i));
            button->SetLeft(10 + 30 * i);
            button->SetRurToolBar(ToolBar);
            Buttons[i] = button;
        }
        auto* separator = new TRurToolBarSeparator(Form.get());
        separator->SetLeft(200);
        separator->SetRurToolBar(ToolBar);
        Separator = separator;
        Window = new TOptionSelectorWindow(ToolBar);
        Window->SetBorderStyle(bsNone);
        Window->SetRurToolBar(ToolBar);
        Panel = new TControlSelectorPanel(Window);
        Panel->SetParent(Window);
        Window->SetOptionsPanel(Panel);
        ASSERT_TRUE(ShowActive(Form.get()));
    }
    void TearDown() override
    {
        const TPoint away = Form->ClientToScreen(TPoint{300, 200});
        SetCursorPos(away.X, away.Y);
    }
    // Lists the controls, sizes the window to the panel and shows it below the toolbar.
    void ShowDropDown(std::initializer_list<TControl*> controls)
    {
        for (TControl* c : controls)
            Panel->AddControl(c);
        ASSERT_TRUE(ShowDropDownBelow(Panel, ToolBar));
    }

    std::unique_ptr<TForm> Form;
    TEdit* Edit = nullptr;
    TRurToolBar* ToolBar = nullptr;
    TRurToolBarButton* Buttons[3] = {};
    TRurToolBarSeparator* Separator = nullptr;
    TOptionSelectorWindow* Window = nullptr;
    TControlSelectorPanel* Panel = nullptr;
};

TEST_F(ToolBarPopupsTest, PanelArrangesControlsInRowsAboveTheEntries)
{
    // Without controls, entries or option menu the panel is empty and not worth showing.
    Panel->SetShowAddAndRemoveBtn(false);
    EXPECT_TRUE(Panel->IsEmpty());
    Panel->SetShowAddAndRemoveBtn(true);
    EXPECT_FALSE(Panel->IsEmpty());

    for (TRurToolBarButton* b : Buttons)
        b->SetAutoSize(false);
    Buttons[0]->SetBounds(0, 0, 60, 22);
    Buttons[1]->SetBounds(0, 0, 60, 22);
    Buttons[2]->SetBounds(0, 0, 200, 30);
    ShowDropDown({Buttons[0], Buttons[1], Buttons[2]});
    // The entry is 130 wide; the 200-pixel control widens the content, the two narrow ones share
    // the first row and the wide one starts the next.
    EXPECT_EQ(Panel->Width(), 200 + 2 * 3);
    EXPECT_EQ(Buttons[0]->BoundsRect(), Rect(3, 3, 63, 25));
    EXPECT_EQ(Buttons[1]->BoundsRect(), Rect(63, 3, 123, 25));
    EXPECT_EQ(Buttons[2]->BoundsRect(), Rect(3, 25, 203, 55));
    const TRect entry = Panel->AddAndRemoveBtn()->BRect();
    EXPECT_EQ(entry, Rect(3, Panel->Height() - 3 - 20, Panel->Width() - 3, Panel->Height() - 3));
    EXPECT_EQ(Panel->Height(), 55 + 20 + 8 + 3) << "controls, entry, separator gap and margin";
    EXPECT_TRUE(Panel->OptionsBtn()->BRect().IsEmpty()) << "no option menu, no options entry";
    EXPECT_EQ(Window->Width(), Panel->Width());
    AddToContactSheet(u"Option drop-down", Snapshot(Panel).get());

    // A separator is listed as a copy that lives until the window hides.
    TRurToolBarSeparator* copy = Panel->AddSeparatorCopy(Separator);
    EXPECT_EQ(copy->Parent(), Panel);
    EXPECT_EQ(Panel->ListedControlCount(), 4);
    Window->Hide();
    EXPECT_EQ(Panel->ListedControlCount(), 3) << "the copy went with the window";
}

TEST_F(ToolBarPopupsTest, DropDownHidesWhenDeactivated)
{
    ShowDropDown({});
    // The plain panel face in its colour inside a grey frame.
    auto face = Snapshot(Panel);
    EXPECT_EQ(PixelOf(face.get(), 0, 5), clGray);
    EXPECT_EQ(PixelOf(face.get(), 5, 2), TColor(0xF7F8F9));

    // A click in the form activates it: the drop-down hides on the timer's next tick.
    ToolBar->SetPrevActiveControl(Edit);
    SetForegroundWindow(Form->Handle());
    EXPECT_TRUE(PumpUntil([&] { return !Window->Visible(); }));

    // Kept shown when it is not to hide: the control that had the focus gets it back.
    Window->SetHideOnDeActivate(false);
    Window->Show();
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == Window->Handle(); }));
    SetForegroundWindow(Form->Handle());
    EXPECT_TRUE(PumpUntil([&] { return FocusedControl() == Edit; }));
    EXPECT_TRUE(Window->Visible());
    EXPECT_EQ(ToolBar->PrevActiveControl(), nullptr) << "the toolbar forgets it";
    Window->Hide();
}

TEST_F(ToolBarPopupsTest, CheckListShowsAndHidesControls)
{
    Buttons[1]->SetVisible(false);
    int changes = 0;
    TControl* changed = nullptr;
    ToolBar->SetOnControlVisibleChange([&](TObject* sender, TControl* control) {
        EXPECT_EQ(sender, ToolBar);
        changed = control;
        ++changes;
    });
    // The rows take the colours and glyphs of the toolbar styler's menu styler.
    TCustomRurMenuStyler* menuStyler = ToolBar->CurrentToolBarStyler()->CurrentRurMenuStyler();
    constexpr TColor iconBar = 0xE0F0D0, mark = 0x60A0F0, markBorder = 0x204060, hotRow = 0xD0C0F0,
                     hotMark = 0x3080C0, hotBorder = 0x402010;
    menuStyler->IconBar()->SetColor(iconBar);
    menuStyler->IconBar()->SetColorTo(clNone);
    menuStyler->IconBar()->SetCheckColor(mark);
    menuStyler->IconBar()->SetCheckColorTo(clNone);
    menuStyler->IconBar()->SetCheckBorder(markBorder);
    menuStyler->SelectedItem()->SetColor(hotRow);
    menuStyler->SelectedItem()->SetColorTo(clNone);
    menuStyler->SelectedItem()->SetCheckColor(hotMark);
    menuStyler->SelectedItem()->SetCheckColorTo(clNone);
    menuStyler->SelectedItem()->SetBorderColor(hotBorder);
    ShowDropDown({});
    // Hovering the entry opens the check list without a click.
    const TRect entry = Panel->AddAndRemoveBtn()->BRect();
    MouseAt(Panel, WM_MOUSEMOVE, TPoint{entry.Left + 10, entry.Top + 5});
    ASSERT_TRUE(PumpUntil([&] { return Panel->AddAndRemovePopup() && Panel->AddAndRemovePopup()->Visible(); }));
    EXPECT_TRUE(Panel->AddAndRemoveBtnDown());
    TATBPopupPanel* first = Panel->AddAndRemovePopup()->PopupPanel();
    TATBMenuItem* bar = first->Items()->Items(0);
    EXPECT_EQ(bar->Caption(), u"Standard");
    ASSERT_EQ(bar->Count(), 3) << "one row per control, separators left out";
    EXPECT_TRUE(bar->Items(0)->Checked());
    EXPECT_FALSE(bar->Items(1)->Checked()) << "a hidden control is unchecked";
    EXPECT_EQ(bar->Items(2)->Caption(), u"Item 2");
    EXPECT_GE(first->Width(), 70 + 2 * 2);

    // Hovering the toolbar's row opens its sub-window beside it.
    const TRect row = bar->BoundRect();
    MouseAt(first, WM_MOUSEMOVE, TPoint{row.Left + 5, row.Top + 5});
    ASSERT_TRUE(PumpUntil([&] { return first->ItemPopup() && first->ItemPopup()->Visible(); }));
    EXPECT_EQ(first->PopupItem(), 0);
    TATBPopupPanel* second = first->ItemPopup()->PopupPanel();
    EXPECT_EQ(second->RurMenuStyler(), menuStyler);
    EXPECT_EQ(PixelOf(Snapshot(first).get(), row.Left + 2, row.Top + 2), hotRow) << "the open row is hot";
    {
        auto image = Snapshot(second);
        const TRect checked = bar->Items(0)->BoundRect(), unchecked = bar->Items(1)->BoundRect();
        EXPECT_EQ(PixelOf(image.get(), unchecked.Left + 2, unchecked.Top + 2), iconBar) << "the icon column";
        EXPECT_EQ(PixelOf(image.get(), checked.Left + 2, checked.Top + 2), mark) << "the check box";
        EXPECT_EQ(PixelOf(image.get(), checked.Left + 1, checked.Top + 5), markBorder);
        EXPECT_NE(PixelOf(image.get(), checked.Right - 3, checked.Top + 3), hotRow) << "no row is hot yet";
    }
    AddToContactSheet(u"Check list", Snapshot(second).get());

    // A click on a check row hides the control and clears the check; again shows it. The menu
    // stays open.
    const TRect check = bar->Items(0)->BoundRect();
    const TPoint at{check.Left + 10, check.Top + 5};
    MouseAt(second, WM_MOUSEMOVE, at);
    {
        auto image = Snapshot(second);
        EXPECT_EQ(PixelOf(image.get(), check.Right - 3, check.Top + 3), hotRow) << "the hot row";
        EXPECT_EQ(PixelOf(image.get(), check.Left + 2, check.Top + 2), hotMark) << "the hot row's check box";
        EXPECT_EQ(PixelOf(image.get(), check.Left + 1, check.Top + 5), hotBorder);
        AddToContactSheet(u"Check list, hot row", image.get());
    }
    MouseAt(second, WM_LBUTTONDOWN, at, MK_LBUTTON);
    MouseAt(second, WM_LBUTTONUP, at);
    EXPECT_FALSE(Buttons[0]->Visible());
    EXPECT_FALSE(bar->Items(0)->Checked());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(changed, Buttons[0]);
    MouseAt(second, WM_LBUTTONDOWN, at, MK_LBUTTON);
    MouseAt(second, WM_LBUTTONUP, at);
    EXPECT_TRUE(Buttons[0]->Visible());
    EXPECT_TRUE(bar->Items(0)->Checked());
    EXPECT_TRUE(first->ItemPopup()->Visible());

    // A row without the check flag ignores clicks.
    first->ToggleCheck(0);
    EXPECT_EQ(changes, 2) << "the toolbar's row stands for no control";
}

void CALLBACK EndMenuLater(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    EndMenu();
}

TEST_F(ToolBarPopupsTest, OptionsEntryOpensTheOptionMenu)
{
    // The options entry is there only with an option menu; it sits above the other entry.
    TPopupMenu menu(Form.get());
    auto* item = new TMenuItem(&menu);
    item->SetCaption(u"Reset toolbar");
    menu.Items()->Add(item);
    Panel->SetOptionsMenu(&menu);
    ShowDropDown({});
    const TRect options = Panel->OptionsBtn()->BRect(), entry = Panel->AddAndRemoveBtn()->BRect();
    EXPECT_EQ(options.Bottom, entry.Top);
    EXPECT_EQ(options.Height(), entry.Height());

    // Hovering it drops the menu beside the entry; the drop-down hides once the menu closed away
    // from the first entry.
    bool shown = false;
    menu.SetOnPopup([&](TObject*) {
        shown = Panel->OptionsBtnDown();
        SetTimer(nullptr, 0, 50, EndMenuLater);
    });
    MouseAt(Panel, WM_MOUSEMOVE, TPoint{options.Left + 10, options.Top + 5});
    EXPECT_TRUE(shown);
    EXPECT_FALSE(Panel->OptionsBtnDown());
    EXPECT_TRUE(PumpUntil([&] { return !Window->Visible(); }));
    AddToContactSheet(u"Option drop-down with options", Snapshot(Panel).get());
}

TEST_F(ToolBarPopupsTest, PopupPanelArrangement)
{
    TATBPopupWindow window(Form.get());
    TATBMenuItem* root = window.CreateItems();
    root->Add()->SetCaption(u"a");
    root->Add()->SetCaption(u"b");
    TATBPopupPanel* panel = window.PopupPanel();
    panel->ArrangeItems();
    // Short captions still give a menu 70 wide plus margins; rows stack with a margin between.
    EXPECT_EQ(panel->Width(), 70 + 2 * 2);
    EXPECT_EQ(root->Items(0)->BoundRect(), Rect(2, 2, 72, 2 + panel->ItemHeight()));
    EXPECT_EQ(root->Items(1)->BoundRect().Top, 2 + panel->ItemHeight() + 2);
    EXPECT_EQ(panel->Height(), 2 + 2 * (panel->ItemHeight() + 2));
    EXPECT_EQ(panel->IndexOfItemAt(10, 5), 0);
    EXPECT_EQ(panel->IndexOfItemAt(10, 1), -1) << "the margin belongs to no row";
}

} // namespace
