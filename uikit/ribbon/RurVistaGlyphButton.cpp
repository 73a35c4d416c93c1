// The quick-access toolbar's small glyph buttons: states, mouse and painting.
#include "RurVistaGlyphButton.h"

#include "RurGDIP.h"
#include "RurQuickAccessToolBar.h"
#include "RurToolBar_Colors.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Vista.h"
#include "Math.h"

using namespace RurGDIP;

TRurVistaButton::TRurVistaButton(TComponent* owner)
    : TGraphicControl(owner), FAppearance(std::make_unique<TGlowButtonAppearance>())
{
    FAppearance->SetOnChange(MakeHandler<&TRurVistaButton::AppearanceChanged>(this));
    SetBounds(0, 0, 22, 23);
    SetControlStyle(TControlStyle{csCaptureMouse, csDoubleClicks});
    SetParentFont(true);
    Font()->SetName(u"Tahoma");
    SetShowHint(false);
}

TRurVistaButton::~TRurVistaButton() = default;

void TRurVistaButton::AppearanceChanged(TObject*) { Invalidate(); }

void TRurVistaButton::SetScrollArrow(TScrollArrow value)
{
    FScrollArrow = value;
    Invalidate();
}

void TRurVistaButton::SetArrowStyle(TArrowStyle value)
{
    if (FArrowStyle == value)
        return;
    FArrowStyle = value;
    Invalidate();
}

void TRurVistaButton::SetDown(bool value)
{
    if (FDown == value)
        return;
    FDown = value;
    Invalidate();
}

bool TRurVistaButton::IsOnGlass() const
{
    if (auto* bar = dynamic_cast<TRurCustomQuickAccessToolBar*>(Parent()))
        return bar->IsAeroVista();
    return GetGlassEnabled() && GetScenicRibbon();
}

// ---- Mouse -----------------------------------------------------------------------------------------

void TRurVistaButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
        MouseEntered();
        return;
    case CM_MOUSELEAVE:
        MouseLeft();
        return;
    default:
        TGraphicControl::WndProc(message);
    }
}

void TRurVistaButton::MouseEntered()
{
    if (ComponentState().Contains(csDesigning) || FMouseEnter)
        return;
    FMouseEnter = true;
    if (Enabled() && !FDown)
        Invalidate();
    OnMouseEnter()(this);
}

void TRurVistaButton::MouseLeft()
{
    if (ComponentState().Contains(csDesigning) || !FMouseEnter)
        return;
    FMouseEnter = false;
    if (Enabled() && !FDown)
        Invalidate();
    OnMouseLeave()(this);
    // Over glass the bar's glow buttons repaint too, or the caption keeps stale pixels.
    if (auto* bar = dynamic_cast<TRurCustomQuickAccessToolBar*>(Parent()); bar && bar->IsAeroVista())
        bar->RefreshGlassControls();
}

void TRurVistaButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled() || ComponentState().Contains(csDesigning))
        return;
    FMouseDown = true;
    Invalidate();
}

void TRurVistaButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    // Only the left button clicks: a right click over the bar opens its menu, not the command.
    if (button != mbLeft || ComponentState().Contains(csDesigning))
        return;
    Invalidate();
    FMouseDown = false;
    if (Enabled())
        Click();
}

// ---- Painting --------------------------------------------------------------------------------------

TGlowStateColors TRurVistaButton::StateColors() const
{
    const TGlowButtonAppearance& a = *FAppearance;
    if (!Enabled())
        return {a.ColorDisabled(), a.ColorDisabledTo(), a.ColorMirrorDisabled(), a.ColorMirrorDisabledTo(),
                a.BorderColorDisabled(), a.GradientDisabled(), a.GradientMirrorDisabled()};
    if (FMouseDown || FDown) {
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

void TRurVistaButton::Paint()
{
    const TGlowStateColors c = StateColors();
    const bool normal = Enabled() && !FMouseDown && !FDown && !FMouseEnter;
    // At rest the bar's painting shows through; the body is drawn once more only after the DPI
    // scale changed, so a rescaled bar does not keep a stale face.
    bool drawBody = !normal;
    if (normal && FDPIScale != DPIScale) {
        FDPIScale = DPIScale;
        drawBody = true;
    }
    if (drawBody)
        DrawVistaButton(Canvas(), ClientRect(), c.Color, c.ColorTo, c.ColorMirror, c.ColorMirrorTo, c.Border,
                        c.Gradient, c.GradientMirror, FButtonPosition, FMouseEnter, false, true);
    PaintGlyph(c.Border);
}

void TRurVistaButton::PaintGlyph(TColor border)
{
    const int cx = Width() / 2, cy = Height() / 2;
    Canvas()->Pen()->SetColor(BlendColor(clBlack, border, 50));
    Canvas()->Pen()->SetWidth(1);
    switch (FScrollArrow) {
    case saLeft:
        PaintSingleArrow(cx, cy, false);
        break;
    case saRight:
        if (FArrowStyle == asSingle)
            PaintSingleArrow(cx, cy, true);
        else if (FArrowStyle == asDouble)
            PaintDoubleArrow();
        break;
    case saBottom:
        PaintCustomizeGlyph();
        break;
    default:
        break;
    }
}

void TRurVistaButton::PaintSingleArrow(int cx, int cy, bool right)
{
    // Columns of 1, 3 and 5 pixels from the tip outwards.
    const int dir = right ? -1 : 1;
    for (int i = 0; i < 3; ++i) {
        const int x = cx + (i - 1) * dir;
        Canvas()->MoveTo(x, cy - i);
        Canvas()->LineTo(x, cy + i + 1);
    }
}

void TRurVistaButton::PaintDoubleArrow()
{
    TRect r = ClientRect();
    r.Left += 1;
    r.Top += 6;
    const int e = int(Round(3.0 * DPIPixelsPerInch / 96));
    const int fx = int(Round(double(r.Width() - 2 * e - 1) / 2 + e));
    const int fy = int(Round(double(r.Height() - 2 * e + 1) / 2 + double(2 * e - 1) / 2));
    if (IsOnGlass()) {
        // On glass GDI lines would come out transparent; GDI+ fills are opaque.
        TGPGraphics g(Canvas()->Handle());
        TGPSolidBrush brush(ColorToARGB(clBlack));
        for (const int back : {fx - e, fx + 1}) {
            const int tip = back + e;
            const TGPPointF points[] = {{float(back), float(fy - e)}, {float(tip), float(fy)},
                                        {float(back), float(fy + e)}};
            g.FillPolygon(&brush, points, 3);
        }
        return;
    }
    Canvas()->Pen()->SetColor(clBlack);
    for (int i = 0; i < e; ++i) {
        for (const int x : {fx + i - e + 1, fx + i + 2}) {
            Canvas()->MoveTo(x, fy + i - e + 1);
            Canvas()->LineTo(x, fy + e - i);
        }
    }
}

void TRurVistaButton::PaintCustomizeGlyph()
{
    TRect r = ClientRect();
    r.Bottom -= 4;
    TGPGraphics g(Canvas()->Handle());
    TGPPen pen(ColorToARGB(FAppearance->TextColor()), 1);
    TGPSolidBrush brush(ColorToARGB(FAppearance->TextColor()));
    const double s = DPIScale;
    if (s > 1.1) {
        auto at = [s](double v) { return float(Round(v * s)); };
        const int mid = r.Height() / 2;
        g.DrawLine(&pen, float(r.Left) + at(3), float(mid), float(r.Left) + at(9), float(mid));
        const TGPPointF triangle[] = {{float(r.Left) + at(3), float(mid) + at(2)},
                                      {float(r.Left) + at(9) + 1, float(mid) + at(2)},
                                      {float(r.Width() / 2), float(mid) + at(5)}};
        g.FillPolygon(&brush, triangle, 3);
        return;
    }
    const float R = float(r.Right), B = float(r.Bottom);
    g.DrawLine(&pen, R - 10, B - 9, R - 5, B - 9);
    const TGPPointF triangle[] = {{R - 10, B - 6}, {R - 4, B - 6}, {R - 7, B - 3}};
    g.FillPolygon(&brush, triangle, 3);
    TGPPen highlight(MakeColor(200, clWhite), 1);
    g.DrawLine(&highlight, R - 10, B - 8, R - 5, B - 8);
    g.DrawLine(&highlight, R - 10, B - 5, R - 7, B - 2);
    g.DrawLine(&highlight, R - 7, B - 2, R - 5, B - 5);
}
