// The quick-access toolbar's four looks: the flat tones, the full-width bar below the ribbon, the
// caption bar off glass (the scenic frame or the rounded bar), and the caption bar on glass.
#include "RurQuickAccessToolBar.h"

#include <memory>

#include "Math.h"
#include "RurGDIP.h"
#include "RurParentBackground.h"
#include "RurRibbonPager.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_Colors.h"
#include "RurToolBar_MenuButton.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Shapes.h"
#include "RurToolBar_Text.h"
#include "RurVistaGlyphButton.h"

using namespace RurGDIP;

namespace {

bool IsToolBarButton(const TControl* c) { return dynamic_cast<const TRurCustomToolBarButton*>(c) != nullptr; }
bool IsButton(const TControl* c) { return IsToolBarButton(c) || dynamic_cast<const TRurCustomGlowButton*>(c); }

// A windowless control painted at its place on the bar's DC.
void PaintControlAt(TControl* control, HDC dc)
{
    const int saved = SaveDC(dc);
    OffsetWindowOrgEx(dc, -control->Left(), -control->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    RestoreDC(dc, saved);
}

void Line(TCanvas* c, int x1, int y1, int x2, int y2)
{
    c->MoveTo(x1, y1);
    c->LineTo(x2, y2);
}

} // namespace

int TRurCustomQuickAccessToolBar::GetVisibleButtonCount() const
{
    int count = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if ((c->Visible() || IsDesigning()) && c != FApp && c != FRefGlowButton && IsButton(c))
            ++count;
    }
    return count;
}

void TRurCustomQuickAccessToolBar::EraseBackground(TMessage& message)
{
    message.Result = 1;
    if (!FIsAeroVista || FFullSize)
        TCustomControl::WndProc(message);
    message.Result = 1;
}

void TRurCustomQuickAccessToolBar::Paint()
{
    if (IsOfficeTonesStyle()) {
        PaintTones();
        return;
    }
    if (!Pager() || FUpdateCount > 0)
        return;
    if (FFullSize)
        PaintFullSize();
    else if (!FIsAeroVista)
        PaintCaptionBar();
    else
        PaintOnGlass();
}

void TRurCustomQuickAccessToolBar::PaintTones()
{
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
    TRect r = GetFrameRect();
    r.Top = 0;
    r.Bottom -= 1;
    r.Right -= ScaledButtonWidth() + 2;
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(clGray);
    const int x = r.Left + int(Round(22 * double(DPIScale)));
    Line(c, x, r.Top + 7, x, r.Bottom - 4);
    if (ControlCount() >= 3) {
        c->Pen()->SetColor(clSilver);
        Line(c, r.Right - 3, r.Top + 7, r.Right - 3, r.Bottom - 4);
    }
}

void TRurCustomQuickAccessToolBar::PaintFullSize()
{
    TCustomRurToolBarStyler* styler = ToolBarStyler();
    if (!styler)
        return;
    const TQATAppearance& a = *styler->QATAppearance();
    TCanvas* c = Canvas();
    const TRect r = GetFrameRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(a.FullSizeColor());
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(a.BorderColor());
    if (a.FullSizeColorTo() == clNone) {
        c->Rectangle(r);
        return;
    }
    DrawGradient(c, a.FullSizeColor(), a.FullSizeColorTo(), 80, r, false);
    c->Brush()->SetStyle(bsClear);
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    // The outline and the white highlight inside it; the scenic look reaches the bar's ends.
    const int o = GetScenicRibbon() ? 0 : 1;
    c->Pen()->SetColor(a.FullSizeBorderColor());
    Line(c, L + o, T, R - o, T);
    Line(c, R - o, T + 1, R - o, B - 2);
    Line(c, L + o, B - 2, R - o, B - 2);
    Line(c, L, T + 1, L, B - 2);
    c->Pen()->SetColor(BlendColor(clWhite, a.FullSizeColor(), 50));
    Line(c, L + o, T + 1, R - o, T + 1);
    Line(c, R, T, R, B - 1);
    Line(c, L + o, B - 1, R, B - 1);
    Line(c, L + o, T + 1, L + o, B - 2);
}

void TRurCustomQuickAccessToolBar::PaintCaptionBar()
{
    const TRect client = ClientRect();
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(client.Width(), client.Height());
    HDC dc = bitmap->Canvas()->Handle();
    PaintParentBackground(this, dc, client);
    TRect r = GetFrameRect();
    r.Bottom -= 1;
    if (GetScenicRibbon()) {
        r.Right -= ScaledButtonWidth() + 2;
        if (GetVisibleButtonCount() > 0)
            DrawQATFrame(dc, r);
    } else {
        PaintRoundedBar(dc, r);
    }
    Canvas()->Draw(0, 0, bitmap.get());
}

// The rounded bar between the application button and the caption: a gradient body cut by two
// ellipses, outlined only along the curves, with light top and bottom lines.
void TRurCustomQuickAccessToolBar::PaintRoundedBar(HDC dc, const TRect& r)
{
    TCustomRurToolBarStyler* styler = ToolBarStyler();
    if (!styler)
        return;
    const TQATAppearance& a = *styler->QATAppearance();
    const int L = r.Left, T = r.Top, Rt = r.Right, B = r.Bottom;
    const int H = Height(), O = H / 3;
    const int cutWidth = H + 1 + (styler->QatSharpCurve() ? 1 : 0);
    {
        TGPGraphics g(dc);
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        TGPRegion clip(TGPRectF(float(L), float(T - 1), float(Rt - H / 2 - L), float(B + 1 - (T - 1))));
        TGPGraphicsPath round;
        round.AddEllipse(float(Rt - H - 6), float(T - 2), float(H + 4), float(H - 1));
        TGPRegion roundRegion(&round);
        clip.Union(&roundRegion);
        TGPGraphicsPath cut;
        cut.AddEllipse(float(L + O - H + 2), float(T), float(cutWidth), float(O + H + 3));
        clip.Exclude(&cut);
        g.SetClip(&clip);
        TGPLinearGradientBrush body(TGPRectF(float(L), float(T - 1), float(Rt - L), float(B - T)),
                                    ColorToARGB(a.Color()), ColorToARGB(a.ColorTo()), LinearGradientModeVertical);
        g.FillRectangle(&body, float(L + 1), float(T), float(Rt - L - 1), float(B - T - 1));
    }
    // The curves keep their outline; the copy laid back over the middle erases the rest of it.
    const int w = Width(), h = Height();
    HDC copy = CreateCompatibleDC(dc);
    HBITMAP copyBitmap = CreateCompatibleBitmap(dc, w, h);
    HGDIOBJ old = SelectObject(copy, copyBitmap);
    BitBlt(copy, 0, 0, w, h, dc, 0, 0, SRCCOPY);
    {
        TGPGraphics g(dc);
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        TGPPen pen(ColorToARGB(a.BorderColor()), 1);
        g.DrawEllipse(&pen, float(Rt - H - 6), float(T - 2), float(H + 3), float(H - 1));
        g.DrawEllipse(&pen, float(L + O - H + 2), float(T), float(H + 2), float(O + H + 4));
    }
    const int left = GetLeftIndent() - 1, right = Rt - H / 2;
    BitBlt(dc, left, T, right - left, B - T, copy, left, T, SRCCOPY);
    SelectObject(copy, old);
    DeleteObject(copyBitmap);
    DeleteDC(copy);
    const TVistaTextBackground& caption = *styler->PagerCaption();
    HPEN top = CreatePen(PS_SOLID, 1, ColorToRGB(BlendColor(caption.Color(), a.BorderColor(), 60)));
    HGDIOBJ oldPen = SelectObject(dc, top);
    MoveToEx(dc, L, T - 1, nullptr);
    LineTo(dc, L + Rt - L - 10, T - 1);
    HPEN bottom = CreatePen(PS_SOLID, 1, ColorToRGB(BlendColor(caption.ColorMirror(), a.BorderColor(), 40)));
    SelectObject(dc, bottom);
    MoveToEx(dc, L + O + 4, B, nullptr);
    LineTo(dc, L + O + 4 + Rt - L - 20, B);
    SelectObject(dc, oldPen);
    DeleteObject(top);
    DeleteObject(bottom);
}

void TRurCustomQuickAccessToolBar::PaintOnGlass()
{
    TRect r = GetFrameRect();
    r.Top = 0;
    r.Bottom -= 1;
    if (GetScenicRibbon())
        r.Right -= ScaledButtonWidth() + 2;
    DrawGlassCaptionText(this, String(), ClientRect(), GetVisibleButtonCount() > 0, r, clNone,
                         GetGlassEnabled() && GetScenicRibbon());
    // Windowless buttons do not get painted over glass on their own.
    const bool overflow = FHiddenCtrlList.Count() > 0;
    if (TRurVistaButton* button = overflow ? FScrollButton : FCustomizeButton; button && button->Visible())
        PaintControlAt(button, Canvas()->Handle());
    if (!IsDesigning())
        PaintToolBarButtons();
    FRef = !FRef;
    if (!FRef)
        RefreshGlassControls();
}

void TRurCustomQuickAccessToolBar::PaintToolBarButtons()
{
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if ((c->Visible() || IsDesigning()) && IsToolBarButton(c))
            PaintControlAt(c, Canvas()->Handle());
    }
}

void TRurCustomQuickAccessToolBar::RefreshGlassControls()
{
    if (!FIsAeroVista)
        return;
    if (FRefGlowButton) {
        FRefGlowButton->Invalidate();
        return;
    }
    for (int i = 0; i < ControlCount(); ++i)
        if (!dynamic_cast<TRurVistaButton*>(Controls(i))) {
            Controls(i)->Invalidate();
            return;
        }
}
