// Status rules, ownership, clones and the wrappers' own checks.
#include <gtest/gtest.h>

#include <memory>

#include "RurGDIPlusTestCanvas.h"

using namespace RurGDIPlusTest;


TEST(RurGDIPlusStatus, AFailureStaysUntilReadAndReadingResetsIt)
{
    TTestCanvas canvas;
    TGPPointF twoPoints[2] = {{0, 0}, {10, 10}};
    EXPECT_EQ(canvas.Graphics->DrawImage(canvas.Bitmap.get(), twoPoints, 2), InvalidParameter);
    TGPSolidBrush brush(Red);
    EXPECT_EQ(canvas.Graphics->FillRectangle(&brush, 0, 0, 4, 4), Ok);
    EXPECT_EQ(canvas.Graphics->GetLastStatus(), InvalidParameter);
    EXPECT_EQ(canvas.Graphics->GetLastStatus(), Ok);
}

TEST(RurGDIPlusStatus, GraphicsWithoutImageAnswersForANullObject)
{
    TGPGraphics graphics(static_cast<TGPImage*>(nullptr));
    EXPECT_EQ(graphics.GetLastStatus(), Ok);
    TGPSolidBrush brush(Red);
    EXPECT_NE(graphics.FillRectangle(&brush, 0, 0, 4, 4), Ok);
    EXPECT_TRUE(graphics.IsVisible(0.0f, 0.0f, 4.0f, 4.0f)) << "a failed rectangle query answers visible";
    EXPECT_FALSE(graphics.IsVisible(0.0f, 0.0f)) << "a failed point query answers hidden";
    EXPECT_EQ(graphics.GetSmoothingMode(), -1);

    TGPFont font(u"Arial", 10);
    TGPSizeF size{7, 9};
    EXPECT_NE(graphics.MeasureString(u"text", -1, &font, TGPSizeF{100, 100}, nullptr, size), Ok);
    EXPECT_EQ(size.Width, 7);
    EXPECT_EQ(size.Height, 9);
}

TEST(RurGDIPlusStatus, MeasureCharacterRangesRefusesMissingRegionsWithoutRecording)
{
    TTestCanvas canvas;
    TGPFont font(u"Arial", 10);
    std::vector<TGPRegion*> none;
    EXPECT_EQ(canvas.Graphics->MeasureCharacterRanges(u"abc", -1, &font, MakeRectF(0, 0, 50, 50), nullptr, 0, none),
              InvalidParameter);
    TGPRegion region;
    std::vector<TGPRegion*> one{&region};
    EXPECT_EQ(canvas.Graphics->MeasureCharacterRanges(u"abc", -1, &font, MakeRectF(0, 0, 50, 50), nullptr, 2, one),
              InvalidParameter)
        << "more regions claimed than given";
    EXPECT_EQ(canvas.Graphics->GetLastStatus(), Ok);
}

TEST(RurGDIPlusStatus, FontKeepsItsStatusWhenRead)
{
    TGPFont font(static_cast<TGPFontFamily*>(nullptr), 10);
    ASSERT_NE(font.GetLastStatus(), Ok);
    EXPECT_EQ(font.GetLastStatus(), font.GetLastStatus());
    EXPECT_FALSE(font.IsAvailable());
}

TEST(RurGDIPlusBrushes, CloneIsAPlainIndependentBrush)
{
    auto solid = std::make_unique<TGPSolidBrush>(Red);
    std::unique_ptr<TGPBrush> copy(solid->Clone());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(dynamic_cast<TGPSolidBrush*>(copy.get()), nullptr);
    EXPECT_EQ(copy->GetType(), BrushTypeSolidColor);
    solid.reset();
    TTestCanvas canvas;
    EXPECT_EQ(canvas.Graphics->FillRectangle(copy.get(), 0, 0, 8, 8), Ok);
    EXPECT_EQ(canvas.Pixel(4, 4), Red);
}

TEST(RurGDIPlusBrushes, OwnChecksAnswerWithoutCallingThePlatform)
{
    TGPLinearGradientBrush linear(MakeRectF(0, 0, 10, 10), Red, Blue, LinearGradientModeHorizontal);
    float factors[1];
    float positions[1];
    EXPECT_EQ(linear.GetBlend(factors, positions, 0), InvalidParameter);
    EXPECT_EQ(linear.GetLastStatus(), InvalidParameter);

    TGPPointF triangle[3] = {{0, 0}, {10, 0}, {0, 10}};
    TGPPathGradientBrush gradient(triangle, 3);
    ARGB surround[3] = {Red, Blue, Red};
    int32_t count = 3;
    ASSERT_EQ(gradient.SetSurroundColors(surround, count), Ok);
    ARGB read[3] = {};
    int32_t small = 1;
    EXPECT_EQ(gradient.GetSurroundColors(read, small), InsufficientBuffer);
    EXPECT_EQ(small, 1);
    int32_t tooMany = 4;
    EXPECT_EQ(gradient.SetSurroundColors(surround, tooMany), InvalidParameter);
}

TEST(RurGDIPlusPens, GetColorAndGetBrushFollowThePenType)
{
    TGPHatchBrush hatch(HatchStyleHorizontal, Red, Blue);
    TGPPen hatchPen(&hatch, 2);
    ARGB color = 0x12345678;
    EXPECT_EQ(hatchPen.GetColor(color), WrongState);
    EXPECT_EQ(color, 0x12345678u);
    EXPECT_EQ(hatchPen.GetLastStatus(), Ok) << "WrongState is not recorded";
    std::unique_ptr<TGPBrush> hatchCopy(hatchPen.GetBrush());
    ASSERT_NE(dynamic_cast<TGPHatchBrush*>(hatchCopy.get()), nullptr);
    EXPECT_EQ(hatchCopy->GetType(), BrushTypeHatchFill);

    TGPPointF triangle[3] = {{0, 0}, {10, 0}, {0, 10}};
    TGPPathGradientBrush gradient(triangle, 3);
    TGPPen gradientPen(&gradient, 2);
    std::unique_ptr<TGPBrush> gradientCopy(gradientPen.GetBrush());
    ASSERT_NE(gradientCopy, nullptr);
    EXPECT_EQ(gradientCopy->GetLastStatus(), NotImplemented);
    EXPECT_EQ(gradientCopy->GetType(), BrushTypePathGradient) << "it still holds the platform's brush";

    TGPPen solidPen(Red, 1);
    EXPECT_EQ(solidPen.GetColor(color), Ok);
    EXPECT_EQ(color, Red);
    std::unique_ptr<TGPPen> penCopy(solidPen.Clone());
    EXPECT_EQ(penCopy->GetLastStatus(), Ok);
    EXPECT_FLOAT_EQ(penCopy->GetWidth(), 1.0f);
}

TEST(RurGDIPlusGeometry, MatrixElementsRotationAndClone)
{
    TGPMatrix offsets(1, 0, 0, 1, 5, 7);
    EXPECT_FLOAT_EQ(offsets.OffsetX(), 5);
    EXPECT_FLOAT_EQ(offsets.OffsetY(), 7);

    for (MatrixOrder order : {MatrixOrderPrepend, MatrixOrderAppend}) {
        TGPMatrix rotation;
        rotation.RotateAt(90, MakePointF(10, 10), order);
        TGPPointF points[2] = {{10, 10}, {20, 10}};
        ASSERT_EQ(rotation.TransformPoints(points, 2), Ok);
        EXPECT_NEAR(points[0].X, 10, 1e-4) << order;
        EXPECT_NEAR(points[0].Y, 10, 1e-4) << order;
        EXPECT_NEAR(points[1].X, 10, 1e-4) << order;
        EXPECT_NEAR(points[1].Y, 20, 1e-4) << order;
    }

    TGPMatrix singular(0, 0, 0, 0, 0, 0);
    EXPECT_FALSE(singular.IsInvertible());
    EXPECT_NE(singular.Invert(), Ok);
    EXPECT_EQ(singular.Clone(), nullptr) << "the kept failure makes Clone give nothing";
    std::unique_ptr<TGPMatrix> copy(offsets.Clone());
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->IsEqual(&offsets));
}

TEST(RurGDIPlusGeometry, PathDataCountIsThePathsPointCount)
{
    TGPGraphicsPath path;
    TGPPointF five[5] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {5, 5}};
    ASSERT_EQ(path.AddLines(five, 5), Ok);

    TPathData larger;
    TGPGraphicsPath eight;
    TGPPointF points8[8] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}};
    eight.AddLines(points8, 8);
    ASSERT_EQ(eight.GetPathData(larger), Ok);
    ASSERT_EQ(larger.Count, 8);
    TGPPointF* reused = larger.Points;
    ASSERT_EQ(path.GetPathData(larger), Ok);
    EXPECT_EQ(larger.Count, 5) << "a reused holder says how many points it now holds";
    EXPECT_EQ(larger.Points, reused);
    EXPECT_FLOAT_EQ(larger.Points[4].X, 5);

    TPathData smaller;
    TGPGraphicsPath three;
    three.AddLines(five, 3);
    three.GetPathData(smaller);
    ASSERT_EQ(smaller.Count, 3);
    ASSERT_EQ(path.GetPathData(smaller), Ok);
    EXPECT_EQ(smaller.Count, 5);
    EXPECT_FLOAT_EQ(smaller.Points[2].Y, 10);

    TGPGraphicsPath empty;
    EXPECT_EQ(empty.GetPathData(smaller), Ok);
    EXPECT_EQ(smaller.Count, 0);
    EXPECT_EQ(smaller.Points, nullptr);
    EXPECT_EQ(smaller.Types, nullptr);
}

TEST(RurGDIPlusGeometry, PathQueries)
{
    TGPGraphicsPath path(FillModeWinding);
    EXPECT_EQ(path.GetFillMode(), FillModeWinding);
    path.AddRectangle(MakeRectF(10, 10, 20, 20));
    EXPECT_EQ(path.Transform(nullptr), Ok);
    TGPRectF bounds{};
    ASSERT_EQ(path.GetBounds(bounds), Ok);
    EXPECT_FLOAT_EQ(bounds.X, 10);
    EXPECT_FLOAT_EQ(bounds.Width, 20);
    EXPECT_TRUE(path.IsVisible(15.0f, 15.0f));
    EXPECT_FALSE(path.IsVisible(5.0f, 5.0f));
    std::unique_ptr<TGPGraphicsPath> copy(path.Clone());
    EXPECT_EQ(copy->GetPointCount(), 4);
}

TEST(RurGDIPlusText, FamilyNamesAndFallback)
{
    TGPFontFamily unknown(u"No Such Family Anywhere");
    EXPECT_FALSE(unknown.IsAvailable());
    String name = u"stale";
    EXPECT_NE(unknown.GetFamilyName(name), Ok);
    EXPECT_EQ(name, u"") << "a failed read gives an empty name";

    TGPFontFamily* generic = TGPFontFamily::GenericSansSerif();
    EXPECT_EQ(TGPFontFamily::GenericSansSerif(), generic);
    String genericName;
    ASSERT_EQ(generic->GetFamilyName(genericName), Ok);
    EXPECT_FALSE(genericName.empty());
    EXPECT_EQ(genericName.find(u'\0'), String::npos);

    TGPFont fallback(u"No Such Family Anywhere", 12);
    EXPECT_EQ(fallback.GetLastStatus(), Ok);
    EXPECT_TRUE(fallback.IsAvailable());
    TGPFontFamily family;
    ASSERT_EQ(fallback.GetFamily(&family), Ok);
    String fallbackName;
    family.GetFamilyName(fallbackName);
    EXPECT_EQ(fallbackName, genericName);
}

TEST(RurGDIPlusText, GenericObjectsAreCachedAndFreedByTheUnit)
{
    TGPStringFormat* format = TGPStringFormat::GenericDefault();
    EXPECT_EQ(TGPStringFormat::GenericDefault(), format);
    EXPECT_EQ(format->GetLastStatus(), Ok);
    EXPECT_NE(TGPStringFormat::GenericTypographic(), format);
    FreeGenericObjects();
    FreeGenericObjects();
    EXPECT_EQ(TGPStringFormat::GenericDefault()->GetLastStatus(), Ok);
}

TEST(RurGDIPlusText, FormatCloneAndFamilyListChecks)
{
    TGPStringFormat nothing(static_cast<TGPStringFormat*>(nullptr));
    EXPECT_EQ(nothing.Clone(), nullptr);
    EXPECT_NE(nothing.GetLastStatus(), Ok);

    TGPStringFormat format(0, LANG_NEUTRAL);
    format.SetAlignment(StringAlignmentCenter);
    std::unique_ptr<TGPStringFormat> copy(format.Clone());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetAlignment(), StringAlignmentCenter);

    TGPFontCollection collection;
    TGPFontFamily slot;
    std::vector<TGPFontFamily*> families{&slot};
    int32_t found = -1;
    EXPECT_EQ(collection.GetFamilies(0, families, found), InvalidParameter);
    EXPECT_EQ(collection.GetFamilies(2, families, found), InvalidParameter) << "more sought than slots given";
    EXPECT_EQ(collection.GetLastStatus(), InvalidParameter);
}

TEST(RurGDIPlusImages, MissingFileAndAreaCopies)
{
    TGPImage missing(String(u"C:\\no\\such\\picture.png"));
    EXPECT_NE(missing.GetLastStatus(), Ok);
    EXPECT_EQ(missing.GetWidth(), 0u);
    TGPSizeF size{3, 3};
    missing.GetPhysicalDimension(size);
    EXPECT_EQ(size.Width, 0);
    EXPECT_EQ(size.Height, 0);

    TGPBitmap bitmap(16, 16, PixelFormat32bppARGB);
    ARGB outside = 0;
    EXPECT_EQ(bitmap.GetPixel(100, 100, outside), InvalidParameter);
    EXPECT_EQ(bitmap.Clone(0.0f, 0.0f, 8.0f, 8.0f, PixelFormat32bppARGB), nullptr)
        << "the float form also sees the kept failure";
    bitmap.GetPixel(100, 100, outside);
    std::unique_ptr<TGPBitmap> integerCopy(bitmap.Clone(0, 0, 8, 8, PixelFormat32bppARGB));
    ASSERT_NE(integerCopy, nullptr) << "the integer form looks only at its own call";
    EXPECT_EQ(integerCopy->GetWidth(), 8u);
}

TEST(RurGDIPlusStartup, AnInnerStartAndStopKeepsTheUnitRunning)
{
    TGPStringFormat* format = TGPStringFormat::GenericDefault();
    RurGDIPlusApi::RurGDIPlusApi_Initialize();
    RurGDIPlusClasses_Initialize();
    RurGDIPlusClasses_Finalize();
    RurGDIPlusApi::RurGDIPlusApi_Finalize();
    EXPECT_EQ(TGPStringFormat::GenericDefault(), format) << "the generic objects live until the last release";
    TGPPen pen(Black, 1);
    EXPECT_EQ(pen.GetLastStatus(), Ok);
}

// Setters and getters pass their values through to the platform and back, each in its own slot.
TEST(RurGDIPlusRoundTrips, ValuesComeBackAsSet)
{
    TGPPen pen(Black, 1);
    pen.SetWidth(3.5f);
    pen.SetMiterLimit(7);
    pen.SetDashOffset(2);
    pen.SetAlignment(PenAlignmentInset);
    pen.SetStartCap(LineCapRound);
    pen.SetEndCap(3);
    EXPECT_FLOAT_EQ(pen.GetWidth(), 3.5f);
    EXPECT_FLOAT_EQ(pen.GetMiterLimit(), 7);
    EXPECT_FLOAT_EQ(pen.GetDashOffset(), 2);
    EXPECT_EQ(pen.GetAlignment(), PenAlignmentInset);
    EXPECT_EQ(pen.GetStartCap(), LineCapRound);
    EXPECT_EQ(pen.GetEndCap(), 3);
    float dashes[2] = {4, 2};
    pen.SetDashPattern(dashes, 2);
    ASSERT_EQ(pen.GetDashPatternCount(), 2);
    float read[2] = {};
    pen.GetDashPattern(read, 2);
    EXPECT_FLOAT_EQ(read[0], 4);
    EXPECT_FLOAT_EQ(read[1], 2);
    EXPECT_EQ(pen.GetLastStatus(), Ok);

    TGPLinearGradientBrush linear(MakePointF(0, 0), MakePointF(10, 0), Red, Blue);
    linear.SetLinearColors(Blue, Red);
    ARGB first = 0;
    ARGB second = 0;
    EXPECT_EQ(linear.GetLinearColors(first, second), Ok);
    EXPECT_EQ(first, Blue);
    EXPECT_EQ(second, Red);
    linear.SetWrapMode(WrapModeTileFlipXY);
    EXPECT_EQ(linear.GetWrapMode(), WrapModeTileFlipXY);

    TGPPointF triangle[3] = {{0, 0}, {10, 0}, {0, 10}};
    TGPPathGradientBrush gradient(triangle, 3);
    ARGB surround[3] = {Red, Blue, Black};
    int32_t count = 3;
    gradient.SetSurroundColors(surround, count);
    ARGB surroundRead[3] = {};
    int32_t room = 3;
    EXPECT_EQ(gradient.GetSurroundColors(surroundRead, room), Ok);
    EXPECT_EQ(room, 3);
    EXPECT_EQ(surroundRead[1], Blue);
    gradient.SetCenterColor(Red);
    ARGB centre = 0;
    gradient.GetCenterColor(centre);
    EXPECT_EQ(centre, Red);

    TGPStringFormat format;
    format.SetAlignment(StringAlignmentFar);
    format.SetLineAlignment(StringAlignmentCenter);
    format.SetTrimming(StringTrimmingEllipsisWord);
    format.SetHotkeyPrefix(HotkeyPrefixShow);
    format.SetFormatFlags(0x1000);
    EXPECT_EQ(format.GetAlignment(), StringAlignmentFar);
    EXPECT_EQ(format.GetLineAlignment(), StringAlignmentCenter);
    EXPECT_EQ(format.GetTrimming(), StringTrimmingEllipsisWord);
    EXPECT_EQ(format.GetHotkeyPrefix(), HotkeyPrefixShow);
    EXPECT_EQ(format.GetFormatFlags(), 0x1000);

    TTestCanvas canvas;
    canvas.Graphics->SetSmoothingMode(4);
    canvas.Graphics->SetInterpolationMode(7);
    canvas.Graphics->SetPixelOffsetMode(4);
    canvas.Graphics->SetTextRenderingHint(TextRenderingHintAntiAlias);
    canvas.Graphics->SetCompositingMode(CompositingModeSourceCopy);
    canvas.Graphics->SetPageUnit(UnitPixel);
    EXPECT_EQ(canvas.Graphics->GetSmoothingMode(), 4);
    EXPECT_EQ(canvas.Graphics->GetInterpolationMode(), 7);
    EXPECT_EQ(canvas.Graphics->GetPixelOffsetMode(), 4);
    EXPECT_EQ(canvas.Graphics->GetTextRenderingHint(), TextRenderingHintAntiAlias);
    EXPECT_EQ(canvas.Graphics->GetCompositingMode(), CompositingModeSourceCopy);
    EXPECT_EQ(canvas.Graphics->GetPageUnit(), UnitPixel);
    EXPECT_EQ(canvas.Graphics->GetLastStatus(), Ok);

    HFONT hfont = CreateFontW(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    HDC screen = GetDC(nullptr);
    TGPFont fromHandle(screen, hfont);
    EXPECT_EQ(fromHandle.GetLastStatus(), Ok);
    EXPECT_NE(fromHandle.GetStyle() & 1, 0) << "bold comes through the logical font";
    ReleaseDC(nullptr, screen);
    DeleteObject(hfont);
}
