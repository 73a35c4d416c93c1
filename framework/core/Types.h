#pragma once
// Points, sizes and rectangles in integer device units, as the drawing and layout code passes them.

struct TPoint {
    int X = 0;
    int Y = 0;
    constexpr bool operator==(const TPoint&) const = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    constexpr bool operator==(const TSize&) const = default;
};

// Right and Bottom are exclusive: a rectangle from (0, 0) to (10, 5) covers 10 x 5 pixels.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    constexpr TPoint BottomRight() const { return {Right, Bottom}; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    constexpr bool operator==(const TRect&) const = default;
};

constexpr TPoint Point(int x, int y) { return {x, y}; }
constexpr TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
constexpr TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// Points and rectangles in 32-bit float units, as the vector drawing code passes them.
struct TPointF {
    float X = 0;
    float Y = 0;
    constexpr bool operator==(const TPointF&) const = default;
};

struct TRectF {
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;

    constexpr float Width() const { return Right - Left; }
    constexpr float Height() const { return Bottom - Top; }
    constexpr bool operator==(const TRectF&) const = default;
};

struct TSizeF {
    float cx = 0;
    float cy = 0;
    constexpr bool operator==(const TSizeF&) const = default;
};

constexpr TPointF PointF(float x, float y) { return {x, y}; }
constexpr TRectF RectF(float left, float top, float right, float bottom) { return {left, top, right, bottom}; }
