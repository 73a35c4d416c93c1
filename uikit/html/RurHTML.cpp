// The GDI caption engine's entry and its line loop: each line is measured, aligned and then drawn
// (or measured again at its aligned place for a hit test).
#include "RurHTML.h"

#include "Math.h"
#include "RurHTML_Engine.h"

THTMLEngine::THTMLEngine(TCanvas& ACanvas, const TRect& ARect, const THTMLDrawOptions& AOptions,
                         THTMLDrawResult& AResult)
    : FCanvas(ACanvas), FCaption(ARect), FOptions(AOptions), FResult(AResult),
      FFull(AOptions.Edition == THTMLEdition::Full), FText(ACanvas)
{
    const HDC dc = FCanvas.Handle();
    FScale = AOptions.Scale > 0 ? AOptions.Scale : float(GetDeviceCaps(dc, LOGPIXELSY)) / 96.0f;
    FIndentUnit = MulDiv(12, GetDeviceCaps(dc, LOGPIXELSX), 96);
    auto copyOfFont = [this]() {
        auto font = std::make_unique<TFont>();
        font->Assign(FCanvas.Font());
        return font;
    };
    FBaseFont = copyOfFont();
    FRefFont = copyOfFont();
    FMeasureFont = copyOfFont();
    FMeasureRefFont = copyOfFont();
    FDrawFont = copyOfFont();
    FDrawRefFont = copyOfFont();
    FBackground = FCanvas.Brush()->Color();
    SetBrushColor(clNone);
    SetBkMode(dc, TRANSPARENT);
}

bool THTMLEngine::Run(const String& AText)
{
    FResult.StrippedText.clear();
    FResult.FocusAnchor.clear();
    FResult.XSize = 0;
    FResult.YSize = 0;
    FResult.LinkCount = 0;
    FResult.MouseLink = -1;

    const THTMLPreparedText prepared = PrepareHTMLText(AText, FOptions.Edition);
    UINT flags = BiDiDrawTextFlags(DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING, FOptions.BiDiMode);
    FRtl = (flags & DT_RTLREADING) != 0;
    if (prepared.NoPrefix)
        flags |= DT_NOPREFIX;
    if (!FOptions.WordWrap)
        flags |= DT_END_ELLIPSIS;
    SetFlags(flags);

    FLineRect = FCaption;
    String text = prepared.Text;
    while (!text.empty())
        LayOutLine(text);

    if (FResult.YSize == 0)
        FResult.YSize = TextHeight();
    FResult.LinkCount = FLinks;
    SetBrushColor(FBackground);
    FCanvas.Font()->Assign(FBaseFont.get());
    return FResultHit;
}

void THTMLEngine::LayOutLine(String& AText)
{
    // Both passes start from the same anchor and shadow state; the fonts each pass kind left.
    AssignFont(*FCanvas.Font(), *FMeasureFont);
    AssignFont(*FRefFont, *FMeasureRefFont);
    const bool inAnchor = FInAnchor;
    const String anchor = FAnchor;
    const bool shadow = FSwitches.Shadow;
    const int links = FLinks;
    const int listDepth = FListDepth;
    const bool floatBefore = FParFloat != 0;
    LineMetrics metrics;
    const int gh = TextHeight();
    metrics.Height = gh;
    TrimHTMLText(AText);
    if (FFull && FParagraphEnd) {
        FLineHeightFactor = 1.0;
        FAlign = THTMLAlign::Left;
        FParagraphEnd = false;
    }
    if (AText.empty())
        return;

    const std::size_t before = AText.size();
    FStripping = true;
    String lineText = DrawLine(AText, FLineRect, true, metrics);
    FStripping = false;
    // A line always takes something, so the loop ends on any text.
    if (AText.size() == before)
        AText.erase(0, 1);

    FInAnchor = inAnchor;
    FAnchor = anchor;
    FSwitches.Shadow = shadow;
    AssignFont(*FMeasureFont, *FCanvas.Font());
    AssignFont(*FMeasureRefFont, *FRefFont);
    metrics.Height = int(Round((metrics.Height + FOptions.LineSpacing) * FLineHeightFactor));
    if (FFull)
        FLineHeightFactor = 1.0;

    TRect drawRect = FLineRect;
    drawRect.Left = AlignedLineLeft(FAlign, FLineRect.Left, FLineRect.Right, metrics.Width);
    drawRect.Left += FParIndent;
    drawRect.Bottom = FLineRect.Top + metrics.Height + metrics.SubDescent + metrics.SupAscent;

    if (!FOptions.MeasureOnly) {
        AssignFont(*FCanvas.Font(), *FDrawFont);
        AssignFont(*FRefFont, *FDrawRefFont);
        FLinks = links;
        FListDepth = listDepth;
        DrawLine(lineText, drawRect, FOptions.HitTest, metrics);
        AssignFont(*FDrawFont, *FCanvas.Font());
        AssignFont(*FDrawRefFont, *FRefFont);
        FLineRect.Left = FCaption.Left + FFloatLeft;
        FLineRect.Right = FCaption.Right - FFloatRight;
        if (drawRect.Top > FFloatBottom) {
            FFloatLeft = 0;
            FFloatRight = 0;
            FLineRect.Left = FCaption.Left;
            FLineRect.Right = FCaption.Right;
        }
        EvaluateHit(drawRect, gh);
    }
    FContIndent = FNextContIndent;

    if (!floatBefore && FParFloat != 0) {
        // A floating paragraph: the next line starts beside it, where the tag stood.
        FLineRect.Left = FParFloatAt.X;
        FLineRect.Top = FParFloatAt.Y;
        FParFloat = 0;
    } else {
        FTextRaise = 0;
        const int advance = metrics.Height + metrics.SubDescent + metrics.SupAscent;
        FLineRect.Top += advance;
        FResult.YSize += advance;
    }
    ++FLineIndex;
    if (!FOptions.MeasureOnly && FLineRect.Top + gh > FCaption.Bottom)
        AText.clear();
}

void THTMLEngine::EvaluateHit(const TRect& ADrawRect, int AGhHeight)
{
    const int bottom = ADrawRect.Bottom - FTextRaise;
    if (FImageHit || (FTextHit && FOptions.MouseY > bottom - AGhHeight && FOptions.MouseY < bottom))
        FResultHit = true;
}

bool HTMLDraw(TCanvas& ACanvas, const String& AText, const TRect& ARect, const THTMLDrawOptions& AOptions,
              THTMLDrawResult& AResult)
{
    THTMLEngine engine(ACanvas, ARect, AOptions, AResult);
    return engine.Run(AText);
}

namespace {

bool DrawWithParameters(THTMLEdition AEdition, TCanvas& ACanvas, const String& AText, const TRect& ARect,
                        TCustomImageList* AImages, int AXPos, int AYPos, int AFocusLink, int AHoverLink,
                        int AShadowOffset, bool ACheckAnchor, bool ACheckHeight, bool AIsPrinting, bool ASelected,
                        bool ABlink, bool AHoverStyle, bool AWordWrap, bool AScaleFont, double AResFactor,
                        TColor AURLColor, TColor AHoverColor, TColor AHoverFontColor, TColor AShadowColor,
                        String& AAnchorVal, String& AStripVal, String& AFocusAnchor, int& AXSize, int& AYSize,
                        int& AHyperLinks, int& AMouseLink, TRect& AHoverRect, THTMLPictureCache* APictureCache,
                        TPictureContainer* APictureContainer, int ALineSpacing, TBiDiMode ABiDiMode,
                        TColor AHighlightColor, TColor AHighlightTextColor, TFontStyles AHighlightStyle, float AScale)
{
    THTMLDrawOptions options;
    options.Images = AImages;
    options.MouseX = AXPos;
    options.MouseY = AYPos;
    options.FocusLink = AFocusLink;
    options.HoverLink = AHoverLink;
    options.ShadowOffset = AShadowOffset;
    options.HitTest = ACheckAnchor;
    options.MeasureOnly = ACheckHeight;
    options.Printing = AIsPrinting;
    options.Selected = ASelected;
    options.BlinkVisible = ABlink;
    options.HoverOnlyStyling = AHoverStyle;
    options.WordWrap = AWordWrap;
    options.ScaleFontSizes = AScaleFont;
    options.PrintScale = AResFactor;
    options.URLColor = AURLColor;
    options.HoverBackground = AHoverColor;
    options.HoverFontColor = AHoverFontColor;
    options.ShadowColor = AShadowColor;
    options.PictureCache = APictureCache;
    options.PictureContainer = APictureContainer;
    options.LineSpacing = ALineSpacing;
    options.BiDiMode = ABiDiMode;
    options.HighlightBackground = AHighlightColor;
    options.HighlightText = AHighlightTextColor;
    options.HighlightStyle = AHighlightStyle;
    options.Scale = AScale;
    options.Edition = AEdition;
    THTMLDrawResult result;
    result.Anchor = AAnchorVal;
    result.HoverRect = AHoverRect;
    const bool hit = HTMLDraw(ACanvas, AText, ARect, options, result);
    AAnchorVal = result.Anchor;
    AStripVal = result.StrippedText;
    AFocusAnchor = result.FocusAnchor;
    AXSize = result.XSize;
    AYSize = result.YSize;
    AHyperLinks = result.LinkCount;
    AMouseLink = result.MouseLink;
    AHoverRect = result.HoverRect;
    return hit;
}

} // namespace

#define TAVIN_HTMLDRAW_PARAMETERS                                                                              \
    TCanvas &ACanvas, const String &AText, const TRect &ARect, TCustomImageList *AImages, int AXPos, int AYPos,  \
        int AFocusLink, int AHoverLink, int AShadowOffset, bool ACheckAnchor, bool ACheckHeight, bool AIsPrinting, \
        bool ASelected, bool ABlink, bool AHoverStyle, bool AWordWrap, bool AScaleFont, double AResFactor,       \
        TColor AURLColor, TColor AHoverColor, TColor AHoverFontColor, TColor AShadowColor, String &AAnchorVal,   \
        String &AStripVal, String &AFocusAnchor, int &AXSize, int &AYSize, int &AHyperLinks, int &AMouseLink,    \
        TRect &AHoverRect, THTMLPictureCache *APictureCache, TPictureContainer *APictureContainer,               \
        int ALineSpacing, TBiDiMode ABiDiMode, TColor AHighlightColor, TColor AHighlightTextColor,               \
        TFontStyles AHighlightStyle, float AScale
#define TAVIN_HTMLDRAW_ARGUMENTS                                                                               \
    ACanvas, AText, ARect, AImages, AXPos, AYPos, AFocusLink, AHoverLink, AShadowOffset, ACheckAnchor,         \
        ACheckHeight, AIsPrinting, ASelected, ABlink, AHoverStyle, AWordWrap, AScaleFont, AResFactor, AURLColor, \
        AHoverColor, AHoverFontColor, AShadowColor, AAnchorVal, AStripVal, AFocusAnchor, AXSize, AYSize,         \
        AHyperLinks, AMouseLink, AHoverRect, APictureCache, APictureContainer, ALineSpacing, ABiDiMode,          \
        AHighlightColor, AHighlightTextColor, AHighlightStyle, AScale

bool HTMLDraw(TAVIN_HTMLDRAW_PARAMETERS)
{
    return DrawWithParameters(THTMLEdition::Full, TAVIN_HTMLDRAW_ARGUMENTS);
}

bool RurHTMLReduced::HTMLDraw(TAVIN_HTMLDRAW_PARAMETERS)
{
    return DrawWithParameters(THTMLEdition::Reduced, TAVIN_HTMLDRAW_ARGUMENTS);
}
