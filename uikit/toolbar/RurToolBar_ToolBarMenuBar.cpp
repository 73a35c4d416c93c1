// A toolbar whose Menu holds a main menu is the form's menu bar: one menu-bar button per top-level
// item, their sub-menus dropped as pop-up menus, the keyboard menu loop entered by Alt or F10,
// accelerators, merged menus and the MDI Window list.
#include <algorithm>
#include <vector>

#include "ActnList.h"
#include "Forms.h"
#include "MenuBarKey.h"
#include "SysUtils.h"
#include "RurMenus_Components.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_MenuButton.h"
#include "RurToolBar_MenuHooks.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "Timers.h"

namespace {

bool IsMenuBarButton(const TControl* control) { return dynamic_cast<const TRurToolBarMenuButton*>(control); }

} // namespace

TCustomForm* TRurCustomToolBar::GetToolBarForm() const
{
    // Docked: the dock panel's form; once the dock panel exists its last one counts too.
    for (TWinControl* c = Parent(); c; c = c->Parent())
        if (auto* form = dynamic_cast<TCustomForm*>(c))
            return form;
    return nullptr;
}

TPopupMenu* TRurCustomToolBar::CreateDropDownMenu() { return new TRurPopupMenu(this); }

void TRurCustomToolBar::StyleDropDownMenu(TPopupMenu* menu) const { ::StyleDropDownMenu(menu, FCurrentToolBarStyler); }

// ---- The Menu property -------------------------------------------------------------------------

void TRurCustomToolBar::SetMenu(TMainMenu* value)
{
    if (value == FMenu)
        return;
    if (ControlStyle().Contains(csAcceptsControls)) {
        SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
        if (HandleAllocated())
            RecreateWnd();
    }
    if (FMenu) {
        for (int i = FATBControls.Count() - 1; i >= 0; --i) {
            auto* button = dynamic_cast<TRurToolBarMenuButton*>(FATBControls.Item<TControl>(i));
            if (button && button->ToolBarCreated())
                delete button;
        }
        FMenu->RemoveFreeNotification(this);
    }
    FMenu = value;
    if (!value) {
        UnregisterMenuBarControl(this);
        return;
    }
    // Alt and F10 on the form reach the menu bar.
    RegisterMenuBarControl(this);
    value->FreeNotification(this);
    if (!ComponentState().Contains(csLoading) || value->Images())
        FImages = value->Images();
    if (FImages)
        FImages->FreeNotification(this);
    TMenuItem* items = value->Items();
    for (int i = 0; i < items->Count(); ++i) {
        auto* button = new TRurToolBarMenuButton(this);
        try {
            button->SetToolBarCreated(true);
            button->SetShowCaption(true);
            button->SetMenuItem(items->Items(i));
            button->SetAutoSize(true);
            AddToolBarControl(button);
        } catch (...) {
            delete button;
            throw;
        }
    }
    RelinkMenuButtons();
}

void TRurCustomToolBar::RelinkMenuButtons()
{
    TMenuItem* items = FMenu ? FMenu->Items() : nullptr;
    int next = 0;
    for (int i = 0; items && i < FATBControls.Count() && next < items->Count(); ++i) {
        auto* button = dynamic_cast<TRurToolBarMenuButton*>(FATBControls.Item<TControl>(i));
        if (button && button->ToolBarCreated())
            button->SetMenuItem(items->Items(next++));
    }
}

void TRurCustomToolBar::UpdateMenu()
{
    if (!FMenu)
        return;
    BeginUpdate();
    try {
        TMenuItem* items = FMenu->Items();
        bool rebuild = false;
        int created = 0;
        for (int i = 0; i < FATBControls.Count(); ++i) {
            auto* button = dynamic_cast<TRurToolBarMenuButton*>(FATBControls.Item<TControl>(i));
            if (button && (button->ToolBarCreated() || button->InternalTag() == 1))
                ++created;
        }
        rebuild = created != items->Count();
        for (int i = 0; i < items->Count() && !rebuild; ++i) {
            TRurToolBarMenuButton* found = nullptr;
            for (int j = 0; j < FATBControls.Count() && !found; ++j) {
                auto* button = dynamic_cast<TRurToolBarMenuButton*>(FATBControls.Item<TControl>(j));
                if (button && button->MenuItem() == items->Items(i))
                    found = button;
            }
            if (found)
                found->SetMenuItem(items->Items(i));
            else
                rebuild = true;
        }
        if (rebuild) {
            TMainMenu* menu = FMenu;
            SetMenu(nullptr);
            SetMenu(menu);
        }
        for (int i = 0; i < FATBControls.Count(); ++i)
            if (auto* button = dynamic_cast<TRurToolBarMenuButton*>(FATBControls.Item<TControl>(i)))
                button->AdjustSize();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

// ---- Merged menus ------------------------------------------------------------------------------

void TRurCustomToolBar::MergeMenu(TMainMenu* menu)
{
    if (menu && FMenu) {
        if (menu == FMergedMenu || menu == FMenu)
            return;
        RemoveMergedMenuButtons();
        FMergedMenu = menu;
        menu->FreeNotification(this);
        AddMergedMenuButtons();
        return;
    }
    RemoveMergedMenuButtons();
    FMergedMenu = nullptr;
}

void TRurCustomToolBar::UnmergeMenu(TMainMenu* menu)
{
    if (menu && menu == FMergedMenu)
        MergeMenu(nullptr);
}

void TRurCustomToolBar::AddMergedMenuButtons()
{
    TMenuItem* items = FMergedMenu->Items();
    std::vector<TRurToolBarMenuButton*> taken;
    for (int m = 0; m < items->Count(); ++m) {
        TMenuItem* item = items->Items(m);
        TRurToolBarMenuButton* target = nullptr;
        for (int i = 0; i < FATBControls.Count() && !target && item->GroupIndex() != 0; ++i) {
            auto* button = dynamic_cast<TRurToolBarMenuButton*>(FATBControls.Item<TControl>(i));
            if (button && button->ToolBarCreated() && button->MenuItem() &&
                button->MenuItem()->GroupIndex() == item->GroupIndex() &&
                std::find(taken.begin(), taken.end(), button) == taken.end())
                target = button;
        }
        if (target) {
            target->SetMenuItem(item);
            target->SetInternalTag(1);
            taken.push_back(target);
            continue;
        }
        auto* button = new TRurToolBarMenuButton(this);
        try {
            button->SetShowCaption(true);
            button->SetMenuItem(item);
            button->SetInternalTag(1);
            button->SetAutoSize(true);
            AddToolBarControl(button);
        } catch (...) {
            delete button;
            throw;
        }
    }
    // Ordered by group index: a selection sort over the menu's buttons, up to one of group 0.
    for (int i = 0; i < FATBControls.Count(); ++i) {
        if (!IsMenuBarButton(FATBControls.Item<TControl>(i)))
            continue;
        TRurToolBarMenuButton* smallest = nullptr;
        int smallestIndex = -1;
        for (int j = i; j < FATBControls.Count(); ++j) {
            auto* button = dynamic_cast<TRurToolBarMenuButton*>(FATBControls.Item<TControl>(j));
            if (!button || !(button->ToolBarCreated() || button->InternalTag() == 1) || !button->MenuItem())
                continue;
            if (button->MenuItem()->GroupIndex() == 0)
                break;
            if (!smallest || button->MenuItem()->GroupIndex() < smallest->MenuItem()->GroupIndex()) {
                smallest = button;
                smallestIndex = j;
            }
        }
        if (smallest && smallest->MenuItem()->GroupIndex() > 0 && smallestIndex != i)
            MoveToolBarControl(smallestIndex, i);
    }
    ArrangeControls(true);
}

void TRurCustomToolBar::RemoveMergedMenuButtons()
{
    for (int i = FATBControls.Count() - 1; i >= 0; --i) {
        auto* button = dynamic_cast<TRurToolBarMenuButton*>(FATBControls.Item<TControl>(i));
        if (button && button->InternalTag() == 1) {
            if (button->ToolBarCreated())
                button->SetInternalTag(0);
            else
                delete button;
        }
    }
    UpdateMenu();
}

// ---- Dropping a button's menu ------------------------------------------------------------------

bool TRurCustomToolBar::DropDownButtonMenu(TRurCustomToolBarButton* button)
{
    if (!button)
        return false;
    FCaptureChangeCancels = false;
    struct TPostEnd {
        TRurCustomToolBar* ToolBar;
        ~TPostEnd()
        {
            if (ToolBar->HandleAllocated())
                PostMessageW(ToolBar->Handle(), MenuClosedMessage, 0, 0);
        }
    } postEnd{this};
    TPopupMenu* menu = button->DropDownMenu();
    TMenuItem* item = button->MenuItem();
    if (!menu && !item)
        return false;
    if (!menu) {
        if (!(button->InternalClick() && item->Count() == 0))
            item->Click();
        RestoreButtonMenu();
        FTempMenu = CreateDropDownMenu();
        if (TMenu* parent = item->GetParentMenu()) {
            FTempMenu->SetBiDiMode(parent->BiDiMode());
            FTempMenu->SetImages(parent->Images());
            auto* temp = dynamic_cast<TRurPopupMenu*>(FTempMenu);
            if (auto* main = dynamic_cast<TRurMainMenu*>(parent); main && temp) {
                temp->SetShowNotes(main->ShowNotes());
                temp->SetDisabledImages(main->DisabledImages());
            }
        }
        FButtonMenu = item;
        AddWindowMenuItems(item);
        while (item->Count() > 0) {
            TMenuItem* sub = item->Items(0);
            item->Remove(sub);
            FTempMenu->Items()->Add(sub);
        }
        menu = FTempMenu;
    }
    int visible = 0;
    for (int i = 0; i < menu->Items()->Count(); ++i)
        if (menu->Items()->Items(i)->Visible())
            ++visible;
    StyleDropDownMenu(menu);
    // The press that dropped the menu gets no release: no control may keep the mouse, or the next
    // press on the toolbar would go to it wherever it lands.
    SetCaptureControl(nullptr);
    ReleaseCapture();
    menu->SetPopupComponent(this);
    const bool menuBarMode = menu->Items()->Count() > 0 && FMenu;
    if (menuBarMode) {
        // Left, Right, Escape and the pointer steer from menu to menu while this one is open.
        SetMenuHookToolBar(this, FATBControls.IndexOf(button));
        InstallMenuMsgFilterHook();
    }
    SetHotMenuButton(-1);
    FMenuDropped = true;
    try {
        const TPoint p = DropDownPoint(button, menu);
        if ((menuBarMode || (menu->Items()->Count() > 0 && !FMenu)) && visible > 0) {
            button->SetMenuDisplayed(true);
            menu->Popup(p.X, p.Y);
            FLastMenuButton = button;
        }
    } catch (...) {
        if (menuBarMode)
            RemoveMenuMsgFilterHook();
        throw;
    }
    if (menuBarMode)
        RemoveMenuMsgFilterHook();
    // Only now: a menu dropped from inside this one's loop must not give back this one's items.
    FMenuButton = button;
    button->ReleaseMenuPress();
    // The hooks ended this menu to switch to another: the keyboard mode goes on from this button.
    if (FMenuFocused && MenuHookIgnoring())
        button->SetHot(true);
    MarkControlUsed(button);
    return true;
}

TPoint TRurCustomToolBar::DropDownPoint(TRurCustomToolBarButton* button, TPopupMenu* menu) const
{
    // The widest item's caption and short cut, and the items' heights, as the system's menu draws them.
    // Measured off screen: the toolbar's own canvas draws only while it paints.
    TBitmap measure(1, 1);
    TCanvas* canvas = measure.Canvas();
    canvas->Font()->Assign(Font());
    int width = 0, height = 0;
    for (int i = 0; i < menu->Items()->Count(); ++i) {
        TMenuItem* item = menu->Items()->Items(i);
        if (!item->Visible())
            continue;
        width = std::max(width, canvas->TextWidth(item->Caption()) + canvas->TextWidth(ShortCutToText(item->ShortCut())));
        height += item->IsLine() ? GetSystemMetrics(SM_CYMENU) / 2 : GetSystemMetrics(SM_CYMENU);
    }
    switch (FPosition) {
    case daLeft:
        return button->ClientToScreen(Point(button->ClientWidth(), 1));
    case daRight: {
        TPoint p = button->ClientToScreen(Point(0, 1));
        p.X -= width;
        return p;
    }
    default:
        break;
    }
    TPoint p = button->ClientToScreen(Point(0, button->Height()));
    if (menu->IsRightToLeft())
        p.X += button->Width();
    HMONITOR monitor = MonitorFromPoint(POINT{p.X, p.Y}, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    const bool known = monitor && GetMonitorInfoW(monitor, &info);
    const int bottom = known ? info.rcMonitor.bottom : GetSystemMetrics(SM_CYSCREEN);
    const int right = known ? info.rcMonitor.right : GetSystemMetrics(SM_CXSCREEN);
    if (FPosition == daBottom)
        height = GetSystemMetrics(SM_CYMENU) * menu->Items()->Count();
    if (p.Y + height + 10 > bottom)
        p.Y -= button->Height() + height + 4;
    if (p.X + width + 52 > right)
        p.X = right - width - 52;
    return p;
}

void TRurCustomToolBar::RestoreButtonMenu()
{
    if (!FButtonMenu || !FMenuButton || !FMenuButton->MenuItem() || !FTempMenu)
        return;
    TMenuItem* items = FTempMenu->Items();
    while (items->Count() > 0) {
        TMenuItem* sub = items->Items(items->Count() - 1);
        items->Remove(sub);
        FButtonMenu->Insert(0, sub);
    }
    delete FTempMenu;
    FTempMenu = nullptr;
    FMenuButton = nullptr;
    FButtonMenu = nullptr;
    TCustomForm* form = GetToolBarForm();
    for (TMenuItem* added : FMDIChildMenuItems)
        if (!form || !form->WindowMenu() || form->WindowMenu()->IndexOf(added) >= 0)
            delete added;
    FMDIChildMenuItems.clear();
}

void TRurCustomToolBar::MenuClosed()
{
    TRurCustomToolBarButton* last = FLastMenuButton;
    RestoreButtonMenu();
    if (last && Parent() && FMenu && !last->InternalClick()) {
        // The press that closed the menu on its own button must not open it again.
        TPoint cursor{};
        GetCursorPos(reinterpret_cast<POINT*>(&cursor));
        if (FindDragTarget(cursor, true) == last) {
            const TPoint p = last->ClientToScreen(Point(1, 1));
            const TPoint client = ScreenToClient(p);
            last->SetMenuBeingClosed(true);
            if (Parent()->HandleAllocated())
                PostMessageW(Parent()->Handle(), WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(client.X, client.Y));
        }
    }
    FMenuDropped = false;
    if (last)
        last->SetMenuDisplayed(false);
    if (FMenuButton)
        FMenuButton->Invalidate();
    FCaptureChangeCancels = true;
}

// ---- Keyboard menu loop ------------------------------------------------------------------------

TRurCustomToolBarButton* TRurCustomToolBar::EligibleMenuButton(TControl* control) const
{
    // A shown, enabled menu-bar button; on a docked toolbar not one hidden for lack of length.
    auto* button = dynamic_cast<TRurToolBarMenuButton*>(control);
    if (!button || !button->Visible() || !button->Enabled())
        return nullptr;
    if (FToolBarState == tsDocked && IsHiddenControl(button))
        return nullptr;
    return button;
}

bool TRurCustomToolBar::SetHotMenuButton(int n)
{
    if (n < 0) {
        if (FHotButton)
            FHotButton->SetHot(false);
        return false;
    }
    int count = 0;
    for (int i = 0; i < FATBControls.Count(); ++i) {
        auto* button = EligibleMenuButton(FATBControls.Item<TControl>(i));
        if (!button)
            continue;
        if (count++ == n) {
            button->SetHot(true);
            return true;
        }
    }
    return false;
}

TRurCustomToolBarButton* TRurCustomToolBar::FindAccelButton(Char key) const
{
    for (int i = 0; i < FATBControls.Count(); ++i) {
        auto* button = dynamic_cast<TRurCustomToolBarButton*>(FATBControls.Item<TControl>(i));
        if (button && button->Visible() && button->Enabled() && IsAccel(key, button->Caption()))
            return button;
    }
    return nullptr;
}

bool TRurCustomToolBar::EnterMenuLoop(TRurCustomToolBarButton* button)
{
    if (FInMenuLoop) {
        if (!button)
            return false;
        ClickMenuButton(button, false);
        return true;
    }
    // A new loop starts without a choice: an earlier loop's chosen command does not count.
    FMenuResult = false;
    InitMenuMode(button);
    try {
        if (FMenu) {
            FInMenuLoop = true;
            while (FInMenuLoop && !Application->Terminated())
                Application->HandleMessage();
        }
    } catch (...) {
        CancelMenuMode();
        throw;
    }
    CancelMenuMode();
    return FMenuResult;
}

void TRurCustomToolBar::InitMenuMode(TRurCustomToolBarButton* button)
{
    // The thread's keys come here, and the application's deactivation ends the loop.
    SetKeyboardMenuToolBar(this);
    SetCapture(Handle());
    FMenuFocused = true;
    InstallMenuGetMsgHook();
    if (button) {
        SetHotMenuButton(EligibleIndexOf(button));
        button->DoDropDown();
    } else {
        SetHotMenuButton(0);
        FCaptureChangeCancels = true;
    }
}

int TRurCustomToolBar::EligibleIndexOf(TRurCustomToolBarButton* target) const
{
    int count = 0;
    for (int i = 0; i < FATBControls.Count(); ++i) {
        auto* button = EligibleMenuButton(FATBControls.Item<TControl>(i));
        if (!button)
            continue;
        if (button == target)
            return count;
        ++count;
    }
    return -1;
}

void TRurCustomToolBar::CancelMenuMode()
{
    // Whether or not a loop ran (none does without a Menu), the keys no longer come here.
    if (KeyboardMenuToolBar() == this)
        RemoveMenuGetMsgHook();
    if (FInMenuLoop) {
        if (GetCapture() == Handle())
            ReleaseCapture();
        FMenuFocused = false;
    }
    FInMenuLoop = false;
    FCaptureChangeCancels = false;
    FMenuFocused = false;
    SetHotMenuButton(-1);
}

void TRurCustomToolBar::ClickMenuButton(TRurCustomToolBarButton* button, bool synthesize)
{
    FCaptureChangeCancels = false;
    TPoint s = button->ClientToScreen(Point(0, 0));
    TPoint p = ScreenToClient(s);
    FLastMenuButton = nullptr;
    button->SetInternalClick(true);
    if (synthesize) {
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        if (button->VisibleMenuItemCount() == 0)
            mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        return;
    }
    if (button->MenuItem() && button->MenuItem()->Count() > 0) {
        PostMessageW(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.X, p.Y));
        return;
    }
    // A click beside the button closes the open menu; the button becomes hot a moment later.
    IsVertical() ? --s.X : --s.Y;
    p = ScreenToClient(s);
    PostMessageW(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.X, p.Y));
    PostMessageW(Handle(), WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(p.X, p.Y));
    FNextMenuHotButton = button;
    button->SetInternalClick(false);
    FMenuItemTimer->SetEnabled(true);
}

void TRurCustomToolBar::MenuItemTimerTick(TObject*)
{
    if (FNextMenuHotButton) {
        // A tick inside the loop this tick started makes the button hot there.
        if (!FInMenuLoop)
            EnterMenuLoop(nullptr);
        if (FNextMenuHotButton) {
            SetHotMenuButton(EligibleIndexOf(FNextMenuHotButton));
            FNextMenuHotButton = nullptr;
        }
    }
    FMenuItemTimer->SetEnabled(false);
}

bool TRurCustomToolBar::MenuLoopKeyDown(Word key)
{
    // Answers whether the inherited key handling is skipped.
    if (!FInMenuLoop)
        return false;
    switch (key) {
    case VK_RETURN:
        if (FHotButton)
            FHotButton->DoDropDown();
        return false;
    case VK_DOWN:
        if (FHotButton)
            FHotButton->DoDropDown();
        return true;
    case VK_ESCAPE:
        CancelMenuMode();
        return false;
    case VK_LEFT:
    case VK_RIGHT: {
        const int count = FATBControls.Count();
        int n = FHotButton ? FATBControls.IndexOf(FHotButton) : -1;
        n += key == VK_LEFT ? -1 : 1;
        if (key == VK_LEFT && (n < 0 || n >= count))
            n = count - 1;
        if (key == VK_RIGHT && (n >= count || n < 0))
            n = 0;
        SetHotMenuButton(n);
        return false;
    }
    default:
        return false;
    }
}

bool TRurCustomToolBar::MenuSysCommand(TMessage& message)
{
    if (FInMenuLoop || !Enabled() || !Showing() || !FMenu || (message.WParam & 0xFFF0) != SC_KEYMENU)
        return false;
    const Char key = static_cast<Char>(message.LParam);
    if (key == u' ' || key == u'-' || GetCapture())
        return false;
    if (key == 0) {
        message.Result = 1;
        EnterMenuLoop(nullptr);
        return true;
    }
    if (TRurCustomToolBarButton* button = FindAccelButton(key)) {
        message.Result = 1;
        EnterMenuLoop(button);
        return true;
    }
    return false;
}

bool TRurCustomToolBar::MenuDialogChar(TMessage& message)
{
    if (!Enabled() || !Showing())
        return false;
    Char key = static_cast<Char>(message.WParam);
    const bool raised = IsOfClassNamed(Owner(), u"TRurPage") || IsOfClassNamed(Owner(), u"TRurToolBarPager");
    if (raised)
        key = static_cast<Char>(key + 0x40);
    if (FMenu) {
        TMessage shortCut{WM_KEYDOWN, key, message.LParam, 0};
        if (FMenu->IsShortCut(shortCut)) {
            message.Result = 1;
            return true;
        }
    }
    if (GetKeyState(VK_MENU) < 0) {
        if (TRurCustomToolBarButton* button = FindAccelButton(key)) {
            if (button->IsMenuButton() && (button->DropDownMenu() || button->MenuItem()))
                button->DoDropDown();
            else
                button->Click();
            message.Result = 1;
            return true;
        }
    }
    return false;
}

bool TRurCustomToolBar::IsShortCut(const TMessage& message, bool considerButtons)
{
    if (!FMenu)
        return false;
    if (FMenu->IsShortCut(message))
        return true;
    if (!considerButtons)
        return false;
    const TShortCut shortCut = ::ShortCut(static_cast<Word>(message.WParam), KeyboardShiftState());
    return RunShortCutOfControls(this, shortCut);
}

bool TRurCustomToolBar::RunShortCutOfControls(TWinControl* container, TShortCut shortCut)
{
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* control = container->Controls(i);
        auto* action = dynamic_cast<TCustomAction*>(control->Action());
        if (dynamic_cast<TRurCustomToolBarButton*>(control) && action && action->ShortCut() == shortCut) {
            if (action->OnExecute())
                action->OnExecute()(action);
            else
                control->Click();
            return true;
        }
        if (auto* child = dynamic_cast<TWinControl*>(control))
            if (RunShortCutOfControls(child, shortCut))
                return true;
    }
    return false;
}

// ---- MDI Window list ---------------------------------------------------------------------------

void TRurCustomToolBar::AddMDIChildMenu(TCustomForm* childForm, const String& caption)
{
    TCustomForm* form = GetToolBarForm();
    if (!form || !form->WindowMenu() || !FMenu || !childForm)
        return;
    FMDIChildMenu.push_back({caption.empty() ? childForm->Caption() : caption, childForm});
    childForm->FreeNotification(this);
}

void TRurCustomToolBar::RemoveMDIChildMenu(TCustomForm* childForm, const String& caption)
{
    if (!childForm)
        return;
    const String text = caption.empty() ? childForm->Caption() : caption;
    for (auto it = FMDIChildMenu.begin(); it != FMDIChildMenu.end(); ++it) {
        if (it->Form == childForm && SameText(it->Caption, text)) {
            FMDIChildMenu.erase(it);
            return;
        }
    }
}

void TRurCustomToolBar::AddWindowMenuItems(TMenuItem* dropped)
{
    TCustomForm* form = GetToolBarForm();
    TMenuItem* windowMenu = form ? form->WindowMenu() : nullptr;
    if (!windowMenu)
        return;
    bool contains = false;
    for (TMenuItem* m = windowMenu; m && !contains; m = m->Parent())
        contains = m == dropped;
    if (!contains)
        return;
    TCustomForm* active = form->ActiveMDIChild();
    for (size_t i = 0; i < FMDIChildMenu.size(); ++i) {
        auto* item = new TMenuItem(this);
        item->SetCaption(FMDIChildMenu[i].Caption);
        item->SetTag(static_cast<NativeInt>(i));
        item->SetRadioItem(true);
        item->SetChecked(FMDIChildMenu[i].Form == active);
        item->SetOnClick([this](TObject* sender) { MDIWindowItemClick(sender); });
        windowMenu->Add(item);
        FMDIChildMenuItems.push_back(item);
    }
}

void TRurCustomToolBar::MDIWindowItemClick(TObject* sender)
{
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!item || item->Tag() < 0 || item->Tag() >= static_cast<NativeInt>(FMDIChildMenu.size()))
        return;
    if (GetToolBarForm())
        FMDIChildMenu[static_cast<size_t>(item->Tag())].Form->BringToFront();
}
