#pragma once
// The caption engine of the drawing object, and the search highlighting of markup texts.
//
// RurGraphicsHTMLEngine_Hilight.cpp holds the highlighting, which is portable.
#include "SysUtils.h"

// Wraps every occurrence of ASearch in the visible text of AText in "<" ATag ">" ... "</" ATag ">".
// The markup's own tags are kept; brackets that are text of their own are written "&lt;" and
// "&gt;" once anything is highlighted, so the inserted tags cannot merge with them.
void HilightText(const String& AText, const String& ASearch, const String& ATag, String& AResult,
                 bool ACaseSensitive);

// The 1-based visible position of the first match of ASearch in AVisible after its first AStart
// characters, also in AFound; 0 when there is none.
int FindVisibleMatch(const String& ASearch, const String& AVisible, int AStart, int& AFound, bool ACaseSensitive);

// The 1-based markup index of the n-th visible character (1 for n = 1, before any leading tag;
// the markup length + 1 one past the last visible character; 0 beyond that). A "<BR>" or "<HR>"
// counts as the two characters of the line break the visible text holds for it.
int VisibleToMarkupIndex(const String& AMarkup, int n);

#ifdef _WIN32
// ---------------------------------------------------------------------------------------------
// The vector renderer: the caption markup laid out, drawn and hit-tested through the drawing
// object (RurGraphicsHTMLEngine.cpp, the entry and its line loop; RurGraphicsHTMLEngine_Tags.cpp,
// the tags, images and form controls), so the same markup works on either of its back ends.
#include "RurGraphics.h"
#include "Startup.h"

class TCustomImageList;
class TPictureContainer;

// Everything a call reads besides the drawing object, the text and the layout rectangle. Colours
// of -1 mean none.
struct THTMLDrawGraphicsOptions {
    int X = -1;
    int Y = -1;
    int FocusLink = -1; // 0-based
    int HoverLink = -1; // 1-based
    int ShadowOffset = 0;
    bool HitTest = false;     // the second pass measures and fills the hit results; controls found by ID
    bool MeasureOnly = false; // no second pass, and the layout does not stop at the bottom
    bool Printing = false;    // image-list images are not drawn
    bool Selected = false;    // colour attributes and the link colour are left alone
    bool BlinkVisible = true;
    bool HoverOnlyStyling = false;
    bool WordWrap = true;
    bool ControlFocus = false;
    String FocusControlID;   // drawn focused when ControlFocus is set
    double PrintScale = 1.0; // size factor of check boxes and radio buttons
    TColor URLColor = clBlue;
    TColor HoverBackground = -1;
    TColor HoverFontColor = -1;
    TColor ShadowColor = clGray;
    int LineSpacing = 0; // added to every line's height
    TPictureContainer* PictureContainer = nullptr;
    bool URLUnderline = true;
    TCustomImageList* Images = nullptr;
    TColor HighlightBackground = clHighlight;
    TColor HighlightText = clHighlightText;
    TFontStyles HighlightStyle;
};

struct THTMLDrawGraphicsResult {
    String Anchor;       // HREF under the point, "ctrl" for a control; left as it was without a hit
    String StrippedText; // the visible text, a CR for each line break
    String FocusAnchor;  // HREF of the focused link, in a drawing pass
    float XSize = 0;     // widest line + 2
    float YSize = 0;
    int LinkCount = 0;
    int MouseLink = -1;
    TRectF HoverRect{};
    TRectF ControlRect{};
    String ControlID; // in: the control looked up in a hit test; out: the control found
    String ControlValue;
    String ControlType;
    int LineCount = 0;
};

// Draws, measures or hit-tests the markup on the drawing object; true when the point lies on an
// anchor, a linked image or a control. The drawing object's font, fill and stroke are left as
// they were.
bool HTMLDrawGraphics(TRurGraphics& AGraphics, const String& AText, TRectF ARect,
                      const THTMLDrawGraphicsOptions& AOptions, THTMLDrawGraphicsResult& AResult);

// The parameters in the order the drawing object's callers pass them; AScale is not read.
bool HTMLDrawGraphics(TRurGraphics* AGraphics, const String& AText, TRectF ARect, int AX, int AY, int AFocusLink,
                      int AHoverLink, int AShadowOffset, bool ACheckAnchor, bool ACheckHeight, bool AIsPrinting,
                      bool ASelected, bool ABlink, bool AHoverStyle, bool AWordWrap, bool AControlFocus,
                      const String& AFocusControlID, double AResFactor, TColor AURLColor, TColor AHoverColor,
                      TColor AHoverFontColor, TColor AShadowColor, String& AAnchorVal, String& AStripVal,
                      String& AFocusAnchor, float& AXSize, float& AYSize, int& AHyperLinks, int& AMouseLink,
                      TRectF& AHoverRect, TRectF& AControlRect, String& AControlID, String& AControlValue,
                      String& AControlType, int& ALineCount, int ALineSpacing, TPictureContainer* APictureContainer,
                      float AScale, bool AURLUnderline, TCustomImageList* AImages, TColor AHighlightColor,
                      TColor AHighlightTextColor, TFontStyles AHighlightFontStyle);

// The drawing object's markup goes to this renderer from start-up on.
void InitializeRurGraphicsHTMLEngineUnit();
void FinalizeRurGraphicsHTMLEngineUnit();
inline constexpr TUnitStep RurGraphicsHTMLEngineUnit{"RurGraphicsHTMLEngine", &InitializeRurGraphicsHTMLEngineUnit,
                                                     &FinalizeRurGraphicsHTMLEngineUnit};
#endif
