// The text form-resource format, converted to the binary component stream:
//   object Name: TClass            (or "inherited" / "inline"; "object TClass" without a name)
//     Prop.Sub = value             integer, float, 'string'#1575 + 'more', identifier, [set, items],
//     ...                          ( list values ), { hex bytes }, < item Prop = value end ... >
//     object Child: TClass ... end
//   end
#include <cmath>

#include "Streaming.h"

namespace {

constexpr int MaxNesting = 200;

enum TTokenKind { tokEnd, tokName, tokString, tokInteger, tokFloat, tokChar };

struct TToken {
    TTokenKind Kind = tokEnd;
    String Text;    // names, strings, the character of a symbol
    Int64 Integer = 0;
    double Float = 0;
    Char FloatSuffix = 0; // 's' single, 'd' date, 0 double
    int Line = 1;
};

bool IsLetter(Char c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_' || c >= 0x80;
}

bool IsDigit(Char c)
{
    return c >= u'0' && c <= u'9';
}

class TTextConverter {
public:
    TTextConverter(String text, TStream& output) : FText(std::move(text)), FWriter(output) { Next(); }

    void Convert()
    {
        FWriter.WriteSignature();
        ConvertObject();
        if (FToken.Kind != tokEnd)
            Expected(u"end of text");
    }

private:
    // ---- tokens

    [[noreturn]] void Fail(const String& message) const
    {
        throw EReadError(message + u" on line " + IntToStr(FToken.Line));
    }

    String Describe() const
    {
        switch (FToken.Kind) {
        case tokEnd: return u"end of text";
        case tokName: return u"'" + FToken.Text + u"'";
        case tokString: return u"a string";
        case tokInteger: return u"an integer";
        case tokFloat: return u"a number";
        case tokChar: return u"'" + FToken.Text + u"'";
        }
        return String();
    }

    [[noreturn]] void Expected(const String& what) const { Fail(what + u" expected but " + Describe() + u" found"); }

    Char Peek(size_t ahead = 0) const { return FPos + ahead < FText.size() ? FText[FPos + ahead] : Char(0); }
    bool AtEnd() const { return FPos >= FText.size(); }

    void SkipBlanks()
    {
        while (!AtEnd() && FText[FPos] <= u' ') {
            if (FText[FPos] == u'\n')
                ++FLine;
            ++FPos;
        }
    }

    void Next()
    {
        SkipBlanks();
        FToken = TToken();
        FToken.Line = FLine;
        if (AtEnd())
            return;
        Char c = Peek();
        if (IsLetter(c)) {
            size_t start = FPos;
            while (!AtEnd() && (IsLetter(Peek()) || IsDigit(Peek())))
                ++FPos;
            FToken.Kind = tokName;
            FToken.Text = FText.substr(start, FPos - start);
        } else if (c == u'\'' || c == u'#') {
            FToken.Kind = tokString;
            FToken.Text = ReadStringPieces();
        } else if (IsDigit(c) || c == u'$' || (c == u'-' && (IsDigit(Peek(1)) || Peek(1) == u'$'))) {
            ReadNumber();
        } else {
            FToken.Kind = tokChar;
            FToken.Text = String(1, c);
            ++FPos;
        }
    }

    // 'quoted' and #code pieces written next to each other form one string.
    String ReadStringPieces()
    {
        String s;
        for (;;) {
            if (Peek() == u'\'') {
                ++FPos;
                for (;;) {
                    if (AtEnd() || Peek() == u'\n' || Peek() == u'\r')
                        Fail(u"Unterminated string");
                    Char ch = FText[FPos++];
                    if (ch == u'\'') {
                        if (Peek() != u'\'')
                            break;
                        ++FPos;
                    }
                    s += ch;
                }
            } else if (Peek() == u'#') {
                ++FPos;
                Int64 code = 0;
                bool any = false;
                bool hex = Peek() == u'$';
                if (hex)
                    ++FPos;
                while (!AtEnd() && (hex ? HexDigitValue(Peek()) >= 0 : IsDigit(Peek()))) {
                    code = code * (hex ? 16 : 10) + (hex ? HexDigitValue(Peek()) : Peek() - u'0');
                    any = true;
                    ++FPos;
                    if (code > 0xFFFF)
                        Fail(u"Character code out of range");
                }
                if (!any)
                    Fail(u"Character code expected after #");
                s += static_cast<Char>(code);
            } else {
                return s;
            }
        }
    }

    void ReadNumber()
    {
        bool negative = Peek() == u'-';
        if (negative)
            ++FPos;
        UInt64 magnitude = 0;
        bool overflow = false;
        auto accumulate = [&](unsigned base, int digit) {
            if (magnitude > (UInt64(1) << 63) / base)
                overflow = true;
            else
                magnitude = magnitude * base + static_cast<unsigned>(digit);
        };
        if (Peek() == u'$') {
            ++FPos;
            if (HexDigitValue(Peek()) < 0)
                Fail(u"Hexadecimal digits expected after $");
            while (HexDigitValue(Peek()) >= 0) {
                accumulate(16, HexDigitValue(Peek()));
                ++FPos;
            }
            SetInteger(negative, magnitude, overflow);
            return;
        }
        size_t start = FPos;
        while (IsDigit(Peek())) {
            accumulate(10, Peek() - u'0');
            ++FPos;
        }
        bool isFloat = false;
        if (Peek() == u'.' && IsDigit(Peek(1))) {
            isFloat = true;
            ++FPos;
            while (IsDigit(Peek()))
                ++FPos;
        }
        if ((Peek() == u'e' || Peek() == u'E') &&
            (IsDigit(Peek(1)) || ((Peek(1) == u'+' || Peek(1) == u'-') && IsDigit(Peek(2))))) {
            isFloat = true;
            FPos += 2;
            while (IsDigit(Peek()))
                ++FPos;
        }
        Char suffix = Peek();
        if (suffix == u's' || suffix == u'S' || suffix == u'd' || suffix == u'D') {
            isFloat = true;
            FToken.FloatSuffix = static_cast<Char>(suffix | 0x20);
            ++FPos;
        }
        if (!isFloat) {
            SetInteger(negative, magnitude, overflow);
            return;
        }
        String digits = FText.substr(start, FPos - start - (FToken.FloatSuffix ? 1 : 0));
        TFormatSettings settings;
        settings.DecimalSeparator = u'.';
        double value;
        if (!TryStrToFloat(digits, value, settings) || !std::isfinite(value))
            Fail(u"Invalid number " + digits);
        FToken.Kind = tokFloat;
        FToken.Float = negative ? -value : value;
    }

    void SetInteger(bool negative, UInt64 magnitude, bool overflow)
    {
        if (overflow || magnitude > (negative ? (UInt64(1) << 63) : (UInt64(1) << 63) - 1))
            Fail(u"Integer out of range");
        FToken.Kind = tokInteger;
        FToken.Integer = negative ? static_cast<Int64>(0 - magnitude) : static_cast<Int64>(magnitude);
    }

    bool IsSymbol(const char16_t* name) const { return FToken.Kind == tokName && SameText(FToken.Text, name); }
    bool IsChar(Char c) const { return FToken.Kind == tokChar && FToken.Text[0] == c; }

    void ExpectChar(Char c)
    {
        if (!IsChar(c))
            Expected(String(u"'") + c + u"'");
        Next();
    }

    String ExpectName()
    {
        if (FToken.Kind != tokName)
            Expected(u"Identifier");
        String name = FToken.Text;
        Next();
        return name;
    }

    // A dotted name: Font.Style, Form1.Button1.
    String ExpectDottedName()
    {
        String name = ExpectName();
        while (IsChar(u'.')) {
            Next();
            name += u"." + ExpectName();
        }
        return name;
    }

    // ---- the object structure

    class TDepth {
    public:
        TDepth(TTextConverter& c) : FConverter(c)
        {
            if (++FConverter.FDepth > MaxNesting)
                FConverter.Fail(u"Objects nested too deeply");
        }
        ~TDepth() { --FConverter.FDepth; }
        TDepth(const TDepth&) = delete;
        TDepth& operator=(const TDepth&) = delete;

    private:
        TTextConverter& FConverter;
    };

    bool AtObjectStart() const { return IsSymbol(u"object") || IsSymbol(u"inherited") || IsSymbol(u"inline"); }

    void ConvertObject()
    {
        TDepth depth(*this);
        if (!AtObjectStart())
            Expected(u"'object'");
        Byte flags = IsSymbol(u"inherited") ? ffInherited : IsSymbol(u"inline") ? ffInline : 0;
        Next();
        String name, className = ExpectName();
        if (IsChar(u':')) {
            Next();
            name = className;
            className = ExpectName();
        }
        Int64 position = 0;
        if (IsChar(u'[')) {
            Next();
            if (FToken.Kind != tokInteger)
                Expected(u"Integer");
            position = FToken.Integer;
            Next();
            ExpectChar(u']');
            flags |= ffChildPos;
        }
        if (flags) {
            FWriter.WriteValue(static_cast<TValueType>(0xF0 | flags));
            if (flags & ffChildPos)
                FWriter.WriteInteger(position);
        }
        FWriter.WriteStr(className);
        FWriter.WriteStr(name);
        while (!AtObjectStart() && !IsSymbol(u"end"))
            ConvertProperty();
        FWriter.WriteListEnd();
        while (!IsSymbol(u"end"))
            ConvertObject();
        FWriter.WriteListEnd();
        Next();
    }

    void ConvertProperty()
    {
        if (FToken.Kind != tokName)
            Expected(u"Property name");
        FWriter.WriteStr(ExpectDottedName());
        ExpectChar(u'=');
        ConvertValue();
    }

    void ConvertValue()
    {
        TDepth depth(*this);
        switch (FToken.Kind) {
        case tokInteger:
            FWriter.WriteInteger(FToken.Integer);
            Next();
            return;
        case tokFloat:
            if (FToken.FloatSuffix == u's') {
                if (std::fabs(FToken.Float) > 3.4028234663852886e38)
                    Fail(u"Single value out of range");
                FWriter.WriteSingle(static_cast<float>(FToken.Float));
            } else if (FToken.FloatSuffix == u'd') {
                FWriter.WriteDate(FToken.Float);
            } else {
                FWriter.WriteFloat(FToken.Float);
            }
            Next();
            return;
        case tokString: {
            String s = FToken.Text;
            Next();
            while (IsChar(u'+')) {
                Next();
                if (FToken.Kind != tokString)
                    Expected(u"String");
                s += FToken.Text;
                Next();
            }
            FWriter.WriteString(s);
            return;
        }
        case tokName:
            FWriter.WriteIdent(ExpectDottedName());
            return;
        case tokChar:
            break;
        case tokEnd:
            Expected(u"Value");
        }
        if (IsChar(u'['))
            ConvertSet();
        else if (IsChar(u'('))
            ConvertList();
        else if (IsChar(u'{'))
            ConvertBinary();
        else if (IsChar(u'<'))
            ConvertCollection();
        else
            Expected(u"Value");
    }

    void ConvertSet()
    {
        Next();
        FWriter.WriteValue(vaSet);
        if (!IsChar(u']')) {
            for (;;) {
                FWriter.WriteStr(ExpectName());
                if (IsChar(u']'))
                    break;
                ExpectChar(u',');
            }
        }
        Next();
        FWriter.WriteStr(String());
    }

    void ConvertList()
    {
        Next();
        FWriter.WriteListBegin();
        while (!IsChar(u')')) {
            if (FToken.Kind == tokEnd)
                Expected(u"')'");
            ConvertValue();
        }
        Next();
        FWriter.WriteListEnd();
    }

    // Reads the hex digits straight from the text: "{ 0A1B ... }" over any number of lines.
    void ConvertBinary()
    {
        TBytes bytes;
        int high = -1;
        for (;;) {
            SkipBlanks();
            if (AtEnd())
                Fail(u"'}' expected but end of text found");
            Char c = FText[FPos++];
            if (c == u'}')
                break;
            int v = HexDigitValue(c);
            if (v < 0)
                Fail(u"Hexadecimal digit expected in binary data");
            if (high < 0) {
                high = v;
            } else {
                bytes.push_back(static_cast<Byte>(high * 16 + v));
                high = -1;
            }
        }
        if (high >= 0)
            Fail(u"Binary data has an odd number of digits");
        if (bytes.size() > INT32_MAX)
            Fail(u"Binary data too large");
        FWriter.WriteValue(vaBinary);
        std::int32_t size = static_cast<std::int32_t>(bytes.size());
        FWriter.Stream().WriteBuffer(&size, 4);
        if (size > 0)
            FWriter.Stream().WriteBuffer(bytes.data(), size);
        Next();
    }

    void ConvertCollection()
    {
        Next();
        FWriter.WriteValue(vaCollection);
        while (!IsChar(u'>')) {
            if (!IsSymbol(u"item"))
                Expected(u"'item'");
            Next();
            if (IsChar(u'[')) {
                Next();
                if (FToken.Kind != tokInteger)
                    Expected(u"Integer");
                FWriter.WriteInteger(FToken.Integer);
                Next();
                ExpectChar(u']');
            }
            FWriter.WriteListBegin();
            while (!IsSymbol(u"end"))
                ConvertProperty();
            Next();
            FWriter.WriteListEnd();
        }
        Next();
        FWriter.WriteListEnd();
    }

    String FText;
    TWriter FWriter;
    TToken FToken;
    size_t FPos = 0;
    int FLine = 1;
    int FDepth = 0;
};

} // namespace

void ObjectTextToBinary(TStream& input, TStream& output)
{
    Int64 size = input.Size() - input.Position();
    TBytes bytes(static_cast<size_t>(std::max<Int64>(size, 0)));
    if (!bytes.empty())
        input.ReadBuffer(bytes.data(), static_cast<Int64>(bytes.size()));
    // Form text is UTF-8 (ASCII with #nnnn escapes, as written) unless a byte-order mark says otherwise.
    const TEncoding* encoding = nullptr;
    size_t preamble = TEncoding::GetBufferEncoding(bytes, encoding, TEncoding::UTF8());
    TTextConverter(encoding->GetString(bytes.data() + preamble, bytes.size() - preamble), output).Convert();
}
