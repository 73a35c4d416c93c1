// The ribbon's scroll buttons: hover, press and auto-repeat, and painting.
#include "RurRibbonPageScrollButton.h"

#include "Math.h"
#include "Messages.h"
#include "RurGDIP.h"
#include "RurParentBackground.h"
#include "RurToolBar_Colors.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Vista.h"

TRurPageScrollButton::TRurPageScrollButton(TComponent* owner)
    : TCustomControl(owner), FAppearance(std::make_unique<TGlowButtonAppearance>())
{
    FAppearance->SetOnChange(MakeHandler<&TRurPageScrollButton::AppearanceChanged>(this));
    SetBounds(0, 0, 22, 23);
    SetControlStyle(TControlStyle{csCaptureMouse, csDoubleClicks});
    SetParentFont(true);
    Font()->SetName(u"Tahoma");
    SetShowHint(false);
}

TRurPageScrollButton::~TRurPageScrollButton() = default;

void TRurPageScrollButton::AppearanceChanged(TObject*) { Invalidate(); }

void TRurPageScrollButton::SetScrollArrow(TScrollArrow value)
{
    FScrollArrow = value;
    Invalidate();
}

// ---- Mouse -----------------------------------------------------------------------------------------

void TRurPageScrollButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
        MouseEntered();
        return;
    case CM_MOUSELEAVE:
        MouseLeft();
        return;
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    default:
        TCustomControl::WndProc(message);
    }
}

void TRurPageScrollButton::MouseEntered()
{
    if (ComponentState().Contains(csDesigning) || FMouseEnter)
        return;
    FMouseEnter = true;
    if (Enabled())
        Invalidate();
    OnMouseEnter()(this);
}

void TRurPageScrollButton::MouseLeft()
{
    if (ComponentState().Contains(csDesigning) || !FMouseEnter)
        return;
    FMouseEnter = false;
    if (Enabled())
        Invalidate();
    OnMouseLeave()(this);
}

void TRurPageScrollButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled() || ComponentState().Contains(csDesigning))
        return;
    if (FRepeatClick) {
        if (!FRepeatTimer) {
            FRepeatTimer = new TTimer(this);
            FRepeatTimer->SetOnTimer(MakeHandler<&TRurPageScrollButton::RepeatTick>(this));
        }
        FRepeatTimer->SetInterval(FInitRepeatPause);
        FRepeatTimer->SetEnabled(true);
    }
    FMouseDown = true;
    Invalidate();
}

void TRurPageScrollButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    // Only the left button scrolls: a right click over the row is no scroll request.
    if (button != mbLeft || ComponentState().Contains(csDesigning))
        return;
    Invalidate();
    FMouseDown = false;
    if (Enabled())
        Click();
    StopRepeat();
}

void TRurPageScrollButton::StopRepeat()
{
    if (FRepeatTimer)
        FRepeatTimer->SetEnabled(false);
}

void TRurPageScrollButton::RepeatTick(TObject*)
{
    FRepeatTimer->SetInterval(FRepeatPause);
    if (!FMouseDown || !HandleAllocated() || GetCapture() != Handle())
        return;
    try {
        Click();
    } catch (...) {
        StopRepeat();
        throw;
    }
}

// ---- Painting --------------------------------------------------------------------------------------

TGlowStateColors TRurPageScrollButton::StateColors() const
{
    const TGlowButtonAppearance& a = *FAppearance;
    if (!Enabled())
        return {a.ColorDisabled(), a.ColorDisabledTo(), a.ColorMirrorDisabled(), a.ColorMirrorDisabledTo(),
                a.BorderColorDisabled(), a.GradientDisabled(), a.GradientMirrorDisabled()};
    if (FMouseDown) {
        const TColor border = FButtonPosition == bpStandalone ? a.BorderColorDown() : a.BorderColor();
        return {a.ColorDown(), a.ColorDownTo(), a.ColorMirrorDown(), a.ColorMirrorDownTo(), border, a.GradientDown(),
                a.GradientMirrorDown()};
    }
    if (FMouseEnter)
        return {a.ColorHot(), a.ColorHotTo(), a.ColorMirrorHot(), a.ColorMirrorHotTo(), a.BorderColorHot(),
                a.GradientHot(), a.GradientMirrorHot()};
    return {a.Color(), a.ColorTo(), a.ColorMirror(), a.ColorMirrorTo(), a.BorderColor(), a.Gradient(),
            a.GradientMirror()};
}

void TRurPageScrollButton::PaintParentBackground(const TRect& clip)
{
    ::PaintParentBackground(this, Canvas()->Handle(), clip);
}

void TRurPageScrollButton::Paint()
{
    const TRect client = ClientRect();
    if (FTransparent && !FMouseEnter)
        PaintParentBackground(client);
    const TGlowStateColors c = StateColors();
    // Glass has square corners: the rounded ones would show the glass through.
    const bool glass = RurGDIP::GetGlassEnabled();
    DrawVistaButton(Canvas(), client, c.Color, c.ColorTo, c.ColorMirror, c.ColorMirrorTo, c.Border, c.Gradient,
                    c.GradientMirror, glass ? bpStandalone : FButtonPosition, FMouseEnter,
                    FTransparent && !FMouseEnter && !FMouseDown, !glass);
    PaintArrow(c.Border);
    if (Parent() && !(FTransparent && !FMouseEnter) && FButtonPosition != bpMiddle)
        RepairCorners();
}

void TRurPageScrollButton::PaintArrow(TColor border)
{
    if (FScrollArrow != saLeft && FScrollArrow != saRight)
        return;
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(BlendColor(clBlack, border, 50));
    canvas->Pen()->SetWidth(1);
    const int c = int(Round(3.0 * DPIPixelsPerInch / 96));
    const int cx = Width() / 2, cy = Height() / 2, d = c / 2;
    // Columns growing from the tip: a solid triangle pointing the way the row scrolls.
    for (int i = 0; i < c; ++i) {
        const int x = FScrollArrow == saLeft ? cx + d - i : cx - d + i;
        canvas->MoveTo(x, cy - c + 1 + i);
        canvas->LineTo(x, cy + c - i);
    }
}

void TRurPageScrollButton::RepairCorners()
{
    // The body's rounded corners leave their outer pixels to the parent's painting.
    const int r = Width() - 1, b = Height() - 1;
    const bool left = FButtonPosition != bpRight, right = FButtonPosition != bpLeft;
    auto corner = [this](int x, int y) { PaintParentBackground(Rect(x, y, x + 1, y + 1)); };
    if (left) {
        corner(0, 0);
        corner(0, b);
    }
    if (right) {
        corner(r, 0);
        corner(r, b);
    }
}
