#pragma once
// The UI kit's canvas-independent drawing object and the interface of its back ends. A caller sets
// Fill, Stroke and Font and calls shape, bitmap and text operations in floating-point canvas pixels;
// the back end chosen at construction (GDI+ or plain GDI) carries every request out.
#include <memory>

#include "Graphics.h"
#include "RurGraphicsTypes.h"
#include "RurObjectJSON.h"

class TRurGraphics;
class TPictureContainer;
class TCustomImageList;
class TRurScaledBitmaps;

// The back end behind TRurGraphics. Geometry is in pixels of the target canvas, angles in degrees
// clockwise on the screen. The drawing object never hands a fill or stroke that paints nothing to
// a drawing operation (the focus operations aside), so back ends need not test for that.
class TRurGraphicsContext : public TObject, public TRurJSONObject<TRurGraphicsContext> {
    TAVIN_CLASS(TRurGraphicsContext, TObject)
public:
    explicit TRurGraphicsContext(TRurGraphics* AGraphics) : FGraphics(AGraphics) {}
    TRurGraphicsContext(const TRurGraphicsContext&) = delete;
    TRurGraphicsContext& operator=(const TRurGraphicsContext&) = delete;

    TRurGraphics* Graphics() const { return FGraphics; }
    // The drawing object's canvas; null without a drawing object.
    TCanvas* Canvas() const;
    // The native surface: the GDI+ graphics (null while unbound) or the canvas.
    void* NativeCanvas() { return GetNativeCanvas(); }

    // Builds a native path from `APath` through the back end's own path primitives, curves cut
    // into segments about `Flatness` long (at least 0.05). The caller owns the result (null where
    // the path lives in the device context's path bracket).
    void* ConvertToPath(const TRurGraphicsPath& APath, float Flatness);

    virtual void* GetNativeCanvas() = 0;
    virtual void* CreatePath() = 0;
    virtual TColor GetFillColor() = 0;
    // The extent of plain text laid out from ARect's top-left corner.
    virtual TRectF CalculateText(const String& AText, TRectF ARect, bool AWordWrapping) = 0;
    // Prepares text turned by AAngle about ARect's centre; returns the rectangle to lay it out in.
    virtual TRectF SetTextAngle(TRectF ARect, float AAngle) = 0;
    virtual TRurGraphicsMatrix GetMatrix() = 0;
    virtual void Render() = 0;
    virtual void PathOpen(void* APath) = 0;
    virtual void PathMoveTo(void* APath, TPointF APoint) = 0;
    virtual void PathLineTo(void* APath, TPointF APoint) = 0;
    virtual void SetScale(float AScale) = 0;
    virtual void PathClose(void* APath) = 0;
    virtual void ResetClip() = 0;
    virtual void ResetTransform() = 0;
    virtual void ScaleTransform(float AX, float AY) = 0;
    virtual void RotateTransform(float AAngle) = 0;
    virtual void TranslateTransform(float AX, float AY) = 0;
    virtual void SetTextQuality(TRurGraphicsTextQuality ATextQuality) = 0;
    virtual void SetAntiAliasing(bool AAntiAliasing) = 0;
    virtual void SetShowAcceleratorChar(bool AShowAcceleratorChar) = 0;
    // Binds the back end to the drawing object's canvas with a drawing area of that size.
    virtual void SetSize(float AWidth, float AHeight) = 0;
    virtual void ResetTextAngle(float AAngle) = 0;
    virtual void BeginScene() = 0;
    virtual void EndScene() = 0;
    virtual void BeginPrinting() = 0;
    virtual void EndPrinting() = 0;
    virtual void StartSpecialPen() = 0;
    virtual void StopSpecialPen() = 0;
    virtual void RestoreState(TRurGraphicsSaveState& AState) = 0;
    virtual void SaveState(TRurGraphicsSaveState& AState) = 0;
    virtual void SetFontSize(int ASize) = 0;
    virtual void SetFontColor(TColor AColor) = 0;
    virtual void SetFontName(const String& AName) = 0;
    virtual void SetFont(const TRurGraphicsFont& AFont) = 0;
    virtual void SetFontStyles(TFontStyles AStyle) = 0;
    virtual void SetMatrix(const TRurGraphicsMatrix& AMatrix) = 0;
    virtual void SetFill(const TRurGraphicsFill& AFill) = 0;
    virtual void SetFillKind(TRurGraphicsFillKind AKind) = 0;
    virtual void SetFillColor(TColor AColor) = 0;
    virtual void SetStroke(const TRurGraphicsStroke& AStroke) = 0;
    virtual void SetStrokeKind(TRurGraphicsStrokeKind AKind) = 0;
    virtual void SetStrokeColor(TColor AColor) = 0;
    virtual void SetStrokeWidth(float AWidth) = 0;
    virtual void DrawLine(const TRurGraphicsStroke& AStroke, TPointF AFromPoint, TPointF AToPoint,
                          TRurGraphicsModifyPointMode AModifyPointModeFrom,
                          TRurGraphicsModifyPointMode AModifyPointModeTo) = 0;
    virtual void DrawPolygon(const TRurGraphicsStroke& AStroke, const TRurGraphicsPathPolygon& APolygon) = 0;
    virtual void FillPolygon(const TRurGraphicsFill& AFill, const TRurGraphicsPathPolygon& APolygon) = 0;
    virtual void DrawPolyline(const TRurGraphicsStroke& AStroke, const TRurGraphicsPathPolygon& APolyline) = 0;
    virtual void FillPolyline(const TRurGraphicsFill& AFill, const TRurGraphicsPathPolygon& APolyline) = 0;
    virtual void DrawArc(const TRurGraphicsStroke& AStroke, TPointF ACenter, TPointF ARadius, float AStartAngle,
                         float ASweepAngle) = 0;
    virtual void FillArc(const TRurGraphicsFill& AFill, TPointF ACenter, TPointF ARadius, float AStartAngle,
                         float ASweepAngle) = 0;
    virtual void FillRect(const TRurGraphicsFill& AFill, TRectF ARect, TRurGraphicsModifyRectMode AModifyRectMode) = 0;
    virtual void DrawRect(const TRurGraphicsStroke& AStroke, TRectF ARect, TRurGraphicsSides ASides,
                          TRurGraphicsModifyRectMode AModifyRectMode) = 0;
    virtual void FillRoundRect(const TRurGraphicsFill& AFill, TRectF ARect, float ARounding,
                               TRurGraphicsCorners ACorners, TRurGraphicsModifyRectMode AModifyRectMode) = 0;
    virtual void DrawRoundRect(const TRurGraphicsStroke& AStroke, TRectF ARect, float ARounding,
                               TRurGraphicsCorners ACorners, TRurGraphicsModifyRectMode AModifyRectMode) = 0;
    virtual void FillEllipse(const TRurGraphicsFill& AFill, TRectF ARect, TRurGraphicsModifyRectMode AModifyRectMode) = 0;
    virtual void DrawEllipse(const TRurGraphicsStroke& AStroke, TRectF ARect,
                             TRurGraphicsModifyRectMode AModifyRectMode) = 0;
    // The whole picture scaled into ADstRect; ASrcRect and AOpacity are carried, not used.
    virtual void DrawBitmap(TGraphic* ABitmap, TRectF ASrcRect, TRectF ADstRect, float AOpacity) = 0;
    virtual void ClipRect(TRectF ARect) = 0;
    virtual void ClipPath(const TRurGraphicsPath& APath) = 0;
    virtual void DrawFocusPath(const TRurGraphicsStroke& AStroke, const TRurGraphicsPath& APath, TColor AColor) = 0;
    virtual void DrawFocusRectangle(const TRurGraphicsStroke& AStroke, TRectF ARect, TColor AColor,
                                    TRurGraphicsModifyRectMode AModifyRectMode) = 0;
    virtual void DrawText(const String& AText, TRectF ARect, bool AWordWrapping, TRurGraphicsTextAlign AHorizontalAlign,
                          TRurGraphicsTextAlign AVerticalAlign, TRurGraphicsTextTrimming ATrimming, float AAngle) = 0;
    virtual void DrawPath(const TRurGraphicsStroke& AStroke, const TRurGraphicsPath& APath,
                          TRurGraphicsPathDrawMode APathMode) = 0;
    virtual void FillPath(const TRurGraphicsFill& AFill, const TRurGraphicsPath& APath,
                          TRurGraphicsPathDrawMode APathMode) = 0;

private:
    TRurGraphics* FGraphics;
};

// Makes the back end of a new drawing object.
using TRurGraphicsContextFactory = std::unique_ptr<TRurGraphicsContext> (*)(TRurGraphics* AGraphics);

// One markup text handed to the caption engine's vector renderer: a measuring call (MeasureOnly)
// fills XSize, YSize and LineCount; a drawing call draws into Rect, or with HitTest only looks for
// the anchor under (X, Y). The renderer reads the link, highlight, picture and image settings from
// Graphics and returns True when it found an anchor (delivered in Anchor).
struct TRurGraphicsHTMLRequest {
    TRurGraphics* Graphics = nullptr;
    String Text;
    TRectF Rect;
    int X = 0;
    int Y = 0;
    bool HitTest = false;
    bool MeasureOnly = false;
    bool WordWrap = false;
    float XSize = 0;
    float YSize = 0;
    int LineCount = 0;
    String Anchor;
    String ControlID;
    String ControlValue;
    String ControlType;
};
using TRurGraphicsHTMLRenderer = bool (*)(TRurGraphicsHTMLRequest& ARequest);

// Painter colours read when a painter adapts to the style; black until SetDefaultGraphicColors.
extern TColor GraphicsGlyphColor;
extern TColor GraphicsButtonFocusedBorderColor;
extern TColor GraphicsButtonFocusedColor;
extern TColor GraphicsButtonDisabledBorderColor;
extern TColor GraphicsButtonDisabledColor;
extern TColor GraphicsButtonBorderColor;
extern TColor GraphicsButtonColor;

class TRurGraphics : public TObject, public TRurJSONObject<TRurGraphics> {
    TAVIN_CLASS(TRurGraphics, TObject)
public:
    // Draws on ACanvas (not owned) with the GDI+ back end when ANative, else with GDI.
    TRurGraphics(TCanvas* ACanvas, bool ANative);
    static std::unique_ptr<TRurGraphics> CreateNative(TCanvas* ACanvas);
    // Draws on an owned bitmap of that size; AHighDPI is accepted and not used.
    static std::unique_ptr<TRurGraphics> CreateBitmapCanvas(int AWidth, int AHeight, bool ANative, bool AHighDPI);
    static std::unique_ptr<TRurGraphics> CreateNativeBitmapCanvas(int AWidth, int AHeight);
    ~TRurGraphics() override;
    TRurGraphics(const TRurGraphics&) = delete;
    TRurGraphics& operator=(const TRurGraphics&) = delete;

    // The back ends new drawing objects are made with (null restores the built-in ones).
    static void SetContextFactories(TRurGraphicsContextFactory ANative, TRurGraphicsContextFactory AGeneral);
    // Where markup text goes; without a renderer markup is drawn and measured as plain text.
    static void SetHTMLRenderer(TRurGraphicsHTMLRenderer ARenderer);

    TRurGraphicsFill* Fill() const { return FFill.get(); }
    TRurGraphicsStroke* Stroke() const { return FStroke.get(); }
    TRurGraphicsFont* Font() const { return FFont.get(); }
    TCanvas* Canvas() const { return FActiveCanvas; }
    TRurGraphicsContext* Context() const { return FNative ? FContextNative.get() : FContextGeneral.get(); }
    TBitmap* Bitmap() const { return FBitmap.get(); }
    bool OptimizedHTMLDrawing() const { return FOptimizedHTMLDrawing; }
    void SetOptimizedHTMLDrawing(bool value) { FOptimizedHTMLDrawing = value; }
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value) { FHighlightColor = value; }
    TColor HighlightTextColor() const { return FHighlightTextColor; }
    void SetHighlightTextColor(TColor value) { FHighlightTextColor = value; }
    TFontStyles HighlightFontStyle() const { return FHighlightFontStyles; }
    void SetHighlightFontStyle(TFontStyles value) { FHighlightFontStyles = value; }
    TCustomImageList* ImageList() const { return FImageList; }
    void SetImageList(TCustomImageList* value) { FImageList = value; }
    TPictureContainer* PictureContainer() const { return FPictureContainer; }
    void SetPictureContainer(TPictureContainer* value) { FPictureContainer = value; }
    TColor URLColor() const { return FURLColor; }
    void SetURLColor(TColor value) { FURLColor = value; }
    bool URLUnderline() const { return FURLUnderline; }
    void SetURLUnderline(bool value) { FURLUnderline = value; }

    // State. Each setter hands the value to the back end, then to the own fill, stroke or font.
    virtual void Assign(const TRurGraphics* Source);
    virtual void SetFill(const TRurGraphicsFill* AFill);
    virtual void SetStroke(const TRurGraphicsStroke* AStroke);
    virtual void SetFont(const TRurGraphicsFont* AFont);
    virtual void SetFillKind(TRurGraphicsFillKind AKind);
    virtual void SetFillColor(TColor AColor);
    virtual void SetFontColor(TColor AColor);
    virtual void SetFontName(const String& AName);
    virtual void SetFontSize(int ASize);
    virtual void SetFontStyles(TFontStyles AStyle);
    virtual void SetStrokeKind(TRurGraphicsStrokeKind AKind);
    virtual void SetStrokeColor(TColor AColor);
    virtual void SetStrokeWidth(float AWidth);
    // A new state (copies of fill, stroke and font unless ACanvasOnly) with the back end's native
    // state; RestoreState takes it back and frees it.
    virtual std::unique_ptr<TRurGraphicsSaveState> SaveState(bool ACanvasOnly = false);
    virtual void RestoreState(std::unique_ptr<TRurGraphicsSaveState> AState, bool ACanvasOnly = false);
    virtual TRurGraphicsMatrix GetMatrix();
    virtual void SetMatrix(const TRurGraphicsMatrix& AMatrix);
    virtual void ClipRect(TRectF ARect);
    void ClipRect(const TRect& ARect);
    virtual void BeginScene();
    virtual void EndScene();
    virtual void BeginPrinting();
    virtual void EndPrinting();
    void StartSpecialPen();
    void StopSpecialPen();

    // Shapes: each fills (a texture over the shape's bounds), then outlines.
    virtual void DrawLine(TPointF AFromPoint, TPointF AToPoint,
                          TRurGraphicsModifyPointMode AModifyPointModeFrom = gcpmNone,
                          TRurGraphicsModifyPointMode AModifyPointModeTo = gcpmNone);
    void DrawLine(TPoint AFromPoint, TPoint AToPoint, TRurGraphicsModifyPointMode AModifyPointModeFrom = gcpmNone,
                  TRurGraphicsModifyPointMode AModifyPointModeTo = gcpmNone);
    virtual void DrawPolygon(const TRurGraphicsPathPolygon& APolygon);
    virtual void DrawPolyline(const TRurGraphicsPathPolygon& APolyline);
    virtual void DrawPath(const TRurGraphicsPath& APath, TRurGraphicsPathDrawMode APathMode = pdmPolygon);
    virtual void DrawArc(TPointF Center, TPointF Radius, float StartAngle, float SweepAngle);
    void DrawArc(TPoint Center, TPoint Radius, int StartAngle, int SweepAngle);
    virtual void DrawRectangle(TRectF ARect, TRurGraphicsSides ASides,
                               TRurGraphicsModifyRectMode AModifyRectMode = gcrmShrinkAll);
    void DrawRectangle(TRectF ARect, TRurGraphicsModifyRectMode AModifyRectMode = gcrmShrinkAll);
    void DrawRectangle(const TRect& ARect, TRurGraphicsModifyRectMode AModifyRectMode = gcrmShrinkAll);
    void DrawRectangle(const TRect& ARect, TRurGraphicsSides ASides,
                       TRurGraphicsModifyRectMode AModifyRectMode = gcrmShrinkAll);
    void DrawRectangle(double ALeft, double ATop, double ARight, double ABottom,
                       TRurGraphicsModifyRectMode AModifyRectMode = gcrmShrinkAll);
    void DrawRectangle(double ALeft, double ATop, double ARight, double ABottom, TRurGraphicsSides ASides,
                       TRurGraphicsModifyRectMode AModifyRectMode = gcrmShrinkAll)
    {
        DrawRectangle(RectOf(ALeft, ATop, ARight, ABottom), ASides, AModifyRectMode);
    }
    virtual void DrawRoundRectangle(TRectF ARect, float ARounding, TRurGraphicsCorners ACorners,
                                    TRurGraphicsModifyRectMode AModifyRectMode = gcrmShrinkAll);
    // Always hands gcrmShrinkAll on (no back end changes geometry for a mode).
    void DrawRoundRectangle(const TRect& ARect, int ARounding, TRurGraphicsCorners ACorners,
                            TRurGraphicsModifyRectMode AModifyRectMode = gcrmShrinkAll);
    void DrawRoundRectangle(int ALeft, int ATop, int ARight, int ABottom, int ARounding, TRurGraphicsCorners ACorners,
                            TRurGraphicsModifyRectMode AModifyRectMode = gcrmShrinkAll)
    {
        DrawRoundRectangle(TRect{ALeft, ATop, ARight, ABottom}, ARounding, ACorners, AModifyRectMode);
    }
    void DrawRoundRectangle(double ALeft, double ATop, double ARight, double ABottom, float ARounding,
                            TRurGraphicsCorners ACorners, TRurGraphicsModifyRectMode AModifyRectMode = gcrmShrinkAll)
    {
        DrawRoundRectangle(RectOf(ALeft, ATop, ARight, ABottom), ARounding, ACorners, AModifyRectMode);
    }
    virtual void DrawEllipse(TRectF ARect, TRurGraphicsModifyRectMode AModifyRectMode = gcrmShrinkAll);
    void DrawEllipse(const TRect& ARect, TRurGraphicsModifyRectMode AModifyRectMode = gcrmShrinkAll);
    void DrawEllipse(double ALeft, double ATop, double ARight, double ABottom,
                     TRurGraphicsModifyRectMode AModifyRectMode = gcrmShrinkAll);
    // Dotted one-pixel marks of AColor, whatever the stroke is.
    virtual void DrawFocusRectangle(TRectF ARect, TColor AColor = clBlack,
                                    TRurGraphicsModifyRectMode AModifyRectMode = gcrmShrinkAll);
    void DrawFocusRectangle(const TRect& ARect, TColor AColor = clBlack,
                            TRurGraphicsModifyRectMode AModifyRectMode = gcrmShrinkAll);
    void DrawFocusRectangle(double ALeft, double ATop, double ARight, double ABottom, TColor AColor = clBlack,
                            TRurGraphicsModifyRectMode AModifyRectMode = gcrmShrinkAll)
    {
        DrawFocusRectangle(RectOf(ALeft, ATop, ARight, ABottom), AColor, AModifyRectMode);
    }
    virtual void DrawFocusPath(const TRurGraphicsPath& APath, TColor AColor = clBlack);

    static bool PointInCircle(TPointF APoint, TPointF ACenter, float ARadius);
    static bool PointInPath(TPointF APoint, const TRurGraphicsPath& APath);
    static bool PointInPath(TPoint APoint, const TRurGraphicsPath& APath);
    static bool PointInPolygon(TPointF APoint, const TRurGraphicsPathPolygon& APolygon);
    static bool PointInPolygon(TPoint APoint, const TRurGraphicsPathPolygon& APolygon);
    static bool PointInRect(TPointF APoint, TRectF ARect);
    static bool PointInRect(TPoint APoint, const TRect& ARect);

    // Bitmaps. Placement flags everywhere: aspect ratio, stretch, centre, cropping.
    static void GetAspectSize(float& AWidth, float& AHeight, float AOriginalWidth, float AOriginalHeight,
                              float ANewWidth, float ANewHeight, bool AAspectRatio, bool AStretch, bool ACropping);
    TRectF GetBitmapDrawRectangle(TRectF ARect, const TPicture* ABitmap, bool AAspectRatio = false,
                                  bool AStretch = false, bool ACenter = false, bool ACropping = false);
    TRect GetBitmapDrawRectangle(const TRect& ARect, const TPicture* ABitmap, bool AAspectRatio = false,
                                 bool AStretch = false, bool ACenter = false, bool ACropping = false);
    TRectF GetBitmapDrawRectangle(double ALeft, double ATop, double ARight, double ABottom, const TPicture* ABitmap,
                                  bool AAspectRatio = false, bool AStretch = false, bool ACenter = false,
                                  bool ACropping = false)
    {
        return GetBitmapDrawRectangle(RectOf(ALeft, ATop, ARight, ABottom), ABitmap, AAspectRatio, AStretch, ACenter,
                                      ACropping);
    }
    TRect GetBitmapDrawRectangle(int ALeft, int ATop, int ARight, int ABottom, const TPicture* ABitmap,
                                 bool AAspectRatio = false, bool AStretch = false, bool ACenter = false,
                                 bool ACropping = false)
    {
        return GetBitmapDrawRectangle(TRect{ALeft, ATop, ARight, ABottom}, ABitmap, AAspectRatio, AStretch, ACenter,
                                      ACropping);
    }
    virtual void DrawBitmap(TRectF ARect, TPicture* ABitmap, bool AAspectRatio = false, bool AStretch = false,
                            bool ACenter = false, bool ACropping = false);
    void DrawBitmap(const TRect& ARect, TPicture* ABitmap, bool AAspectRatio = false, bool AStretch = false,
                    bool ACenter = false, bool ACropping = false);
    void DrawBitmap(double ALeft, double ATop, double ARight, double ABottom, TPicture* ABitmap,
                    bool AAspectRatio = false, bool AStretch = false, bool ACenter = false, bool ACropping = false)
    {
        DrawBitmap(RectOf(ALeft, ATop, ARight, ABottom), ABitmap, AAspectRatio, AStretch, ACenter, ACropping);
    }
    // The picture at its own size with its top-left corner at the point.
    void DrawBitmap(float ALeft, float ATop, TPicture* ABitmap);
    virtual void DrawBitmapPart(TRectF ASourceRect, TRectF ADestinationRect, TPicture* ABitmap,
                                bool AAspectRatio = false, bool AStretch = false, bool ACenter = false,
                                bool ACropping = false);
    void DrawBitmapPart(const TRect& ASourceRect, const TRect& ADestinationRect, TPicture* ABitmap,
                        bool AAspectRatio = false, bool AStretch = false, bool ACenter = false,
                        bool ACropping = false);
    void DrawBitmapPart(double ASourceLeft, double ASourceTop, double ASourceRight, double ASourceBottom,
                        double ADestinationLeft, double ADestinationTop, double ADestinationRight,
                        double ADestinationBottom, TPicture* ABitmap, bool AAspectRatio = false, bool AStretch = false,
                        bool ACenter = false, bool ACropping = false)
    {
        DrawBitmapPart(RectOf(ASourceLeft, ASourceTop, ASourceRight, ASourceBottom),
                       RectOf(ADestinationLeft, ADestinationTop, ADestinationRight, ADestinationBottom), ABitmap,
                       AAspectRatio, AStretch, ACenter, ACropping);
    }
    // The source part as a new bitmap, without drawing; null for an empty rectangle or an SVG picture.
    std::unique_ptr<TRurBitmap> DrawBitmapPartSync(TRectF ASourceRect, TRectF ADestinationRect, TPicture* ABitmap);
    std::unique_ptr<TRurBitmap> DrawBitmapPartSync(double ASourceLeft, double ASourceTop, double ASourceRight,
                                                   double ASourceBottom, double ADestinationLeft,
                                                   double ADestinationTop, double ADestinationRight,
                                                   double ADestinationBottom, TPicture* ABitmap)
    {
        return DrawBitmapPartSync(RectOf(ASourceLeft, ASourceTop, ASourceRight, ASourceBottom),
                                  RectOf(ADestinationLeft, ADestinationTop, ADestinationRight, ADestinationBottom),
                                  ABitmap);
    }
    // The container's picture named AName, preferring AName_<scale> when AApplyScale. The result
    // belongs to the container and lives until its next look-up.
    static TPicture* GetBitmapFromPictureContainer(TPictureContainer* APictureContainer, const String& AName,
                                                   bool AApplyScale, float AScale);
    virtual void DrawBitmapWithName(TRectF ARect, const String& ABitmapName, bool AApplyScale = false,
                                    float AScale = 0, bool AAspectRatio = false, bool AStretch = false,
                                    bool ACenter = false, bool ACropping = false);
    void DrawBitmapWithName(const TRect& ARect, const String& ABitmapName, bool AApplyScale = false,
                            float AScale = 0, bool AAspectRatio = false, bool AStretch = false, bool ACenter = false,
                            bool ACropping = false);
    void DrawBitmapWithName(double ALeft, double ATop, double ARight, double ABottom, const String& ABitmapName,
                            bool AApplyScale = false, float AScale = 0, bool AAspectRatio = false,
                            bool AStretch = false, bool ACenter = false, bool ACropping = false)
    {
        DrawBitmapWithName(RectOf(ALeft, ATop, ARight, ABottom), ABitmapName, AApplyScale, AScale, AAspectRatio,
                           AStretch, ACenter, ACropping);
    }
    static TPicture* GetScaledBitmap(TRurScaledBitmaps* ABitmaps, float AScale, TPictureContainer* APictureContainer);
    virtual void DrawScaledBitmap(TRectF ARect, TRurScaledBitmaps* ABitmaps, float AScale = 0,
                                  bool AAspectRatio = false, bool AStretch = false, bool ACenter = false,
                                  bool ACropping = false);
    void DrawScaledBitmap(const TRect& ARect, TRurScaledBitmaps* ABitmaps, float AScale = 0,
                          bool AAspectRatio = false, bool AStretch = false, bool ACenter = false,
                          bool ACropping = false);
    void DrawScaledBitmap(double ALeft, double ATop, double ARight, double ABottom, TRurScaledBitmaps* ABitmaps,
                          float AScale = 0, bool AAspectRatio = false, bool AStretch = false, bool ACenter = false,
                          bool ACropping = false)
    {
        DrawScaledBitmap(RectOf(ALeft, ATop, ARight, ABottom), ABitmaps, AScale, AAspectRatio, AStretch, ACenter,
                         ACropping);
    }

    // Text. Markup (see IsMarkup) goes to the caption engine's renderer when ASupportHTML.
    virtual TRectF CalculateText(const String& AText, TRectF ARect, bool AWordWrapping = false,
                                 bool ASupportHTML = true);
    TRect CalculateText(const String& AText, const TRect& ARect, bool AWordWrapping = false, bool ASupportHTML = true);
    // In (0, 0, 10000, 10000), on one line, markup supported.
    TRectF CalculateText(const String& AText);
    TRect CalculateTextInt(const String& AText);
    TSizeF CalculateTextSize(const String& AText, TRectF ARect, bool AWordWrapping = false, bool ASupportHTML = true);
    TSizeF CalculateTextSize(const String& AText);
    TSize CalculateTextSizeInt(const String& AText);
    float CalculateTextWidth(const String& AText);
    float CalculateTextHeight(const String& AText);
    int CalculateTextWidthInt(const String& AText);
    int CalculateTextHeightInt(const String& AText);
    // Draws the text and returns the anchor under (AX, AY) when ATestAnchor (then nothing is drawn).
    // A minimum width or height of -1 means none.
    virtual String DrawText(TRectF ARect, const String& AText, String& AControlID, String& AControlValue,
                            String& AControlType, bool AWordWrapping = false,
                            TRurGraphicsTextAlign AHorizontalAlign = gtaLeading,
                            TRurGraphicsTextAlign AVerticalAlign = gtaLeading,
                            TRurGraphicsTextTrimming ATrimming = gttNone, float AAngle = 0, float AMinWidth = -1,
                            float AMinHeight = -1, bool ASupportHTML = true, bool ATestAnchor = false, float AX = -1,
                            float AY = -1);
    String DrawText(TRectF ARect, const String& AText, bool AWordWrapping = false,
                    TRurGraphicsTextAlign AHorizontalAlign = gtaLeading,
                    TRurGraphicsTextAlign AVerticalAlign = gtaLeading, TRurGraphicsTextTrimming ATrimming = gttNone,
                    float AAngle = 0, float AMinWidth = -1, float AMinHeight = -1, bool ASupportHTML = true,
                    bool ATestAnchor = false, float AX = -1, float AY = -1);
    String DrawText(const TRect& ARect, const String& AText, bool AWordWrapping = false,
                    TRurGraphicsTextAlign AHorizontalAlign = gtaLeading,
                    TRurGraphicsTextAlign AVerticalAlign = gtaLeading, TRurGraphicsTextTrimming ATrimming = gttNone,
                    float AAngle = 0, float AMinWidth = -1, float AMinHeight = -1, bool ASupportHTML = true,
                    bool ATestAnchor = false, float AX = -1, float AY = -1);
    String DrawText(TPointF APoint, const String& AText, float AAngle = 0, bool ASupportHTML = true,
                    bool ATestAnchor = false, float AX = -1, float AY = -1);
    String DrawText(double ALeft, double ATop, double ARight, double ABottom, const String& AText,
                    bool AWordWrapping = false, TRurGraphicsTextAlign AHorizontalAlign = gtaLeading,
                    TRurGraphicsTextAlign AVerticalAlign = gtaLeading, TRurGraphicsTextTrimming ATrimming = gttNone,
                    float AAngle = 0, float AMinWidth = -1, float AMinHeight = -1, bool ASupportHTML = true,
                    bool ATestAnchor = false, float AX = -1, float AY = -1)
    {
        return DrawText(RectOf(ALeft, ATop, ARight, ABottom), AText, AWordWrapping, AHorizontalAlign, AVerticalAlign,
                        ATrimming, AAngle, AMinWidth, AMinHeight, ASupportHTML, ATestAnchor, AX, AY);
    }
    // Markup: a closing tag, a self-closing tag, or a line-break tag in any case.
    static bool IsMarkup(const String& AText);
    // The markup with every occurrence of AHilight in its visible text wrapped in the tag ATag.
    static String ApplyHilight(const String& AText, const String& AHilight, const String& ATag, bool ADoCase);

    // Colours.
    static Byte GetColorRed(TColor AColor);
    static Byte GetColorGreen(TColor AColor);
    static Byte GetColorBlue(TColor AColor);
    // "#RRGGBB".
    static String ColorToHTML(TColor AColor);
    // "#RGB" or "#RRGGBB" (the first character is not examined); gcNoColor for an empty text.
    // Raises EConvertError for a digit that is not hexadecimal.
    static TColor HTMLToColor(const String& AHTML);
    // A colour name ("red", "clRed", "gcNavy") looked up in the named-colour table; 0 when unknown.
    static TColor TextToColor(const String& AText);

    // Control painters.
    virtual void DrawButton(TRectF ARect, bool ADown, bool AFocused, bool AEnabled, bool AAdaptToStyle,
                            float AScaleFactor);
    virtual void DrawCloseButton(TRectF ARect, bool ADown, bool AFocused, bool AEnabled, bool AAdaptToStyle,
                                 float AScaleFactor);
    virtual void DrawExpanderButton(TRectF ARect, TRurGraphicsExpanderState AState, bool ADown, bool AFocused,
                                    bool AEnabled, bool AAdaptToStyle, float AScaleFactor);
    virtual void DrawCompactButton(TRectF ARect, TRurGraphicsCompactState AState, bool ADown, bool AFocused,
                                   bool AEnabled, bool AAdaptToStyle, float AScaleFactor);
    virtual void DrawDropDownButton(TRectF ARect, bool ADown, bool AFocused, bool AEnabled, bool ACenter,
                                    bool AAdaptToStyle, float AScaleFactor);
    virtual void DrawCheckBox(TRectF ARect, bool AChecked, bool AFocused, bool AEnabled, float AScaleFactor);
    virtual void DrawRadioButton(TRectF ARect, bool AChecked, bool AFocused, bool AEnabled, float AScaleFactor);
    virtual void DrawProgressBar(TRectF ARect, float AValue, const String& AFormat, float AMax, TColor AColor,
                                 TColor ATextColor, bool AShowText, bool AEnabled, float AScaleFactor);
    static void DrawSample(TCanvas* ACanvas, TRectF ARect);
    static void SetDefaultGraphicColors();

protected:
    virtual TRectF InternalCalculateText(const String& AText, TRectF ARect, bool AWordWrapping, bool ASupportHTML);
    virtual String InternalDrawText(TRectF ARect, const String& AText, String& AControlID, String& AControlValue,
                                    String& AControlType, bool AWordWrapping, TRurGraphicsTextAlign AHorizontalAlign,
                                    TRurGraphicsTextAlign AVerticalAlign, TRurGraphicsTextTrimming ATrimming,
                                    float AAngle, float AMinWidth, float AMinHeight, bool ASupportHTML,
                                    bool ATestAnchor, float AX, float AY);

private:
    // The coordinate forms' rectangle: each value converted to float, not rounded.
    static TRectF RectOf(double ALeft, double ATop, double ARight, double ABottom)
    {
        return {static_cast<float>(ALeft), static_cast<float>(ATop), static_cast<float>(ARight),
                static_cast<float>(ABottom)};
    }
    TRurGraphics(int AWidth, int AHeight, bool ANative);
    void CreateContext(float AWidth, float AHeight);
    void InitializeState();
    void FillChanged(TObject* Sender);
    void StrokeChanged(TObject* Sender);
    void FontChanged(TObject* Sender);
    // Runs a state change unless one is already running (the notifications it causes come back here).
    template <class F>
    void Guarded(F&& change);
    bool FillPaints() const;
    bool StrokePaints() const;
    void DrawTexture(TRectF ARect);
    // Draws an SVG picture as vectors into ARect through a new GDI+ drawing object; False (nothing
    // drawn) for any other picture.
    bool DrawSVG(TRectF ARect, TPicture* ABitmap);
    std::unique_ptr<TRurBitmap> CutBitmapPart(TRectF ASourceRect, TPicture* ABitmap);
    void DrawGlyph(TRectF ARect, const TPointF (*ALines)[2], int ALineCount, int ASize, float AWidth,
                   float AScaleFactor, const String& AResourceName);
    bool RenderMarkup(TRurGraphicsHTMLRequest& ARequest);

    TCanvas* FActiveCanvas = nullptr;
    int FBlockUpdate = 0;
    bool FNative = false;
    std::unique_ptr<TRurGraphicsContext> FContextNative;
    std::unique_ptr<TRurGraphicsContext> FContextGeneral;
    std::unique_ptr<TBitmap> FBitmap;
    std::unique_ptr<TRurGraphicsFill> FFill;
    std::unique_ptr<TRurGraphicsStroke> FStroke;
    std::unique_ptr<TRurGraphicsFont> FFont;
    TColor FHighlightColor = 0xFF0000;
    bool FOptimizedHTMLDrawing = false;
    TColor FHighlightTextColor = 0xFFFFFF;
    TFontStyles FHighlightFontStyles;
    bool FURLUnderline = true;
    TColor FURLColor = 0xFF0000;
    TPictureContainer* FPictureContainer = nullptr;
    TCustomImageList* FImageList = nullptr;
};
