#pragma once
// Writes JSON as a sequence of calls, checks that they form one well-nested document, and optionally
// indents. The text is pure ASCII except for raw strings, and reaches the target stream only when the
// writer is destroyed.
#include <string>
#include <string_view>

#include "RurJSONReader.h"
#include "Streams.h"
#include "SysUtils.h"

// Collects the text and hands it to the target stream, at its position then, when destroyed.
class TRurJSONStreamWriter : public TObject, public TRurJSONObject<TRurJSONStreamWriter> {
    TAVIN_CLASS(TRurJSONStreamWriter, TObject)
public:
    explicit TRurJSONStreamWriter(TStream& AStream) : FStream(AStream) {}
    ~TRurJSONStreamWriter() override;
    TRurJSONStreamWriter(const TRurJSONStreamWriter&) = delete;
    TRurJSONStreamWriter& operator=(const TRurJSONStreamWriter&) = delete;

    // Stored through the ANSI code page (Latin-1 where there is none).
    void Write(const String& Value);

private:
    friend class TRurJSONWriter; // appends its ASCII text straight into FText

    TStream& FStream;
    std::string FText;
};

class TRurJSONWriter : public TObject, public TRurJSONObject<TRurJSONWriter> {
    TAVIN_CLASS(TRurJSONWriter, TObject)
public:
    RUR_JSON_ERROR(ECannotWriteName, u"Cannot write name in current Json scope");
    RUR_JSON_ERROR(EMultipleRootNotAllowed, u"Multiple root values not allowed");
    RUR_JSON_ERROR(EObjectOrArrayExpected, u"Object or array expected as top-level value");
    RUR_JSON_ERROR(EInvalidNesting, u"Invalid nesting. Not all arrays/objects were properly closed.");
    RUR_JSON_ERROR(EMissingValue, u"Json value missing");
    RUR_JSON_ERROR(ETooManyDepthLevels, u"Maximum level of nested structured reached.");
    RUR_JSON_ERROR(EEmptyJson, u"Json is still empty. Cannot perform operation.");
    RUR_JSON_ERROR(EEmptyName, u"Cannot write empty name");

    explicit TRurJSONWriter(TStream& AStream) : FWriter(AStream) {}

    TRurJSONWriter& WriteBeginObject() { return WriteBegin(jscEmptyObject, '{'); }
    TRurJSONWriter& WriteEndObject() { return WriteEnd(jscEmptyObject, jscNonEmptyObject, '}'); }
    TRurJSONWriter& WriteBeginArray() { return WriteBegin(jscEmptyArray, '['); }
    TRurJSONWriter& WriteEndArray() { return WriteEnd(jscEmptyArray, jscNonEmptyArray, ']'); }
    TRurJSONWriter& WriteName(const String& Name);
    TRurJSONWriter& WriteString(const String& Value);
    // Written between quotes without escaping.
    TRurJSONWriter& WriteRawString(const String& Value);
    TRurJSONWriter& WriteBoolean(bool Value);
    TRurJSONWriter& WriteNull();
    // Not-a-number and the infinities have no JSON form and raise EConvertError.
    TRurJSONWriter& WriteDouble(double Value);
    TRurJSONWriter& WriteInteger(Int64 Value);
    // Checks that exactly one complete root value was written.
    void Close();

    int IndentLength() const { return int(FIndent.size()); }
    void SetIndentLength(int Value);

private:
    static constexpr int MaxScopes = 256;

    TRurJSONWriter& WriteBegin(TRurJSONScope AScope, char ABracket);
    TRurJSONWriter& WriteEnd(TRurJSONScope AEmpty, TRurJSONScope ANonEmpty, char ABracket);
    TRurJSONWriter& WriteLiteral(std::string_view AText);
    void BeginScalar();
    void WriteDeferredName();
    void BeforeValue(bool ARootAllowed);
    void NewLine();
    TRurJSONScope& Top() { return FStack[FStackSize - 1]; }

    TRurJSONStreamWriter FWriter;
    TRurJSONScope FStack[MaxScopes] = {jscEmptyDocument};
    int FStackSize = 1;
    std::string FIndent;
    const char* FSeparator = ":";
    String FDeferredName;
    bool FClosed = false;
};
