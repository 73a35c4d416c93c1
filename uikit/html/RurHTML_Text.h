#pragma once
// Text measuring and output of the GDI caption engine. A font the platform has not seen for a
// while costs far more than the text drawn with it (its glyphs are made again), so the fonts
// captions use on the display are kept for the thread, with the extents measured in them, on a
// measuring device context of their own; a caption selects a font into its own context only to
// draw. Words on nothing are held back until something else draws on the canvas, then drawn
// grouped by font and colour, one text call per group (underlined or struck words one call each,
// as the line would bridge the gaps): switching fonts between text calls costs
// many times the calls themselves.
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "Graphics.h"

class THTMLTextDevice {
public:
    explicit THTMLTextDevice(TCanvas& ACanvas);
    ~THTMLTextDevice();
    THTMLTextDevice(const THTMLTextDevice&) = delete;
    THTMLTextDevice& operator=(const THTMLTextDevice&) = delete;

    // A fragment's extent as DrawText lays it out on one line (the external leading included),
    // the height of its glyphs alone (0 when DrawText measured it: mnemonics and tabs), and the
    // advance of each character where it is simple text (empty otherwise).
    struct Extent {
        TSize Size{};
        int GlyphHeight = 0;
        std::vector<int> Advances;
        UINT Flags = 0; // the flags DrawText measured it with
    };
    // AMeasureFlags: the DrawText flags of a DT_CALCRECT call, for texts with mnemonics or tabs.
    const Extent& Measure(const TFont& AFont, const String& AText, UINT AMeasureFlags);
    // The height of the font's glyph cells (what TextHeight gives for any text).
    int Height(const TFont& AFont);
    int ExternalLeading(const TFont& AFont);

    // Text on the caption's canvas in the font's colour, on the canvas brush's colour when that is
    // solid: simple text at a point (AExtent: its extent with advances, from Measure), or any text
    // laid out in a box by DrawText.
    void TextOut(const TFont& AFont, int AX, int AY, const String& AText, const Extent& AExtent);
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
    struct FaceSet;
    // A device context and the face this object selected into it.
    struct Slot {
        HDC DC = nullptr;
        HGDIOBJ Original = nullptr;
        const Face* Selected = nullptr;
    };
    // Words held back, in one face and colour, on nothing; a run grows by the words that continue it.
    struct Run {
        const Face* Face = nullptr;
        COLORREF Color = 0;
        int X = 0;
        int Y = 0;
        int End = 0;
        String Text;
        std::vector<int> Advances;
    };
    static std::pair<HDC, FaceSet*> DisplayMeasuring();
    Face& FaceOf(const TFont& AFont);
    TFontQuality QualityOf(const TFont& AFont) const;
    void Select(Slot& ASlot, const Face& AFace);
    static void Unselect(Slot& ASlot);
    HDC PrepareTarget(const Face& AFace, COLORREF AColor, const TBrush* AOpaque);
    // Draws held runs of one face and colour: in one text call, the glyphs placed by advances.
    void DrawRuns(const Run* AFirst, const Run* AEnd);

    TCanvas& FCanvas;
    Slot FTarget;
    Slot FMeasure;
    Slot* FMeasuring; // FMeasure, or FTarget where a DC of its own would not measure alike
    bool FOwnsMeasure = false;
    std::unique_ptr<FaceSet> FOwnFaces; // for another device than the display
    FaceSet* FFaces;                    // the thread's display faces, or FOwnFaces
    Face* FLastFace = nullptr;
    TFontQuality FDefaultQuality = fqDefault;
    std::vector<Run> FHeld;
    String FRunText;           // the text and the advances of one call over many runs
    std::vector<int> FRunAdvances;
    TNotifyEvent FCanvasChanging; // the canvas's own handler, called after the held words are out
};
