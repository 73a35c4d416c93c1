#include <gtest/gtest.h>

#include "Forms.h"
#include "RurGDIP.h"
#include "RurPersistence.h"

using namespace RurGDIP;

namespace {

constexpr ARGB White = 0xFFFFFFFF;
constexpr ARGB Red = 0xFFFF0000;
constexpr ARGB Blue = 0xFF0000FF;
constexpr ARGB Black = 0xFF000000;

// Encoders of the platform's codecs.
constexpr CLSID PngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
constexpr CLSID BmpEncoder = {0x557CF400, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

// Each suite holds GDI+ started for its tests, as the program's start-up table would.
class RurGDIPTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RurGDIPInitialize(); }
    static void TearDownTestSuite() { RurGDIPFinalize(); }
};

// A white 32-bit bitmap with a graphics drawing into it, aliasing off so pixels are exact.
class Canvas {
public:
    explicit Canvas(int width = 40, int height = 40) : FBitmap(width, height), FGraphics(&FBitmap)
    {
        FGraphics.Clear(White);
        FGraphics.SetSmoothingMode(SmoothingModeNone);
    }
    TGPGraphics& Graphics() { return FGraphics; }
    TGPBitmap& Bitmap() { return FBitmap; }
    ARGB At(int x, int y)
    {
        FGraphics.Flush(FlushIntentionSync);
        ARGB color = 0;
        EXPECT_EQ(FBitmap.GetPixel(x, y, color), Ok);
        return color;
    }
    // Columns in row y that are not white.
    int InkIn(int y, int fromX, int toX)
    {
        int ink = 0;
        for (int x = fromX; x < toX; ++x)
            ink += At(x, y) != White;
        return ink;
    }
    // Whether any pixel in the column range (all rows) is not white.
    bool AnyInkInColumns(int fromX, int toX)
    {
        for (int y = 0; y < int(FBitmap.GetHeight()); ++y)
            if (InkIn(y, fromX, toX) > 0)
                return true;
        return false;
    }

private:
    TGPBitmap FBitmap;
    TGPGraphics FGraphics;
};

IStream* NewMemoryStream()
{
    IStream* stream = nullptr;
    EXPECT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    return stream;
}

void Rewind(IStream* stream)
{
    LARGE_INTEGER zero{};
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);
}

} // namespace

// ---- start-up, statuses, ownership -------------------------------------------------------------

using RurGDIPStartup = RurGDIPTest;

TEST_F(RurGDIPStartup, NestedStartUpsKeepGdiplusRunning)
{
    RurGDIPInitialize();
    RurGDIPFinalize();
    TGPBitmap bitmap(4, 4);
    EXPECT_EQ(bitmap.LastStatus(), Ok);
    EXPECT_EQ(bitmap.GetWidth(), 4u);
}

TEST_F(RurGDIPStartup, LastStatusIsStickyUntilRead)
{
    TGPGraphics graphics(static_cast<TGPImage*>(nullptr));
    EXPECT_EQ(graphics.NativeGraphics(), nullptr);
    EXPECT_EQ(graphics.GetLastStatus(), Ok);
    EXPECT_EQ(graphics.Clear(White), InvalidParameter);
    EXPECT_EQ(graphics.GetSmoothingMode(), SmoothingModeInvalid);

    Canvas canvas;
    TGPMatrix singular(0, 0, 0, 0, 0, 0);
    EXPECT_NE(singular.Invert(), Ok);
    EXPECT_EQ(singular.Translate(1, 1), Ok); // an Ok leaves the failure recorded
    EXPECT_NE(singular.GetLastStatus(), Ok);
    EXPECT_EQ(singular.GetLastStatus(), Ok);
    EXPECT_EQ(graphics.GetLastStatus(), InvalidParameter);
    EXPECT_EQ(graphics.GetLastStatus(), Ok);

    TGPBrush abstractBrush;
    EXPECT_EQ(abstractBrush.LastStatus(), NotImplemented);
    TGPImage missing(String(u"no such picture.png"));
    EXPECT_NE(missing.LastStatus(), Ok);
    EXPECT_EQ(missing.NativeImage(), nullptr);
}

TEST_F(RurGDIPStartup, WrappersCarryTheKitsJSONMembers)
{
    RurPersistenceInitialize();
    TGPMatrix matrix;
    EXPECT_EQ(matrix.ToJSON(), u"{\"$type\":\"TGPMatrix\"}");
    TStringStream stream;
    matrix.SaveToJSONStream(stream);
    EXPECT_EQ(stream.DataString(), matrix.JSON());
    RurPersistenceFinalize();
}

TEST_F(RurGDIPStartup, ArgumentChecksAnswerWithoutCalling)
{
    TGPLinearGradientBrush linear(MakePointF(0, 0), MakePointF(10, 0), Red, Blue);
    ARGB colors[] = {Red, Blue};
    float positions[] = {0, 1};
    EXPECT_EQ(linear.SetInterpolationColors(colors, positions, 0), InvalidParameter);
    EXPECT_EQ(linear.SetInterpolationColors(colors, positions, 2), Ok);

    TGPGraphicsPath path;
    path.AddRectangle(MakeRectF(0, 0, 10, 10));
    TGPPathGradientBrush radial(&path);
    EXPECT_EQ(radial.SetInterpolationColors(nullptr, positions, 2), InvalidParameter);
    int count = 99;
    EXPECT_EQ(radial.SetSurroundColors(colors, count), InvalidParameter); // more colours than points
    count = 1;
    EXPECT_EQ(radial.SetSurroundColors(colors, count), Ok);
    ARGB read[4]{};
    int room = 0;
    EXPECT_EQ(radial.GetSurroundColors(read, room), InsufficientBuffer);

    TGPBitmap bitmap(4, 4);
    EXPECT_EQ(bitmap.SaveAdd(nullptr), InvalidParameter);
}

TEST_F(RurGDIPStartup, MatrixCloneTransformsAndOffsets)
{
    TGPMatrix matrix;
    EXPECT_TRUE(matrix.IsIdentity());
    matrix.Translate(5, 7);
    std::unique_ptr<TGPMatrix> clone = matrix.Clone();
    ASSERT_TRUE(clone);
    clone->Scale(2, 2, MatrixOrderAppend);
    EXPECT_FLOAT_EQ(matrix.OffsetX(), 5);
    EXPECT_FLOAT_EQ(clone->OffsetX(), 10);
    EXPECT_FLOAT_EQ(clone->OffsetY(), 14);

    // A quarter turn about (10, 10) takes (20, 10) to (10, 20), in either order.
    for (MatrixOrder order : {MatrixOrderPrepend, MatrixOrderAppend}) {
        TGPMatrix rotation;
        rotation.RotateAt(90, MakePointF(10, 10), order);
        TGPPointF p = MakePointF(20, 10);
        rotation.TransformPoints(&p);
        EXPECT_NEAR(p.X, 10, 1e-4) << order;
        EXPECT_NEAR(p.Y, 20, 1e-4) << order;
    }

    matrix.Reset();
    EXPECT_TRUE(matrix.IsIdentity());
    TGPMatrix singular(0, 0, 0, 0, 0, 0);
    EXPECT_FALSE(singular.IsInvertible());
}

// ---- pens and brushes, by their pixels ---------------------------------------------------------

using RurGDIPPainting = RurGDIPTest;

TEST_F(RurGDIPPainting, PenWidthCapsAndDashes)
{
    Canvas canvas;
    TGPPen pen(Red, 4);
    canvas.Graphics().DrawLine(&pen, 10, 10, 30, 10);
    EXPECT_EQ(canvas.At(20, 10), Red);
    EXPECT_EQ(canvas.At(20, 16), White);
    EXPECT_EQ(canvas.At(7, 10), White); // flat cap stops at the end point

    TGPPen square(Blue, 8);
    EXPECT_EQ(square.SetEndCap(LineCapSquare), Ok);
    canvas.Graphics().DrawLine(&square, 10, 30, 30, 30);
    EXPECT_EQ(canvas.At(33, 30), Blue); // the square cap reaches half the width past the end

    Canvas dashed(100, 10);
    TGPPen dash(Black, 1);
    EXPECT_EQ(dash.SetDashStyle(DashStyleDash), Ok);
    EXPECT_EQ(dash.GetDashStyle(), DashStyleDash);
    dashed.Graphics().DrawLine(&dash, 0, 5, 100, 5);
    int ink = dashed.InkIn(5, 0, 100);
    EXPECT_GT(ink, 40);
    EXPECT_LT(ink, 95);
}

TEST_F(RurGDIPPainting, EachBrushKindFills)
{
    Canvas canvas(60, 20);
    TGPSolidBrush solid(Red);
    canvas.Graphics().FillRectangle(&solid, 0, 0, 10, 20);
    EXPECT_EQ(canvas.At(5, 5), Red);

    TGPHatchBrush hatch(HatchStyleHorizontal, Black, White);
    EXPECT_EQ(hatch.GetHatchStyle(), HatchStyleHorizontal);
    canvas.Graphics().FillRectangle(&hatch, 10, 0, 10, 20);
    int blackRows = 0;
    for (int y = 0; y < 20; ++y)
        blackRows += canvas.At(15, y) == Black;
    EXPECT_GT(blackRows, 0);
    EXPECT_LT(blackRows, 20);

    TGPLinearGradientBrush gradient(MakeRectF(20, 0, 20, 20), Red, Blue, LinearGradientModeHorizontal);
    canvas.Graphics().FillRectangle(&gradient, 20, 0, 20, 20);
    ARGB left = canvas.At(21, 10), right = canvas.At(38, 10);
    EXPECT_GT(ExtractRed(left), ExtractBlue(left));
    EXPECT_GT(ExtractBlue(right), ExtractRed(right));

    TGPBitmap tile(2, 1);
    tile.SetPixel(0, 0, Red);
    tile.SetPixel(1, 0, Blue);
    TGPTextureBrush texture(&tile, WrapModeTile);
    EXPECT_EQ(texture.GetWrapMode(), WrapModeTile);
    std::unique_ptr<TGPImage> image = texture.GetImage();
    EXPECT_EQ(image->GetWidth(), 2u);
    canvas.Graphics().FillRectangle(&texture, 40, 0, 20, 20);
    EXPECT_NE(canvas.At(44, 5), canvas.At(45, 5));

    Canvas round;
    TGPGraphicsPath path;
    path.AddEllipse(0.0f, 0.0f, 40.0f, 40.0f);
    TGPPathGradientBrush radial(&path);
    EXPECT_EQ(radial.SetCenterColor(Red), Ok);
    ARGB center = 0;
    EXPECT_EQ(radial.GetCenterColor(center), Ok);
    EXPECT_EQ(center, Red);
    EXPECT_GT(radial.GetPointCount(), 0);
    ARGB surround = Blue;
    int count = 1;
    EXPECT_EQ(radial.SetSurroundColors(&surround, count), Ok);
    round.Graphics().FillPath(&radial, &path);
    ARGB middle = round.At(20, 20), edge = round.At(20, 1);
    EXPECT_GT(ExtractRed(middle), ExtractBlue(middle));
    EXPECT_GT(ExtractBlue(edge), ExtractRed(edge));
    EXPECT_EQ(round.At(1, 1), White);
}

TEST_F(RurGDIPPainting, PenBrushComesBackOfItsKind)
{
    TGPPen solid(Red, 2);
    EXPECT_EQ(solid.GetPenType(), PenTypeSolidColor);
    std::unique_ptr<TGPBrush> brush = solid.GetBrush();
    ASSERT_TRUE(dynamic_cast<TGPSolidBrush*>(brush.get()));
    Canvas canvas;
    canvas.Graphics().FillRectangle(brush.get(), 0, 0, 5, 5);
    EXPECT_EQ(canvas.At(2, 2), Red);

    TGPHatchBrush hatch(HatchStyleVertical, Blue, White);
    TGPPen hatched(&hatch, 3);
    std::unique_ptr<TGPBrush> hatchBack = hatched.GetBrush();
    auto asHatch = dynamic_cast<TGPHatchBrush*>(hatchBack.get());
    ASSERT_TRUE(asHatch);
    ARGB fore = 0;
    EXPECT_EQ(asHatch->GetForegroundColor(fore), Ok);
    EXPECT_EQ(fore, Blue);
}

TEST_F(RurGDIPPainting, PathsRegionsAndClipping)
{
    TGPGraphicsPath circle;
    circle.AddEllipse(MakeRectF(10, 10, 20, 20));
    TGPRectF bounds{};
    EXPECT_EQ(circle.GetBounds(bounds), Ok);
    EXPECT_NEAR(bounds.X, 10, 0.5);
    EXPECT_NEAR(bounds.Width, 20, 0.5);

    Canvas canvas;
    TGPSolidBrush red(Red);
    canvas.Graphics().FillPath(&red, &circle);
    EXPECT_EQ(canvas.At(20, 20), Red);
    EXPECT_EQ(canvas.At(11, 11), White);

    // Everything but the circle.
    Canvas clipped;
    TGPRegion region(MakeRectF(0, 0, 40, 40));
    EXPECT_EQ(region.Exclude(&circle), Ok);
    EXPECT_EQ(clipped.Graphics().SetClip(&region), Ok);
    clipped.Graphics().FillRectangle(&red, 0, 0, 40, 40);
    EXPECT_EQ(clipped.At(20, 20), White);
    EXPECT_EQ(clipped.At(2, 2), Red);
    clipped.Graphics().ResetClip();
    clipped.Graphics().FillRectangle(&red, 0, 0, 40, 40);
    EXPECT_EQ(clipped.At(20, 20), Red);

    // A translated world moves the drawing.
    Canvas moved;
    TGPMatrix shift(1, 0, 0, 1, 20, 0);
    moved.Graphics().SetTransform(&shift);
    moved.Graphics().FillRectangle(&red, 0, 0, 5, 5);
    EXPECT_EQ(moved.At(22, 2), Red);
    EXPECT_EQ(moved.At(2, 2), White);
}

// ---- images --------------------------------------------------------------------------------------

using RurGDIPImages = RurGDIPTest;

TEST_F(RurGDIPImages, FormatsAndPixelLayout)
{
    TGPBitmap bitmap(3, 2);
    EXPECT_EQ(bitmap.GetPixelFormat(), PixelFormat32bppARGB);
    EXPECT_EQ(bitmap.GetPixelDepth(), 32);
    EXPECT_TRUE(bitmap.HasAlphaChannel());
    EXPECT_FALSE(bitmap.HasPalette());
    EXPECT_EQ(bitmap.GetFormat(), ifMemoryBMP);

    struct Case {
        CLSID Encoder;
        TGPImageFormat Format;
    } cases[] = {{PngEncoder, ifPNG}, {BmpEncoder, ifBMP}};
    for (const Case& c : cases) {
        IStream* stream = NewMemoryStream();
        ASSERT_EQ(bitmap.Save(stream, c.Encoder), Ok);
        Rewind(stream);
        TGPImage loaded(stream);
        EXPECT_EQ(loaded.GetFormat(), c.Format);
        EXPECT_EQ(loaded.GetWidth(), 3u);
        stream->Release();
    }
}

TEST_F(RurGDIPImages, ColorKeyLeavesThePictureOut)
{
    TGPBitmap picture(10, 10);
    {
        TGPGraphics paint(&picture);
        paint.Clear(Red);
    }
    TGPImageAttributes attributes;
    EXPECT_EQ(attributes.SetColorKey(Red, Red), Ok);
    std::unique_ptr<TGPImageAttributes> copy = attributes.Clone();
    ASSERT_NE(copy->NativeImageAttr(), nullptr);
    EXPECT_EQ(copy->GetLastStatus(), Ok);

    Canvas canvas;
    canvas.Graphics().DrawImage(&picture, MakeRectF(0, 0, 10, 10), 0, 0, 10, 10, UnitPixel, copy.get());
    EXPECT_EQ(canvas.At(5, 5), White);
    canvas.Graphics().DrawImage(&picture, MakeRectF(20, 20, 10, 10), 0, 0, 10, 10, UnitPixel);
    EXPECT_EQ(canvas.At(25, 25), Red);
    canvas.Graphics().DrawImageRect(&picture, MakeRectF(0.4f, 20.4f, 9.6f, 9.6f));
    EXPECT_EQ(canvas.At(0, 25), Red); // rounded to (0, 20, 10, 10)
}

// ---- text ----------------------------------------------------------------------------------------

class RurGDIPText : public RurGDIPTest {
protected:
    RurGDIPText()
    {
        FFont.SetName(u"Arial");
        FFont.SetSize(12);
    }
    TFont FFont;
};

TEST_F(RurGDIPText, LengthLimitsMeasuringAndDrawing)
{
    Canvas canvas(200, 40);
    TGPGraphics& g = canvas.Graphics();
    TGPFont* font = g.MakeFontEx(&FFont);
    TGPRectF layout = MakeRectF(0, 0, 1000, 100), whole{}, first{}, beyond{};
    g.MeasureString(u"MMMM", -1, font, layout, whole);
    g.MeasureString(u"MMMM", 1, font, layout, first);
    g.MeasureString(u"MMMM", 100, font, layout, beyond);
    EXPECT_LT(first.Width, whole.Width / 2);
    EXPECT_FLOAT_EQ(beyond.Width, whole.Width);

    TGPSolidBrush black(Black);
    g.DrawString(u"MMMM", 1, font, MakePointF(0, 0), &black);
    int firstEnd = int(first.Width) + 2;
    EXPECT_TRUE(canvas.AnyInkInColumns(0, firstEnd));
    EXPECT_FALSE(canvas.AnyInkInColumns(firstEnd, 200));
}

TEST_F(RurGDIPText, FontsFromFrameworkFonts)
{
    // The cache compares the name GDI+ reports, which is the substitute's where the system
    // substitutes fonts (Wine's prefix does): name the font as GDI+ does.
    String arialAsInstalled;
    TGPFontFamily(u"Arial").GetFamilyName(arialAsInstalled);
    ASSERT_FALSE(arialAsInstalled.empty());
    FFont.SetName(arialAsInstalled);

    Canvas canvas;
    TGPGraphics& g = canvas.Graphics();
    TGPFont* cached = g.MakeFontEx(&FFont);
    EXPECT_EQ(cached->LastStatus(), Ok);
    EXPECT_FLOAT_EQ(cached->GetSize(), 12);
    EXPECT_EQ(g.MakeFontEx(&FFont), cached);
    FFont.SetStyle(TFontStyles{fsBold});
    TGPFont* bold = g.MakeFontEx(&FFont);
    EXPECT_EQ(bold->GetStyle(), FontStyleBold);
    FFont.SetSize(14);
    EXPECT_FLOAT_EQ(g.MakeFontEx(&FFont)->GetSize(), 14);

    TFont unknown;
    unknown.SetName(u"No Such Family Anywhere");
    std::unique_ptr<TGPFont> fallback = g.MakeFont(&unknown, 10);
    TGPFontFamily family;
    String name;
    EXPECT_EQ(fallback->GetFamily(&family), Ok);
    EXPECT_EQ(family.GetFamilyName(name), Ok);
    EXPECT_EQ(name, arialAsInstalled);

    EXPECT_EQ(g.TextHeight(u"", &FFont), 0);
    EXPECT_GT(g.TextHeight(u"gh", &FFont), 5);
    EXPECT_GT(g.TextWidth(u"MMMM", &FFont), g.TextWidth(u"M", &FFont));
}

TEST_F(RurGDIPText, FamilyNameAfterAFailureIsEmpty)
{
    TGPFontFamily missing(u"No Such Family Anywhere");
    EXPECT_EQ(missing.LastStatus(), FontFamilyNotFound);
    String name = u"stale";
    EXPECT_NE(missing.GetFamilyName(name), Ok);
    EXPECT_EQ(name, u"");

    TGPFontFamily* sans = TGPFontFamily::GenericSansSerif();
    EXPECT_EQ(TGPFontFamily::GenericSansSerif(), sans);
    EXPECT_EQ(sans->GetFamilyName(name), Ok);
    EXPECT_FALSE(name.empty());
}

TEST_F(RurGDIPText, DrawTextMeasuresOrDraws)
{
    Canvas canvas(200, 40);
    TGPGraphics& g = canvas.Graphics();
    // Wine measures no line that does not fit the layout height, so the rectangles are tall.
    TRect rect = Rect(10, 5, 20, 45);
    int height = g.DrawText(u"Hello", 5, rect, &FFont, DT_CALCRECT, clNone);
    EXPECT_FALSE(canvas.AnyInkInColumns(0, 200));
    EXPECT_EQ(height, rect.Height());
    EXPECT_GT(rect.Width(), 20);
    EXPECT_GT(height, 10);

    // A trailing blank is measured as an "i".
    TRect spaced = Rect(10, 5, 20, 45), dotted = spaced;
    g.DrawText(u"ab ", 3, spaced, &FFont, DT_CALCRECT, clNone);
    g.DrawText(u"abi", 3, dotted, &FFont, DT_CALCRECT, clNone);
    EXPECT_EQ(spaced, dotted);

    // The background starts one unit right of the left edge; text is drawn in the font colour.
    FFont.SetColor(clBlue);
    TRect painted = Rect(10, 5, 20, 45);
    g.DrawText(u"Hello", 5, painted, &FFont, 0, clRed);
    EXPECT_EQ(canvas.At(10, 20), White);
    EXPECT_EQ(canvas.At(11, 6), Red);
    bool blueInk = false;
    for (int x = 11; x < painted.Right && !blueInk; ++x)
        for (int y = painted.Top; y < painted.Bottom && !blueInk; ++y)
            blueInk = ExtractBlue(canvas.At(x, y)) > 128 && ExtractRed(canvas.At(x, y)) < 128;
    EXPECT_TRUE(blueInk);
}

// ---- helpers -------------------------------------------------------------------------------------

TEST(RurGDIPHelpers, DPIScaleOfFormsAndScreen)
{
    EXPECT_FLOAT_EQ(GetDPIScale(), 1.0f);
    // An unscaled form keeps the design resolution whatever its monitor says.
    TForm form(nullptr);
    form.SetScaled(false);
    TControl* control = &form;
    EXPECT_FLOAT_EQ(CalcDPIScale(control), 1.0f);
    // Without a form the screen decides: the scale grows with its resolution.
    HDC screen = GetDC(nullptr);
    int resolution = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    float scale = CalcDPIScale(nullptr);
    EXPECT_FLOAT_EQ(GetDPIScale(), scale);
    if (resolution == 96) {
        EXPECT_FLOAT_EQ(scale, 1.0f);
    } else {
        EXPECT_NEAR(scale, resolution / 96.0, 0.3);
    }
}

TEST(RurGDIPHelpers, ColoursAndSwitches)
{
    EXPECT_EQ(ColorToARGB(clRed), 0xFFFF0000u);
    EXPECT_EQ(ColorToARGB(clBtnFace), MakeColor(255, ColorToRGB(clBtnFace)));
    EXPECT_EQ(ColorToARGB(clBtnFace) & 0xFFFFFF, ColorToARGB(ColorToRGB(clBtnFace)) & 0xFFFFFF);
    EXPECT_EQ(MakeColor(128, 0x00FF00), 0x8000FF00u);
    EXPECT_EQ(MakeOpaqueColor(1, 2, 3), 0xFF010203u);
    EXPECT_EQ(ExtractRed(0x80FF4020), 0xFF);
    EXPECT_EQ(ExtractGreen(0x80FF4020), 0x40);
    EXPECT_EQ(ExtractBlue(0x80FF4020), 0x20);
    EXPECT_TRUE(IsVistaOrLater());

    struct Switch {
        void (*Set)(bool);
        bool (*Get)();
    } switches[] = {{SetScenicRibbon, GetScenicRibbon}, {SetIsWin8, GetIsWin8}, {SetGlassEnabled, GetGlassEnabled}};
    for (const Switch& s : switches) {
        EXPECT_FALSE(s.Get());
        s.Set(true);
        EXPECT_TRUE(s.Get());
        s.Set(false);
    }
}
