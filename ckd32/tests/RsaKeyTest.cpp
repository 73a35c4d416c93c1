#include "Der.h"
#include "RsaKey.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using V = std::vector<std::uint8_t>;

V Plain(const Bytes& b) { return V(b.begin(), b.end()); }

void Put32(V& blob, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        blob.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A toy key in the platform's blob layout: every field filled with a marker byte of its own.
V ToyBlob(std::uint32_t magic = 0x33415352)
{
    V blob;
    Put32(blob, magic);
    Put32(blob, 16); // bit length
    Put32(blob, 3);  // public exponent
    Put32(blob, 2);  // modulus
    Put32(blob, 1);  // prime 1
    Put32(blob, 1);  // prime 2
    V body = {0x01, 0x00, 0x01, 0xC5, 0x11, 0x0B, 0x0D, 0x1E, 0x2E, 0x3C, 0x44, 0x45};
    blob.insert(blob.end(), body.begin(), body.end());
    return blob;
}

TEST(RsaKey, ParsesTheFullPrivateBlob)
{
    auto key = ParseCngFullPrivateBlob(ToyBlob());
    ASSERT_TRUE(key);
    EXPECT_EQ(Plain(key->publicKey.publicExponent), (V{0x01, 0x00, 0x01}));
    EXPECT_EQ(Plain(key->publicKey.modulus), (V{0xC5, 0x11}));
    EXPECT_EQ(Plain(key->prime1), V{0x0B});
    EXPECT_EQ(Plain(key->prime2), V{0x0D});
    EXPECT_EQ(Plain(key->exponent1), V{0x1E});
    EXPECT_EQ(Plain(key->exponent2), V{0x2E});
    EXPECT_EQ(Plain(key->coefficient), V{0x3C});
    EXPECT_EQ(Plain(key->privateExponent), (V{0x44, 0x45}));
    EXPECT_EQ(ModulusBits(key->publicKey), 16u);
}

TEST(RsaKey, RefusesDamagedBlobs)
{
    V wrongMagic = ToyBlob(0x31415352); // a public blob
    V cut = ToyBlob();
    cut.pop_back();
    V longer = ToyBlob();
    longer.push_back(0);
    V hugeSize = ToyBlob();
    hugeSize[12] = 0xFF;
    hugeSize[15] = 0xFF; // modulus length near 4 GiB
    V header = ToyBlob();
    header.resize(20);
    for (const V& blob : {wrongMagic, cut, longer, hugeSize, header})
        EXPECT_FALSE(ParseCngFullPrivateBlob(blob));
}

TEST(RsaKey, SubjectPublicKeyInfoBytesAndRoundTrip)
{
    RsaPublicKey key{Bytes{0xC5}, Bytes{0x03}};
    V expected = {0x30, 0x1B, 0x30, 0x0D, 0x06, 0x09, 0x2A, 0x86, 0x48, 0x86, 0xF7, 0x0D, 0x01, 0x01, 0x01, 0x05, 0x00,
                  0x03, 0x0A, 0x00, 0x30, 0x07, 0x02, 0x02, 0x00, 0xC5, 0x02, 0x01, 0x03};
    Bytes spki = EncodeSubjectPublicKeyInfo(key);
    EXPECT_EQ(Plain(spki), expected);
    auto back = DecodeSubjectPublicKeyInfo(spki);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->modulus, key.modulus);
    EXPECT_EQ(back->publicExponent, key.publicExponent);
    auto pkcs1 = DecodeRsaPublicKey(EncodeRsaPublicKey(key));
    ASSERT_TRUE(pkcs1);
    EXPECT_EQ(pkcs1->modulus, key.modulus);
}

TEST(RsaKey, DecodingRefusesOtherStructures)
{
    Bytes spki = EncodeSubjectPublicKeyInfo({Bytes{0xC5}, Bytes{0x03}});
    Bytes otherAlgorithm = spki;
    otherAlgorithm[16] = 0x02; // rsaEncryption -> another PKCS#1 identifier
    Bytes trailing = spki;
    trailing.push_back(0);
    EXPECT_FALSE(DecodeSubjectPublicKeyInfo(otherAlgorithm));
    EXPECT_FALSE(DecodeSubjectPublicKeyInfo(trailing));
    EXPECT_FALSE(DecodeSubjectPublicKeyInfo(EncodeRsaPublicKey({Bytes{0xC5}, Bytes{0x03}})));
    EXPECT_FALSE(DecodeRsaPublicKey(spki));
}

TEST(RsaKey, PrivateKeyInfoWrapsPkcs1)
{
    auto key = ParseCngFullPrivateBlob(ToyBlob());
    ASSERT_TRUE(key);
    Bytes info = EncodePrivateKeyInfo(*key);
    Der::Reader outer(info);
    auto sequence = outer.Read(Der::Sequence);
    ASSERT_TRUE(sequence && outer.AtEnd());
    Der::Reader fields(*sequence);
    ASSERT_TRUE(fields.ReadUnsignedInteger());
    ASSERT_TRUE(fields.Read(Der::Sequence));
    auto octets = fields.Read(Der::OctetString);
    ASSERT_TRUE(octets && fields.AtEnd());
    Der::Reader pkcs1Outer(*octets);
    auto pkcs1 = pkcs1Outer.Read(Der::Sequence);
    ASSERT_TRUE(pkcs1);
    Der::Reader numbers(*pkcs1);
    const V expected[] = {{0x00}, {0xC5, 0x11}, {0x01, 0x00, 0x01}, {0x44, 0x45}, {0x0B}, {0x0D}, {0x1E}, {0x2E}, {0x3C}};
    for (const V& number : expected) {
        auto value = numbers.ReadUnsignedInteger();
        ASSERT_TRUE(value);
        EXPECT_EQ(V(value->begin(), value->end()), number);
    }
    EXPECT_TRUE(numbers.AtEnd());
}

} // namespace
