// The GDI+ picture: image bytes or SVG by content, sizes from decoding or file headers, files that
// never raise, sources by address, copies, form data, and drawing through GDI+ with pixel checks
// (stretched images, transparent bitmaps keyed by their corner or a fixed colour, a bitmap in its
// own size on a canvas, SVG, a nested float draw).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PictureFormData.h"
#include "PngCodec.h"
#include "RurGDIPPicture.h"
#include "RurUtils.h"
#include "SysUtils.h"
#include "TypInfo.h"

using namespace RurGDIP;

namespace {

const std::string SVG = "<svg viewBox='0 0 40 20'><rect width='20' height='20' fill='red'/>"
                        "<rect x='20' width='20' height='20' fill='blue'/></svg>";

// A picture whose left half is green and the rest red, as PNG or 24-bit BMP bytes.
TPixelImage Columns(int width, int height)
{
    TPixelImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.Pixel(x, y) = x < width / 2 ? TBGRA{0, 0xFF, 0, 0xFF} : TBGRA{0, 0, 0xFF, 0xFF};
    return image;
}

TBytes PngBytes(int width, int height)
{
    const std::vector<Byte> png = EncodePng(Columns(width, height));
    return TBytes(png.begin(), png.end());
}

TBytes BmpBytes(int width, int height)
{
    TBitmap bitmap(width, height);
    bitmap.SetPixelFormat(pf24bit);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.Canvas()->SetPixels(x, y, x < width / 2 ? clLime : clRed);
    TBytesStream stream;
    bitmap.SaveToStream(stream);
    return stream.Bytes();
}

TBytes TextBytes(const std::string& AText) { return TBytes(AText.begin(), AText.end()); }

void Load(TRurGDIPPicture& APicture, const TBytes& ABytes)
{
    TBytesStream stream(ABytes);
    APicture.LoadFromStream(stream);
}

TBytes Saved(TRurGDIPPicture& APicture)
{
    TBytesStream stream;
    APicture.SaveToStream(stream);
    return stream.Bytes();
}

// A blue 40 x 40 bitmap that a GDI+ graphics on its device context draws into. Stretched
// pictures blend their neighbouring pixels: checks keep to the middle of a stretched pixel's area.
class TTarget {
public:
    TTarget() : FBitmap(40, 40)
    {
        FBitmap.Canvas()->Brush()->SetColor(clBlue);
        FBitmap.Canvas()->FillRect({0, 0, 40, 40});
    }
    template <class F>
    void Draw(F&& ADraw)
    {
        TGPGraphics graphics(FBitmap.Canvas()->Handle());
        ADraw(graphics);
    }
    TCanvas& Canvas() { return *FBitmap.Canvas(); }
    TColor Pixel(int x, int y) { return FBitmap.Canvas()->Pixels(x, y); }

private:
    TBitmap FBitmap;
};

// Picture files in the temporary folder, deleted with the object.
class TTestFiles {
public:
    TTestFiles() = default;
    TTestFiles(const TTestFiles&) = delete;
    TTestFiles& operator=(const TTestFiles&) = delete;
    ~TTestFiles()
    {
        for (const String& name : FNames)
            DeleteFileW(reinterpret_cast<LPCWSTR>(name.c_str()));
    }
    String Add(const String& AName, const TBytes& ABytes)
    {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        const String name = String(reinterpret_cast<const Char*>(folder)) + u"gdip-picture-test-" + AName;
        TBytesStream stream(ABytes);
        stream.SaveToFile(name);
        FNames.push_back(name);
        return name;
    }

private:
    std::vector<String> FNames;
};

} // namespace

TEST(RurGDIPPicture, ImageBytesOrSVGByContent)
{
    TRurGDIPPicture picture;
    EXPECT_TRUE(picture.Empty());
    EXPECT_FALSE(picture.Transparent());
    EXPECT_EQ(picture.TransparentMode(), tmAuto);
    EXPECT_EQ(picture.TransparentColor(), TColor(0xFFFFFF));

    const TBytes png = PngBytes(6, 4);
    Load(picture, png);
    EXPECT_FALSE(picture.Empty());
    EXPECT_FALSE(picture.HasSVG());
    EXPECT_EQ(picture.Width(), 6);
    EXPECT_EQ(picture.Height(), 4);
    EXPECT_EQ(Saved(picture), png);
    picture.SetWidth(100); // no size of its own to set
    EXPECT_EQ(picture.Width(), 6);

    Load(picture, TextBytes(SVG));
    EXPECT_TRUE(picture.HasSVG());
    EXPECT_EQ(picture.Width(), 40);
    EXPECT_EQ(Saved(picture), TextBytes(SVG));

    // An empty stream changes nothing; bytes that are neither leave the picture empty.
    Load(picture, {});
    EXPECT_TRUE(picture.HasSVG());
    Load(picture, TextBytes("neither picture nor document"));
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Width(), 0);
    Load(picture, png);
    EXPECT_EQ(picture.Height(), 4);
}

TEST(RurGDIPPicture, FilesAreSizedFromTheirHeaderAndNeverRaise)
{
    TTestFiles files;
    TRurGDIPPicture picture;
    int cleared = 0;
    picture.SetOnClear(TNotifyEvent([&](TObject*) { ++cleared; }));
    const String png = files.Add(u"columns.png", PngBytes(7, 3));
    EXPECT_FALSE(picture.GetImageSizesFromFileName(png)); // empty
    picture.LoadFromFile(png);
    EXPECT_EQ(cleared, 1);
    EXPECT_FALSE(picture.GetImageSizesFromFileName(png));
    EXPECT_EQ(picture.Width(), 7);
    EXPECT_EQ(picture.Height(), 3);

    // The extension alone picks the header reader: none for ".dat", the wrong one for ".jpg"; the
    // bytes are the picture all the same.
    for (const char16_t* name : {u"columns.dat", u"columns.jpg"}) {
        picture.LoadFromFile(files.Add(name, PngBytes(7, 3)));
        EXPECT_FALSE(picture.Empty());
        EXPECT_EQ(picture.Width(), 0);
        EXPECT_EQ(picture.Height(), 0);
    }
    EXPECT_TRUE(picture.GetImageSizes());
    EXPECT_EQ(picture.Width(), 7);

    // The content decides between image and document, whatever the name says.
    const String document = files.Add(u"document.png", TextBytes(SVG));
    picture.LoadFromFile(document);
    EXPECT_TRUE(picture.HasSVG());
    EXPECT_TRUE(picture.GetImageSizesFromFileName(document));
    EXPECT_EQ(picture.Height(), 20);

    EXPECT_NO_THROW(picture.LoadFromFile(u"Z:\\no\\such\\missing.png"));
    EXPECT_TRUE(picture.Empty());
    EXPECT_FALSE(picture.GetImageSizes());
}

TEST(RurGDIPPicture, SourcesByAddress)
{
    TTestFiles files;
    const struct {
        String url;
        int width;
    } cases[] = {{u"res://LOGO", 2},           {u"RES://", 0},
                 {u"Res://NOSUCHRESOURCE", 0}, {u"file://" + files.Add(u"url.png", PngBytes(5, 2)), 5},
                 {u"FILE://", 0},              {u"http://example.invalid/a.png", 0}};
    for (const auto& c : cases) {
        TRurGDIPPicture picture;
        picture.LoadFromURL(c.url);
        EXPECT_EQ(picture.Width(), c.width) << ToUtf8(c.url);
    }
    TRurGDIPPicture byNumber;
    EXPECT_THROW(byNumber.LoadFromResourceID(TRurUtils::GetHInstance(), 999), EResNotFound);
}

TEST(RurGDIPPicture, AssignCopiesBytesDocumentsAndGraphics)
{
    TRurGDIPPicture raster;
    Load(raster, PngBytes(6, 4));
    TRurGDIPPicture document;
    Load(document, TextBytes(SVG));

    TRurGDIPPicture copy;
    std::string events;
    copy.SetOnChange(TNotifyEvent([&](TObject*) { events += "change "; }));
    copy.SetOnClear(TNotifyEvent([&](TObject*) { events += "clear "; }));
    copy.Assign(&raster);
    EXPECT_EQ(copy.Width(), 6);
    EXPECT_EQ(Saved(copy), Saved(raster));
    copy.Assign(&document);
    EXPECT_TRUE(copy.HasSVG());
    EXPECT_EQ(copy.Width(), 40);
    copy.Assign(&raster);
    EXPECT_FALSE(copy.HasSVG());

    TBitmap bitmap(3, 5);
    copy.Assign(&bitmap);
    EXPECT_EQ(copy.Height(), 5);
    TPicture holder;
    holder.SetGraphic(&document);
    copy.Assign(&holder);
    EXPECT_TRUE(copy.HasSVG());

    events.clear();
    copy.Assign(nullptr);
    EXPECT_EQ(events, "change clear ");
    EXPECT_TRUE(copy.Empty());
    EXPECT_FALSE(copy.HasSVG());
}

// Image bytes, a document and an empty picture in form data come back as this class.
TEST(RurGDIPPicture, FormDataRoundTrip)
{
    // As a form that holds one registers the class.
    RegisterClass(TRurGDIPPicture::StaticClass());
    TRurGDIPPicture raster, document, empty;
    Load(raster, PngBytes(6, 4));
    Load(document, TextBytes(SVG));
    for (TRurGDIPPicture* picture : {&raster, &document, &empty}) {
        const auto read = PictureFormData::RoundTrip(*picture);
        auto* back = dynamic_cast<TRurGDIPPicture*>(read->Picture()->Graphic());
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->HasSVG(), picture->HasSVG());
        EXPECT_EQ(back->Empty(), picture->Empty());
        EXPECT_EQ(back->Width(), picture->Width());
    }
}

TEST(RurGDIPPicture, DrawsImagesStretchedAndBitmapsKeyedByTheirCornerOrAFixedColour)
{
    TRurGDIPPicture png;
    Load(png, PngBytes(4, 4));
    TTarget stretched;
    stretched.Draw([&](TGPGraphics& g) { png.GDIPDraw(g, TRect{0, 0, 40, 40}); });
    EXPECT_EQ(stretched.Pixel(5, 20), clLime);
    EXPECT_EQ(stretched.Pixel(30, 20), clRed);
    EXPECT_EQ(png.PixelDepth(), 24); // RGB, no alpha
    EXPECT_FALSE(png.HasAlpha());
    EXPECT_FALSE(png.HasPalette());

    // Only a transparent bitmap keys out a colour: its bottom-left one, or the fixed one.
    TRurGDIPPicture bmp;
    Load(bmp, BmpBytes(4, 4));
    TTarget opaque;
    opaque.Draw([&](TGPGraphics& g) { bmp.GDIPDraw(g, TRect{0, 0, 40, 40}); });
    EXPECT_EQ(opaque.Pixel(5, 20), clLime);
    EXPECT_EQ(bmp.PixelDepth(), 24);
    bmp.SetTransparent(true);
    TTarget automatic;
    automatic.Draw([&](TGPGraphics& g) { bmp.GDIPDraw(g, MakeRectF(0, 0, 40, 40)); });
    EXPECT_EQ(automatic.Pixel(5, 20), clBlue);
    EXPECT_EQ(automatic.Pixel(30, 20), clRed);
    bmp.SetTransparentMode(tmFixed);
    bmp.SetTransparentColor(clRed);
    TTarget fixed;
    fixed.Draw([&](TGPGraphics& g) { bmp.GDIPDraw(g, TRect{0, 0, 40, 40}); });
    EXPECT_EQ(fixed.Pixel(5, 20), clLime);
    EXPECT_EQ(fixed.Pixel(30, 20), clBlue);

    // On a canvas a bitmap keeps its own size at the corner, its corner colour left out; other
    // images are stretched.
    TTarget canvas;
    bmp.Draw(canvas.Canvas(), {10, 10, 40, 40});
    EXPECT_EQ(canvas.Pixel(10, 12), clBlue);
    EXPECT_EQ(canvas.Pixel(12, 12), clRed);
    EXPECT_EQ(canvas.Pixel(20, 20), clBlue);
    png.Draw(canvas.Canvas(), {0, 20, 40, 40});
    EXPECT_EQ(canvas.Pixel(30, 30), clRed);

    TRurGDIPPicture document;
    Load(document, TextBytes(SVG));
    TTarget vector;
    vector.Draw([&](TGPGraphics& g) { document.GDIPDraw(g, TRect{0, 10, 40, 30}); });
    EXPECT_EQ(vector.Pixel(10, 20), clRed);
    EXPECT_EQ(vector.Pixel(30, 20), clBlue);
    EXPECT_EQ(vector.Pixel(10, 5), clBlue);
}

TEST(RurGDIPPicture, ANestedFloatDrawDrawsNothing)
{
    class TReentering : public TRurGDIPPicture {
    public:
        int Calls = 0;
        void DrawSVG(TGPGraphics& Graphics, float X, float Y, float W, float H) override
        {
            if (++Calls < 3)
                GDIPDraw(Graphics, MakeRectF(X, Y, W, H));
        }
    };
    TReentering picture;
    Load(picture, TextBytes(SVG));
    TTarget target;
    target.Draw([&](TGPGraphics& g) { picture.GDIPDraw(g, MakeRectF(0, 0, 40, 40)); });
    EXPECT_EQ(picture.Calls, 1);
    // The guard is down again afterwards.
    target.Draw([&](TGPGraphics& g) { picture.GDIPDraw(g, MakeRectF(0, 0, 40, 40)); });
    EXPECT_EQ(picture.Calls, 2);
}
