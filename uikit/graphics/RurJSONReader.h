#pragma once
// A strict pull parser for JSON: Peek tells the next token, a read operation consumes it. One root,
// which must be an object or an array; at most 255 nested arrays and objects. Every byte of the input
// is one character, mapped through the ANSI code page, which is exact for the pure-ASCII text
// TRurJSONWriter writes.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "RurObjectJSON.h"
#include "Streams.h"
#include "SysUtils.h"
#include "TypInfo.h"

#define RUR_JSON_ERROR(Name, Text)                 \
    class Name : public Exception {                \
    public:                                        \
        Name() : Exception(Text) {}                \
    }

// Scope codes of the reader's and the writer's nesting stacks.
enum TRurJSONScope : std::uint8_t {
    jscEmptyDocument,
    jscEmptyArray,
    jscEmptyObject,
    jscNonEmptyDocument,
    jscNonEmptyArray,
    jscNonEmptyObject,
    jscDanglingName, // a name has been given and its value is due
};

enum TRurJSONToken {
    jstoBeginObject,
    jstoEndObject,
    jstoBeginArray,
    jstoEndArray,
    jstoName,
    jstoBoolean,
    jstoNull,
    jstoText,
    jstoNumber,
    jstoEOF,
};

// Holds a copy of the whole input and hands it out one character at a time.
class TRurJSONStreamReader : public TObject, public TRurJSONObject<TRurJSONStreamReader> {
    TAVIN_CLASS(TRurJSONStreamReader, TObject)
public:
    RUR_JSON_ERROR(EEndOfInputReached, u"End of JSON input reached.");

    // Copies Size bytes from the stream's current position, so the source must be at its start.
    explicit TRurJSONStreamReader(TStream& aStream);

    // Character 0 at the end, without advancing.
    Char ReadChar() { return FPosition < FSize ? Char(FData[FPosition++]) : Char(0); }
    Char PeekChar() const { return FPosition < FSize ? Char(FData[FPosition]) : Char(0); }
    Char NextChar()
    {
        if (Eof())
            RaiseEndOfInput();
        return Char(FData[FPosition++]);
    }
    void Backup(Char) { --FPosition; }
    void MoveNext(std::size_t Count) { FPosition += Count; }
    bool Eof() const { return FPosition == FSize; }

    // The parser scans runs of text in place.
    const Byte* Data() const { return FData.get(); }
    std::size_t Size() const { return FSize; }
    std::size_t Position() const { return FPosition; }
    void SetPosition(std::size_t APosition) { FPosition = APosition; }

private:
    [[noreturn]] static void RaiseEndOfInput();

    // Not a string: the copy needs no zero-filling first.
    std::unique_ptr<Byte[]> FData;
    std::size_t FSize;
    std::size_t FPosition = 0;
};

class TRurJSONReader : public TObject, public TRurJSONObject<TRurJSONReader> {
    TAVIN_CLASS(TRurJSONReader, TObject)
public:
    enum TRurJSONState {
        jstNone,
        jstBeginObject,
        jstEndObject,
        jstBeginArray,
        jstEndArray,
        jstTrue,
        jstFalse,
        jstNull,
        jstDoubleQuoted,
        jstBuffered, // text kept by a failed numeric read
        jstDoubleQuotedName,
        jstInt64,
        jstNumber,
        jstEOF,
    };

    class EInvalidStateException : public Exception {
    public:
        explicit EInvalidStateException(TRurJSONState AExpected);
        TRurJSONState Expected() const { return FExpected; }

    private:
        TRurJSONState FExpected;
    };
    RUR_JSON_ERROR(EUnterminatedArray, u"Unterminated array");
    RUR_JSON_ERROR(EUnterminatedObject, u"Unterminated object");
    RUR_JSON_ERROR(ENameExpected, u"Name expected");
    RUR_JSON_ERROR(EColonExpected, u"Colon expected");
    RUR_JSON_ERROR(EMultipleRootNotAllowed, u"Multiple root values not allowed");
    RUR_JSON_ERROR(EExpectedValue, u"Value expected but invalid character found");
    RUR_JSON_ERROR(EObjectOrArrayExpected, u"Object or array expected as top-level value");
    RUR_JSON_ERROR(ETooManyDepthLevels, u"Maximum level of nested structured reached.");

    explicit TRurJSONReader(TStream& AStream);

    TRurJSONToken Peek();
    bool HasNext();
    bool IsNull();
    bool Eof();

    void ReadBeginArray();
    void ReadEndArray();
    void ReadBeginObject();
    void ReadEndObject();
    String ReadName();
    String ReadString();
    bool ReadBoolean();
    void ReadNull();
    double ReadDouble();
    Int64 ReadInt64();
    int ReadInteger();
    void SkipValue();
    String PeekName();

private:
    static constexpr int MaxScopes = 256;
    static constexpr std::size_t NumberBufferSize = 256;

    TRurJSONState PeekState()
    {
        if (FPeeked == jstNone)
            FPeeked = DoPeek();
        return FPeeked;
    }
    TRurJSONState DoPeek();
    TRurJSONState ReadValue(bool AEndArrayAllowed);
    TRurJSONState ReadKeyword(Char AFirst);
    TRurJSONState ReadNumber();
    // Skips whitespace; the character found is not consumed (character 0 at the end).
    Char NextNonWhitespace()
    {
        Char c;
        while ((c = FReader.PeekChar()) == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f')
            FReader.MoveNext(1);
        return c;
    }
    void ConsumeStructural();
    String ReadQuotedText();
    void Push(TRurJSONScope AScope);
    void Pop() { --FStackSize; }
    TRurJSONScope& Top() { return FStack[FStackSize - 1]; }
    void Expect(TRurJSONState AExpected);
    String PeekedNumberText() const { return String(FPeekedNumber, FPeekedNumber + FPeekedNumberLength); }
    String TakeNumericText();
    Int64 ReadIntegral(Int64 AMin, Int64 AMax);

    TRurJSONStreamReader FReader;
    TRurJSONScope FStack[MaxScopes] = {jscEmptyDocument};
    int FStackSize = 1;
    TRurJSONState FPeeked = jstNone;
    Int64 FPeekedInt64 = 0;
    char FPeekedNumber[NumberBufferSize] = {};
    std::size_t FPeekedNumberLength = 0;
    String FPeekedString;
    // Reused for unescaping, so that each string costs one allocation of its exact length.
    std::vector<Char> FScratch;
};
