#include "RurJSONWriter.h"

#include <charconv>
#include <cmath>

#include "RurJSONAnsi.h"
#include "RurJSONEscape.h"

TRurJSONStreamWriter::~TRurJSONStreamWriter()
{
    try {
        FStream.WriteBuffer(FText.data(), Int64(FText.size()));
    } catch (const Exception&) {
        // A destructor cannot raise; a target that refuses the text is left as it refused it.
    }
}

void TRurJSONStreamWriter::Write(const String& Value)
{
    RurJSONAppendAnsi(FText, Value);
}

void TRurJSONWriter::SetIndentLength(int Value)
{
    FIndent.assign(Value > 0 ? std::size_t(Value) : 0, ' ');
    FSeparator = Value > 0 ? ": " : ":";
}

void TRurJSONWriter::NewLine()
{
    if (FIndent.empty())
        return;
    std::string& text = FWriter.FText;
    text += "\r\n";
    for (int level = 1; level < FStackSize; ++level)
        text += FIndent;
}

void TRurJSONWriter::WriteDeferredName()
{
    if (FDeferredName.empty())
        return;
    if (Top() == jscNonEmptyObject)
        FWriter.FText += ',';
    else if (Top() != jscEmptyObject)
        throw ECannotWriteName();
    NewLine();
    Top() = jscDanglingName;
    std::string& text = FWriter.FText;
    text += '"';
    RurJSONEscape::AppendEscaped(text, FDeferredName.data(), FDeferredName.size());
    text += '"';
    FDeferredName.clear();
}

void TRurJSONWriter::BeforeValue(bool ARootAllowed)
{
    switch (Top()) {
    case jscEmptyDocument:
        if (!ARootAllowed)
            throw EObjectOrArrayExpected();
        Top() = jscNonEmptyDocument;
        break;
    case jscEmptyArray:
        Top() = jscNonEmptyArray;
        NewLine();
        break;
    case jscNonEmptyArray:
        FWriter.FText += ',';
        NewLine();
        break;
    case jscDanglingName:
        FWriter.FText += FSeparator;
        Top() = jscNonEmptyObject;
        break;
    case jscNonEmptyDocument:
        throw EMultipleRootNotAllowed();
    case jscEmptyObject:
    case jscNonEmptyObject:
        throw EInvalidNesting(); // a value without a name
    }
}

TRurJSONWriter& TRurJSONWriter::WriteBegin(TRurJSONScope AScope, char ABracket)
{
    WriteDeferredName();
    BeforeValue(true);
    if (FStackSize == MaxScopes)
        throw ETooManyDepthLevels();
    FStack[FStackSize++] = AScope;
    FWriter.FText += ABracket;
    return *this;
}

TRurJSONWriter& TRurJSONWriter::WriteEnd(TRurJSONScope AEmpty, TRurJSONScope ANonEmpty, char ABracket)
{
    const TRurJSONScope closing = Top();
    if (closing != AEmpty && closing != ANonEmpty)
        throw EInvalidNesting();
    if (!FDeferredName.empty())
        throw EMissingValue();
    --FStackSize;
    if (closing == ANonEmpty)
        NewLine();
    FWriter.FText += ABracket;
    return *this;
}

// EEmptyJson is never raised here: the document scope is never popped, so the stack is never empty.
TRurJSONWriter& TRurJSONWriter::WriteName(const String& Name)
{
    if (Name.empty())
        throw EEmptyName();
    if (!FDeferredName.empty())
        throw EMissingValue();
    FDeferredName = Name;
    return *this;
}

void TRurJSONWriter::BeginScalar()
{
    WriteDeferredName();
    BeforeValue(false);
}

TRurJSONWriter& TRurJSONWriter::WriteString(const String& Value)
{
    BeginScalar();
    std::string& text = FWriter.FText;
    text += '"';
    RurJSONEscape::AppendEscaped(text, Value.data(), Value.size());
    text += '"';
    return *this;
}

TRurJSONWriter& TRurJSONWriter::WriteRawString(const String& Value)
{
    BeginScalar();
    FWriter.FText += '"';
    FWriter.Write(Value);
    FWriter.FText += '"';
    return *this;
}

TRurJSONWriter& TRurJSONWriter::WriteLiteral(std::string_view AText)
{
    BeginScalar();
    FWriter.FText += AText;
    return *this;
}

TRurJSONWriter& TRurJSONWriter::WriteBoolean(bool Value)
{
    return WriteLiteral(Value ? "true" : "false");
}

TRurJSONWriter& TRurJSONWriter::WriteNull()
{
    return WriteLiteral("null");
}

TRurJSONWriter& TRurJSONWriter::WriteInteger(Int64 Value)
{
    char digits[24];
    const char* const end = std::to_chars(digits, digits + sizeof digits, Value).ptr;
    return WriteLiteral(std::string_view(digits, std::size_t(end - digits)));
}

TRurJSONWriter& TRurJSONWriter::WriteDouble(double Value)
{
    // The general float format would give words that no reader accepts back.
    if (!std::isfinite(Value))
        throw EConvertError(u"Json cannot hold a value that is not a finite number");
    BeginScalar();
    FWriter.Write(FloatToStr(Value));
    return *this;
}

void TRurJSONWriter::Close()
{
    if (FStackSize > 1 || Top() != jscNonEmptyDocument)
        throw EInvalidNesting();
    FClosed = true;
}
