#pragma once
// The UI kit's units started for a test program (linked with GuiTestSupport.cpp), as the tool's
// start-up table runs them, and small picture helpers for the kit's tests.
#include <memory>

#include "Graphics.h"
#include "RurGDIP.h"
#include "Streams.h"

// BMP bytes of a w x h 24-bit picture whose pixels the function gives.
std::unique_ptr<TMemoryStream> BitmapBytes(int w, int h, TColor (*pixel)(int x, int y));
// The bytes of an SVG document of the given width and height filled with one colour.
std::unique_ptr<TMemoryStream> SvgBytes(int w, int h, const char* fill);

class TWinControl;
// A mouse message at a client point of the window, as a person's mouse gives it: the real pointer
// is put there first (Wine makes up moves from it), then the message is posted and handled.
void PostMouse(TWinControl* AWindow, UINT AMessage, int X, int Y, WPARAM AKeys = 0);

// A 32-bit ARGB GDI+ bitmap filled with a colour, and a graphics on it (anti-aliasing off).
class TGPSurface {
public:
    TGPSurface(int w, int h, TColor background = clWhite);
    RurGDIP::TGPGraphics& Graphics() { return FGraphics; }
    // The pixel's RGB as a framework colour.
    TColor At(int x, int y);

private:
    RurGDIP::TGPBitmap FBitmap;
    RurGDIP::TGPGraphics FGraphics;
};
