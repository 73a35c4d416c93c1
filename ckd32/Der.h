#pragma once
// A small DER writer and reader: just the universal types that keys and certification requests use.
#include "Bytes.h"

#include <initializer_list>
#include <optional>
#include <string_view>

namespace Der {

enum Tag : std::uint8_t {
    Integer = 0x02,
    BitString = 0x03,
    OctetString = 0x04,
    Null = 0x05,
    ObjectIdentifier = 0x06,
    Utf8String = 0x0C,
    PrintableString = 0x13,
    Ia5String = 0x16,
    Sequence = 0x30,
    Set = 0x31,
    ContextConstructed0 = 0xA0,
};

Bytes Encode(std::uint8_t tag, ByteView content);
Bytes EncodeConstructed(std::uint8_t tag, std::initializer_list<ByteView> parts);
Bytes EncodeSequence(std::initializer_list<ByteView> parts);
// A non-negative integer from its big-endian magnitude (leading zeros allowed; empty means zero).
Bytes EncodeUnsignedInteger(ByteView magnitude);
// A BIT STRING of whole bytes.
Bytes EncodeBitString(ByteView bits);
Bytes EncodeNull();
// Dotted text such as "2.5.4.3"; nothing when the text is not a well-formed identifier.
std::optional<Bytes> EncodeObjectIdentifier(std::string_view dotted);

// Walks the elements of one level of an encoding; each read consumes one element.
class Reader {
public:
    explicit Reader(ByteView data) : FRest(data) {}
    bool AtEnd() const { return FRest.empty(); }
    // The next element must carry `tag`; its content is returned. Fails on any malformed length.
    std::optional<ByteView> Read(std::uint8_t tag);
    // A non-negative INTEGER in minimal form; returns its magnitude without a sign byte.
    std::optional<ByteView> ReadUnsignedInteger();

private:
    ByteView FRest;
};

} // namespace Der
