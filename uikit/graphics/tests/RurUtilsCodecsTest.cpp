#include <gtest/gtest.h>

#include "RurUtils.h"

TEST(RurUtilsCodecs, Base64StandardAndUrlSafe)
{
    struct Case { TBytes bytes; String standard, urlSafe; };
    const Case cases[] = {
        {{0xFB, 0xFF, 0xFE}, u"+//+", u"-__-"},
        {{0x61, 0x62}, u"YWI=", u"YWI"},
        {{0x61}, u"YQ==", u"YQ"},
        {{}, u"", u""},
        {{0x00, 0x10, 0x83, 0x10, 0x51, 0x87}, u"ABCDEFGH", u"ABCDEFGH"},
    };
    for (const auto& c : cases) {
        TBytesStream stream(c.bytes);
        stream.SetPosition(Int64(c.bytes.size()));
        EXPECT_EQ(TRurUtils::SaveStreamToBase64(stream, false), c.standard);
        EXPECT_EQ(TRurUtils::SaveStreamToBase64(stream, true), c.urlSafe);
        EXPECT_EQ(TRurUtils::Decode64ToBytes(c.standard, false), c.bytes);
        EXPECT_EQ(TRurUtils::Decode64ToBytes(c.urlSafe, true), c.bytes);
    }
    EXPECT_EQ(TRurUtils::Decode64ToBytes(u"YW\r\nI=", false), (TBytes{0x61, 0x62}));

    TBytesStream target({1, 2, 3});
    target.SetPosition(1);
    TRurUtils::LoadStreamFromBase64(u"YWI", target, true);
    EXPECT_EQ(target.Bytes(), (TBytes{1, 0x61, 0x62}));
}

TEST(RurUtilsCodecs, HexadecimalText)
{
    TBytesStream stream({0x0A, 0xFF});
    stream.SetPosition(1);
    EXPECT_EQ(TRurUtils::SaveStreamToHexStr(stream), u"0AFF");
    EXPECT_EQ(TRurUtils::HexStrToBytes(u"0aff"), (TBytes{0x0A, 0xFF}));
    EXPECT_EQ(TRurUtils::HexStrToBytes(u""), TBytes{});
    // A lone last digit has no partner: it is not decoded and nothing past the text is read.
    EXPECT_EQ(TRurUtils::HexStrToBytes(u"0aF"), (TBytes{0x0A}));
    EXPECT_EQ(TRurUtils::HexStrToBytes(u"7"), TBytes{});
    try {
        TRurUtils::HexStrToBytes(u"00zz");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'$zz' is not a valid integer value");
    }

    TBytesStream target({9, 9, 9});
    target.SetPosition(2);
    TRurUtils::LoadStreamFromHexStr(u"A0b1c", target);
    EXPECT_EQ(target.Bytes(), (TBytes{9, 9, 0xA0, 0xB1}));
}

TEST(RurUtilsCodecs, UrlEncoding)
{
    EXPECT_EQ(TRurUtils::URLEncode(u"a b~\u00E9"), u"a%20b%7E%C3%A9");
    EXPECT_EQ(TRurUtils::URLEncode(u"Az09-._+/"), u"Az09-._%2B%2F");
    struct Case { String in, out; };
    const Case cases[] = {
        {u"a%20b%7E%C3%A9", u"a b~\u00E9"},
        {u"%zz1", u"1"},
        {u"a+b", u"a+b"},
        {u"%c3%A9x", u"\uFFFDx"},
        {u"x%4", u"x"},
        {u"x%", u"x"},
        {u"%20 a %09", u"a"},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TRurUtils::URLDecode(c.in), c.out) << ToUtf8(c.in);
}

TEST(RurUtilsCodecs, RecognisesImageTypesAndKeepsThePosition)
{
    struct Case { TBytes bytes; const char16_t* type; };
    const Case cases[] = {
        {{0x89, 0x50, 0x4E, 0x47}, u".png"},
        {{0x47, 0x49, 0x46, 0x38, 0x39}, u".gif"},
        {{0x42, 0x4D, 0, 0}, u".bmp"},
        {{0x49, 0x49, 0x2A, 0}, u".tiff"},
        {{0x4D, 0x4D, 0x2A, 0}, u".tiff"},
        {{0xFF, 0xD8, 0xFF, 0xDB}, u".jpg"},
        {{0, 0, 1, 0}, u".unknown"},
        {{0, 0, 0, 0}, u".empty"},
        {{0xFF, 0xD8, 0xFF, 0xEE}, u""},
        {{0x89, 0x50, 0x4E}, u""},
        {{}, u""},
    };
    for (const auto& c : cases) {
        TBytesStream stream(c.bytes);
        stream.SetPosition(Int64(c.bytes.size()));
        EXPECT_EQ(TRurUtils::GetImageType(stream, true), c.type);
        EXPECT_EQ(stream.Position(), Int64(c.bytes.size()));
    }
    TBytesStream shifted({0, 0x42, 0x4D, 0, 0});
    shifted.SetPosition(1);
    EXPECT_EQ(TRurUtils::GetImageType(shifted, false), u".bmp");
    EXPECT_EQ(shifted.Position(), 1);
}
