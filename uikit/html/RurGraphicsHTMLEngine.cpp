// The vector renderer's entry and its line loop: each line is measured, aligned and then drawn
// (or measured again at its aligned place for a hit test), all through the drawing object.
#include "RurGraphicsHTMLEngine.h"

#include <algorithm>

#include "Math.h"
#include "RurGraphicsHTMLEngine_Engine.h"
#include "RurUtils.h"

namespace {

constexpr TRectF MeasureBox{0, 0, 10000, 10000};

String DecodeSpecialCharacters(const String& AText)
{
    return TRurUtils::UnFixMarkup(AText, true, true);
}

} // namespace

TGraphicsHTMLEngine::TGraphicsHTMLEngine(TRurGraphics& AGraphics, TRectF ARect,
                                         const THTMLDrawGraphicsOptions& AOptions, THTMLDrawGraphicsResult& AResult)
    : FGraphics(AGraphics), FFont(*AGraphics.Font()), FCaption(ARect), FOptions(AOptions), FResult(AResult),
      FKeptFillColor(AGraphics.Fill()->Color()), FKeptFillKind(AGraphics.Fill()->Kind()),
      FKeptStrokeColor(AGraphics.Stroke()->Color()), FKeptStrokeKind(AGraphics.Stroke()->Kind()),
      FKeptStrokeWidth(AGraphics.Stroke()->Width()), FRequestedControl(AResult.ControlID)
{
    auto copyOfFont = [this]() {
        auto font = std::make_unique<TRurGraphicsFont>();
        font->AssignSource(&FFont);
        return font;
    };
    FKeptFont = copyOfFont();
    FRefFont = copyOfFont();
    FMeasureFont = copyOfFont();
    FDrawFont = copyOfFont();
    FRefColor = FFont.Color();
}

TGraphicsHTMLEngine::~TGraphicsHTMLEngine()
{
    FGraphics.SetFillKind(FKeptFillKind);
    FGraphics.SetStrokeKind(FKeptStrokeKind);
    FGraphics.SetStrokeColor(FKeptStrokeColor);
    FGraphics.SetStrokeWidth(FKeptStrokeWidth);
    FGraphics.SetFillColor(FKeptFillColor);
    AssignFont(FFont, *FKeptFont);
}

bool TGraphicsHTMLEngine::Run(const String& AText)
{
    FResult.StrippedText.clear();
    FResult.FocusAnchor.clear();
    FResult.XSize = 0;
    FResult.YSize = 0;
    FResult.LinkCount = 0;
    FResult.MouseLink = -1;
    FResult.LineCount = 0;
    FResult.ControlRect = TRectF{};
    FResult.ControlValue.clear();
    FResult.ControlType.clear();
    if (!FOptions.HitTest)
        FResult.ControlID.clear();

    String text = PrepareFirstMarkerText(AText, &DecodeSpecialCharacters);
    FGh = Extent(u"gh").cy;
    FLineRect = FCaption;
    while (!text.empty())
        LayOutLine(text);
    if (FResult.YSize == 0)
        FResult.YSize = FGh;
    FResult.LinkCount = FLinks;
    return FResultHit;
}

void TGraphicsHTMLEngine::AssignFont(TRurGraphicsFont& ATarget, const TRurGraphicsFont& ASource)
{
    // Every change of the drawing object's font reaches its back end: most lines keep their font.
    if (ATarget.Name() == ASource.Name() && ATarget.Height() == ASource.Height() &&
        ATarget.Style() == ASource.Style() && ATarget.Color() == ASource.Color())
        return;
    ATarget.AssignSource(&ASource);
}

void TGraphicsHTMLEngine::LayOutLine(String& AText)
{
    // Both passes start from the same anchor and shadow state; the fonts each pass kind left.
    AssignFont(FFont, *FMeasureFont);
    const bool inAnchor = FInAnchor;
    const String anchor = FAnchor;
    const bool shadow = FSwitches.Shadow;
    const int links = FLinks;
    const int listDepth = FListDepth;
    const bool floatBefore = FParFloat != 0;
    TrimHTMLText(AText);
    if (AText.empty())
        return;

    FSubOffset = 0;
    FSupOffset = 0;
    Pass measure;
    measure.Line = FLineRect;
    measure.StartHeight = FGh;
    const std::size_t before = AText.size();
    FStripping = true;
    const String lineText = DrawLine(AText, measure);
    FStripping = false;
    // A line always takes something, so the loop ends on any text.
    if (AText.size() == before)
        AText.erase(0, 1);
    ++FResult.LineCount;

    FInAnchor = inAnchor;
    FAnchor = anchor;
    FSwitches.Shadow = shadow;
    AssignFont(*FMeasureFont, FFont);
    const float height = measure.Height + float(FOptions.LineSpacing);

    TRectF drawRect = FLineRect;
    drawRect.Left = AlignedLineLeft(FAlign, FLineRect.Left, FLineRect.Right, measure.Width);
    drawRect.Left += FParIndent;
    drawRect.Right += FParIndent;
    drawRect.Bottom = FLineRect.Top + height + FSubOffset + FSupOffset;

    if (!FOptions.MeasureOnly) {
        AssignFont(FFont, *FDrawFont);
        FLinks = links;
        FListDepth = listDepth;
        Pass second;
        second.Measuring = FOptions.HitTest;
        second.Line = drawRect;
        second.StartHeight = height;
        String drawText = lineText;
        DrawLine(drawText, second);
        AssignFont(*FDrawFont, FFont);
        FLineRect.Left = FCaption.Left + FFloatLeft;
        FLineRect.Right = FCaption.Right - FFloatRight;
        if (drawRect.Top > FFloatBottom) {
            FFloatLeft = 0;
            FFloatRight = 0;
            FLineRect.Left = FCaption.Left;
            FLineRect.Right = FCaption.Right;
        }
        const float bottom = drawRect.Bottom - FImageOffset;
        if (FImageHit || FControlHit ||
            (FTextHit && float(FOptions.Y) > bottom - FGh && float(FOptions.Y) < bottom))
            FResultHit = true;
    }
    FContIndent = FNextContIndent;

    if (!floatBefore && FParFloat != 0) {
        // A floating paragraph: the next line starts beside it, where the tag stood.
        FLineRect.Left = FParFloatAt.X;
        FLineRect.Top = FParFloatAt.Y;
        FParFloat = 0;
    } else {
        FImageOffset = 0;
        const float advance = height + FSubOffset + FSupOffset;
        FLineRect.Top += advance;
        FResult.YSize += advance;
    }
    ++FLineIndex;
    if (!FOptions.MeasureOnly && FCaption.Bottom + 1 < FLineRect.Top + FGh)
        AText.clear();
}

String TGraphicsHTMLEngine::DrawLine(String& AText, Pass& APass)
{
    APass.Pen = APass.Line.Left + FContIndent;
    FTextHit = false;
    FImageHit = false;
    FControlHit = false;
    if (!APass.Measuring && FParBackground)
        FillSolid({FCaption.Left, APass.Line.Top, FCaption.Right, APass.Line.Top + APass.StartHeight}, FParColor);

    WalkHTMLLine(
        AText, FOptions.WordWrap, [&] { return APass.LineEnded || APass.StopBefore; },
        [&](std::size_t APos, std::size_t ALength) {
            if (FSwitches.Hidden) {
                // Hidden text counts for the height and the stripped text only, and leaves the line.
                String fragment = AText.substr(APos, ALength);
                DecodeFragmentEntities(fragment);
                APass.Height = std::max({APass.Height, APass.StartHeight, Extent(fragment).cy});
                if (FStripping)
                    FResult.StrippedText += fragment;
                AText.erase(APos, ALength);
                return THTMLStep::Removed;
            }
            const std::size_t consumed = APass.LineText.size();
            TextRun(APass, AText, APos, ALength);
            return APass.LineText.size() == consumed ? THTMLStep::Stop : THTMLStep::Next;
        },
        [&](const String& ATag) { return TakeLineTag(APass, ATag, [&] { Tag(APass, ATag); }); });
    if (APass.Height == 0)
        APass.Height = APass.StartHeight;
    if (APass.TrailingBlank)
        APass.Width -= Extent(u" ").cx;
    if (FResult.XSize < APass.Width)
        FResult.XSize = APass.Width + 2;
    return APass.LineText;
}

void TGraphicsHTMLEngine::TextRun(Pass& APass, const String& AText, std::size_t APos, std::size_t ALength)
{
    String run = AText.substr(APos, ALength);
    const int replaced = DecodeFragmentEntities(run);
    const TSizeF size = Extent(run);
    if (FSwitches.Sub && FSubOffset < size.cy / 4)
        FSubOffset = size.cy / 4;
    if (FSwitches.Sup && FSupOffset < size.cy / 4)
        FSupOffset = size.cy / 4;
    APass.Height = std::max({APass.Height, APass.StartHeight, size.cy});

    APass.Width += size.cx;
    if (FStripping) {
        const float available = APass.Line.Width() - FContIndent;
        const bool fits = APass.Width < available + 1 || size.cx >= available;
        if (!fits && FOptions.WordWrap) {
            APass.LineEnded = true;
            APass.Width -= size.cx;
            return;
        }
    }
    if (APass.Measuring) {
        const float x = float(FOptions.X);
        if (FInAnchor && x >= APass.Pen && x <= APass.Pen + size.cx) {
            FTextHit = true;
            if (float(FOptions.Y) > APass.Line.Top) {
                FResult.Anchor = FAnchor;
                FHoverPending = true;
                FPendingLink = FLinks;
            }
        }
    } else {
        DrawRun(APass, run, size);
    }
    APass.Pen += size.cx;
    APass.LineText.append(AText, APos, ALength);
    APass.TrailingBlank = replaced == 0 && !run.empty() && run.back() == u' ';
    if (FStripping)
        FResult.StrippedText += run;
}

void TGraphicsHTMLEngine::DrawRun(const Pass& APass, const String& ARun, TSizeF ASize)
{
    float bottom = APass.Line.Bottom - FImageOffset;
    if (FSwitches.Sup)
        bottom -= FSupOffset;
    if (FSwitches.Sub)
        bottom += FSubOffset;
    // The run's own box, on the line's bottom.
    TRectF r{APass.Pen, bottom - ASize.cy, APass.Pen + ASize.cx, bottom};
    if (FBackground != -1)
        FillSolid(r, FBackground);
    // The text's box has room beyond the measured width: a back end that pads its measure would
    // otherwise trim the last character.
    const TRectF box{r.Left, r.Top, r.Right + ASize.cy, r.Bottom};
    if (FSwitches.Shadow && FOptions.ShadowColor != -1) {
        const TColor color = FFont.Color();
        const float offset = float(FOptions.ShadowOffset);
        FFont.SetColor(FOptions.ShadowColor);
        FGraphics.DrawText(TRectF{box.Left + offset, box.Top + offset, box.Right + offset, box.Bottom + offset}, ARun,
                           false, gtaLeading, gtaCenter, gttNone, 0, -1, -1, false);
        FFont.SetColor(color);
    }
    FGraphics.DrawText(box, ARun, false, gtaLeading, gtaCenter, gttNone, 0, -1, -1, false);
    if (FInFocusedAnchor)
        FResult.FocusAnchor = FAnchor;
    if (FErrorMark)
        ErrorZigzag(APass.Pen, APass.Pen + ASize.cx, APass.Line.Bottom);
}

void TGraphicsHTMLEngine::ErrorZigzag(float AFrom, float ATo, float ABottom)
{
    FGraphics.SetStrokeKind(gskSolid);
    FGraphics.SetStrokeColor(clRed);
    FGraphics.SetStrokeWidth(1);
    // The phase follows x, so that neighbouring runs join.
    auto yAt = [ABottom](int x) { return (x % 4 == 0) ? ABottom - 1 : ABottom + 1; };
    for (int x = int(Round(AFrom)) & ~1; float(x) < ATo; x += 2)
        FGraphics.DrawLine(TPointF{float(x), yAt(x)}, TPointF{float(x + 2), yAt(x + 2)}, gcpmRightDown,
                           gcpmRightDown);
}

TSizeF TGraphicsHTMLEngine::Extent(const String& AText)
{
    // Each run is measured in both passes of its line: the second time it comes from here.
    String key = FFont.Name();
    key += Char(FFont.Height() & 0xFFFF);
    key += Char(FFont.Style().Contains(fsBold) | FFont.Style().Contains(fsItalic) << 1);
    key += u'\0';
    key += AText;
    if (const auto found = FExtents.find(key); found != FExtents.end())
        return found->second;
    TRectF r = FGraphics.CalculateText(AText, MeasureBox, false, false);
    if (!AText.empty() && AText.back() == u' ') {
        // A back end may leave trailing blanks out of the extent: a stop after them keeps them,
        // and the stop's own width goes again.
        const TRectF stop = FGraphics.CalculateText(u".", MeasureBox, false, false);
        r = FGraphics.CalculateText(AText + u".", MeasureBox, false, false);
        r.Right -= stop.Right - stop.Left;
    }
    const TSizeF size{r.Right - r.Left, r.Bottom - r.Top};
    FExtents.emplace(std::move(key), size);
    return size;
}

void TGraphicsHTMLEngine::FillSolid(TRectF ARect, TColor AColor)
{
    FGraphics.SetFillKind(gfkSolid);
    FGraphics.SetFillColor(AColor);
    FGraphics.SetStrokeKind(gskSolid);
    FGraphics.SetStrokeColor(AColor);
    FGraphics.SetStrokeWidth(1);
    FGraphics.DrawRectangle(ARect, gcrmShrinkAll);
}

bool HTMLDrawGraphics(TRurGraphics& AGraphics, const String& AText, TRectF ARect,
                      const THTMLDrawGraphicsOptions& AOptions, THTMLDrawGraphicsResult& AResult)
{
    TGraphicsHTMLEngine engine(AGraphics, ARect, AOptions, AResult);
    return engine.Run(AText);
}

bool HTMLDrawGraphics(TRurGraphics* AGraphics, const String& AText, TRectF ARect, int AX, int AY, int AFocusLink,
                      int AHoverLink, int AShadowOffset, bool ACheckAnchor, bool ACheckHeight, bool AIsPrinting,
                      bool ASelected, bool ABlink, bool AHoverStyle, bool AWordWrap, bool AControlFocus,
                      const String& AFocusControlID, double AResFactor, TColor AURLColor, TColor AHoverColor,
                      TColor AHoverFontColor, TColor AShadowColor, String& AAnchorVal, String& AStripVal,
                      String& AFocusAnchor, float& AXSize, float& AYSize, int& AHyperLinks, int& AMouseLink,
                      TRectF& AHoverRect, TRectF& AControlRect, String& AControlID, String& AControlValue,
                      String& AControlType, int& ALineCount, int ALineSpacing, TPictureContainer* APictureContainer,
                      float, bool AURLUnderline, TCustomImageList* AImages, TColor AHighlightColor,
                      TColor AHighlightTextColor, TFontStyles AHighlightFontStyle)
{
    THTMLDrawGraphicsOptions options;
    options.X = AX;
    options.Y = AY;
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
    options.ControlFocus = AControlFocus;
    options.FocusControlID = AFocusControlID;
    options.PrintScale = AResFactor;
    options.URLColor = AURLColor;
    options.HoverBackground = AHoverColor;
    options.HoverFontColor = AHoverFontColor;
    options.ShadowColor = AShadowColor;
    options.LineSpacing = ALineSpacing;
    options.PictureContainer = APictureContainer;
    options.URLUnderline = AURLUnderline;
    options.Images = AImages;
    options.HighlightBackground = AHighlightColor;
    options.HighlightText = AHighlightTextColor;
    options.HighlightStyle = AHighlightFontStyle;
    THTMLDrawGraphicsResult result;
    result.Anchor = AAnchorVal;
    result.HoverRect = AHoverRect;
    result.ControlID = AControlID;
    const bool hit = HTMLDrawGraphics(*AGraphics, AText, ARect, options, result);
    AAnchorVal = result.Anchor;
    AStripVal = result.StrippedText;
    AFocusAnchor = result.FocusAnchor;
    AXSize = result.XSize;
    AYSize = result.YSize;
    AHyperLinks = result.LinkCount;
    AMouseLink = result.MouseLink;
    AHoverRect = result.HoverRect;
    AControlRect = result.ControlRect;
    AControlID = result.ControlID;
    AControlValue = result.ControlValue;
    AControlType = result.ControlType;
    ALineCount = result.LineCount;
    return hit;
}

namespace {

// The drawing object's markup, with its own link, highlight, picture and image settings.
bool RenderGraphicsMarkup(TRurGraphicsHTMLRequest& ARequest)
{
    TRurGraphics& graphics = *ARequest.Graphics;
    THTMLDrawGraphicsOptions options;
    options.X = ARequest.X;
    options.Y = ARequest.Y;
    options.HitTest = ARequest.HitTest;
    options.MeasureOnly = ARequest.MeasureOnly;
    options.WordWrap = ARequest.WordWrap;
    options.ShadowColor = -1;
    options.URLColor = graphics.URLColor();
    options.URLUnderline = graphics.URLUnderline();
    options.PictureContainer = graphics.PictureContainer();
    options.Images = graphics.ImageList();
    options.HighlightBackground = graphics.HighlightColor();
    options.HighlightText = graphics.HighlightTextColor();
    options.HighlightStyle = graphics.HighlightFontStyle();
    THTMLDrawGraphicsResult result;
    result.ControlID = ARequest.ControlID;
    const bool hit = HTMLDrawGraphics(graphics, ARequest.Text, ARequest.Rect, options, result);
    ARequest.XSize = result.XSize;
    ARequest.YSize = result.YSize;
    ARequest.LineCount = result.LineCount;
    ARequest.Anchor = result.Anchor;
    ARequest.ControlID = result.ControlID;
    ARequest.ControlValue = result.ControlValue;
    ARequest.ControlType = result.ControlType;
    return hit;
}

} // namespace

void InitializeRurGraphicsHTMLEngineUnit() { TRurGraphics::SetHTMLRenderer(&RenderGraphicsMarkup); }
void FinalizeRurGraphicsHTMLEngineUnit() { TRurGraphics::SetHTMLRenderer(nullptr); }
