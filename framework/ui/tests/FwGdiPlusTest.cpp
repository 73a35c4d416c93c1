// The framework's GDI+ classes drawing into offscreen bitmaps, read back pixel by pixel.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

#include "FwGdiPlus.h"

using namespace fwgdip;

namespace {

class GdiPlus : public testing::Test {
protected:
    static void SetUpTestSuite() { Units.Initialize(); }
    static void TearDownTestSuite() { Units.Finalize(); }

    static inline const TUnitStep Steps[] = {GdiPlusUnit};
    static inline TUnitStartup Units{Steps};
};

ARGB PixelAt(const TGPBitmap& bitmap, int x, int y)
{
    ARGB color = 0;
    EXPECT_EQ(bitmap.GetPixel(x, y, color), Ok);
    return color;
}

bool Near(Byte a, Byte b, int tolerance) { return std::abs(int(a) - int(b)) <= tolerance; }

bool NearColor(ARGB a, ARGB b, int tolerance = 8)
{
    return Near(GetAlpha(a), GetAlpha(b), tolerance) && Near(GetRed(a), GetRed(b), tolerance) &&
           Near(GetGreen(a), GetGreen(b), tolerance) && Near(GetBlue(a), GetBlue(b), tolerance);
}

// A rectangle with quarter-circle corners of the given radius.
void AddRoundRect(TGPGraphicsPath& path, const TGPRectF& r, REAL radius)
{
    REAL d = radius * 2;
    path.AddArc(r.X, r.Y, d, d, 180, 90);
    path.AddArc(r.X + r.Width - d, r.Y, d, d, 270, 90);
    path.AddArc(r.X + r.Width - d, r.Y + r.Height - d, d, d, 0, 90);
    path.AddArc(r.X, r.Y + r.Height - d, d, d, 90, 90);
    path.CloseFigure();
}

// How many pixels of the bitmap are neither of the two colours (blended edge pixels).
int BlendedPixels(const TGPBitmap& bitmap, ARGB a, ARGB b)
{
    int count = 0;
    for (int y = 0; y < int(bitmap.GetHeight()); ++y)
        for (int x = 0; x < int(bitmap.GetWidth()); ++x) {
            ARGB c = PixelAt(bitmap, x, y);
            count += c != a && c != b;
        }
    return count;
}

constexpr ARGB White = MakeColor(255, 255, 255);
constexpr ARGB Red = MakeColor(255, 0, 0);
constexpr ARGB Blue = MakeColor(0, 0, 255);

} // namespace

TEST_F(GdiPlus, RoundedPathFillsItsShapeAndSmoothsItsEdgesWhenAsked)
{
    int blended[2] = {};
    for (SmoothingMode mode : {SmoothingModeAntiAlias, SmoothingModeNone}) {
        SCOPED_TRACE(mode);
        TGPBitmap bitmap(40, 40);
        TGPGraphics g(bitmap);
        g.Clear(White);
        g.SetSmoothingMode(mode);
        g.SetPixelOffsetMode(PixelOffsetModeHalf);
        EXPECT_EQ(g.GetSmoothingMode(), mode);
        EXPECT_EQ(g.GetPixelOffsetMode(), PixelOffsetModeHalf);
        TGPGraphicsPath path;
        AddRoundRect(path, TGPRectF(4, 4, 32, 32), 10);
        TGPSolidBrush red(Red);
        ASSERT_EQ(g.FillPath(red, path), Ok);
        g.Flush();

        EXPECT_EQ(PixelAt(bitmap, 20, 20), Red);
        EXPECT_EQ(PixelAt(bitmap, 5, 5), White) << "the rounded corner leaves the square's corner empty";
        EXPECT_EQ(PixelAt(bitmap, 9, 9), Red) << "inside the corner's arc";
        EXPECT_EQ(PixelAt(bitmap, 20, 1), White);
        EXPECT_EQ(PixelAt(bitmap, 20, 5), Red) << "the straight edge is filled";
        EXPECT_EQ(PixelAt(bitmap, 37, 20), White);
        blended[mode == SmoothingModeNone] = BlendedPixels(bitmap, White, Red);
    }
    EXPECT_EQ(blended[1], 0) << "without smoothing every pixel is either colour";
    if (blended[0] == 0)
        GTEST_SKIP() << "this GDI+ does not anti-alias fills (Wine's does not); the shape was checked";
    EXPECT_GT(blended[0], 8);
}

TEST_F(GdiPlus, ClipToPathAndRectangleLimitsTheFill)
{
    TGPBitmap bitmap(40, 40);
    TGPGraphics g(bitmap);
    g.Clear(White);
    TGPGraphicsPath ellipse;
    ellipse.AddEllipse(0, 0, 40, 40);
    TGPRectF bounds;
    ASSERT_EQ(ellipse.GetBounds(bounds), Ok);
    EXPECT_FLOAT_EQ(bounds.Width, 40);

    g.SetClip(ellipse);
    g.ExcludeClip(TGPRectF(0, 0, 40, 10));
    TGPSolidBrush blue(Blue);
    g.FillRectangle(blue, 0, 0, 40, 40);
    g.ResetClip();
    g.Flush();

    EXPECT_EQ(PixelAt(bitmap, 20, 20), Blue);
    EXPECT_EQ(PixelAt(bitmap, 1, 1), White) << "outside the ellipse";
    EXPECT_EQ(PixelAt(bitmap, 20, 5), White) << "in the excluded band";
    EXPECT_TRUE(ellipse.IsVisible(20, 20));
    EXPECT_FALSE(ellipse.IsVisible(1, 1));
}

TEST_F(GdiPlus, BrushesFillWithTheirPattern)
{
    TGPBitmap tile(2, 1);
    tile.SetPixel(0, 0, Red);
    tile.SetPixel(1, 0, Blue);
    TGPGraphicsPath diamond;
    std::array<TGPPointF, 4> corners{TGPPointF(20, 0), TGPPointF(40, 20), TGPPointF(20, 40), TGPPointF(0, 20)};
    diamond.AddPolygon(corners);

    struct TCase {
        const char* Name;
        std::unique_ptr<TGPBrush> Brush;
        std::array<std::pair<TGPPoint, ARGB>, 2> Expected;
    };
    TCase cases[] = {
        {"solid", std::make_unique<TGPSolidBrush>(Red), {{{{3, 3}, Red}, {{37, 37}, Red}}}},
        {"texture", std::make_unique<TGPTextureBrush>(tile), {{{{4, 3}, Red}, {{5, 3}, Blue}}}},
        {"horizontal gradient", std::make_unique<TGPLinearGradientBrush>(TGPRectF(0, 0, 40, 40), Red, Blue, 0.0f),
         {{{{0, 20}, Red}, {{39, 20}, Blue}}}},
        {"vertical gradient", std::make_unique<TGPLinearGradientBrush>(TGPRectF(0, 0, 40, 40), Red, Blue, 90.0f),
         {{{{20, 0}, Red}, {{20, 39}, Blue}}}},
        {"path gradient", std::make_unique<TGPPathGradientBrush>(diamond), {{{{20, 20}, Red}, {{20, 1}, Blue}}}},
    };
    auto* pathBrush = static_cast<TGPPathGradientBrush*>(cases[4].Brush.get());
    pathBrush->SetCenterColor(Red);
    INT taken = 0;
    std::array<ARGB, 1> surround{Blue};
    ASSERT_EQ(pathBrush->SetSurroundColors(surround, taken), Ok);
    EXPECT_EQ(taken, 1);

    for (TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TGPBitmap bitmap(40, 40);
        TGPGraphics g(bitmap);
        g.Clear(White);
        ASSERT_EQ(g.FillRectangle(*c.Brush, 0, 0, 40, 40), Ok);
        g.Flush();
        for (auto& [point, color] : c.Expected)
            EXPECT_TRUE(NearColor(PixelAt(bitmap, point.X, point.Y), color, 24))
                << point.X << "," << point.Y << ": " << std::hex << PixelAt(bitmap, point.X, point.Y);
    }
}

TEST_F(GdiPlus, GradientInterpolationColoursAndHatchColours)
{
    TGPLinearGradientBrush gradient(TGPRectF(0, 0, 41, 10), Red, Blue, LinearGradientModeHorizontal);
    std::array<ARGB, 3> colors{Red, MakeColor(0, 255, 0), Blue};
    std::array<REAL, 3> positions{0.0f, 0.5f, 1.0f};
    ASSERT_EQ(gradient.SetInterpolationColors(colors, positions), Ok);
    EXPECT_EQ(gradient.SetInterpolationColors(colors, std::span(positions).first(2)), InvalidParameter);
    EXPECT_EQ(gradient.GetLastStatus(), InvalidParameter);
    EXPECT_EQ(gradient.GetLastStatus(), Ok) << "reading the status clears it";

    TGPBitmap bitmap(41, 10);
    TGPGraphics g(bitmap);
    g.FillRectangle(gradient, 0, 0, 41, 10);
    g.Flush();
    EXPECT_TRUE(NearColor(PixelAt(bitmap, 20, 5), MakeColor(0, 255, 0), 32)) << std::hex << PixelAt(bitmap, 20, 5);

    TGPHatchBrush hatch(HatchStyleHorizontal, Red, Blue);
    EXPECT_EQ(hatch.GetHatchStyle(), HatchStyleHorizontal);
    g.FillRectangle(hatch, 0, 0, 41, 10);
    g.Flush();
    int reds = 0, blues = 0;
    for (int y = 0; y < 10; ++y) {
        reds += PixelAt(bitmap, 3, y) == Red;
        blues += PixelAt(bitmap, 3, y) == Blue;
    }
    EXPECT_GT(reds, 0);
    EXPECT_GT(blues, reds) << "thin foreground lines on the background";
}

TEST_F(GdiPlus, PenWidthDashesAndSettings)
{
    TGPPen pen(Red, 4);
    pen.SetLineJoin(LineJoinRound);
    pen.SetAlignment(PenAlignmentInset);
    pen.SetLineCap(LineCapRound, LineCapFlat, DashCapFlat);
    EXPECT_EQ(pen.GetLineJoin(), LineJoinRound);
    EXPECT_EQ(pen.GetAlignment(), PenAlignmentInset);
    EXPECT_EQ(pen.GetStartCap(), LineCapRound);
    EXPECT_FLOAT_EQ(pen.GetWidth(), 4);

    TGPBitmap bitmap(60, 20);
    TGPGraphics g(bitmap);
    g.Clear(White);
    TGPPen solid(Blue, 4);
    g.DrawLine(solid, 0, 4, 60, 4);
    TGPPen dashed(Red, 2);
    std::array<REAL, 2> pattern{3, 3}; // 6 pixels on, 6 off
    ASSERT_EQ(dashed.SetDashPattern(pattern), Ok);
    EXPECT_EQ(dashed.GetDashStyle(), DashStyleCustom);
    g.DrawLine(dashed, 0, 14, 60, 14);
    g.Flush();

    for (int y : {2, 3, 4, 5})
        EXPECT_EQ(PixelAt(bitmap, 30, y), Blue) << y;
    EXPECT_EQ(PixelAt(bitmap, 30, 8), White);
    EXPECT_EQ(PixelAt(bitmap, 2, 14), Red);
    EXPECT_EQ(PixelAt(bitmap, 9, 14), White) << "a gap of the dash pattern";
}

TEST_F(GdiPlus, StringsMeasureAndDraw)
{
    TGPBitmap bitmap(120, 40);
    TGPGraphics g(bitmap);
    g.Clear(White);
    g.SetTextRenderingHint(TextRenderingHintAntiAlias);
    TGPFont font(u"Arial", 16, FontStyleRegular, UnitPixel);
    ASSERT_TRUE(font.IsAvailable());
    TGPStringFormat format;
    format.SetAlignment(StringAlignmentCenter);
    format.SetLineAlignment(StringAlignmentCenter);
    format.SetTrimming(StringTrimmingEllipsisCharacter);
    format.SetFormatFlags(StringFormatFlagsNoWrap | StringFormatFlagsNoClip);
    EXPECT_EQ(format.GetLineAlignment(), StringAlignmentCenter);
    EXPECT_EQ(format.GetFormatFlags(), StringFormatFlagsNoWrap | StringFormatFlagsNoClip);

    TGPRectF box;
    ASSERT_EQ(g.MeasureString(u"Hello", font, TGPRectF(0, 0, 120, 40), &format, box), Ok);
    EXPECT_GT(box.Width, 20);
    EXPECT_GT(box.Height, 14);
    EXPECT_LT(box.Height, 30);

    // The hot-key prefix character takes no room once it is interpreted.
    TGPRectF withPrefix, asText;
    format.SetHotkeyPrefix(HotkeyPrefixShow);
    g.MeasureString(u"&&&&Save", font, TGPRectF(0, 0, 120, 40), &format, withPrefix);
    format.SetHotkeyPrefix(HotkeyPrefixNone);
    g.MeasureString(u"&&&&Save", font, TGPRectF(0, 0, 120, 40), &format, asText);
    EXPECT_LT(withPrefix.Width, asText.Width);

    TGPSolidBrush black(MakeColor(0, 0, 0));
    ASSERT_EQ(g.DrawString(u"Hello", font, TGPRectF(0, 0, 120, 40), &format, black), Ok);
    g.Flush();
    int dark = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            dark += GetRed(PixelAt(bitmap, x, y)) < 128;
    EXPECT_GT(dark, 20);
    EXPECT_EQ(PixelAt(bitmap, 2, 2), White) << "centred text leaves the corner empty";
}

TEST_F(GdiPlus, FontsFromDeviceContextAndFontHandle)
{
    HDC dc = CreateCompatibleDC(nullptr);
    LOGFONTW logFont{};
    logFont.lfHeight = -20;
    lstrcpyW(logFont.lfFaceName, L"Arial");
    HFONT hfont = CreateFontIndirectW(&logFont);
    HGDIOBJ old = SelectObject(dc, hfont);
    {
        TGPFont fromDc(dc);
        TGPFont fromHandle(dc, hfont);
        for (TGPFont* font : {&fromDc, &fromHandle}) {
            ASSERT_TRUE(font->IsAvailable());
            EXPECT_NEAR(font->GetSize(), 20, 1);
            TGPFontFamily family;
            ASSERT_EQ(font->GetFamily(family), Ok);
            EXPECT_FALSE(family.GetFamilyName().empty());
        }
        TGPFont unknown(u"No Such Family Anywhere", 12);
        ASSERT_TRUE(unknown.IsAvailable()) << "an unknown family falls back to the generic sans serif";
        TGPFontFamily fallback;
        unknown.GetFamily(fallback);
        EXPECT_EQ(fallback.GetFamilyName(), TGPFontFamily::GenericSansSerif()->GetFamilyName());
        auto bold = std::make_unique<TGPFont>(*TGPFontFamily::GenericSansSerif(), 12, FontStyleBold);
        EXPECT_EQ(bold->GetStyle(), FontStyleBold);
        EXPECT_EQ(bold->Clone()->GetStyle(), FontStyleBold);
    }
    SelectObject(dc, old);
    DeleteObject(hfont);
    DeleteDC(dc);
}

TEST_F(GdiPlus, GraphicsOnAGdiDeviceContextPaintsItsBitmap)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 20, -20, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, dib);
    {
        TGPGraphics g(dc);
        TGPSolidBrush red(Red);
        g.FillEllipse(red, 0, 0, 20, 20);
        TGPMatrix shift;
        shift.Translate(10, 0);
        EXPECT_FLOAT_EQ(shift.OffsetX(), 10);
        g.SetTransform(shift);
        TGPPen blue(Blue, 1);
        g.DrawLine(blue, 0, 19, 5, 19); // lands at x 10..15
        g.Flush();
    }
    EXPECT_EQ(GetPixel(dc, 10, 10), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 12, 19), RGB(0, 0, 255));
    EXPECT_NE(GetPixel(dc, 2, 19), RGB(0, 0, 255));

    SelectObject(dc, old);
    TGPBitmap fromHandle(dib, nullptr);
    EXPECT_EQ(fromHandle.GetWidth(), 20u);
    EXPECT_EQ(GetRed(PixelAt(fromHandle, 10, 10)), 255);
    DeleteDC(dc);
    DeleteObject(dib);
}

TEST_F(GdiPlus, LockBitsExposesThePixelsBothWays)
{
    TGPBitmap bitmap(4, 3);
    bitmap.SetPixel(2, 1, Red);
    TGPBitmapData data{};
    ASSERT_EQ(bitmap.LockBits(TGPRect(0, 0, 4, 3), ImageLockModeRead | ImageLockModeWrite, PixelFormat32bppARGB, data), Ok);
    auto* row1 = reinterpret_cast<ARGB*>(static_cast<BYTE*>(data.Scan0) + data.Stride);
    EXPECT_EQ(row1[2], Red);
    auto* row2 = reinterpret_cast<ARGB*>(static_cast<BYTE*>(data.Scan0) + 2 * data.Stride);
    row2[3] = Blue;
    ASSERT_EQ(bitmap.UnlockBits(data), Ok);
    EXPECT_EQ(PixelAt(bitmap, 3, 2), Blue);

    auto part = bitmap.Clone(TGPRectF(2, 1, 2, 2), PixelFormat32bppARGB);
    EXPECT_EQ(PixelAt(*part, 0, 0), Red);
    EXPECT_EQ(PixelAt(*part, 1, 1), Blue);
}

TEST_F(GdiPlus, FailedCallsLeaveAStatusInsteadOfACrash)
{
    TGPImage missing(u"Z:\\no\\such\\picture.png");
    EXPECT_NE(missing.GetLastStatus(), Ok);
    EXPECT_EQ(missing.GetWidth(), 0u);
    EXPECT_NE(missing.GetLastStatus(), Ok);
    EXPECT_EQ(missing.GetLastStatus(), Ok);

    TGPBitmap bitmap(10, 10);
    TGPGraphics g(bitmap);
    TGPTextureBrush brush(missing);
    EXPECT_NE(brush.GetLastStatus(), Ok);
    EXPECT_NE(g.FillRectangle(brush, 0, 0, 10, 10), Ok);
    EXPECT_NE(g.DrawImage(missing, 0, 0), Ok);
}

TEST_F(GdiPlus, PathsCollectFiguresAndWiden)
{
    TGPGraphicsPath path;
    path.AddLine(0, 0, 10, 0);
    path.AddBezier(TGPPointF(10, 0), TGPPointF(15, 5), TGPPointF(15, 5), TGPPointF(10, 10));
    path.CloseFigure();
    path.StartFigure();
    path.AddPie(20, 0, 10, 10, 0, 90);
    auto family = TGPFontFamily::GenericSansSerif();
    ASSERT_EQ(path.AddString(u"A", *family, FontStyleRegular, 12, TGPRectF(40, 0, 20, 20), nullptr), Ok)
        << "no format means the default one";
    TGPRectF bounds;
    path.GetBounds(bounds);
    EXPECT_FLOAT_EQ(bounds.X, 0);
    EXPECT_GT(bounds.X + bounds.Width, 40);

    TGPGraphicsPath line;
    line.AddLine(0, 10, 20, 10);
    TGPPen wide(Red, 6);
    ASSERT_EQ(line.Widen(wide), Ok);
    line.GetBounds(bounds);
    EXPECT_NEAR(bounds.Height, 6, 0.5);
    auto copy = line.Clone();
    EXPECT_EQ(copy->GetPointCount(), line.GetPointCount());
}

TEST_F(GdiPlus, MatricesTransformPoints)
{
    struct TCase {
        const char* Name;
        void (*Build)(TGPMatrix&);
        TGPPointF From, To;
    } cases[] = {
        {"rotate about a point, prepended", [](TGPMatrix& m) { m.RotateAt(90, TGPPointF(10, 10)); }, {20, 10}, {10, 20}},
        {"rotate about a point after a shift",
         [](TGPMatrix& m) {
             m.Translate(5, 0);
             m.RotateAt(90, TGPPointF(10, 10), MatrixOrderAppend);
         },
         {15, 10}, {10, 20}},
        {"scale then translate",
         [](TGPMatrix& m) {
             m.Scale(2, 3);
             m.Translate(1, 1, MatrixOrderAppend);
         },
         {1, 1}, {3, 4}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TGPMatrix m;
        c.Build(m);
        TGPPointF p = c.From;
        ASSERT_EQ(m.TransformPoints(std::span(&p, 1)), Ok);
        EXPECT_NEAR(p.X, c.To.X, 1e-4);
        EXPECT_NEAR(p.Y, c.To.Y, 1e-4);
        auto copy = m.Clone();
        ASSERT_EQ(copy->Invert(), Ok);
        copy->TransformPoints(std::span(&p, 1));
        EXPECT_NEAR(p.X, c.From.X, 1e-4);
        EXPECT_NEAR(p.Y, c.From.Y, 1e-4);
    }
    TGPMatrix identity;
    EXPECT_TRUE(identity.IsIdentity());
}

TEST_F(GdiPlus, CompositingModeBlendsOrReplaces)
{
    constexpr ARGB HalfRed = MakeColor(128, 255, 0, 0);
    for (CompositingMode mode : {CompositingModeSourceOver, CompositingModeSourceCopy}) {
        SCOPED_TRACE(mode);
        TGPBitmap bitmap(10, 10);
        TGPGraphics g(bitmap);
        g.Clear(Blue);
        g.SetCompositingMode(mode);
        EXPECT_EQ(g.GetCompositingMode(), mode);
        TGPSolidBrush halfRed(HalfRed);
        g.FillRectangle(halfRed, 0, 0, 10, 10);
        g.Flush();
        ARGB pixel = PixelAt(bitmap, 5, 5);
        if (mode == CompositingModeSourceCopy)
            EXPECT_TRUE(NearColor(pixel, HalfRed, 2)) << std::hex << pixel;
        else
            EXPECT_TRUE(NearColor(pixel, MakeColor(255, 128, 0, 127), 3)) << std::hex << pixel;
    }
}

TEST_F(GdiPlus, ImagesDrawScaledAndStateIsSavedAndRestored)
{
    TGPBitmap source(2, 2);
    source.SetPixel(0, 0, Red);
    source.SetPixel(1, 0, Blue);
    source.SetPixel(0, 1, Blue);
    source.SetPixel(1, 1, Red);

    TGPBitmap target(20, 20);
    TGPGraphics g(target);
    g.Clear(White);
    g.SetInterpolationMode(InterpolationModeNearestNeighbor);
    g.SetPixelOffsetMode(PixelOffsetModeHalf);
    GraphicsState state = g.Save();
    g.SetClip(TGPRectF(0, 0, 20, 10));
    g.TranslateTransform(100, 0);
    g.Restore(state);
    ASSERT_EQ(g.DrawImage(source, TGPRectF(0, 0, 20, 20)), Ok) << "clip and shift were undone by Restore";
    g.Flush();
    EXPECT_EQ(PixelAt(target, 4, 4), Red);
    EXPECT_EQ(PixelAt(target, 15, 4), Blue);
    EXPECT_EQ(PixelAt(target, 4, 15), Blue);
    EXPECT_EQ(PixelAt(target, 15, 15), Red);

    g.Clear(White);
    ASSERT_EQ(g.DrawImage(source, TGPRectF(0, 0, 10, 10), TGPRectF(1, 0, 1, 1)), Ok);
    g.Flush();
    EXPECT_EQ(PixelAt(target, 5, 5), Blue) << "only the chosen source pixel, stretched";
    EXPECT_EQ(PixelAt(target, 15, 15), White);
}

namespace {

// A 2 x 1 24-bit BMP: a red pixel, then a blue one.
std::vector<BYTE> TwoPixelBmp()
{
    std::vector<BYTE> bytes(14 + 40 + 8, 0);
    auto put32 = [&bytes](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = BYTE(v >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, std::uint32_t(bytes.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, 2);  // width
    put32(22, 1);  // height
    bytes[26] = 1; // planes
    bytes[28] = 24;
    const BYTE pixels[] = {0, 0, 255, 255, 0, 0, 0, 0}; // BGR red, BGR blue, row padding
    std::copy(std::begin(pixels), std::end(pixels), bytes.begin() + 54);
    return bytes;
}

} // namespace

TEST_F(GdiPlus, ImagesLoadFromStreamsAndFiles)
{
    const std::vector<BYTE> bmp = TwoPixelBmp();
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    ULONG written = 0;
    stream->Write(bmp.data(), ULONG(bmp.size()), &written);
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    {
        TGPBitmap fromStream(stream);
        ASSERT_EQ(fromStream.GetLastStatus(), Ok);
        EXPECT_EQ(fromStream.GetWidth(), 2u);
        EXPECT_EQ(PixelAt(fromStream, 0, 0), Red);
        EXPECT_EQ(PixelAt(fromStream, 1, 0), Blue);
    }
    stream->Release();

    wchar_t folder[MAX_PATH], path[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"gdp", 0, path);
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD done = 0;
    WriteFile(file, bmp.data(), DWORD(bmp.size()), &done, nullptr);
    CloseHandle(file);
    {
        TGPImage fromFile(reinterpret_cast<const Char*>(path));
        ASSERT_EQ(fromFile.GetLastStatus(), Ok);
        EXPECT_EQ(fromFile.GetWidth(), 2u);
        EXPECT_EQ(fromFile.GetHeight(), 1u);
        TGPBitmap canvas(2, 1);
        TGPGraphics g(canvas);
        g.DrawImage(fromFile, 0, 0);
        g.Flush();
        EXPECT_EQ(PixelAt(canvas, 1, 0), Blue);
    }
    DeleteFileW(path);
}
