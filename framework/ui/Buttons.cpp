// The speed button.
#include "Buttons.h"

#include <algorithm>

#include "TypInfo.h"

TAVIN_PUBLISHED(TSpeedButton)
{
    TAVIN_PROPERTY(TBitmap*, Glyph);
    TAVIN_PROPERTY(int, NumGlyphs).Default(1);
    TAVIN_PROPERTY(bool, Flat).Default(false);
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), FGlyph(std::make_unique<TBitmap>())
{
    SetBounds(0, 0, 23, 22);
    FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks};
    FGlyph->SetOnChange(MakeHandler<&TSpeedButton::GlyphChanged>(this));
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetNumGlyphs(int value)
{
    value = std::clamp(value, 1, 4);
    if (value == FNumGlyphs)
        return;
    FNumGlyphs = value;
    Invalidate();
}

void TSpeedButton::SetFlat(bool value)
{
    if (value == FFlat)
        return;
    FFlat = value;
    Invalidate();
}

void TSpeedButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
        FMouseInControl = true;
        Invalidate();
        break;
    case CM_MOUSELEAVE:
        FMouseInControl = false;
        Invalidate();
        break;
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(message);
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && Enabled()) {
        FPressed = true;
        Invalidate();
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && FPressed) {
        FPressed = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::Paint()
{
    TCanvas* canvas = Canvas();
    TRect face = ClientRect();
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(face);
    // Flat buttons show their edge only under the mouse or while held.
    const bool down = FPressed && FMouseInControl;
    if (!FFlat || (Enabled() && (FMouseInControl || FPressed))) {
        RECT r = ToWinRect(face);
        DrawEdge(canvas->Handle(), &r, down ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    DrawGlyph(face, down ? 1 : 0);
}

void TSpeedButton::DrawGlyph(const TRect& face, int offset)
{
    if (FGlyph->Empty())
        return;
    const int w = FGlyph->Width() / FNumGlyphs, h = FGlyph->Height();
    // The second image is the disabled one; a single image serves both states.
    const int image = !Enabled() && FNumGlyphs > 1 ? 1 : 0;
    const TColor key = ColorToRGB(FGlyph->Canvas()->Pixels(0, h - 1));
    const int x = face.Left + (face.Width() - w) / 2 + offset, y = face.Top + (face.Height() - h) / 2 + offset;
    GdiTransparentBlt(Canvas()->Handle(), x, y, w, h, FGlyph->Canvas()->Handle(), image * w, 0, w, h,
                      static_cast<UINT>(key));
}

void ButtonsUnitInitialize() { RegisterClasses({TSpeedButton::StaticClass()}); }
