// What each tag does to a line pass of the vector renderer: text styles and colours, anchors,
// paragraphs, lists, images from the image list, the picture container, files and inline data,
// and form controls drawn with the drawing object's painters.
#include <windows.h>

#include <algorithm>

#include "ImgList.h"
#include "Math.h"
#include "PictureContainer.h"
#include "RurGraphicsHTMLEngine_Engine.h"
#include "RurTypes.h"
#include "RurUtils.h"
#include "WideText.h"

namespace {

bool StartsWithNoCase(const String& AText, const Char* APrefix)
{
    const String prefix = APrefix;
    return HTMLUpperTag(AText.substr(0, prefix.size())) == prefix;
}

// A picture an image tag names: a container's picture (kept by the container) or one loaded
// from a file or inline data for the tag alone.
struct TTagPicture {
    std::unique_ptr<TRurBitmap> Owned;
    TPicture* Picture = nullptr;
};

TTagPicture LoadTagPicture(const String& ASource, TPictureContainer* AContainer)
{
    TTagPicture result;
    try {
        if (ASource.find(u':') == String::npos) {
            if (AContainer)
                result.Picture = AContainer->FindBitmap(ASource);
        } else if (StartsWithNoCase(ASource, u"FILE://")) {
            const String path = ASource.substr(7);
            if (GetFileAttributesW(WidePtr(path)) != INVALID_FILE_ATTRIBUTES) {
                result.Owned = std::make_unique<TRurBitmap>();
                result.Owned->LoadFromFile(path);
            }
        } else if (StartsWithNoCase(ASource, u"DATA:")) {
            const std::size_t at = HTMLUpperTag(ASource).find(u"BASE64,");
            if (at != String::npos) {
                result.Owned = std::make_unique<TRurBitmap>();
                TRurUtils::LoadBitmapFromBase64(ASource.substr(at + 7), *result.Owned, false);
            }
        }
    } catch (const Exception&) {
        // A file or inline data that does not decode is an image that is not there.
        result.Owned.reset();
    }
    if (result.Owned)
        result.Picture = result.Owned.get();
    if (IsBitmapEmpty(result.Picture))
        result.Picture = nullptr;
    return result;
}

// The value in double quotes after ANAME= in a control tag's attributes, compared without case.
String ControlAttribute(const String& AUpper, const String& AAttributes, const Char* AName)
{
    String value;
    HTMLTagAttribute(AUpper, AAttributes, AName, value);
    return value;
}

} // namespace

void TGraphicsHTMLEngine::SetStyle(TFontStyle AStyle, bool AOn)
{
    TFontStyles style = FFont.Style();
    if (AOn)
        style.Include(AStyle);
    else
        style.Exclude(AStyle);
    if (style != FFont.Style())
        FFont.SetStyle(style);
}

TColor TGraphicsHTMLEngine::TagColor(const String& AValue) const
{
    if (AValue.empty() || AValue[0] != u'#')
        return TRurGraphics::TextToColor(AValue);
    try {
        return TRurGraphics::HTMLToColor(AValue);
    } catch (const EConvertError&) {
        // Digits that are not hexadecimal: the caption still paints, in black.
        return clBlack;
    }
}

void TGraphicsHTMLEngine::SetFontSize(float ASize)
{
    TRurUtils::SetFontSize(FFont, ASize);
}

void TGraphicsHTMLEngine::MovePen(Pass& APass, float AX)
{
    APass.Width = std::max(0.0f, APass.Width + AX - APass.Pen);
    APass.Pen = AX;
}

void TGraphicsHTMLEngine::Tag(Pass& APass, const String& ATag)
{
    const THTMLTag tag = ClassifyHTMLTag(ATag, THTMLEdition::Full);
    if (FSwitches.Apply(tag))
        return;
    if (tag.Closing)
        Closing(APass, tag.Kind);
    else
        Opening(APass, tag.Kind, ATag, HTMLUpperTag(ATag));
}

void TGraphicsHTMLEngine::Opening(Pass& APass, THTMLTagKind AKind, const String& ATag, const String& AUpper)
{
    using K = THTMLTagKind;
    const bool drawing = !APass.Measuring;
    String value;
    switch (AKind) {
    case K::Anchor:
        AnchorStart(APass, ATag, AUpper);
        break;
    case K::Bold:
        SetStyle(fsBold, true);
        break;
    case K::Italic:
        SetStyle(fsItalic, true);
        break;
    case K::Underline:
        SetStyle(fsUnderline, true);
        break;
    case K::Strike:
        if (ATag.size() > 2 && ATag[2] == u'>')
            SetStyle(fsStrikeOut, true);
        break;
    case K::Blink:
        if (!FOptions.BlinkVisible)
            FFont.SetColor(FRefColor);
        break;
    case K::Body:
        if (drawing && !FOptions.Selected)
            BodyTag(ATag, AUpper);
        break;
    case K::Break:
        if (FStripping)
            FResult.StrippedText += u'\r';
        if (APass.Height == 0)
            APass.Height = APass.StartHeight;
        APass.LineEnded = true;
        break;
    case K::Control:
        Control(APass, ATag);
        break;
    case K::Error:
        FErrorMark = true;
        break;
    case K::Font:
        FontTag(APass, ATag, AUpper);
        break;
    case K::Highlight:
        // The style holds in every pass, so that measuring sees it; the colours only paint.
        FHiSavedStyle = FFont.Style();
        if (drawing) {
            FHiSavedColor = FFont.Color();
            FHiSavedBackground = FBackground;
            FBackground = FOptions.HighlightBackground;
            FFont.SetColor(FOptions.HighlightText);
        }
        FFont.SetStyle(FOptions.HighlightStyle);
        break;
    case K::Rule:
        APass.LineEnded = true;
        if (drawing) {
            const TColor color = HTMLTagAttribute(AUpper, ATag, u"COLOR", value) ? TagColor(value) : clBlack;
            FGraphics.SetStrokeKind(gskSolid);
            FGraphics.SetStrokeColor(color);
            FGraphics.SetStrokeWidth(1);
            FGraphics.DrawLine(TPointF{APass.Line.Left, APass.Line.Bottom + 1},
                               TPointF{APass.Line.Right, APass.Line.Bottom + 1});
        }
        break;
    case K::Indent:
        if (HTMLTagAttribute(AUpper, u"X", value)) {
            const float x = FCaption.Left + float(HTMLIntegerValue(value));
            if (x > APass.Pen)
                MovePen(APass, x);
        }
        break;
    case K::Image:
        Image(APass, ATag, AUpper);
        break;
    case K::ListItem:
        ListItem(APass, AUpper);
        break;
    case K::Offset:
        if (HTMLTagAttribute(AUpper, u"X", value)) {
            FNextContIndent = float(HTMLIntegerValue(value));
            MovePen(APass, FCaption.Left + FNextContIndent);
        }
        break;
    case K::Paragraph:
        ParagraphTag(APass, AUpper);
        break;
    case K::UnorderedList:
        ++FListDepth;
        APass.LineEnded = true;
        break;
    default:
        // Ordered lists, rotation, emoji, STRONG and SPAN are not this renderer's.
        break;
    }
}

void TGraphicsHTMLEngine::Closing(Pass& APass, THTMLTagKind AKind)
{
    using K = THTMLTagKind;
    const bool drawing = !APass.Measuring;
    switch (AKind) {
    case K::Anchor:
        AnchorEnd(APass);
        break;
    case K::Bold:
        SetStyle(fsBold, false);
        break;
    case K::Italic:
        SetStyle(fsItalic, false);
        break;
    case K::Underline:
        SetStyle(fsUnderline, false);
        break;
    case K::BodyOrBlinkEnd:
        FFont.SetColor(FRefColor);
        break;
    case K::Error:
        FErrorMark = false;
        break;
    case K::Font:
        FFont.SetName(FRefFont->Name());
        FFont.SetHeight(FRefFont->Height());
        if (drawing && !FOptions.Selected) {
            FFont.SetColor(FRefColor);
            FBackground = FFontSavedBackground;
        }
        break;
    case K::Highlight:
        FFont.SetStyle(FHiSavedStyle);
        if (drawing) {
            FFont.SetColor(FHiSavedColor);
            FBackground = FHiSavedBackground;
        }
        break;
    case K::LineEnd:
        APass.LineEnded = true;
        break;
    case K::Offset:
    case K::OrderedList:
        FNextContIndent = 0;
        break;
    case K::Paragraph:
        APass.LineEnded = true;
        FParBackground = false;
        break;
    case K::Strike:
    case K::Strong:
    case K::Span:
        SetStyle(fsStrikeOut, false);
        break;
    case K::UnorderedList:
        if (FListDepth > 0)
            --FListDepth;
        break;
    default:
        break;
    }
}

void TGraphicsHTMLEngine::AnchorStart(Pass& APass, const String& ATag, const String& AUpper)
{
    const bool focused = FLinks == FOptions.FocusLink;
    ++FLinks;
    const bool hovered = FLinks == FOptions.HoverLink;
    FRefColor = FFont.Color();
    FAnchorStyled = false;
    if (!APass.Measuring) {
        if (!FOptions.HoverOnlyStyling || hovered) {
            FAnchorStyled = true;
            if (FOptions.URLUnderline)
                SetStyle(fsUnderline, true);
            FAnchorSavedBackground = FBackground;
            FAnchorSavedColor = FFont.Color();
            if (FOptions.HoverBackground != -1)
                FBackground = FOptions.HoverBackground;
            if (FOptions.HoverFontColor != -1)
                FFont.SetColor(FOptions.HoverFontColor);
        }
        if (!FOptions.Selected && !(FOptions.HoverOnlyStyling && hovered && FOptions.HoverFontColor != -1))
            FFont.SetColor(FOptions.URLColor);
        FInFocusedAnchor = focused;
    }
    // The reference is read by its name, wherever the tag writes it.
    String value;
    if (HTMLTagAttribute(AUpper, ATag, u"HREF", value)) {
        FAnchor = value;
        FInAnchor = true;
    }
    FAnchorStart = TPointF{APass.Pen, APass.Line.Top};
    FAnchorStartLine = FLineIndex;
}

void TGraphicsHTMLEngine::AnchorEnd(Pass& APass)
{
    if (!APass.Measuring && FAnchorStyled) {
        if (FOptions.URLUnderline)
            SetStyle(fsUnderline, false);
        if (FOptions.HoverBackground != -1)
            FBackground = FAnchorSavedBackground;
        if (FOptions.HoverFontColor != -1)
            FFont.SetColor(FAnchorSavedColor);
    }
    FAnchorStyled = false;
    if (!FOptions.Selected)
        FFont.SetColor(FRefColor);
    FInAnchor = false;
    FInFocusedAnchor = false;
    if (APass.Measuring && FHoverPending) {
        const bool sameLine = FAnchorStartLine == FLineIndex;
        FResult.HoverRect = TRectF{sameLine ? FAnchorStart.X : APass.Line.Left,
                                   sameLine ? FAnchorStart.Y : APass.Line.Top, APass.Pen,
                                   APass.Line.Top + std::max(APass.Height, APass.StartHeight)};
        FResult.MouseLink = FPendingLink;
        FHoverPending = false;
    }
}

void TGraphicsHTMLEngine::FontTag(Pass& APass, const String& ATag, const String& AUpper)
{
    FFontSavedBackground = FBackground;
    String value;
    if (HTMLTagAttribute(AUpper, ATag, u"FACE", value))
        FFont.SetName(value);
    if (!APass.Measuring && !FOptions.Selected) {
        if (HTMLTagAttribute(AUpper, ATag, u" COLOR", value)) {
            if (!FInAnchor)
                FRefColor = FFont.Color();
            FFont.SetColor(TagColor(value));
        }
        if (HTMLTagAttribute(AUpper, ATag, u"BGCOLOR", value))
            FBackground = TagColor(value);
    }
    if (HTMLTagAttribute(AUpper, u"STYLE", value)) {
        const std::size_t pt = value.find(u"PT");
        if (value.rfind(u"FONT-SIZE:", 0) == 0 && pt != String::npos)
            SetFontSize(float(HTMLIntegerValue(value.substr(10, pt - 10))));
        return;
    }
    if (int n = 0; HTMLFontSizeValue(AUpper, n))
        SetFontSize(float(HTMLAbsoluteFontSize(n)));
}

void TGraphicsHTMLEngine::ParagraphTag(Pass& APass, const String& AUpper)
{
    String value;
    if (HTMLTagAttribute(AUpper, u"ALIGN", value))
        FAlign = HTMLAlignValue(value, FAlign);
    if (HTMLTagAttribute(AUpper, u"INDENT", value))
        FParIndent = float(HTMLIntegerValue(value));
    if (HTMLTagAttribute(AUpper, u"FLOAT", value) &&
        (value.find(u"LEFT") != String::npos || value.find(u"RIGHT") != String::npos)) {
        FParFloat = value.find(u"LEFT") != String::npos ? 1 : 2;
        FParFloatAt = TPointF{APass.Line.Left, APass.Line.Top};
    }
    if (FOptions.Selected || APass.Measuring || !HTMLTagAttribute(AUpper, u"BGCOLOR", value))
        return;
    FParBackground = true;
    FParColor = TagColor(value);
    FillSolid({FCaption.Left, APass.Line.Top, FCaption.Right, APass.Line.Bottom}, FParColor);
}

void TGraphicsHTMLEngine::BodyTag(const String& ATag, const String& AUpper)
{
    String value;
    if (HTMLTagAttribute(AUpper, u"BGCOLOR", value))
        FillSolid({FCaption.Left - 2, FCaption.Top, FCaption.Right, FCaption.Bottom}, TagColor(value));
    if (HTMLTagAttribute(AUpper, ATag, u"BACKGROUND", value)) {
        const TTagPicture tile = LoadTagPicture(value, FOptions.PictureContainer);
        if (tile.Picture) {
            const float w = float(tile.Picture->Width());
            const float h = float(tile.Picture->Height());
            auto state = FGraphics.SaveState(true);
            FGraphics.ClipRect(FCaption);
            for (float y = FCaption.Top; y < FCaption.Bottom; y += h)
                for (float x = FCaption.Left; x < FCaption.Right; x += w)
                    FGraphics.DrawBitmap(TRectF{x, y, x + w, y + h}, tile.Picture, true, false, true, false);
            FGraphics.RestoreState(std::move(state), true);
        }
    }
    for (const Char* name : {u"BGTOPLEFT", u"BGTOPRIGHT"}) {
        if (!HTMLTagAttribute(AUpper, ATag, name, value) || !FOptions.PictureContainer)
            continue;
        TPicture* picture = FOptions.PictureContainer->FindBitmap(value);
        if (IsBitmapEmpty(picture))
            continue;
        const float w = float(picture->Width());
        const float x = name[5] == u'R' ? FCaption.Right - w : FCaption.Left;
        FGraphics.DrawBitmap(TRectF{x, FCaption.Top, x + w, FCaption.Top + float(picture->Height())}, picture, true,
                             false, true, false);
    }
}

void TGraphicsHTMLEngine::ListItem(Pass& APass, const String& AUpper)
{
    constexpr float indent = 12;
    if (APass.ListItemSeen) {
        APass.StopBefore = true;
        return;
    }
    APass.ListItemSeen = true;
    String type, value;
    const bool typed = HTMLTagAttribute(AUpper, u"TYPE", type);
    // Without a colour of its own the bullet takes the text's.
    const TColor color = HTMLTagAttribute(AUpper, u"COLOR", value) ? TagColor(value) : FFont.Color();
    APass.Width += float(FListDepth) * indent;
    APass.Pen += float(std::max(FListDepth - 1, 0)) * indent;
    if (!APass.Measuring && !FSwitches.Hidden) {
        const TRectF box{APass.Pen, APass.Line.Top + 2, APass.Pen + 8, APass.Line.Top + 10};
        if (type == u"SQUARE") {
            FillSolid(box, color);
        } else if (type == u"CIRCLE") {
            FGraphics.SetFillKind(gfkSolid);
            FGraphics.SetFillColor(color);
            FGraphics.SetStrokeKind(gskSolid);
            FGraphics.SetStrokeColor(color);
            FGraphics.DrawEllipse(box);
        } else if (!typed) {
            const TColor textColor = FFont.Color();
            const TFontStyles style = FFont.Style();
            FFont.SetStyle(TFontStyles{});
            FFont.SetColor(color);
            const String bullet = FListDepth % 2 == 1 ? u"\u2022" : u"o";
            const TSizeF size = Extent(bullet);
            FGraphics.DrawText(TRectF{APass.Pen, APass.Line.Bottom - FImageOffset - size.cy, APass.Pen + size.cx,
                                      APass.Line.Bottom - FImageOffset},
                               bullet, false, gtaLeading, gtaCenter, gttNone, 0, -1, -1, false);
            FFont.SetColor(textColor);
            FFont.SetStyle(style);
        }
    }
    APass.Pen += indent;
}

void TGraphicsHTMLEngine::Image(Pass& APass, const String& ATag, const String& AUpper)
{
    String src, value, align, floating;
    HTMLTagAttribute(AUpper, ATag, u"SRC", src);
    HTMLTagAttribute(AUpper, u"ALIGN", align);
    HTMLTagAttribute(AUpper, u"FLOAT", floating);
    const bool floatLeft = floating == u"LEFT";
    const bool floatRight = floating == u"RIGHT";
    const float tagWidth = HTMLTagAttribute(AUpper, u"WIDTH", value) ? float(HTMLIntegerValue(value)) : 0;
    const float tagHeight = HTMLTagAttribute(AUpper, u"HEIGHT", value) ? float(HTMLIntegerValue(value)) : 0;

    // The image-list image, or the picture, and the size either takes.
    TCustomImageList* images = FOptions.Images;
    int listIndex = -1;
    TTagPicture picture;
    TSizeF size{0, 0};
    float listOffset = 0;
    if (StartsWithNoCase(src, u"IDX:")) {
        const int index = HTMLIntegerValue(src.substr(4));
        if (images && index >= 0 && index < images->Count()) {
            listIndex = index;
            const HDC dc = FGraphics.Canvas()->Handle();
            size = TSizeF{float(MulDiv(images->Width(), GetDeviceCaps(dc, LOGPIXELSX), 96)),
                          float(MulDiv(images->Height(), GetDeviceCaps(dc, LOGPIXELSY), 96))};
            if (float(images->Height()) < FGh)
                listOffset = align.rfind(u"MIDDLE", 0) == 0 ? (FGh - float(images->Height())) / 2
                                                             : FGh - float(images->Height());
        }
    } else {
        picture = LoadTagPicture(src, FOptions.PictureContainer);
        if (picture.Picture) {
            const float pw = float(picture.Picture->Width());
            const float ph = float(picture.Picture->Height());
            size = TSizeF{pw, ph};
            if (tagWidth > 0 && tagHeight > 0)
                size = TSizeF{tagWidth, tagHeight};
            else if (tagWidth > 0)
                size = TSizeF{tagWidth, float(Round(ph * tagWidth / pw))};
            else if (tagHeight > 0)
                size = TSizeF{float(Round(pw * tagHeight / ph)), tagHeight};
        }
    }

    float x = APass.Pen;
    const float y = APass.Line.Top;
    if (floatLeft)
        x = FCaption.Left;
    if (floatRight)
        x = APass.Line.Right - size.cx;
    const float lineWidth = APass.Line.Width();
    if (FStripping && lineWidth < APass.Width + size.cx && lineWidth > size.cx) {
        APass.StopBefore = true;
        return;
    }
    if (!APass.Measuring) {
        if (listIndex >= 0 && !FOptions.Printing)
            images->Draw(FGraphics.Canvas(), int(Round(x)), int(Round(y + listOffset)), listIndex);
        else if (picture.Picture)
            FGraphics.DrawBitmap(TRectF{x, y, x + size.cx, y + size.cy}, picture.Picture, true, false, true, false);
    }
    const float mouseX = float(FOptions.X);
    const float mouseY = float(FOptions.Y);
    if (FInAnchor && mouseX > x && mouseX < x + size.cx && mouseY > y && mouseY < y + size.cy) {
        FImageHit = true;
        FResult.Anchor = FAnchor;
    }
    // A picture that is not there takes no space, not even its gap.
    const float advance = size.cx > 0 ? size.cx + 2 : 0;
    APass.Width += advance;
    APass.Pen += advance;
    APass.Height = std::max({APass.Height, APass.StartHeight, size.cy});

    if (AUpper.find(u"\"TOP") != String::npos)
        FImageOffset = std::max(APass.Height - FGh, 0.0f);
    else if (align.rfind(u"MIDDLE", 0) == 0)
        FImageOffset = std::max((APass.Height - FGh) / 2, 0.0f);
    if (AUpper.find(u"WRAP") != String::npos) {
        APass.Height = FGh;
        FImageOffset = 0;
    }
    if (floatLeft || floatRight) {
        FImageOffset = std::max(APass.Height - FGh, 0.0f);
        (floatLeft ? FFloatLeft : FFloatRight) = size.cx + 2;
        FFloatBottom = y + size.cy;
        if (!APass.Measuring)
            APass.Height = FGh;
        if (floatRight)
            APass.Width = APass.Line.Width() - FContIndent;
    }
}

void TGraphicsHTMLEngine::Control(Pass& APass, const String& ATag)
{
    // The attributes stand after "<CONTROL".
    const String attributes = ATag.size() > 8 ? ATag.substr(8) : String();
    const String upper = HTMLUpperTag(attributes);
    const String type = HTMLUpperTag(ControlAttribute(upper, attributes, u"TYPE="));
    const String id = ControlAttribute(upper, attributes, u"ID=");
    const String controlValue = TRurUtils::UnFixMarkup(ControlAttribute(upper, attributes, u"VALUE="), true, false);
    String widthText;
    const bool hasWidth = HTMLTagAttribute(upper, u"WIDTH=", widthText);
    double tagHeight = HTMLRealValue(ControlAttribute(upper, attributes, u"HEIGHT="));
    if (tagHeight <= 0)
        tagHeight = 25;
    const bool box = type == u"CHECK" || type == u"RADIO";
    if (!box && !hasWidth)
        return;

    float width = float(HTMLIntegerValue(widthText));
    float height = float(Round(FGh)) + 10;
    if (box)
        width = height = float(Round(16 * FOptions.PrintScale)) + 2;
    else if (type == u"BUTTON")
        height = 22;
    else if (type == u"COMBO")
        height = 25;

    const float lineWidth = APass.Line.Width();
    if (FStripping && APass.Width + width > lineWidth && width < lineWidth) {
        APass.StopBefore = true;
        return;
    }
    APass.Height = tagHeight > 25 ? float(tagHeight) - 2 : box ? 16.0f : 23.0f;
    APass.Height = std::max(APass.Height, height);
    const float lineHeight = FStripping ? APass.Height : APass.Line.Height();
    const float top = APass.Line.Top + (lineHeight - height) / 2;
    const TRectF bounds{APass.Pen, top, APass.Pen + width, top + height};
    const float mouseX = float(FOptions.X);
    const float mouseY = float(FOptions.Y);
    const bool pointInside = mouseX > bounds.Left && mouseX < bounds.Right && mouseY > top && mouseY < bounds.Bottom;

    if (!APass.Measuring) {
        const bool focused = FOptions.ControlFocus && !id.empty() && id == FOptions.FocusControlID;
        auto rounded = [](TRectF r) {
            return TRectF{float(Round(r.Left)), float(Round(r.Top)), float(Round(r.Right)), float(Round(r.Bottom))};
        };
        if (box) {
            const TRectF square = rounded({bounds.Left + 1, top + 1, bounds.Left + width - 1, top + height - 1});
            const bool checked = HTMLUpperTag(controlValue) == u"TRUE";
            if (type == u"CHECK")
                FGraphics.DrawCheckBox(square, checked, focused, true, 1.0f);
            else
                FGraphics.DrawRadioButton(square, checked, focused, true, 1.0f);
        } else if (type == u"BUTTON") {
            const TRectF button = rounded({bounds.Left + 2, top, bounds.Right - 2, top + 22});
            FGraphics.DrawButton(button, focused, pointInside, true, true, 1.0f);
            FGraphics.DrawText(TRectF{button.Left + 2, button.Top + 2, button.Right - 2, button.Bottom - 2},
                               controlValue, false, gtaCenter, gtaCenter, gttNone, 0, -1, -1, true);
        }
    }
    if (pointInside || (FOptions.HitTest && !id.empty() && id == FRequestedControl)) {
        FResult.Anchor = u"ctrl";
        FControlHit = true;
        FResult.ControlRect = bounds;
        FResult.ControlValue = controlValue;
        FResult.ControlID = id;
        FResult.ControlType = type;
    }
    APass.Pen += width;
    APass.Width += width;
}
