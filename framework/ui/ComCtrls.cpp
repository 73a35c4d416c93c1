// The progress bar over the common-controls class.
#include "ComCtrls.h"

#include <commctrl.h>

TAVIN_PUBLISHED(TProgressBar)
{
    TAVIN_PROPERTY(int, Min).Default(0);
    TAVIN_PROPERTY(int, Max).Default(100);
    TAVIN_PROPERTY(int, Position).Default(0);
    TAVIN_PROPERTY(TProgressBarStyle, Style).Default(pbstNormal);
    TAVIN_PROPERTY(bool, Smooth).Default(false);
    TAVIN_PROPERTY(TProgressBarOrientation, Orientation).Default(pbHorizontal);
    TAVIN_PROPERTY(int, MarqueeInterval).Default(10);
    TAVIN_PROPERTY(TProgressBarState, State).Default(pbsNormal);
}

namespace {

constexpr WPARAM ProgressStates[] = {PBST_NORMAL, PBST_ERROR, PBST_PAUSED};

} // namespace

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 150, 17);
}

void TProgressBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClassName = String(u"" PROGRESS_CLASSA);
    if (FSmooth)
        params.Style |= PBS_SMOOTH;
    if (FOrientation == pbVertical)
        params.Style |= PBS_VERTICAL;
    if (FStyle == pbstMarquee)
        params.Style |= PBS_MARQUEE;
    params.ExStyle &= ~static_cast<DWORD>(WS_EX_RIGHT);
}

void TProgressBar::CreateHandleState()
{
    SendMessageW(FHandle, PBM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
    SendMessageW(FHandle, PBM_SETPOS, static_cast<WPARAM>(FPosition), 0);
    if (FStyle == pbstMarquee)
        SendMessageW(FHandle, PBM_SETMARQUEE, TRUE, FMarqueeInterval);
    if (FState != pbsNormal)
        SendMessageW(FHandle, PBM_SETSTATE, ProgressStates[FState], 0);
}

void TProgressBar::SetState(TProgressBarState value)
{
    FState = value;
    if (FHandle)
        SendMessageW(FHandle, PBM_SETSTATE, ProgressStates[value], 0);
}

// A marquee that cannot be seen (its window or a parent hidden, as on a waiting panel) does not
// step: each step of the system's control costs a repaint attempt, many times a second.
void TProgressBar::WndProc(TMessage& message)
{
    if (message.Msg == WM_TIMER && FStyle == pbstMarquee && !IsWindowVisible(FHandle))
        return;
    TWinControl::WndProc(message);
}

void TProgressBar::SetMin(int value)
{
    FMin = value;
    if (FHandle)
        CreateHandleState();
}

void TProgressBar::SetMax(int value)
{
    FMax = value;
    if (FHandle)
        CreateHandleState();
}

int TProgressBar::Position() const
{
    return FHandle ? static_cast<int>(SendMessageW(FHandle, PBM_GETPOS, 0, 0)) : FPosition;
}

void TProgressBar::SetPosition(int value)
{
    FPosition = value;
    if (FHandle)
        SendMessageW(FHandle, PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

void TProgressBar::SetStyle(TProgressBarStyle value)
{
    if (FStyle == value)
        return;
    FStyle = value;
    RecreateWnd();
}

void TProgressBar::SetSmooth(bool value)
{
    if (FSmooth == value)
        return;
    FSmooth = value;
    RecreateWnd();
}

void TProgressBar::SetOrientation(TProgressBarOrientation value)
{
    if (FOrientation == value)
        return;
    FOrientation = value;
    RecreateWnd();
}

void TProgressBar::SetMarqueeInterval(int value)
{
    FMarqueeInterval = value;
    if (FHandle && FStyle == pbstMarquee)
        SendMessageW(FHandle, PBM_SETMARQUEE, TRUE, value);
}

void ComCtrlsUnitInitialize()
{
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_TREEVIEW_CLASSES |
                                               ICC_LISTVIEW_CLASSES | ICC_USEREX_CLASSES | ICC_BAR_CLASSES |
                                               ICC_COOL_CLASSES};
    InitCommonControlsEx(&init);
    RegisterClasses({TProgressBar::StaticClass(), TDateTimePicker::StaticClass(), TTreeView::StaticClass(),
                     TListView::StaticClass(), TComboBoxEx::StaticClass(), TStatusBar::StaticClass(), TCoolBar::StaticClass(),
                     TToolBar::StaticClass()});
}
