// The key-tip window and its placement next to the button.
#include "RurGlowButton.h"

#include <algorithm>

#include "RurHTML.h"

TAVIN_PUBLISHED(TShortCutHintWindow)
{
    TAVIN_PROPERTY(TColor, ColorTo);
}

TShortCutHintWindow::TShortCutHintWindow(TComponent* owner) : THintWindow(owner) {}

void TShortCutHintWindow::WndProc(TMessage& message)
{
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    THintWindow::WndProc(message);
}

void TShortCutHintWindow::SetColorTo(TColor value)
{
    FColorTo = value;
    Invalidate();
}

void TShortCutHintWindow::CreateParams(TCreateParams& params)
{
    THintWindow::CreateParams(params);
    params.Style &= ~DWORD(WS_BORDER);
    params.WindowClassStyle &= ~UINT(CS_DROPSHADOW);
    params.ExStyle |= WS_EX_TOPMOST;
    // Made on first showing: it comes up at once.
    if (Visible())
        params.Style |= WS_VISIBLE;
}

void TShortCutHintWindow::Paint()
{
    const TRect r = ClientRect();
    TCanvas* canvas = Canvas();
    DrawGradientRect(*canvas, Color(), FColorTo, false, r, 16, clNone);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->Assign(Font());
    TRect textRect = r;
    String text = Caption();
    canvas->TextRect(textRect, text, TTextFormat{tfSingleLine, tfVerticalCenter, tfCenter});
    canvas->Pen()->SetColor(TColor(0x808080));
    canvas->RoundRect(r, 3, 3);
}

void TShortCutHintWindow::Resize()
{
    THintWindow::Resize();
    TBitmap measure;
    measure.Canvas()->Font()->Assign(Font());
    const int least = measure.Canvas()->TextWidth(u"O") + 8;
    if (Width() < least)
        SetWidth(least);
}

TPoint ShortCutHintOrigin(TShortCutHintPos position, TPoint p, TSize button, TSize tip)
{
    const int W = button.cx, H = button.cy, w = tip.cx, h = tip.cy;
    const int centreX = p.X + (W - w) / 2, leftX = p.X + 6, rightX = p.X + W - w + 1;
    const int middleY = p.Y + (H - h) / 2, topY = p.Y - h / 2, aboveY = p.Y - h, bottomY = p.Y + H - h / 2,
              belowY = p.Y + H;
    switch (position) {
    case shpLeft:
        return {leftX, middleY};
    case shpRight:
        return {p.X + W - w / 2, middleY};
    case shpBottom:
        return {centreX, bottomY};
    case shpCenter:
        return {centreX, middleY};
    case shpTopLeft:
        return {leftX, topY};
    case shpTopRight:
        return {rightX, topY};
    case shpAboveTop:
        return {centreX, aboveY};
    case shpAboveTopLeft:
        return {leftX, aboveY};
    case shpAboveTopRight:
        return {rightX, aboveY};
    case shpBottomLeft:
        return {leftX, bottomY};
    case shpBottomRight:
        return {rightX, bottomY};
    case shpBelowBottom:
    case shpBelowBottomCenter:
        return {centreX, belowY};
    case shpBelowBottomLeft:
        return {leftX, belowY};
    case shpBelowBottomRight:
        return {rightX, belowY};
    case shpTop:
    case shpAuto:
        break;
    }
    return {centreX, topY};
}

// ---- The button's key tip ------------------------------------------------------------------------------

void TRurCustomGlowButton::ShowShortCutHint()
{
    if (!FShortCutHint) {
        FShortCutHint = new TShortCutHintWindow(this);
        FShortCutHint->SetParent(this);
        RecolourShortCutHint();
    }
    FShortCutHint->SetCaption(FShortCutHintText);
    const TRect size = FShortCutHint->CalcHintRect(Screen ? Screen->Width() : 800, FShortCutHintText);
    FShortCutHint->SetBounds(FShortCutHint->Left(), FShortCutHint->Top(), size.Width(), size.Height());
    TShortCutHintPos position = FShortCutHintPos;
    if (FOnGetShortCutHintPos)
        FOnGetShortCutHintPos(this, FButtonSizeState, position);
    const TPoint origin =
        ShortCutHintOrigin(position, ClientToScreen(TPoint{0, 0}), TSize{Width(), Height()},
                           TSize{FShortCutHint->Width(), FShortCutHint->Height()});
    FShortCutHint->SetBounds(origin.X, origin.Y, FShortCutHint->Width(), FShortCutHint->Height());
    FShortCutHint->SetVisible(true);
}

void TRurCustomGlowButton::HideShortCutHint()
{
    if (FShortCutHint)
        FShortCutHint->SetVisible(false);
}

void TRurCustomGlowButton::RecolourShortCutHint()
{
    if (!FShortCutHint)
        return;
    FShortCutHint->SetColor(TColor(0xFFFFFF));
    FShortCutHint->SetColorTo(FAppearance->Color());
}
