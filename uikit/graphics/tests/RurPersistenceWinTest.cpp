#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "GraphicUnits.h"
#include "RurPersistence.h"

namespace {

class TPictureHolder : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TPictureHolder, TPersistent)
public:
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* v) { FPicture->Assign(v); }
    TColor Back() const { return FBack; }
    void SetBack(TColor v) { FBack = v; }

private:
    std::unique_ptr<TPicture> FPicture = std::make_unique<TPicture>();
    TColor FBack = clBtnFace;
};

TAVIN_PUBLISHED(TPictureHolder)
{
    TAVIN_PROPERTY(TColor, Back);
    TAVIN_PROPERTY(TPicture*, Picture);
}

class RurPersistenceWin : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartGraphicUnits();
        RurPersistenceInitialize();
        RurPersistenceWin32Initialize();
    }
    void TearDown() override { RurPersistenceFinalize(); }
};

std::string Save(TObject* object)
{
    TStringStream stream;
    TRurPersistence::SaveSettingsToStream(object, stream);
    return ToUtf8(stream.DataString());
}

void Load(TObject* object, const std::string& text)
{
    TStringStream stream(FromUtf8(text));
    TRurPersistence::LoadSettingsFromStream(object, stream);
}

} // namespace

TEST_F(RurPersistenceWin, PlatformFontIsWrittenWithItsSizeMark)
{
    TFont font;
    font.SetName(u"Tahoma");
    font.SetHeight(-11);
    font.SetColor(clBlack);
    font.SetCharset(1);
    const char expected[] = R"({"$type":"TFont","Charset":1,"Color":"#000000","Height":-11,"Name":"Tahoma",)"
                            R"("Orientation":0,"Pitch":0,"Quality":0,"Size":8,"IsFMX":false,"Style":0})";
    EXPECT_EQ(Save(&font), expected);

    // A size in pixels becomes points: 16 pixels at 96 dpi are 12 points.
    TFont copy;
    Load(&copy, R"({"$type":"TFont","Size":16,"IsFMX":true})");
    EXPECT_EQ(copy.Size(), 12);
}

TEST_F(RurPersistenceWin, SystemColoursAreWrittenAsTheirCurrentRGB)
{
    TPictureHolder holder;
    const TColor rgb = ColorToRGB(clBtnFace);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
    EXPECT_NE(Save(&holder).find(std::string(R"("Back":")") + text + "\""), std::string::npos);
}

TEST_F(RurPersistenceWin, PicturesTravelAsHexadecimalData)
{
    TPictureHolder holder;
    EXPECT_NE(Save(&holder).find(R"("Picture":"")"), std::string::npos);

    TBitmap bitmap;
    bitmap.SetSize(2, 3);
    holder.Picture()->SetGraphic(&bitmap);
    const std::string text = Save(&holder);
    EXPECT_NE(text.find(R"("Picture":"424D)"), std::string::npos) << text;

    TPictureHolder copy;
    Load(&copy, text);
    ASSERT_NE(copy.Picture()->Graphic(), nullptr);
    EXPECT_EQ(copy.Picture()->Width(), 2);
    EXPECT_EQ(copy.Picture()->Height(), 3);
    // Null and the empty text leave the picture as it is.
    Load(&copy, R"({"$type":"","Picture":null})");
    Load(&copy, R"({"$type":"","Picture":""})");
    EXPECT_EQ(copy.Picture()->Width(), 2);
}
