#pragma once
// The speed button: a windowless push button showing a glyph bitmap, flat until the mouse is over
// it. The glyph may hold several images side by side (normal, then disabled); the bottom-left
// pixel's colour is left out.
#include <memory>

#include "Controls.h"
#include "Graphics.h"

class TSpeedButton : public TGraphicControl {
    TAVIN_PUBLISHED_CLASS(TSpeedButton, TGraphicControl)
public:
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;
    void WndProc(TMessage& message) override;

    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* value) { FGlyph->Assign(value); }
    // Images side by side in the glyph (1 to 4): normal, disabled, ...
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    // The mouse is over the button; it is held down on it.
    bool MouseInControl() const { return FMouseInControl; }
    bool Pressed() const { return FPressed; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void GlyphChanged(TObject*) { Invalidate(); }
    void DrawGlyph(const TRect& face, int offset);

    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    bool FFlat = false;
    bool FMouseInControl = false;
    bool FPressed = false;
};

void ButtonsUnitInitialize();
inline constexpr TUnitStep ButtonsUnit{"Buttons", &ButtonsUnitInitialize, nullptr};
