// The ribbon from the keyboard: Ctrl+F1 collapses or expands it; a tap on Alt or F10 (or Alt held
// for 700 ms) shows a key tip under every tab; typing a tip selects its page; the arrows move
// between tabs, Escape steps back.
#include "RurRibbonPager.h"

#include "Forms.h"
#include "Messages.h"
#include "RurQuickAccessToolBar.h"
#include "RurToolBar_Messages.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"

namespace {
HHOOK KeyHook = nullptr;
TRurToolBarPager* HookedPager = nullptr;
int LastHookKey = -1;
constexpr Cardinal AltKeyTipDelay = 700;

bool IsKeyHeld(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// The framework offers the form no dialog key for Alt and F10, so the thread's key hook hands
// them to the pager; the key-up of an Alt the pager took is swallowed, or the window would enter
// its system menu mode and eat the key tips' letters.
LRESULT CALLBACK PagerKeyHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && HookedPager && wParam == PM_REMOVE) {
        MSG* msg = reinterpret_cast<MSG*>(lParam);
        const int key = static_cast<int>(msg->wParam);
        switch (msg->message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (key != LastHookKey) {
                LastHookKey = key;
                if (HookedPager->HookKeyDown(static_cast<Word>(key)))
                    msg->message = WM_NULL;
            }
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            LastHookKey = -1;
            if (HookedPager->HookKeyUp(static_cast<Word>(key)))
                msg->message = WM_NULL;
            break;
        default:
            break;
        }
    }
    return CallNextHookEx(KeyHook, code, wParam, lParam);
}
} // namespace

void TRurToolBarPager::InstallKeyHook()
{
    if (KeyHook)
        return;
    HookedPager = this;
    KeyHook = SetWindowsHookExW(WH_GETMESSAGE, PagerKeyHookProc, nullptr, GetCurrentThreadId());
}

void TRurToolBarPager::RemoveKeyHook()
{
    if (HookedPager != this)
        return;
    if (KeyHook)
        UnhookWindowsHookEx(KeyHook);
    KeyHook = nullptr;
    HookedPager = nullptr;
    LastHookKey = -1;
}

bool TRurToolBarPager::HookKeyDown(Word key)
{
    if (key == VK_F1 && IsKeyHeld(VK_CONTROL) && !IsKeyHeld(VK_SHIFT) && !IsKeyHeld(VK_MENU)) {
        SetExpandedState(!FExpanded);
        return false;
    }
    if (key == VK_MENU || key == VK_F10)
        return AltKeyDown(key);
    return false;
}

bool TRurToolBarPager::HookKeyUp(Word key)
{
    FALTDown = IsKeyHeld(VK_MENU) && key != VK_MENU;
    // An Alt the pager took (pending or showing its tips) ends here, not in the system menu.
    return (key == VK_MENU || key == VK_F10) && (FOnlyALT || FTabShortCutHintShowing);
}

bool TRurToolBarPager::AltKeyDown(Word key)
{
    TCustomForm* form = GetParentForm();
    if (!TabStop() || FIgnoreALT || !ActivePage() || !form || form->Handle() != GetActiveWindow() ||
        (key != VK_MENU && key != VK_F10)) {
        FOnlyALT = false;
        return false;
    }
    if (!FTabShortCutHintShowing && CanFocus()) {
        FFocusCtrlH = GetFocus();
        FALTDown = true;
        FOnlyALT = true;
        FShortCutDelay = 0;
        FShortCutTimer->SetEnabled(true);
        return true;
    }
    if (FTabShortCutHintShowing && !FALTDown) {
        HideTabShortCutHints(false);
        return true;
    }
    return false;
}

void TRurToolBarPager::ShortCutTimerTick(TObject*)
{
    if (!FOnlyALT) {
        FShortCutTimer->SetEnabled(false);
        FShortCutDelay = 0;
        return;
    }
    if (!IsKeyHeld(VK_MENU) && !IsKeyHeld(VK_F10)) {
        FShortCutDelay = 0;
        FShortCutTimer->SetEnabled(false);
        FOnlyALT = false;
        FALTDown = false;
    } else {
        FShortCutDelay += FShortCutTimer->Interval();
        if (FShortCutDelay < AltKeyTipDelay || !IsKeyHeld(VK_MENU))
            return;
        FShortCutDelay = 0;
        FShortCutTimer->SetEnabled(false);
        FOnlyALT = false;
    }
    TCustomForm* form = GetParentForm();
    if (form && form->HandleAllocated() && form->Handle() == GetActiveWindow()) {
        if (!Focused())
            SetFocus();
        ShowTabShortCutHints();
    }
}

void TRurToolBarPager::ShowTabShortCutHints()
{
    if (!FTabShortCutHintShowing && HandleAllocated())
        SetCapture(Handle());
    FShowingShortCutHints = true;
    for (int i = 0; i < FRurPages.Count(); ++i)
        RurPages(i)->ShowShortCutHint();
    if (FQuickAccessToolBar)
        FQuickAccessToolBar->ShowShortCutHints();
    FShowingShortCutHints = false;
    FTabShortCutHintShowing = true;
    FTabShortCutChars.clear();
    if (TControl* shape = GetShapeButton())
        shape->Perform(0xB030, 1, 1);
}

void TRurToolBarPager::HideTabShortCutHints(bool full)
{
    if (HandleAllocated() && GetCapture() == Handle())
        ReleaseCapture();
    for (int i = 0; i < FRurPages.Count(); ++i)
        RurPages(i)->HideShortCutHint();
    if (FQuickAccessToolBar)
        FQuickAccessToolBar->HideShortCutHints();
    if (TControl* shape = GetShapeButton(); shape && FTabShortCutHintShowing)
        shape->Perform(0xB030, 1, 0);
    (void)full;
    FTabShortCutHintShowing = false;
}

TShortCutHintWindow* TRurToolBarPager::CreateShortCutHintWindow()
{
    auto* window = new TShortCutHintWindow(this);
    window->SetParent(this);
    window->SetColor(TColor(0xFFFFFF));
    window->SetColorTo(FCurrentToolBarStyler->ButtonAppearance()->Color());
    FShortCutHintWinList.Add(window);
    return window;
}

void TRurToolBarPager::FreeShortCutHintWindow(TShortCutHintWindow* window)
{
    const int index = FShortCutHintWinList.IndexOf(window);
    if (index < 0)
        return;
    FShortCutHintWinList.SetItemsEx(index, nullptr);
    delete window;
}

void TRurToolBarPager::TypeShortCutKey(Word key)
{
    FTabShortCutChars += key >= 0x60 && key <= 0x69 ? Char(u'0' + (key - 0x60)) : Char(key);
    const String typed = UpperCase(FTabShortCutChars);
    bool matched = false, pageChosen = false;
    int visibleTips = 0;
    for (int i = 0; i < FRurPages.Count(); ++i) {
        TRurPage* page = RurPages(i);
        const String tip = UpperCase(page->ShortCutHint());
        if (!tip.empty() && tip == typed) {
            HideTabShortCutHints(false);
            if (page->TabEnabled() && page->TabVisible())
                SetActivePageIndex(i);
            NotifyChildren([](IPagerChildNotify& child) { child.PagerKeyTipMatched(); });
            matched = pageChosen = true;
            visibleTips = 1;
            break;
        }
        if (!tip.empty() && tip.substr(0, typed.size()) == typed)
            matched = true;
        else
            page->HideShortCutHint();
        if (page->ShortCutHintShown())
            ++visibleTips;
    }
    // No tab took the text: the quick-access toolbar's tips may.
    if (!pageChosen && FQuickAccessToolBar) {
        int partial = 0;
        if (FQuickAccessToolBar->SelectShortCut(typed, partial)) {
            HideTabShortCutHints(false);
            return;
        }
        visibleTips += partial;
        matched = matched || partial > 0;
    }
    if (visibleTips == 0)
        HideTabShortCutHints(false);
    if (!matched)
        MessageBeep(0);
}

void TRurToolBarPager::KeyDown(Word& key, TShiftState shift)
{
    const bool winKey = (GetKeyState(VK_LWIN) & 0x8000) != 0;
    switch (key) {
    case VK_ESCAPE:
        HideTabShortCutHints(false);
        if (Parent())
            if (TWinControl* previous = Parent()->FindNextControl(this, false, false, true); previous && previous->CanFocus())
                previous->SetFocus();
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (!winKey) {
            HideTabShortCutHints(false);
            SelectNextPage(key == VK_RIGHT);
        }
        break;
    case VK_DOWN:
        if (!winKey && ActivePage() && ActivePage()->RurToolBarCount() > 0) {
            if (TRurToolBar* toolBar = ActivePage()->FirstToolBar(true); toolBar && toolBar->CanFocus()) {
                toolBar->SetFocus();
                HideTabShortCutHints(false);
            }
        }
        break;
    default:
        if (FTabShortCutHintShowing)
            TypeShortCutKey(key);
    }
    TCustomControl::KeyDown(key, shift);
}

// ---- The tab's key tip ------------------------------------------------------------------------

void TRurPage::ShowShortCutHint()
{
    if (!FRurToolBarPager || !FTabEnabled || !FTabVisible)
        return;
    if (!FShortCutHint)
        FShortCutHint = FRurToolBarPager->CreateShortCutHintWindow();
    FShortCutHint->SetCaption(FShortCutHintText);
    FShortCutHint->SetColor(TColor(0xFFFFFF));
    FShortCutHint->SetColorTo(FRurToolBarPager->CurrentToolBarStyler()->GlowButtonAppearance()->Color());
    const TRect size = FShortCutHint->CalcHintRect(Screen ? Screen->Width() : 800, FShortCutHintText);
    const int w = size.Width(), h = size.Height();
    const TRect tab = FRurToolBarPager->GetTabRect(this);
    if (tab.Left < 0)
        return;
    const TPoint s = FRurToolBarPager->ClientToScreen(tab.TopLeft());
    TPoint at{FShortCutHint->Left(), FShortCutHint->Top()};
    switch (FShortCutHintPos) {
    case shpLeft: at = {s.X - w / 2, (tab.Height() - h) / 2 + s.Y}; break;
    case shpTop: at = {(tab.Width() - w) / 2 + s.X, s.Y - h / 2}; break;
    case shpRight: at = {tab.Width() + s.X - w / 2, (tab.Height() - h) / 2 + s.Y}; break;
    case shpBottom: at = {(tab.Width() - w) / 2 + s.X, tab.Height() + s.Y - h / 2}; break;
    default: break;
    }
    // Shown without activation: the pager keeps the focus the typed keys go to.
    FShortCutHint->ActivateHint(Bounds(at.X, at.Y, w, h), FShortCutHintText);
}

void TRurPage::HideShortCutHint()
{
    if (!FShortCutHint || !FRurToolBarPager)
        return;
    FRurToolBarPager->FreeShortCutHintWindow(FShortCutHint);
    FShortCutHint = nullptr;
}
