#include "RurRibbonPageScrollButton.h"

#include "Messages.h"

namespace {
constexpr Cardinal FirstRepeatMs = 400;
constexpr Cardinal NextRepeatMs = 100;
} // namespace

TRurPageScrollButton::TRurPageScrollButton(TComponent* owner)
    : TCustomControl(owner), FRepeatTimer(std::make_unique<TTimer>(nullptr))
{
    FRepeatTimer->SetEnabled(false);
    FRepeatTimer->SetOnTimer(MakeHandler<&TRurPageScrollButton::RepeatTick>(this));
    SetWidth(12);
    SetHeight(20);
}

TRurPageScrollButton::~TRurPageScrollButton() = default;

void TRurPageScrollButton::SetArrow(TScrollArrow value)
{
    if (FArrow != value) {
        FArrow = value;
        Invalidate();
    }
}

void TRurPageScrollButton::SetFaceColors(TColor color, TColor hot, TColor down, TColor border)
{
    FColor = color;
    FColorHot = hot;
    FColorDown = down;
    FBorderColor = border;
    Invalidate();
}

void TRurPageScrollButton::Paint()
{
    TCanvas* canvas = Canvas();
    const TRect r = ClientRect();
    const TColor fill = FDown ? FColorDown : FHot ? FColorHot : FColor;
    if (fill != clNone) {
        canvas->Brush()->SetColor(fill);
        canvas->FillRect(r);
    }
    if (FBorderColor != clNone) {
        canvas->Brush()->SetColor(FBorderColor);
        canvas->FrameRect(r);
    }
    // A small solid triangle pointing the way the row scrolls.
    const int cx = r.Width() / 2, cy = r.Height() / 2;
    const int dx = FArrow == saLeft ? -1 : 1;
    const TPoint arrow[] = {{cx - 2 * dx, cy - 3}, {cx + dx, cy}, {cx - 2 * dx, cy + 3}};
    canvas->Pen()->SetColor(clBlack);
    canvas->Brush()->SetColor(clBlack);
    canvas->Polygon(arrow);
}

void TRurPageScrollButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    FDown = true;
    Invalidate();
    FOnClick(this);
    FRepeatTimer->SetInterval(FirstRepeatMs);
    FRepeatTimer->SetEnabled(true);
}

void TRurPageScrollButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    FRepeatTimer->SetEnabled(false);
    if (FDown) {
        FDown = false;
        Invalidate();
    }
}

void TRurPageScrollButton::RepeatTick(TObject*)
{
    if (!FDown || !Visible()) {
        FRepeatTimer->SetEnabled(false);
        return;
    }
    FRepeatTimer->SetInterval(NextRepeatMs);
    FOnClick(this);
}

void TRurPageScrollButton::WndProc(TMessage& message)
{
    if (message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE) {
        FHot = message.Msg == CM_MOUSEENTER;
        Invalidate();
    }
    TCustomControl::WndProc(message);
}
