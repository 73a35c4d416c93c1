// The SVG graphic in pictures and form data, and the engine drawing small documents into bitmaps
// through the GDI+ back end (pixel checks at telling points).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "RurGraphicsSVGEngine.h"
#include "RurTypes.h"

namespace {

const char* const Logo = "<?xml version='1.0' encoding='UTF-8'?>"
                         "<svg xmlns='http://www.w3.org/2000/svg' version='1.1' viewBox='0 0 800 192'>"
                         "<rect width='800' height='192' fill='white'/></svg>";

// Red left half, blue circle on the right, a hidden group over everything, a white class rule.
const char* const Scene =
    "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 100 50'>"
    "<style>.st0{fill:#FFFFFF;}.hidden{display:none;}</style>"
    "<rect x='0' y='0' width='50' height='50' fill='red'/>"
    "<circle cx='75' cy='25' r='20' style='fill:#0000FF'/>"
    "<g class='hidden'><rect width='100' height='50' fill='lime'/></g>"
    "<path class='st0' fill='red' d='M70 20 h10 v10 h-10 z'/>"
    "<rect x='5' y='5' width='10' height='10' fill='none' stroke='lime' stroke-width='2'/>"
    "</svg>";

void Fill(TMemoryStream& AStream, const std::string& AText)
{
    AStream.WriteBuffer(AText.data(), Int64(AText.size()));
    AStream.SetPosition(0);
}

std::string TextOf(TMemoryStream& AStream)
{
    return std::string(static_cast<const char*>(AStream.Memory()), size_t(AStream.Size()));
}

TRurSVGBitmap& LoadedGraphic(TRurSVGBitmap& AGraphic, const std::string& AText)
{
    TMemoryStream stream;
    Fill(stream, AText);
    AGraphic.LoadFromStream(stream);
    return AGraphic;
}

TColor Pixel(TBitmap& ABitmap, int x, int y) { return ABitmap.Canvas()->Pixels(x, y); }

bool Near(TColor a, TColor b)
{
    for (int shift : {0, 8, 16})
        if (std::abs(((a >> shift) & 0xFF) - ((b >> shift) & 0xFF)) > 8)
            return false;
    return true;
}

std::unique_ptr<TBitmap> Render(TRurSVGBitmap& AGraphic, int AWidth, int AHeight)
{
    auto bitmap = std::make_unique<TBitmap>(AWidth, AHeight);
    bitmap->Canvas()->Brush()->SetColor(0x808080);
    bitmap->Canvas()->FillRect({0, 0, AWidth, AHeight});
    AGraphic.Draw(*bitmap->Canvas(), {0, 0, AWidth, AHeight});
    return bitmap;
}

} // namespace

TEST(RurSVGPicture, EmptyAndNonSVGGraphicsHaveNoSize)
{
    TRurSVGBitmap none;
    TRurSVGBitmap html;
    LoadedGraphic(html, "<html><rect width='5' height='5'/></html>");
    TRurSVGBitmap broken;
    LoadedGraphic(broken, "<svg><rect></svg>");
    for (TRurSVGBitmap* graphic : {&none, &html, &broken}) {
        EXPECT_TRUE(graphic->Empty());
        EXPECT_FALSE(graphic->HasSVG());
        EXPECT_EQ(graphic->Width(), 0);
        EXPECT_EQ(graphic->Height(), 0);
    }
    // The bytes of a document that did not load are kept for saving.
    TMemoryStream saved;
    broken.SaveToStream(saved);
    EXPECT_EQ(TextOf(saved), "<svg><rect></svg>");

    TRurSVGBitmap logo;
    LoadedGraphic(logo, Logo);
    EXPECT_TRUE(logo.HasSVG());
    EXPECT_EQ(logo.Width(), 800);
    EXPECT_EQ(logo.Height(), 192);
    // No size to set and no clipboard form: quietly nothing.
    logo.SetWidth(10);
    logo.SetHeight(10);
    Word format = 0;
    HANDLE data = nullptr;
    HPALETTE palette = nullptr;
    EXPECT_NO_THROW(logo.SaveToClipboardFormat(format, data, palette));
    EXPECT_NO_THROW(logo.LoadFromClipboardFormat(format, data, palette));
    EXPECT_EQ(logo.Width(), 800);
}

TEST(RurSVGPicture, FormDataRoundTrip)
{
    TRurSVGBitmap logo;
    LoadedGraphic(logo, Logo);
    TMemoryStream data;
    logo.WriteData(data);
    ASSERT_EQ(data.Size(), Int64(4 + std::strlen(Logo)));
    std::int32_t count = 0;
    std::memcpy(&count, data.Memory(), 4);
    EXPECT_EQ(count, std::int32_t(std::strlen(Logo)));

    data.SetPosition(0);
    TRurSVGBitmap read;
    read.ReadData(data);
    EXPECT_EQ(read.Width(), 800);
    TMemoryStream again;
    read.WriteData(again);
    EXPECT_EQ(TextOf(again), TextOf(data));

    // An empty graphic writes a count of 0, and reading it takes nothing after the count.
    TRurSVGBitmap empty;
    TMemoryStream emptyData;
    empty.WriteData(emptyData);
    EXPECT_EQ(emptyData.Size(), 4);
    emptyData.WriteBuffer("rest", 4);
    emptyData.SetPosition(0);
    TRurSVGBitmap emptyRead;
    emptyRead.ReadData(emptyData);
    EXPECT_EQ(emptyData.Position(), 4);
    EXPECT_TRUE(emptyRead.Empty());
}

TEST(RurSVGPicture, AssignAndFiles)
{
    TRurSVGBitmap logo;
    LoadedGraphic(logo, Logo);
    TRurSVGBitmap copy;
    copy.Assign(&logo);
    EXPECT_EQ(copy.Width(), 800);
    TBitmap raster(3, 3);
    EXPECT_NO_THROW(copy.Assign(&raster));
    EXPECT_EQ(copy.Width(), 800);

    const String file = u"svg-picture-test.svg";
    logo.SaveToFile(file);
    TRurSVGBitmap fromFile;
    fromFile.SetFileName(file);
    EXPECT_EQ(fromFile.Height(), 192);
    EXPECT_EQ(fromFile.FileName(), file);
    LoadedGraphic(fromFile, "<svg viewBox='0 0 5 5'><rect width='1' height='1'/></svg>");
    EXPECT_EQ(fromFile.FileName(), u"");
    EXPECT_THROW(fromFile.LoadFromFile(u"no-such-picture.svg"), Exception);
    DeleteFileW(reinterpret_cast<LPCWSTR>(file.c_str()));
}

TEST(RurSVGPicture, PicturesTellSVGByContentAndExtension)
{
    EXPECT_EQ(TPicture::GraphicClassOfExtension(u"svg"), TRurSVGBitmap::StaticClass());
    TRurBitmap picture;
    TMemoryStream stream;
    Fill(stream, Logo);
    picture.LoadFromStream(stream);
    ASSERT_TRUE(picture.HasSVG());
    EXPECT_NE(dynamic_cast<TRurSVGBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.SVG()->ViewRect(), (TRectF{0, 0, 800, 192}));
    EXPECT_EQ(picture.Width(), 800);

    TRurBitmap raster;
    raster.SetGraphic(std::make_unique<TBitmap>(2, 2).get());
    EXPECT_FALSE(raster.HasSVG());
    EXPECT_EQ(raster.SVG(), nullptr);
}

TEST(RurSVGPicture, DrawsTheDocumentStretchedIntoTheRectangle)
{
    TRurSVGBitmap scene;
    LoadedGraphic(scene, Scene);
    auto bitmap = Render(scene, 200, 100);
    EXPECT_TRUE(Near(Pixel(*bitmap, 50, 80), 0x0000FF));   // red half, the hidden group not drawn
    EXPECT_TRUE(Near(Pixel(*bitmap, 150, 80), 0xFF0000));  // blue circle
    EXPECT_TRUE(Near(Pixel(*bitmap, 150, 50), 0xFFFFFF));  // the class rule's white over the red attribute
    EXPECT_TRUE(Near(Pixel(*bitmap, 104, 10), 0x808080));  // outside every shape
    EXPECT_TRUE(Near(Pixel(*bitmap, 10, 20), 0x00FF00));   // the outline, 4 pixels wide here
    EXPECT_TRUE(Near(Pixel(*bitmap, 20, 20), 0x0000FF));

    // Squeezed horizontally only.
    bitmap = Render(scene, 100, 100);
    EXPECT_TRUE(Near(Pixel(*bitmap, 25, 80), 0x0000FF));
    EXPECT_TRUE(Near(Pixel(*bitmap, 75, 80), 0xFF0000));

    // Colour options: grey and a half turn about the view box's centre.
    scene.SVG()->SetGrayScale(true);
    scene.SVG()->SetRotationAngle(180);
    bitmap = Render(scene, 200, 100);
    EXPECT_TRUE(Near(Pixel(*bitmap, 150, 20), 0x4C4C4C)); // the red half, turned to the right
    EXPECT_TRUE(Near(Pixel(*bitmap, 50, 20), 0x1A1A1A));  // the blue circle, turned to the left
}

TEST(RurSVGPicture, GeneratedBitmapHasTheViewBoxSize)
{
    TRurGraphicsSVGImport engine;
    EXPECT_EQ(engine.GenerateBitmap(-1, -1), nullptr);
    engine.LoadFromText(u"<svg viewBox='0 0 80 20'><rect width='40' height='20' fill='red'/></svg>");
    TRurBitmap* first = engine.GenerateBitmap(-1, -1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Width(), 80);
    EXPECT_EQ(first->Height(), 20);
    TRurBitmap* second = engine.GenerateBitmap(40, 10);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Width(), 40);
    TBitmap* pixels = second->Bitmap();
    EXPECT_TRUE(Near(pixels->Canvas()->Pixels(5, 5), 0x0000FF));
}

TEST(RurSVGPicture, DrawingObjectDrawsSVGPicturesAsVectors)
{
    TRurBitmap picture;
    TMemoryStream stream;
    Fill(stream, "<svg viewBox='0 0 20 10'><rect width='10' height='10' fill='red'/>"
                 "<rect x='10' width='10' height='10' fill='blue'/></svg>");
    picture.LoadFromStream(stream);
    ASSERT_TRUE(picture.HasSVG());

    auto graphics = TRurGraphics::CreateNativeBitmapCanvas(80, 40);
    graphics->BeginScene();
    graphics->DrawBitmap(TRectF{0, 0, 80, 20}, &picture, false, true);
    // A part of an SVG picture is the whole picture.
    graphics->DrawBitmapPart(TRectF{10, 0, 20, 10}, TRectF{0, 20, 40, 40}, &picture, false, true);
    graphics->EndScene();
    TCanvas& canvas = *graphics->Bitmap()->Canvas();
    EXPECT_TRUE(Near(canvas.Pixels(20, 10), 0x0000FF));
    EXPECT_TRUE(Near(canvas.Pixels(60, 10), 0xFF0000));
    EXPECT_TRUE(Near(canvas.Pixels(10, 30), 0x0000FF));
    EXPECT_TRUE(Near(canvas.Pixels(30, 30), 0xFF0000));
    EXPECT_EQ(graphics->DrawBitmapPartSync(TRectF{0, 0, 5, 5}, TRectF{0, 0, 5, 5}, &picture), nullptr);
}
