#pragma once
// The UI kit's device-independent vector path (typed move, line, cubic curve and close points) and
// its 3x3 matrix, with the polygon tests the drawing object and the SVG engine hit-test with.
// Portable: no windows.h.
#include <array>
#include <vector>

#include "Classes.h"
#include "Generics.Collections.h"
#include "RurObjectJSON.h"
#include "Types.h"

enum TRurGraphicsPathPointKind : Byte { gppMoveTo, gppLineTo, gppCurveTo, gppClose };
TAVIN_ENUM(TRurGraphicsPathDrawMode, pdmPolygon, pdmPolyline, pdmPath)
TAVIN_ENUM(TRurGraphicsModifyRectMode, gcrmNone, gcrmExpandAll, gcrmShrinkAll, gcrmShiftRightAndExpandHeight,
           gcrmShiftDownAndExpandWidth, gcrmShiftRightAndShrinkHeight, gcrmShiftRightDown, gcrmShiftRightUp,
           gcrmShiftLeftUp, gcrmShiftLeftDown, gcrmShiftUpAndExpandWidth, gcrmShiftLeftAndExpandHeight)

// A cubic curve is three gppCurveTo points (control 1, control 2, end) after the point it starts
// at; a gppClose point carries the coordinates of its figure's start.
struct TRurGraphicsPathPoint {
    TRurGraphicsPathPointKind Kind = gppMoveTo;
    bool Dummy = false;
    TPointF Point;
    constexpr bool operator==(const TRurGraphicsPathPoint&) const = default;
};

using TRurGraphicsPathPoints = TList<TRurGraphicsPathPoint>;
using TRurGraphicsPathPolygon = std::vector<TPointF>;
using TRurGraphicsPathCubicBezier = std::array<TPointF, 4>; // start, control 1, control 2, end

struct TRurGraphicsVector {
    float X = 0;
    float Y = 0;
    float W = 0;
};

// Points are row vectors: (x, y) maps to (x*m11 + y*m21 + m31, x*m12 + y*m22 + m32).
struct TRurGraphicsMatrix {
    float m11 = 0, m12 = 0, m13 = 0;
    float m21 = 0, m22 = 0, m23 = 0;
    float m31 = 0, m32 = 0, m33 = 0;

    static TRurGraphicsMatrix Identity();
    static TRurGraphicsMatrix CreateRotation(float angle); // radians
    static TRurGraphicsMatrix CreateScaling(float scaleX, float scaleY);
    static TRurGraphicsMatrix CreateTranslation(float deltaX, float deltaY);

    // Element (row, column), both 0-based.
    float Cell(int row, int column) const;
    float& Cell(int row, int column);
    TRurGraphicsVector Row(int row) const { return {Cell(row, 0), Cell(row, 1), Cell(row, 2)}; }

    float Determinant() const;
    TRurGraphicsMatrix Adjoint() const;
    // The identity for a singular matrix (|determinant| below 1E-40, or not a number).
    TRurGraphicsMatrix Inverse() const;

    constexpr bool operator==(const TRurGraphicsMatrix&) const = default;
};

TRurGraphicsMatrix operator*(const TRurGraphicsMatrix& a, const TRurGraphicsMatrix& b);
TPointF operator*(TPointF point, const TRurGraphicsMatrix& matrix);

class TRurGraphicsPath : public TPersistent, public TRurJSONObject<TRurGraphicsPath> {
    TAVIN_CLASS(TRurGraphicsPath, TPersistent)
public:
    TRurGraphicsPath() = default;

    // Copies the points of another path (not its start point or clippable flag).
    void Assign(const TPersistent* source) override;

    int Count() const { return FPoints.Count(); }
    TRurGraphicsPathPoints* PathData() { return &FPoints; }
    const TRurGraphicsPathPoints* PathData() const { return &FPoints; }
    bool Clippable() const { return FClippable; }
    void SetClippable(bool value) { FClippable = value; }
    bool IsClippable() const { return FClippable; }

    // Empties the point list; the start point and clippable flag stay.
    void Clear() { FPoints.Clear(); }
    // Raises EArgumentOutOfRangeException outside 0..Count-1.
    const TRurGraphicsPathPoint& GetPoint(int index) const { return FPoints.Items(index); }
    // (0, 0) for an empty path.
    TPointF LastPoint() const;

    void MoveTo(TPointF p);
    // Marks the path clippable when p returns exactly to the figure's start.
    void LineTo(TPointF p);
    void CurveTo(TPointF controlPoint1, TPointF controlPoint2, TPointF endPoint);
    void QuadCurveTo(TPointF controlPoint, TPointF endPoint);
    // The first control point mirrors the previous curve's second one in the last point.
    void SmoothCurveTo(TPointF controlPoint2, TPointF endPoint);
    void ClosePath();

    void AddLine(TPointF startPoint, TPointF endPoint);
    void AddPolygon(const TRurGraphicsPathPolygon& polygon);
    void AddPath(const TRurGraphicsPath& path);
    void AddRectangle(TRectF rect, float roundingX, float roundingY);
    void AddEllipse(TRectF rect);
    // Angles in degrees, clockwise on screen (0 points to +X, 90 to +Y).
    void AddArc(TPointF center, TPointF radius, float startAngle, float sweepAngle);

    static TPointF PointOnBezier(TPointF startPoint, double ax, double bx, double cx, double ay, double by,
                                 double cy, double t);
    // pointCount points evenly spaced in the curve parameter; none for a count of 0.
    static TRurGraphicsPathPolygon CreateBezier(const TRurGraphicsPathCubicBezier& bezier, int pointCount);

    // Replaces every curve by line segments about `flatness` long (at least 0.05).
    void Flatten(float flatness);
    // All figures as one polygon, curves flattened, repeated points dropped.
    void FlattenToPolygon(TRurGraphicsPathPolygon& polygon, float flatness) const;
    // Bounds of the points other than close points, at least 0.001 wide and high; all 0 when empty.
    TRectF GetBounds() const;
    bool IsPointVisible(TPointF p) const;
    bool IsRectVisible(TRectF r) const;
    // Transforms every point but the close points.
    void ApplyMatrix(const TRurGraphicsMatrix& matrix);

private:
    void Append(TRurGraphicsPathPointKind kind, TPointF p) { FPoints.Add({kind, false, p}); }

    TPointF FStartPoint;
    bool FClippable = false;
    TRurGraphicsPathPoints FPoints;
};

TRurGraphicsMatrix MatrixIdentity();
TRurGraphicsMatrix MatrixEmpty();
bool MatrixIsEmpty(const TRurGraphicsMatrix& matrix);
TRurGraphicsMatrix MatrixCreateRotation(float angle);
TRurGraphicsMatrix MatrixCreateScaling(float scaleX, float scaleY);
TRurGraphicsMatrix MatrixCreateTranslation(float deltaX, float deltaY);
TPointF MatrixMultiplyPoint(TPointF point, const TRurGraphicsMatrix& matrix);
TRurGraphicsMatrix MatrixMultiply(const TRurGraphicsMatrix& a, const TRurGraphicsMatrix& b);

// The drawing object's canvas back end passes its rectangles through this; no mode changes them.
TRectF ApplyModifyRectMode(TRectF rect, TRurGraphicsModifyRectMode mode);

// Left <= X < Right and Top <= Y < Bottom.
bool PtInRectF(TPointF p, TRectF r);
float VectorLength(TPointF v);
// Even-odd rule; False outside the polygon's bounding box.
bool IsPointInPolygon(TPointF p, const TRurGraphicsPathPolygon& polygon);
// True when a vertex lies in r (a polygon enclosing r without a vertex in it gives False).
bool PolygonHasPointInRect(const TRurGraphicsPathPolygon& polygon, TRectF r);
