#pragma once
// Walking the SVG element tree to draw it: per element the matrix, the style source, fill,
// stroke, opacity and clip, then its geometry, picture or text, all handed to a drawing target.
// Portable: the drawing object is behind TRurGraphicsSVGTarget.
#include <vector>

#include "RurGraphicsSVGEngine_Element.h"

struct TRurGraphicsSVGGradientStop {
    int Color = 0;
    float Offset = 0;
    float Opacity = 1;
};

TAVIN_ENUM(TRurGraphicsSVGFillKind, sfkNone, sfkSolid, sfkLinearGradient, sfkRadialGradient)

struct TRurGraphicsSVGFill {
    TRurGraphicsSVGFillKind Kind = sfkNone;
    int Color = 0;
    // Linear: the direction in degrees. Radial: the centre in device pixels.
    float Angle = 0;
    TPointF Center;
    std::vector<TRurGraphicsSVGGradientStop> Stops;
};

// What the walk draws with. Geometry arrives in device pixels (already through the element's
// matrix); pictures and text come with the matrix to draw them under.
class TRurGraphicsSVGTarget {
public:
    virtual ~TRurGraphicsSVGTarget() = default;
    virtual void SaveState() = 0;
    virtual void RestoreState() = 0;
    virtual void SetFill(const TRurGraphicsSVGFill& AFill) = 0;
    // SVGNoColor: no stroke.
    virtual void SetStroke(int AColor, float AWidth) = 0;
    // Of both fill and stroke.
    virtual void SetOpacity(float AOpacity) = 0;
    virtual void ClipPath(const TRurGraphicsPath& APath) = 0;
    // Filled with the fill, outlined with the stroke.
    virtual void DrawPath(const TRurGraphicsPath& APath) = 0;
    // ABitmap is what the tree's picture decoder made.
    virtual void DrawImage(TObject* ABitmap, TRectF ARect, bool AKeepAspect, const TRurGraphicsMatrix& AMatrix) = 0;
    virtual void SetFont(const String& AName, float ASize, bool ABold, bool AItalic, int AColor) = 0;
    virtual float TextHeight(const String& AText) = 0;
    virtual void DrawText(const String& AText, TPointF APoint, const TRurGraphicsMatrix& AMatrix) = 0;
};

// The picture's own colour settings; -1 means not set.
struct TRurGraphicsSVGColorOptions {
    bool GrayScale = false;
    int CustomFillColor = SVGNoColor;
    int CustomStrokeColor = SVGNoColor;
    int TintColor = SVGNoColor;
    float CustomOpacity = -1;
};

// The matrix from document units to ARect: the view box stretched on both axes, turned by
// AAngle degrees about the view box's centre. False (nothing to draw) for an empty view box or
// rectangle.
bool SVGDocumentMatrix(TRectF AViewRect, TRectF ARect, float AAngle, TRurGraphicsMatrix& AMatrix, float& AScaleX,
                       float& AScaleY);

// Draws the elements in order; elements whose style source says display none are skipped with
// their content.
void DrawSVGElements(const TRurGraphicsSVGElementList& AElements, TRurGraphicsSVGTarget& ATarget,
                     const TRurGraphicsMatrix& AMatrix, float AScaleX, float AScaleY,
                     const TRurGraphicsSVGColorOptions& AOptions);

// The colour modifiers: grey, tint, or the custom colour, in that order of precedence.
int ModifySVGColor(int AColor, int ACustomColor, const TRurGraphicsSVGColorOptions& AOptions);
