#pragma once
// What the toolbar unit's tests share: the kit's units started around the program, 32-bit bitmaps
// to paint into and read back, a plain control for toolbars to hold, the unit's DPI scale set for
// a while, the contact sheet, and every test started with the glass and scenic settings the program
// began with.
#include <memory>

#include "Controls.h"
#include "Graphics.h"

// A 32-bit bitmap filled with one colour; its pixels read back as 0x00BBGGRR.
std::unique_ptr<TBitmap> Bitmap32(int width, int height, TColor fill = clWhite);
TColor PixelOf(TBitmap* bitmap, int x, int y);
// How many pixels of the rectangle have exactly the colour, and how many differ from it.
int CountOf(TBitmap* bitmap, const TRect& rect, TColor color);
int CountOther(TBitmap* bitmap, const TRect& rect, TColor color);
// The control's window face with its windowless children, painted offscreen.
std::unique_ptr<TBitmap> Snapshot(TWinControl* control);
// Ink of an anti-aliased dark line: every channel below 0x80.
bool IsDark(TColor color);

// A control of fixed size painted black, as any control a toolbar may hold.
class TBlock : public TGraphicControl {
    TAVIN_CLASS(TBlock, TGraphicControl)
public:
    TBlock(TComponent* owner, int width, int height) : TGraphicControl(owner) { SetBounds(0, 0, width, height); }

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clBlack);
        Canvas()->FillRect(ClientRect());
    }
};

// A toolbar of the size the test gives it that paints one plain colour, with neither grip nor
// right handle (a toolbar fixed on a form); it still lines its controls up from the left.
class TRurCustomToolBar;
void UsePlainFace(TRurCustomToolBar* toolBar, TColor color = clWhite);

// Arranges the option drop-down's panel (in its window), sizes the window to it, shows it below
// the control and waits until it is the foreground window; false when it never became so.
class TControlSelectorPanel;
class TControl;
bool ShowDropDownBelow(TControlSelectorPanel* panel, TControl* below);

// The unit's DPIScale for the object's lifetime.
class TScopedDPIScale {
public:
    explicit TScopedDPIScale(float scale);
    ~TScopedDPIScale();
    TScopedDPIScale(const TScopedDPIScale&) = delete;
    TScopedDPIScale& operator=(const TScopedDPIScale&) = delete;

private:
    float FSaved;
};

// The scales primitives are checked at.
inline constexpr float TestScales[] = {1.0f, 1.25f, 1.5f};

// The contact sheet of the unit's painters and button states, written beside the test program as
// <program>-sheet.png when it ends: each test that paints a specimen adds it under its label.
void AddToContactSheet(const String& label, TBitmap* specimen);
