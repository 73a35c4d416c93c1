#pragma once
// The state of one call of the GDI caption engine, shared by the line loop (RurHTML.cpp) and the
// passes over each line (RurHTML_Line.cpp, RurHTML_LineTags.cpp). Nothing outlives the call.
#include <memory>

#include "RurHTML.h"
#include "RurHTML_Text.h"

// Where an image source points: an image of the image list, a shell icon for a path, or a
// picture of the container or the cache (which keep it).
struct THTMLImageSource {
    enum TKind { None, ListImage, SmallIcon, LargeIcon, Picture } Kind = None;
    int Index = 0;
    String Path;
    TGraphic* Graphic = nullptr;
};

class THTMLEngine {
public:
    THTMLEngine(TCanvas& ACanvas, const TRect& ARect, const THTMLDrawOptions& AOptions, THTMLDrawResult& AResult);
    THTMLEngine(const THTMLEngine&) = delete;
    THTMLEngine& operator=(const THTMLEngine&) = delete;

    bool Run(const String& AText);

    // What one pass over a line gives and takes beside its text.
    struct LineMetrics {
        int Width = 0;
        int Height = 0;
        int SubDescent = 0;
        int SupAscent = 0;
    };
    // The running state of one pass over a line.
    struct Pass {
        bool Measuring = true;
        TRect Line{};     // the line's rectangle in this pass
        TRect Fragment{}; // where the next fragment goes
        LineMetrics* Metrics = nullptr;
        int StartHeight = 0;
        bool TrailingBlank = false; // the last fragment ends in a blank of its own
        bool LineEnded = false;
        bool StopBefore = false;
        bool ListItemSeen = false;
        String LineText; // what the pass consumed
    };

private:

    // The line loop.
    void LayOutLine(String& AText);
    void EvaluateHit(const TRect& ADrawRect, int AGhHeight);
    // One pass over one line: a measuring pass consumes its line from AText, a drawing pass draws
    // exactly that line text.
    String DrawLine(String& AText, const TRect& ALineRect, bool AMeasuring, LineMetrics& AMetrics);
    void TextFragment(Pass& APass, const String& AText, std::size_t APos, std::size_t ALength);
    void MeasureFragment(Pass& APass, const String& AFragment, int AWidthBefore);
    void PaintFragment(Pass& APass, const String& AFragment, int AWidth);
    void ErrorZigzag(const TRect& AFragment, int ATextEnd, int ABottom);
    void Tag(Pass& APass, const String& ATag);
    void OpeningTag(Pass& APass, THTMLTagKind AKind, const String& ATag, const String& AUpper);
    void ClosingTag(Pass& APass, THTMLTagKind AKind, const String& AUpper);
    void AnchorStart(Pass& APass, const String& ATag, const String& AUpper);
    void AnchorEnd(Pass& APass);
    void FontTag(Pass& APass, const String& AUpper);
    void ParagraphTag(Pass& APass, const String& AUpper);
    void BodyTag(Pass& APass, const String& ATag, const String& AUpper);
    void ListItem(Pass& APass, const String& AUpper);
    void ListOpen(Pass& APass, bool ANumbered);
    void Image(Pass& APass, const String& ATag, const String& AUpper);
    THTMLImageSource ReadImageSource(const String& ASource) const;
    TSize ImageSize(const THTMLImageSource& ASource);
    void DrawImage(const THTMLImageSource& ASource, int AX, int AY);
    void BodyPicture(Pass& APass, const String& ASource, bool ARight);
    // The container's picture NAME as a list bullet.
    void ListImage(Pass& APass, const String& AName);
    void Emoji(Pass& APass, const String& ATag);
    void EndLine(Pass& APass);
    void FinishPass(Pass& APass);

    // Canvas helpers.
    int TextHeight();
    TSize Extent(const String& AText);
    void DrawFragmentText(const TRect& ABox, const String& AText);
    int MeasureText(const String& AText);
    void SetFlags(UINT AFlags);
    static void AssignFont(TFont& ATarget, const TFont& ASource);
    void SetBrushColor(TColor AColor);
    TColor BrushColor() const;
    void FillRect(const TRect& ARect, TColor AColor);
    int ScaledFontHeight(int APoints) const;
    int MouseOverlaps(int ALineLeft, int AFrom, int ATo) const;

    TCanvas& FCanvas;
    const TRect FCaption;
    const THTMLDrawOptions& FOptions;
    THTMLDrawResult& FResult;
    const bool FFull;
    THTMLTextDevice FText;
    UINT FMeasureFlags = 0;
    UINT FDrawFlags = 0;
    bool FRtl = false;
    float FScale = 1;
    int FIndentUnit = 12;
    TColor FBackground = clNone;
    bool FResultHit = false;
    bool FStripping = false; // the first pass of a line adds to the stripped text
    // Storage used again for each fragment and tag, rather than made anew.
    String FFragment;
    String FUpperTag;

    // Fonts: the reference font, and the canvas and reference fonts each kind of pass left.
    std::unique_ptr<TFont> FBaseFont, FRefFont, FMeasureFont, FMeasureRefFont, FDrawFont, FDrawRefFont;

    // Geometry of the line loop.
    TRect FLineRect{};
    int FFloatLeft = 0;
    int FFloatRight = 0;
    int FFloatBottom = 0;
    int FLineIndex = 0;

    // Per line, carried between the line loop and the passes.
    int FTextRaise = 0;
    THTMLAlign FAlign = THTMLAlign::Left;
    int FParIndent = 0;
    double FLineHeightFactor = 1.0;
    int FContIndent = 0;
    int FNextContIndent = 0;
    int FParFloat = 0; // 1 left, 2 right: the paragraph's next line starts where the tag stood
    TPoint FParFloatAt{};
    bool FParagraphEnd = false;
    bool FTextHit = false;
    bool FImageHit = false;
    String FLineTitle;

    // Text state of the tags.
    int FLinks = 0;
    int FListDepth = 0;
    bool FNumbered = false;
    int FListCounter = 1;
    bool FInAnchor = false;
    String FAnchor;
    THTMLTextSwitches FSwitches;
    bool FErrorMark = false;
    bool FParBackground = false;
    TColor FFontSavedBrush = clNone;
    TColor FSpanSavedBrush = clNone;
    TColor FParSavedBrush = clNone;
    // The anchor being laid out: how it was styled, and where it started for the hover rectangle.
    bool FAnchorStyled = false;
    bool FHoverBackApplied = false;
    bool FHoverFontApplied = false;
    TColor FAnchorSavedBrush = clNone;
    TColor FAnchorSavedFont = clNone;
    bool FHoverPending = false;
    int FPendingLink = 0;
    int FAnchorStartX = 0;
    int FAnchorStartTop = 0;
    int FAnchorStartLine = -1;
    // The focused link while it is drawn.
    bool FInFocusedAnchor = false;
    TPoint FFocusStart{};
    bool FFocusContinues = false;
    // Highlight and rotation.
    TColor FHiSavedColor = clNone;
    TFontStyles FHiSavedStyle;
    TColor FHiSavedBrush = clNone;
    bool FRotated = false;
    int FOrientationBefore = 0;
};
