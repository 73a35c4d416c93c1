#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "GifImg.h"
#include "GraphicUnits.h"
#include "Jpeg.h"
#include "PngImage.h"
#include "RurTypes.h"
#include "RurUtils.h"

namespace {

class RurUtilsWin : public ::testing::Test {
protected:
    void SetUp() override { StartGraphicUnits(); }
};

// A picture holding a bitmap of the size.
void PutBitmap(TPicture& picture, int width, int height)
{
    TBitmap bitmap;
    bitmap.SetSize(width, height);
    picture.SetGraphic(&bitmap);
}

} // namespace

TEST_F(RurUtilsWin, FindsTheGraphicClassWithinTheBuffer)
{
    std::vector<Byte> emf(44);
    emf[0] = 1;
    emf[40] = 0x20, emf[41] = 0x45, emf[42] = 0x4D, emf[43] = 0x46;
    const struct {
        std::vector<Byte> Bytes;
        TClass Expected; // null: no class
    } cases[] = {
        {{}, nullptr},
        {{0x42}, nullptr},
        {{0x42, 0x4D}, TBitmap::StaticClass()},
        {{0x49, 0x49, 0x2A, 0x00}, TWICImage::StaticClass()},
        {{0xFF, 0xD8}, TJPEGImage::StaticClass()},
        {{0x89, 0x50, 0x4E, 0x47}, nullptr},
        {{0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A}, TPngImage::StaticClass()},
        {{0xD7, 0xCD, 0xC6, 0x9A}, TMetafile::StaticClass()},
        {emf, TMetafile::StaticClass()},
        {std::vector<Byte>(emf.begin(), emf.end() - 1), nullptr},
        {{'G', 'I', 'F'}, TGIFImage::StaticClass()},
        {{0, 0, 1, 0}, TIcon::StaticClass()},
    };
    for (const auto& c : cases) {
        TClass found = TObject::StaticClass();
        EXPECT_EQ(TRurUtils::FindGraphicClass(c.Bytes.data(), Int64(c.Bytes.size()), found), c.Expected != nullptr);
        EXPECT_EQ(found, c.Expected) << c.Bytes.size() << " bytes";
    }
}

TEST_F(RurUtilsWin, PicturesAsTextAndBack)
{
    TPicture empty;
    EXPECT_EQ(TRurUtils::SaveBitmapToHexStr(empty), u"");
    EXPECT_EQ(TRurUtils::SaveBitmapToBase64(empty, false), u"");

    TPicture picture;
    PutBitmap(picture, 2, 3);
    const String hex = TRurUtils::SaveBitmapToHexStr(picture);
    EXPECT_EQ(hex.substr(0, 4), u"424D");
    TPicture fromHex;
    TRurUtils::LoadBitmapFromHexStr(hex, fromHex);
    EXPECT_EQ(fromHex.Width(), 2);
    EXPECT_EQ(fromHex.Height(), 3);

    // A data URL in the bytes and data of no known format leave the picture as it is.
    TRurUtils::LoadBitmapFromHexStr(u"646174613A3B6261736536342C", fromHex);
    TRurUtils::LoadBitmapFromHexStr(u"0102", fromHex);
    EXPECT_EQ(fromHex.Width(), 2);

    std::unique_ptr<TRurBitmap> fromBase64 =
        TRurUtils::CreateBitmapFromBase64(u"data:image/bmp;base64," + TRurUtils::SaveBitmapToBase64(picture, true), true);
    EXPECT_EQ(fromBase64->Height(), 3);
    EXPECT_EQ(TRurUtils::GetImageType(*fromBase64), u".bmp");
    std::unique_ptr<TRurBitmap> fromHexText = TRurUtils::CreateBitmapFromHexStr(hex);
    EXPECT_EQ(fromHexText->Width(), 2);
    TRurBitmap none;
    EXPECT_EQ(TRurUtils::GetImageType(none), u"");
}

TEST_F(RurUtilsWin, ConvertsPicturesToJPEG)
{
    TPicture empty;
    EXPECT_EQ(TRurUtils::ConvertBitmapToJPEGStream(empty, 0.8f, clNone), nullptr);

    TPicture picture;
    PutBitmap(picture, 4, 2);
    std::unique_ptr<TMemoryStream> jpeg = TRurUtils::ConvertBitmapToJPEGStream(picture, 0.8f, clNone);
    ASSERT_NE(jpeg, nullptr);
    jpeg->SetPosition(0);
    TJPEGImage decoded;
    decoded.LoadFromStream(*jpeg);
    EXPECT_EQ(decoded.Width(), 4);
    EXPECT_EQ(decoded.Height(), 2);

    // JPEG data comes back unchanged.
    TPicture fromJpeg;
    fromJpeg.SetGraphic(&decoded);
    std::unique_ptr<TMemoryStream> copy = TRurUtils::ConvertBitmapToJPEGStream(fromJpeg, 0.1f, clRed);
    ASSERT_NE(copy, nullptr);
    ASSERT_EQ(copy->Size(), jpeg->Size());
    EXPECT_EQ(std::memcmp(copy->Memory(), jpeg->Memory(), std::size_t(jpeg->Size())), 0);
}

TEST_F(RurUtilsWin, FontSizesFoldersAndScale)
{
    for (const auto& [size, height] : {std::pair{16.0f, -16}, {13.0f, -13}, {12.0f, -12}}) {
        TFont font;
        TRurUtils::SetFontSize(font, size);
        EXPECT_EQ(font.Height(), height) << size;
    }
    EXPECT_EQ(TRurUtils::GetAppPath().back(), u'\\');
    EXPECT_EQ(TRurUtils::GetTempPath().back(), u'\\');
    EXPECT_FALSE(TRurUtils::GetDocumentsPath().empty());
    EXPECT_EQ(TRurUtils::GetDPIScale(nullptr, 96), 1.0f);
    EXPECT_EQ(TRurUtils::GetOwnerForm(nullptr), nullptr);
}

TEST_F(RurUtilsWin, ResourcesOfTheProgram)
{
    std::unique_ptr<TResourceStream> stream = TRurUtils::GetResourceStream(u"PICTURE");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(TRurUtils::GetImageType(*stream, true), u".bmp");
    EXPECT_EQ(TRurUtils::GetResourceStream(u"MISSING"), nullptr);
}

TEST_F(RurUtilsWin, DownloadFailureNamesTheURL)
{
    try {
        TRurUtils::DownloadImage(u"http://127.0.0.1:9/none.png");
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), u"Cannot open URL http://127.0.0.1:9/none.png");
    }
}
