#pragma once
// The GDI caption engine: rich captions, hints and dialog texts written in a small HTML-like markup.
//
// RurHTML_Markup.cpp holds the preprocessing of a whole text (entities, numeric references, line
// breaks), RurHTML_Tags.cpp how a text is cut into fragments and tags and how tag attributes read;
// both are portable. The Win32 half lays the markup out and paints it on a canvas (RurHTML.cpp, the
// entry and its line loop; RurHTML_Line.cpp, one pass over one line; RurHTML_Paint.cpp, the drawing
// helpers; RurHTML_Emoji.cpp, colour emoji).
#include <cstddef>

#include "SysUtils.h"

using TColor = int;

// The two builds of the engine: the full one (colour emoji, all entity rows, the paragraph-end
// flag) and the reduced one compiled into the shape and the Office radio button.
enum class THTMLEdition { Full, Reduced };

// ---------------------------------------------------------------------------------------------
// Preprocessing of the whole text, once per call.

// Replaces the first occurrence of APattern found without regard to ASCII case; false when none.
bool ReplaceFirstNoCase(const String& APattern, const String& AReplacement, String& AText);
// The named character references of the edition's entity rows; names match with their exact case.
String DecodeNamedEntities(const String& AText, THTMLEdition AEdition = THTMLEdition::Full);
// "<#text>" becomes "#text", for every such marker.
String StripHashMarkers(const String& AText);
// Only the first marker: its "<" and the next ">" go; later markers stay as they are.
String StripFirstHashMarker(const String& AText);
// "&#65;" and "&#x41;" become "A"; the full edition turns code points from U+1F004 up into the
// emoji pseudo-tag "<J " pair " >". A reference after an escaped ampersand ("&&#") stays text.
String DecodeNumericReferences(const String& AText, THTMLEdition AEdition = THTMLEdition::Full);
// Drops every LF; a CR becomes "<BR>" when ACrAsBreak is set and is dropped otherwise.
String ConvertLineBreaks(const String& AText, bool ACrAsBreak);

struct THTMLPreparedText {
    String Text;
    bool NoPrefix = false; // the text holds " & ": ampersands are drawn as they are
};
// All steps above in their order; "&amp;" (any case) ends as "&&", the platform's escaped ampersand.
THTMLPreparedText PrepareHTMLText(const String& AText, THTMLEdition AEdition);
// The preparation of the GDI+ and vector engines: named entities by ADecodeNamed, numeric
// references of the full edition, only the first hash marker unwrapped, CR as "<BR>"; "&amp;"
// (any case) ends as a plain "&" that no numeric reference is read from.
String PrepareFirstMarkerText(const String& AText, String (*ADecodeNamed)(const String&));

// ---------------------------------------------------------------------------------------------
// Values.

// A colour name of the engine's table ("clred", compared in lower case); black for any other name.
TColor ColorFromName(const String& AName);
// "#RRGGBB" to 0x00BBGGRR; unreadable digits read as 0.
TColor ColorFromHex(const String& AValue);
// A colour value as tags write it: "#RRGGBB" or a name in any case.
TColor HTMLColorValue(const String& AValue);
// Leading blanks, a sign, then decimal digits ("$" or "0x" for hexadecimal) up to the first other
// character; 0 without digits. Values beyond the int range are held at its ends.
int HTMLIntegerValue(const String& AValue);
// A decimal number whose separator may be "." or ","; 0 when unreadable.
double HTMLRealValue(const String& AValue);

// ---------------------------------------------------------------------------------------------
// Tags and fragments.

enum class THTMLTagKind {
    Unknown,
    Anchor,        // A
    Bold,          // B
    Blink,         // BL...
    Body,          // BODY
    Break,         // BR
    Control,       // C... (a form control, vector renderer only)
    Error,         // E
    Font,          // FONT
    Highlight,     // HI
    Rule,          // HR
    Italic,        // I
    Indent,        // IND
    Image,         // IMG
    Emoji,         // J (full edition only)
    ListItem,      // LI
    Offset,        // OF...
    OrderedList,   // OL
    Paragraph,     // P
    Rotate,        // R
    Strike,        // S and ST... other than STRONG
    Shadow,        // SH...
    Span,          // SPAN
    Strong,        // STRONG
    Subscript,     // SUB
    Superscript,   // SUP
    Underline,     // U
    UnorderedList, // UL
    Hidden,        // Z
    // Closing forms that differ from their opening kind.
    BodyOrBlinkEnd, // </B...> other than </B>: back to the reference font colour
    LineEnd,        // </L...>
    SubSupEnd,      // </SU...>
};

struct THTMLTag {
    THTMLTagKind Kind = THTMLTagKind::Unknown;
    bool Closing = false;
};

// ATag runs from "<" up to and including its ">".
THTMLTag ClassifyHTMLTag(const String& ATag, THTMLEdition AEdition);

// The switches of the text state that tags turn on and off alike in every engine.
struct THTMLTextSwitches {
    bool Shadow = false; // SHAD
    bool Sub = false;    // SUB, off at the closing of SUB or SUP
    bool Sup = false;    // SUP, likewise
    bool Hidden = false; // Z
    // Applies a tag that switches one of them; false for any other tag.
    bool Apply(const THTMLTag& ATag);
};

// The length of the text fragment at APos (the text there does not start with "<"): up to the next
// "<" or the end; with word wrap, up to and including a blank that comes before it.
std::size_t HTMLFragmentLength(const String& AText, std::size_t APos, bool AWordWrap);
// "&nbsp;", "&lt;" and "&gt;" of a cut fragment; the count of references replaced is returned.
int DecodeFragmentEntities(String& AFragment);
// The length of the tag at APos up to and including its ">"; 0 when the tag has no ">".
std::size_t HTMLTagLength(const String& AText, std::size_t APos);

// Blanks and control characters off both ends of the markup left to lay out.
void TrimHTMLText(String& AText);
// The number of a FONT tag's SIZE attribute (quotes and blanks after "=" skipped); false without one.
bool HTMLFontSizeValue(const String& AUpperTag, int& AValue);
// SIZE 1 to 5 as the absolute sizes 8, 10, 12, 14 and 16; any other number as it is.
int HTMLAbsoluteFontSize(int ASize);

// The alignment a paragraph gives its lines.
enum class THTMLAlign { Left, Right, Center };
// A P tag's ALIGN value (upper case): the last of RIGHT, LEFT and CENTER it contains wins, and a
// value with none of them keeps ACurrent.
THTMLAlign HTMLAlignValue(const String& AValue, THTMLAlign ACurrent);
// Where a line AWidth wide starts between ALeft and ARight: right alignment only when the line
// fits, centring only with room to spare.
template <class T>
T AlignedLineLeft(THTMLAlign AAlign, T ALeft, T ARight, T AWidth)
{
    if (AAlign == THTMLAlign::Right && ARight - AWidth > ALeft)
        return ARight - AWidth;
    if (AAlign == THTMLAlign::Center && ARight - ALeft - AWidth > 0)
        return ALeft + (ARight - ALeft - AWidth) / 2;
    return ALeft;
}

// How a line pass took one piece of its markup.
enum class THTMLStep { Next, Removed, Stop };

// Walks one line's markup from its start, the part shared by every engine's line pass: each text
// fragment (cut for AWordWrap) goes to AOnText(position, length), each tag to AOnTag(tag). A step
// answers Next to go on after its piece, Removed when it took the piece out of AText, Stop to end
// the line before it; AEnded() is asked before every piece, and a tag without ">" ends the text.
// What the line consumed is erased from AText.
template <class FEnded, class FText, class FTag>
void WalkHTMLLine(String& AText, bool AWordWrap, FEnded&& AEnded, FText&& AOnText, FTag&& AOnTag)
{
    std::size_t pos = 0;
    String tag; // one buffer for the line's tags
    while (pos < AText.size() && !AEnded()) {
        if (AText[pos] != u'<') {
            const std::size_t length = HTMLFragmentLength(AText, pos, AWordWrap);
            const THTMLStep step = AOnText(pos, length);
            if (step == THTMLStep::Stop)
                break;
            if (step == THTMLStep::Next)
                pos += length;
            continue;
        }
        const std::size_t length = AText.size() - pos <= 2 ? 0 : HTMLTagLength(AText, pos);
        if (length == 0) {
            pos = AText.size();
            break;
        }
        tag.assign(AText, pos, length);
        if (AOnTag(tag) == THTMLStep::Stop)
            break;
        pos += length;
    }
    AText.erase(0, pos);
}

// A tag step of a line pass: AApply applies the tag; unless that made it start the next line
// (the pass's StopBefore), the tag joins the pass's line text.
template <class TPass, class FApply>
THTMLStep TakeLineTag(TPass& APass, const String& ATag, FApply&& AApply)
{
    AApply();
    if (APass.StopBefore)
        return THTMLStep::Stop;
    APass.LineText += ATag;
    return THTMLStep::Next;
}

// A tag's text with ASCII letters in upper case; the positions stay those of the tag.
String HTMLUpperTag(const String& ATag);
// The same into AUpper, whose storage is used again.
void HTMLUpperTag(const String& ATag, String& AUpper);
// The value in double quotes after the first occurrence of AName (upper case) in AUpperTag; the
// value is taken from AOriginalTag, so it keeps its case. False when the name does not occur.
bool HTMLTagAttribute(const String& AUpperTag, const String& AOriginalTag, const String& AName, String& AValue);
// As above, for values read in upper case.
bool HTMLTagAttribute(const String& AUpperTag, const String& AName, String& AValue);

#ifdef _WIN32
// ---------------------------------------------------------------------------------------------
// The Win32 half: layout, painting and hit testing on a canvas.
#include "Controls.h"
#include "Graphics.h"

class TCustomImageList;
class TPictureContainer;
class THTMLPictureCache;

// Everything a call reads besides the canvas, the text and the caption rectangle.
struct THTMLDrawOptions {
    TCustomImageList* Images = nullptr;
    int MouseX = -1;
    int MouseY = -1;
    int FocusLink = -1;  // 0-based
    int HoverLink = -1;  // 1-based, as the mouse link result counts
    int ShadowOffset = 1;
    bool HitTest = false;     // no painting: the second pass measures too, at the aligned place
    bool MeasureOnly = false; // one pass per line, and the layout does not stop at the bottom
    bool Printing = false;
    bool Selected = false;    // colours of A, FONT, P and BODY are left alone
    bool BlinkVisible = true;
    bool HoverOnlyStyling = false;
    bool WordWrap = true;
    bool ScaleFontSizes = false;
    double PrintScale = 1.0;
    TColor URLColor = clBlue;
    TColor HoverBackground = clNone;
    TColor HoverFontColor = clNone;
    TColor ShadowColor = clGray;
    THTMLPictureCache* PictureCache = nullptr;
    TPictureContainer* PictureContainer = nullptr;
    int LineSpacing = 0;
    TBiDiMode BiDiMode = bdLeftToRight;
    TColor HighlightBackground = clHighlight;
    TColor HighlightText = clHighlightText;
    TFontStyles HighlightStyle;
    float Scale = 0; // 0 or less: the canvas's LOGPIXELSY / 96
    THTMLEdition Edition = THTMLEdition::Full;
};

struct THTMLDrawResult {
    String Anchor;       // HREF under the mouse; left as it was without a hit
    String StrippedText; // the visible text, a CR for each line break
    String FocusAnchor;  // HREF of the focused link (drawing), or TITLE under the mouse (measuring)
    int XSize = 0;
    int YSize = 0;
    int LinkCount = 0;
    int MouseLink = -1;
    TRect HoverRect{};
};

// Draws, measures or hit-tests the markup; true when the mouse lies on anchor text (hit-test mode)
// or on an image inside an anchor.
bool HTMLDraw(TCanvas& ACanvas, const String& AText, const TRect& ARect, const THTMLDrawOptions& AOptions,
              THTMLDrawResult& AResult);

// The full engine with the parameters in the order its callers pass them.
bool HTMLDraw(TCanvas& ACanvas, const String& AText, const TRect& ARect, TCustomImageList* AImages, int AXPos,
              int AYPos, int AFocusLink, int AHoverLink, int AShadowOffset, bool ACheckAnchor, bool ACheckHeight,
              bool AIsPrinting, bool ASelected, bool ABlink, bool AHoverStyle, bool AWordWrap, bool AScaleFont,
              double AResFactor, TColor AURLColor, TColor AHoverColor, TColor AHoverFontColor, TColor AShadowColor,
              String& AAnchorVal, String& AStripVal, String& AFocusAnchor, int& AXSize, int& AYSize,
              int& AHyperLinks, int& AMouseLink, TRect& AHoverRect, THTMLPictureCache* APictureCache,
              TPictureContainer* APictureContainer, int ALineSpacing, TBiDiMode ABiDiMode,
              TColor AHighlightColor, TColor AHighlightTextColor, TFontStyles AHighlightStyle, float AScale);

// The reduced engine (no colour emoji, 70 entity rows), same parameters.
namespace RurHTMLReduced {
bool HTMLDraw(TCanvas& ACanvas, const String& AText, const TRect& ARect, TCustomImageList* AImages, int AXPos,
              int AYPos, int AFocusLink, int AHoverLink, int AShadowOffset, bool ACheckAnchor, bool ACheckHeight,
              bool AIsPrinting, bool ASelected, bool ABlink, bool AHoverStyle, bool AWordWrap, bool AScaleFont,
              double AResFactor, TColor AURLColor, TColor AHoverColor, TColor AHoverFontColor, TColor AShadowColor,
              String& AAnchorVal, String& AStripVal, String& AFocusAnchor, int& AXSize, int& AYSize,
              int& AHyperLinks, int& AMouseLink, TRect& AHoverRect, THTMLPictureCache* APictureCache,
              TPictureContainer* APictureContainer, int ALineSpacing, TBiDiMode ABiDiMode,
              TColor AHighlightColor, TColor AHighlightTextColor, TFontStyles AHighlightStyle, float AScale);
}

// Drawing helpers of the engine.

// The DrawText flags for a BiDi mode: right to left mirrors the horizontal alignment, and every
// mode but left to right reads right to left.
UINT BiDiDrawTextFlags(UINT AFlags, TBiDiMode ABiDiMode);
// Bands of colour from AFrom to ATo (0 bands taken as 1), then an outline unless ABorder is clNone.
void DrawGradientRect(TCanvas& ACanvas, TColor AFrom, TColor ATo, bool AHorizontal, const TRect& ARect,
                      int ABands, TColor ABorder);
// The shell's icon for a path (or an icon index given as a number); ASize receives its size.
void DrawShellIcon(TCanvas& ACanvas, int AX, int AY, TSize& ASize, double APrintScale, bool APrinting,
                   bool ADrawing, bool ALarge, const String& APath);
// Copies the whole bitmap into ARect.
void StretchBitmapToRect(TCanvas& ACanvas, const TRect& ARect, TBitmap& ABitmap);
// Turns the canvas font by AAngle degrees (escapement and orientation in tenths of a degree)
// through the canvas's own font, so the canvas always knows which font its context holds; the
// orientation it replaced is answered for RestoreRotatedFont.
int SelectRotatedFont(TCanvas& ACanvas, int AAngle);
void RestoreRotatedFont(TCanvas& ACanvas, int APrevious);
// Draws the emoji text (a surrogate pair) in colour at (AX, AY) unless measuring; the advance is
// the canvas font's text height.
int DrawEmojiRun(TCanvas& ACanvas, int AX, int AY, int AFontSize, const String& AText, bool AMeasuring);
#endif
