// Graphics wrapper: surface state, transforms, clipping and shapes.
#include "RurGDIPlusClasses.h"

namespace RurGDIPlusClasses {

using enum GdipEntry;

TGPGraphics::TGPGraphics(HDC hdc) { lastResult = GdipCall(GdipCreateFromHDC, hdc, &nativeGraphics); }

TGPGraphics::TGPGraphics(HDC hdc, HANDLE hdevice)
{
    lastResult = GdipCall(GdipCreateFromHDC2, hdc, hdevice, &nativeGraphics);
}

TGPGraphics::TGPGraphics(HWND hwnd, bool icm)
{
    lastResult = GdipCall(icm ? GdipCreateFromHWNDICM : GdipCreateFromHWND, hwnd, &nativeGraphics);
}

TGPGraphics::TGPGraphics(TGPImage* image)
{
    if (image)
        lastResult = GdipCall(GdipGetImageGraphicsContext, TGPHandles::Of(image), &nativeGraphics);
}

TGPGraphics::~TGPGraphics() { GdipCall(GdipDeleteGraphics, nativeGraphics); }

TGPGraphics* TGPGraphics::FromHDC(HDC hdc) { return new TGPGraphics(hdc); }
TGPGraphics* TGPGraphics::FromHDC(HDC hdc, HANDLE hdevice) { return new TGPGraphics(hdc, hdevice); }
TGPGraphics* TGPGraphics::FromHWND(HWND hwnd, bool icm) { return new TGPGraphics(hwnd, icm); }
TGPGraphics* TGPGraphics::FromImage(TGPImage* image) { return new TGPGraphics(image); }

void TGPGraphics::Flush(FlushIntention intention) { GdipCall(GdipFlush, nativeGraphics, intention); }

HDC TGPGraphics::GetHDC()
{
    HDC hdc = nullptr;
    if (SetStatus(GdipCall(GdipGetDC, nativeGraphics, &hdc)) != Ok)
        return nullptr;
    return hdc;
}

void TGPGraphics::ReleaseHDC(HDC hdc) { SetStatus(GdipCall(GdipReleaseDC, nativeGraphics, hdc)); }

Status TGPGraphics::SetRenderingOrigin(int32_t x, int32_t y)
{
    return SetStatus(GdipCall(GdipSetRenderingOrigin, nativeGraphics, x, y));
}

Status TGPGraphics::GetRenderingOrigin(int32_t& x, int32_t& y)
{
    return SetStatus(GdipCall(GdipGetRenderingOrigin, nativeGraphics, &x, &y));
}

Status TGPGraphics::SetCompositingMode(CompositingMode compositingMode)
{
    return SetStatus(GdipCall(GdipSetCompositingMode, nativeGraphics, compositingMode));
}

CompositingMode TGPGraphics::GetCompositingMode()
{
    CompositingMode mode = CompositingModeSourceOver;
    if (SetStatus(GdipCall(GdipGetCompositingMode, nativeGraphics, &mode)) != Ok)
        return CompositingModeSourceOver;
    return mode;
}

Status TGPGraphics::SetCompositingQuality(int32_t compositingQuality)
{
    return SetStatus(GdipCall(GdipSetCompositingQuality, nativeGraphics, compositingQuality));
}

int32_t TGPGraphics::GetCompositingQuality()
{
    int32_t quality = 0;
    if (SetStatus(GdipCall(GdipGetCompositingQuality, nativeGraphics, &quality)) != Ok)
        return 0;
    return quality;
}

Status TGPGraphics::SetTextRenderingHint(TextRenderingHint newMode)
{
    return SetStatus(GdipCall(GdipSetTextRenderingHint, nativeGraphics, newMode));
}

TextRenderingHint TGPGraphics::GetTextRenderingHint()
{
    TextRenderingHint hint = TextRenderingHintSystemDefault;
    if (SetStatus(GdipCall(GdipGetTextRenderingHint, nativeGraphics, &hint)) != Ok)
        return TextRenderingHintSystemDefault;
    return hint;
}

Status TGPGraphics::SetTextContrast(uint32_t contrast) { return SetStatus(GdipCall(GdipSetTextContrast, nativeGraphics, contrast)); }

uint32_t TGPGraphics::GetTextContrast()
{
    uint32_t contrast = 0;
    if (SetStatus(GdipCall(GdipGetTextContrast, nativeGraphics, &contrast)) != Ok)
        return 0;
    return contrast;
}

int32_t TGPGraphics::GetInterpolationMode()
{
    int32_t mode = -1;
    if (SetStatus(GdipCall(GdipGetInterpolationMode, nativeGraphics, &mode)) != Ok)
        return -1;
    return mode;
}

Status TGPGraphics::SetInterpolationMode(int32_t interpolationMode)
{
    return SetStatus(GdipCall(GdipSetInterpolationMode, nativeGraphics, interpolationMode));
}

int32_t TGPGraphics::GetSmoothingMode()
{
    int32_t mode = -1;
    if (SetStatus(GdipCall(GdipGetSmoothingMode, nativeGraphics, &mode)) != Ok)
        return -1;
    return mode;
}

Status TGPGraphics::SetSmoothingMode(int32_t smoothingMode)
{
    return SetStatus(GdipCall(GdipSetSmoothingMode, nativeGraphics, smoothingMode));
}

int32_t TGPGraphics::GetPixelOffsetMode()
{
    int32_t mode = -1;
    if (SetStatus(GdipCall(GdipGetPixelOffsetMode, nativeGraphics, &mode)) != Ok)
        return -1;
    return mode;
}

Status TGPGraphics::SetPixelOffsetMode(int32_t pixelOffsetMode)
{
    return SetStatus(GdipCall(GdipSetPixelOffsetMode, nativeGraphics, pixelOffsetMode));
}

Status TGPGraphics::SetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(GdipSetWorldTransform, nativeGraphics, TGPHandles::Of(matrix)));
}

Status TGPGraphics::ResetTransform() { return SetStatus(GdipCall(GdipResetWorldTransform, nativeGraphics)); }

Status TGPGraphics::MultiplyTransform(TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipMultiplyWorldTransform, nativeGraphics, TGPHandles::Of(matrix), order));
}

Status TGPGraphics::TranslateTransform(float dx, float dy, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipTranslateWorldTransform, nativeGraphics, dx, dy, order));
}

Status TGPGraphics::ScaleTransform(float sx, float sy, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipScaleWorldTransform, nativeGraphics, sx, sy, order));
}

Status TGPGraphics::RotateTransform(float angle, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipRotateWorldTransform, nativeGraphics, angle, order));
}

Status TGPGraphics::GetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(GdipGetWorldTransform, nativeGraphics, TGPHandles::Of(matrix)));
}

Status TGPGraphics::SetPageUnit(Unit_ unit_) { return SetStatus(GdipCall(GdipSetPageUnit, nativeGraphics, unit_)); }
Status TGPGraphics::SetPageScale(float scale) { return SetStatus(GdipCall(GdipSetPageScale, nativeGraphics, scale)); }

Unit_ TGPGraphics::GetPageUnit()
{
    Unit_ unit = UnitWorld;
    if (SetStatus(GdipCall(GdipGetPageUnit, nativeGraphics, &unit)) != Ok)
        return UnitWorld;
    return unit;
}

float TGPGraphics::GetPageScale()
{
    float scale = 0;
    if (SetStatus(GdipCall(GdipGetPageScale, nativeGraphics, &scale)) != Ok)
        return 0;
    return scale;
}

float TGPGraphics::GetDpiX()
{
    float dpi = 0;
    if (SetStatus(GdipCall(GdipGetDpiX, nativeGraphics, &dpi)) != Ok)
        return 0;
    return dpi;
}

float TGPGraphics::GetDpiY()
{
    float dpi = 0;
    if (SetStatus(GdipCall(GdipGetDpiY, nativeGraphics, &dpi)) != Ok)
        return 0;
    return dpi;
}

Status TGPGraphics::TransformPoints(CoordinateSpace destSpace, CoordinateSpace srcSpace, TGPPointF* pts, int32_t count)
{
    return SetStatus(GdipCall(GdipTransformPoints, nativeGraphics, destSpace, srcSpace, pts, count));
}

Status TGPGraphics::TransformPoints(CoordinateSpace destSpace, CoordinateSpace srcSpace, TGPPoint* pts, int32_t count)
{
    return SetStatus(GdipCall(GdipTransformPointsI, nativeGraphics, destSpace, srcSpace, pts, count));
}

Status TGPGraphics::GetNearestColor(ARGB& color) { return SetStatus(GdipCall(GdipGetNearestColor, nativeGraphics, &color)); }

// ---- Clipping, visibility, state ----------------------------------------------------------------------------

Status TGPGraphics::SetClip(TGPGraphics* g, CombineMode combineMode)
{
    return SetStatus(GdipCall(GdipSetClipGraphics, nativeGraphics, TGPHandles::Of(g), combineMode));
}

Status TGPGraphics::SetClip(const TGPRectF& rect, CombineMode combineMode)
{
    return SetStatus(GdipCall(GdipSetClipRect, nativeGraphics, rect.X, rect.Y, rect.Width, rect.Height, combineMode));
}

Status TGPGraphics::SetClip(const TGPRect& rect, CombineMode combineMode)
{
    return SetStatus(GdipCall(GdipSetClipRectI, nativeGraphics, rect.X, rect.Y, rect.Width, rect.Height, combineMode));
}

Status TGPGraphics::SetClip(TGPGraphicsPath* path, CombineMode combineMode)
{
    return SetStatus(GdipCall(GdipSetClipPath, nativeGraphics, TGPHandles::Of(path), combineMode));
}

Status TGPGraphics::SetClip(TGPRegion* region, CombineMode combineMode)
{
    return SetStatus(GdipCall(GdipSetClipRegion, nativeGraphics, TGPHandles::Of(region), combineMode));
}

Status TGPGraphics::SetClip(HRGN hRgn, CombineMode combineMode)
{
    return SetStatus(GdipCall(GdipSetClipHrgn, nativeGraphics, hRgn, combineMode));
}

Status TGPGraphics::IntersectClip(const TGPRectF& rect) { return SetClip(rect, CombineModeIntersect); }
Status TGPGraphics::IntersectClip(const TGPRect& rect) { return SetClip(rect, CombineModeIntersect); }
Status TGPGraphics::IntersectClip(TGPRegion* region) { return SetClip(region, CombineModeIntersect); }
Status TGPGraphics::ExcludeClip(const TGPRectF& rect) { return SetClip(rect, CombineModeExclude); }
Status TGPGraphics::ExcludeClip(const TGPRect& rect) { return SetClip(rect, CombineModeExclude); }
Status TGPGraphics::ExcludeClip(TGPRegion* region) { return SetClip(region, CombineModeExclude); }
Status TGPGraphics::ResetClip() { return SetStatus(GdipCall(GdipResetClip, nativeGraphics)); }
Status TGPGraphics::TranslateClip(float dx, float dy) { return SetStatus(GdipCall(GdipTranslateClip, nativeGraphics, dx, dy)); }
Status TGPGraphics::TranslateClip(int32_t dx, int32_t dy) { return SetStatus(GdipCall(GdipTranslateClipI, nativeGraphics, dx, dy)); }
Status TGPGraphics::GetClip(TGPRegion* region) { return SetStatus(GdipCall(GdipGetClip, nativeGraphics, TGPHandles::Of(region))); }
Status TGPGraphics::GetClipBounds(TGPRectF& rect) { return SetStatus(GdipCall(GdipGetClipBounds, nativeGraphics, &rect)); }
Status TGPGraphics::GetClipBounds(TGPRect& rect) { return SetStatus(GdipCall(GdipGetClipBoundsI, nativeGraphics, &rect)); }

bool TGPGraphics::IsClipEmpty()
{
    BOOL result = FALSE;
    if (SetStatus(GdipCall(GdipIsClipEmpty, nativeGraphics, &result)) != Ok)
        return false;
    return result;
}

Status TGPGraphics::GetVisibleClipBounds(TGPRectF& rect)
{
    return SetStatus(GdipCall(GdipGetVisibleClipBounds, nativeGraphics, &rect));
}

Status TGPGraphics::GetVisibleClipBounds(TGPRect& rect)
{
    return SetStatus(GdipCall(GdipGetVisibleClipBoundsI, nativeGraphics, &rect));
}

bool TGPGraphics::IsVisibleClipEmpty()
{
    BOOL result = FALSE;
    if (SetStatus(GdipCall(GdipIsVisibleClipEmpty, nativeGraphics, &result)) != Ok)
        return false;
    return result;
}

bool TGPGraphics::IsVisible(float x, float y)
{
    BOOL result = FALSE;
    if (SetStatus(GdipCall(GdipIsVisiblePoint, nativeGraphics, x, y, &result)) != Ok)
        return false;
    return result;
}

bool TGPGraphics::IsVisible(int32_t x, int32_t y)
{
    BOOL result = FALSE;
    if (SetStatus(GdipCall(GdipIsVisiblePointI, nativeGraphics, x, y, &result)) != Ok)
        return false;
    return result;
}

bool TGPGraphics::IsVisible(const TGPPointF& point) { return IsVisible(point.X, point.Y); }
bool TGPGraphics::IsVisible(const TGPPoint& point) { return IsVisible(point.X, point.Y); }

bool TGPGraphics::IsVisible(float x, float y, float width, float height)
{
    BOOL result = TRUE;
    if (SetStatus(GdipCall(GdipIsVisibleRect, nativeGraphics, x, y, width, height, &result)) != Ok)
        return true;
    return result;
}

bool TGPGraphics::IsVisible(int32_t x, int32_t y, int32_t width, int32_t height)
{
    BOOL result = TRUE;
    if (SetStatus(GdipCall(GdipIsVisibleRectI, nativeGraphics, x, y, width, height, &result)) != Ok)
        return true;
    return result;
}

bool TGPGraphics::IsVisible(const TGPRectF& rect) { return IsVisible(rect.X, rect.Y, rect.Width, rect.Height); }
bool TGPGraphics::IsVisible(const TGPRect& rect) { return IsVisible(rect.X, rect.Y, rect.Width, rect.Height); }

uint32_t TGPGraphics::Save()
{
    uint32_t state = 0;
    if (SetStatus(GdipCall(GdipSaveGraphics, nativeGraphics, &state)) != Ok)
        return 0;
    return state;
}

Status TGPGraphics::Restore(uint32_t gstate) { return SetStatus(GdipCall(GdipRestoreGraphics, nativeGraphics, gstate)); }

uint32_t TGPGraphics::BeginContainer(const TGPRectF& dstrect, const TGPRectF& srcrect, Unit_ unit_)
{
    uint32_t state = 0;
    if (SetStatus(GdipCall(GdipBeginContainer, nativeGraphics, &dstrect, &srcrect, unit_, &state)) != Ok)
        return 0;
    return state;
}

uint32_t TGPGraphics::BeginContainer(const TGPRect& dstrect, const TGPRect& srcrect, Unit_ unit_)
{
    uint32_t state = 0;
    if (SetStatus(GdipCall(GdipBeginContainerI, nativeGraphics, &dstrect, &srcrect, unit_, &state)) != Ok)
        return 0;
    return state;
}

uint32_t TGPGraphics::BeginContainer()
{
    uint32_t state = 0;
    if (SetStatus(GdipCall(GdipBeginContainer2, nativeGraphics, &state)) != Ok)
        return 0;
    return state;
}

Status TGPGraphics::EndContainer(uint32_t state) { return SetStatus(GdipCall(GdipEndContainer, nativeGraphics, state)); }

Status TGPGraphics::AddMetafileComment(const uint8_t* data, uint32_t sizeData)
{
    return SetStatus(GdipCall(GdipComment, nativeGraphics, sizeData, data));
}

} // namespace RurGDIPlusClasses
