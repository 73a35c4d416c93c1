#pragma once
// GDI+ value records with the platform's published layouts, shared by the UI kit's two GDI+ wrapper
// sets. They cross into gdiplus.dll by address, so field order and sizes are fixed.
#include <cstdint>

using ARGB = uint32_t; // alpha in the top byte, then red, green, blue

struct TGPPoint {
    int32_t X;
    int32_t Y;
};

struct TGPPointF {
    float X;
    float Y;
};

struct TGPSize {
    int32_t Width;
    int32_t Height;
};

struct TGPSizeF {
    float Width;
    float Height;
};

struct TGPRect {
    int32_t X;
    int32_t Y;
    int32_t Width;
    int32_t Height;
};

struct TGPRectF {
    float X;
    float Y;
    float Width;
    float Height;
};

static_assert(sizeof(TGPPoint) == 8 && sizeof(TGPPointF) == 8);
static_assert(sizeof(TGPSize) == 8 && sizeof(TGPSizeF) == 8);
static_assert(sizeof(TGPRect) == 16 && sizeof(TGPRectF) == 16);

using PGPPoint = TGPPoint*;
using PGPPointF = TGPPointF*;
using PGPRect = TGPRect*;
using PGPRectF = TGPRectF*;

constexpr TGPPoint MakePoint(int32_t x, int32_t y) { return {x, y}; }
constexpr TGPPointF MakePointF(float x, float y) { return {x, y}; }
constexpr TGPSizeF MakeSizeF(float width, float height) { return {width, height}; }
constexpr TGPRect MakeRect(int32_t x, int32_t y, int32_t width, int32_t height) { return {x, y, width, height}; }
constexpr TGPRectF MakeRectF(float x, float y, float width, float height) { return {x, y, width, height}; }

constexpr ARGB MakeARGB(uint8_t a, uint8_t r, uint8_t g, uint8_t b)
{
    return (ARGB(a) << 24) | (ARGB(r) << 16) | (ARGB(g) << 8) | ARGB(b);
}
