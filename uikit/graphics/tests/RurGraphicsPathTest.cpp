#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "RurGraphicsPath.h"
#include "SysUtils.h"

namespace {

int CountKind(const TRurGraphicsPath& path, TRurGraphicsPathPointKind kind)
{
    int count = 0;
    for (int i = 0; i < path.Count(); ++i)
        count += path.GetPoint(i).Kind == kind;
    return count;
}

void ExpectNear(TPointF actual, TPointF expected, float tolerance = 1e-4f)
{
    EXPECT_NEAR(actual.X, expected.X, tolerance);
    EXPECT_NEAR(actual.Y, expected.Y, tolerance);
}

void ExpectNearIdentity(const TRurGraphicsMatrix& m)
{
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(m.Cell(i, j), i == j ? 1.0f : 0.0f, 1e-5f) << i << "," << j;
}

TRurGraphicsPathPolygon Square(float left, float top, float size)
{
    return {{left, top}, {left + size, top}, {left + size, top + size}, {left, top + size}};
}

} // namespace

TEST(RurGraphicsPath, EmptyAndSinglePointPaths)
{
    TRurGraphicsPath path;
    ExpectNear(path.LastPoint(), {0, 0});
    EXPECT_EQ(path.GetBounds(), TRectF{});
    EXPECT_THROW(path.GetPoint(0), EArgumentOutOfRangeException);

    path.MoveTo({3, 4});
    TRectF bounds = path.GetBounds();
    EXPECT_FLOAT_EQ(bounds.Left, 3);
    EXPECT_FLOAT_EQ(bounds.Top, 4);
    EXPECT_FLOAT_EQ(bounds.Right, 3.001f);
    EXPECT_FLOAT_EQ(bounds.Bottom, 4.001f);
}

TEST(RurGraphicsPath, BoundsStartFromTheFirstPointAndSkipClosePoints)
{
    // Coordinates beyond +-65535 on one side only: a fixed starting box would cover the wrong area.
    TRurGraphicsPath far;
    far.MoveTo({70000, 80000});
    far.LineTo({90000, 100000});
    EXPECT_EQ(far.GetBounds(), (TRectF{70000, 80000, 90000, 100000}));

    TRurGraphicsPath negative;
    negative.MoveTo({-90000, -70000});
    negative.LineTo({-80000, -66000});
    EXPECT_EQ(negative.GetBounds(), (TRectF{-90000, -70000, -80000, -66000}));

    TRurGraphicsPath moved;
    moved.MoveTo({0, 0});
    moved.LineTo({10, 10});
    moved.ClosePath();
    moved.ApplyMatrix(TRurGraphicsMatrix::CreateTranslation(5, 5));
    EXPECT_EQ(moved.GetBounds(), (TRectF{5, 5, 15, 15}));
}

TEST(RurGraphicsPath, LinesAndClipping)
{
    TRurGraphicsPath path;
    path.AddLine({1, 1}, {5, 1});
    path.AddLine({5, 5}, {1, 5});
    EXPECT_EQ(path.Count(), 4);
    EXPECT_EQ(path.GetPoint(0).Kind, gppMoveTo);
    EXPECT_EQ(path.GetPoint(2).Kind, gppLineTo);
    EXPECT_FALSE(path.IsClippable());
    path.LineTo({1, 1});
    EXPECT_TRUE(path.IsClippable());

    TRurGraphicsPath copy;
    copy.Assign(&path);
    EXPECT_EQ(copy.Count(), path.Count());
    EXPECT_FALSE(copy.IsClippable());
    TStringList notAPath;
    EXPECT_THROW(copy.Assign(&notAPath), EConvertError);

    path.Clear();
    EXPECT_EQ(path.Count(), 0);
    EXPECT_TRUE(path.IsClippable());
}

TEST(RurGraphicsPath, RectanglesPlainAndRounded)
{
    TRurGraphicsPath plain;
    plain.AddRectangle({0, 0, 10, 20}, 0, 0);
    ASSERT_EQ(plain.Count(), 5);
    EXPECT_EQ(plain.GetPoint(4).Kind, gppClose);
    ExpectNear(plain.GetPoint(4).Point, {0, 0});
    EXPECT_TRUE(plain.IsClippable());

    TRurGraphicsPath rounded;
    rounded.AddRectangle({0, 0, 100, 50}, 10, 5);
    EXPECT_EQ(rounded.Count(), 26);
    EXPECT_EQ(CountKind(rounded, gppMoveTo) + CountKind(rounded, gppLineTo), 13);
    EXPECT_EQ(CountKind(rounded, gppCurveTo), 12);
    EXPECT_EQ(CountKind(rounded, gppClose), 1);
    TRectF bounds = rounded.GetBounds();
    EXPECT_NEAR(bounds.Left, 0, 1e-4);
    EXPECT_NEAR(bounds.Top, 0, 1e-4);
    EXPECT_NEAR(bounds.Right, 100, 1e-4);
    EXPECT_NEAR(bounds.Bottom, 50, 1e-4);
    // The first corner arc starts where the bottom edge begins and ends on the left edge.
    ExpectNear(rounded.GetPoint(1).Point, {10, 50});
    ExpectNear(rounded.GetPoint(4).Point, {0, 45});
}

TEST(RurGraphicsPath, ArcSegments)
{
    struct Case {
        float Sweep;
        int Curves;
    } cases[] = {{0, 0}, {360, 4}, {720, 4}, {-360, 4}, {100, 2}, {90.3f, 1}, {90, 1}, {-100, 2}};
    for (const Case& c : cases) {
        TRurGraphicsPath path;
        path.AddArc({0, 0}, {10, 10}, 0, c.Sweep);
        EXPECT_EQ(CountKind(path, gppCurveTo), 3 * c.Curves) << c.Sweep;
        EXPECT_EQ(path.Count(), c.Curves ? 1 + 3 * c.Curves : 0) << c.Sweep;
    }

    // Clockwise on screen: from +X towards +Y; a following arc joins with a line.
    TRurGraphicsPath path;
    path.AddArc({0, 0}, {10, 20}, 0, 90);
    EXPECT_EQ(path.GetPoint(0).Kind, gppMoveTo);
    ExpectNear(path.GetPoint(0).Point, {10, 0});
    ExpectNear(path.LastPoint(), {0, 20});
    path.AddArc({0, 0}, {10, 20}, 450, 90);
    EXPECT_EQ(path.GetPoint(4).Kind, gppLineTo);
    ExpectNear(path.GetPoint(4).Point, {0, 20});
    ExpectNear(path.LastPoint(), {-10, 0});
}

TEST(RurGraphicsPath, QuadraticAndSmoothCurves)
{
    TRurGraphicsPath path;
    path.MoveTo({0, 0});
    path.QuadCurveTo({3, 6}, {6, 0});
    ExpectNear(path.GetPoint(1).Point, {2, 4});
    ExpectNear(path.GetPoint(2).Point, {4, 4});
    ExpectNear(path.GetPoint(3).Point, {6, 0});

    path.SmoothCurveTo({9, 2}, {12, 0});
    ExpectNear(path.GetPoint(4).Point, {8, -4}); // (4, 4) mirrored in (6, 0)

    TRurGraphicsPath shortPath;
    shortPath.MoveTo({0, 0});
    shortPath.SmoothCurveTo({5, 5}, {10, 0});
    ExpectNear(shortPath.GetPoint(1).Point, {5, 5});
}

TEST(RurGraphicsPath, BezierSampling)
{
    TRurGraphicsPathCubicBezier curve{{{0, 0}, {0, 10}, {10, 10}, {10, 0}}};
    EXPECT_TRUE(TRurGraphicsPath::CreateBezier(curve, 0).empty());
    TRurGraphicsPathPolygon points = TRurGraphicsPath::CreateBezier(curve, 3);
    ASSERT_EQ(points.size(), 3u);
    ExpectNear(points[0], {0, 0});
    ExpectNear(points[1], {5, 7.5f});
    ExpectNear(points[2], {10, 0});
}

TEST(RurGraphicsPath, FlattenKeepsTheShapeWithinTheTolerance)
{
    TRurGraphicsPath circle;
    circle.AddEllipse({-50, -50, 50, 50});
    EXPECT_TRUE(circle.IsClippable());
    TRurGraphicsPath coarse, finest;
    coarse.Assign(&circle);
    finest.Assign(&circle);
    coarse.Flatten(5);
    finest.Flatten(0);
    circle.Flatten(0.05f);

    EXPECT_EQ(CountKind(coarse, gppCurveTo), 0);
    EXPECT_LT(coarse.Count(), finest.Count());
    EXPECT_EQ(finest.Count(), circle.Count()); // flatness 0 is taken as 0.05
    for (int i = 0; i < finest.Count(); ++i) {
        TPointF p = finest.GetPoint(i).Point;
        EXPECT_NEAR(VectorLength(p), 50, 0.05) << i;
    }
}

TEST(RurGraphicsPath, FlatteningHostileCurvesStaysBounded)
{
    TRurGraphicsPath huge;
    huge.MoveTo({0, 0});
    huge.CurveTo({1e30f, 0}, {1e30f, 1e30f}, {0, 1e30f});
    TRurGraphicsPathPolygon polygon;
    EXPECT_NO_THROW(huge.FlattenToPolygon(polygon, 0.25f));
    EXPECT_LE(polygon.size(), 65537u);
    EXPECT_NO_THROW(huge.Flatten(0.25f));
    EXPECT_LE(huge.Count(), 65537);

    TRurGraphicsPath notANumber;
    notANumber.MoveTo({0, 0});
    notANumber.CurveTo({NAN, 0}, {1, 1}, {2, 0});
    EXPECT_NO_THROW(notANumber.Flatten(0.25f));
    EXPECT_EQ(notANumber.Count(), 2); // the move and one line to the end
}

TEST(RurGraphicsPath, FlattenToPolygonDropsRepeatedPoints)
{
    TRurGraphicsPath path;
    path.MoveTo({0, 0});
    path.LineTo({0.0005f, 0.0005f});
    path.LineTo({10, 0});
    path.CurveTo({10, 0}, {10, 0.0001f}, {10, 0.0002f}); // a curve too short to cut
    path.LineTo({10, 10});
    path.ClosePath();
    TRurGraphicsPathPolygon polygon{{99, 99}};
    path.FlattenToPolygon(polygon, 1);
    ASSERT_EQ(polygon.size(), 4u);
    ExpectNear(polygon[1], {10, 0});
    ExpectNear(polygon[3], {0, 0});

    TRurGraphicsPath empty;
    empty.FlattenToPolygon(polygon, 1);
    EXPECT_TRUE(polygon.empty());
}

TEST(RurGraphicsPath, ApplyMatrixLeavesClosePoints)
{
    TRurGraphicsPath path;
    path.AddRectangle({0, 0, 10, 10}, 0, 0);
    path.ApplyMatrix(TRurGraphicsMatrix::CreateScaling(2, 3));
    ExpectNear(path.GetPoint(2).Point, {20, 30});
    ExpectNear(path.GetPoint(4).Point, {0, 0});
    EXPECT_EQ(path.GetPoint(4).Kind, gppClose);
}

TEST(RurGraphicsPath, HitTests)
{
    TRurGraphicsPath ring;
    ring.AddEllipse({0, 0, 100, 100});
    EXPECT_TRUE(ring.IsPointVisible({50, 50}));
    EXPECT_FALSE(ring.IsPointVisible({3, 3})); // inside the bounds, outside the circle
    EXPECT_TRUE(ring.IsRectVisible({-1, 45, 1, 55}));
    EXPECT_FALSE(ring.IsRectVisible({40, 40, 60, 60})); // enclosed but holds no vertex
}

TEST(RurGraphicsPath, PolygonTests)
{
    TRurGraphicsPathPolygon square = Square(0, 0, 10);
    // A "U": the notch between the arms is outside.
    TRurGraphicsPathPolygon u{{0, 0}, {3, 0}, {3, 7}, {7, 7}, {7, 0}, {10, 0}, {10, 10}, {0, 10}};
    struct Case {
        const TRurGraphicsPathPolygon* Polygon;
        TPointF P;
        bool Inside;
    } cases[] = {
        {&square, {5, 5}, true},   {&square, {-1, 5}, false}, {&square, {5, 10.5f}, false},
        {&square, {0, 5}, true},   {&square, {10, 5}, false}, {&u, {5, 3}, false},
        {&u, {1, 3}, true},        {&u, {5, 9}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsPointInPolygon(c.P, *c.Polygon), c.Inside) << c.P.X << "," << c.P.Y;
    EXPECT_FALSE(IsPointInPolygon({0, 0}, {}));

    EXPECT_TRUE(PolygonHasPointInRect(square, {-1, -1, 1, 1}));
    EXPECT_FALSE(PolygonHasPointInRect(square, {-1, -1, 0, 0})); // right and bottom are exclusive
    EXPECT_FALSE(PolygonHasPointInRect(square, {2, 2, 8, 8}));
    EXPECT_FALSE(PolygonHasPointInRect({}, {2, 2, 8, 8}));
}

TEST(RurGraphicsMatrix, ProductsAndInverse)
{
    TRurGraphicsMatrix moveThenScale =
        TRurGraphicsMatrix::CreateTranslation(1, 2) * TRurGraphicsMatrix::CreateScaling(10, 100);
    ExpectNear(TPointF{1, 1} * moveThenScale, {20, 300});
    ExpectNear(MatrixMultiplyPoint({1, 0}, MatrixCreateRotation(float(std::numbers::pi / 2))), {0, 1});

    TRurGraphicsMatrix m = MatrixMultiply(MatrixCreateRotation(0.3f), moveThenScale);
    EXPECT_NEAR(m.Determinant(), 1000, 1e-2);
    ExpectNearIdentity(m * m.Inverse());

    TRurGraphicsMatrix singular = MatrixCreateScaling(0, 1);
    EXPECT_EQ(singular.Inverse(), MatrixIdentity());
    TRurGraphicsMatrix notANumber = MatrixIdentity();
    notANumber.m11 = NAN;
    EXPECT_EQ(notANumber.Inverse(), MatrixIdentity());

    EXPECT_TRUE(MatrixIsEmpty(MatrixEmpty()));
    EXPECT_FALSE(MatrixIsEmpty(MatrixIdentity()));
}
