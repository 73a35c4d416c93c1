// Images of the GDI caption engine: inline images (IMG) and caption backgrounds (BODY) from the
// image list and the shell's icons.
#include <algorithm>

#include "ImgList.h"
#include "Math.h"
#include "RurHTML_Engine.h"

namespace {

bool StartsWithNoCase(const String& AText, const String& APrefix)
{
    return HTMLUpperTag(AText.substr(0, APrefix.size())) == APrefix;
}

} // namespace

THTMLImageSource THTMLEngine::ReadImageSource(const String& ASource) const
{
    THTMLImageSource source;
    if (StartsWithNoCase(ASource, u"IDX:")) {
        source.Index = HTMLIntegerValue(ASource.substr(4));
        if (FOptions.Images && source.Index >= 0 && source.Index < FOptions.Images->Count())
            source.Kind = THTMLImageSource::ListImage;
    } else if (StartsWithNoCase(ASource, u"SSYS:") || StartsWithNoCase(ASource, u"LSYS:")) {
        source.Kind = StartsWithNoCase(ASource, u"S") ? THTMLImageSource::SmallIcon : THTMLImageSource::LargeIcon;
        source.Path = ASource.substr(5);
    }
    return source;
}

TSize THTMLEngine::ImageSize(const THTMLImageSource& ASource)
{
    TSize size{0, 0};
    if (ASource.Kind == THTMLImageSource::ListImage)
        size = TSize{FOptions.Images->Width(), FOptions.Images->Height()};
    else if (ASource.Kind != THTMLImageSource::None)
        DrawShellIcon(FCanvas, 0, 0, size, FOptions.PrintScale, FOptions.Printing, false,
                      ASource.Kind == THTMLImageSource::LargeIcon, ASource.Path);
    return size;
}

void THTMLEngine::DrawImage(const THTMLImageSource& ASource, int AX, int AY)
{
    if (ASource.Kind == THTMLImageSource::ListImage) {
        TCustomImageList& images = *FOptions.Images;
        if (!FOptions.Printing) {
            images.Draw(&FCanvas, AX, AY, ASource.Index);
            return;
        }
        TBitmap bitmap(images.Width(), images.Height());
        images.Draw(bitmap.Canvas(), 0, 0, ASource.Index);
        StretchBitmapToRect(FCanvas,
                            TRect(AX, AY, AX + int(Round(images.Width() * FOptions.PrintScale)),
                                  AY + int(Round(images.Height() * FOptions.PrintScale))),
                            bitmap);
    } else if (ASource.Kind != THTMLImageSource::None) {
        TSize size{0, 0};
        DrawShellIcon(FCanvas, AX, AY, size, FOptions.PrintScale, FOptions.Printing, true,
                      ASource.Kind == THTMLImageSource::LargeIcon, ASource.Path);
    }
}

void THTMLEngine::Image(Pass& APass, const String& ATag, const String& AUpper)
{
    LineMetrics& m = *APass.Metrics;
    const int gh = TextHeight(u"gh");
    String src, value;
    HTMLTagAttribute(AUpper, ATag, u"SRC", src);
    String align, floating;
    HTMLTagAttribute(AUpper, u"ALIGN", align);
    HTMLTagAttribute(AUpper, u"FLOAT", floating);
    const bool floatLeft = floating == u"LEFT";
    const bool floatRight = floating == u"RIGHT";

    const THTMLImageSource source = ReadImageSource(src);
    const TSize item = ImageSize(source);
    int x = APass.Measuring ? APass.Line.Left + m.Width : APass.Fragment.Left;
    const int y = APass.Fragment.Top;
    if (floatLeft)
        x = FCaption.Left;
    if (floatRight)
        x = APass.Line.Right - item.cx;

    const int lineWidth = APass.Line.Right - APass.Line.Left;
    if (FStripping && lineWidth < m.Width + item.cx && lineWidth > item.cx) {
        APass.StopBefore = true;
        return;
    }
    if (!APass.Measuring && !FOptions.HitTest) {
        // Images lower than the text sit on its baseline, or in its middle.
        int offset = 0;
        if (source.Kind == THTMLImageSource::ListImage && item.cy < gh)
            offset = align.rfind(u"MIDDLE", 0) == 0 ? (gh - item.cy) / 2 : gh - item.cy;
        DrawImage(source, x, y + offset);
    }
    const int mouseX = FOptions.MouseX - APass.Line.Left;
    if (FInAnchor && mouseX > m.Width && mouseX < m.Width + item.cx && FOptions.MouseY > y &&
        FOptions.MouseY < y + item.cy) {
        FImageHit = true;
        FResult.Anchor = FAnchor;
        if (!FLineTitle.empty())
            FResult.FocusAnchor = FLineTitle;
    }
    m.Width += item.cx + 2;
    APass.Fragment.Left += item.cx + 2;
    m.Height = std::max(m.Height, item.cy);

    if (AUpper.find(u"\"TOP") != String::npos)
        FTextRaise = std::max(m.Height - gh, 0);
    else if (align.rfind(u"MIDDLE", 0) == 0)
        FTextRaise = std::max((m.Height - gh) / 2, 0);
    if (AUpper.find(u"WRAP") != String::npos) {
        m.Height = gh;
        FTextRaise = 0;
    }
    if (floatLeft || floatRight) {
        FTextRaise = std::max(m.Height - gh, 0);
        (floatLeft ? FFloatLeft : FFloatRight) = item.cx + 2;
        FFloatBottom = y + item.cy;
        if (!APass.Measuring)
            m.Height = gh;
        if (floatRight)
            m.Width = APass.Line.Right - APass.Line.Left - FContIndent;
    }
}

void THTMLEngine::BodyPicture(Pass& APass, const String& ASource, bool ARight)
{
    const THTMLImageSource source = ReadImageSource(ASource);
    const TSize size = ImageSize(source);
    const int x = ARight ? APass.Line.Right - size.cx : APass.Fragment.Left;
    DrawImage(source, x, APass.Line.Top);
}
