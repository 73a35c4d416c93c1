// What each tag does to the state of a line pass of the GDI caption engine.
#include <algorithm>
#include <array>

#include "ImgList.h"
#include "Math.h"
#include "RurHTML_Engine.h"

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

bool Contains(const String& AText, const Char* APart)
{
    return AText.find(APart) != String::npos;
}

// The pen of a pass: measuring passes advance the line width only.
int PenX(const THTMLEngine::Pass& APass)
{
    return APass.Measuring ? APass.Line.Left + APass.Metrics->Width : APass.Fragment.Left;
}

// Moves the pen to AX, growing the line width with it.
void MovePen(THTMLEngine::Pass& APass, int AX)
{
    const int delta = AX - PenX(APass);
    APass.Metrics->Width = std::max(0, APass.Metrics->Width + delta);
    APass.Fragment.Left += delta;
}

} // namespace

void THTMLEngine::Tag(Pass& APass, const String& ATag)
{
    const THTMLTag tag = ClassifyHTMLTag(ATag, FOptions.Edition);
    if (FSwitches.Apply(tag))
        return;
    HTMLUpperTag(ATag, FUpperTag);
    if (tag.Closing)
        ClosingTag(APass, tag.Kind, FUpperTag);
    else
        OpeningTag(APass, tag.Kind, ATag, FUpperTag);
}

void THTMLEngine::OpeningTag(Pass& APass, THTMLTagKind AKind, const String& ATag, const String& AUpper)
{
    using K = THTMLTagKind;
    TFont& font = *FCanvas.Font();
    const bool drawing = !APass.Measuring;
    String value;
    switch (AKind) {
    case K::Anchor:
        AnchorStart(APass, ATag, AUpper);
        break;
    case K::Bold:
    case K::Strong:
        SetStyle(font, fsBold, true);
        break;
    case K::Blink:
        if (!FOptions.BlinkVisible)
            font.SetColor(FBackground);
        break;
    case K::Body:
        if (drawing && !FOptions.Selected)
            BodyTag(APass, ATag, AUpper);
        break;
    case K::Break:
        if (FStripping)
            FResult.StrippedText += u'\r';
        if (APass.Metrics->Height == 0)
            APass.Metrics->Height = APass.Measuring ? TextHeight() : APass.StartHeight;
        EndLine(APass);
        break;
    case K::Error:
        if (drawing)
            FErrorMark = true;
        break;
    case K::Font:
        FontTag(APass, AUpper);
        break;
    case K::Highlight:
        if (drawing) {
            FHiSavedColor = font.Color();
            FHiSavedStyle = font.Style();
            FHiSavedBrush = BrushColor();
            SetBrushColor(FOptions.HighlightBackground);
            font.SetColor(FOptions.HighlightText);
            font.SetStyle(FOptions.HighlightStyle);
        }
        break;
    case K::Rule:
        EndLine(APass);
        if (drawing && !FOptions.HitTest) {
            const TColor color = HTMLTagAttribute(AUpper, ATag, u"COLOR", value) ? HTMLColorValue(value) : clBlack;
            const TColor pen = FCanvas.Pen()->Color();
            FCanvas.Pen()->SetWidth(1);
            FCanvas.Pen()->SetColor(color);
            FCanvas.MoveTo(FCaption.Left, APass.Line.Bottom + 1);
            FCanvas.LineTo(FCaption.Right, APass.Line.Bottom + 1);
            FCanvas.Pen()->SetColor(pen);
        }
        break;
    case K::Italic:
        SetStyle(font, fsItalic, true);
        break;
    case K::Indent:
        if (HTMLTagAttribute(AUpper, u"X", value)) {
            const int x = FCaption.Left + int(Round(HTMLIntegerValue(value) * double(FScale)));
            if (x > PenX(APass))
                MovePen(APass, x);
        }
        break;
    case K::Image:
        Image(APass, ATag, AUpper);
        break;
    case K::Emoji:
        Emoji(APass, ATag);
        break;
    case K::ListItem:
        ListItem(APass, AUpper);
        break;
    case K::Offset:
        if (HTMLTagAttribute(AUpper, u"X", value)) {
            const int offset = HTMLIntegerValue(value);
            MovePen(APass, FCaption.Left + offset);
            FNextContIndent = offset;
        }
        break;
    case K::OrderedList:
    case K::UnorderedList:
        ListOpen(APass, AKind == K::OrderedList);
        break;
    case K::Paragraph:
        ParagraphTag(APass, AUpper);
        break;
    case K::Rotate: {
        const std::size_t letter = AUpper.find(u'A', 2);
        if (letter != String::npos && HTMLTagAttribute(AUpper.substr(letter), u"A", value)) {
            if (FRotated)
                RestoreRotatedFont(FCanvas, FOrientationBefore);
            FOrientationBefore = SelectRotatedFont(FCanvas, HTMLIntegerValue(value));
            FRotated = true;
        }
        break;
    }
    case K::Strike:
        SetStyle(font, fsStrikeOut, true);
        break;
    case K::Span:
        if (HTMLTagAttribute(AUpper, u"STYLE", value) && value.rfind(u"BACKGROUND-COLOR:#", 0) == 0) {
            FSpanSavedBrush = BrushColor();
            SetBrushColor(ColorFromHex(value.substr(17)));
        }
        break;
    case K::Underline:
        SetStyle(font, fsUnderline, true);
        break;
    default:
        break;
    }
}

void THTMLEngine::ClosingTag(Pass& APass, THTMLTagKind AKind, const String& AUpper)
{
    using K = THTMLTagKind;
    TFont& font = *FCanvas.Font();
    const bool drawing = !APass.Measuring;
    switch (AKind) {
    case K::Anchor:
        AnchorEnd(APass);
        break;
    case K::Bold:
        SetStyle(font, fsBold, false);
        break;
    case K::Strong:
        SetStyle(font, fsBold, false);
        break;
    case K::BodyOrBlinkEnd:
        font.SetColor(FRefFont->Color());
        break;
    case K::Error:
        if (drawing)
            FErrorMark = false;
        break;
    case K::Font:
        font.SetName(FRefFont->Name());
        font.SetHeight(FRefFont->Height());
        if (drawing && !FOptions.Selected) {
            font.SetColor(FRefFont->Color());
            SetBrushColor(FFontSavedBrush);
        }
        break;
    case K::Highlight:
        if (drawing) {
            font.SetColor(FHiSavedColor);
            font.SetStyle(FHiSavedStyle);
            SetBrushColor(FHiSavedBrush);
        }
        break;
    case K::Italic:
        SetStyle(font, fsItalic, false);
        break;
    case K::LineEnd:
        EndLine(APass);
        break;
    case K::Offset:
        FNextContIndent = 0;
        break;
    case K::OrderedList:
        if (FListDepth > 0) {
            --FListDepth;
            FNumbered = false;
        } else {
            FNextContIndent = 0;
        }
        break;
    case K::Paragraph:
        EndLine(APass);
        if (drawing && !FOptions.HitTest) {
            FLineHeightFactor = 1.0;
            FParBackground = false;
            FAlign = THTMLAlign::Left;
            if (!FOptions.Selected)
                SetBrushColor(FParSavedBrush);
        }
        if (FFull)
            FParagraphEnd = true;
        break;
    case K::Rotate:
        if (FRotated) {
            RestoreRotatedFont(FCanvas, FOrientationBefore);
            FRotated = false;
        }
        break;
    case K::Strike:
        SetStyle(font, fsStrikeOut, false);
        break;
    case K::Span:
        FCanvas.Brush()->SetColor(FSpanSavedBrush == clNone ? FBackground : FSpanSavedBrush);
        FCanvas.Brush()->SetStyle(bsClear);
        break;
    case K::Underline:
        SetStyle(font, fsUnderline, false);
        break;
    case K::UnorderedList:
        if (FListDepth > 0)
            --FListDepth;
        else
            SetStyle(font, fsUnderline, false);
        break;
    default:
        break;
    }
    (void)AUpper;
}

void THTMLEngine::AnchorStart(Pass& APass, const String& ATag, const String& AUpper)
{
    TFont& font = *FCanvas.Font();
    ++FLinks;
    FRefFont->SetColor(font.Color());
    FAnchorStyled = false;
    FHoverBackApplied = false;
    FHoverFontApplied = false;
    const bool hovered = FLinks == FOptions.HoverLink;
    if (!APass.Measuring) {
        if (!FOptions.HoverOnlyStyling || hovered) {
            FAnchorStyled = true;
            SetStyle(font, fsUnderline, true);
            FAnchorSavedBrush = BrushColor();
            FAnchorSavedFont = font.Color();
            if (FOptions.HoverBackground != clNone) {
                SetBrushColor(FOptions.HoverBackground);
                FHoverBackApplied = true;
            }
            if (FOptions.HoverFontColor != clNone) {
                font.SetColor(FOptions.HoverFontColor);
                FHoverFontApplied = true;
            }
        }
        if (!FOptions.Selected && !(FOptions.HoverOnlyStyling && hovered && FOptions.HoverFontColor != clNone))
            font.SetColor(FOptions.URLColor);
        if (FLinks == FOptions.FocusLink + 1) {
            FInFocusedAnchor = true;
            FFocusStart = TPoint(APass.Fragment.Left, APass.Fragment.Top);
        }
    }
    String value;
    if (HTMLTagAttribute(AUpper, ATag, u"HREF", value)) {
        FAnchor = value;
        FInAnchor = true;
    }
    FLineTitle = HTMLTagAttribute(AUpper, ATag, u"TITLE", value) ? value : String();
    FAnchorStartX = APass.Line.Left + APass.Metrics->Width;
    FAnchorStartTop = APass.Line.Top;
    FAnchorStartLine = FLineIndex;
}

void THTMLEngine::AnchorEnd(Pass& APass)
{
    TFont& font = *FCanvas.Font();
    if (!APass.Measuring && FAnchorStyled) {
        SetStyle(font, fsUnderline, false);
        if (FHoverBackApplied)
            SetBrushColor(FAnchorSavedBrush);
        if (FHoverFontApplied)
            font.SetColor(FAnchorSavedFont);
    }
    FAnchorStyled = false;
    if (!FOptions.Selected)
        font.SetColor(FRefFont->Color());
    FInAnchor = false;
    if (APass.Measuring && FHoverPending) {
        const bool sameLine = FAnchorStartLine == FLineIndex;
        FResult.HoverRect = TRect(sameLine ? FAnchorStartX : APass.Line.Left,
                                  sameLine ? FAnchorStartTop : APass.Line.Top,
                                  APass.Line.Left + APass.Metrics->Width, APass.Line.Bottom);
        FResult.MouseLink = FPendingLink;
        FHoverPending = false;
    }
    if (!APass.Measuring && FInFocusedAnchor) {
        const int bottom = APass.Fragment.Bottom - FTextRaise;
        TRect focus(FFocusStart.X - 1, bottom - TextHeight(), APass.Fragment.Left + 1, bottom);
        FCanvas.DrawFocusRect(focus);
        FInFocusedAnchor = false;
    }
}

void THTMLEngine::FontTag(Pass& APass, const String& AUpper)
{
    TFont& font = *FCanvas.Font();
    const bool colours = !APass.Measuring && !FOptions.Selected;
    FFontSavedBrush = BrushColor();
    String value;
    if (HTMLTagAttribute(AUpper, u"FACE", value))
        font.SetName(value);
    if (colours && HTMLTagAttribute(AUpper, u" COLOR", value)) {
        if (!FInAnchor)
            FRefFont->SetColor(font.Color());
        font.SetColor(HTMLColorValue(value));
    }
    if (colours && HTMLTagAttribute(AUpper, u"BGCOLOR", value))
        SetBrushColor(HTMLColorValue(value));
    if (HTMLTagAttribute(AUpper, u"STYLE", value)) {
        const std::size_t pt = value.find(u"PT");
        if (value.rfind(u"FONT-SIZE:", 0) == 0 && pt != String::npos)
            font.SetSize(HTMLIntegerValue(value.substr(10, pt - 10)));
        return;
    }
    int n = 0;
    if (!HTMLFontSizeValue(AUpper, n))
        return;
    static constexpr std::array<int, 5> steps = {1, 2, 4, 6, 8};
    if (n >= 1 && n <= 5)
        font.SetSize(FRefFont->Size() + steps[std::size_t(n - 1)]);
    else
        font.SetHeight(ScaledFontHeight(n));
}

int THTMLEngine::ScaledFontHeight(int APoints) const
{
    double factor = 96.0 / 72.0;
    if (FOptions.ScaleFontSizes)
        factor = FOptions.Scale == -1 ? GetDeviceCaps(FCanvas.Handle(), LOGPIXELSX) / 72.0
                                      : double(FOptions.Scale) * 96.0 / 72.0;
    return -int(Round(APoints * factor));
}

void THTMLEngine::ParagraphTag(Pass& APass, const String& AUpper)
{
    String value;
    if (HTMLTagAttribute(AUpper, u"ALIGN", value))
        FAlign = HTMLAlignValue(value, FAlign);
    if (HTMLTagAttribute(AUpper, u"INDENT", value))
        FParIndent = HTMLIntegerValue(value);
    if (HTMLTagAttribute(AUpper, u"LINE-HEIGHT", value)) {
        const double factor = HTMLRealValue(value);
        FLineHeightFactor = factor == 0 ? 1.0 : factor;
    }
    if (HTMLTagAttribute(AUpper, u"FLOAT", value) && (Contains(value, u"LEFT") || Contains(value, u"RIGHT"))) {
        FParFloat = Contains(value, u"LEFT") ? 1 : 2;
        FParFloatAt = TPoint(APass.Line.Left, APass.Line.Top);
    }
    if (FOptions.Selected || APass.Measuring || !HTMLTagAttribute(AUpper, u"BGCOLOR", value))
        return;
    const TColor color = HTMLColorValue(value);
    FParBackground = true;
    FCanvas.Pen()->SetColor(color);
    String to;
    if (HTMLTagAttribute(AUpper, u"BGCOLORTO", to)) {
        DrawGradientRect(FCanvas, color, HTMLColorValue(to), true,
                         TRect(FCaption.Left, APass.Line.Top, FCaption.Right, APass.Line.Bottom + 2), 64, clNone);
        FCanvas.Brush()->SetStyle(bsClear);
        return;
    }
    FParSavedBrush = BrushColor();
    SetBrushColor(color);
    FCanvas.FillRect(TRect(FCaption.Left, APass.Line.Top, FCaption.Right, APass.Line.Bottom));
}

void THTMLEngine::BodyTag(Pass& APass, const String& ATag, const String& AUpper)
{
    String value;
    for (const Char* name : {u"BACKGROUND", u"BGTOPLEFT", u"BGTOPRIGHT"})
        if (HTMLTagAttribute(AUpper, ATag, name, value))
            BodyPicture(APass, value, name[2] == u'T' && name[5] == u'R');
    if (!HTMLTagAttribute(AUpper, u"BGCOLOR", value))
        return;
    const TColor color = HTMLColorValue(value);
    String to;
    if (HTMLTagAttribute(AUpper, u"BGCOLORTO", to)) {
        String dir = u"H";
        HTMLTagAttribute(AUpper, u"DIR", dir);
        DrawGradientRect(FCanvas, color, HTMLColorValue(to), dir == u"H", FCaption, 64, clNone);
        FCanvas.Brush()->SetStyle(bsClear);
        return;
    }
    FFontSavedBrush = BrushColor();
    FillRect(TRect(FCaption.Left - 2, FCaption.Top, FCaption.Right, FCaption.Bottom), color);
    SetBrushColor(color);
}

void THTMLEngine::ListOpen(Pass& APass, bool ANumbered)
{
    if (APass.Metrics->Width > 0) {
        APass.StopBefore = true;
        return;
    }
    ++FListDepth;
    FNumbered = ANumbered;
    FListCounter = 1;
}

void THTMLEngine::ListItem(Pass& APass, const String& AUpper)
{
    if (APass.ListItemSeen) {
        APass.StopBefore = true;
        return;
    }
    APass.ListItemSeen = true;
    APass.Metrics->Width += FIndentUnit * FListDepth;
    APass.Fragment.Left += FIndentUnit * std::max(FListDepth - 1, 0);
    if (!APass.Measuring && !FSwitches.Hidden) {
        TFont& font = *FCanvas.Font();
        String type, value;
        const bool typed = HTMLTagAttribute(AUpper, u"TYPE", type);
        const bool colored = HTMLTagAttribute(AUpper, u"COLOR", value);
        const TColor color = colored ? HTMLColorValue(value) : font.Color();
        const int x = APass.Fragment.Left;
        const TRect box(x, APass.Line.Top + 2, x + 8, APass.Line.Top + 10);
        if (typed && (type == u"SQUARE" || type == u"CIRCLE")) {
            const TColor brush = BrushColor();
            FCanvas.Pen()->SetColor(color);
            FCanvas.Brush()->SetColor(color);
            if (type == u"SQUARE")
                FCanvas.FillRect(box);
            else
                FCanvas.Ellipse(box);
            SetBrushColor(brush);
        } else if (type == u"IMAGE") {
            String name;
            HTMLTagAttribute(AUpper, u"NAME", name);
            ListImage(APass, name);
        } else if (!typed) {
            const TColor fontColor = font.Color();
            const String name = font.Name();
            font.SetColor(color);
            String bullet;
            if (FNumbered) {
                bullet = IntToStr(FListCounter++) + u". ";
            } else {
                font.SetName(u"Symbol");
                bullet = FListDepth % 2 == 1 ? u"\u00B7" : u"o";
            }
            TRect r = APass.Fragment;
            FText.DrawText(font, r, bullet, 0);
            if (FNumbered)
                APass.Fragment.Left += std::max(MeasureText(bullet) - 12, 0);
            font.SetName(name);
            font.SetColor(fontColor);
        }
        FCanvas.Brush()->SetStyle(bsClear);
    }
    APass.Fragment.Left += FIndentUnit;
}

void THTMLEngine::Emoji(Pass& APass, const String& ATag)
{
    if (FSwitches.Hidden || ATag.size() < 5)
        return;
    // The emoji run selects the canvas font of its own.
    FText.Release();
    APass.Fragment.Left += DrawEmojiRun(FCanvas, APass.Fragment.Left, APass.Fragment.Top, FCanvas.Font()->Size(),
                                        ATag.substr(3, 2), APass.Measuring);
}
