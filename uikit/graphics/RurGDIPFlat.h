#pragma once
// The gdiplus.dll entries RurGDIP imports, declared with the unit's own types (private to the
// unit's sources, so no other GDI+ declaration ever meets them in one file).
#include "RurGDIP.h"
#include "Math.h"

namespace RurGDIP {

using GetThumbnailImageAbort = DrawImageAbort;

struct GdiplusStartupInput {
    UINT32 GdiplusVersion;
    void* DebugEventCallback;
    BOOL SuppressBackgroundThread;
    BOOL SuppressExternalCodecs;
};

using NotificationHookProc = TStatus(WINAPI*)(ULONG_PTR* token);
using NotificationUnhookProc = void(WINAPI*)(ULONG_PTR token);

struct GdiplusStartupOutput {
    NotificationHookProc NotificationHook;
    NotificationUnhookProc NotificationUnhook;
};

// Native handles of nil-safe arguments: nil passes on as a nil handle.
inline GpPen* NativeOf(const TGPPen* pen) { return pen ? pen->NativePen() : nullptr; }
inline GpBrush* NativeOf(const TGPBrush* brush) { return brush ? brush->NativeBrush() : nullptr; }
inline GpImage* NativeOf(const TGPImage* image) { return image ? image->NativeImage() : nullptr; }
inline GpPath* NativeOf(const TGPGraphicsPath* path) { return path ? path->NativePath() : nullptr; }
inline GpMatrix* NativeOf(const TGPMatrix* matrix) { return matrix ? matrix->NativeMatrix() : nullptr; }
inline GpFont* NativeOf(const TGPFont* font) { return font ? font->NativeFont() : nullptr; }
inline GpStringFormat* NativeOf(const TGPStringFormat* format) { return format ? format->NativeFormat() : nullptr; }
inline GpFontFamily* NativeOf(const TGPFontFamily* family) { return family ? family->NativeFamily() : nullptr; }
inline GpImageAttributes* NativeOf(const TGPImageAttributes* attributes)
{
    return attributes ? attributes->NativeImageAttr() : nullptr;
}

inline const WCHAR* WideText(const String& s) { return reinterpret_cast<const WCHAR*>(s.c_str()); }

// The GDI+ font style bits of a framework font style.
inline int FontStyleBits(TFontStyles style)
{
    return (style.Contains(fsBold) ? FontStyleBold : 0) | (style.Contains(fsItalic) ? FontStyleItalic : 0) |
           (style.Contains(fsUnderline) ? FontStyleUnderline : 0) | (style.Contains(fsStrikeOut) ? FontStyleStrikeout : 0);
}

extern "C" {
TStatus WINAPI GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output);
void WINAPI GdiplusShutdown(ULONG_PTR token);
void* WINAPI GdipAlloc(size_t size);
void WINAPI GdipFree(void* memory);
TStatus WINAPI GdipCreateFromHDC(HDC, GpGraphics**);
TStatus WINAPI GdipGetImageGraphicsContext(GpImage*, GpGraphics**);
TStatus WINAPI GdipDeleteGraphics(GpGraphics*);
TStatus WINAPI GdipFlush(GpGraphics*, FlushIntention);
TStatus WINAPI GdipGraphicsClear(GpGraphics*, ARGB);
TStatus WINAPI GdipGetDC(GpGraphics*, HDC*);
TStatus WINAPI GdipReleaseDC(GpGraphics*, HDC);
TStatus WINAPI GdipSetWorldTransform(GpGraphics*, GpMatrix*);
TStatus WINAPI GdipResetWorldTransform(GpGraphics*);
TStatus WINAPI GdipMultiplyWorldTransform(GpGraphics*, const GpMatrix*, MatrixOrder);
TStatus WINAPI GdipTranslateWorldTransform(GpGraphics*, float, float, MatrixOrder);
TStatus WINAPI GdipRotateWorldTransform(GpGraphics*, float, MatrixOrder);
TStatus WINAPI GdipScaleWorldTransform(GpGraphics*, float, float, MatrixOrder);
TStatus WINAPI GdipSetTextRenderingHint(GpGraphics*, TextRenderingHint);
TStatus WINAPI GdipGetTextRenderingHint(GpGraphics*, TextRenderingHint*);
TStatus WINAPI GdipSetSmoothingMode(GpGraphics*, SmoothingMode);
TStatus WINAPI GdipGetSmoothingMode(GpGraphics*, SmoothingMode*);
TStatus WINAPI GdipSetCompositingQuality(GpGraphics*, CompositingQuality);
TStatus WINAPI GdipGetCompositingQuality(GpGraphics*, CompositingQuality*);
TStatus WINAPI GdipDrawLine(GpGraphics*, GpPen*, float, float, float, float);
TStatus WINAPI GdipDrawRectangle(GpGraphics*, GpPen*, float, float, float, float);
TStatus WINAPI GdipDrawEllipse(GpGraphics*, GpPen*, float, float, float, float);
TStatus WINAPI GdipDrawEllipseI(GpGraphics*, GpPen*, int, int, int, int);
TStatus WINAPI GdipDrawArc(GpGraphics*, GpPen*, float, float, float, float, float, float);
TStatus WINAPI GdipDrawBezier(GpGraphics*, GpPen*, float, float, float, float, float, float, float, float);
TStatus WINAPI GdipDrawBeziers(GpGraphics*, GpPen*, const TGPPointF*, int);
TStatus WINAPI GdipDrawPath(GpGraphics*, GpPen*, GpPath*);
TStatus WINAPI GdipFillRectangle(GpGraphics*, GpBrush*, float, float, float, float);
TStatus WINAPI GdipFillEllipse(GpGraphics*, GpBrush*, float, float, float, float);
TStatus WINAPI GdipFillEllipseI(GpGraphics*, GpBrush*, int, int, int, int);
TStatus WINAPI GdipFillPolygon(GpGraphics*, GpBrush*, const TGPPointF*, int, FillMode);
TStatus WINAPI GdipFillPolygonI(GpGraphics*, GpBrush*, const TGPPoint*, int, FillMode);
TStatus WINAPI GdipFillPath(GpGraphics*, GpBrush*, GpPath*);
TStatus WINAPI GdipDrawImageI(GpGraphics*, GpImage*, int, int);
TStatus WINAPI GdipDrawImageRect(GpGraphics*, GpImage*, float, float, float, float);
TStatus WINAPI GdipDrawImageRectRect(GpGraphics*, GpImage*, float, float, float, float, float, float, float, float, Unit_, const GpImageAttributes*, DrawImageAbort, void*);
TStatus WINAPI GdipSetClipRegion(GpGraphics*, GpRegion*, CombineMode);
TStatus WINAPI GdipSetClipPath(GpGraphics*, GpPath*, CombineMode);
TStatus WINAPI GdipResetClip(GpGraphics*);
TStatus WINAPI GdipSetClipRect(GpGraphics*, float, float, float, float, CombineMode);
TStatus WINAPI GdipMeasureString(GpGraphics*, const WCHAR*, int, const GpFont*, const TGPRectF*, const GpStringFormat*, TGPRectF*, int*, int*);
TStatus WINAPI GdipDrawString(GpGraphics*, const WCHAR*, int, const GpFont*, const TGPRectF*, const GpStringFormat*, const GpBrush*);
TStatus WINAPI GdipCreatePen1(ARGB, float, Unit_, GpPen**);
TStatus WINAPI GdipCreatePen2(GpBrush*, float, Unit_, GpPen**);
TStatus WINAPI GdipDeletePen(GpPen*);
TStatus WINAPI GdipSetPenBrushFill(GpPen*, GpBrush*);
TStatus WINAPI GdipGetPenBrushFill(GpPen*, GpBrush**);
TStatus WINAPI GdipGetPenFillType(GpPen*, PenType*);
TStatus WINAPI GdipSetPenDashStyle(GpPen*, DashStyle);
TStatus WINAPI GdipGetPenDashStyle(GpPen*, DashStyle*);
TStatus WINAPI GdipSetPenEndCap(GpPen*, LineCap);
TStatus WINAPI GdipDeleteBrush(GpBrush*);
TStatus WINAPI GdipCreateSolidFill(ARGB, GpBrush**);
TStatus WINAPI GdipCreateHatchBrush(HatchStyle, ARGB, ARGB, GpBrush**);
TStatus WINAPI GdipGetHatchStyle(GpBrush*, HatchStyle*);
TStatus WINAPI GdipGetHatchForegroundColor(GpBrush*, ARGB*);
TStatus WINAPI GdipGetHatchBackgroundColor(GpBrush*, ARGB*);
TStatus WINAPI GdipCreateTexture(GpImage*, WrapMode, GpBrush**);
TStatus WINAPI GdipCreateTexture2(GpImage*, WrapMode, float, float, float, float, GpBrush**);
TStatus WINAPI GdipCreateTexture2I(GpImage*, WrapMode, int, int, int, int, GpBrush**);
TStatus WINAPI GdipCreateTextureIA(GpImage*, const GpImageAttributes*, float, float, float, float, GpBrush**);
TStatus WINAPI GdipCreateTextureIAI(GpImage*, const GpImageAttributes*, int, int, int, int, GpBrush**);
TStatus WINAPI GdipResetTextureTransform(GpBrush*);
TStatus WINAPI GdipTranslateTextureTransform(GpBrush*, float, float, MatrixOrder);
TStatus WINAPI GdipScaleTextureTransform(GpBrush*, float, float, MatrixOrder);
TStatus WINAPI GdipRotateTextureTransform(GpBrush*, float, MatrixOrder);
TStatus WINAPI GdipSetTextureWrapMode(GpBrush*, WrapMode);
TStatus WINAPI GdipGetTextureWrapMode(GpBrush*, WrapMode*);
TStatus WINAPI GdipGetTextureImage(GpBrush*, GpImage**);
TStatus WINAPI GdipCreateLineBrush(const TGPPointF*, const TGPPointF*, ARGB, ARGB, WrapMode, GpBrush**);
TStatus WINAPI GdipCreateLineBrushI(const TGPPoint*, const TGPPoint*, ARGB, ARGB, WrapMode, GpBrush**);
TStatus WINAPI GdipCreateLineBrushFromRect(const TGPRectF*, ARGB, ARGB, LinearGradientMode, WrapMode, GpBrush**);
TStatus WINAPI GdipCreateLineBrushFromRectI(const TGPRect*, ARGB, ARGB, LinearGradientMode, WrapMode, GpBrush**);
TStatus WINAPI GdipCreateLineBrushFromRectWithAngle(const TGPRectF*, ARGB, ARGB, float, BOOL, WrapMode, GpBrush**);
TStatus WINAPI GdipCreateLineBrushFromRectWithAngleI(const TGPRect*, ARGB, ARGB, float, BOOL, WrapMode, GpBrush**);
TStatus WINAPI GdipSetLineGammaCorrection(GpBrush*, BOOL);
TStatus WINAPI GdipSetLinePresetBlend(GpBrush*, const ARGB*, const float*, int);
TStatus WINAPI GdipCreatePathGradientFromPath(const GpPath*, GpBrush**);
TStatus WINAPI GdipSetPathGradientCenterColor(GpBrush*, ARGB);
TStatus WINAPI GdipGetPathGradientCenterColor(GpBrush*, ARGB*);
TStatus WINAPI GdipSetPathGradientCenterPoint(GpBrush*, const TGPPointF*);
TStatus WINAPI GdipSetPathGradientCenterPointI(GpBrush*, const TGPPoint*);
TStatus WINAPI GdipGetPathGradientCenterPoint(GpBrush*, TGPPointF*);
TStatus WINAPI GdipGetPathGradientCenterPointI(GpBrush*, TGPPoint*);
TStatus WINAPI GdipGetPathGradientPointCount(GpBrush*, int*);
TStatus WINAPI GdipSetPathGradientSurroundColorsWithCount(GpBrush*, const ARGB*, int*);
TStatus WINAPI GdipGetPathGradientSurroundColorsWithCount(GpBrush*, ARGB*, int*);
TStatus WINAPI GdipGetPathGradientSurroundColorCount(GpBrush*, int*);
TStatus WINAPI GdipSetPathGradientPresetBlend(GpBrush*, const ARGB*, const float*, int);
TStatus WINAPI GdipSetPathGradientGammaCorrection(GpBrush*, BOOL);
TStatus WINAPI GdipSetPathGradientWrapMode(GpBrush*, WrapMode);
TStatus WINAPI GdipCreatePath(FillMode, GpPath**);
TStatus WINAPI GdipCreatePath2(const TGPPointF*, const BYTE*, int, FillMode, GpPath**);
TStatus WINAPI GdipDeletePath(GpPath*);
TStatus WINAPI GdipResetPath(GpPath*);
TStatus WINAPI GdipClosePathFigure(GpPath*);
TStatus WINAPI GdipGetPointCount(GpPath*, int*);
TStatus WINAPI GdipGetPathPoints(GpPath*, TGPPointF*, int);
TStatus WINAPI GdipGetPathTypes(GpPath*, BYTE*, int);
TStatus WINAPI GdipGetPathWorldBounds(GpPath*, TGPRectF*, const GpMatrix*, const GpPen*);
TStatus WINAPI GdipAddPathLine(GpPath*, float, float, float, float);
TStatus WINAPI GdipAddPathLine2I(GpPath*, const TGPPoint*, int);
TStatus WINAPI GdipAddPathRectangle(GpPath*, float, float, float, float);
TStatus WINAPI GdipAddPathRectangleI(GpPath*, int, int, int, int);
TStatus WINAPI GdipAddPathArc(GpPath*, float, float, float, float, float, float);
TStatus WINAPI GdipAddPathEllipse(GpPath*, float, float, float, float);
TStatus WINAPI GdipAddPathPie(GpPath*, float, float, float, float, float, float);
TStatus WINAPI GdipAddPathPolygon(GpPath*, const TGPPointF*, int);
TStatus WINAPI GdipAddPathPolygonI(GpPath*, const TGPPoint*, int);
TStatus WINAPI GdipAddPathCurve(GpPath*, const TGPPointF*, int);
TStatus WINAPI GdipAddPathCurveI(GpPath*, const TGPPoint*, int);
TStatus WINAPI GdipAddPathCurve2I(GpPath*, const TGPPoint*, int, float);
TStatus WINAPI GdipAddPathBezier(GpPath*, float, float, float, float, float, float, float, float);
TStatus WINAPI GdipAddPathString(GpPath*, const WCHAR*, int, const GpFontFamily*, int, float, const TGPRectF*, const GpStringFormat*);
TStatus WINAPI GdipCreateRegionRect(const TGPRectF*, GpRegion**);
TStatus WINAPI GdipCreateRegionPath(GpPath*, GpRegion**);
TStatus WINAPI GdipDeleteRegion(GpRegion*);
TStatus WINAPI GdipCombineRegionPath(GpRegion*, GpPath*, CombineMode);
TStatus WINAPI GdipCombineRegionRegion(GpRegion*, GpRegion*, CombineMode);
TStatus WINAPI GdipCreateMatrix(GpMatrix**);
TStatus WINAPI GdipCreateMatrix2(float, float, float, float, float, float, GpMatrix**);
TStatus WINAPI GdipCreateMatrix3(const TGPRectF*, const TGPPointF*, GpMatrix**);
TStatus WINAPI GdipCreateMatrix3I(const TGPRect*, const TGPPoint*, GpMatrix**);
TStatus WINAPI GdipDeleteMatrix(GpMatrix*);
TStatus WINAPI GdipCloneMatrix(GpMatrix*, GpMatrix**);
TStatus WINAPI GdipGetMatrixElements(const GpMatrix*, float*);
TStatus WINAPI GdipSetMatrixElements(GpMatrix*, float, float, float, float, float, float);
TStatus WINAPI GdipMultiplyMatrix(GpMatrix*, GpMatrix*, MatrixOrder);
TStatus WINAPI GdipTranslateMatrix(GpMatrix*, float, float, MatrixOrder);
TStatus WINAPI GdipScaleMatrix(GpMatrix*, float, float, MatrixOrder);
TStatus WINAPI GdipRotateMatrix(GpMatrix*, float, MatrixOrder);
TStatus WINAPI GdipShearMatrix(GpMatrix*, float, float, MatrixOrder);
TStatus WINAPI GdipInvertMatrix(GpMatrix*);
TStatus WINAPI GdipTransformMatrixPoints(GpMatrix*, TGPPointF*, int);
TStatus WINAPI GdipTransformMatrixPointsI(GpMatrix*, TGPPoint*, int);
TStatus WINAPI GdipVectorTransformMatrixPoints(GpMatrix*, TGPPointF*, int);
TStatus WINAPI GdipVectorTransformMatrixPointsI(GpMatrix*, TGPPoint*, int);
TStatus WINAPI GdipIsMatrixInvertible(const GpMatrix*, BOOL*);
TStatus WINAPI GdipIsMatrixIdentity(const GpMatrix*, BOOL*);
TStatus WINAPI GdipCreateStringFormat(int, LANGID, GpStringFormat**);
TStatus WINAPI GdipCloneStringFormat(const GpStringFormat*, GpStringFormat**);
TStatus WINAPI GdipDeleteStringFormat(GpStringFormat*);
TStatus WINAPI GdipSetStringFormatAlign(GpStringFormat*, StringAlignment);
TStatus WINAPI GdipGetStringFormatAlign(const GpStringFormat*, StringAlignment*);
TStatus WINAPI GdipSetStringFormatLineAlign(GpStringFormat*, StringAlignment);
TStatus WINAPI GdipGetStringFormatLineAlign(const GpStringFormat*, StringAlignment*);
TStatus WINAPI GdipSetStringFormatFlags(GpStringFormat*, int);
TStatus WINAPI GdipGetStringFormatFlags(const GpStringFormat*, int*);
TStatus WINAPI GdipSetStringFormatTrimming(GpStringFormat*, StringTrimming);
TStatus WINAPI GdipGetStringFormatTrimming(const GpStringFormat*, StringTrimming*);
TStatus WINAPI GdipSetStringFormatHotkeyPrefix(GpStringFormat*, int);
TStatus WINAPI GdipGetStringFormatHotkeyPrefix(const GpStringFormat*, int*);
TStatus WINAPI GdipCreateFontFamilyFromName(const WCHAR*, GpFontCollection*, GpFontFamily**);
TStatus WINAPI GdipDeleteFontFamily(GpFontFamily*);
TStatus WINAPI GdipGetFamilyName(const GpFontFamily*, WCHAR*, LANGID);
TStatus WINAPI GdipGetGenericFontFamilySansSerif(GpFontFamily**);
TStatus WINAPI GdipGetGenericFontFamilySerif(GpFontFamily**);
TStatus WINAPI GdipGetGenericFontFamilyMonospace(GpFontFamily**);
TStatus WINAPI GdipCreateFont(const GpFontFamily*, float, int, Unit_, GpFont**);
TStatus WINAPI GdipDeleteFont(GpFont*);
TStatus WINAPI GdipGetFontStyle(GpFont*, int*);
TStatus WINAPI GdipGetFontSize(GpFont*, float*);
TStatus WINAPI GdipGetFamily(GpFont*, GpFontFamily**);
TStatus WINAPI GdipLoadImageFromFile(const WCHAR*, GpImage**);
TStatus WINAPI GdipLoadImageFromFileICM(const WCHAR*, GpImage**);
TStatus WINAPI GdipLoadImageFromStream(IStream*, GpImage**);
TStatus WINAPI GdipLoadImageFromStreamICM(IStream*, GpImage**);
TStatus WINAPI GdipDisposeImage(GpImage*);
TStatus WINAPI GdipGetImageWidth(GpImage*, UINT*);
TStatus WINAPI GdipGetImageHeight(GpImage*, UINT*);
TStatus WINAPI GdipGetImagePixelFormat(GpImage*, PixelFormat*);
TStatus WINAPI GdipGetImageRawFormat(GpImage*, GUID*);
TStatus WINAPI GdipGetImageThumbnail(GpImage*, UINT, UINT, GpImage**, GetThumbnailImageAbort, void*);
TStatus WINAPI GdipSaveImageToFile(GpImage*, const WCHAR*, const CLSID*, const EncoderParameters*);
TStatus WINAPI GdipSaveImageToStream(GpImage*, IStream*, const CLSID*, const EncoderParameters*);
TStatus WINAPI GdipSaveAddImage(GpImage*, GpImage*, const EncoderParameters*);
TStatus WINAPI GdipImageRotateFlip(GpImage*, RotateFlipType);
TStatus WINAPI GdipCreateBitmapFromStream(IStream*, GpImage**);
TStatus WINAPI GdipCreateBitmapFromStreamICM(IStream*, GpImage**);
TStatus WINAPI GdipCreateBitmapFromScan0(int, int, int, PixelFormat, BYTE*, GpImage**);
TStatus WINAPI GdipCreateHBITMAPFromBitmap(GpImage*, HBITMAP*, ARGB);
TStatus WINAPI GdipBitmapGetPixel(GpImage*, int, int, ARGB*);
TStatus WINAPI GdipBitmapSetPixel(GpImage*, int, int, ARGB);
TStatus WINAPI GdipCreateImageAttributes(GpImageAttributes**);
TStatus WINAPI GdipDisposeImageAttributes(GpImageAttributes*);
TStatus WINAPI GdipCloneImageAttributes(const GpImageAttributes*, GpImageAttributes**);
TStatus WINAPI GdipSetImageAttributesToIdentity(GpImageAttributes*, ColorAdjustType);
TStatus WINAPI GdipResetImageAttributes(GpImageAttributes*, ColorAdjustType);
TStatus WINAPI GdipSetImageAttributesColorMatrix(GpImageAttributes*, ColorAdjustType, BOOL, const ColorMatrix*, const ColorMatrix*, ColorMatrixFlags);
TStatus WINAPI GdipSetImageAttributesThreshold(GpImageAttributes*, ColorAdjustType, BOOL, float);
TStatus WINAPI GdipSetImageAttributesGamma(GpImageAttributes*, ColorAdjustType, BOOL, float);
TStatus WINAPI GdipSetImageAttributesNoOp(GpImageAttributes*, ColorAdjustType, BOOL);
TStatus WINAPI GdipSetImageAttributesColorKeys(GpImageAttributes*, ColorAdjustType, BOOL, ARGB, ARGB);
TStatus WINAPI GdipSetImageAttributesOutputChannel(GpImageAttributes*, ColorAdjustType, BOOL, ColorChannelFlags);
TStatus WINAPI GdipSetImageAttributesOutputChannelColorProfile(GpImageAttributes*, ColorAdjustType, BOOL, const WCHAR*);
TStatus WINAPI GdipSetImageAttributesRemapTable(GpImageAttributes*, ColorAdjustType, BOOL, UINT, const ColorMap*);
TStatus WINAPI GdipSetImageAttributesWrapMode(GpImageAttributes*, WrapMode, ARGB, BOOL);
TStatus WINAPI GdipGetImageAttributesAdjustedPalette(GpImageAttributes*, ColorPalette*, ColorAdjustType);
}

} // namespace RurGDIP
