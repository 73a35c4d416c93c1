#pragma once
// The state of one call of the vector renderer, shared by the line loop and the passes over each
// line (RurGraphicsHTMLEngine.cpp) and the tags (RurGraphicsHTMLEngine_Tags.cpp). Nothing
// outlives the call; all geometry is in floating-point pixels of the drawing object.
#include <memory>
#include <unordered_map>

#include "RurGraphicsHTMLEngine.h"
#include "RurHTML.h"

class TGraphicsHTMLEngine {
public:
    TGraphicsHTMLEngine(TRurGraphics& AGraphics, TRectF ARect, const THTMLDrawGraphicsOptions& AOptions,
                        THTMLDrawGraphicsResult& AResult);
    ~TGraphicsHTMLEngine();
    TGraphicsHTMLEngine(const TGraphicsHTMLEngine&) = delete;
    TGraphicsHTMLEngine& operator=(const TGraphicsHTMLEngine&) = delete;

    bool Run(const String& AText);

    // The running state of one pass over a line.
    struct Pass {
        bool Measuring = true; // also the second pass of a hit test
        TRectF Line{};
        float Pen = 0;
        float Width = 0;
        float Height = 0;
        float StartHeight = 0;
        bool TrailingBlank = false;
        bool LineEnded = false;
        bool StopBefore = false; // the tag starts the next line
        bool ListItemSeen = false;
        String LineText; // what the pass consumed
    };

private:
    void LayOutLine(String& AText);
    String DrawLine(String& AText, Pass& APass);
    void TextRun(Pass& APass, const String& AText, std::size_t APos, std::size_t ALength);
    void DrawRun(const Pass& APass, const String& ARun, TSizeF ASize);
    void ErrorZigzag(float AFrom, float ATo, float ABottom);
    void Tag(Pass& APass, const String& ATag);
    void Opening(Pass& APass, THTMLTagKind AKind, const String& ATag, const String& AUpper);
    void Closing(Pass& APass, THTMLTagKind AKind);
    void AnchorStart(Pass& APass, const String& ATag, const String& AUpper);
    void AnchorEnd(Pass& APass);
    void FontTag(Pass& APass, const String& ATag, const String& AUpper);
    void ParagraphTag(Pass& APass, const String& AUpper);
    void BodyTag(const String& ATag, const String& AUpper);
    void ListItem(Pass& APass, const String& AUpper);
    void Image(Pass& APass, const String& ATag, const String& AUpper);
    void Control(Pass& APass, const String& ATag);

    // Drawing-object helpers.
    static void AssignFont(TRurGraphicsFont& ATarget, const TRurGraphicsFont& ASource);
    TSizeF Extent(const String& AText);
    void FillSolid(TRectF ARect, TColor AColor);
    void SetStyle(TFontStyle AStyle, bool AOn);
    TColor TagColor(const String& AValue) const;
    void SetFontSize(float ASize);
    // Moves the pen to AX, growing the line width with it.
    static void MovePen(Pass& APass, float AX);

    TRurGraphics& FGraphics;
    TRurGraphicsFont& FFont; // the drawing object's own font, changed as the tags say
    const TRectF FCaption;
    const THTMLDrawGraphicsOptions& FOptions;
    THTMLDrawGraphicsResult& FResult;
    // What the call found and gives back at the end.
    const TColor FKeptFillColor;
    const TRurGraphicsFillKind FKeptFillKind;
    const TColor FKeptStrokeColor;
    const TRurGraphicsStrokeKind FKeptStrokeKind;
    const float FKeptStrokeWidth;
    const String FRequestedControl; // the control a hit test looks up by its ID
    float FGh = 0;
    bool FResultHit = false;
    bool FStripping = false; // the first pass of a line adds to the stripped text
    std::unordered_map<String, TSizeF> FExtents; // by font and text, for the call
    // The font as the call found it, the reference font, and the font each kind of pass left.
    std::unique_ptr<TRurGraphicsFont> FKeptFont, FRefFont, FMeasureFont, FDrawFont;

    // Geometry of the line loop.
    TRectF FLineRect{};
    float FFloatLeft = 0;
    float FFloatRight = 0;
    float FFloatBottom = 0;
    int FLineIndex = 0;

    // Per line, carried between the line loop and the passes.
    float FSubOffset = 0;
    float FSupOffset = 0;
    float FImageOffset = 0;
    THTMLAlign FAlign = THTMLAlign::Left;
    float FParIndent = 0;
    float FContIndent = 0;
    float FNextContIndent = 0;
    int FParFloat = 0; // 1 left, 2 right: the next line starts where the tag stood
    TPointF FParFloatAt{};
    bool FTextHit = false;
    bool FImageHit = false;
    bool FControlHit = false;

    // Text state of the tags.
    TColor FRefColor = 0;    // the colour closing tags return to
    TColor FBackground = -1; // behind text runs
    int FLinks = 0;
    int FListDepth = 0;
    bool FInAnchor = false;
    String FAnchor;
    THTMLTextSwitches FSwitches;
    bool FErrorMark = false;
    bool FParBackground = false;
    TColor FParColor = -1;
    TColor FFontSavedBackground = -1;
    // The anchor being laid out: how it was styled, and where it started for the hover rectangle.
    bool FAnchorStyled = false;
    bool FInFocusedAnchor = false;
    TColor FAnchorSavedBackground = -1;
    TColor FAnchorSavedColor = 0;
    bool FHoverPending = false;
    int FPendingLink = 0;
    TPointF FAnchorStart{};
    int FAnchorStartLine = -1;
    // Highlight.
    TColor FHiSavedColor = 0;
    TColor FHiSavedBackground = -1;
    TFontStyles FHiSavedStyle;
};
