#pragma once
// A windowless control that draws one of nine outline shapes inside its bounds: rectangle, square,
// rounded rectangle and square, ellipse, circle, triangle, six-pointed star and horizontal line,
// turned by any angle, with a raised or lowered bevel, a solid or stepped two-colour fill clipped
// to the outline, a background picture and a caption in the kit's markup whose links open in the
// shell or raise events. The drawer maps points between two rectangles and turns them.
#include <memory>
#include <span>
#include <vector>

#include "Controls.h"
#include "Graphics.h"
#include "ImgList.h"

class TPictureContainer;

// The unit's enumerations share value names with the framework's (bsNone...): kept apart here.
namespace RurShape {
TAVIN_ENUM(TRurShapeType, stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle, stTriangle, stStar,
           stLine)
TAVIN_ENUM(TGradientDirection, gdHorizontal, gdVertical)
TAVIN_ENUM(TRurBevel, bsNone, bsLowered, bsRaised)
TAVIN_ENUM(TShowTextType, stClipped, stNonClipped)
TAVIN_ENUM(TBackGroundPosition, bpTopLeft, bpTopRight, bpBottomLeft, bpBottomRight, bpTiled, bpStretched, bpCenter)
TAVIN_ENUM(TRotationType, rtCurRectCenter, rtRotationCenter)
} // namespace RurShape

struct TPointX {
    double X = 0;
    double Y = 0;
};
using TPointXArray = std::vector<TPointX>;
using TPointArray = std::vector<TPoint>;
using TAnchorClick = TEvent<TObject*, String>;

// Point lists of the outlines in a box.
TPointArray RectPoints(int X1, int Y1, int X2, int Y2);
// Apex at the top middle.
TPointArray TrianglePoints(int X1, int Y1, int X2, int Y2);
// Twelve points: tips at the even indexes.
TPointArray StarPoints(int X1, int Y1, int X2, int Y2);
// Points on the ellipse inscribed in the box from StartAngle to EndAngle (degrees, clockwise on
// the screen); the first point is there twice. Two corner points when the box is flat.
TPointArray ArcPoints(int X1, int Y1, int X2, int Y2, double StartAngle, double EndAngle, bool Forward);
// Four corner arcs of W x H boxes, and the first point again.
TPointArray RoundRectPoints(int X1, int Y1, int X2, int Y2, int W, int H);
// Bands from one colour to the other (a steps value of 0 draws one), left to right or top down.
void DrawSteppedGradient(TCanvas& ACanvas, TColor AFromColor, TColor AToColor, int ASteps, const TRect& R,
                         bool AHorizontal);

// Maps points from OriginalRect onto CurRect and turns them about a centre by Angle degrees.
class TShapeDrawer : public TObject {
    TAVIN_CLASS(TShapeDrawer, TObject)
public:
    TShapeDrawer();

    // Translations that keep the left/top or the right/bottom edge.
    int LX(double X) const;
    int LY(double Y) const;
    TPoint LP(double X, double Y) const { return TPoint{LX(X), LY(Y)}; }
    int RX(double X) const;
    int RY(double Y) const;
    TPoint RP(double X, double Y) const { return TPoint{RX(X), RY(Y)}; }
    // Proportional mapping; an OriginalRect of no width (height) gives CurRect's left (top).
    virtual int PX(double X) const;
    virtual int PY(double Y) const;
    TPoint PP(double X, double Y) const { return TPoint{PX(X), PY(Y)}; }
    TPoint PP(const TPointX& P) const { return PP(P.X, P.Y); }
    TPointArray PPPoints(const TPointXArray& APoints) const;
    int UnPx(double X) const;
    int UnPY(double Y) const;
    TPoint UnPP(double X, double Y) const { return TPoint{UnPx(X), UnPY(Y)}; }
    TPointX RotX(double X, double Y) const;
    TPointX RotX(const TPointX& P) const { return RotX(P.X, P.Y); }
    TPoint Rot(double X, double Y) const;
    TPoint Rot(const TPoint& P) const { return Rot(P.X, P.Y); }
    TPointX UnrotX(double X, double Y);
    TPoint Unrot(double X, double Y);
    TPointArray RotPoly(std::span<const TPoint> APoints) const;
    // The rectangle moved so that its centre lands where the turn takes that centre.
    TRect RotByCenter(const TRect& R) const;
    void DrawRotRect(int X1, int Y1, int X2, int Y2);
    void DrawRotPoly(std::span<const TPoint> APoints);
    void DrawRotRoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void AutoMoveTo(double X, double Y);
    void AutoLineTo(double X, double Y);

    double Angle() const { return FAngle; }
    void SetAngle(double value);
    RurShape::TRotationType RotationType() const { return FRotationType; }
    void SetRotationType(RurShape::TRotationType value) { FRotationType = value; }
    TPoint RotationCenter() const { return FRotationCenter; }
    void SetRotationCenter(TPoint value) { FRotationCenter = value; }
    TRect OriginalRect() const { return FOrRect; }
    void SetOriginalRect(const TRect& value) { FOrRect = value; }
    TRect CurRect() const { return FRect; }
    void SetCurRect(const TRect& value) { FRect = value; }
    TCanvas* Canvas() const { return FCanvas; }
    void SetCanvas(TCanvas* value) { FCanvas = value; }
    double SinAngle() const { return FSinAngle; }
    double CosAngle() const { return FCosAngle; }

private:
    TRect FRect{0, 0, 100, 100};
    TRect FOrRect{0, 0, 100, 100};
    double FAngle = 0;
    double FRadAngle = 0;
    TCanvas* FCanvas = nullptr;
    double FSinAngle = 0;
    double FCosAngle = 1;
    RurShape::TRotationType FRotationType = RurShape::rtCurRectCenter;
    TPoint FRotationCenter{0, 0};
};

class TShapeAppearance : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TShapeAppearance, TPersistent)
public:
    TShapeAppearance();
    ~TShapeAppearance() override;
    void Assign(const TPersistent* Source) override;

    TPen* Pen() const { return FPen.get(); }
    void SetPen(TPen* value) { FPen->Assign(value); }
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(TBrush* value) { FBrush->Assign(value); }
    int Steps() const { return FSteps; }
    void SetSteps(int value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);
    RurShape::TGradientDirection Direction() const { return FDirection; }
    void SetDirection(RurShape::TGradientDirection value);
    TColor URLColor() const { return FURLColor; }
    void SetURLColor(TColor value);
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

private:
    void Changed(TObject* = nullptr);

    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    int FSteps = 64;
    TColor FColor = clWhite;
    TColor FColorTo = clBtnFace;
    RurShape::TGradientDirection FDirection = RurShape::gdHorizontal;
    TNotifyEvent FOnChange;
    TColor FURLColor = clBlue;
};

class TShapeBackGround : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TShapeBackGround, TPersistent)
public:
    TShapeBackGround();
    ~TShapeBackGround() override;
    void Assign(const TPersistent* Source) override;

    RurShape::TBackGroundPosition Position() const { return FPosition; }
    void SetPosition(RurShape::TBackGroundPosition value);
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* value) { FPicture->Assign(value); }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

private:
    void Changed(TObject* = nullptr);

    TNotifyEvent FOnChange;
    RurShape::TBackGroundPosition FPosition = RurShape::bpTopLeft;
    std::unique_ptr<TPicture> FPicture;
};

class TRurShape : public TGraphicControl {
    TAVIN_PUBLISHED_CLASS(TRurShape, TGraphicControl)
public:
    explicit TRurShape(TComponent* AOwner);
    ~TRurShape() override;

    void WndProc(TMessage& AMessage) override;
    // The caption's anchor under the point; empty when none.
    String GetAnchorAt(int X, int Y);
    virtual int GetVersionNr() const { return 16908544; }
    // The rectangle the outline is drawn in, from the shape's size, the pen and the DPI scale.
    TRect GetShapeRect() const;
    // The outline in the parent's device coordinates, as the clip region is made of.
    TPointArray GetShapePoints() const;
    // The form's monitor pixels per inch over the form's own for a scaled form, else 1.
    float GetShapeDPIScale() const;

    TShapeAppearance* Appearance() const { return FAppearance.get(); }
    void SetAppearance(TShapeAppearance* value) { FAppearance->Assign(value); }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value) { Store(FAutoSize, value); }
    bool MaxSize() const { return FMaxSize; }
    void SetMaxSize(bool value) { Store(FMaxSize, value); }
    RurShape::TRurBevel Bevel() const { return FBevel; }
    void SetBevel(RurShape::TRurBevel value) { Store(FBevel, value); }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    TShapeBackGround* BackGround() const { return FBackGround.get(); }
    void SetBackGround(TShapeBackGround* value) { FBackGround->Assign(value); }
    TPictureContainer* PictureContainer() const { return FContainer; }
    void SetPictureContainer(TPictureContainer* value);
    double RotationAngle() const { return FRotationAngle; }
    // Taken only from -360 to 360; other values are ignored.
    void SetRotationAngle(double value);
    int Rounding() const { return FRounding; }
    void SetRounding(int value) { Store(FRounding, value); }
    RurShape::TRurShapeType Shape() const { return FShape; }
    void SetShape(RurShape::TRurShapeType value) { Store(FShape, value); }
    int ShapeWidth() const;
    void SetShapeWidth(int value) { Store(FShapeWidth, value); }
    int ShapeHeight() const;
    void SetShapeHeight(int value) { Store(FShapeHeight, value); }
    RurShape::TShowTextType ShowText() const { return FShowText; }
    void SetShowText(RurShape::TShowTextType value) { Store(FShowText, value); }
    // The caption in the kit's markup.
    String Text() const { return TControl::Text(); }
    void SetText(const String& value);
    int TextOffsetX() const { return FTextOffsetX; }
    void SetTextOffsetX(int value) { Store(FTextOffsetX, value); }
    int TextOffsetY() const { return FTextOffsetY; }
    void SetTextOffsetY(int value) { Store(FTextOffsetY, value); }
    bool Clipping() const { return FClipping; }
    void SetClipping(bool value) { FClipping = value; }
    String Version() const;
    void SetVersion(const String&) {}
    TAnchorClick OnAnchorClick() const { return fAnchorClick; }
    void SetOnAnchorClick(TAnchorClick value) { fAnchorClick = value; }
    TAnchorClick OnAnchorEnter() const { return FAnchorEnter; }
    void SetOnAnchorEnter(TAnchorClick value) { FAnchorEnter = value; }
    TAnchorClick OnAnchorExit() const { return FAnchorExit; }
    void SetOnAnchorExit(TAnchorClick value) { FAnchorExit = value; }

    TShapeDrawer* Drawer() const { return FDrawer.get(); }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    template <class T>
    void Store(T& AField, T AValue)
    {
        if (AField != AValue) {
            AField = AValue;
            Invalidate();
        }
    }
    void Changed(TObject*) { Invalidate(); }
    int PenWidth() const;
    TRect TextRect(const TRect& AShapeRect, float AScale) const;
    void DrawShape(const TRect& SR, TColor AUpper, TColor ALower);
    void DrawBackGroundPicture(const TRect& SR);
    // Clip regions in device coordinates of the canvas.
    void ClipToShape();
    void ClipToClient();
    void RemoveClip();

    RurShape::TRurShapeType FShape = RurShape::stRectangle;
    double FRotationAngle = 0;
    std::unique_ptr<TShapeDrawer> FDrawer;
    int FShapeWidth = 100;
    int FShapeHeight = 100;
    TPictureContainer* FContainer = nullptr;
    TCustomImageList* FImages = nullptr;
    String FAnchor;
    TAnchorClick fAnchorClick;
    std::unique_ptr<TShapeAppearance> FAppearance;
    int FTextOffsetY = 0;
    int FTextOffsetX = 0;
    RurShape::TRurBevel FBevel = RurShape::bsNone;
    std::unique_ptr<TShapeBackGround> FBackGround;
    TAnchorClick FAnchorExit;
    TAnchorClick FAnchorEnter;
    RurShape::TShowTextType FShowText = RurShape::stNonClipped;
    int FRounding = 10;
    bool FAutoSize = false;
    TCursor FOldCursor = -1;
    bool FMaxSize = true;
    bool FClipping = true;
};
