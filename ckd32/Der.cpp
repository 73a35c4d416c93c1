#include "Der.h"

#include <charconv>

namespace Der {

namespace {

void AppendLength(Bytes& out, std::size_t length)
{
    if (length < 0x80) {
        out.push_back(static_cast<std::uint8_t>(length));
        return;
    }
    std::uint8_t digits[sizeof(std::size_t)];
    std::size_t count = 0;
    for (std::size_t rest = length; rest != 0; rest >>= 8)
        digits[count++] = static_cast<std::uint8_t>(rest & 0xFF);
    out.push_back(static_cast<std::uint8_t>(0x80 | count));
    while (count > 0)
        out.push_back(digits[--count]);
}

void AppendBase128(Bytes& out, std::uint64_t value)
{
    std::uint8_t groups[10];
    std::size_t count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.push_back(static_cast<std::uint8_t>(0x80 | groups[--count]));
    out.push_back(groups[0]);
}

// One arc of a dotted identifier: decimal digits without a superfluous leading zero.
std::optional<std::uint64_t> ParseArc(std::string_view text)
{
    if (text.empty() || (text.size() > 1 && text[0] == '0'))
        return std::nullopt;
    std::uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

Bytes Encode(std::uint8_t tag, ByteView content)
{
    Bytes out;
    out.reserve(content.size() + 6);
    out.push_back(tag);
    AppendLength(out, content.size());
    Append(out, content);
    return out;
}

Bytes EncodeConstructed(std::uint8_t tag, std::initializer_list<ByteView> parts)
{
    Bytes content;
    for (ByteView part : parts)
        Append(content, part);
    return Encode(tag, content);
}

Bytes EncodeSequence(std::initializer_list<ByteView> parts) { return EncodeConstructed(Sequence, parts); }

Bytes EncodeUnsignedInteger(ByteView magnitude)
{
    std::size_t first = 0;
    while (first < magnitude.size() && magnitude[first] == 0)
        ++first;
    Bytes content;
    // A set top bit would read as negative: a zero byte in front keeps the value positive.
    if (first == magnitude.size() || (magnitude[first] & 0x80) != 0)
        content.push_back(0);
    Append(content, magnitude.subspan(first));
    return Encode(Integer, content);
}

Bytes EncodeBitString(ByteView bits)
{
    Bytes content{0}; // no unused bits in the last byte
    Append(content, bits);
    return Encode(BitString, content);
}

Bytes EncodeNull() { return Encode(Null, {}); }

std::optional<Bytes> EncodeObjectIdentifier(std::string_view dotted)
{
    std::uint64_t arcs[2] = {};
    Bytes content;
    std::size_t index = 0;
    while (true) {
        std::size_t dot = dotted.find('.');
        auto arc = ParseArc(dotted.substr(0, dot));
        if (!arc)
            return std::nullopt;
        if (index < 2) {
            arcs[index] = *arc;
        } else {
            AppendBase128(content, *arc);
        }
        if (index == 1) {
            // The first two arcs share one sub-identifier: 40 * first + second.
            if (arcs[0] > 2 || (arcs[0] < 2 && arcs[1] >= 40) || arcs[1] > UINT64_MAX - 80)
                return std::nullopt;
            AppendBase128(content, arcs[0] * 40 + arcs[1]);
        }
        ++index;
        if (dot == std::string_view::npos)
            break;
        dotted.remove_prefix(dot + 1);
    }
    if (index < 2)
        return std::nullopt;
    return Encode(ObjectIdentifier, content);
}

std::optional<ByteView> Reader::Read(std::uint8_t tag)
{
    if (FRest.size() < 2 || FRest[0] != tag)
        return std::nullopt;
    std::size_t length = FRest[1];
    std::size_t header = 2;
    if (length >= 0x80) {
        std::size_t count = length & 0x7F;
        // Indefinite or over-long lengths are not DER.
        if (count == 0 || count > 4 || FRest.size() < 2 + count || FRest[2] == 0)
            return std::nullopt;
        length = 0;
        for (std::size_t i = 0; i < count; ++i)
            length = (length << 8) | FRest[2 + i];
        if (length < 0x80)
            return std::nullopt;
        header += count;
    }
    if (FRest.size() - header < length)
        return std::nullopt;
    ByteView content = FRest.subspan(header, length);
    FRest = FRest.subspan(header + length);
    return content;
}

std::optional<ByteView> Reader::ReadUnsignedInteger()
{
    auto content = Read(Integer);
    if (!content || content->empty() || ((*content)[0] & 0x80) != 0)
        return std::nullopt;
    if ((*content)[0] == 0 && content->size() > 1) {
        if (((*content)[1] & 0x80) == 0)
            return std::nullopt; // a padding zero that DER does not allow
        return content->subspan(1);
    }
    return content;
}

} // namespace Der
