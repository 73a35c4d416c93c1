// One-call fill and outline of a rectangle or path, which the kit's controls paint backgrounds with.
#include "RurGDIPFlat.h"
#include "RurGDIPPicture.h"

namespace RurGDIP {

namespace {

void FillShape(const TGDIPShapeFillParams& p, const TGPBrush& brush)
{
    if (p.UsePath)
        p.Graphics->FillPath(&brush, p.Path);
    else
        p.Graphics->FillRectangle(&brush, p.Rect);
}

// Gradient brushes span the shape grown by one unit on every side, so its edges get the end colours.
TGPRectF GradientArea(const TGPRectF& rect) { return MakeRectF(rect.X - 1, rect.Y - 1, rect.Width + 2, rect.Height + 2); }

ARGB FromColor(const TGDIPShapeFillParams& p) { return MakeColor(Byte(p.Opacity), p.Color); }

ARGB ToColor(const TGDIPShapeFillParams& p) { return MakeColor(Byte(p.OpacityTo), p.ColorTo); }

void FillLinearGradient(const TGDIPShapeFillParams& p, LinearGradientMode mode)
{
    TGPLinearGradientBrush brush(GradientArea(p.Rect), FromColor(p), ToColor(p), mode);
    brush.SetGammaCorrection(true);
    FillShape(p, brush);
    if (p.TopLine) {
        TGPSolidBrush line(FromColor(p));
        p.Graphics->FillRectangle(&line, p.Rect.X, p.Rect.Y, p.Rect.Width, 1);
    }
}

void Fill(const TGDIPShapeFillParams& p)
{
    switch (p.GradientType) {
    case gtSolid:
        FillShape(p, TGPSolidBrush(FromColor(p)));
        break;
    case gtVertical:
        FillLinearGradient(p, LinearGradientModeVertical);
        break;
    case gtHorizontal:
        FillLinearGradient(p, LinearGradientModeHorizontal);
        break;
    case gtForwardDiagonal:
        FillLinearGradient(p, LinearGradientModeForwardDiagonal);
        break;
    case gtBackwardDiagonal:
        FillLinearGradient(p, LinearGradientModeBackwardDiagonal);
        break;
    case gtAngle: {
        TGPLinearGradientBrush brush(GradientArea(p.Rect), FromColor(p), ToColor(p), float(p.Angle), true);
        brush.SetGammaCorrection(true);
        FillShape(p, brush);
        break;
    }
    case gtHatch:
        FillShape(p, TGPHatchBrush(p.HatchStyle, FromColor(p), ToColor(p)));
        break;
    case gtTexture:
        if (p.Picture) {
            if (p.UsePath)
                p.Picture->FillPath(*p.Graphics, *p.Path);
            else
                p.Picture->FillRect(*p.Graphics, p.Rect);
        }
        break;
    default:
        // The radial, path and none kinds fill nothing.
        break;
    }
}

} // namespace

void FillGDIPShape(const TGDIPShapeFillParams& params)
{
    Fill(params);
    if (params.BorderColor == clNone)
        return;
    TGPPen pen(MakeColor(Byte(params.Opacity), params.BorderColor), float(params.BorderWidth));
    pen.SetDashStyle(params.BorderStyle);
    if (params.UsePath)
        params.Graphics->DrawPath(&pen, params.Path);
    else
        params.Graphics->DrawRectangle(&pen, params.Rect);
}

} // namespace RurGDIP
