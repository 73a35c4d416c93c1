// Images of the GDI caption engine: inline images (IMG), caption backgrounds (BODY) and list
// bullets from the image list, the shell's icons, the picture container and the picture cache.
#include <algorithm>

#include "ImgList.h"
#include "Math.h"
#include "PictureContainer.h"
#include "RurHTML_Engine.h"

namespace {

bool StartsWithNoCase(const String& AText, const String& APrefix)
{
    return HTMLUpperTag(AText.substr(0, APrefix.size())) == APrefix;
}

// A picture's own size; an animation takes the size of its whole screen.
TSize PictureSize(TGraphic& APicture)
{
    if (auto* animated = dynamic_cast<THTMLPicture*>(&APicture); animated && animated->MaxWidth() > 0)
        return TSize{animated->MaxWidth(), animated->MaxHeight()};
    return TSize{APicture.Width(), APicture.Height()};
}

// The cache's picture of that URL, loaded into the cache the first time it is asked for.
THTMLPicture* CachedPicture(THTMLPictureCache& ACache, const String& AURL)
{
    if (THTMLPicture* found = ACache.FindPicture(AURL))
        return found;
    THTMLPicture* added = ACache.AddPicture();
    added->SetAsynch(false);
    added->LoadFromURL(AURL);
    return ACache.FindPicture(AURL);
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
    } else {
        TGraphic* picture = nullptr;
        if (ASource.find(u':') == String::npos && FOptions.PictureContainer)
            picture = FOptions.PictureContainer->FindPicture(ASource);
        else if (ASource.find(u"://") != String::npos && FOptions.PictureCache)
            picture = CachedPicture(*FOptions.PictureCache, ASource);
        if (picture && !picture->Empty()) {
            source.Kind = THTMLImageSource::Picture;
            source.Graphic = picture;
        }
    }
    return source;
}

TSize THTMLEngine::ImageSize(const THTMLImageSource& ASource)
{
    TSize size{0, 0};
    if (ASource.Kind == THTMLImageSource::ListImage)
        size = TSize{FOptions.Images->Width(), FOptions.Images->Height()};
    else if (ASource.Kind == THTMLImageSource::Picture)
        size = PictureSize(*ASource.Graphic);
    else if (ASource.Kind != THTMLImageSource::None)
        DrawShellIcon(FCanvas, 0, 0, size, FOptions.PrintScale, FOptions.Printing, false,
                      ASource.Kind == THTMLImageSource::LargeIcon, ASource.Path);
    return size;
}

void THTMLEngine::DrawImage(const THTMLImageSource& ASource, int AX, int AY)
{
    // Image lists and shell icons draw on the device context itself.
    FText.Flush();
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
    } else if (ASource.Kind == THTMLImageSource::Picture) {
        auto* animated = dynamic_cast<THTMLPicture*>(ASource.Graphic);
        if (animated && animated->FrameCount() > 1)
            FillRect(TRect(AX, AY, AX + animated->MaxWidth(), AY + animated->MaxHeight()), FBackground);
        if (animated)
            FCanvas.Draw(AX + animated->FrameXPos(), AY + animated->FrameYPos(), animated);
        else
            FCanvas.Draw(AX, AY, ASource.Graphic);
    } else if (ASource.Kind != THTMLImageSource::None) {
        TSize size{0, 0};
        DrawShellIcon(FCanvas, AX, AY, size, FOptions.PrintScale, FOptions.Printing, true,
                      ASource.Kind == THTMLImageSource::LargeIcon, ASource.Path);
    }
}

void THTMLEngine::Image(Pass& APass, const String& ATag, const String& AUpper)
{
    LineMetrics& m = *APass.Metrics;
    const int gh = TextHeight();
    String src, value;
    HTMLTagAttribute(AUpper, ATag, u"SRC", src);
    String align, floating;
    HTMLTagAttribute(AUpper, u"ALIGN", align);
    HTMLTagAttribute(AUpper, u"FLOAT", floating);
    const bool floatLeft = floating == u"LEFT";
    const bool floatRight = floating == u"RIGHT";

    const THTMLImageSource source = ReadImageSource(src);
    TSize item = ImageSize(source);
    // A picture given a WIDTH or HEIGHT is stretched to it (the other side keeping its aspect)
    // and takes that size at the caption's scale.
    TSize drawn = item;
    const int tagWidth = HTMLTagAttribute(AUpper, u"WIDTH", value) ? HTMLIntegerValue(value) : 0;
    const int tagHeight = HTMLTagAttribute(AUpper, u"HEIGHT", value) ? HTMLIntegerValue(value) : 0;
    const bool stretched = source.Kind == THTMLImageSource::Picture && (tagWidth > 0 || tagHeight > 0) &&
                           item.cx > 0 && item.cy > 0;
    if (stretched) {
        drawn.cx = tagWidth > 0 ? tagWidth : int(Round(double(item.cx) * tagHeight / item.cy));
        drawn.cy = tagHeight > 0 ? tagHeight : int(Round(double(item.cy) * tagWidth / item.cx));
        item = TSize{int(Round(drawn.cx * double(FScale))), int(Round(drawn.cy * double(FScale)))};
    }
    int x = APass.Measuring ? APass.Line.Left + m.Width : APass.Fragment.Left;
    const int y = APass.Fragment.Top;
    if (floatLeft)
        x = FCaption.Left;
    if (floatRight)
        x = APass.Line.Right - drawn.cx;

    const int lineWidth = APass.Line.Right - APass.Line.Left;
    if (FStripping && lineWidth < m.Width + item.cx && lineWidth > item.cx) {
        APass.StopBefore = true;
        return;
    }
    if (!APass.Measuring && !FOptions.HitTest) {
        if (stretched) {
            if (auto* picture = dynamic_cast<THTMLPicture*>(source.Graphic))
                picture->SetStretch(true);
            FCanvas.StretchDraw(TRect(x, y, x + drawn.cx, y + drawn.cy), source.Graphic);
        } else {
            // Images lower than the text sit on its baseline, or in its middle.
            int offset = 0;
            if ((source.Kind == THTMLImageSource::ListImage || source.Kind == THTMLImageSource::Picture) &&
                item.cy < gh)
                offset = align.rfind(u"MIDDLE", 0) == 0 ? (gh - item.cy) / 2 : gh - item.cy;
            DrawImage(source, x, y + offset);
        }
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
        (floatLeft ? FFloatLeft : FFloatRight) = drawn.cx + 2;
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
    if (source.Kind != THTMLImageSource::Picture) {
        const int x = ARight ? APass.Line.Right - size.cx : APass.Fragment.Left;
        DrawImage(source, x, APass.Line.Top);
        return;
    }
    if (size.cx <= 0 || size.cy <= 0)
        return;
    // Tiles over the caption from its top-left, or a column down its right edge.
    FText.Flush();
    const HDC dc = FCanvas.Handle();
    const HRGN clip = CreateRectRgn(FCaption.Left, FCaption.Top, FCaption.Right, FCaption.Bottom);
    SelectClipRgn(dc, clip);
    const int left = ARight ? FCaption.Right - size.cx : FCaption.Left;
    const int right = ARight ? left + 1 : FCaption.Right;
    for (int y = FCaption.Top; y < FCaption.Bottom; y += size.cy)
        for (int x = left; x < right; x += size.cx)
            DrawImage(source, x, y);
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);
}

void THTMLEngine::ListImage(Pass& APass, const String& AName)
{
    THTMLPicture* picture = FOptions.PictureContainer ? FOptions.PictureContainer->FindPicture(AName) : nullptr;
    if (!picture || picture->Empty())
        return;
    THTMLImageSource source;
    source.Kind = THTMLImageSource::Picture;
    source.Graphic = picture;
    DrawImage(source, APass.Fragment.Left, APass.Line.Top + 2);
    const int width = ImageSize(source).cx;
    if (width > 12)
        APass.Fragment.Left += width - 12;
}
