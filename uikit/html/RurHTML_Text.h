#pragma once
// Text measuring and output of one call of the GDI caption engine. Selecting a font into a colour
// device context is the dearest step of drawing a caption, so each font the caption uses is made
// once per call, measured on a device context of its own, and selected into the caption's only
// when the text to draw needs another font than the one it holds. Words that continue one another
// in the same font and colour go out in one text call, before anything else draws on the canvas.
#include <memory>
#include <unordered_map>
#include <vector>

#include "Graphics.h"

class THTMLTextDevice {
public:
    explicit THTMLTextDevice(TCanvas& ACanvas);
    ~THTMLTextDevice();
    THTMLTextDevice(const THTMLTextDevice&) = delete;
    THTMLTextDevice& operator=(const THTMLTextDevice&) = delete;

    // A fragment's extent as DrawText lays it out on one line (the external leading included),
    // and the height of its glyphs alone (0 when DrawText measured it: mnemonics and tabs).
    struct Extent {
        TSize Size{};
        int GlyphHeight = 0;
    };
    // AMeasureFlags: the DrawText flags of a DT_CALCRECT call, for texts with mnemonics or tabs.
    const Extent& Measure(const TFont& AFont, const String& AText, UINT AMeasureFlags);
    // The height of the font's glyph cells (what TextHeight gives for any text).
    int Height(const TFont& AFont);
    int ExternalLeading(const TFont& AFont);

    // Text on the caption's canvas in the font's colour, on the canvas brush's colour when that is
    // solid: at a point (AAdvance: the text's width), or laid out in a box by DrawText.
    void TextOut(const TFont& AFont, int AX, int AY, const String& AText, int AAdvance);
    void DrawText(const TFont& AFont, const TRect& ABox, const String& AText, UINT AFlags);
    // Draws the words still held back; the canvas's own drawing calls do this first by themselves,
    // other drawing on its device context must call it.
    void Flush();

    // Characters that the platform draws one glyph each, at the advances the text extent sums up
    // (scripts from Hebrew on are shaped, and their extent is taken from the shaping).
    static bool IsSimple(const String& AText);

    // Gives the caption's device context its own font back, before anything else draws text there.
    void Release();

private:
    struct Face;
    // A device context and the face this object selected into it.
    struct Slot {
        HDC DC = nullptr;
        HGDIOBJ Original = nullptr;
        const Face* Selected = nullptr;
    };
    // Words held back: they continue one another on a line, in one face and colour, on nothing.
    struct Run {
        const Face* Face = nullptr;
        COLORREF Color = 0;
        int X = 0;
        int Y = 0;
        int End = 0;
        String Text;
    };
    Face& FaceOf(const TFont& AFont);
    void Select(Slot& ASlot, const Face& AFace);
    static void Unselect(Slot& ASlot);
    HDC PrepareTarget(const Face& AFace, COLORREF AColor, const TBrush* AOpaque);

    TCanvas& FCanvas;
    Slot FTarget;
    Slot FMeasure;
    Slot* FMeasuring; // FMeasure, or FTarget where a DC of its own would not measure alike
    std::vector<std::unique_ptr<Face>> FFaces;
    Face* FLastFace = nullptr;
    TFontQuality FDefaultQuality = fqDefault;
    Run FPending;
    TNotifyEvent FCanvasChanging; // the canvas's own handler, called after the held words are out
};
