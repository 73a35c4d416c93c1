#pragma once
// The drawing object's GDI+ back end: anti-aliased shapes, gradient brushes, rotated text and world
// transforms, through the run-time bound GDI+ wrapper set. It keeps its own copies of fill, stroke
// and font with the GDI+ brush, pen and font made from them.
#include <optional>

#include "RurGDIPlusClasses.h"
#include "RurGraphics.h"

class TRurGraphicsContextWin : public TRurGraphicsContext {
    TAVIN_CLASS(TRurGraphicsContextWin, TRurGraphicsContext)
public:
    explicit TRurGraphicsContextWin(TRurGraphics* AGraphics);
    ~TRurGraphicsContextWin() override;

    void* GetNativeCanvas() override { return FGPGraphics.get(); }
    void* CreatePath() override;
    TColor GetFillColor() override;
    TRectF CalculateText(const String& AText, TRectF ARect, bool AWordWrapping) override;
    TRectF SetTextAngle(TRectF ARect, float AAngle) override;
    TRurGraphicsMatrix GetMatrix() override;
    void Render() override;
    void PathOpen(void* APath) override;
    void PathMoveTo(void* APath, TPointF APoint) override;
    void PathLineTo(void* APath, TPointF APoint) override;
    void SetScale(float AScale) override { FScale = AScale; }
    void PathClose(void* APath) override;
    void ResetClip() override;
    void ResetTransform() override;
    void ScaleTransform(float AX, float AY) override;
    void RotateTransform(float AAngle) override;
    void TranslateTransform(float AX, float AY) override;
    void SetTextQuality(TRurGraphicsTextQuality ATextQuality) override;
    void SetAntiAliasing(bool AAntiAliasing) override;
    void SetShowAcceleratorChar(bool AShowAcceleratorChar) override { FShowAcceleratorChar = AShowAcceleratorChar; }
    void SetSize(float AWidth, float AHeight) override;
    void ResetTextAngle(float AAngle) override;
    void BeginScene() override {}
    void EndScene() override;
    void BeginPrinting() override {}
    void EndPrinting() override {}
    void StartSpecialPen() override {}
    void StopSpecialPen() override {}
    void RestoreState(TRurGraphicsSaveState& AState) override;
    void SaveState(TRurGraphicsSaveState& AState) override;
    void SetFontSize(int ASize) override;
    void SetFontColor(TColor AColor) override;
    void SetFontName(const String& AName) override;
    void SetFont(const TRurGraphicsFont& AFont) override;
    void SetFontStyles(TFontStyles AStyle) override;
    void SetMatrix(const TRurGraphicsMatrix& AMatrix) override;
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

    // The ARGB value of a colour at an opacity from 0 to 1.
    static ARGB ToGPColor(TColor AColor, float AOpacity);

private:
    void FontChanged(TObject* Sender);
    RurGDIPlusClasses::TGPFont* GPFont();
    void StrokeChanged(TObject* Sender);
    void ReleaseGraphics();
    // The brush of the own fill for a shape of those bounds (a radial gradient follows APath, or the
    // bounds without one). A solid brush of the colour already held is kept.
    void PrepareBrush(TRectF ABounds, RurGDIPlusClasses::TGPGraphicsPath* APath);
    std::unique_ptr<RurGDIPlusClasses::TGPBrush> CreateGPBrush(TRectF ABounds, RurGDIPlusClasses::TGPGraphicsPath* APath);
    // Fills a native path with a brush made for its bounds.
    void FillNativePath(RurGDIPlusClasses::TGPGraphicsPath& APath);
    bool IsRadial() const { return FFill->Kind() == gfkGradient && FFill->GradientType() == gfgtRadial; }
    RurGDIPlusClasses::TGPStringFormat* StringFormat(TRurGraphicsTextAlign AHorizontal, TRurGraphicsTextAlign AVertical,
                                                     bool AWordWrapping, TRurGraphicsTextTrimming ATrimming);
    // Runs a stroke operation, with smoothing off while the pen is dashed.
    template <class F>
    void Stroking(F&& draw);

    bool FShowAcceleratorChar = false;
    std::unique_ptr<RurGDIPlusClasses::TGPMatrix> FTextMatrix;
    uint32_t FSaveGP = 0;
    float FScale = 1;
    TPointF FMovePoint;
    bool FNeedsRendering = true;
    std::unique_ptr<TRurGraphicsFont> FFont;
    std::unique_ptr<TRurGraphicsFill> FFill;
    std::unique_ptr<TRurGraphicsStroke> FStroke;
    std::unique_ptr<RurGDIPlusClasses::TGPFont> FGPFont;
    TSizeF FContextSize;
    std::unique_ptr<RurGDIPlusClasses::TGPBrush> FGPBrush;
    // The colour of FGPBrush when it is a solid brush of the own fill.
    std::optional<ARGB> FSolidBrushColor;
    // The last string format made, and what it was made for.
    std::unique_ptr<RurGDIPlusClasses::TGPStringFormat> FGPStringFormat;
    int FStringFormatKey = -1;
    std::unique_ptr<RurGDIPlusClasses::TGPPen> FGPPen;
    std::unique_ptr<RurGDIPlusClasses::TGPGraphics> FGPGraphics;
};

// The GDI+ back end's factory, as the drawing object makes its native back end with.
TRurGraphicsContextFactory GetNativeContextClass();
