#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "RurGraphicsSVGEngine_Values.h"

namespace {

// A path list as text: "M1,2 L3,4 C5,6 7,8 9,10 Z1,2", paths separated by "|".
std::string Describe(const TRurGraphicsSVGElementPathList& paths)
{
    std::string text;
    for (int p = 0; p < paths.Count(); ++p) {
        if (p > 0)
            text += "|";
        const TRurGraphicsPath& path = *paths.Items(p);
        for (int i = 0; i < path.Count(); ++i) {
            const TRurGraphicsPathPoint& point = path.GetPoint(i);
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%g,%g", point.Point.X, point.Point.Y);
            text += (i > 0 ? " " : "") + std::string(1, "MLCZ"[point.Kind]) + buffer;
        }
    }
    return text;
}

std::string Describe(const TRurGraphicsPath* path)
{
    if (!path)
        return "none";
    TRurGraphicsSVGElementPathList list(false);
    list.Add(const_cast<TRurGraphicsPath*>(path));
    return Describe(list);
}

std::string PathData(const String& d)
{
    TRurGraphicsSVGElementPathList paths;
    ParsePathData(d, paths);
    return Describe(paths);
}

TPointF BezierAt(TPointF p0, TPointF p1, TPointF p2, TPointF p3, float t)
{
    const float u = 1 - t;
    auto mix = [&](float a, float b, float c, float d) {
        return u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d;
    };
    return {mix(p0.X, p1.X, p2.X, p3.X), mix(p0.Y, p1.Y, p2.Y, p3.Y)};
}

} // namespace

TEST(RurGraphicsSVGEngineValues, Lengths)
{
    const struct {
        const char16_t* text;
        float value;
    } cases[] = {
        {u"12", 12},     {u"12px", 12},  {u"12pt", 15},   {u"2pc", 30},     {u"1in", 25.4f}, {u"1cm", 100},
        {u"1mm", 10},    {u"2em", 2},    {u"3ex", 3},     {u"50%", 50},     {u"abc", 0},     {u"", 0},
        {u" 1.5 ", 1.5}, {u"-2.5e1", -25}, {u"1,5", 0},   {u"px", 0},       {u"1e39", 0},    {u"INF", 0},
        {u"NAN", 0},     {u"-1e39mm", 0},
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(ParseLength(c.text), c.value) << ToUtf8(c.text);
}

TEST(RurGraphicsSVGEngineValues, NumbersIgnoreTheLocaleAndLeaveItAlone)
{
    const TFormatSettings saved = FormatSettings;
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u'.';
    const float length = ParseLength(u"1.5mm");
    const TRurGraphicsMatrix m = ParseTransform(u"scale(0.5)");
    TRurGraphicsSVGElementPathList paths;
    ParsePathData(u"M0.5 1.25", paths);
    const Char decimal = FormatSettings.DecimalSeparator, thousands = FormatSettings.ThousandSeparator;
    FormatSettings = saved;

    EXPECT_FLOAT_EQ(length, 15);
    EXPECT_FLOAT_EQ(m.m11, 0.5f);
    EXPECT_EQ(Describe(paths), "M0.5,1.25");
    EXPECT_EQ(decimal, u',');
    EXPECT_EQ(thousands, u'.');
}

TEST(RurGraphicsSVGEngineValues, Angles)
{
    const double pi = 3.14159265358979;
    const struct {
        const char16_t* text;
        double radians;
    } cases[] = {
        {u"90", pi / 2}, {u"90deg", pi / 2}, {u"100grad", pi / 2}, {u"1.5rad", 1.5}, {u"-180", -pi}, {u"x", 0},
        {u"", 0},        {u"deg", 0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(ParseAngle(c.text), c.radians, 1e-6) << ToUtf8(c.text);
}

TEST(RurGraphicsSVGEngineValues, RGBColors)
{
    const struct {
        const char16_t* text;
        int color;
        int alpha;
    } cases[] = {
        {u"rgb(255, 0, 0)", 0x0000FF, 255},
        {u"rgb(100%,0%,0%)", 0x0000FF, 255},
        {u"rgb(0,20%,0)", 0x003300, 255},
        {u"rgb(ff,0,0)", 0x0000FF, 255},
        {u"rgb(300,0,0)", 0x0000FF, 255},
        {u"rgb(0,0,99999999999999999999)", 0xFF0000, 255},
        {u"rgb(1,2,3)", 0x030201, 255},
        {u"rgba( 10,20,30,0 )", 0x1E140A, 0},
        {u"rgba(10,20,30,0.5)", 0x1E140A, -1},
        {u"rgb(-1,0,0)", -1, 255},
        {u"rgb(255 0 0)", -1, 255},
        {u"rgb(255 ,0,0)", -1, 255},
        {u"rgb(255,0)", -1, 255},
        {u"rgba(1,2,3)", -1, 255},
        {u"rgb(1,2,3", -1, 255},
        {u"hsl(1,2,3)", -1, 255},
        {u"rgb()", -1, 255},
    };
    for (const auto& c : cases) {
        int alpha = 42;
        EXPECT_EQ(ParseRGBColor(c.text, alpha), c.color) << ToUtf8(c.text);
        EXPECT_EQ(alpha, c.alpha) << ToUtf8(c.text);
    }
}

TEST(RurGraphicsSVGEngineValues, TransformsActInWrittenOrder)
{
    const struct {
        const char16_t* text;
        TPointF from, to;
    } cases[] = {
        {u"", {3, 4}, {3, 4}},
        {u"translate(10)", {1, 1}, {11, 1}},
        {u"translate(10 -5)", {1, 1}, {11, -4}},
        {u"scale(2)", {1, 3}, {2, 6}},
        {u"scale(2,3)", {1, 1}, {2, 3}},
        {u"matrix(1 0 0 1 5 6)", {0, 0}, {5, 6}},
        {u"matrix(0,1,-1,0,0,0)", {1, 0}, {0, 1}},
        {u"rotate(90 10 10)", {20, 10}, {10, 20}},
        {u"rotate(90)", {1, 0}, {0, 1}},
        {u"translate(100,50) rotate(30)", {10, 0}, {108.660254f, 55}},
        {u"scale(2) translate(10)", {1, 1}, {12, 2}},
        {u"skewX(45)", {0, 2}, {2, 2}},
        {u"skewY(45)", {2, 0}, {2, 2}},
        {u"foo(1)", {3, 4}, {3, 4}},
        {u"matrix(1 2 3)", {3, 4}, {3, 4}},
        {u"translate(1 2 3) scale(2)", {3, 4}, {6, 8}},
        {u"scale(x)", {3, 4}, {3, 4}},
        {u"translate(5", {3, 4}, {3, 4}},
        {u")translate(5)(", {3, 4}, {8, 4}},
    };
    for (const auto& c : cases) {
        const TPointF p = c.from * ParseTransform(c.text);
        EXPECT_NEAR(p.X, c.to.X, 1e-4) << ToUtf8(c.text);
        EXPECT_NEAR(p.Y, c.to.Y, 1e-4) << ToUtf8(c.text);
    }
    EXPECT_FLOAT_EQ(ParseTransform(u"skewX(45)").m21, 1);
}

TEST(RurGraphicsSVGEngineValues, PathData)
{
    const struct {
        const char16_t* d;
        const char* paths;
    } cases[] = {
        {u"M10 10 20 20 30 30", "M10,10 L20,20 L30,30"},
        {u"M0 0L10 0L10 10Z", "M0,0 L10,0 L10,10 Z0,0"},
        {u"M1.5.5", "M1.5,0.5"},
        {u"m5 5 l5 0", "M5,5 L10,5"},
        {u"m1 1 2 2 3 3", "M1,1 L3,3 L6,6"},
        {u"M0 0 H10 V5 h-5 v-5", "M0,0 L10,0 L10,5 L5,5 L5,0"},
        {u"M0 0 H1 2 3", "M0,0 L1,0 L2,0 L3,0"},
        {u"M0 0 L1 1 2 2 3", "M0,0 L1,1"}, // one number over: only the first use
        {u"M0 0 C1 1 2 2 3 3 4 4 5 5 6 6", "M0,0 C1,1 C2,2 C3,3 C4,4 C5,5 C6,6"},
        {u"M0 0 c1 1 2 2 3 3 1 1 2 2 3 3", "M0,0 C1,1 C2,2 C3,3 C4,4 C5,5 C6,6"},
        {u"M0 0 C1 1 2 2 3 3 4 4", "M0,0 C1,1 C2,2 C3,3"},
        {u"M0 0 Q5 5 10 0 T20 0", "M0,0 C5,5 C5,5 C10,0 C15,-5 C15,-5 C20,0"},
        {u"M0 0 q5 5 10 0 t10 0", "M0,0 C5,5 C5,5 C10,0 C15,-5 C15,-5 C20,0"},
        {u"M0 0 C0 5 5 5 5 0 S10 -5 10 0", "M0,0 C0,5 C5,5 C5,0 C5,-5 C10,-5 C10,0"},
        {u"M0 0 L5 5 S10 -5 10 0", "M0,0 L5,5 C5,5 C10,-5 C10,0"},
        {u"M0 0 L5 5 T10 0", "M0,0 L5,5 C5,5 C5,5 C10,0"},
        {u"M0 0 L1 1 M5 5 L6 6", "M0,0 L1,1|M5,5 L6,6"},
        {u"L5 5 m1 1 l1 0", "M6,6 L7,6"},
        {u"M0 0 L5 0 Z l0 5", "M0,0 L5,0 Z0,0 L0,5"},
        {u"M0 0 1e-5-3", "M0,0 L1e-05,-3"},
        {u"M0 0 L-1-2", "M0,0 L-1,-2"},
        {u"M0 0 A0 5 0 0 1 10 0", "M0,0 L10,0"},
        {u"M0 0 A5 5 0 0 1 0 0", "M0,0"},
        {u"x10 20 M1 1", "M1,1"},
        {u"", ""},
        // A command short of numbers is dropped and the data goes on.
        {u"M0 0 L10", "M0,0"},
        {u"M0 0 L10 C1 2 3 H V A1 1 0 0 L5 5", "M0,0 L5,5"},
        {u"M0 0 Q1 2 3 L4 4", "M0,0 L4,4"},
        {u"M5", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PathData(c.d), c.paths) << ToUtf8(c.d);
}

TEST(RurGraphicsSVGEngineValues, ArcsFollowTheEllipse)
{
    const struct {
        const char16_t* d;
        TPointF centre;
        float radius;
        int curves;
        TPointF middle; // a point the arc passes through
    } cases[] = {
        {u"M0 0 A5 5 0 0 1 10 0", {5, 0}, 5, 2, {5, -5}},
        {u"M0 0 A5 5 0 0 0 10 0", {5, 0}, 5, 2, {5, 5}},
        {u"M0 0 a1 1 0 0 1 10 0", {5, 0}, 5, 2, {5, -5}}, // radii too small grow to fit
        {u"M10 0 A10 10 0 1 1 0 10", {10, 10}, 10, 3, {20, 10}},
        {u"M10 0 A10 10 0 0 1 0 10", {0, 0}, 10, 1, {7.0710678f, 7.0710678f}},
        {u"M0 0 A5 5 90 0 1 10 0", {5, 0}, 5, 2, {5, -5}},
    };
    for (const auto& c : cases) {
        TRurGraphicsSVGElementPathList paths;
        ParsePathData(c.d, paths);
        ASSERT_EQ(paths.Count(), 1) << ToUtf8(c.d);
        const TRurGraphicsPath& path = *paths.Items(0);
        int curves = 0;
        bool passesMiddle = false;
        for (int i = 1; i + 2 < path.Count(); ++i) {
            if (path.GetPoint(i).Kind != gppCurveTo)
                continue;
            ++curves;
            const TPointF p0 = path.GetPoint(i - 1).Point;
            for (float t : {0.0f, 0.25f, 0.5f, 0.75f, 1.0f}) {
                const TPointF p = BezierAt(p0, path.GetPoint(i).Point, path.GetPoint(i + 1).Point,
                                           path.GetPoint(i + 2).Point, t);
                EXPECT_NEAR(std::hypot(p.X - c.centre.X, p.Y - c.centre.Y), c.radius, c.radius * 0.002f)
                    << ToUtf8(c.d) << " t=" << t;
                passesMiddle = passesMiddle || std::hypot(p.X - c.middle.X, p.Y - c.middle.Y) < 0.05f;
            }
            i += 2;
        }
        EXPECT_EQ(curves, c.curves) << ToUtf8(c.d);
        EXPECT_TRUE(passesMiddle) << ToUtf8(c.d);
        EXPECT_EQ(path.LastPoint(), path.GetPoint(path.Count() - 1).Point);
    }
}

TEST(RurGraphicsSVGEngineValues, PolylinePoints)
{
    const struct {
        const char16_t* text;
        bool close;
        const char* path;
    } cases[] = {
        {u"10,20 30,40 50", false, "none"},
        {u"0,0 10-10", false, "M0,0 L10,-10"},
        {u"0 0\n10 0\t10 10", true, "M0,0 L10,0 L10,10 Z0,0"},
        {u"1,x 2,3", false, "M1,0 L2,3"},
        {u"", true, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Describe(ParsePoints(c.text, c.close).get()), c.path) << ToUtf8(c.text);
}

TEST(RurGraphicsSVGEngineValues, GradientAngle)
{
    const struct {
        float x2, y2, degrees;
    } cases[] = {{1, 0, 0}, {0, 1, 90}, {-1, 0, 180}, {0, -1, 270}, {1, 1, 45}, {0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_NEAR(GradientAngle(0, 0, c.x2, c.y2), c.degrees, 1e-4) << c.x2 << "," << c.y2;
}
