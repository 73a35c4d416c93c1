// The GDI+ picture sized from a file's header: the extension picks the reader, the content decides
// between image bytes and an SVG document.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PngCodec.h"
#include "RurGDIPPicture.h"
#include "SysUtils.h"

using namespace RurGDIP;

namespace {

TBytes PngBytes(int width, int height)
{
    const std::vector<Byte> png = EncodePng(TPixelImage(width, height));
    return TBytes(png.begin(), png.end());
}

// The bytes in a file of that name in the temporary folder, deleted with the object.
class TTestFile {
public:
    TTestFile(const String& AName, const TBytes& ABytes)
    {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        FName = String(reinterpret_cast<const Char*>(folder)) + u"gdip-picture-test-" + AName;
        TBytesStream stream(ABytes);
        stream.SaveToFile(FName);
    }
    ~TTestFile() { DeleteFileW(reinterpret_cast<LPCWSTR>(FName.c_str())); }
    const String& Name() const { return FName; }

private:
    String FName;
};

} // namespace

TEST(RurGDIPPicture, ImageBytesAreSizedFromTheFileHeader)
{
    const TTestFile png(u"columns.png", PngBytes(7, 3));
    TRurGDIPPicture picture;
    EXPECT_FALSE(picture.GetImageSizesFromFileName(png.Name())); // empty
    picture.LoadFromFile(png.Name());
    picture.SetWidth(1); // no size of its own to set
    EXPECT_FALSE(picture.GetImageSizesFromFileName(png.Name()));
    EXPECT_EQ(picture.Width(), 7);
    EXPECT_EQ(picture.Height(), 3);

    // A reader is chosen by the extension alone: none for ".dat", the wrong one for ".jpg".
    for (const char16_t* name : {u"columns.dat", u"columns.jpg"}) {
        const TTestFile other(name, PngBytes(7, 3));
        EXPECT_FALSE(picture.GetImageSizesFromFileName(other.Name()));
        EXPECT_EQ(picture.Width(), 0);
        EXPECT_EQ(picture.Height(), 0);
    }

    const std::string svg = "<svg viewBox='0 0 40 20'><rect width='20' height='20'/></svg>";
    const TTestFile document(u"document.png", TBytes(svg.begin(), svg.end()));
    picture.LoadFromFile(document.Name());
    EXPECT_TRUE(picture.GetImageSizesFromFileName(document.Name()));
    EXPECT_EQ(picture.Height(), 20);
}
