// TRurUtils: Base64, hexadecimal and URL codecs.
#include "RurUtils.h"

#include <algorithm>

#include "RurJSONEscape.h"

namespace {

const char Base64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
const char UpperHexDigits[] = "0123456789ABCDEF";

int Base64Value(Char c)
{
    if (c >= u'A' && c <= u'Z')
        return c - u'A';
    if (c >= u'a' && c <= u'z')
        return c - u'a' + 26;
    if (c >= u'0' && c <= u'9')
        return c - u'0' + 52;
    if (c == u'+')
        return 62;
    if (c == u'/')
        return 63;
    return -1;
}

// Standard alphabet, "=" padding, no line breaks.
String EncodeBase64(const TBytes& bytes)
{
    String out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const unsigned group = unsigned(bytes[i]) << 16 | unsigned(bytes[i + 1]) << 8 | bytes[i + 2];
        for (int shift = 18; shift >= 0; shift -= 6)
            out += Char(Base64Alphabet[(group >> shift) & 63]);
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        const unsigned group = unsigned(bytes[i]) << 16 | (rest == 2 ? unsigned(bytes[i + 1]) << 8 : 0u);
        out += Char(Base64Alphabet[(group >> 18) & 63]);
        out += Char(Base64Alphabet[(group >> 12) & 63]);
        out += rest == 2 ? Char(Base64Alphabet[(group >> 6) & 63]) : u'=';
        out += u'=';
    }
    return out;
}

TBytes ReadWholeStream(TStream& stream)
{
    stream.SetPosition(0);
    TBytes bytes(std::size_t(stream.Size()));
    bytes.resize(std::size_t(stream.Read(bytes.data(), Int64(bytes.size()))));
    return bytes;
}

void WriteBytes(TStream& stream, const TBytes& bytes)
{
    stream.WriteBuffer(bytes.data(), Int64(bytes.size()));
}

struct ImageSignature {
    const Char* Type;
    std::size_t Length;
    Byte Lead[4];
};

const ImageSignature ImageSignatures[] = {
    {u".gif", 3, {0x47, 0x49, 0x46}},        {u".bmp", 2, {0x42, 0x4D}},
    {u".png", 4, {0x89, 0x50, 0x4E, 0x47}},  {u".tiff", 3, {0x49, 0x49, 0x2A}},
    {u".tiff", 3, {0x4D, 0x4D, 0x2A}},       {u".jpg", 4, {0xFF, 0xD8, 0xFF, 0xE0}},
    {u".jpg", 4, {0xFF, 0xD8, 0xFF, 0xE1}},  {u".jpg", 4, {0xFF, 0xD8, 0xFF, 0xDB}},
    {u".unknown", 4, {0x00, 0x00, 0x01, 0x00}}, {u".empty", 4, {0x00, 0x00, 0x00, 0x00}},
};

} // namespace

String TRurUtils::SaveStreamToBase64(TStream& AStream, bool AURL)
{
    String text = EncodeBase64(ReadWholeStream(AStream));
    if (!AURL)
        return text;
    String urlSafe;
    urlSafe.reserve(text.size());
    for (Char c : text)
        if (c != u'=')
            urlSafe += c == u'+' ? u'-' : c == u'/' ? u'_' : c;
    return urlSafe;
}

void TRurUtils::LoadStreamFromBase64(const String& ABase64, TStream& AStream, bool AURL)
{
    WriteBytes(AStream, Decode64ToBytes(ABase64, AURL));
}

String TRurUtils::SaveStreamToHexStr(TStream& AStream)
{
    const TBytes bytes = ReadWholeStream(AStream);
    String text;
    text.reserve(bytes.size() * 2);
    for (Byte b : bytes) {
        text += Char(UpperHexDigits[b >> 4]);
        text += Char(UpperHexDigits[b & 15]);
    }
    return text;
}

void TRurUtils::LoadStreamFromHexStr(const String& AHexStr, TStream& AStream)
{
    WriteBytes(AStream, HexStrToBytes(AHexStr));
}

String TRurUtils::GetImageType(TStream& AData, bool AResetPosition)
{
    const Int64 position = AData.Position();
    if (AResetPosition)
        AData.SetPosition(0);
    Byte lead[4];
    const Int64 count = AData.Read(lead, sizeof lead);
    AData.SetPosition(position);
    if (count != Int64(sizeof lead))
        return String();
    for (const ImageSignature& signature : ImageSignatures)
        if (std::equal(signature.Lead, signature.Lead + signature.Length, lead))
            return signature.Type;
    return String();
}

TBytes TRurUtils::Decode64ToBytes(const String& AValue, bool AURL)
{
    String text = AValue;
    if (AURL) {
        while (text.size() % 4 != 0)
            text += u'=';
        for (Char& c : text)
            c = c == u'-' ? u'+' : c == u'_' ? u'/' : c;
    }
    // Characters outside the alphabet (line breaks, for instance) are passed over; padding ends the data.
    TBytes bytes;
    bytes.reserve(text.size() / 4 * 3);
    unsigned group = 0;
    int bits = 0;
    for (Char c : text) {
        if (c == u'=')
            break;
        const int value = Base64Value(c);
        if (value < 0)
            continue;
        group = (group << 6 | unsigned(value)) & 0xFFFFFF;
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes.push_back(Byte(group >> bits));
        }
    }
    return bytes;
}

TBytes TRurUtils::HexStrToBytes(const String& AValue)
{
    // A lone last digit has no partner and is not decoded.
    TBytes bytes(AValue.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int high = HexDigitValue(AValue[2 * i]);
        const int low = HexDigitValue(AValue[2 * i + 1]);
        if (high < 0 || low < 0)
            throw EConvertError(u"'$" + AValue.substr(2 * i, 2) + u"' is not a valid integer value");
        bytes[i] = Byte(high << 4 | low);
    }
    return bytes;
}

String TRurUtils::URLEncode(const String& AURL)
{
    String out;
    for (char c : ToUtf8(AURL)) {
        const unsigned char b = static_cast<unsigned char>(c);
        const bool plain = (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') ||
                           b == '-' || b == '.' || b == '_';
        if (plain) {
            out += Char(b);
        } else {
            out += u'%';
            out += Char(UpperHexDigits[b >> 4]);
            out += Char(UpperHexDigits[b & 15]);
        }
    }
    return out;
}

String TRurUtils::URLDecode(const String& AURL)
{
    auto upperHexValue = [](Char c) { return c >= u'a' && c <= u'f' ? -1 : HexDigitValue(c); };
    std::string bytes;
    std::size_t i = 0;
    while (i < AURL.size()) {
        if (AURL[i] != u'%') {
            bytes += char(AURL[i] & 0xFF);
            ++i;
            continue;
        }
        // A "%" takes the next two characters; an invalid or short pair yields nothing.
        if (i + 2 < AURL.size()) {
            const int high = upperHexValue(AURL[i + 1]);
            const int low = upperHexValue(AURL[i + 2]);
            if (high >= 0 && low >= 0)
                bytes += char(high << 4 | low);
        }
        i += 3;
    }
    return Trim(FromUtf8(bytes));
}
