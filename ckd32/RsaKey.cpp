#include "RsaKey.h"

#include "Der.h"

namespace {

constexpr std::uint32_t kFullPrivateMagic = 0x33415352; // "RSA3"
constexpr std::size_t kBlobHeaderSize = 6 * 4;

std::uint32_t ReadLittleEndian32(ByteView data, std::size_t at)
{
    return static_cast<std::uint32_t>(data[at]) | static_cast<std::uint32_t>(data[at + 1]) << 8 |
           static_cast<std::uint32_t>(data[at + 2]) << 16 | static_cast<std::uint32_t>(data[at + 3]) << 24;
}

Bytes RsaEncryptionAlgorithm() { return Der::EncodeSequence({*Der::EncodeObjectIdentifier("1.2.840.113549.1.1.1"), Der::EncodeNull()}); }

} // namespace

std::optional<RsaPrivateKey> ParseCngFullPrivateBlob(ByteView blob)
{
    if (blob.size() < kBlobHeaderSize || ReadLittleEndian32(blob, 0) != kFullPrivateMagic)
        return std::nullopt;
    std::size_t exponentSize = ReadLittleEndian32(blob, 8);
    std::size_t modulusSize = ReadLittleEndian32(blob, 12);
    std::size_t prime1Size = ReadLittleEndian32(blob, 16);
    std::size_t prime2Size = ReadLittleEndian32(blob, 20);
    // Sizes come from the blob: take one field at a time so no sum can wrap.
    std::size_t sizes[] = {exponentSize, modulusSize, prime1Size, prime2Size, prime1Size, prime2Size, prime1Size, modulusSize};
    ByteView rest = blob.subspan(kBlobHeaderSize);
    RsaPrivateKey key;
    Bytes* fields[] = {&key.publicKey.publicExponent, &key.publicKey.modulus, &key.prime1, &key.prime2,
                       &key.exponent1, &key.exponent2, &key.coefficient, &key.privateExponent};
    for (std::size_t i = 0; i < 8; ++i) {
        if (sizes[i] == 0 || sizes[i] > rest.size())
            return std::nullopt;
        fields[i]->assign(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(sizes[i]));
        rest = rest.subspan(sizes[i]);
    }
    if (!rest.empty())
        return std::nullopt;
    return key;
}

std::size_t ModulusBits(const RsaPublicKey& key)
{
    std::size_t first = 0;
    while (first < key.modulus.size() && key.modulus[first] == 0)
        ++first;
    if (first == key.modulus.size())
        return 0;
    std::size_t bits = (key.modulus.size() - first) * 8;
    for (std::uint8_t top = key.modulus[first]; (top & 0x80) == 0; top = static_cast<std::uint8_t>(top << 1))
        --bits;
    return bits;
}

Bytes EncodeRsaPublicKey(const RsaPublicKey& key)
{
    return Der::EncodeSequence({Der::EncodeUnsignedInteger(key.modulus), Der::EncodeUnsignedInteger(key.publicExponent)});
}

Bytes EncodeSubjectPublicKeyInfo(const RsaPublicKey& key)
{
    return Der::EncodeSequence({RsaEncryptionAlgorithm(), Der::EncodeBitString(EncodeRsaPublicKey(key))});
}

Bytes EncodePrivateKeyInfo(const RsaPrivateKey& key)
{
    const std::uint8_t zero[] = {0};
    Bytes version = Der::EncodeUnsignedInteger(zero);
    Bytes rsaPrivateKey = Der::EncodeSequence({
        version,
        Der::EncodeUnsignedInteger(key.publicKey.modulus),
        Der::EncodeUnsignedInteger(key.publicKey.publicExponent),
        Der::EncodeUnsignedInteger(key.privateExponent),
        Der::EncodeUnsignedInteger(key.prime1),
        Der::EncodeUnsignedInteger(key.prime2),
        Der::EncodeUnsignedInteger(key.exponent1),
        Der::EncodeUnsignedInteger(key.exponent2),
        Der::EncodeUnsignedInteger(key.coefficient),
    });
    return Der::EncodeSequence({version, RsaEncryptionAlgorithm(), Der::Encode(Der::OctetString, rsaPrivateKey)});
}

std::optional<RsaPublicKey> DecodeRsaPublicKey(ByteView der)
{
    Der::Reader outer(der);
    auto sequence = outer.Read(Der::Sequence);
    if (!sequence || !outer.AtEnd())
        return std::nullopt;
    Der::Reader fields(*sequence);
    auto modulus = fields.ReadUnsignedInteger();
    auto exponent = fields.ReadUnsignedInteger();
    if (!modulus || !exponent || !fields.AtEnd())
        return std::nullopt;
    return RsaPublicKey{Bytes(modulus->begin(), modulus->end()), Bytes(exponent->begin(), exponent->end())};
}

std::optional<RsaPublicKey> DecodeSubjectPublicKeyInfo(ByteView der)
{
    Der::Reader outer(der);
    auto sequence = outer.Read(Der::Sequence);
    if (!sequence || !outer.AtEnd())
        return std::nullopt;
    Der::Reader fields(*sequence);
    auto algorithm = fields.Read(Der::Sequence);
    auto bits = fields.Read(Der::BitString);
    if (!algorithm || !bits || !fields.AtEnd() || bits->empty() || (*bits)[0] != 0 ||
        Der::Encode(Der::Sequence, *algorithm) != RsaEncryptionAlgorithm())
        return std::nullopt;
    return DecodeRsaPublicKey(bits->subspan(1));
}
