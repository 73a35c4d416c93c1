// The drawing object's pictures: placement in a rectangle, parts of pictures, pictures looked up by
// name in a picture container and pictures chosen by display scale.
#include "Math.h"
#include "PictureContainer.h"
#include "RurGraphics.h"
#include "RurGraphicsSVGEngine.h"
#include "RurUtils.h"

namespace {

float DisplayScale(float AScale) { return AScale > 0 ? AScale : TRurUtils::GetDPIScale(nullptr, 96); }

// The engine of a kit picture holding an SVG document with elements; null for any other picture.
TRurGraphicsSVGImport* SVGOf(TPicture* APicture)
{
    auto* picture = dynamic_cast<TRurBitmap*>(APicture);
    return picture ? dynamic_cast<TRurGraphicsSVGImport*>(picture->SVG()) : nullptr;
}

} // namespace

void TRurGraphics::GetAspectSize(float& AWidth, float& AHeight, float AOriginalWidth, float AOriginalHeight,
                                 float ANewWidth, float ANewHeight, bool AAspectRatio, bool AStretch, bool)
{
    if (AAspectRatio) {
        if (AOriginalWidth <= 0 || AOriginalHeight <= 0 || ANewWidth <= 0 || ANewHeight <= 0) {
            AWidth = 0;
            AHeight = 0;
        } else if (ANewWidth <= AOriginalWidth || ANewHeight <= AOriginalHeight || AStretch) {
            if (ANewWidth / ANewHeight > AOriginalWidth / AOriginalHeight) {
                AWidth = ANewHeight * AOriginalWidth / AOriginalHeight;
                AHeight = ANewHeight;
            } else {
                AWidth = ANewWidth;
                AHeight = ANewWidth * AOriginalHeight / AOriginalWidth;
            }
        } else {
            AWidth = AOriginalWidth;
            AHeight = AOriginalHeight;
        }
    } else if (AStretch) {
        AWidth = ANewWidth;
        AHeight = ANewHeight;
    } else {
        AWidth = AOriginalWidth;
        AHeight = AOriginalHeight;
    }
}

TRectF TRurGraphics::GetBitmapDrawRectangle(TRectF ARect, const TPicture* ABitmap, bool AAspectRatio, bool AStretch,
                                            bool ACenter, bool ACropping)
{
    if (!ABitmap)
        return {};
    float w = 0, h = 0;
    GetAspectSize(w, h, static_cast<float>(ABitmap->Width()), static_cast<float>(ABitmap->Height()),
                  RectFWidth(ARect), RectFHeight(ARect), AAspectRatio, AStretch, ACropping);
    float dx = 0, dy = 0;
    if (ACropping || ACenter) {
        dx = static_cast<float>(Round((RectFWidth(ARect) - w) / 2));
        dy = static_cast<float>(Round((RectFHeight(ARect) - h) / 2));
    }
    return {ARect.Left + dx, ARect.Top + dy, ARect.Left + dx + w, ARect.Top + dy + h};
}

TRect TRurGraphics::GetBitmapDrawRectangle(const TRect& ARect, const TPicture* ABitmap, bool AAspectRatio,
                                           bool AStretch, bool ACenter, bool ACropping)
{
    return RectFToRect(GetBitmapDrawRectangle(RectToRectF(ARect), ABitmap, AAspectRatio, AStretch, ACenter, ACropping));
}

void TRurGraphics::DrawBitmap(TRectF ARect, TPicture* ABitmap, bool AAspectRatio, bool AStretch, bool ACenter,
                              bool ACropping)
{
    if (!ABitmap)
        return;
    const TRectF dest = GetBitmapDrawRectangle(ARect, ABitmap, AAspectRatio, AStretch, ACenter, ACropping);
    if (DrawSVG(dest, ABitmap))
        return;
    const TRectF source{0, 0, static_cast<float>(ABitmap->Width()), static_cast<float>(ABitmap->Height())};
    Context()->DrawBitmap(ABitmap->Graphic(), source, dest, 1);
}

void TRurGraphics::DrawBitmap(const TRect& ARect, TPicture* ABitmap, bool AAspectRatio, bool AStretch, bool ACenter,
                              bool ACropping)
{
    DrawBitmap(RectToRectF(ARect), ABitmap, AAspectRatio, AStretch, ACenter, ACropping);
}

void TRurGraphics::DrawBitmap(float ALeft, float ATop, TPicture* ABitmap)
{
    if (!ABitmap)
        return;
    DrawBitmap(TRectF{ALeft, ATop, ALeft + ABitmap->Width(), ATop + ABitmap->Height()}, ABitmap, true, false, true, false);
}

bool TRurGraphics::DrawSVG(TRectF ARect, TPicture* ABitmap)
{
    TRurGraphicsSVGImport* svg = SVGOf(ABitmap);
    if (svg)
        svg->Draw(this, ARect, true, true);
    return svg != nullptr;
}

std::unique_ptr<TRurBitmap> TRurGraphics::CutBitmapPart(TRectF ASourceRect, TPicture* ABitmap)
{
    auto part = CreateBitmapCanvas(static_cast<int>(Round(RectFWidth(ASourceRect))),
                                   static_cast<int>(Round(RectFHeight(ASourceRect))), FNative, false);
    const float w = static_cast<float>(part->Bitmap()->Width());
    const float h = static_cast<float>(part->Bitmap()->Height());
    part->BeginScene();
    part->DrawBitmap(TRectF{-ASourceRect.Left, -ASourceRect.Top, w - ASourceRect.Left, h - ASourceRect.Top}, ABitmap);
    part->EndScene();
    auto result = std::make_unique<TRurBitmap>();
    result->Assign(part->Bitmap());
    return result;
}

void TRurGraphics::DrawBitmapPart(TRectF ASourceRect, TRectF ADestinationRect, TPicture* ABitmap, bool AAspectRatio,
                                  bool AStretch, bool ACenter, bool ACropping)
{
    if (IsRectFEmpty(ADestinationRect) || IsRectFEmpty(ASourceRect) || !ABitmap)
        return;
    // An SVG picture is drawn whole: its vectors have no pixels to cut a part from.
    if (DrawSVG(ADestinationRect, ABitmap))
        return;
    std::unique_ptr<TRurBitmap> part = CutBitmapPart(ASourceRect, ABitmap);
    DrawBitmap(ADestinationRect, part.get(), AAspectRatio, AStretch, ACenter, ACropping);
}

void TRurGraphics::DrawBitmapPart(const TRect& ASourceRect, const TRect& ADestinationRect, TPicture* ABitmap,
                                  bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping)
{
    DrawBitmapPart(RectToRectF(ASourceRect), RectToRectF(ADestinationRect), ABitmap, AAspectRatio, AStretch, ACenter,
                   ACropping);
}

std::unique_ptr<TRurBitmap> TRurGraphics::DrawBitmapPartSync(TRectF ASourceRect, TRectF ADestinationRect,
                                                             TPicture* ABitmap)
{
    if (IsRectFEmpty(ADestinationRect) || IsRectFEmpty(ASourceRect) || !ABitmap || SVGOf(ABitmap))
        return nullptr;
    return CutBitmapPart(ASourceRect, ABitmap);
}

TPicture* TRurGraphics::GetBitmapFromPictureContainer(TPictureContainer* APictureContainer, const String& AName,
                                                      bool AApplyScale, float AScale)
{
    if (!APictureContainer || AName.empty())
        return nullptr;
    TPicture* found = nullptr;
    // The suffix is always written with a point, so that names match under any locale.
    if (AApplyScale)
        found = APictureContainer->FindBitmap(AName + u"_" + TRurUtils::FloatToStrDot(DisplayScale(AScale)));
    if (!found)
        found = APictureContainer->FindBitmap(AName);
    return found;
}

void TRurGraphics::DrawBitmapWithName(TRectF ARect, const String& ABitmapName, bool AApplyScale, float AScale,
                                      bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping)
{
    if (TPicture* picture = GetBitmapFromPictureContainer(FPictureContainer, ABitmapName, AApplyScale, AScale))
        DrawBitmap(ARect, picture, AAspectRatio, AStretch, ACenter, ACropping);
}

void TRurGraphics::DrawBitmapWithName(const TRect& ARect, const String& ABitmapName, bool AApplyScale, float AScale,
                                      bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping)
{
    DrawBitmapWithName(RectToRectF(ARect), ABitmapName, AApplyScale, AScale, AAspectRatio, AStretch, ACenter,
                       ACropping);
}

TPicture* TRurGraphics::GetScaledBitmap(TRurScaledBitmaps* ABitmaps, float AScale,
                                        TPictureContainer* APictureContainer)
{
    if (!ABitmaps)
        return nullptr;
    TRurScaledBitmap* item = ABitmaps->GetItemByScale(DisplayScale(AScale));
    if (!item)
        return nullptr;
    if (!IsBitmapEmpty(item->Bitmap()))
        return item->Bitmap();
    TPicture* found = GetBitmapFromPictureContainer(APictureContainer, item->BitmapName(), true, AScale);
    if (!IsBitmapEmpty(found))
        return found;
    found = GetBitmapFromPictureContainer(APictureContainer, item->BitmapName(), false, 0);
    return IsBitmapEmpty(found) ? nullptr : found;
}

void TRurGraphics::DrawScaledBitmap(TRectF ARect, TRurScaledBitmaps* ABitmaps, float AScale, bool AAspectRatio,
                                    bool AStretch, bool ACenter, bool ACropping)
{
    if (!ABitmaps)
        return;
    TRurScaledBitmap* item = ABitmaps->GetItemByScale(DisplayScale(AScale));
    if (!item)
        return;
    TPicture* picture = item->Bitmap();
    if (IsBitmapEmpty(picture))
        picture = GetBitmapFromPictureContainer(FPictureContainer, item->BitmapName(), true, AScale);
    if (!IsBitmapEmpty(picture))
        DrawBitmap(ARect, picture, AAspectRatio, AStretch, ACenter, ACropping);
    else
        DrawBitmapWithName(ARect, item->BitmapName(), false, item->Scale(), AAspectRatio, AStretch, ACenter,
                           ACropping);
}

void TRurGraphics::DrawScaledBitmap(const TRect& ARect, TRurScaledBitmaps* ABitmaps, float AScale, bool AAspectRatio,
                                    bool AStretch, bool ACenter, bool ACropping)
{
    DrawScaledBitmap(RectToRectF(ARect), ABitmaps, AScale, AAspectRatio, AStretch, ACenter, ACropping);
}
