#include "RurJSONReader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "RurJSONAnsi.h"
#include "RurJSONEscape.h"

namespace {

bool IsLiteralTerminator(Char c)
{
    switch (c) {
    case u'/': case u'\\': case u';': case u'#': case u'{': case u'}': case u'[': case u']':
    case u':': case u',': case u'\'': case u' ': case u'\r': case u'\n': case u'\f': case u'\t':
        return true;
    default:
        return false;
    }
}

bool IsDigit(Char c)
{
    return c >= u'0' && c <= u'9';
}

Char AsciiLower(Char c)
{
    return c >= u'A' && c <= u'Z' ? Char(c + 32) : c;
}

} // namespace

TRurJSONStreamReader::TRurJSONStreamReader(TStream& aStream)
    : FData(new Byte[std::size_t(aStream.Size())]), FSize(std::size_t(aStream.Size()))
{
    aStream.ReadBuffer(FData.get(), Int64(FSize));
}

void TRurJSONStreamReader::RaiseEndOfInput()
{
    throw EEndOfInputReached();
}

TRurJSONReader::EInvalidStateException::EInvalidStateException(TRurJSONState AExpected)
    : Exception(Format(u"Invalid Json parser state. Expected state: %d", {int(AExpected)})), FExpected(AExpected)
{
}

TRurJSONReader::TRurJSONReader(TStream& AStream) : FReader(AStream) {}

void TRurJSONReader::ConsumeStructural()
{
    NextNonWhitespace();
    FReader.MoveNext(1);
    NextNonWhitespace();
}

void TRurJSONReader::Push(TRurJSONScope AScope)
{
    if (FStackSize == MaxScopes)
        throw ETooManyDepthLevels();
    FStack[FStackSize++] = AScope;
}

TRurJSONReader::TRurJSONState TRurJSONReader::DoPeek()
{
    switch (Top()) {
    case jscEmptyDocument:
        Top() = jscNonEmptyDocument;
        return ReadValue(false);
    case jscEmptyArray:
        Top() = jscNonEmptyArray;
        return ReadValue(true);
    case jscNonEmptyArray:
        switch (NextNonWhitespace()) {
        case u',':
            ConsumeStructural();
            return ReadValue(false);
        case u']':
            ConsumeStructural();
            return jstEndArray;
        default:
            throw EUnterminatedArray();
        }
    case jscEmptyObject:
    case jscNonEmptyObject: {
        const bool empty = Top() == jscEmptyObject;
        Top() = jscDanglingName;
        if (!empty) {
            const Char c = NextNonWhitespace();
            if (c == u'}') {
                ConsumeStructural();
                return jstEndObject;
            }
            if (c != u',')
                throw EUnterminatedObject();
            ConsumeStructural();
        }
        const Char c = NextNonWhitespace();
        if (c == u'"') {
            FReader.MoveNext(1);
            return jstDoubleQuotedName;
        }
        if (c == u'}' && empty) {
            ConsumeStructural();
            return jstEndObject;
        }
        throw ENameExpected();
    }
    case jscDanglingName:
        Top() = jscNonEmptyObject;
        if (NextNonWhitespace() != u':')
            throw EColonExpected();
        ConsumeStructural();
        return ReadValue(false);
    case jscNonEmptyDocument:
        NextNonWhitespace();
        if (FReader.Eof())
            return jstEOF;
        throw EMultipleRootNotAllowed();
    }
    throw EExpectedValue(); // unreachable: every scope is handled above
}

TRurJSONReader::TRurJSONState TRurJSONReader::ReadValue(bool AEndArrayAllowed)
{
    const bool atDocument = Top() == jscNonEmptyDocument;
    const Char c = NextNonWhitespace();
    switch (c) {
    case u'"':
        if (atDocument)
            throw EObjectOrArrayExpected();
        FReader.MoveNext(1);
        return jstDoubleQuoted;
    case u'[':
        ConsumeStructural();
        return jstBeginArray;
    case u'{':
        ConsumeStructural();
        return jstBeginObject;
    case u']':
        if (!AEndArrayAllowed)
            throw EExpectedValue();
        ConsumeStructural();
        return jstEndArray;
    default:
        break;
    }
    if (atDocument)
        throw EObjectOrArrayExpected();
    const Char lower = AsciiLower(c);
    if (lower == u't' || lower == u'f' || lower == u'n')
        return ReadKeyword(lower);
    if (c == u'-' || IsDigit(c))
        return ReadNumber();
    throw EExpectedValue();
}

TRurJSONReader::TRurJSONState TRurJSONReader::ReadKeyword(Char AFirst)
{
    const char* word = AFirst == u't' ? "true" : AFirst == u'f' ? "false" : "null";
    for (const char* letter = word; *letter != 0; ++letter)
        if (AsciiLower(FReader.ReadChar()) != Char(*letter))
            throw EExpectedValue();
    if (!FReader.Eof() && !IsLiteralTerminator(FReader.PeekChar()))
        throw EExpectedValue();
    return AFirst == u't' ? jstTrue : AFirst == u'f' ? jstFalse : jstNull;
}

TRurJSONReader::TRurJSONState TRurJSONReader::ReadNumber()
{
    enum Part { None, Sign, Digit, Decimal, FractionDigit, Exponent, ExponentSign, ExponentDigit };
    constexpr Int64 minValue = std::numeric_limits<Int64>::min();
    constexpr Int64 minTenth = minValue / 10;

    Part part = None;
    bool negative = false;
    bool fits = true;
    Int64 value = 0; // accumulated negatively, so that the most negative value fits
    std::size_t length = 0;
    for (;;) {
        const Char c = FReader.NextChar();
        if (IsDigit(c)) {
            const int digit = c - u'0';
            if (part == Digit) {
                if (value == 0)
                    throw EExpectedValue(); // no digit may follow a leading zero
                fits = fits && (value > minTenth || (value == minTenth && digit <= -(minValue % 10)));
                if (fits)
                    value = value * 10 - digit;
            } else if (part == None || part == Sign) {
                part = Digit;
                value = -digit;
            } else if (part == Decimal || part == FractionDigit) {
                part = FractionDigit;
            } else {
                part = ExponentDigit;
            }
        } else if (c == u'-' && (part == None || part == Exponent)) {
            negative = negative || part == None;
            part = part == None ? Sign : ExponentSign;
        } else if (c == u'+' && part == Exponent) {
            part = ExponentSign;
        } else if (c == u'.' && part == Digit) {
            part = Decimal;
        } else if ((c == u'e' || c == u'E') && (part == Digit || part == FractionDigit)) {
            part = Exponent;
        } else if (IsLiteralTerminator(c)) {
            FReader.Backup(c);
            break;
        } else {
            throw EExpectedValue();
        }
        if (length + 1 >= NumberBufferSize - 1)
            throw EExpectedValue();
        FPeekedNumber[length++] = char(c);
    }
    FPeekedNumber[length] = 0;
    FPeekedNumberLength = length;
    if (part == Digit && fits && (negative || value != minValue)) {
        FPeekedInt64 = negative ? value : -value;
        return jstInt64;
    }
    if (part == Digit || part == FractionDigit || part == ExponentDigit)
        return jstNumber;
    throw EExpectedValue();
}

String TRurJSONReader::ReadQuotedText()
{
    const Byte* data = FReader.Data();
    const std::size_t start = FReader.Position();
    const void* quote = std::memchr(data + start, '"', FReader.Size() - start);
    const std::size_t end = quote ? std::size_t(static_cast<const Byte*>(quote) - data) : FReader.Size();
    FReader.SetPosition(quote ? end + 1 : end);
    const std::size_t length = end - start;
    const bool escaped = std::memchr(data + start, '\\', length) != nullptr;
    // The writer writes pure ASCII; only other texts need the code page, before any unescaping.
    if (std::any_of(data + start, data + end, [](Byte b) { return b >= 0x80; })) {
        String chars(length, Char(0));
        RurJSONAnsiToChars(chars.data(), data + start, length);
        if (!escaped)
            return chars;
        if (FScratch.size() < length)
            FScratch.resize(length);
        return String(FScratch.data(), RurJSONEscape::UnescapeInto(FScratch.data(), chars.data(), length));
    }
    // Most names and many values hold no escape: they are widened straight into the result.
    if (!escaped)
        return String(data + start, data + end);
    if (FScratch.size() < length)
        FScratch.resize(length);
    return String(FScratch.data(), RurJSONEscape::UnescapeInto(FScratch.data(), data + start, length));
}

TRurJSONToken TRurJSONReader::Peek()
{
    switch (PeekState()) {
    case jstBeginObject: return jstoBeginObject;
    case jstEndObject: return jstoEndObject;
    case jstBeginArray: return jstoBeginArray;
    case jstEndArray: return jstoEndArray;
    case jstTrue:
    case jstFalse: return jstoBoolean;
    case jstNull: return jstoNull;
    case jstDoubleQuoted:
    case jstBuffered: return jstoText;
    case jstDoubleQuotedName: return jstoName;
    case jstInt64:
    case jstNumber: return jstoNumber;
    case jstEOF:
    case jstNone: break;
    }
    return jstoEOF;
}

bool TRurJSONReader::HasNext()
{
    const TRurJSONToken token = Peek();
    return token != jstoEndObject && token != jstoEndArray;
}

bool TRurJSONReader::IsNull()
{
    return Peek() == jstoNull;
}

bool TRurJSONReader::Eof()
{
    return Peek() == jstoEOF;
}

void TRurJSONReader::Expect(TRurJSONState AExpected)
{
    if (PeekState() != AExpected)
        throw EInvalidStateException(AExpected);
    FPeeked = jstNone;
}

void TRurJSONReader::ReadBeginArray()
{
    Expect(jstBeginArray);
    Push(jscEmptyArray);
}

void TRurJSONReader::ReadEndArray()
{
    Expect(jstEndArray);
    Pop();
}

void TRurJSONReader::ReadBeginObject()
{
    Expect(jstBeginObject);
    Push(jscEmptyObject);
}

void TRurJSONReader::ReadEndObject()
{
    Expect(jstEndObject);
    Pop();
}

String TRurJSONReader::ReadName()
{
    Expect(jstDoubleQuotedName);
    return ReadQuotedText();
}

String TRurJSONReader::PeekName()
{
    if (PeekState() != jstDoubleQuotedName)
        throw EInvalidStateException(jstDoubleQuotedName);
    const std::size_t position = FReader.Position();
    String name = ReadQuotedText();
    FReader.SetPosition(position);
    return name;
}

String TRurJSONReader::ReadString()
{
    String text;
    switch (PeekState()) {
    case jstDoubleQuoted: text = ReadQuotedText(); break;
    case jstBuffered: text = FPeekedString; break;
    case jstInt64: text = IntToStr(FPeekedInt64); break;
    case jstNumber: text = PeekedNumberText(); break;
    default: throw EInvalidStateException(jstDoubleQuoted);
    }
    FPeeked = jstNone;
    return text;
}

bool TRurJSONReader::ReadBoolean()
{
    const TRurJSONState state = PeekState();
    if (state != jstTrue && state != jstFalse)
        throw EInvalidStateException(jstTrue);
    FPeeked = jstNone;
    return state == jstTrue;
}

void TRurJSONReader::ReadNull()
{
    Expect(jstNull);
}

// The text of a number or string about to be converted. It stays buffered, so that after a failed
// conversion ReadString still returns it.
String TRurJSONReader::TakeNumericText()
{
    FPeekedString = FPeeked == jstNumber ? PeekedNumberText() : ReadQuotedText();
    FPeeked = jstBuffered;
    return FPeekedString;
}

double TRurJSONReader::ReadDouble()
{
    double value;
    switch (PeekState()) {
    case jstInt64:
        value = double(FPeekedInt64);
        break;
    case jstNumber:
        // Buffered only when the conversion fails: then converted again to raise its error.
        if (!TryStrToFloat(FPeekedNumber, FPeekedNumberLength, value))
            value = StrToFloat(TakeNumericText());
        break;
    case jstDoubleQuoted:
        value = StrToFloat(TakeNumericText());
        break;
    default:
        throw EInvalidStateException(jstNumber);
    }
    FPeeked = jstNone;
    return value;
}

// An integer within [AMin, AMax]: an integer token, or a number or string whose value is whole.
// Values outside the range are refused rather than converted with undefined results.
Int64 TRurJSONReader::ReadIntegral(Int64 AMin, Int64 AMax)
{
    Int64 value;
    switch (PeekState()) {
    case jstInt64:
        value = FPeekedInt64;
        break;
    case jstNumber:
    case jstDoubleQuoted: {
        const bool token = PeekState() == jstNumber;
        const String text = TakeNumericText();
        if (!TryStrToInt64(text, value)) {
            // A number token is well formed, so a failed conversion means its value is beyond any
            // integer; a quoted text that is no number at all raises the platform's error.
            double real;
            if (!TryStrToFloat(text, real)) {
                if (token)
                    throw EInvalidStateException(jstInt64);
                real = StrToFloat(text);
            }
            // AMin is a negative power of two, so -AMin is exact and bounds the range from above.
            if (!(real >= double(AMin) && real < -double(AMin)) || real != std::trunc(real))
                throw EInvalidStateException(jstInt64);
            value = Int64(real);
        }
        break;
    }
    default:
        throw EInvalidStateException(jstInt64);
    }
    if (value < AMin || value > AMax)
        throw EInvalidStateException(jstInt64);
    FPeeked = jstNone;
    return value;
}

Int64 TRurJSONReader::ReadInt64()
{
    return ReadIntegral(std::numeric_limits<Int64>::min(), std::numeric_limits<Int64>::max());
}

int TRurJSONReader::ReadInteger()
{
    return int(ReadIntegral(std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void TRurJSONReader::SkipValue()
{
    int depth = 0;
    do {
        switch (PeekState()) {
        case jstBeginArray:
            Push(jscEmptyArray);
            ++depth;
            break;
        case jstBeginObject:
            Push(jscEmptyObject);
            ++depth;
            break;
        case jstEndArray:
        case jstEndObject:
            Pop();
            --depth;
            break;
        case jstDoubleQuoted:
        case jstDoubleQuotedName:
            ReadQuotedText();
            break;
        default:
            break;
        }
        FPeeked = jstNone;
    } while (depth > 0);
}
