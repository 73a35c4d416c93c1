// Pictures: format detection by content, round trips of each graphic class, the "Data" property
// of component streams, and corrupt files refused through the graphic classes.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "GifImg.h"
#include "GraphicErrors.h"
#include "GraphicUnits.h"
#include "Jpeg.h"
#include "OffscreenSurface.h"
#include "PixelBitmap.h"
#include "PngImage.h"
#include "Streaming.h"
#include "TestPictures.h"

namespace {

std::vector<Byte> BytesOf(TMemoryStream& stream)
{
    const auto* p = static_cast<const Byte*>(stream.Memory());
    return std::vector<Byte>(p, p + stream.Size());
}

std::vector<Byte> Saved(TGraphic& graphic)
{
    TMemoryStream stream;
    graphic.SaveToStream(stream);
    return BytesOf(stream);
}

// A 4 x 4 bitmap: red left half, blue right half; with alpha, the top row is half transparent.
TBitmap* SampleBitmap(TBitmap& bitmap, bool withAlpha)
{
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            static_cast<std::uint32_t*>(bitmap.ScanLine(y))[x] =
                (withAlpha && y == 0 ? 0x80000000u : 0xFF000000u) | (x < 2 ? 0xFF0000u : 0x0000FFu);
    bitmap.SetAlphaFormat(withAlpha ? afDefined : afIgnored);
    return &bitmap;
}

std::vector<Byte> SampleFile(const String& kind)
{
    TBitmap bitmap;
    SampleBitmap(bitmap, kind == u"png");
    if (kind == u"bmp")
        return Saved(bitmap);
    if (kind == u"png") {
        TPngImage png;
        png.Assign(&bitmap);
        return Saved(png);
    }
    if (kind == u"jpg") {
        TJPEGImage jpeg;
        jpeg.Assign(&bitmap);
        return Saved(jpeg);
    }
    if (kind == u"gif") {
        TTestGif gif(4, 4, 0, 0, 4, 4, 2);
        gif.Indices.assign(16, 1);
        return BuildGif(gif);
    }
    return {};
}

std::vector<Byte> SampleIcon()
{
    TPixelImage image = MakePatternImage(16, 16, true);
    return BuildIcon({{16, 16, 32, BuildDibIconBody(image, 32, [](int, int) { return false; })}});
}

std::vector<Byte> SampleEmf()
{
    HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT r{0, 0, 40, 20};
    FillRect(dc, &r, red);
    DeleteObject(red);
    HENHMETAFILE emf = CloseEnhMetaFile(dc);
    std::vector<Byte> bytes(GetEnhMetaFileBits(emf, 0, nullptr));
    GetEnhMetaFileBits(emf, static_cast<UINT>(bytes.size()), bytes.data());
    DeleteEnhMetaFile(emf);
    return bytes;
}

class TPictureHolder : public TComponent {
    TAVIN_PUBLISHED_CLASS(TPictureHolder, TComponent)
public:
    explicit TPictureHolder(TComponent* owner) : TComponent(owner) {}
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* value) { FPicture->Assign(value); }

private:
    std::unique_ptr<TPicture> FPicture = std::make_unique<TPicture>();
};

TAVIN_PUBLISHED(TPictureHolder)
{
    TAVIN_PROPERTY(TPicture*, Picture);
}

struct Pictures : ::testing::Test {
    void SetUp() override { StartGraphicUnits(); }
};

} // namespace

TEST_F(Pictures, LoadFromStreamChoosesTheClassByContent)
{
    struct Case {
        std::vector<Byte> data;
        TGraphicClass expected;
    };
    const Case cases[] = {
        {SampleFile(u"bmp"), TBitmap::StaticClass()},     {SampleFile(u"png"), TPngImage::StaticClass()},
        {SampleFile(u"jpg"), TJPEGImage::StaticClass()},  {SampleFile(u"gif"), TGIFImage::StaticClass()},
        {SampleIcon(), TIcon::StaticClass()},             {SampleEmf(), TMetafile::StaticClass()},
    };
    for (const Case& c : cases) {
        TBytesStream stream(c.data);
        TPicture picture;
        picture.LoadFromStream(stream);
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_EQ(picture.Graphic()->ClassType(), c.expected) << ToUtf8(c.expected->ClassName());
        EXPECT_GT(picture.Width(), 0);
    }
    for (const std::vector<Byte>& junk : {std::vector<Byte>{}, std::vector<Byte>{'B'}, std::vector<Byte>(100, 0x55)}) {
        TBytesStream stream(junk);
        TPicture picture;
        EXPECT_THROW(picture.LoadFromStream(stream), EInvalidGraphic);
    }
}

TEST_F(Pictures, RegisteredFormatsAnswerByExtensionAndLaterOnesComeFirst)
{
    EXPECT_EQ(TPicture::GraphicClassOfExtension(u"PNG"), TPngImage::StaticClass());
    EXPECT_EQ(TPicture::GraphicClassOfExtension(u"jpeg"), TJPEGImage::StaticClass());
    EXPECT_EQ(TPicture::GraphicClassOfExtension(u"tif"), TWICImage::StaticClass());
    EXPECT_EQ(TPicture::GraphicClassOfExtension(u"svg"), nullptr);

    // A later unit's class that takes any data is asked before the built-in ones.
    TPicture::RegisterFileFormat(u"svg", u"Scalable Vector Graphics", TGIFImage::StaticClass(),
                                 [](TStream&) { return true; });
    TBytesStream stream(SampleFile(u"bmp"));
    EXPECT_EQ(TPicture::GraphicClassOfStream(stream), TGIFImage::StaticClass());
    EXPECT_EQ(stream.Position(), 0);
    EXPECT_EQ(TPicture::GraphicClassOfExtension(u"svg"), TGIFImage::StaticClass());
    TPicture::UnregisterGraphicClass(TGIFImage::StaticClass());
    EXPECT_EQ(TPicture::GraphicClassOfStream(stream), TBitmap::StaticClass());
    EXPECT_EQ(TPicture::GraphicClassOfExtension(u"gif"), nullptr);
    InitializeGifImgUnit();
    EXPECT_NE(TPicture::GraphicFilter(TGraphic::StaticClass()).find(u"GIF Image (*.gif)|*.gif"), String::npos);
}

TEST_F(Pictures, PngKeepsItsAlphaThroughARoundTrip)
{
    TBitmap bitmap;
    TPngImage png;
    png.Assign(SampleBitmap(bitmap, true));
    TBytesStream stream(Saved(png));
    TPngImage loaded;
    loaded.LoadFromStream(stream);
    EXPECT_TRUE(loaded.Transparent());
    TBitmap back;
    back.Assign(&loaded);
    back.SetAlphaFormat(afDefined);
    EXPECT_EQ(static_cast<std::uint32_t*>(back.ScanLine(0))[0], 0x80FF0000u);
    EXPECT_EQ(static_cast<std::uint32_t*>(back.ScanLine(3))[3], 0xFF0000FFu);

    OffscreenSurface surface(4, 4, RGB(255, 255, 255));
    TCanvas canvas;
    canvas.SetHandle(surface.DC());
    canvas.Draw(0, 0, &loaded);
    canvas.SetHandle(nullptr);
    EXPECT_EQ(surface.Pixel(0, 3), RGB(255, 0, 0));
    EXPECT_NEAR(GetGValue(surface.Pixel(0, 0)), 127, 1) << "half transparent red over white";
}

TEST_F(Pictures, JpegQualityDecidesTheSizeAndTheColoursSurvive)
{
    TPixelImage pattern = MakePatternImage(64, 64, false);
    TBitmap bitmap;
    AssignPixelImage(bitmap, pattern);
    TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    jpeg.SetCompressionQuality(95);
    const size_t best = Saved(jpeg).size();
    jpeg.Assign(&bitmap);
    jpeg.SetCompressionQuality(10);
    const std::vector<Byte> small = Saved(jpeg);
    EXPECT_LT(small.size(), best);

    TBytesStream stream(small);
    TJPEGImage loaded;
    loaded.LoadFromStream(stream);
    TBitmap back;
    back.Assign(&loaded);
    EXPECT_LT(MeanColorError(PixelImageOfBitmap(back), pattern), 20.0);
    EXPECT_FALSE(loaded.Transparent());
}

TEST_F(Pictures, IconRoundTripsAsLoadedAndFromAHandle)
{
    const std::vector<Byte> file = SampleIcon();
    TBytesStream stream(file);
    TIcon icon;
    icon.LoadFromStream(stream);
    EXPECT_EQ(icon.Width(), 16);
    EXPECT_EQ(Saved(icon), file) << "the file is saved as it was loaded";

    HICON handle = icon.Handle();
    ASSERT_NE(handle, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(handle, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    TIcon fromHandle;
    fromHandle.SetHandle(CopyIcon(handle));
    EXPECT_EQ(fromHandle.Height(), 16);
    TBytesStream saved(Saved(fromHandle));
    TIcon reloaded;
    reloaded.LoadFromStream(saved);
    TBitmap a, b;
    a.Assign(&icon);
    b.Assign(&reloaded);
    EXPECT_TRUE(SamePixels(PixelImageOfBitmap(a), PixelImageOfBitmap(b)));

    TBitmap bitmap;
    EXPECT_THROW(icon.Assign(SampleBitmap(bitmap, false)), EConvertError);
}

TEST_F(Pictures, MetafileDrawsStretchedAndSavesAnEnhancedMetafile)
{
    TBytesStream stream(SampleEmf());
    TMetafile metafile;
    metafile.LoadFromStream(stream);
    EXPECT_FALSE(metafile.Empty());
    OffscreenSurface surface(20, 20);
    TCanvas canvas;
    canvas.SetHandle(surface.DC());
    canvas.StretchDraw(Rect(0, 0, 20, 10), &metafile);
    canvas.SetHandle(nullptr);
    EXPECT_EQ(surface.Pixel(10, 5), RGB(255, 0, 0));
    EXPECT_EQ(surface.Pixel(10, 15), RGB(255, 255, 255));

    TBytesStream saved(Saved(metafile));
    TMetafile reloaded;
    reloaded.LoadFromStream(saved);
    EXPECT_EQ(reloaded.Width(), metafile.Width());
}

TEST_F(Pictures, PictureDataCarriesTheClassNameThenTheGraphicsData)
{
    TPictureHolder holder(nullptr);
    holder.SetName(u"Holder");
    TBitmap bitmap;
    holder.Picture()->SetGraphic(SampleBitmap(bitmap, true));
    TPngImage png;
    png.Assign(&bitmap);
    holder.Picture()->SetGraphic(&png);

    TMemoryStream stream;
    WriteComponentToStream(stream, &holder);
    const std::vector<Byte> written = BytesOf(stream);
    const std::string text(written.begin(), written.end());
    const size_t data = text.find(std::string("\x09TPngImage\x89PNG", 14));
    EXPECT_NE(data, std::string::npos) << "length byte, class name, then the PNG file";

    TPictureHolder loaded(nullptr);
    stream.SetPosition(0);
    ReadComponentFromStream(stream, &loaded);
    ASSERT_NE(loaded.Picture()->Graphic(), nullptr);
    EXPECT_EQ(loaded.Picture()->Graphic()->ClassName(), u"TPngImage");
    EXPECT_EQ(Saved(*loaded.Picture()->Graphic()), Saved(png));

    // A bitmap's own data is its byte count, then the BMP file.
    holder.Picture()->SetGraphic(&bitmap);
    TMemoryStream bitmapStream;
    WriteComponentToStream(bitmapStream, &holder);
    bitmapStream.SetPosition(0);
    ReadComponentFromStream(bitmapStream, &loaded);
    ASSERT_EQ(loaded.Picture()->Graphic()->ClassName(), u"TBitmap");
    EXPECT_EQ(static_cast<std::uint32_t*>(loaded.Picture()->Bitmap()->ScanLine(3))[0], 0xFFFF0000u);
}

TEST_F(Pictures, PictureFollowsItsGraphicAndHandsOutABitmap)
{
    TPicture picture;
    int changes = 0;
    picture.SetOnChange([&](TObject*) { ++changes; });
    TBitmap* bitmap = picture.Bitmap();
    bitmap->SetSize(5, 6);
    EXPECT_EQ(picture.Width(), 5);
    EXPECT_GE(changes, 2);

    TPicture copy;
    copy.Assign(&picture);
    EXPECT_NE(copy.Graphic(), picture.Graphic()) << "a copy of the graphic";
    EXPECT_EQ(copy.Height(), 6);
    TBitmap target;
    target.Assign(&copy);
    EXPECT_EQ(target.Height(), 6);
    copy.Assign(nullptr);
    EXPECT_EQ(copy.Graphic(), nullptr);
    EXPECT_THROW(copy.LoadFromFile(u"picture.xyz"), EInvalidGraphic);

    // Files: the extension chooses the class.
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const String fileName = String(reinterpret_cast<const Char*>(folder)) + u"tavin_picture_test.PNG";
    TPngImage png;
    png.Assign(bitmap);
    png.SaveToFile(fileName);
    TPicture fromFile;
    fromFile.LoadFromFile(fileName);
    DeleteFileW(reinterpret_cast<const wchar_t*>(fileName.c_str()));
    ASSERT_NE(fromFile.Graphic(), nullptr);
    EXPECT_EQ(fromFile.Graphic()->ClassName(), u"TPngImage");
    EXPECT_EQ(fromFile.Width(), 5);
}

TEST_F(Pictures, GraphicsWithoutASizeOrClipboardFormRaiseTheAbstractError)
{
    TPngImage png;
    EXPECT_THROW(png.SetWidth(3), EAbstractError);
    Word format = 0;
    HANDLE data = nullptr;
    HPALETTE palette = nullptr;
    EXPECT_THROW(png.SaveToClipboardFormat(format, data, palette), EAbstractError);
}

// Every corrupt file is refused by its graphic class with EInvalidGraphic; nothing else escapes.
TEST_F(Pictures, CorruptFilesAreRefusedThroughEveryGraphicClass)
{
    struct Case {
        String kind;
        std::vector<Byte> file;
        std::function<std::unique_ptr<TGraphic>()> make;
    };
    const std::vector<Case> cases = {
        {u"bmp", SampleFile(u"bmp"), [] { return std::make_unique<TBitmap>(); }},
        {u"png", SampleFile(u"png"), [] { return std::make_unique<TPngImage>(); }},
        {u"jpg", SampleFile(u"jpg"), [] { return std::make_unique<TJPEGImage>(); }},
        {u"gif", SampleFile(u"gif"), [] { return std::make_unique<TGIFImage>(); }},
        {u"ico", SampleIcon(), [] { return std::make_unique<TIcon>(); }},
        {u"emf", SampleEmf(), [] { return std::make_unique<TMetafile>(); }},
        {u"tif", {'I', 'I', 0x2A, 0, 8, 0, 0, 0, 0xFF, 0xFF}, [] { return std::make_unique<TWICImage>(); }},
    };
    for (const Case& c : cases) {
        std::vector<std::vector<Byte>> corrupt;
        for (size_t length : {size_t{1}, c.file.size() / 2, c.file.size() - 1})
            corrupt.emplace_back(c.file.begin(), c.file.begin() + static_cast<std::ptrdiff_t>(length));
        std::vector<Byte> flipped = c.file;
        for (size_t i = 8; i < flipped.size(); i += 7)
            flipped[i] ^= 0xA5;
        corrupt.push_back(flipped);
        for (const std::vector<Byte>& bytes : corrupt) {
            auto graphic = c.make();
            TBytesStream stream(bytes);
            try {
                graphic->LoadFromStream(stream);
                // Some damage still decodes (a flipped pixel); the result must be a whole picture.
                EXPECT_GT(graphic->Width(), 0) << ToUtf8(c.kind);
            } catch (const EInvalidGraphic&) {
            }
        }
    }
}

TEST_F(Pictures, FormTextNamesColoursAndCarriesPictureData)
{
    TBitmap bitmap(1, 1);
    bitmap.Canvas()->SetPixels(0, 0, clBlue);
    TMemoryStream bmp;
    bitmap.WriteData(bmp);
    String hex;
    static constexpr char16_t Digits[] = u"0123456789ABCDEF";
    const String name = u"TBitmap";
    std::vector<Byte> data{static_cast<Byte>(name.size())};
    data.insert(data.end(), name.begin(), name.end());
    data.insert(data.end(), static_cast<const Byte*>(bmp.Memory()), static_cast<const Byte*>(bmp.Memory()) + bmp.Size());
    for (Byte b : data) {
        hex += Digits[b >> 4];
        hex += Digits[b & 15];
    }
    const std::string text = "object Holder: TPictureHolder\n  Picture.Data = {" + ToUtf8(hex) + "}\nend\n";
    TPictureHolder holder(nullptr);
    ReadComponentResource(TBytes(text.begin(), text.end()), &holder);
    ASSERT_NE(holder.Picture()->Graphic(), nullptr);
    EXPECT_EQ(holder.Picture()->Bitmap()->Canvas()->Pixels(0, 0), clBlue);

    Int64 color = 0;
    EXPECT_TRUE(IdentToInt(u"TColor", u"clBtnFace", color));
    EXPECT_EQ(color, clBtnFace);
    String ident;
    EXPECT_TRUE(IntToIdent(u"TFontCharset", DEFAULT_CHARSET, ident));
    EXPECT_EQ(ident, u"DEFAULT_CHARSET");
}
