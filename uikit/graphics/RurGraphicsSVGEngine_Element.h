#pragma once
// The SVG engine's element tree: one element per drawable or referable node of a document, its
// geometry already reduced to paths, its presentation kept as the texts written plus the values
// read from them. Portable: no windows.h.
#include <memory>

#include "RurGraphicsSVGEngine_Attributes.h"
#include "RurObjectJSON.h"
#include "RurGraphicsSVGEngine_Values.h"

class TRurGraphicsSVGElement;
// Owns its elements (and so their subtrees).
using TRurGraphicsSVGElementList = TObjectList<TRurGraphicsSVGElement>;
// Points into the owning lists.
using TRurGraphicsSVGElementClassList = TList<TRurGraphicsSVGElement*>;

TAVIN_ENUM(TRurGraphicsSVGElementPreserveAspectRatio, parNone, parOther)

// Colours are 0x00BBGGRR; this value means no colour.
constexpr int SVGNoColor = -1;

class TRurGraphicsSVGElement : public TObject, public TRurJSONObject<TRurGraphicsSVGElement> {
    TAVIN_CLASS(TRurGraphicsSVGElement, TObject)
public:
    TRurGraphicsSVGElement() = default;
    TRurGraphicsSVGElement(const TRurGraphicsSVGElement&) = delete;
    TRurGraphicsSVGElement& operator=(const TRurGraphicsSVGElement&) = delete;

    TRurGraphicsSVGElementType Type() const { return FType; }
    TRurGraphicsSVGElement* Parent() const { return FParent; }
    // Created on first use; an empty list still counts for HasElements and HasPaths.
    TRurGraphicsSVGElementList& Elements();
    TRurGraphicsSVGElementPathList& Paths();
    bool HasElements() const { return FElements != nullptr; }
    bool HasPaths() const { return FPaths != nullptr; }
    // The last path; null when there is none.
    TRurGraphicsPath* ActivePath() const;
    bool HasActivePath() const { return ActivePath() != nullptr; }
    // All paths one after the other, built on first use.
    const TRurGraphicsPath& CombinedPath();
    // The decoded picture of an image element (the decoder's object); null when none.
    TObject* Bitmap() const { return FBitmap.get(); }
    bool HasBitmap() const { return FBitmap != nullptr; }

    // Geometry by kind: rect and image x, y, width, height; line and linearGradient x1, y1 in X, Y
    // and x2, y2 in Width, Height; circle and ellipse the centre in X, Y.
    float X() const { return FXV; }
    float Y() const { return FYV; }
    float Width() const { return FWidth; }
    float Height() const { return FHeight; }
    float Rx() const { return FRx; }
    float Ry() const { return FRy; }
    // All zero when the element has no transform attribute.
    const TRurGraphicsMatrix& Matrix() const { return FMatrix; }
    const TRurGraphicsMatrix& GradientMatrix() const { return FGradientMatrix; }
    bool HasMatrix() const { return FMatrix != TRurGraphicsMatrix(); }

    int FillColor() const { return FFillColor; }
    int StrokeColor() const { return FStrokeColor; }
    const String& FillColorValue() const { return FFillColorValue; }
    const String& StrokeColorValue() const { return FStrokeColorValue; }
    float StrokeWidth() const { return FStrokeWidth; }
    const String& StrokeWidthValue() const { return FStrokeWidthValue; }
    float Opacity() const { return FOpacity; }
    const String& OpacityValue() const { return FOpacityValue; }
    float Offset() const { return FOffset; }
    int StopColor() const { return FStopColor; }
    float StopOpacity() const { return FStopOpacity; }
    const String& ID() const { return FID; }
    const String& ClassRefID() const { return FClassRefID; }
    TRurGraphicsSVGElement* ClassRef() const { return FClassRef; }
    const String& HRefID() const { return FHRefID; }
    TRurGraphicsSVGElement* HRefRef() const { return FHRefRef; }
    const String& URLRefID() const { return FURLRefID; }
    TRurGraphicsSVGElement* PatternRef() const { return FPatternRef; }
    const String& ClipPathRefID() const { return FClipPathRefID; }
    TRurGraphicsSVGElement* ClipPathRef() const { return FClipPathRef; }
    const String& FontFamily() const { return FFontFamily; }
    float FontSize() const { return FFontSize; }
    const String& FontSizeValue() const { return FFontSizeValue; }
    bool FontBold() const { return FFontBold; }
    bool FontItalic() const { return FFontItalic; }
    const String& Text() const { return FText; }
    const String& DisplayValue() const { return FDisplayValue; }
    TRurGraphicsSVGElementPreserveAspectRatio PreserveAspectRatio() const { return FPreserveAspectRatio; }
    float CX() const { return FCX; }
    float CY() const { return FCY; }
    bool HasCX() const { return FHasCX; }
    bool HasCY() const { return FHasCY; }

    // The value texts: a colour is there unless "none", "transparent" or "default"; the others
    // unless "default".
    bool HasFillColor() const { return IsColorValue(FFillColorValue); }
    bool HasStrokeColor() const { return IsColorValue(FStrokeColorValue); }
    bool HasStopColor() const { return IsColorValue(FStopColorValue); }
    bool HasStrokeWidth() const { return FStrokeWidthValue != u"default"; }
    bool HasOpacity() const { return FOpacityValue != u"default"; }
    bool HasOffset() const { return FOffsetValue != u"default"; }
    bool HasStopOpacity() const { return FStopOpacityValue != u"default"; }
    bool HasPreserveAspectRatio() const { return FPreserveAspectRatioValue != u"default"; }
    bool HasFontSize() const { return FFontSizeValue != u"default"; }

    static bool IsColorValue(const String& AValue);

private:
    friend class TRurGraphicsSVGTree;

    std::unique_ptr<TObject> FBitmap;
    std::unique_ptr<TRurGraphicsPath> FCombinedPath;
    std::unique_ptr<TRurGraphicsSVGElementPathList> FPaths;
    std::unique_ptr<TRurGraphicsSVGElementList> FElements;
    TRurGraphicsSVGElementType FType = etContainer;
    float FWidth = 0, FXV = 0, FYV = 0, FHeight = 0;
    float FRx = 0, FRy = 0;
    TRurGraphicsMatrix FMatrix;
    int FFillColor = 0, FStrokeColor = 0;
    String FFillColorValue = u"default", FStrokeColorValue = u"default";
    TRurGraphicsSVGElement* FParent = nullptr;
    float FStrokeWidth = 1;
    String FStrokeWidthValue = u"default";
    String FOpacityValue = u"default";
    String FOffsetValue = u"default";
    float FOffset = 0;
    String FStopColorValue = u"default";
    int FStopColor = 0;
    String FStopOpacityValue = u"default";
    float FStopOpacity = 1;
    float FOpacity = 1;
    String FID, FClassRefID;
    TRurGraphicsSVGElement* FClassRef = nullptr;
    String FHRefID, FURLRefID;
    TRurGraphicsSVGElement* FHRefRef = nullptr;
    TRurGraphicsSVGElement* FPatternRef = nullptr;
    String FClipPathRefID;
    TRurGraphicsSVGElement* FClipPathRef = nullptr;
    String FFontFamily;
    String FFontSizeValue;
    float FFontSize = 0;
    bool FFontBold = false, FFontItalic = false;
    String FText;
    String FDisplayValue;
    String FPreserveAspectRatioValue = u"default";
    TRurGraphicsSVGElementPreserveAspectRatio FPreserveAspectRatio = parOther;
    float FCX = 0, FCY = 0;
    bool FHasCX = false, FHasCY = false;
    TRurGraphicsMatrix FGradientMatrix;
};
