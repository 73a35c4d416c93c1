#pragma once
// The drawing object's plain GDI back end: whole pixels on the canvas's device context, no world
// transform, anti-aliasing or opacity; state setters write straight into the canvas's brush, pen
// and font.
#include "RurGraphics.h"

class TRurGraphicsContextGeneral : public TRurGraphicsContext {
    TAVIN_CLASS(TRurGraphicsContextGeneral, TRurGraphicsContext)
public:
    explicit TRurGraphicsContextGeneral(TRurGraphics* AGraphics) : TRurGraphicsContext(AGraphics) {}

    void* GetNativeCanvas() override { return Canvas(); }
    void* CreatePath() override { return nullptr; }
    TColor GetFillColor() override;
    TRectF CalculateText(const String& AText, TRectF ARect, bool AWordWrapping) override;
    TRectF SetTextAngle(TRectF ARect, float) override { return ARect; }
    TRurGraphicsMatrix GetMatrix() override { return TRurGraphicsMatrix::Identity(); }
    void Render() override {}
    void PathOpen(void*) override {}
    void PathMoveTo(void* APath, TPointF APoint) override;
    void PathLineTo(void* APath, TPointF APoint) override;
    void SetScale(float) override {}
    void PathClose(void* APath) override;
    void ResetClip() override {}
    void ResetTransform() override {}
    void ScaleTransform(float, float) override {}
    void RotateTransform(float) override {}
    void TranslateTransform(float, float) override {}
    void SetTextQuality(TRurGraphicsTextQuality) override {}
    void SetAntiAliasing(bool) override {}
    void SetShowAcceleratorChar(bool AShowAcceleratorChar) override { FShowAcceleratorChar = AShowAcceleratorChar; }
    void SetSize(float, float) override {}
    void ResetTextAngle(float) override {}
    void BeginScene() override {}
    void EndScene() override {}
    void BeginPrinting() override { FPrinting = true; }
    void EndPrinting() override { FPrinting = false; }
    void StartSpecialPen() override;
    void StopSpecialPen() override;
    void RestoreState(TRurGraphicsSaveState& AState) override;
    void SaveState(TRurGraphicsSaveState& AState) override;
    void SetFontSize(int ASize) override;
    void SetFontColor(TColor AColor) override;
    void SetFontName(const String& AName) override;
    void SetFont(const TRurGraphicsFont& AFont) override;
    void SetFontStyles(TFontStyles AStyle) override;
    void SetMatrix(const TRurGraphicsMatrix&) override {}
    void SetFill(const TRurGraphicsFill& AFill) override;
    void SetFillKind(TRurGraphicsFillKind AKind) override;
    void SetFillColor(TColor AColor) override;
    void SetStroke(const TRurGraphicsStroke& AStroke) override;
    void SetStrokeKind(TRurGraphicsStrokeKind AKind) override;
    void SetStrokeColor(TColor AColor) override;
    void SetStrokeWidth(float AWidth) override;
    void DrawLine(const TRurGraphicsStroke& AStroke, TPointF AFromPoint, TPointF AToPoint,
                  TRurGraphicsModifyPointMode AModifyPointModeFrom, TRurGraphicsModifyPointMode AModifyPointModeTo) override;
    void DrawPolygon(const TRurGraphicsStroke& AStroke, const TRurGraphicsPathPolygon& APolygon) override;
    void FillPolygon(const TRurGraphicsFill& AFill, const TRurGraphicsPathPolygon& APolygon) override;
    void DrawPolyline(const TRurGraphicsStroke& AStroke, const TRurGraphicsPathPolygon& APolyline) override;
    void FillPolyline(const TRurGraphicsFill& AFill, const TRurGraphicsPathPolygon& APolyline) override;
    void DrawArc(const TRurGraphicsStroke& AStroke, TPointF ACenter, TPointF ARadius, float AStartAngle,
                 float ASweepAngle) override;
    void FillArc(const TRurGraphicsFill& AFill, TPointF ACenter, TPointF ARadius, float AStartAngle,
                 float ASweepAngle) override;
    void FillRect(const TRurGraphicsFill& AFill, TRectF ARect, TRurGraphicsModifyRectMode AModifyRectMode) override;
    void DrawRect(const TRurGraphicsStroke& AStroke, TRectF ARect, TRurGraphicsSides ASides,
                  TRurGraphicsModifyRectMode AModifyRectMode) override;
    void FillRoundRect(const TRurGraphicsFill& AFill, TRectF ARect, float ARounding, TRurGraphicsCorners ACorners,
                       TRurGraphicsModifyRectMode AModifyRectMode) override;
    void DrawRoundRect(const TRurGraphicsStroke& AStroke, TRectF ARect, float ARounding, TRurGraphicsCorners ACorners,
                       TRurGraphicsModifyRectMode AModifyRectMode) override;
    void FillEllipse(const TRurGraphicsFill& AFill, TRectF ARect, TRurGraphicsModifyRectMode AModifyRectMode) override;
    void DrawEllipse(const TRurGraphicsStroke& AStroke, TRectF ARect, TRurGraphicsModifyRectMode AModifyRectMode) override;
    void DrawBitmap(TGraphic* ABitmap, TRectF ASrcRect, TRectF ADstRect, float AOpacity) override;
    void ClipRect(TRectF ARect) override;
    void ClipPath(const TRurGraphicsPath& APath) override;
    void DrawFocusPath(const TRurGraphicsStroke& AStroke, const TRurGraphicsPath& APath, TColor AColor) override;
    void DrawFocusRectangle(const TRurGraphicsStroke& AStroke, TRectF ARect, TColor AColor,
                            TRurGraphicsModifyRectMode AModifyRectMode) override;
    void DrawText(const String& AText, TRectF ARect, bool AWordWrapping, TRurGraphicsTextAlign AHorizontalAlign,
                  TRurGraphicsTextAlign AVerticalAlign, TRurGraphicsTextTrimming ATrimming, float AAngle) override;
    void DrawPath(const TRurGraphicsStroke& AStroke, const TRurGraphicsPath& APath,
                  TRurGraphicsPathDrawMode APathMode) override;
    void FillPath(const TRurGraphicsFill& AFill, const TRurGraphicsPath& APath,
                  TRurGraphicsPathDrawMode APathMode) override;

private:
    TTextFormat TextFlags(bool AWordWrapping) const;
    void DrawRotatedText(const String& AText, const TRect& ARect, TRurGraphicsTextAlign AHorizontalAlign,
                         TRurGraphicsTextAlign AVerticalAlign, float AAngle);

    bool FPrinting = false;
    bool FShowAcceleratorChar = false;
    HPEN FOldPenHandle = nullptr;
    TPenStyle FOldPenStyle = psSolid;
    int FOldPenWidth = 1;
};
