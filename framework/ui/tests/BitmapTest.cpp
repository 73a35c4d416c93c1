// The bitmap: DIB layout, pixel formats, alpha, transparency, BMP round trips and resources.
#include <gtest/gtest.h>

#include <cstring>

#include "GraphicErrors.h"
#include "Graphics.h"
#include "OffscreenSurface.h"

namespace {

std::uint32_t& Pixel32(TBitmap& bitmap, int x, int y)
{
    return static_cast<std::uint32_t*>(bitmap.ScanLine(y))[x];
}

int DibBitsPerPixel(TBitmap& bitmap)
{
    DIBSECTION section{};
    EXPECT_EQ(GetObjectW(bitmap.Handle(), sizeof(section), &section), static_cast<int>(sizeof(section)));
    return section.dsBm.bmBitsPixel;
}

} // namespace

TEST(Bitmap, ScanLinesAreBottomUpInOneBlock)
{
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(3, 4);
    EXPECT_EQ(bitmap.RowStride(), 12) << "9 bytes padded to a multiple of four";
    auto* top = static_cast<Byte*>(bitmap.ScanLine(0));
    auto* bottom = static_cast<Byte*>(bitmap.ScanLine(3));
    EXPECT_EQ(top - bottom, 3 * 12);
    EXPECT_EQ(static_cast<Byte*>(bitmap.ScanLine(1)), top - 12);

    // The row the canvas calls y = 0 is the one ScanLine(0) points at.
    bitmap.Canvas()->SetPixels(1, 0, clRed);
    EXPECT_EQ(top[3], 0);
    EXPECT_EQ(top[5], 255);

    EXPECT_THROW(bitmap.ScanLine(4), EInvalidGraphicOperation);
    EXPECT_THROW(bitmap.ScanLine(-1), EInvalidGraphicOperation);
    TBitmap empty;
    EXPECT_THROW(empty.ScanLine(0), EInvalidGraphicOperation);
}

TEST(Bitmap, EachPixelFormatHasItsDepthAndKeepsItsColours)
{
    struct Case {
        TPixelFormat format;
        int bits;
        TColor color;
    };
    const Case cases[] = {
        {pf1bit, 1, clWhite}, {pf4bit, 4, clRed},   {pf8bit, 8, clBlue},    {pf15bit, 16, clWhite},
        {pf16bit, 16, clWhite}, {pf24bit, 24, 0x123456}, {pf32bit, 32, 0x123456}, {pfDevice, 32, 0x654321},
    };
    for (const Case& c : cases) {
        TBitmap bitmap;
        bitmap.SetPixelFormat(c.format);
        bitmap.SetSize(5, 3);
        EXPECT_EQ(bitmap.PixelFormat(), c.format);
        EXPECT_EQ(DibBitsPerPixel(bitmap), c.bits) << c.format;
        EXPECT_EQ(bitmap.RowStride(), (5 * c.bits + 31) / 32 * 4);
        bitmap.Canvas()->Brush()->SetColor(c.color);
        bitmap.Canvas()->FillRect(Rect(0, 0, 5, 3));
        EXPECT_EQ(bitmap.Canvas()->Pixels(4, 2), c.color) << c.format;
    }
    TBitmap bitmap;
    EXPECT_THROW(bitmap.SetPixelFormat(pfCustom), EInvalidGraphicOperation);
}

TEST(Bitmap, ConvertingTheFormatKeepsThePicture)
{
    TBitmap bitmap(4, 4);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 2, 4));
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(Rect(2, 0, 4, 4));
    for (TPixelFormat format : {pf24bit, pf8bit, pf4bit, pf32bit}) {
        bitmap.SetPixelFormat(format);
        EXPECT_EQ(bitmap.Canvas()->Pixels(0, 3), clRed) << format;
        EXPECT_EQ(bitmap.Canvas()->Pixels(3, 0), clWhite) << format;
    }
}

TEST(Bitmap, SetSizeKeepsTheTopLeft)
{
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(2, 2);
    Pixel32(bitmap, 0, 0) = 0x80112233;
    Pixel32(bitmap, 1, 1) = 0x00445566;
    bitmap.SetSize(3, 3);
    EXPECT_EQ(Pixel32(bitmap, 0, 0), 0x80112233u) << "alpha byte kept";
    EXPECT_EQ(Pixel32(bitmap, 1, 1), 0x00445566u);
    EXPECT_EQ(Pixel32(bitmap, 2, 2), 0u);
    bitmap.SetHeight(1);
    EXPECT_EQ(bitmap.Height(), 1);
    EXPECT_EQ(Pixel32(bitmap, 0, 0), 0x80112233u);

    EXPECT_THROW(bitmap.SetSize(100000, 100000), EOutOfResources);
    EXPECT_EQ(bitmap.Width(), 3) << "a size that cannot be had leaves the bitmap as it was";
    EXPECT_EQ(Pixel32(bitmap, 0, 0), 0x80112233u);
}

TEST(Bitmap, PremultipliesWhenAskedAndDividesWhenLeaving)
{
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(2, 1);
    Pixel32(bitmap, 0, 0) = 0x80C86432; // alpha 128, R 200, G 100, B 50
    Pixel32(bitmap, 1, 0) = 0x00FFFFFF; // fully transparent
    bitmap.SetAlphaFormat(afDefined);
    EXPECT_EQ(Pixel32(bitmap, 0, 0), 0x80C86432u) << "afDefined only declares the alpha";
    bitmap.SetAlphaFormat(afPremultiplied);
    EXPECT_EQ(Pixel32(bitmap, 0, 0), 0x80643219u); // 200*128/255 = 100, 50, 25
    EXPECT_EQ(Pixel32(bitmap, 1, 0), 0x00000000u);
    bitmap.SetAlphaFormat(afDefined);
    EXPECT_EQ(Pixel32(bitmap, 0, 0), 0x80C76432u); // 100*255/128 rounds to 199
}

TEST(Bitmap, DrawsItsAlphaOverTheCanvas)
{
    for (TAlphaFormat format : {afDefined, afPremultiplied}) {
        TBitmap bitmap;
        bitmap.SetPixelFormat(pf32bit);
        bitmap.SetSize(2, 1);
        Pixel32(bitmap, 0, 0) = 0x800000FF; // blue at half alpha, straight
        Pixel32(bitmap, 1, 0) = 0x00000000;
        bitmap.SetAlphaFormat(format); // premultiplied: blue becomes 128
        OffscreenSurface surface(4, 1, RGB(255, 255, 255));
        TCanvas canvas;
        canvas.SetHandle(surface.DC());
        canvas.Draw(0, 0, &bitmap);
        canvas.SetHandle(nullptr);
        const COLORREF blended = surface.Pixel(0, 0);
        EXPECT_NEAR(GetRValue(blended), 127, 1) << format;
        EXPECT_NEAR(GetBValue(blended), 255, 1) << format;
        EXPECT_EQ(surface.Pixel(1, 0), RGB(255, 255, 255)) << "alpha 0 leaves the canvas";
    }
}

TEST(Bitmap, TransparentDrawingLeavesTheTransparentColourOut)
{
    TBitmap bitmap(4, 4);
    bitmap.Canvas()->Brush()->SetColor(clFuchsia);
    bitmap.Canvas()->FillRect(Rect(0, 0, 4, 4));
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(1, 1, 3, 3));
    bitmap.SetTransparent(true);
    EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
    EXPECT_EQ(bitmap.TransparentColor(), clFuchsia) << "the bottom-left pixel";

    OffscreenSurface surface(8, 8, RGB(0, 0, 255));
    TCanvas canvas;
    canvas.SetHandle(surface.DC());
    canvas.Draw(0, 0, &bitmap);
    EXPECT_EQ(surface.Pixel(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(surface.Pixel(1, 1), RGB(255, 0, 0));

    bitmap.SetTransparentColor(clRed);
    EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
    canvas.Draw(4, 4, &bitmap);
    EXPECT_EQ(surface.Pixel(4, 4), RGB(255, 0, 255));
    EXPECT_EQ(surface.Pixel(5, 5), RGB(0, 0, 255));

    canvas.StretchDraw(Rect(0, 0, 8, 8), nullptr); // nothing to draw
    canvas.SetHandle(nullptr);
}

TEST(Bitmap, StretchDrawScalesWithTheCopyMode)
{
    TBitmap bitmap(2, 2);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 2, 2));
    OffscreenSurface surface(10, 10);
    TCanvas canvas;
    canvas.SetHandle(surface.DC());
    canvas.StretchDraw(Rect(2, 2, 8, 8), &bitmap);
    EXPECT_EQ(surface.Count(RGB(255, 0, 0)), 36);
    canvas.SetCopyMode(cmSrcInvert); // red xor red is black
    canvas.Draw(2, 2, &bitmap);
    EXPECT_EQ(surface.Pixel(2, 2), RGB(0, 0, 0));
    canvas.SetHandle(nullptr);
}

TEST(Bitmap, BmpRoundTripKeepsFormatPixelsAndAlpha)
{
    for (TPixelFormat format : {pf1bit, pf4bit, pf8bit, pf24bit, pf32bit}) {
        TBitmap bitmap;
        bitmap.SetPixelFormat(format);
        bitmap.SetSize(7, 3);
        bitmap.Canvas()->Brush()->SetColor(clWhite);
        bitmap.Canvas()->FillRect(Rect(0, 0, 7, 3));
        bitmap.Canvas()->SetPixels(6, 2, format == pf1bit ? clBlack : clRed);
        if (format == pf32bit) {
            Pixel32(bitmap, 0, 0) = 0x40102030;
            bitmap.SetAlphaFormat(afDefined);
        }
        TMemoryStream stream;
        bitmap.SaveToStream(stream);
        stream.SetPosition(0);
        TBitmap loaded;
        loaded.LoadFromStream(stream);
        EXPECT_EQ(loaded.PixelFormat(), format);
        EXPECT_EQ(loaded.Width(), 7);
        EXPECT_EQ(loaded.Height(), 3);
        EXPECT_EQ(loaded.Canvas()->Pixels(6, 2), format == pf1bit ? clBlack : clRed) << format;
        EXPECT_EQ(loaded.Canvas()->Pixels(3, 1), clWhite) << format;
        if (format == pf32bit) {
            EXPECT_EQ(loaded.AlphaFormat(), afDefined);
            EXPECT_EQ(Pixel32(loaded, 0, 0), 0x40102030u);
        }
    }
}

TEST(Bitmap, CorruptOrEmptyDataIsRefusedOrEmpty)
{
    TBitmap bitmap(2, 2);
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    std::vector<Byte> bytes(static_cast<size_t>(stream.Size()));
    std::memcpy(bytes.data(), stream.Memory(), bytes.size());

    std::vector<Byte> truncated(bytes.begin(), bytes.begin() + 30);
    TBytesStream truncatedStream(truncated);
    EXPECT_THROW(bitmap.LoadFromStream(truncatedStream), EInvalidGraphic);
    EXPECT_EQ(bitmap.Width(), 2) << "a failed load leaves the bitmap as it was";

    TMemoryStream nothing;
    bitmap.LoadFromStream(nothing);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap, LoadsBitmapResourcesAndReportsMissingOnes)
{
    TBitmap bitmap;
    bitmap.LoadFromResourceName(GetModuleHandleW(nullptr), u"TWOBYTWO");
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 0), clLime);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 1), clBlue);
    try {
        bitmap.LoadFromResourceName(GetModuleHandleW(nullptr), u"NOSUCHBITMAP");
        FAIL() << "no exception";
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), u"Resource NOSUCHBITMAP not found");
    }
    EXPECT_THROW(bitmap.LoadFromResourceID(GetModuleHandleW(nullptr), 4711), EResNotFound);
}

TEST(Bitmap, AssignCopiesAndDormantKeepsThePixels)
{
    TBitmap source;
    source.SetPixelFormat(pf32bit);
    source.SetSize(3, 2);
    Pixel32(source, 2, 1) = 0x7F00FF00;
    source.SetAlphaFormat(afDefined);
    source.SetTransparentColor(clRed);

    TBitmap copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.PixelFormat(), pf32bit);
    EXPECT_EQ(copy.AlphaFormat(), afDefined);
    EXPECT_EQ(copy.TransparentColor(), clRed);
    EXPECT_EQ(Pixel32(copy, 2, 1), 0x7F00FF00u);
    Pixel32(copy, 2, 1) = 0;
    EXPECT_EQ(Pixel32(source, 2, 1), 0x7F00FF00u) << "the copy has its own pixels";

    source.Canvas()->Pixels(0, 0);
    source.Dormant();
    EXPECT_FALSE(source.HandleAllocated());
    EXPECT_EQ(Pixel32(source, 2, 1), 0x7F00FF00u);
    EXPECT_TRUE(source.HandleAllocated());

    HBITMAP released = source.ReleaseHandle();
    ASSERT_NE(released, nullptr);
    DeleteObject(released);
    EXPECT_EQ(Pixel32(source, 2, 1), 0x7F00FF00u) << "the pixels stay after giving the handle away";

    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
}

TEST(Bitmap, ClipboardFormRoundTripAndTakingOverAHandle)
{
    TBitmap source(3, 3);
    source.Canvas()->SetPixels(1, 1, clYellow);
    Word format = 0;
    HANDLE data = nullptr;
    HPALETTE palette = nullptr;
    source.SaveToClipboardFormat(format, data, palette);
    EXPECT_EQ(format, CF_BITMAP);
    TBitmap loaded;
    loaded.LoadFromClipboardFormat(format, data, palette);
    EXPECT_EQ(loaded.Canvas()->Pixels(1, 1), clYellow);

    TBitmap owner;
    owner.SetHandle(static_cast<HBITMAP>(data)); // takes it over and deletes it
    EXPECT_EQ(owner.Width(), 3);
    EXPECT_EQ(owner.Canvas()->Pixels(1, 1), clYellow);
    EXPECT_THROW(loaded.LoadFromClipboardFormat(CF_TEXT, nullptr, nullptr), EInvalidGraphic);
}

TEST(Bitmap, PatternBrushFromABitmap)
{
    TBitmap pattern(2, 2);
    pattern.Canvas()->Brush()->SetColor(clRed);
    pattern.Canvas()->FillRect(Rect(0, 0, 2, 2));
    pattern.Canvas()->SetPixels(0, 0, clBlue);
    OffscreenSurface surface(4, 4);
    TCanvas canvas;
    canvas.SetHandle(surface.DC());
    canvas.Brush()->SetBitmap(&pattern);
    canvas.FillRect(Rect(0, 0, 4, 4));
    canvas.Brush()->SetBitmap(nullptr);
    canvas.SetHandle(nullptr);
    EXPECT_EQ(surface.Count(RGB(0, 0, 255)), 4);
    EXPECT_EQ(surface.Count(RGB(255, 0, 0)), 12);
}
