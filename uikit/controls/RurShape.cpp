// The shape's geometry (point generators, the drawer), its appearance and background, its
// properties and its anchors. Painting and clipping are in RurShape_Paint.cpp.
#include "RurShape.h"

#include <cmath>
#include <numbers>

#include "Forms.h"
#include "Math.h"
#include "Messages.h"
#include "PictureContainer.h"
#include "PlatformFacts.h"
#include "RurHTML.h"
#include "RurAnchors.h"
#include "RurVersion.h"

using namespace RurShape;

namespace {

int RoundInt(double AValue) { return int(Round(AValue)); }

} // namespace

// ---- Point generators -------------------------------------------------------------------------------

TPointArray RectPoints(int X1, int Y1, int X2, int Y2) { return {{X1, Y1}, {X2, Y1}, {X2, Y2}, {X1, Y2}}; }

TPointArray TrianglePoints(int X1, int Y1, int X2, int Y2)
{
    return {{X1, Y2}, {X1 + (X2 - X1) / 2, Y1}, {X2, Y2}};
}

TPointArray StarPoints(int X1, int Y1, int X2, int Y2)
{
    const int w = X2 - X1, h = Y2 - Y1, t = w / 3, q = h / 4;
    return {{X1, Y1 + q},           {X1 + t, Y1 + q},         {X1 + w / 2, Y1},     {X1 + 2 * t, Y1 + q},
            {X1 + 3 * t, Y1 + q},   {X1 + 2 * t + t / 2, Y1 + h / 2},              {X1 + 3 * t, Y1 + 3 * q},
            {X1 + 2 * t, Y1 + 3 * q}, {X1 + w / 2, Y1 + 4 * q}, {X1 + t, Y1 + 3 * q}, {X1, Y1 + 3 * q},
            {X1 + t / 2, Y1 + 2 * q}};
}

TPointArray ArcPoints(int X1, int Y1, int X2, int Y2, double StartAngle, double EndAngle, bool Forward)
{
    const double rx = std::abs(X2 - X1 + 1) / 2.0, ry = std::abs(Y2 - Y1 + 1) / 2.0;
    if (rx == 0 || ry == 0)
        return {{X1, Y1}, {X2, Y2}};
    const double r = rx >= ry ? rx : ry;
    const double n = 2 * std::numbers::pi * r;
    const double step = 2 * std::numbers::pi / double(Round(n));
    const int i1 = RoundInt(StartAngle * n / 360), i2 = RoundInt(EndAngle * n / 360);
    const double cx = (X1 + X2) / 2.0, cy = (Y1 + Y2) / 2.0;
    auto point = [&](int j) {
        return TPoint{RoundInt(cx + std::cos(j * step) * rx), RoundInt(cy + std::sin(j * step) * ry)};
    };
    TPointArray result;
    result.reserve(size_t(std::max(i2 - i1 + 2, 0)));
    result.push_back(point(Forward ? i1 : i2));
    for (int k = 0; k <= i2 - i1; ++k)
        result.push_back(point(Forward ? i1 + k : i2 - k));
    return result;
}

TPointArray RoundRectPoints(int X1, int Y1, int X2, int Y2, int W, int H)
{
    TPointArray result;
    auto append = [&](const TPointArray& arc) { result.insert(result.end(), arc.begin(), arc.end()); };
    append(ArcPoints(X1, Y1, X1 + W - 1, Y1 + H - 1, 181, 269, true));
    append(ArcPoints(X2, Y1, X2 - W - 1, Y1 + H - 1, 269, 359, true));
    append(ArcPoints(X2, Y2, X2 - W - 1, Y2 - H - 1, 1, 89, true));
    append(ArcPoints(X1, Y2, X1 + W - 1, Y2 - H - 1, 91, 179, true));
    result.push_back(result.front());
    return result;
}

void DrawSteppedGradient(TCanvas& ACanvas, TColor AFromColor, TColor AToColor, int ASteps, const TRect& R,
                         bool AHorizontal)
{
    const int steps = ASteps == 0 ? 1 : ASteps;
    const TColor from = ColorToRGB(AFromColor), to = ColorToRGB(AToColor);
    const int fr = GetRValue(from), fg = GetGValue(from), fb = GetBValue(from);
    const double dr = double(GetRValue(to) - fr) / steps, dg = double(GetGValue(to) - fg) / steps,
                 db = double(GetBValue(to) - fb) / steps;
    const double band = double(AHorizontal ? R.Right - R.Left : R.Bottom - R.Top) / steps;
    int pos = AHorizontal ? R.Left : R.Top;
    for (Word i = 0; i < Word(steps); ++i) {
        const TColor color = TColor(RGB(fr + RoundInt(i * dr), fg + RoundInt(i * dg), fb + RoundInt(i * db)));
        ACanvas.Pen()->SetColor(color);
        ACanvas.Brush()->SetColor(color);
        ACanvas.Brush()->SetStyle(bsSolid);
        const int e = RoundInt((i + 1) * band) + 1;
        if (AHorizontal)
            ACanvas.Rectangle(pos - 1, R.Top, e, R.Bottom);
        else
            ACanvas.Rectangle(R.Left, pos, R.Right, e);
        pos = e;
    }
}

// ---- TShapeDrawer ---------------------------------------------------------------------------------------

TShapeDrawer::TShapeDrawer() = default;

int TShapeDrawer::LX(double X) const { return RoundInt(FRect.Left + (X - FOrRect.Left)); }
int TShapeDrawer::LY(double Y) const { return RoundInt(FRect.Top + (Y - FOrRect.Top)); }
int TShapeDrawer::RX(double X) const { return RoundInt(FRect.Right - (FOrRect.Right - X)); }
int TShapeDrawer::RY(double Y) const { return RoundInt(FRect.Bottom - (FOrRect.Bottom - Y)); }

int TShapeDrawer::PX(double X) const
{
    const int span = FOrRect.Right - FOrRect.Left;
    if (span == 0)
        return FRect.Left;
    return RoundInt((X - FOrRect.Left) / span * (FRect.Right - FRect.Left)) + FRect.Left;
}

int TShapeDrawer::PY(double Y) const
{
    const int span = FOrRect.Bottom - FOrRect.Top;
    if (span == 0)
        return FRect.Top;
    return RoundInt((Y - FOrRect.Top) / span * (FRect.Bottom - FRect.Top)) + FRect.Top;
}

TPointArray TShapeDrawer::PPPoints(const TPointXArray& APoints) const
{
    TPointArray result;
    for (const TPointX& p : APoints)
        result.push_back(PP(p));
    return result;
}

int TShapeDrawer::UnPx(double X) const
{
    const int span = FRect.Right - FRect.Left;
    if (span == 0)
        return FOrRect.Left;
    return RoundInt((X - FRect.Left) / span * (FOrRect.Right - FOrRect.Left)) + FOrRect.Left;
}

int TShapeDrawer::UnPY(double Y) const
{
    const int span = FRect.Bottom - FRect.Top;
    if (span == 0)
        return FOrRect.Top;
    return RoundInt((Y - FRect.Top) / span * (FOrRect.Bottom - FOrRect.Top)) + FOrRect.Top;
}

void TShapeDrawer::SetAngle(double value)
{
    FAngle = value;
    FRadAngle = std::numbers::pi * value / 180;
    FSinAngle = std::sin(FRadAngle);
    FCosAngle = std::cos(FRadAngle);
}

TPointX TShapeDrawer::RotX(double X, double Y) const
{
    if (FAngle == 0)
        return {X, Y};
    const bool own = FRotationType == rtRotationCenter;
    const double cx = own ? FRotationCenter.X : (FRect.Left + FRect.Right) / 2.0;
    const double cy = own ? FRotationCenter.Y : (FRect.Top + FRect.Bottom) / 2.0;
    return {cx + (X - cx) * FCosAngle - (Y - cy) * FSinAngle, cy + (X - cx) * FSinAngle + (Y - cy) * FCosAngle};
}

TPoint TShapeDrawer::Rot(double X, double Y) const
{
    const TPointX p = RotX(X, Y);
    return TPoint{RoundInt(p.X), RoundInt(p.Y)};
}

TPointX TShapeDrawer::UnrotX(double X, double Y)
{
    const double angle = FAngle;
    SetAngle(-angle);
    const TPointX result = RotX(X, Y);
    SetAngle(angle);
    return result;
}

TPoint TShapeDrawer::Unrot(double X, double Y)
{
    const TPointX p = UnrotX(X, Y);
    return TPoint{RoundInt(p.X), RoundInt(p.Y)};
}

TPointArray TShapeDrawer::RotPoly(std::span<const TPoint> APoints) const
{
    TPointArray result;
    result.reserve(APoints.size());
    for (const TPoint& p : APoints)
        result.push_back(Rot(p));
    return result;
}

TRect TShapeDrawer::RotByCenter(const TRect& R) const
{
    const int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
    const TPoint moved = Rot(cx, cy);
    return TRect(R.Left + moved.X - cx, R.Top + moved.Y - cy, R.Right + moved.X - cx, R.Bottom + moved.Y - cy);
}

void TShapeDrawer::DrawRotRect(int X1, int Y1, int X2, int Y2)
{
    if (!FCanvas)
        return;
    if (FAngle == 0) {
        FCanvas->Rectangle(X1, Y1, X2 + 1, Y2 + 1);
        return;
    }
    const TPoint corners[] = {{X1, Y1}, {X2, Y1}, {X2, Y2}, {X1, Y2}, {X1, Y1}};
    FCanvas->Polygon(RotPoly(corners));
}

void TShapeDrawer::DrawRotPoly(std::span<const TPoint> APoints)
{
    if (!FCanvas)
        return;
    if (FAngle == 0)
        FCanvas->Polygon(APoints);
    else
        FCanvas->Polygon(RotPoly(APoints));
}

void TShapeDrawer::DrawRotRoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3)
{
    if (!FCanvas)
        return;
    if (FAngle == 0)
        FCanvas->RoundRect(X1, Y1, X2 + 1, Y2 + 1, X3, Y3);
    else
        FCanvas->Polygon(RotPoly(RoundRectPoints(X1, Y1, X2, Y2, X3, Y3)));
}

void TShapeDrawer::AutoMoveTo(double X, double Y)
{
    if (!FCanvas)
        return;
    const TPoint p = Rot(PP(X, Y));
    FCanvas->MoveTo(p.X, p.Y);
}

void TShapeDrawer::AutoLineTo(double X, double Y)
{
    if (!FCanvas)
        return;
    const TPoint p = Rot(PP(X, Y));
    FCanvas->LineTo(p.X, p.Y);
}

// ---- TShapeAppearance and TShapeBackGround ---------------------------------------------------------------

TAVIN_PUBLISHED(TShapeAppearance)
{
    TAVIN_PROPERTY(TPen*, Pen);
    TAVIN_PROPERTY(TBrush*, Brush);
    TAVIN_PROPERTY(int, Steps).Default(64);
    TAVIN_PROPERTY(TColor, Color).Default(clWhite);
    TAVIN_PROPERTY(TColor, ColorTo).Default(clBtnFace);
    TAVIN_PROPERTY(TGradientDirection, Direction).Default(gdHorizontal);
    TAVIN_PROPERTY(TColor, URLColor).Default(clBlue);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

TShapeAppearance::TShapeAppearance() : FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>())
{
    FBrush->SetStyle(bsClear);
    FPen->SetOnChange(MakeHandler<&TShapeAppearance::Changed>(this));
    FBrush->SetOnChange(MakeHandler<&TShapeAppearance::Changed>(this));
}

TShapeAppearance::~TShapeAppearance() = default;

void TShapeAppearance::Changed(TObject*)
{
    if (FOnChange)
        FOnChange(this);
}

void TShapeAppearance::SetSteps(int value)
{
    FSteps = value;
    Changed();
}

void TShapeAppearance::SetColor(TColor value)
{
    if (FColor == value)
        return;
    FColor = value;
    Changed();
}

void TShapeAppearance::SetColorTo(TColor value)
{
    FColorTo = value;
    Changed();
}

void TShapeAppearance::SetDirection(TGradientDirection value)
{
    FDirection = value;
    Changed();
}

void TShapeAppearance::SetURLColor(TColor value)
{
    if (FURLColor == value)
        return;
    FURLColor = value;
    Changed();
}

void TShapeAppearance::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TShapeAppearance*>(Source);
    if (!s || s == this)
        return;
    SetColor(s->FColor);
    SetColorTo(s->FColorTo);
    SetDirection(s->FDirection);
    SetSteps(s->FSteps);
    SetURLColor(s->FURLColor);
    FBrush->Assign(s->FBrush.get());
    FPen->Assign(s->FPen.get());
}

TAVIN_PUBLISHED(TShapeBackGround)
{
    TAVIN_PROPERTY(TBackGroundPosition, Position).Default(bpTopLeft);
    TAVIN_PROPERTY(TPicture*, Picture);
}

TShapeBackGround::TShapeBackGround() : FPicture(std::make_unique<TPicture>())
{
    FPicture->SetOnChange(MakeHandler<&TShapeBackGround::Changed>(this));
}

TShapeBackGround::~TShapeBackGround() = default;

void TShapeBackGround::Changed(TObject*)
{
    if (FOnChange)
        FOnChange(this);
}

void TShapeBackGround::SetPosition(TBackGroundPosition value)
{
    if (FPosition == value)
        return;
    FPosition = value;
    Changed();
}

void TShapeBackGround::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TShapeBackGround*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    FPicture->Assign(s->FPicture.get());
    SetPosition(s->FPosition);
}

// ---- TRurShape ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TRurShape)
{
    TAVIN_PROPERTY(TShapeAppearance*, Appearance);
    TAVIN_PROPERTY(bool, AutoSize).Default(false);
    TAVIN_PROPERTY(bool, MaxSize).Default(true);
    TAVIN_PROPERTY(TRurBevel, Bevel).Default(RurShape::bsNone);
    TAVIN_PROPERTY(TCustomImageList*, Images);
    TAVIN_PROPERTY(TShapeBackGround*, BackGround);
    TAVIN_PROPERTY(TPictureContainer*, PictureContainer);
    TAVIN_PROPERTY(double, RotationAngle);
    TAVIN_PROPERTY(int, Rounding).Default(10);
    TAVIN_PROPERTY(TRurShapeType, Shape).Default(stRectangle);
    TAVIN_PROPERTY(int, ShapeHeight).Default(100);
    TAVIN_PROPERTY(int, ShapeWidth).Default(100);
    TAVIN_PROPERTY(TShowTextType, ShowText).Default(stNonClipped);
    TAVIN_PROPERTY(String, Text);
    TAVIN_PROPERTY(int, TextOffsetX).Default(0);
    TAVIN_PROPERTY(int, TextOffsetY).Default(0);
    TAVIN_PROPERTY(String, Version);
    TAVIN_PROPERTY(TAnchorClick, OnAnchorClick);
    TAVIN_PROPERTY(TAnchorClick, OnAnchorEnter);
    TAVIN_PROPERTY(TAnchorClick, OnAnchorExit);
}

TRurShape::TRurShape(TComponent* AOwner)
    : TGraphicControl(AOwner), FDrawer(std::make_unique<TShapeDrawer>()),
      FAppearance(std::make_unique<TShapeAppearance>()), FBackGround(std::make_unique<TShapeBackGround>())
{
    SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
    SetBounds(Left(), Top(), 120, 120);
    FDrawer->SetOriginalRect(TRect(0, 0, 100, 100));
    FAppearance->SetOnChange(MakeHandler<&TRurShape::Changed>(this));
    FBackGround->SetOnChange(MakeHandler<&TRurShape::Changed>(this));
}

TRurShape::~TRurShape() = default;

String TRurShape::Version() const { return KitVersionText(GetVersionNr()); }

void TRurShape::SetText(const String& value)
{
    if (value == TControl::Text())
        return;
    TControl::SetText(value);
    Invalidate();
}

void TRurShape::SetRotationAngle(double value)
{
    if (value == FRotationAngle || value < -360 || value > 360)
        return;
    FRotationAngle = value;
    Invalidate();
}

void TRurShape::SetImages(TCustomImageList* value)
{
    FImages = value;
    if (value)
        value->FreeNotification(this);
    Invalidate();
}

void TRurShape::SetPictureContainer(TPictureContainer* value)
{
    FContainer = value;
    if (value)
        value->FreeNotification(this);
}

void TRurShape::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == FImages && !ComponentState().Contains(csDestroying))
        FImages = nullptr;
    if (AComponent == FContainer)
        FContainer = nullptr;
}

int TRurShape::PenWidth() const { return FAppearance->Pen()->Width(); }

int TRurShape::ShapeWidth() const
{
    if (!FAutoSize)
        return FShapeWidth;
    const int w = ClientWidth() - PenWidth(), h = ClientHeight() - PenWidth();
    if (FRotationAngle <= 0 && FMaxSize)
        return w;
    const double c = FDrawer->CosAngle(), s = FDrawer->SinAngle();
    const double e = std::sqrt(std::pow(w * c / 2, 2) + std::pow(h * s / 2, 2));
    const double f = std::sqrt(std::pow(w / 2.0, 2) + std::pow(h / 2.0, 2));
    if (h <= 0 || f <= 0)
        return w;
    return int(std::trunc(w * e / f));
}

int TRurShape::ShapeHeight() const
{
    if (!FAutoSize)
        return FShapeHeight;
    const int w = ClientWidth() - PenWidth(), h = ClientHeight() - PenWidth();
    if (FRotationAngle <= 0 && FMaxSize)
        return h;
    const double c = FDrawer->CosAngle(), s = FDrawer->SinAngle();
    const double e = std::sqrt(std::pow(w * c / 2, 2) + std::pow(h * s / 2, 2));
    const double f = std::sqrt(std::pow(w / 2.0, 2) + std::pow(h / 2.0, 2));
    if (h <= 0 || f <= 0)
        return h;
    return int(std::trunc(h * e / f));
}

float TRurShape::GetShapeDPIScale() const
{
    auto* form = dynamic_cast<TForm*>(GetParentForm());
    if (!form || !form->Scaled())
        return 1;
    const HMONITOR monitor = form->HandleAllocated() ? MonitorFromWindow(form->Handle(), MONITOR_DEFAULTTONEAREST)
                                                     : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    return float(PlatformMonitorDpi(monitor)) / float(form->PixelsPerInch());
}

TRect TRurShape::GetShapeRect() const
{
    const float scale = GetShapeDPIScale();
    const int p = PenWidth();
    int w = RoundInt(ShapeWidth() * double(scale) - p + 1), h = RoundInt(ShapeHeight() * double(scale) - p + 1);
    if (p == 0) {
        --w;
        --h;
    }
    const int left = p / 2 + (Width() - w) / 2, top = p / 2 + (Height() - h) / 2;
    return TRect(left, top, left + w, top + h);
}

TRect TRurShape::TextRect(const TRect& AShapeRect, float AScale) const
{
    const int ox = RoundInt(FTextOffsetX * double(AScale)), oy = RoundInt(FTextOffsetY * double(AScale));
    return TRect(AShapeRect.Left + ox + 2, AShapeRect.Top + oy + 2, AShapeRect.Right - 2, AShapeRect.Bottom - 2);
}

String TRurShape::GetAnchorAt(int X, int Y)
{
    if (Text().empty() || !Parent() || !Parent()->HandleAllocated())
        return String();
    HDC dc = GetDC(Parent()->Handle());
    String anchor;
    {
        TCanvas canvas;
        canvas.SetHandle(dc);
        canvas.Font()->Assign(Font());
        THTMLDrawOptions options;
        options.Images = FImages;
        options.MouseX = X;
        options.MouseY = Y;
        options.HitTest = true;
        options.Selected = true;
        options.BlinkVisible = true;
        options.URLColor = FAppearance->URLColor();
        options.ShadowColor = clGray;
        options.PictureContainer = FContainer;
        options.Scale = -1;
        options.Edition = THTMLEdition::Reduced;
        THTMLDrawResult result;
        if (HTMLDraw(canvas, Text(), TextRect(GetShapeRect(), GetShapeDPIScale()), options, result))
            anchor = result.Anchor;
        canvas.SetHandle(nullptr);
    }
    ReleaseDC(Parent()->Handle(), dc);
    return anchor;
}

void TRurShape::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    const String anchor = GetAnchorAt(X, Y);
    if (!anchor.empty() && !OpenShellAnchor(anchor) && fAnchorClick)
        fAnchorClick(this, anchor);
}

void TRurShape::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    const String anchor = GetAnchorAt(X, Y);
    if (!anchor.empty()) {
        if (FOldCursor == -1 && anchor != FAnchor) {
            FAnchor = anchor;
            FOldCursor = Cursor();
            SetCursor(crHandPoint);
            if (FAnchorEnter)
                FAnchorEnter(this, anchor);
        }
    } else if (Cursor() == crHandPoint && FOldCursor != -1) {
        SetCursor(FOldCursor);
        FOldCursor = -1;
        FAnchor.clear();
        if (FAnchorExit)
            FAnchorExit(this, String());
    }
}

void TRurShape::WndProc(TMessage& AMessage)
{
    // Enter and leave raise the events without the inherited handling.
    if (AMessage.Msg == CM_MOUSEENTER) {
        if (OnMouseEnter())
            OnMouseEnter()(this);
        return;
    }
    if (AMessage.Msg == CM_MOUSELEAVE) {
        if (OnMouseLeave())
            OnMouseLeave()(this);
        return;
    }
    TGraphicControl::WndProc(AMessage);
}
