#include "Pem.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text(const Bytes& b) { return std::string(b.begin(), b.end()); }
Bytes Data(std::string_view s) { return Bytes(s.begin(), s.end()); }

TEST(Base64, KnownVectorsBothWays)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"}, {"\xFB\xFF", "+/8="},
    };
    for (auto [plain, encoded] : cases) {
        EXPECT_EQ(Text(Base64Encode(Data(plain))), encoded);
        auto decoded = Base64Decode(encoded);
        ASSERT_TRUE(decoded) << encoded;
        EXPECT_EQ(Text(*decoded), plain);
    }
}

TEST(Base64, MalformedTextIsRefused)
{
    for (const char* text : {"Zg", "Zg=", "Z===", "Zg==Zg==", "Zm9v!", "Zg=a", "=Zg="})
        EXPECT_FALSE(Base64Decode(text)) << text;
    auto spaced = Base64Decode(" Zm9v\r\nYmFy\n");
    ASSERT_TRUE(spaced);
    EXPECT_EQ(Text(*spaced), "foobar");
}

TEST(Pem, LinesOfSixtyFourCharactersWithCrLf)
{
    Bytes der(100, 0x5A); // 136 base64 characters: two full lines and one of eight
    std::string pem = Text(PemEncode("PUBLIC KEY", der));
    std::string body = Text(Base64Encode(der));
    EXPECT_EQ(pem, "-----BEGIN PUBLIC KEY-----\r\n" + body.substr(0, 64) + "\r\n" + body.substr(64, 64) + "\r\n" +
                       body.substr(128) + "\r\n-----END PUBLIC KEY-----\r\n");
    auto back = PemDecode(pem, "PUBLIC KEY");
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, der);
}

TEST(Pem, DecodingChecksTheLabelAndTheArmour)
{
    std::string pem = Text(PemEncode("PUBLIC KEY", Data("key")));
    EXPECT_TRUE(PemDecode("\n  " + pem + "\n\n", "PUBLIC KEY"));
    EXPECT_FALSE(PemDecode(pem, "RSA PUBLIC KEY"));
    EXPECT_FALSE(PemDecode(Text(PemEncode("RSA PUBLIC KEY", Data("key"))), "PUBLIC KEY"));
    EXPECT_FALSE(PemDecode("junk" + pem, "PUBLIC KEY"));
    EXPECT_FALSE(PemDecode(pem.substr(0, pem.size() - 8), "PUBLIC KEY"));
    EXPECT_FALSE(PemDecode("", "PUBLIC KEY"));
    EXPECT_FALSE(PemDecode("-----BEGIN PUBLIC KEY-----", "PUBLIC KEY"));
}

} // namespace
