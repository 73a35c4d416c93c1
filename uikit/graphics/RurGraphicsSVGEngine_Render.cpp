#include "RurGraphicsSVGEngine_Render.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "RurGraphicsSVGEngine_Tree.h"

namespace {

int Red(int c) { return c & 0xFF; }
int Green(int c) { return (c >> 8) & 0xFF; }
int Blue(int c) { return (c >> 16) & 0xFF; }
int RGBColor(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// The first element from AStart up through its parents whose text (read by AValue) is not
// "default"; the last one reached when all are.
template <class F>
const TRurGraphicsSVGElement& Inherited(const TRurGraphicsSVGElement& AStart, F AValue)
{
    const TRurGraphicsSVGElement* element = &AStart;
    while (AValue(*element) == u"default" && element->Parent())
        element = element->Parent();
    return *element;
}

// The shape an element paints, in document units; empty for kinds without geometry.
TRurGraphicsPath ShapeOf(TRurGraphicsSVGElement& AElement)
{
    TRurGraphicsPath path;
    const float x = AElement.X(), y = AElement.Y();
    switch (AElement.Type()) {
    case etRect:
        path.AddRectangle({x, y, x + AElement.Width(), y + AElement.Height()}, AElement.Rx(), AElement.Ry());
        break;
    case etLine:
        path.MoveTo({x, y});
        path.LineTo({AElement.Width(), AElement.Height()});
        break;
    case etCircle:
    case etEllipse:
        path.AddEllipse({x - AElement.Rx(), y - AElement.Ry(), x + AElement.Rx(), y + AElement.Ry()});
        break;
    case etPolyline:
    case etPolygon:
    case etPath:
        if (AElement.HasPaths())
            path.AddPath(AElement.CombinedPath());
        break;
    default:
        break;
    }
    return path;
}

TRurGraphicsPath Transformed(TRurGraphicsPath APath, const TRurGraphicsMatrix& AMatrix)
{
    APath.ApplyMatrix(AMatrix);
    return APath;
}

class TWalk {
public:
    TWalk(TRurGraphicsSVGTarget& ATarget, const TRurGraphicsMatrix& AMatrix, float AScaleX,
          const TRurGraphicsSVGColorOptions& AOptions)
        : FTarget(ATarget), FMatrix(AMatrix), FScaleX(AScaleX), FOptions(AOptions)
    {
    }

    void DrawElements(const TRurGraphicsSVGElementList& AElements)
    {
        for (TRurGraphicsSVGElement* element : AElements) {
            FTarget.SaveState();
            try {
                DrawElement(*element);
            } catch (...) {
                FTarget.RestoreState();
                throw;
            }
            FTarget.RestoreState();
        }
    }

private:
    void DrawElement(TRurGraphicsSVGElement& E)
    {
        TRurGraphicsMatrix m = TRurGraphicsMatrix::Identity();
        if (E.HasMatrix())
            m = m * E.Matrix();
        m = m * SVGEnclosingMatrix(E) * FMatrix;

        const TRurGraphicsSVGElement& s = E.ClassRef() ? *E.ClassRef() : E;
        if (s.DisplayValue() == u"none")
            return;
        SetFill(E, s, m);
        SetStroke(s);
        if (TRurGraphicsSVGElement* clip = E.ClipPathRef())
            FTarget.ClipPath(Transformed(ShapeOf(*clip), m));

        switch (E.Type()) {
        case etContainer:
            if (E.HasElements())
                DrawElements(E.Elements());
            break;
        case etRect:
        case etLine:
        case etCircle:
        case etEllipse:
            FTarget.DrawPath(Transformed(ShapeOf(E), m));
            break;
        case etPolyline:
        case etPolygon:
        case etPath:
            if (E.HasPaths())
                FTarget.DrawPath(Transformed(ShapeOf(E), m));
            break;
        case etImage:
            if (E.HasBitmap())
                FTarget.DrawImage(E.Bitmap(), {E.X(), E.Y(), E.X() + E.Width(), E.Y() + E.Height()},
                                  E.PreserveAspectRatio() != parNone, m);
            break;
        case etText:
        case etTextSpan:
        case etTextSpanChild:
        case etTextPath:
            DrawText(E, m);
            if (E.HasElements())
                DrawElements(E.Elements());
            break;
        default:
            break;
        }
    }

    void SetFill(TRurGraphicsSVGElement& E, const TRurGraphicsSVGElement& S, const TRurGraphicsMatrix& M)
    {
        TRurGraphicsSVGFill fill;
        if (TRurGraphicsSVGElement* p = E.PatternRef()) {
            TRurGraphicsSVGElement& g = p->HRefRef() ? *p->HRefRef() : *p;
            if (g.Type() == etLinearGradient) {
                fill.Kind = sfkLinearGradient;
                fill.Angle = GradientAngle(g.X(), g.Y(), g.Width(), g.Height());
            } else if (g.Type() == etRadialGradient) {
                fill.Kind = sfkRadialGradient;
                const TRectF bounds = Transformed(ShapeOf(E), M).GetBounds();
                fill.Center = {bounds.Left + bounds.Width() * (g.HasCX() ? g.CX() : 50) / 100,
                               bounds.Top + bounds.Height() * (g.HasCY() ? g.CY() : 50) / 100};
            } else {
                // A pattern paints as a gradient without colours.
                fill.Kind = sfkLinearGradient;
            }
            if ((g.Type() == etLinearGradient || g.Type() == etRadialGradient) && g.HasElements())
                for (const TRurGraphicsSVGElement* stop : g.Elements())
                    if (stop->Type() == etStop)
                        fill.Stops.push_back({stop->StopColor(), stop->Offset(), stop->StopOpacity()});
        } else {
            const TRurGraphicsSVGElement& f = Inherited(S, [](const auto& e) -> const String& { return e.FillColorValue(); });
            if (f.HasFillColor()) {
                fill.Kind = sfkSolid;
                fill.Color = ModifySVGColor(f.FillColor(), FOptions.CustomFillColor, FOptions);
            } else if (f.FillColorValue() == u"default") {
                fill.Kind = sfkSolid;
                fill.Color = FOptions.CustomFillColor != SVGNoColor ? FOptions.CustomFillColor
                             : FOptions.TintColor != SVGNoColor    ? FOptions.TintColor
                             : FOptions.GrayScale                  ? 0x808080
                                                                   : 0;
            }
        }
        FTarget.SetFill(fill);
    }

    void SetStroke(const TRurGraphicsSVGElement& S)
    {
        const TRurGraphicsSVGElement& c = Inherited(S, [](const auto& e) -> const String& { return e.StrokeColorValue(); });
        const TRurGraphicsSVGElement& w = Inherited(S, [](const auto& e) -> const String& { return e.StrokeWidthValue(); });
        const float width = w.HasStrokeWidth() ? std::max(w.StrokeWidth() * FScaleX, 1.0f) : 1;
        FTarget.SetStroke(c.HasStrokeColor() ? ModifySVGColor(c.StrokeColor(), FOptions.CustomStrokeColor, FOptions)
                                             : SVGNoColor,
                          width);
        float opacity = FOptions.CustomOpacity;
        if (opacity == -1) {
            const TRurGraphicsSVGElement& o = Inherited(S, [](const auto& e) -> const String& { return e.OpacityValue(); });
            opacity = o.HasOpacity() ? o.Opacity() : 1;
        }
        FTarget.SetOpacity(opacity);
    }

    void DrawText(const TRurGraphicsSVGElement& E, const TRurGraphicsMatrix& M)
    {
        if (E.Type() == etText)
            FTarget.SetFont(E.FontFamily().empty() ? String(u"Arial") : E.FontFamily(),
                            E.HasFontSize() && E.FontSize() != 0 ? E.FontSize() : 12, E.FontBold(), E.FontItalic(),
                            E.FillColor());
        if (E.Text().empty())
            return;
        const float h = FTarget.TextHeight(E.Text());
        const TRurGraphicsSVGElement* parent = E.Parent();
        const TRurGraphicsSVGElement& at =
            E.Type() == etTextSpanChild && parent && parent->Type() == etTextSpan ? *parent : E;
        FTarget.DrawText(E.Text(), {at.X(), at.Y() - h}, M);
    }

    TRurGraphicsSVGTarget& FTarget;
    TRurGraphicsMatrix FMatrix;
    float FScaleX;
    const TRurGraphicsSVGColorOptions& FOptions;
};

} // namespace

bool SVGDocumentMatrix(TRectF AViewRect, TRectF ARect, float AAngle, TRurGraphicsMatrix& AMatrix, float& AScaleX,
                       float& AScaleY)
{
    const float w = AViewRect.Width(), h = AViewRect.Height();
    if (!(w > 0) || !(h > 0))
        return false;
    AScaleX = ARect.Width() / w;
    AScaleY = ARect.Height() / h;
    if (AScaleX == 0 || AScaleY == 0 || !std::isfinite(AScaleX) || !std::isfinite(AScaleY))
        return false;
    // The turn is about the view box's centre, and the target's corner is placed exactly.
    const float cx = AViewRect.Left + w / 2, cy = AViewRect.Top + h / 2;
    AMatrix = TRurGraphicsMatrix::CreateTranslation(-cx, -cy) *
              TRurGraphicsMatrix::CreateRotation(float(AAngle * std::numbers::pi / 180)) *
              TRurGraphicsMatrix::CreateTranslation(cx, cy) *
              TRurGraphicsMatrix::CreateTranslation(-AViewRect.Left, -AViewRect.Top) *
              TRurGraphicsMatrix::CreateTranslation(ARect.Left / AScaleX, ARect.Top / AScaleY) *
              TRurGraphicsMatrix::CreateScaling(AScaleX, AScaleY);
    return true;
}

void DrawSVGElements(const TRurGraphicsSVGElementList& AElements, TRurGraphicsSVGTarget& ATarget,
                     const TRurGraphicsMatrix& AMatrix, float AScaleX, float /*AScaleY*/,
                     const TRurGraphicsSVGColorOptions& AOptions)
{
    TWalk(ATarget, AMatrix, AScaleX, AOptions).DrawElements(AElements);
}

int ModifySVGColor(int AColor, int ACustomColor, const TRurGraphicsSVGColorOptions& AOptions)
{
    if (AOptions.GrayScale) {
        const int grey = int(std::nearbyint(0.3 * Red(AColor) + 0.6 * Green(AColor) + 0.1 * Blue(AColor)));
        return RGBColor(grey, grey, grey);
    }
    if (AOptions.TintColor != SVGNoColor)
        return RGBColor(Red(AColor) * Red(AOptions.TintColor) / 255, Green(AColor) * Green(AOptions.TintColor) / 255,
                        Blue(AColor) * Blue(AOptions.TintColor) / 255);
    return ACustomColor != SVGNoColor ? ACustomColor : AColor;
}
