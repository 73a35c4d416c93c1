// Scrolling controls: the scroll bars of a control's own window and the scroll box.
#include "Forms.h"

TAVIN_PUBLISHED(TControlScrollBar)
{
    TAVIN_PROPERTY(int, Increment).Default(8);
    TAVIN_PROPERTY(int, Range).Default(0);
    TAVIN_PROPERTY(int, Position).Default(0);
    TAVIN_PROPERTY(bool, Visible).Default(true);
    TAVIN_PROPERTY(bool, Tracking).Default(false);
}

TControlScrollBar::TControlScrollBar(TScrollingWinControl* control, TScrollBarKind kind)
    : FControl(control), FKind(kind)
{
}

int TControlScrollBar::ClientSize() const
{
    const TRect r = FControl->ClientRect();
    return FKind == sbHorizontal ? r.Width() : r.Height();
}

bool TControlScrollBar::IsScrollBarVisible() const
{
    return FVisible && FRange > ClientSize();
}

void TControlScrollBar::SetRange(int value)
{
    FRange = std::max(0, value);
    FControl->UpdateScrollBars();
}

void TControlScrollBar::SetPosition(int value)
{
    value = std::clamp(value, 0, MaxPosition());
    if (value == FPosition)
        return;
    const int delta = FPosition - value;
    FPosition = value;
    if (FKind == sbHorizontal)
        FControl->ScrollBy(delta, 0);
    else
        FControl->ScrollBy(0, delta);
    Update();
}

void TControlScrollBar::SetVisible(bool value)
{
    FVisible = value;
    FControl->UpdateScrollBars();
}

void TControlScrollBar::Assign(const TPersistent* source)
{
    auto* bar = dynamic_cast<const TControlScrollBar*>(source);
    if (!bar) {
        TPersistent::Assign(source);
        return;
    }
    FIncrement = bar->FIncrement;
    FTracking = bar->FTracking;
    FVisible = bar->FVisible;
    SetRange(bar->FRange);
    SetPosition(bar->FPosition);
}

void TControlScrollBar::Update()
{
    if (!FControl->HandleAllocated())
        return;
    const int bar = FKind == sbHorizontal ? SB_HORZ : SB_VERT;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (FVisible && FRange > 0) {
        info.nMax = FRange - 1;
        info.nPage = static_cast<UINT>(std::max(0, ClientSize()));
        info.nPos = FPosition;
    }
    SetScrollInfo(FControl->HandleIfAllocated(), bar, &info, TRUE);
}

void TControlScrollBar::ScrollMessage(WPARAM request)
{
    const int page = std::max(1, ClientSize());
    switch (LOWORD(request)) {
    case SB_LINEUP: SetPosition(FPosition - FIncrement); break;
    case SB_LINEDOWN: SetPosition(FPosition + FIncrement); break;
    case SB_PAGEUP: SetPosition(FPosition - page); break;
    case SB_PAGEDOWN: SetPosition(FPosition + page); break;
    case SB_TOP: SetPosition(0); break;
    case SB_BOTTOM: SetPosition(MaxPosition()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        if (FTracking || LOWORD(request) == SB_THUMBPOSITION) {
            // The message's position is 16 bits wide; the tracking position is not.
            SCROLLINFO info{};
            info.cbSize = sizeof info;
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(FControl->HandleIfAllocated(), FKind == sbHorizontal ? SB_HORZ : SB_VERT, &info);
            SetPosition(info.nTrackPos);
        }
        break;
    default: break;
    }
}

// ---------------------------------------------------------------------------------------------

TScrollingWinControl::TScrollingWinControl(TComponent* owner)
    : TWinControl(owner), FHorzScrollBar(std::make_unique<TControlScrollBar>(this, sbHorizontal)),
      FVertScrollBar(std::make_unique<TControlScrollBar>(this, sbVertical))
{
}

TScrollingWinControl::~TScrollingWinControl() = default;

void TScrollingWinControl::SetAutoScroll(bool value)
{
    FAutoScroll = value;
    Realign();
}

void TScrollingWinControl::ScrollBy(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    }
    EnableAlign();
    Invalidate();
}

void TScrollingWinControl::ScrollInView(TControl* control)
{
    if (!control || control->Parent() != this)
        return;
    const TRect r = control->BoundsRect();
    const TRect client = ClientRect();
    // How far the content must move so that [low, high) lies within [0, size).
    const auto shift = [](int low, int high, int size) { return low < 0 ? low : std::min(std::max(0, high - size), low); };
    FHorzScrollBar->SetPosition(FHorzScrollBar->Position() + shift(r.Left, r.Right, client.Width()));
    FVertScrollBar->SetPosition(FVertScrollBar->Position() + shift(r.Top, r.Bottom, client.Height()));
}

void TScrollingWinControl::AlignControls(TControl* control, TRect& rect)
{
    // Aligned children take their places in the content, which the scroll positions shift.
    rect.Left -= FHorzScrollBar->Position();
    rect.Right -= FHorzScrollBar->Position();
    rect.Top -= FVertScrollBar->Position();
    rect.Bottom -= FVertScrollBar->Position();
    TWinControl::AlignControls(control, rect);
    if (!FAutoScroll) {
        UpdateScrollBars();
        return;
    }
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible() || c->Align() == alClient)
            continue;
        if (c->Align() != alTop && c->Align() != alBottom)
            right = std::max(right, c->Left() + c->Width() + FHorzScrollBar->Position());
        if (c->Align() != alLeft && c->Align() != alRight)
            bottom = std::max(bottom, c->Top() + c->Height() + FVertScrollBar->Position());
    }
    FHorzScrollBar->FRange = right;
    FVertScrollBar->FRange = bottom;
    UpdateScrollBars();
}

void TScrollingWinControl::UpdateScrollBars()
{
    // Showing or hiding a bar resizes the client area, which aligns again and comes back here.
    if (FUpdatingScrollBars)
        return;
    FUpdatingScrollBars = true;
    try {
        for (TControlScrollBar* bar : {FHorzScrollBar.get(), FVertScrollBar.get()}) {
            bar->Update();
            if (bar->FPosition > bar->MaxPosition())
                bar->SetPosition(bar->MaxPosition());
        }
    } catch (...) {
        FUpdatingScrollBars = false;
        throw;
    }
    FUpdatingScrollBars = false;
}

void TScrollingWinControl::WndProc(TMessage& message)
{
    // The window's own bars (a bar control would name itself in LParam).
    if ((message.Msg == WM_HSCROLL || message.Msg == WM_VSCROLL) && message.LParam == 0) {
        (message.Msg == WM_HSCROLL ? FHorzScrollBar : FVertScrollBar)->ScrollMessage(message.WParam);
        message.Result = 0;
        return;
    }
    TWinControl::WndProc(message);
    if (message.Msg == WM_SIZE)
        UpdateScrollBars();
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TScrollBox)
{
    TAVIN_PROPERTY(bool, AutoScroll).Default(true);
    TAVIN_PROPERTY(TFormBorderStyle, BorderStyle).Default(bsSingle);
    TAVIN_PROPERTY(TControlScrollBar*, HorzScrollBar);
    TAVIN_PROPERTY(TControlScrollBar*, VertScrollBar);
}

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner)
{
    FControlStyle = FControlStyle + TControlStyle{csAcceptsControls};
    SetBounds(0, 0, 185, 41);
}

void TScrollBox::SetBorderStyle(TFormBorderStyle value)
{
    FBorderStyle = value == bsNone ? bsNone : bsSingle;
    RecreateWnd();
}

void TScrollBox::CreateParams(TCreateParams& params)
{
    TScrollingWinControl::CreateParams(params);
    if (FBorderStyle == bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}
