#pragma once
// The quick-access toolbar's small windowless buttons: one glyph (the customize bar-and-triangle,
// the overflow double arrow, or a single arrow) over a Vista-style body that is only drawn when
// the button is hot, pressed, held down or disabled, so the bar's own painting shows through a
// button at rest.
#include "WinApiNames.h"

#include <memory>

#include "Controls.h"
#include "RurGlowButton.h"

// The glyph kind of the ribbon's small arrow buttons; only left and right arrows (and the
// customize glyph at the bottom) are drawn.
TAVIN_ENUM(TScrollArrow, saLeft, saTop, saRight, saBottom, saNone)
// Single arrow, double arrow, or the customize glyph's bar-with-triangle.
TAVIN_ENUM(TArrowStyle, asSingle, asDouble, asWithLine)

class TRurVistaButton : public TGraphicControl {
    TAVIN_CLASS(TRurVistaButton, TGraphicControl)
public:
    explicit TRurVistaButton(TComponent* owner);
    ~TRurVistaButton() override;

    void WndProc(TMessage& message) override;

    TGlowButtonAppearance* Appearance() const { return FAppearance.get(); }
    void SetAppearance(TGlowButtonAppearance* value) { FAppearance->Assign(value); }
    TScrollArrow ScrollArrow() const { return FScrollArrow; }
    // Stores and repaints even an unchanged value.
    void SetScrollArrow(TScrollArrow value);
    TArrowStyle ArrowStyle() const { return FArrowStyle; }
    void SetArrowStyle(TArrowStyle value);
    // Held pressed by the owner while its menu or drop-down window is open: the pressed colours
    // stay and hovering does not repaint.
    bool Down() const { return FDown; }
    void SetDown(bool value);
    TButtonPosition ButtonPosition() const { return FButtonPosition; }
    void SetButtonPosition(TButtonPosition value) { FButtonPosition = value; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; }
    bool MouseInControl() const { return FMouseEnter; }
    bool MousePressed() const { return FMouseDown; }
    // The glyph is drawn for glass: on a quick-access toolbar, the bar's glass; elsewhere the
    // kit's glass and scenic switches both on.
    bool IsOnGlass() const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void AppearanceChanged(TObject*);
    void MouseEntered();
    void MouseLeft();
    // The state's colours; a pressed button inside a group keeps the normal border.
    TGlowStateColors StateColors() const;
    void PaintGlyph(TColor border);
    void PaintSingleArrow(int cx, int cy, bool right);
    void PaintDoubleArrow();
    void PaintCustomizeGlyph();

    bool FMouseEnter = false;
    std::unique_ptr<TGlowButtonAppearance> FAppearance;
    bool FTransparent = false;
    TButtonPosition FButtonPosition = bpStandalone;
    bool FMouseDown = false;
    TScrollArrow FScrollArrow = saLeft;
    TArrowStyle FArrowStyle = asSingle;
    bool FDown = false;
    // The unit's DPI scale the body was last drawn at in the normal state.
    float FDPIScale = 1.0f;
};
