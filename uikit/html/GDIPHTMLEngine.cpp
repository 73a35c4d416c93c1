// The GDI+ caption engine: the line loop of the GDI engine with GDI+ text, a smaller tag set and
// its own fit rules.
#include "GDIPHTMLEngine.h"

#include <algorithm>
#include <memory>

#include "GDIPPictureContainer.h"
#include "ImgList.h"
#include "Math.h"

using namespace RurGDIP;

namespace {

void SetStyle(TFont& AFont, TFontStyle AStyle, bool AOn)
{
    TFontStyles style = AFont.Style();
    if (AOn)
        style.Include(AStyle);
    else
        style.Exclude(AStyle);
    AFont.SetStyle(style);
}

class THTMLGDIPEngine {
public:
    THTMLGDIPEngine(TGPGraphics& AGraphics, const TFont& AFont, const TRect& ARect,
                    const THTMLDrawGDIPOptions& AOptions, THTMLDrawGDIPResult& AResult)
        : FGraphics(AGraphics), FRect(ARect), FOptions(AOptions), FResult(AResult)
    {
        FFont.Assign(&AFont);
        if (AOptions.Scale > 0)
            FFont.SetHeight(int(Round(FFont.Height() * double(AOptions.Scale))));
        FRefFont.Assign(&FFont);
        FLineStartFont.Assign(&FFont);
        FBlinkColor = FBrush.Color();
        FBrush.SetColor(clNone);
        FIndent = AOptions.Scale > 1 ? int(Round(12 * double(AOptions.Scale))) : 12;
    }

    bool Run(const String& AText);

private:
    struct Pass {
        bool Measuring = true;
        bool Drawing = false;
        TRect Line{};
        int Pen = 0;
        int Width = 0;
        int Height = 0;
        bool LineEnded = false;
        bool ListItemSeen = false;
        bool StopBefore = false; // the tag starts the next line
        bool EndsWithBlank = true;
        String LineText;
    };

    String DrawLine(String& AText, Pass& APass);
    void Run(Pass& APass, const String& AText, std::size_t APos, std::size_t ALength);
    void DrawRun(Pass& APass, const String& ARun, int AWidth, const String& AFollowing);
    void Tag(Pass& APass, const String& ATag);
    void Opening(Pass& APass, THTMLTagKind AKind, const String& ATag, const String& AUpper);
    void Closing(Pass& APass, THTMLTagKind AKind);
    void Image(Pass& APass, const String& ATag, const String& AUpper);
    void ListItem(Pass& APass, const String& AUpper);
    // The picture container's picture of that name; nil without a container or such a picture.
    TRurGDIPPicture* ContainerPicture(const String& AName) const
    {
        return FOptions.PictureContainer ? FOptions.PictureContainer->FindPicture(AName) : nullptr;
    }
    int Measure(const String& AText);
    TColor Background() const { return FBrush.Style() == bsClear ? clNone : FBrush.Color(); }
    void SetBackground(TColor AColor)
    {
        if (AColor == clNone)
            FBrush.SetStyle(bsClear);
        else
            FBrush.SetColor(AColor);
    }

    TGPGraphics& FGraphics;
    const TRect FRect;
    const THTMLDrawGDIPOptions& FOptions;
    THTMLDrawGDIPResult& FResult;
    TFont FFont, FRefFont, FLineStartFont, FDrawFont;
    TBrush FBrush;
    TColor FBlinkColor = clWhite;
    int FIndent = 12;
    int FGh = 0;

    // Per line.
    int FSubOffset = 0;
    int FSupOffset = 0;
    int FImageOffset = 0;
    THTMLAlign FAlign = THTMLAlign::Left;
    int FParIndent = 0;
    int FOffset = 0;
    int FNextOffset = 0;
    bool FMouseInAnchor = false;
    bool FImageHit = false;
    bool FResultHit = false;
    int FLineIndex = 0;
    bool FStripping = false; // the first pass of a line adds to the stripped text

    // Text state.
    int FLinks = 0;
    int FLevel = 0;
    bool FInAnchor = false;
    String FAnchor;
    String FTitle;
    THTMLTextSwitches FSwitches;
    bool FErrorMark = false;
    bool FInFocusedAnchor = false;
    bool FAnchorStyled = false;
    bool FHoverPending = false;
    int FPendingLink = 0;
    TPoint FAnchorStart{};
    int FAnchorStartLine = -1;
    TColor FSavedBrush = clNone;
    TColor FSavedAnchorBrush = clNone;
    TColor FSavedAnchorFont = clNone;
    TColor FHiColor = clNone;
    TColor FHiBrush = clNone;
};

String DecodeFullEntities(const String& AText)
{
    return DecodeNamedEntities(AText, THTMLEdition::Full);
}

int THTMLGDIPEngine::Measure(const String& AText)
{
    TRect r(0, 0, 10000, 10000);
    FGraphics.DrawText(AText, int(AText.size()), r, &FFont, DT_CALCRECT, clNone);
    return r.Width();
}

bool THTMLGDIPEngine::Run(const String& AText)
{
    FResult.StrippedText.clear();
    FResult.FocusAnchor.clear();
    FResult.Anchor.clear();
    FResult.XSize = 0;
    FResult.YSize = 0;
    FResult.LinkCount = 0;
    FResult.MouseLink = -1;
    TRect line = FRect;
    line.Left += 1;
    String text = PrepareFirstMarkerText(AText, &DecodeFullEntities);
    FDrawFont.Assign(&FFont);
    while (!text.empty()) {
        FFont.Assign(&FLineStartFont);
        FGh = FGraphics.TextHeight(u"gh", &FFont);
        FSubOffset = 0;
        FSupOffset = 0;
        Pass measure;
        measure.Line = line;
        measure.Height = FGh;
        const int links = FLinks;
        const int level = FLevel;
        const bool inAnchor = FInAnchor;
        const std::size_t before = text.size();
        FStripping = true;
        const String lineText = DrawLine(text, measure);
        FStripping = false;
        if (text.size() == before)
            text.erase(0, 1);
        FLineStartFont.Assign(&FFont);
        if (!text.empty())
            measure.Height += FOptions.LineSpacing;
        TRect drawRect = line;
        drawRect.Left = AlignedLineLeft(FAlign, line.Left, line.Right, measure.Width);
        drawRect.Left += FParIndent;
        drawRect.Bottom = line.Top + measure.Height + FSubOffset + FSupOffset;
        if (!FOptions.MeasureOnly) {
            FFont.Assign(&FDrawFont);
            FLinks = links;
            FLevel = level;
            FInAnchor = inAnchor;
            Pass second;
            second.Drawing = !FOptions.HitTest;
            second.Measuring = FOptions.HitTest;
            second.Line = drawRect;
            second.Height = measure.Height;
            String copy = lineText;
            DrawLine(copy, second);
            const int bottom = drawRect.Bottom - FImageOffset;
            if (FImageHit || (FMouseInAnchor && FOptions.MouseY > bottom - FGh && FOptions.MouseY < bottom))
                FResultHit = true;
            FDrawFont.Assign(&FFont);
        }
        FOffset = FNextOffset;
        FImageOffset = 0;
        const int advance = measure.Height + FSubOffset + FSupOffset;
        line.Top += advance;
        FResult.YSize += advance;
        ++FLineIndex;
        if (!FOptions.MeasureOnly && line.Top + FGh > FRect.Bottom)
            break;
    }
    if (FResult.YSize == 0)
        FResult.YSize = FGraphics.TextHeight(u"gh", &FFont);
    FResult.YSize += 2;
    FResult.LinkCount = FLinks;
    return FResultHit;
}

String THTMLGDIPEngine::DrawLine(String& AText, Pass& APass)
{
    APass.Pen = APass.Line.Left + FOffset;
    const int start = APass.Height;
    APass.Height = 0;
    FMouseInAnchor = false;
    FImageHit = false;
    WalkHTMLLine(
        AText, FOptions.WordWrap, [&] { return APass.LineEnded || APass.StopBefore; },
        [&](std::size_t APos, std::size_t ALength) {
            if (APass.Height == 0)
                APass.Height = start;
            const std::size_t consumed = APass.LineText.size();
            Run(APass, AText, APos, ALength);
            return APass.LineText.size() == consumed ? THTMLStep::Stop : THTMLStep::Next;
        },
        [&](const String& ATag) { return TakeLineTag(APass, ATag, [&] { Tag(APass, ATag); }); });
    if (APass.Height == 0)
        APass.Height = start;
    if (FResult.XSize < APass.Width)
        FResult.XSize = APass.Width + 2;
    return APass.LineText;
}

void THTMLGDIPEngine::Run(Pass& APass, const String& AText, std::size_t APos, std::size_t ALength)
{
    String run = AText.substr(APos, ALength);
    DecodeFragmentEntities(run);
    const int height = FGraphics.TextHeight(run, &FFont);
    if (FSwitches.Sub && FSubOffset < height / 4)
        FSubOffset = height / 2;
    if (FSwitches.Sup && FSupOffset < height / 4)
        FSupOffset = height / 2;
    APass.Height = std::max(APass.Height, height);
    const bool firstPass = APass.Measuring && !APass.Drawing && FStripping;
    if (FSwitches.Hidden) {
        if (firstPass)
            FResult.StrippedText += run;
        APass.LineText.append(AText, APos, ALength);
        return;
    }
    const int width = run == u" " ? 0 : Measure(run);
    const int available = APass.Line.Width() - FOffset;
    // No break inside a word: a run that does not fit moves on only after a blank.
    const bool fits = APass.Width + width <= available + 1 || width >= available;
    if (firstPass && !fits && FOptions.WordWrap && APass.EndsWithBlank && APass.Width > 0) {
        APass.LineEnded = true;
        return;
    }
    if (APass.Measuring) {
        const int x = FOptions.MouseX - APass.Line.Left;
        const int from = APass.Pen - APass.Line.Left;
        if (FInAnchor && x >= from && x <= from + width) {
            FMouseInAnchor = true;
            if (FOptions.MouseY > APass.Line.Top && FOptions.MouseY < APass.Line.Top + FGh) {
                FResult.Anchor = FAnchor;
                FResult.FocusAnchor = FTitle;
                FHoverPending = true;
                FPendingLink = FLinks;
            }
        }
    }
    if (APass.Drawing)
        DrawRun(APass, run, width, AText.substr(APos + ALength));
    APass.Pen += width;
    APass.Width += width;
    APass.EndsWithBlank = !run.empty() && run.back() == u' ';
    APass.LineText.append(AText, APos, ALength);
    if (firstPass)
        FResult.StrippedText += run;
    // An over-wide run ends its line; it still counts for the line's width.
    if (firstPass && FOptions.WordWrap && width >= available)
        APass.LineEnded = true;
}

void THTMLGDIPEngine::DrawRun(Pass& APass, const String& ARun, int AWidth, const String& AFollowing)
{
    TRect r(APass.Pen, APass.Line.Top, APass.Pen + AWidth, APass.Line.Bottom);
    if (FSwitches.Sup) {
        r.Bottom -= FSupOffset;
        r.Top -= FSupOffset / 2;
    }
    if (FSwitches.Sub) {
        r.Bottom += FSubOffset;
        r.Top += FSubOffset / 2;
    }
    r.Bottom -= FImageOffset;
    // Text sits on the line's bottom.
    const int height = FGraphics.TextHeight(ARun, &FFont);
    TRect text(r.Left, r.Bottom - height, r.Right, r.Bottom);
    if (FSwitches.Shadow) {
        const TColor color = FFont.Color();
        FFont.SetColor(FOptions.ShadowColor);
        TRect shadow(text.Left + FOptions.ShadowOffset, text.Top + FOptions.ShadowOffset,
                     text.Right + FOptions.ShadowOffset, text.Bottom + FOptions.ShadowOffset);
        FGraphics.DrawText(ARun, int(ARun.size()), shadow, &FFont, 0, Background());
        FFont.SetColor(color);
    }
    if (ARun != u" ") {
        // An underlined link runs its underline under the gap to its next word.
        String drawn = ARun;
        String next = AFollowing;
        const std::size_t blank = next.find(u' ');
        if (blank != String::npos)
            next = next.substr(0, blank + 1);
        next = next.substr(0, next.find(u'<'));
        if (FFont.Style().Contains(fsUnderline) && !next.empty()) {
            const String upper = HTMLUpperTag(ARun + AFollowing);
            const std::size_t close = upper.find(u"</A");
            if (close != String::npos && upper.find(u' ') < close)
                drawn += u"_";
        }
        FGraphics.DrawText(drawn, int(drawn.size()), text, &FFont, 0, Background());
    }
    if (FInFocusedAnchor)
        FResult.FocusAnchor = FAnchor;
    if (FErrorMark) {
        TGPPen pen(MakeColor(255, clRed), 1);
        const int bottom = APass.Line.Bottom;
        int x = r.Left & ~1;
        bool up = false;
        while (x <= r.Left + AWidth) {
            FGraphics.DrawLine(&pen, float(x), float(up ? bottom - 4 : bottom - 2), float(x + 2),
                               float(up ? bottom - 2 : bottom - 4));
            up = !up;
            x += 2;
        }
    }
}

void THTMLGDIPEngine::Tag(Pass& APass, const String& ATag)
{
    const THTMLTag tag = ClassifyHTMLTag(ATag, THTMLEdition::Full);
    if (FSwitches.Apply(tag))
        return;
    if (tag.Closing)
        Closing(APass, tag.Kind);
    else
        Opening(APass, tag.Kind, ATag, HTMLUpperTag(ATag));
}

void THTMLGDIPEngine::Opening(Pass& APass, THTMLTagKind AKind, const String& ATag, const String& AUpper)
{
    using K = THTMLTagKind;
    String value;
    switch (AKind) {
    case K::Anchor: {
        const bool focused = FLinks == FOptions.FocusLink;
        ++FLinks;
        const bool hovered = FLinks == FOptions.HoverLink;
        FAnchorStyled = false;
        if (APass.Drawing) {
            if (!FOptions.HoverOnlyStyling || hovered) {
                FAnchorStyled = true;
                SetStyle(FFont, fsUnderline, true);
                FSavedAnchorBrush = Background();
                FSavedAnchorFont = FFont.Color();
                if (FOptions.HoverBackground != clNone)
                    SetBackground(FOptions.HoverBackground);
                if (FOptions.HoverFontColor != clNone)
                    FFont.SetColor(FOptions.HoverFontColor);
            }
            if (!FOptions.Selected && !(FOptions.HoverOnlyStyling && hovered && FOptions.HoverFontColor != clNone))
                FFont.SetColor(FOptions.LinkColor);
            FInFocusedAnchor = focused;
        }
        if (HTMLTagAttribute(AUpper, ATag, u"HREF", value)) {
            FAnchor = value;
            FInAnchor = true;
        }
        FTitle = HTMLTagAttribute(AUpper, ATag, u"TITLE", value) ? value : String();
        FAnchorStart = TPoint(APass.Pen, APass.Line.Top);
        FAnchorStartLine = FLineIndex;
        break;
    }
    case K::Bold:
        SetStyle(FFont, fsBold, true);
        break;
    case K::Italic:
        SetStyle(FFont, fsItalic, true);
        break;
    case K::Underline:
        SetStyle(FFont, fsUnderline, true);
        break;
    case K::Strike:
        if (ATag.size() > 2 && (ATag[2] == u'>'))
            SetStyle(FFont, fsStrikeOut, true);
        break;
    case K::Blink:
        if (!FOptions.BlinkVisible)
            FFont.SetColor(FBlinkColor);
        break;
    case K::Body:
        if (APass.Drawing && !FOptions.Selected && HTMLTagAttribute(AUpper, u"BGCOLOR", value)) {
            if (AUpper.find(u"BGCOLORTO") != String::npos) {
                FBrush.SetStyle(bsClear);
            } else {
                FSavedBrush = Background();
                SetBackground(HTMLColorValue(value));
            }
        }
        break;
    case K::Break:
        if (APass.Measuring && !APass.Drawing && FStripping)
            FResult.StrippedText += u'\r';
        APass.LineEnded = true;
        break;
    case K::Error:
        FErrorMark = true;
        break;
    case K::Font: {
        if (HTMLTagAttribute(AUpper, u"FACE", value))
            FFont.SetName(value);
        if (APass.Drawing && !FOptions.Selected) {
            if (HTMLTagAttribute(AUpper, u" COLOR", value))
                FFont.SetColor(HTMLColorValue(value));
            if (HTMLTagAttribute(AUpper, u"BGCOLOR", value)) {
                FSavedBrush = Background();
                SetBackground(HTMLColorValue(value));
            }
        }
        if (int n = 0; HTMLFontSizeValue(AUpper, n))
            FFont.SetSize(HTMLAbsoluteFontSize(n));
        break;
    }
    case K::Highlight:
        if (APass.Drawing) {
            FHiColor = FFont.Color();
            FHiBrush = Background();
            SetBackground(clHighlight);
            FFont.SetColor(clHighlightText);
        }
        break;
    case K::Rule:
        APass.LineEnded = true;
        if (APass.Drawing) {
            TGPPen pen(MakeColor(255, clBlack), 1);
            FGraphics.DrawLine(&pen, float(APass.Line.Left), float(APass.Line.Bottom + 1), float(APass.Line.Right),
                               float(APass.Line.Bottom + 1));
        }
        break;
    case K::Indent:
        if (HTMLTagAttribute(AUpper, u"X", value)) {
            const int x = HTMLIntegerValue(value);
            if (APass.Pen < x)
                APass.Pen = FRect.Left + x;
        }
        break;
    case K::Image:
        Image(APass, ATag, AUpper);
        break;
    case K::Emoji:
        if (!FSwitches.Hidden && ATag.size() >= 5) {
            TGPGraphicsCanvas canvas(FGraphics);
            APass.Pen += DrawEmojiRun(canvas.Canvas(), APass.Pen, APass.Line.Top, canvas.Canvas().Font()->Size(),
                                      ATag.substr(3, 2), !APass.Drawing);
        }
        break;
    case K::ListItem:
        ListItem(APass, AUpper);
        break;
    case K::Offset:
        if (HTMLTagAttribute(AUpper, u"X", value)) {
            FNextOffset = HTMLIntegerValue(value);
            APass.Pen = FRect.Left + FNextOffset;
        }
        break;
    case K::Paragraph:
        if (HTMLTagAttribute(AUpper, u"ALIGN", value))
            FAlign = HTMLAlignValue(value, FAlign);
        if (HTMLTagAttribute(AUpper, u"INDENT", value))
            FParIndent = HTMLIntegerValue(value);
        break;
    case K::UnorderedList:
        ++FLevel;
        APass.LineEnded = true;
        break;
    default:
        break;
    }
}

void THTMLGDIPEngine::Closing(Pass& APass, THTMLTagKind AKind)
{
    using K = THTMLTagKind;
    switch (AKind) {
    case K::Anchor:
        if (APass.Drawing && FAnchorStyled) {
            SetStyle(FFont, fsUnderline, false);
            if (FOptions.HoverBackground != clNone)
                SetBackground(FSavedAnchorBrush);
            if (FOptions.HoverFontColor != clNone)
                FFont.SetColor(FSavedAnchorFont);
        }
        if (!FOptions.Selected)
            FFont.SetColor(FRefFont.Color());
        FInAnchor = false;
        FInFocusedAnchor = false;
        if (APass.Measuring && FHoverPending) {
            const bool sameLine = FAnchorStartLine == FLineIndex;
            FResult.HoverRect = TRect(sameLine ? FAnchorStart.X : APass.Line.Left,
                                      sameLine ? FAnchorStart.Y : APass.Line.Top, APass.Pen, APass.Line.Bottom);
            FResult.MouseLink = FPendingLink;
            FHoverPending = false;
        }
        break;
    case K::Bold:
        SetStyle(FFont, fsBold, false);
        break;
    case K::Italic:
        SetStyle(FFont, fsItalic, false);
        break;
    case K::Underline:
        SetStyle(FFont, fsUnderline, false);
        break;
    case K::BodyOrBlinkEnd:
        FFont.SetColor(FRefFont.Color());
        break;
    case K::Error:
        FErrorMark = false;
        break;
    case K::Font:
        FFont.SetName(FRefFont.Name());
        FFont.SetHeight(FRefFont.Height());
        if (APass.Drawing && !FOptions.Selected) {
            FFont.SetColor(FRefFont.Color());
            SetBackground(FSavedBrush);
        }
        break;
    case K::Highlight:
        if (APass.Drawing) {
            FFont.SetColor(FHiColor);
            SetBackground(FHiBrush);
        }
        break;
    case K::LineEnd:
        APass.LineEnded = true;
        break;
    case K::Offset:
    case K::OrderedList:
        FNextOffset = 0;
        break;
    case K::Paragraph:
        APass.LineEnded = true;
        if (APass.Drawing)
            FBrush.SetStyle(bsClear);
        break;
    case K::Strike:
    case K::Strong:
    case K::Span:
        SetStyle(FFont, fsStrikeOut, false);
        break;
    case K::UnorderedList:
        if (FLevel > 0)
            --FLevel;
        break;
    default:
        break;
    }
}

void THTMLGDIPEngine::Image(Pass& APass, const String& ATag, const String& AUpper)
{
    String src, value;
    HTMLTagAttribute(AUpper, ATag, u"SRC", src);
    const String kind = HTMLUpperTag(src.substr(0, 5));
    TSize item{0, 0};
    if (src.find(u':') == String::npos) {
        TRurGDIPPicture* picture = ContainerPicture(src);
        if (picture && !picture->Empty()) {
            const int width = HTMLTagAttribute(AUpper, u"WIDTH", value) ? HTMLIntegerValue(value) : 0;
            const int height = HTMLTagAttribute(AUpper, u"HEIGHT", value) ? HTMLIntegerValue(value) : 0;
            if (width >= 1 && height >= 1) {
                item = TSize{width, height};
            } else {
                picture->GetImageSizes();
                item = TSize{picture->Width(), picture->Height()};
            }
            if (APass.Drawing)
                picture->GDIPDraw(FGraphics, Bounds(APass.Pen, APass.Line.Top, item.cx, item.cy));
        }
    } else if (kind.rfind(u"IDX:", 0) == 0) {
        const int index = HTMLIntegerValue(src.substr(4));
        TCustomImageList* images = FOptions.Images;
        if (images && index >= 0 && index < images->Count()) {
            item = TSize{images->Width(), images->Height()};
            if (APass.Drawing && !FOptions.Printing) {
                TGPGraphicsCanvas target(FGraphics);
                images->Draw(&target.Canvas(), APass.Pen, APass.Line.Top, index);
            }
        }
    } else if (kind == u"SSYS:" || kind == u"LSYS:") {
        TGPGraphicsCanvas target(FGraphics);
        DrawShellIcon(target.Canvas(), APass.Pen, APass.Line.Top, item, FOptions.PrintScale, FOptions.Printing,
                      APass.Drawing, kind[0] == u'L', src.substr(5));
    }
    const int x = FOptions.MouseX - APass.Line.Left;
    const int from = APass.Pen - APass.Line.Left;
    if (FInAnchor && x > from && x < from + item.cx && FOptions.MouseY > APass.Line.Top &&
        FOptions.MouseY < APass.Line.Top + item.cy) {
        FImageHit = true;
        FResult.Anchor = FAnchor;
        FResult.FocusAnchor = FTitle;
    }
    const int lineWidth = APass.Line.Width();
    if (APass.Measuring && !APass.Drawing && APass.Width > 0 && lineWidth < APass.Width + item.cx &&
        lineWidth > item.cx) {
        APass.StopBefore = true;
        return;
    }
    APass.Pen += item.cx;
    APass.Width += item.cx;
    APass.Height = std::max(APass.Height, item.cy);
    if (AUpper.find(u"\"TOP") != String::npos)
        FImageOffset = std::max(APass.Height - FGh, 0);
    else if (HTMLTagAttribute(AUpper, u"ALIGN", value) && value.rfind(u"MIDDLE", 0) == 0)
        FImageOffset = std::max((APass.Height - FGh) / 2, 0);
    if (AUpper.find(u"WRAP") != String::npos) {
        APass.Height = FGh;
        FImageOffset = 0;
    }
}

void THTMLGDIPEngine::ListItem(Pass& APass, const String& AUpper)
{
    if (APass.ListItemSeen) {
        APass.StopBefore = true;
        return;
    }
    APass.ListItemSeen = true;
    String type, value;
    HTMLTagAttribute(AUpper, u"TYPE", type);
    const TColor color = HTMLTagAttribute(AUpper, u"COLOR", value) ? HTMLColorValue(value) : clNone;
    APass.Width += FLevel * FIndent;
    APass.Pen += std::max(FLevel - 1, 0) * FIndent;
    if (APass.Drawing && !FSwitches.Hidden) {
        const float x = float(APass.Pen);
        const float y = float(APass.Line.Top + 2);
        // Without a colour the value of clNone is taken as it is: a white bullet.
        TGPSolidBrush brush(MakeColor(255, color));
        if (type == u"SQUARE") {
            FGraphics.FillRectangle(&brush, x, y, 8.0f, 8.0f);
        } else if (type == u"CIRCLE") {
            FGraphics.FillEllipse(&brush, x, y, 8.0f, 8.0f);
        } else if (type == u"IMAGE") {
            String name;
            HTMLTagAttribute(AUpper, u"NAME", name);
            if (TRurGDIPPicture* picture = ContainerPicture(name); picture && !picture->Empty()) {
                picture->GetImageSizes();
                picture->GDIPDraw(FGraphics, Bounds(APass.Pen, APass.Line.Top + 2, picture->Width(), picture->Height()));
                if (picture->Width() > 12)
                    APass.Pen += picture->Width() - 12;
            }
        } else if (type.empty()) {
            const TColor fontColor = FFont.Color();
            const String name = FFont.Name();
            if (color != clNone)
                FFont.SetColor(color);
            const bool odd = FLevel % 2 == 1;
            if (odd)
                FFont.SetName(u"Symbol");
            const String bullet = odd ? u"\u00B7" : u"o";
            TRect r(APass.Pen, APass.Line.Top, APass.Pen + FIndent, APass.Line.Bottom);
            FGraphics.DrawText(bullet, 1, r, &FFont, 0, clNone);
            FFont.SetName(name);
            FFont.SetColor(fontColor);
        }
    }
    APass.Pen += FIndent;
}

} // namespace

bool HTMLDrawGDIP(TGPGraphics& AGraphics, const TFont& AFont, const String& AText, const TRect& ARect,
                  const THTMLDrawGDIPOptions& AOptions, THTMLDrawGDIPResult& AResult)
{
    THTMLGDIPEngine engine(AGraphics, AFont, ARect, AOptions, AResult);
    return engine.Run(AText);
}

bool HTMLDrawGDIP(TGPGraphics* AGraphics, TFont* AFont, const String& AText, TRect ARect, TCustomImageList* AImages,
                  int AXPos, int AYPos, int AFocusLink, int AHoverLink, int AShadowOffset, bool ACheckAnchor,
                  bool ACheckHeight, bool AIsPrinting, bool ASelected, bool ABlink, bool AHoverStyle, bool AWordWrap,
                  double AResFactor, TColor AURLColor, TColor AHoverColor, TColor AHoverFontColor,
                  TColor AShadowColor, String& AAnchorVal, String& AStripVal, String& AFocusAnchor, int& AXSize,
                  int& AYSize, int& AHyperLinks, int& AMouseLink, TRect& AHoverRect, void*,
                  TGDIPPictureContainer* APictureContainer, int ALineSpacing, float AScale)
{
    THTMLDrawGDIPOptions options;
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
    options.PrintScale = AResFactor;
    options.LinkColor = AURLColor;
    options.HoverBackground = AHoverColor;
    options.HoverFontColor = AHoverFontColor;
    options.ShadowColor = AShadowColor;
    options.PictureContainer = APictureContainer;
    options.LineSpacing = ALineSpacing;
    options.Scale = AScale;
    THTMLDrawGDIPResult result;
    result.HoverRect = AHoverRect;
    const bool hit = HTMLDrawGDIP(*AGraphics, *AFont, AText, ARect, options, result);
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
