#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "GDIPHTMLEngine.h"
#include "GDIPPictureContainer.h"
#include "GDIPicture.h"
#include "KitUnits.h"
#include "RurHintInfo.h"
#include "RurUtils.h"
#include "SysUtils.h"
#include "WideText.h"

using namespace RurGDIP;

namespace {

// Red everywhere but a blue bottom-left pixel (the key of a transparent BMP).
TColor KeyedPixel(int x, int y) { return x == 0 && y == 3 ? clBlue : clRed; }
// Left half red, right half lime.
TColor HalvesPixel(int x, int) { return x < 2 ? clRed : clLime; }
TColor WideHalvesPixel(int x, int) { return x < 4 ? clRed : clLime; }
// The same with a blue bottom-left pixel, the key of a transparent BMP.
TColor KeyedHalves(int x, int y) { return x == 0 && y == 3 ? clBlue : HalvesPixel(x, y); }

std::vector<Byte> Padded(std::vector<Byte> lead, size_t size)
{
    lead.resize(size, 0);
    return lead;
}

} // namespace

TEST(GDIPictureTest, FormatsAreToldByTheFirstBytes)
{
    const std::vector<Byte> png = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<Byte> emf(44, 0);
    emf[0] = 1;
    std::memcpy(emf.data() + 40, " EMF", 4);
    const struct {
        const char* Name;
        std::vector<Byte> Data;
        TPictureFormat Expected;
    } cases[] = {
        {"43-byte PNG", Padded(png, 43), pfNone},
        {"44-byte PNG", Padded(png, 44), pfPNG},
        {"Motorola TIFF", Padded({0x4D, 0x4D, 0x00, 0x2A}, 44), pfTiff},
        {"Intel TIFF", Padded({0x49, 0x49, 0x2A, 0x00}, 44), pfTiff},
        {"Intel word without its 42", Padded({0x49, 0x49, 0x00, 0x2A}, 44), pfNone},
        {"BMP", Padded({'B', 'M'}, 44), pfBMP},
        {"JPEG", Padded({0xFF, 0xD8, 0xFF}, 44), pfJPG},
        {"GIF", Padded({'G', 'I', 'F', '8', '9', 'a'}, 44), pfGIF},
        {"placeable WMF", Padded({0xD7, 0xCD, 0xC6, 0x9A}, 44), pfMetaFile},
        {"EMF", emf, pfMetaFile},
        {"icon", Padded({0, 0, 1, 0}, 44), pfICO},
        {"text", Padded({'<', 's', 'v', 'g'}, 44), pfNone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SniffPictureFormat(c.Data.data(), Int64(c.Data.size())), c.Expected) << c.Name;
}

TEST(GDIPictureTest, RasterAndSVGContentLoadAndCopy)
{
    TGDIPPicture picture;
    EXPECT_TRUE(picture.Empty());
    EXPECT_FALSE(picture.GetImageSizes());
    EXPECT_EQ(picture.Graphic(), &picture);

    int changes = 0;
    picture.SetOnChange(TNotifyEvent([&](TObject*) { ++changes; }));
    picture.LoadFromStream(*BitmapBytes(4, 4, KeyedPixel));
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(picture.Empty());
    EXPECT_FALSE(picture.HasSVG());
    EXPECT_EQ(picture.Width(), 4);
    EXPECT_EQ(picture.PictureFormat(), pfBMP);

    TGDIPPicture copy;
    copy.Assign(&picture);
    EXPECT_EQ(copy.Width(), 4);
    EXPECT_EQ(copy.PictureFormat(), pfBMP);

    picture.LoadFromStream(*SvgBytes(30, 20, "lime"));
    EXPECT_TRUE(picture.HasSVG());
    EXPECT_EQ(picture.PictureFormat(), pfNone); // the raster bytes went
    EXPECT_EQ(picture.Width(), 30);
    EXPECT_TRUE(picture.GetImageSizes());
    copy.Assign(&picture);
    EXPECT_TRUE(copy.HasSVG());
    EXPECT_EQ(copy.Height(), 20);

    // Bytes with a raster signature that GDI+ cannot read measure 0 x 0 but count as content.
    TMemoryStream junk;
    junk.Write("BM-not-a-bitmap-at-all", 22);
    picture.LoadFromStream(junk);
    EXPECT_TRUE(picture.GetImageSizes());
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_FALSE(picture.Empty());
}

TEST(GDIPictureTest, ClearingTellsOfTheChangeBeforeTheClear)
{
    TGDIPPicture picture;
    picture.LoadFromStream(*BitmapBytes(2, 2, KeyedPixel));
    std::vector<String> events;
    picture.SetOnChange(TNotifyEvent([&](TObject*) { events.push_back(u"change"); }));
    picture.SetOnClear(TNotifyEvent([&](TObject*) { events.push_back(u"clear"); }));
    picture.Assign(nullptr);
    EXPECT_EQ(events, (std::vector<String>{u"change", u"clear"}));
    EXPECT_TRUE(picture.Empty());
}

TEST(GDIPictureTest, FilesResourcesAndURLs)
{
    const String path = u"gdipicture-test.bmp";
    BitmapBytes(3, 5, KeyedPixel)->SaveToFile(path);
    TGDIPPicture picture;
    int clears = 0;
    picture.SetOnClear(TNotifyEvent([&](TObject*) { ++clears; }));
    picture.LoadFromURL(u"file://" + path);
    EXPECT_EQ(picture.Height(), 5);
    EXPECT_EQ(picture.GetFileName(), path);
    EXPECT_EQ(clears, 1);
    DeleteFileW(WidePtr(path));

    picture.LoadFromFile(u"no-such-file.png"); // no error: the picture is empty
    EXPECT_TRUE(picture.Empty());

    picture.LoadFromURL(u"Res://logo"); // the prefix in any case; the name as the module has it
    EXPECT_EQ(picture.Width(), 2);
    picture.LoadFromURL(u"http://example.com/x.png"); // other texts do nothing
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_THROW(picture.LoadFromResourceID(TRurUtils::GetHInstance(), 4711), EResNotFound);
}

TEST(GDIPictureTest, DrawingLeavesOutTheBitmapKeyAndTurns)
{
    TGDIPPicture picture;
    picture.LoadFromStream(*BitmapBytes(4, 4, KeyedPixel));
    TBitmap target;
    target.SetPixelFormat(pf32bit);
    target.SetSize(8, 4);
    auto clear = [&] {
        target.Canvas()->Brush()->SetColor(clWhite);
        target.Canvas()->FillRect(Rect(0, 0, 8, 4));
    };
    clear();
    picture.Draw(*target.Canvas(), Rect(0, 0, 4, 4));
    EXPECT_EQ(target.Canvas()->Pixels(0, 3), clWhite); // the key
    EXPECT_EQ(target.Canvas()->Pixels(1, 3), clRed);
    picture.SetTransparentBitmap(false);
    clear();
    picture.Draw(*target.Canvas(), Rect(0, 0, 4, 4));
    EXPECT_EQ(target.Canvas()->Pixels(0, 3), clBlue);

    picture.LoadFromStream(*BitmapBytes(8, 4, WideHalvesPixel));
    picture.SetAngle(180); // about the picture's centre
    clear();
    picture.Draw(*target.Canvas(), Rect(0, 0, 8, 4));
    EXPECT_EQ(target.Canvas()->Pixels(2, 1), clLime);
    EXPECT_EQ(target.Canvas()->Pixels(6, 2), clRed);
}

TEST(GDIPictureTest, DrawingOnGraphics)
{
    TGPSurface surface(20, 10);
    TGDIPPicture picture;
    picture.LoadFromStream(*BitmapBytes(4, 4, HalvesPixel));
    picture.DrawImage(surface.Graphics(), 1, 1);
    EXPECT_EQ(surface.At(1, 1), clRed);
    EXPECT_EQ(surface.At(4, 1), clLime);
    EXPECT_EQ(surface.At(5, 1), clWhite);
    picture.LoadFromStream(*SvgBytes(4, 4, "#0000ff"));
    picture.DrawImageRect(surface.Graphics(), 10, 0, 10, 10);
    EXPECT_EQ(surface.At(15, 5), clBlue);
    EXPECT_EQ(surface.At(9, 5), clWhite);
}

TEST(GDIPictureTest, GDIPPictureKeysBitmapsAndTiles)
{
    TGPSurface surface(12, 8);
    TRurGDIPPicture picture;
    picture.GDIPDraw(surface.Graphics(), Rect(0, 0, 4, 4)); // empty: nothing
    EXPECT_EQ(surface.At(0, 0), clWhite);
    picture.LoadFromStream(*BitmapBytes(4, 4, KeyedPixel));
    EXPECT_EQ(picture.Width(), 4);
    picture.GDIPDraw(surface.Graphics(), Rect(0, 0, 4, 4));
    EXPECT_EQ(surface.At(0, 3), clBlue); // keyed only when transparent
    picture.SetTransparent(true);
    picture.GDIPDraw(surface.Graphics(), Rect(4, 0, 8, 4));
    EXPECT_EQ(surface.At(4, 3), clWhite);
    EXPECT_EQ(surface.At(6, 2), clRed);
    picture.LoadFromStream(*BitmapBytes(4, 4, HalvesPixel));
    picture.FillRect(surface.Graphics(), MakeRectF(4, 0, 8, 8));
    EXPECT_EQ(surface.At(4, 0), clRed); // the tiles start at the origin of the graphics
    EXPECT_EQ(surface.At(6, 7), clLime);
    EXPECT_EQ(surface.At(9, 5), clRed);

    TRurGDIPPicture copy;
    copy.Assign(&picture);
    EXPECT_EQ(copy.Height(), 4);
    TMemoryStream saved;
    copy.SaveToStream(saved);
    EXPECT_EQ(saved.Size(), BitmapBytes(4, 4, HalvesPixel)->Size());
}

TEST(GDIPictureTest, HintInfoIsEmptyWithoutTitleAndNotes)
{
    TRurHintInfo hint;
    hint.Picture()->LoadFromStream(*BitmapBytes(2, 2, KeyedPixel));
    EXPECT_TRUE(hint.IsEmpty()); // the picture does not count
    hint.Notes()->Add(u"one");
    EXPECT_FALSE(hint.IsEmpty());
    hint.SetTitle(u"Title");
    hint.SetShowHelp(true);
    hint.SetWideTitle(u"Wide");
    TRurHintInfo copy;
    copy.Assign(&hint);
    EXPECT_EQ(copy.Title(), u"Title");
    EXPECT_EQ(copy.Notes()->Text(), hint.Notes()->Text());
    EXPECT_TRUE(copy.ShowHelp());
    EXPECT_EQ(copy.WideTitle(), u"Wide");
    EXPECT_EQ(copy.Picture()->Width(), 2);
}

TEST(GDIPictureTest, ContainerFindsPicturesByNameIgnoringCase)
{
    TGDIPPictureContainer container(nullptr);
    EXPECT_EQ(container.Version(), u"1.0.0.0");
    container.AddFromResource(u"LOGO", u"LOGO");
    auto* item = container.Items()->Add();
    item->SetName(u"second");
    EXPECT_EQ(container.FindPicture(u"logo"), container.Items()->Items(0)->Picture());
    EXPECT_EQ(container.FindPicture(u"logo")->Width(), 2);
    EXPECT_EQ(container.FindPicture(u"SECOND"), item->Picture());
    EXPECT_EQ(container.FindPicture(u"third"), nullptr);

    TGDIPPictureContainer copy(nullptr);
    copy.SetItems(container.Items());
    ASSERT_EQ(copy.Items()->Count(), 2);
    EXPECT_EQ(copy.FindPicture(u"Logo")->Height(), 2);
}

TEST(GDIPictureTest, CaptionImagesComeFromTheContainer)
{
    TGDIPPictureContainer container(nullptr);
    container.Items()->Add()->SetName(u"dot");
    container.Items()->Items(0)->Picture()->LoadFromStream(*BitmapBytes(4, 4, KeyedHalves));
    TFont font;
    font.SetName(u"Tahoma");
    font.SetHeight(-12);
    auto measure = [&](const String& text, TGDIPPictureContainer* source) {
        TGPSurface surface(200, 60);
        THTMLDrawGDIPOptions options;
        options.MeasureOnly = true;
        options.PictureContainer = source;
        THTMLDrawGDIPResult result;
        HTMLDrawGDIP(surface.Graphics(), font, text, Rect(0, 0, 200, 60), options, result);
        return result.XSize;
    };
    const int plain = measure(u"ab", &container);
    EXPECT_EQ(measure(u"ab<img src=\"DOT\">", &container), plain + 4);
    EXPECT_EQ(measure(u"ab<img src=\"dot\" width=\"10\" height=\"3\">", &container), plain + 10);
    EXPECT_EQ(measure(u"ab<img src=\"dot\" width=\"10\">", &container), plain + 4); // one side alone is ignored
    EXPECT_EQ(measure(u"ab<img src=\"dot\">", nullptr), plain);
    EXPECT_EQ(measure(u"ab<img src=\"missing\">", &container), plain);

    TGPSurface surface(100, 30);
    THTMLDrawGDIPOptions options;
    options.PictureContainer = &container;
    THTMLDrawGDIPResult result;
    HTMLDrawGDIP(surface.Graphics(), font, u"<img src=\"dot\" width=\"8\" height=\"8\">", Rect(0, 0, 100, 30), options,
                 result);
    EXPECT_EQ(surface.At(1, 1), clRed);
    EXPECT_EQ(surface.At(6, 6), clLime);
}
