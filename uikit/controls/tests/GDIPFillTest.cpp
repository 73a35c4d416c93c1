#include <gtest/gtest.h>

#include <map>

#include "Clipbrd.h"
#include "GDIPFill.h"
#include "IniFiles.h"
#include "KitUnits.h"
#include "SysUtils.h"
#include "TypInfo.h"
#include "WideText.h"

using namespace RurGDIP;

namespace {

// Red on the left half, lime on the right, with a blue bottom-left pixel (the bitmap's key).
TColor KeyedHalves(int x, int y) { return x == 0 && y == 3 ? clBlue : x < 2 ? clRed : clLime; }

// Every ordinal setting by name, to compare two fills.
std::map<String, Int64> Settings(const TGDIPFill& fill)
{
    std::map<String, Int64> result;
    for (const TPropInfo* prop : GetPropList(fill))
        if (prop->Type.Kind == tkInteger || prop->Type.Kind == tkEnumeration)
            result[prop->Name] = GetOrdProp(fill, *prop);
    return result;
}

// A fill that differs from the defaults in every ordinal setting.
void SetEverything(TGDIPFill& f)
{
    f.SetColor(0x112233);
    f.SetColorTo(0x445566);
    f.SetColorMirror(0x778899);
    f.SetColorMirrorTo(clNone - 1);
    f.SetGradientType(gtHorizontal);
    f.SetGradientMirrorType(gtAngle);
    f.SetHatchStyle(HatchStyleCross);
    f.SetHatchStyleMirror(HatchStyleWave);
    f.SetBackGroundPictureAspectRatio(true);
    f.SetBackGroundPictureMode(pmInsideFill);
    f.SetBackGroundPicturePosition(ppCenterRight);
    f.SetBackGroundPictureLeft(3);
    f.SetBackGroundPictureTop(4);
    f.SetBackGroundPictureAspectMode(pmNormal);
    f.SetPicturePosition(ppBottomCenter);
    f.SetPictureLeft(5);
    f.SetPictureTop(6);
    f.SetPictureSize(psCustom);
    f.SetPictureWidth(70);
    f.SetPictureHeight(80);
    f.SetPictureAspectRatio(true);
    f.SetPictureAspectMode(pmNormal);
    f.SetOpacity(1);
    f.SetOpacityTo(2);
    f.SetOpacityMirror(3);
    f.SetOpacityMirrorTo(4);
    f.SetBorderColor(0x010203);
    f.SetBorderOpacity(5);
    f.SetBorderWidth(3);
    f.SetRounding(7);
    f.SetRoundingType(rtRight);
    f.SetShadowColor(0x0A0B0C);
    f.SetShadowOffset(2);
    f.SetShadowType(stSurround);
    f.SetAngle(33);
    f.SetGlow(gmRadialGradient);
    f.SetGlowGradientColor(0x123456);
    f.SetGlowRadialColor(0x654321);
}

// The INI settings that the file keeps (not the aspect flags and modes nor the shadow type).
std::map<String, Int64> IniSettings(const TGDIPFill& fill)
{
    std::map<String, Int64> result = Settings(fill);
    for (const char16_t* name : {u"BackGroundPictureAspectRatio", u"BackGroundPictureAspectMode", u"PictureAspectRatio",
                                 u"PictureAspectMode", u"ShadowType"})
        result.erase(name);
    return result;
}

String TempIniPath()
{
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return FromWidePtr(folder) + u"gdipfill-test.ini";
}

class GDIPFillPaint : public ::testing::Test {
protected:
    GDIPFillPaint() : FSurface(60, 40) {}

    // Solid colours: no gradient, so that pixels can be compared exactly.
    void Solid(TColor color)
    {
        FFill.SetColor(color);
        FFill.SetColorTo(clNone);
    }
    TGPRectF Paint(TGPRectF rect = MakeRectF(0, 0, 60, 40)) { return FFill.Fill(&FSurface.Graphics(), rect); }
    TColor At(int x, int y) { return FSurface.At(x, y); }

    TGDIPFill FFill;
    TGPSurface FSurface;
};

bool SameRect(const TGPRectF& a, const TGPRectF& b)
{
    return a.X == b.X && a.Y == b.Y && a.Width == b.Width && a.Height == b.Height;
}

} // namespace

TEST_F(GDIPFillPaint, DefaultFillIsAVerticalGradientOverTheWholeRectangle)
{
    EXPECT_TRUE(SameRect(Paint(), MakeRectF(0, 0, 60, 40)));
    const TColor top = At(30, 0), bottom = At(30, 39);
    EXPECT_GT(GetRValue(top), GetRValue(bottom));
    EXPECT_GE(GetRValue(top), 0xB0); // the end colours lie just outside the rectangle
    EXPECT_LE(GetRValue(bottom), 0x90);
    EXPECT_EQ(GetRValue(At(0, 20)), GetRValue(At(59, 20))); // no border and no shadow
    EXPECT_NE(At(0, 0), clWhite);
}

TEST_F(GDIPFillPaint, SolidAndNoColour)
{
    Solid(clRed);
    Paint();
    EXPECT_EQ(At(0, 0), clRed);
    EXPECT_EQ(At(59, 39), clRed);

    TGPSurface other(10, 10);
    FFill.SetColor(clNone);
    FFill.Fill(&other.Graphics(), MakeRectF(0, 0, 10, 10));
    EXPECT_EQ(other.At(5, 5), clWhite);
}

TEST_F(GDIPFillPaint, MirrorHalvesOverlapByTwoPixels)
{
    TGPSurface surface(200, 100);
    Solid(clRed);
    FFill.SetColorMirror(clBlue);
    FFill.Fill(&surface.Graphics(), MakeRectF(0, 0, 200, 100));
    EXPECT_EQ(surface.At(100, 0), clRed);
    EXPECT_EQ(surface.At(100, 48), clRed);
    EXPECT_EQ(surface.At(100, 49), clBlue); // the lower part starts at 50 - 1
    EXPECT_EQ(surface.At(100, 99), clBlue);

    FFill.SetGradientType(gtHatch); // a hatch has no mirror half
    FFill.SetColorTo(clRed);
    FFill.Fill(&surface.Graphics(), MakeRectF(0, 0, 200, 100));
    EXPECT_EQ(surface.At(100, 80), clRed);
    EXPECT_EQ(surface.At(101, 81), clRed);
}

TEST_F(GDIPFillPaint, ShadowsShrinkTheContent)
{
    Solid(clRed);
    FFill.SetShadowColor(clBlack);
    FFill.SetShadowOffset(4);
    FFill.SetShadowType(stSurround);
    EXPECT_TRUE(SameRect(Paint(), MakeRectF(4, 4, 52, 32)));
    EXPECT_NE(At(2, 20), clWhite);
    EXPECT_NE(At(2, 20), clRed);
    EXPECT_EQ(At(4, 20), clRed);

    FFill.SetShadowType(stRightBottom);
    FFill.SetShadowOffset(5);
    TGPSurface right(60, 40);
    EXPECT_TRUE(SameRect(FFill.Fill(&right.Graphics(), MakeRectF(0, 0, 60, 40)), MakeRectF(0, 0, 55, 35)));
    EXPECT_NE(right.At(57, 20), clWhite);
    EXPECT_EQ(right.At(50, 20), clRed);

    FFill.SetShadowType(stBottom);
    FFill.SetShadowOffset(6);
    TGPSurface bottom(60, 40);
    EXPECT_TRUE(SameRect(FFill.Fill(&bottom.Graphics(), MakeRectF(0, 0, 60, 40)), MakeRectF(0, 0, 60, 34)));
    EXPECT_NE(bottom.At(30, 37), clWhite);

    FFill.SetShadowColor(clNone); // no colour, no shadow
    TGPSurface none(60, 40);
    EXPECT_TRUE(SameRect(FFill.Fill(&none.Graphics(), MakeRectF(0, 0, 60, 40)), MakeRectF(0, 0, 60, 40)));
}

TEST_F(GDIPFillPaint, BorderRoundingAndOpacity)
{
    Solid(clRed);
    FFill.SetBorderColor(clBlue);
    Paint(MakeRectF(10, 10, 40, 20));
    EXPECT_EQ(At(10, 20), clBlue);
    EXPECT_EQ(At(30, 20), clRed);
    EXPECT_EQ(At(9, 20), clWhite);

    const struct {
        TFillRoundingType Type;
        bool TopLeftRound, TopRightRound;
    } corners[] = {{rtBoth, true, true}, {rtLeft, true, false}, {rtRight, false, true}, {rtBottom, false, false},
                   {rtNone, false, false}};
    FFill.SetBorderColor(clNone);
    FFill.SetRounding(8);
    for (const auto& c : corners) {
        TGPSurface surface(60, 40);
        FFill.SetRoundingType(c.Type);
        FFill.Fill(&surface.Graphics(), MakeRectF(10, 10, 40, 20));
        EXPECT_EQ(surface.At(11, 11) == clWhite, c.TopLeftRound) << int(c.Type);
        EXPECT_EQ(surface.At(48, 11) == clWhite, c.TopRightRound) << int(c.Type);
        EXPECT_EQ(surface.At(30, 20), clRed);
    }

    FFill.SetRounding(0);
    FFill.SetOpacity(0);
    TGPSurface clear(10, 10);
    FFill.Fill(&clear.Graphics(), MakeRectF(0, 0, 10, 10));
    EXPECT_EQ(clear.At(5, 5), clWhite);
    FFill.SetOpacity(255);
    TGPSurface overridden(10, 10);
    FFill.Fill(&overridden.Graphics(), MakeRectF(0, 0, 10, 10), 255, 0); // the start opacity given by the caller
    EXPECT_EQ(overridden.At(5, 5), clWhite);
}

TEST_F(GDIPFillPaint, RadialGlowAndFocus)
{
    FFill.SetGradientType(gtRadial);
    FFill.SetColor(clBlue);
    FFill.SetColorTo(clRed);
    Paint();
    EXPECT_GT(GetRValue(At(30, 1)), GetBValue(At(30, 1))); // the centre at the top middle
    EXPECT_EQ(At(0, 39), clBlue);

    TGDIPFill glow;
    glow.SetColor(clBlack);
    glow.SetColorTo(clNone);
    glow.SetGlow(gmGradient);
    TGPSurface surface(60, 40);
    glow.Fill(&surface.Graphics(), MakeRectF(0, 0, 60, 40));
    EXPECT_GT(GetRValue(surface.At(30, 1)), 150); // the outline one pixel in
    EXPECT_GT(GetRValue(surface.At(30, 2)), 0);   // the top highlight
    EXPECT_EQ(surface.At(30, 20), clBlack);
    EXPECT_GT(GetRValue(surface.At(30, 37)), 0); // the bottom highlight
    glow.SetGlow(gmRadial);
    TGPSurface radial(60, 40);
    glow.Fill(&radial.Graphics(), MakeRectF(0, 0, 60, 40));
    EXPECT_GT(GetRValue(radial.At(30, 5)), 0);
    EXPECT_EQ(radial.At(5, 20), clBlack); // outside the ellipse

    TGDIPFill focus;
    focus.SetColor(clRed);
    focus.SetColorTo(clNone);
    focus.SetFocus(true);
    focus.SetFocusColor(clBlack);
    TGPSurface focused(60, 40);
    focus.Fill(&focused.Graphics(), MakeRectF(0, 0, 60, 40));
    EXPECT_TRUE(SameRect(focus.FocusRect(), MakeRectF(1, 1, 58, 38)));
    int dots = 0;
    for (int x = 1; x < 59; ++x)
        dots += focused.At(x, 1) == clBlack;
    EXPECT_GT(dots, 10);
    EXPECT_LT(dots, 50); // dotted, not solid
}

TEST_F(GDIPFillPaint, ALineOnePixelHighDrawsOnlyTheBorder)
{
    Solid(clRed);
    FFill.SetBorderColor(clBlue);
    Paint(MakeRectF(0, 10, 60, 1));
    EXPECT_EQ(At(5, 10), clBlue);
    EXPECT_EQ(At(5, 12), clWhite);
    for (int x = 0; x < 60; ++x)
        EXPECT_NE(At(x, 10), clRed);
}

TEST_F(GDIPFillPaint, PicturesArePlaced)
{
    const struct {
        TFillPicturePosition Position;
        int Left, Top;
        TPoint RedAt;
    } cases[] = {
        {ppTopLeft, 0, 0, {0, 0}},        {ppTopLeft, 3, 2, {3, 2}},       {ppTopCenter, 0, 0, {28, 0}},
        {ppTopRight, 0, 0, {56, 0}},      {ppBottomLeft, 0, 0, {0, 36}},   {ppBottomCenter, 0, 0, {28, 36}},
        {ppBottomRight, 0, 0, {56, 36}},  {ppCenterLeft, 0, 0, {0, 18}},   {ppCenterCenter, 0, 0, {28, 18}},
        {ppCenterRight, 0, 0, {56, 18}},  {ppCustom, 10, 5, {10, 5}},
    };
    Solid(clWhite);
    FFill.Picture()->LoadFromStream(*BitmapBytes(4, 4, KeyedHalves));
    for (const auto& c : cases) {
        TGPSurface surface(60, 40, clBlack);
        FFill.SetPicturePosition(c.Position);
        FFill.SetPictureLeft(c.Left);
        FFill.SetPictureTop(c.Top);
        FFill.Fill(&surface.Graphics(), MakeRectF(0, 0, 60, 40));
        EXPECT_EQ(surface.At(c.RedAt.X, c.RedAt.Y), clRed) << int(c.Position);
        EXPECT_EQ(surface.At(c.RedAt.X + 3, c.RedAt.Y), clLime) << int(c.Position);
    }
    FFill.SetPicturePosition(ppTopLeft);
    FFill.SetPictureLeft(0);
    FFill.SetPictureTop(0);
    FFill.SetPictureSize(psCustom);
    FFill.SetPictureWidth(8);
    FFill.SetPictureHeight(8);
    TGPSurface custom(60, 40);
    FFill.Fill(&custom.Graphics(), MakeRectF(0, 0, 60, 40));
    EXPECT_EQ(custom.At(1, 1), clRed);
    EXPECT_EQ(custom.At(6, 1), clLime);

    FFill.SetPicturePosition(ppStretched);
    TGPSurface stretched(60, 40);
    FFill.Fill(&stretched.Graphics(), MakeRectF(0, 0, 60, 40));
    EXPECT_EQ(stretched.At(10, 10), clRed);
    EXPECT_EQ(stretched.At(40, 15), clLime);

    // A background picture only with the texture kind.
    TGDIPFill textured;
    textured.BackGroundPicture()->LoadFromStream(*BitmapBytes(4, 4, KeyedHalves));
    textured.SetBackGroundPicturePosition(ppTopRight);
    textured.SetColor(clWhite);
    textured.SetColorTo(clNone);
    TGPSurface plain(60, 40);
    textured.Fill(&plain.Graphics(), MakeRectF(0, 0, 60, 40));
    EXPECT_EQ(plain.At(56, 0), clWhite);
    textured.SetGradientType(gtTexture);
    TGPSurface texture(60, 40);
    textured.Fill(&texture.Graphics(), MakeRectF(0, 0, 60, 40));
    EXPECT_EQ(texture.At(56, 0), clRed);
    EXPECT_EQ(texture.At(59, 0), clLime);
}

TEST(GDIPFillTest, PicturesFitKeepingTheirAspect)
{
    EXPECT_EQ(FitPictureSize(40, 20, 100, 100, pmStretch), (TSize{100, 50}));
    EXPECT_EQ(FitPictureSize(20, 40, 100, 100, pmStretch), (TSize{50, 100}));
    EXPECT_EQ(FitPictureSize(20, 40, 100, 100, pmNormal), (TSize{20, 40}));
    EXPECT_EQ(FitPictureSize(200, 40, 100, 100, pmNormal), (TSize{100, 20}));
    EXPECT_EQ(FitPictureSize(0, 40, 100, 100, pmStretch), (TSize{0, 0}));
}

TEST(GDIPFillTest, SettersAssignAndUpdatesNotify)
{
    TGDIPFill fill;
    int changes = 0;
    fill.SetOnChange(TNotifyEvent([&](TObject*) { ++changes; }));
    fill.SetColor(0xC0C0C0); // the same value
    EXPECT_EQ(changes, 0);
    fill.SetColor(clRed);
    EXPECT_EQ(changes, 1);
    fill.Picture()->LoadFromStream(*BitmapBytes(2, 2, KeyedHalves)); // the pictures notify too
    EXPECT_EQ(changes, 2);
    fill.BeginUpdate();
    fill.SetRounding(3);
    fill.EndUpdate();
    EXPECT_EQ(changes, 2);

    TGDIPFill source;
    SetEverything(source);
    source.SetFocus(true);
    source.Picture()->LoadFromStream(*BitmapBytes(4, 4, KeyedHalves));
    changes = 0;
    fill.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Settings(fill), Settings(source));
    EXPECT_FALSE(fill.Focus());
    EXPECT_EQ(fill.Picture()->Width(), 4);
}

TEST(GDIPFillTest, IniSectionRoundTrip)
{
    const String path = TempIniPath();
    DeleteFileW(WidePtr(path));
    TGDIPFill source;
    SetEverything(source);
    source.Picture()->LoadFromStream(*BitmapBytes(4, 4, KeyedHalves));
    source.SaveToFile(path, u"Fill");
    {
        TIniFile ini(path);
        const Int64 bytes = BitmapBytes(4, 4, KeyedHalves)->Size();
        EXPECT_EQ(ini.ReadInteger(u"Fill", u"PictureTextLength", 0), 2 * bytes);
        EXPECT_EQ(ini.ReadInteger(u"Fill", u"PictureSize", -1), int(psCustom)); // the size mode keeps its key
        EXPECT_EQ(ini.ReadInteger(u"Fill", u"ColorMirrorTo", 0), int(clNone - 1));
        EXPECT_EQ(ini.ReadInteger(u"Fill", u"BackgroundPictureSize", -1), 0);
        EXPECT_EQ(ini.ReadString(u"Fill", u"Picture", u"").substr(0, 4), u"424D"); // "BM"
    }
    TGDIPFill loaded;
    loaded.LoadFromFile(path, u"Fill");
    EXPECT_EQ(IniSettings(loaded), IniSettings(source));
    EXPECT_EQ(loaded.PictureSize(), psCustom);
    EXPECT_EQ(loaded.Picture()->Width(), 4);
    EXPECT_TRUE(loaded.BackGroundPicture()->Empty());

    TGDIPFill untouched; // missing keys keep the current values
    untouched.SetRounding(9);
    untouched.LoadFromFile(path, u"Other");
    EXPECT_EQ(untouched.Rounding(), 9);
    DeleteFileW(WidePtr(path));
}

TEST(GDIPFillTest, IniFilesOfTheOlderLayoutStillLoad)
{
    // There "PictureSize" held the picture text's length; the size mode was lost.
    TMemoryStream bytes;
    BitmapBytes(4, 4, KeyedHalves)->SaveToStream(bytes);
    String hex;
    for (Int64 i = 0; i < bytes.Size(); ++i)
        hex += IntToHex(static_cast<const Byte*>(bytes.Memory())[i], 2);
    TMemIniFile ini(u"");
    ini.WriteInteger(u"Fill", u"Rounding", 4);
    ini.WriteString(u"Fill", u"Picture", hex);
    ini.WriteInteger(u"Fill", u"PictureSize", int(hex.size()));
    TGDIPFill fill;
    fill.LoadFromFile(ini, u"Fill");
    EXPECT_EQ(fill.Rounding(), 4);
    EXPECT_EQ(fill.PictureSize(), psOriginal);
    EXPECT_EQ(fill.Picture()->Height(), 4);
}

TEST(GDIPFillTest, PictureTextMustBeHexadecimal)
{
    TMemIniFile ini(u"");
    ini.WriteInteger(u"Fill", u"Rounding", 6);
    ini.WriteString(u"Fill", u"Picture", u"7g");
    ini.WriteInteger(u"Fill", u"PictureTextLength", 2);
    TGDIPFill fill;
    try {
        fill.LoadFromFile(ini, u"Fill");
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), u"No Hex-Number");
    }
    EXPECT_EQ(fill.Rounding(), 6); // what was read before stays
    int changes = 0;
    fill.SetOnChange(TNotifyEvent([&](TObject*) { ++changes; }));
    fill.SetRounding(1); // updates are not left blocked
    EXPECT_EQ(changes, 1);

    // Digits in either case.
    TMemoryStream bytes;
    BitmapBytes(4, 4, KeyedHalves)->SaveToStream(bytes);
    String hex;
    for (Int64 i = 0; i < bytes.Size(); ++i)
        hex += LowerCase(IntToHex(static_cast<const Byte*>(bytes.Memory())[i], 2));
    ini.WriteString(u"Fill", u"Picture", hex + u"7");
    ini.WriteInteger(u"Fill", u"PictureTextLength", int(hex.size()) + 1); // an odd last digit is ignored
    fill.LoadFromFile(ini, u"Fill");
    EXPECT_EQ(fill.Picture()->Width(), 4);
}

TEST(GDIPFillTest, ClipboardRoundTrip)
{
    ASSERT_NE(CF_GDIPFILL(), 0);
    Clipboard()->Clear();
    TGDIPFill fill;
    fill.SetRounding(5);
    fill.LoadFromClipBoard(); // no fill on the clipboard: nothing changes
    EXPECT_EQ(fill.Rounding(), 5);

    TGDIPFill source;
    SetEverything(source);
    source.Picture()->LoadFromStream(*BitmapBytes(4, 4, KeyedHalves));
    source.SaveToClipBoard();
    EXPECT_TRUE(Clipboard()->HasFormat(CF_GDIPFILL()));
    TGDIPFill pasted;
    pasted.LoadFromClipBoard();
    EXPECT_EQ(Settings(pasted), Settings(source));
    EXPECT_TRUE(pasted.Picture()->GetImageSizes()); // streamed pictures are measured on demand
    EXPECT_EQ(pasted.Picture()->Width(), 4);
    Clipboard()->Clear();
}
