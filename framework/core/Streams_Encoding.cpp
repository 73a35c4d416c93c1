#include <algorithm>

#include "Streams.h"

namespace {

// One byte per character below the limit; '?' stands for everything else in both directions.
class TSingleByteEncoding : public TEncoding {
public:
    explicit constexpr TSingleByteEncoding(unsigned limit) : FLimit(limit) {}

    TBytes GetBytes(const String& s) const override
    {
        TBytes out(s.size());
        std::transform(s.begin(), s.end(), out.begin(),
                       [this](Char c) { return static_cast<Byte>(c < FLimit ? c : u'?'); });
        return out;
    }

    String GetString(const Byte* bytes, size_t count) const override
    {
        String out(count, u'\0');
        std::transform(bytes, bytes + count, out.begin(),
                       [this](Byte b) { return static_cast<Char>(b < FLimit ? b : u'?'); });
        return out;
    }

private:
    unsigned FLimit;
};

class TUTF8Encoding : public TEncoding {
public:
    TBytes GetBytes(const String& s) const override
    {
        const std::string utf8 = ToUtf8(s);
        return TBytes(utf8.begin(), utf8.end());
    }

    String GetString(const Byte* bytes, size_t count) const override
    {
        return FromUtf8(std::string(reinterpret_cast<const char*>(bytes), count));
    }

    TBytes GetPreamble() const override { return {0xEF, 0xBB, 0xBF}; }
};

class TUnicodeEncoding : public TEncoding {
public:
    explicit constexpr TUnicodeEncoding(bool bigEndian) : FBigEndian(bigEndian) {}

    TBytes GetBytes(const String& s) const override
    {
        TBytes out;
        out.reserve(s.size() * 2);
        for (Char c : s) {
            const Byte low = static_cast<Byte>(c & 0xFF), high = static_cast<Byte>(c >> 8);
            out.push_back(FBigEndian ? high : low);
            out.push_back(FBigEndian ? low : high);
        }
        return out;
    }

    // An odd last byte cannot be a whole code unit: it reads as U+FFFD.
    String GetString(const Byte* bytes, size_t count) const override
    {
        String out;
        out.reserve(count / 2 + 1);
        for (size_t i = 0; i + 1 < count; i += 2) {
            const Byte first = bytes[i], second = bytes[i + 1];
            out += static_cast<Char>(FBigEndian ? (first << 8) | second : (second << 8) | first);
        }
        if (count % 2 != 0)
            out += u'\uFFFD';
        return out;
    }

    TBytes GetPreamble() const override
    {
        return FBigEndian ? TBytes{0xFE, 0xFF} : TBytes{0xFF, 0xFE};
    }

private:
    bool FBigEndian;
};

bool StartsWith(const TBytes& buffer, const TBytes& prefix)
{
    return !prefix.empty() && buffer.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), buffer.begin());
}

} // namespace

String TEncoding::GetString(const TBytes& bytes, size_t index, size_t count) const
{
    if (index > bytes.size() || count > bytes.size() - index)
        throw EArgumentOutOfRangeException(u"Argument out of range");
    return GetString(bytes.data() + index, count);
}

const TEncoding& TEncoding::ANSI()
{
    static const TSingleByteEncoding encoding(256);
    return encoding;
}

const TEncoding& TEncoding::ASCII()
{
    static const TSingleByteEncoding encoding(128);
    return encoding;
}

const TEncoding& TEncoding::UTF8()
{
    static const TUTF8Encoding encoding;
    return encoding;
}

const TEncoding& TEncoding::Unicode()
{
    static const TUnicodeEncoding encoding(false);
    return encoding;
}

const TEncoding& TEncoding::BigEndianUnicode()
{
    static const TUnicodeEncoding encoding(true);
    return encoding;
}

size_t TEncoding::GetBufferEncoding(const TBytes& buffer, const TEncoding*& encoding,
                                    const TEncoding& defaultEncoding)
{
    if (encoding) {
        const TBytes preamble = encoding->GetPreamble();
        return StartsWith(buffer, preamble) ? preamble.size() : 0;
    }
    for (const TEncoding* candidate : {&UTF8(), &Unicode(), &BigEndianUnicode()}) {
        const TBytes preamble = candidate->GetPreamble();
        if (StartsWith(buffer, preamble)) {
            encoding = candidate;
            return preamble.size();
        }
    }
    encoding = &defaultEncoding;
    return 0;
}
