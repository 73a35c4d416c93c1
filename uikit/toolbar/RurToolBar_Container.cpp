// The toolbar container: its link to the toolbar, margins, and painting through to the toolbar
// with a frame on top.
#include "RurToolBar_Container.h"

#include <algorithm>

#include "Graphics.h"
#include "Messages.h"
#include "RurGlowButton.h"
#include "RurStyleIF.h"
#include "RurToolBar_ContainerAppearance.h"
#include "RurToolBar_Controls.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "Streaming.h"

TAVIN_PUBLISHED(TRurToolBarContainer)
{
    TAVIN_PROPERTY(TAlign, Align).Default(alNone);
    TAVIN_PROPERTY(bool, AutoSize).Default(false);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(TGradientBackground*, Color);
    TAVIN_PROPERTY(TRurHintInfo*, OfficeHint);
    TAVIN_PROPERTY(TColor, LineColor);
    TAVIN_PROPERTY(bool, ParentStyler).Default(true);
    TAVIN_PROPERTY(bool, Line3D);
    TAVIN_PROPERTY(int, Margins).Default(0);
    TAVIN_PROPERTY(bool, ShowBorder).Default(true);
}

namespace {

constexpr int MaxMargins = 14;
// Where a caption starts along the top line.
constexpr int CaptionIndent = 10;

void Line(TCanvas* canvas, int x1, int y1, int x2, int y2)
{
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
}

} // namespace

TRurToolBarContainer::TRurToolBarContainer(TComponent* owner)
    : TCustomControl(owner), FColor(std::make_unique<TGradientBackground>()),
      FOfficeHint(std::make_unique<TRurHintInfo>())
{
    TControlStyle style = ControlStyle();
    style.Include(csAcceptsControls);
    style.Exclude(csOpaque);
    SetControlStyle(style);
    SetDoubleBuffered(true);
    FColor->SetOnChange(MakeHandler<&TRurToolBarContainer::ColorChanged>(this));
}

TRurToolBarContainer::~TRurToolBarContainer() = default;

// ---- Properties --------------------------------------------------------------------------------

void TRurToolBarContainer::SetParentStyler(bool value)
{
    FParentStyler = value;
    Invalidate();
}

void TRurToolBarContainer::SetLine3D(bool value)
{
    FLine3D = value;
    Invalidate();
}

void TRurToolBarContainer::SetLineColor(TColor value)
{
    FLineColor = value;
    Invalidate();
}

void TRurToolBarContainer::SetCaption(const String& value)
{
    FCaption = value;
    Invalidate();
}

void TRurToolBarContainer::SetColor(TGradientBackground* value)
{
    FColor->Assign(value);
    Invalidate();
}

void TRurToolBarContainer::ColorChanged(TObject*)
{
    TCustomControl::SetColor(FColor->Color());
    Invalidate();
}

void TRurToolBarContainer::SetMargins(int value)
{
    if (value < 0 || value > MaxMargins || value == FMargins)
        return;
    FMargins = value;
    ApplyMargins();
}

// ---- The toolbar link --------------------------------------------------------------------------

void TRurToolBarContainer::ReadState(TReader& reader)
{
    TCustomControl::ReadState(reader);
    if (auto* toolBar = dynamic_cast<TRurToolBar*>(reader.Parent()))
        SetRurToolBar(toolBar);
}

void TRurToolBarContainer::SetRurToolBar(TRurCustomToolBar* value)
{
    if (value == FRurToolBar)
        return;
    FRurToolBar = value;
    for (int i = 0; i < ControlCount(); ++i)
        LinkControl(Controls(i));
    Invalidate();
}

void TRurToolBarContainer::LinkControl(TControl* control)
{
    if (auto* own = dynamic_cast<TRurCustomToolBarControl*>(control))
        own->FRurToolBar = FRurToolBar;
    // Key tips and arrow keys of a glow button inside work as for the toolbar's own.
    if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(control); glow && FRurToolBar)
        glow->SetOnInternalKeyDown(MakeHandler<&TRurCustomToolBar::GlowButtonKeyDown>(FRurToolBar));
}

void TRurToolBarContainer::ControlInserted(TControl* control)
{
    LinkControl(control);
    if (!ComponentState().Contains(csDesigning))
        return;
    // Dropped at design time: after the right-most of the others.
    int right = 0;
    for (int i = 0; i < ControlCount(); ++i)
        if (TControl* other = Controls(i); other != control)
            right = std::max(right, other->Left() + other->Width());
    if (right > 0 && right < Width())
        control->SetLeft(right);
}

void TRurToolBarContainer::Loaded()
{
    TCustomControl::Loaded();
    ApplyStylerToControls();
    Invalidate();
}

void TRurToolBarContainer::ApplyStylerToControls()
{
    if (!FRurToolBar || !FRurToolBar->CurrentToolBarStyler())
        return;
    TCustomRurToolBarStyler* styler = FRurToolBar->CurrentToolBarStyler();
    auto* style = dynamic_cast<IRujStyle*>(styler);
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* control = Controls(i);
        if (auto* glow = dynamic_cast<TRurGlowButton*>(control))
            glow->Appearance()->Assign(styler->GlowButtonAppearance());
        if (style && styler->RujStyle() != tsCustom)
            if (auto* styled = dynamic_cast<IRujStyle*>(control))
                styled->SetComponentStyle(styler->RujStyle());
    }
}

// ---- Margins -----------------------------------------------------------------------------------

void TRurToolBarContainer::AlignControls(TControl* control, TRect& rect)
{
    rect.Left += FMargins;
    rect.Top += FMargins;
    rect.Right -= FMargins;
    rect.Bottom -= FMargins;
    TCustomControl::AlignControls(control, rect);
    ApplyMargins();
}

void TRurToolBarContainer::ApplyMargins()
{
    if (FInternalUpdating)
        return;
    FInternalUpdating = true;
    try {
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* control = Controls(i);
            if (control->Left() < FMargins)
                control->SetLeft(FMargins);
            if (control->Top() < FMargins)
                control->SetTop(FMargins);
        }
    } catch (...) {
        FInternalUpdating = false;
        throw;
    }
    FInternalUpdating = false;
}

// ---- Messages and painting ---------------------------------------------------------------------

void TRurToolBarContainer::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        // The paint shows the toolbar behind; erasing first would only flicker.
        message.Result = 1;
        break;
    case CM_MOUSEENTER:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
    if (message.Msg == CM_CONTROLCHANGE && message.LParam)
        ControlInserted(reinterpret_cast<TControl*>(message.WParam));
}

void TRurToolBarContainer::Paint()
{
    TCustomControl::Paint();
    PaintParentBackground();
    TColor color = FLineColor;
    bool line3D = FLine3D;
    if (FParentStyler && FRurToolBar && FRurToolBar->CurrentToolBarStyler()) {
        const TContainerAppearance* look = FRurToolBar->CurrentToolBarStyler()->ContainerAppearance();
        color = look->LineColor();
        line3D = look->Line3D();
    }
    if (color == clNone || !FShowBorder)
        return;
    PaintFrame(color, line3D);
}

void TRurToolBarContainer::PaintParentBackground()
{
    TWinControl* parent = Parent();
    if (!parent || !parent->HandleAllocated())
        return;
    // The parent paints itself (with its windowless children) into a bitmap at its own
    // coordinates; the part under the container is then copied in.
    const TPoint origin = parent->ScreenToClient(ClientOrigin());
    TBitmap image(origin.X + ClientWidth(), origin.Y + ClientHeight());
    HDC dc = image.Canvas()->Handle();
    const int saved = SaveDC(dc);
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
    Canvas()->Draw(-origin.X, -origin.Y, &image);
}

void TRurToolBarContainer::PaintFrame(TColor color, bool line3D)
{
    const TRect r = ClientRect();
    const int m = FMargin;
    const int top = r.Top + m + 2;
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsClear);
    // The top line, broken by the caption when there is one.
    int gapFrom = r.Right - m, gapTo = r.Right - m;
    if (!FCaption.empty()) {
        canvas->Font()->Assign(Font());
        canvas->Font()->SetColor(clBlack);
        TRect text{r.Left + CaptionIndent, r.Top, r.Right, r.Bottom};
        DrawTextW(canvas->Handle(), reinterpret_cast<LPCWSTR>(FCaption.c_str()), static_cast<int>(FCaption.size()),
                  reinterpret_cast<RECT*>(&text), DT_SINGLELINE | DT_LEFT | DT_TOP | DT_CALCRECT);
        DrawTextW(canvas->Handle(), reinterpret_cast<LPCWSTR>(FCaption.c_str()), static_cast<int>(FCaption.size()),
                  reinterpret_cast<RECT*>(&text), DT_SINGLELINE | DT_LEFT | DT_TOP);
        gapFrom = r.Left + CaptionIndent - 1;
        gapTo = text.Right + 1;
    }
    auto frame = [&](int shift) {
        const int x0 = r.Left + shift, y = top + shift;
        const int right = r.Right - m + shift, bottom = r.Bottom - m + shift;
        Line(canvas, x0, y, gapFrom, y);
        if (gapTo < right)
            Line(canvas, gapTo, y, right, y);
        Line(canvas, x0, y, x0, bottom);
        Line(canvas, x0, bottom, right, bottom);
        Line(canvas, right, bottom, right, y);
    };
    canvas->Pen()->SetColor(color);
    canvas->Pen()->SetWidth(1);
    frame(0);
    if (line3D) {
        canvas->Pen()->SetColor(clWhite);
        frame(1);
    }
    canvas->Brush()->SetStyle(bsSolid);
}
