#include "XMLText.h"

#include <algorithm>
#include <string_view>

namespace XMLText {

namespace {

bool IsContinuation(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at i (overlong forms, surrogates and values past
// U+10FFFF are not), or 0.
size_t SequenceLength(const std::string& s, size_t i)
{
    const auto at = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b = at(i);
    if (b < 0x80)
        return 1;
    size_t length;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        if (b == 0xE0) low = 0xA0;
        if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        if (b == 0xF0) low = 0x90;
        if (b == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > s.size() || at(i + 1) < low || at(i + 1) > high)
        return 0;
    for (size_t k = 2; k < length; ++k)
        if (!IsContinuation(at(i + k)))
            return 0;
    return length;
}

void CheckUtf8(const std::string& s)
{
    for (size_t i = 0; i < s.size();) {
        const size_t length = SequenceLength(s, i);
        if (length == 0)
            Fail(s, i, u"Invalid byte in UTF-8 text");
        i += length;
    }
}

String LowerAscii(std::string s)
{
    String out;
    for (char c : s)
        out += static_cast<Char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : static_cast<unsigned char>(c));
    return out;
}

// The encoding named by a leading "<?xml ... encoding='...'?>", "" when none is named.
String DeclaredEncoding(const std::string& s)
{
    if (s.compare(0, 5, "<?xml") != 0)
        return String();
    const size_t end = s.find("?>");
    const std::string declaration = s.substr(0, end);
    size_t at = declaration.find("encoding");
    if (at == std::string::npos)
        return String();
    at = declaration.find_first_not_of(" \t\r\n", at + 8);
    if (at == std::string::npos || declaration[at] != '=')
        return String();
    at = declaration.find_first_not_of(" \t\r\n", at + 1);
    if (at == std::string::npos || (declaration[at] != '"' && declaration[at] != '\''))
        return String();
    const size_t close = declaration.find(declaration[at], at + 1);
    if (close == std::string::npos)
        return String();
    return LowerAscii(declaration.substr(at + 1, close - at - 1));
}

bool Named(const String& name, std::initializer_list<std::u16string_view> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string FromBytes(const TBytes& bytes, size_t skip, const TEncoding& encoding)
{
    return FromText(encoding.GetString(bytes.data() + skip, bytes.size() - skip));
}

bool IsXmlChar(unsigned long c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// A character reference "&#" digits ";" or "&#x" hex digits ";" at s[at] must name a character
// that may stand in a document. The parser would otherwise write anything it computes (U+0000
// ends the text there, a surrogate or an overflow writes invalid UTF-8).
void CheckReference(const std::string& s, size_t at)
{
    size_t i = at + 2;
    const bool hex = i < s.size() && s[i] == 'x';
    i += hex ? 1 : 0;
    const size_t digits = i;
    unsigned long value = 0;
    for (; i < s.size() && s[i] != ';'; ++i) {
        const int digit = HexDigitValue(static_cast<unsigned char>(s[i]));
        if (digit < 0 || (!hex && digit > 9))
            break;
        value = std::min(value * (hex ? 16 : 10) + static_cast<unsigned long>(digit), 0x110000ul);
    }
    if (i == digits || i >= s.size() || s[i] != ';' || !IsXmlChar(value))
        Fail(s, at, u"Invalid character reference");
}

// Index past the end of markup opened at i by open and closed by close (the end of s when open).
size_t Past(const std::string& s, size_t i, std::string_view close)
{
    const size_t end = s.find(close, i);
    return end == std::string::npos ? s.size() : end + close.size();
}

// Index past the end of a document type declaration at i, whose internal subset holds markup.
size_t PastDocType(const std::string& s, size_t i)
{
    int depth = 0;
    char quote = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (quote)
            quote = c == quote ? 0 : quote;
        else if (c == '"' || c == '\'')
            quote = c;
        else if (c == '<')
            ++depth;
        else if (c == '>' && --depth == 0)
            return i + 1;
    }
    return s.size();
}

// What the parser lets through in text and tags: character references to characters a document
// may not hold, and "<" in attribute values. Comments, CDATA sections and processing instructions
// hold no references.
void CheckMarkup(const std::string& s)
{
    for (size_t i = 0; i < s.size();) {
        if (s[i] == '&' && s.compare(i, 2, "&#") == 0) {
            CheckReference(s, i);
            i += 2;
        } else if (s[i] != '<') {
            ++i;
        } else if (s.compare(i, 4, "<!--") == 0) {
            i = Past(s, i + 4, "-->");
        } else if (s.compare(i, 9, "<![CDATA[") == 0) {
            i = Past(s, i + 9, "]]>");
        } else if (s.compare(i, 2, "<?") == 0) {
            i = Past(s, i + 2, "?>");
        } else if (s.compare(i, 2, "<!") == 0) {
            i = PastDocType(s, i);
        } else {
            char quote = 0;
            for (++i; i < s.size() && (quote || s[i] != '>'); ++i) {
                const char c = s[i];
                if (!quote && (c == '"' || c == '\''))
                    quote = c;
                else if (quote && c == quote)
                    quote = 0;
                else if (quote && c == '<')
                    Fail(s, i, u"\"<\" is not allowed in an attribute value");
                else if (quote && c == '&' && s.compare(i, 2, "&#") == 0)
                    CheckReference(s, i);
            }
        }
    }
}

} // namespace

void Fail(const std::string& utf8, size_t offset, const String& reason)
{
    offset = std::min(offset, utf8.size());
    int line = 1, column = 1;
    for (size_t i = 0; i < offset; ++i) {
        const unsigned char b = static_cast<unsigned char>(utf8[i]);
        if (b == '\n' || (b == '\r' && (i + 1 >= utf8.size() || utf8[i + 1] != '\n'))) {
            ++line;
            column = 1;
        } else if (b == '\r') {
            // the "\n" of this "\r\n" ends the line
        } else if (!IsContinuation(b)) {
            column += b >= 0xF0 ? 2 : 1; // four-byte sequences are two UTF-16 code units
        }
    }
    throw EXMLParseError(reason, line, column);
}

std::string FromText(const String& text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const Char c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            ++i;
        else if (c >= 0xD800 && c < 0xE000)
            Fail(ToUtf8(text.substr(0, i)), std::string::npos, u"Lone surrogate in text");
    }
    return ToUtf8(text);
}

void CheckCharacters(const std::string& s)
{
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r')
            Fail(s, i, u"Control character U+00" + IntToHex(b, 2) + u" is not allowed");
        if (b == 0xEF && (s.compare(i, 3, "\xEF\xBF\xBE") == 0 || s.compare(i, 3, "\xEF\xBF\xBF") == 0))
            Fail(s, i, u"Characters U+FFFE and U+FFFF are not allowed");
    }
    CheckMarkup(s);
}

std::string DecodeBytes(const TBytes& bytes)
{
    const auto startsWith = [&](std::initializer_list<Byte> prefix) {
        return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
    };
    if (startsWith({0xFF, 0xFE, 0x00, 0x00}) || startsWith({0x00, 0x00, 0xFE, 0xFF}))
        throw EXMLParseError(u"UTF-32 documents are not supported", 1, 1);
    if (startsWith({0xFF, 0xFE}))
        return FromBytes(bytes, 2, TEncoding::Unicode());
    if (startsWith({0xFE, 0xFF}))
        return FromBytes(bytes, 2, TEncoding::BigEndianUnicode());
    if (startsWith({'<', 0x00}))
        return FromBytes(bytes, 0, TEncoding::Unicode());
    if (startsWith({0x00, '<'}))
        return FromBytes(bytes, 0, TEncoding::BigEndianUnicode());

    const size_t skip = startsWith({0xEF, 0xBB, 0xBF}) ? 3 : 0;
    std::string text(reinterpret_cast<const char*>(bytes.data()) + skip, bytes.size() - skip);
    const String declared = DeclaredEncoding(text);
    if (declared.empty() || Named(declared, {u"utf-8", u"utf8", u"us-ascii", u"ascii"})) {
        CheckUtf8(text);
        return text;
    }
    // Past a UTF-8 byte-order mark, only UTF-8 can be meant.
    if (skip == 0 && Named(declared, {u"iso-8859-1", u"iso8859-1", u"iso_8859-1", u"latin1", u"l1"}))
        return FromBytes(bytes, 0, TEncoding::ANSI());
    Fail(text, text.find("encoding"), u"Unsupported encoding \"" + declared + u"\"");
}

} // namespace XMLText
