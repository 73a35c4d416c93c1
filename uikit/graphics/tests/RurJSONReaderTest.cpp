#include <gtest/gtest.h>

#include <string>
#include <typeindex>

#include "RurJSONReader.h"
#include "RurJSONWriter.h"

namespace {

using Reader = TRurJSONReader;

struct JsonInput {
    explicit JsonInput(const std::string& text) : Stream(TBytes(text.begin(), text.end())), Json(Stream) {}
    TBytesStream Stream;
    TRurJSONReader Json;
};

// Reads the whole document and describes each token: "{" "}" "[" "]" "name:" "true" "null",
// "'text'" for strings and "#text" for numbers (their ReadString text).
std::string Trace(TRurJSONReader& json)
{
    std::string trace;
    for (;;) {
        std::string item;
        switch (json.Peek()) {
        case jstoBeginObject: json.ReadBeginObject(); item = "{"; break;
        case jstoEndObject: json.ReadEndObject(); item = "}"; break;
        case jstoBeginArray: json.ReadBeginArray(); item = "["; break;
        case jstoEndArray: json.ReadEndArray(); item = "]"; break;
        case jstoName: item = ToUtf8(json.ReadName()) + ":"; break;
        case jstoBoolean: item = json.ReadBoolean() ? "true" : "false"; break;
        case jstoNull: json.ReadNull(); item = "null"; break;
        case jstoText: item = "'" + ToUtf8(json.ReadString()) + "'"; break;
        case jstoNumber: item = "#" + ToUtf8(json.ReadString()); break;
        case jstoEOF: return trace + "EOF";
        }
        trace += item + " ";
    }
}

std::string Trace(const std::string& text)
{
    JsonInput input(text);
    return Trace(input.Json);
}

} // namespace

TEST(RurJSONReader, ReadsWellFormedDocuments)
{
    struct Case { std::string text, trace; };
    const Case cases[] = {
        {"{}", "{ } EOF"},
        {"[]", "[ ] EOF"},
        {"[1,2]", "[ #1 #2 ] EOF"},
        {" \t\r\n[ 1 , 2 ]\f ", "[ #1 #2 ] EOF"},
        {"{\"a\":{\"b\":[]},\"c\" : [ {} , [ ] ]}", "{ a: { b: [ ] } c: [ { } [ ] ] } EOF"},
        {"[TRUE, False, NULL,true,false,null]", "[ true false null true false null ] EOF"},
        {"[-0]", "[ #0 ] EOF"},
        {"[-9223372036854775808, 9223372036854775807]", "[ #-9223372036854775808 #9223372036854775807 ] EOF"},
        {"[9223372036854775808,-9223372036854775809]", "[ #9223372036854775808 #-9223372036854775809 ] EOF"},
        {"[1e3,2.5,-1.5E-3,0.0,1E+2]", "[ #1e3 #2.5 #-1.5E-3 #0.0 #1E+2 ] EOF"},
        {"[\" a\", \"\\u0022\\u005c\\n\", \"\"]", "[ ' a' '\"\\\n' '' ] EOF"},
        {"[\"\\u00E9\"]", "[ '\xC3\xA9' ] EOF"},
        // One byte is one character: a raw UTF-8 sequence reads as two characters of the code page.
        {"[\"\xC3\xA9\"]", "[ '\xC3\x83\xC2\xA9' ] EOF"},
        {"[1]   ", "[ #1 ] EOF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Trace(c.text), c.trace) << c.text;
}

// Bytes above ASCII go through the ANSI code page both ways: the system's on Windows (1252 under
// the test prefix), Latin-1 natively. The code page applies before unescaping.
TEST(RurJSONReader, MapsBytesThroughTheAnsiCodePage)
{
#ifdef _WIN32
    const String high = u"\u20AC\u00E9"; // bytes 0x80 and 0xE9 in code page 1252
#else
    const String high = u"\u0080\u00E9";
#endif
    JsonInput input("[\"\x80\xE9\", \"\x80\xE9\\u0041\"]");
    input.Json.ReadBeginArray();
    EXPECT_EQ(input.Json.ReadString(), high);
    EXPECT_EQ(input.Json.ReadString(), high + u"A");

    TBytesStream stream;
    {
        TRurJSONWriter writer(stream);
        writer.WriteBeginArray().WriteRawString(high).WriteEndArray();
    }
    const TBytes& written = stream.Bytes();
    EXPECT_EQ(std::string(written.begin(), written.end()), "[\"\x80\xE9\"]");
}

TEST(RurJSONReader, RefusesMalformedDocumentsWithTheirOwnExceptions)
{
    struct Case { std::string text; std::type_index error; };
    const std::string longNumber = "[" + std::string(255, '1') + "]";
    const Case cases[] = {
        {"", typeid(Reader::EObjectOrArrayExpected)},
        {"  ", typeid(Reader::EObjectOrArrayExpected)},
        {"\"x\"", typeid(Reader::EObjectOrArrayExpected)},
        {"5", typeid(Reader::EObjectOrArrayExpected)},
        {"true", typeid(Reader::EObjectOrArrayExpected)},
        {"]", typeid(Reader::EExpectedValue)},
        {"[1] [2]", typeid(Reader::EMultipleRootNotAllowed)},
        {"{} x", typeid(Reader::EMultipleRootNotAllowed)},
        {"[1,]", typeid(Reader::EExpectedValue)},
        {"[,1]", typeid(Reader::EExpectedValue)},
        {"{\"a\":1,}", typeid(Reader::ENameExpected)},
        {"{a:1}", typeid(Reader::ENameExpected)},
        {"{\"a\" 1}", typeid(Reader::EColonExpected)},
        {"[1 2]", typeid(Reader::EUnterminatedArray)},
        {"[1/2]", typeid(Reader::EUnterminatedArray)},
        {"[1", typeid(TRurJSONStreamReader::EEndOfInputReached)},
        {"[1,", typeid(Reader::EExpectedValue)},
        {"[true", typeid(Reader::EUnterminatedArray)},
        {"{\"a\":1 \"b\":2}", typeid(Reader::EUnterminatedObject)},
        {"{\"a\":1 ", typeid(Reader::EUnterminatedObject)},
        {"[truex]", typeid(Reader::EExpectedValue)},
        {"[tru]", typeid(Reader::EExpectedValue)},
        {"[nul", typeid(Reader::EExpectedValue)},
        {"[yes]", typeid(Reader::EExpectedValue)},
        {"[01]", typeid(Reader::EExpectedValue)},
        {"[-01]", typeid(Reader::EExpectedValue)},
        {"[1.]", typeid(Reader::EExpectedValue)},
        {"[1e]", typeid(Reader::EExpectedValue)},
        {"[1e+]", typeid(Reader::EExpectedValue)},
        {"[-]", typeid(Reader::EExpectedValue)},
        {"[.5]", typeid(Reader::EExpectedValue)},
        {"[+1]", typeid(Reader::EExpectedValue)},
        {"[1.5.2]", typeid(Reader::EExpectedValue)},
        {"[1-2]", typeid(Reader::EExpectedValue)},
        {"[1\"a\"]", typeid(Reader::EExpectedValue)},
        {longNumber, typeid(Reader::EExpectedValue)},
        {"[\"a\\x\"]", typeid(Exception)},
        {"[\"a\\\"]", typeid(Exception)}, // no escaped quote: the text "a\" ends in a backslash
    };
    for (const auto& c : cases) {
        try {
            Trace(c.text);
            ADD_FAILURE() << "accepted " << c.text;
        } catch (const Exception& e) {
            EXPECT_EQ(std::type_index(typeid(e)), c.error) << c.text << ": " << e.what();
        }
    }
    EXPECT_EQ(Trace("[" + std::string(254, '1') + "]"), "[ #" + std::string(254, '1') + " ] EOF");
}

TEST(RurJSONReader, ErrorsCarryTheirFixedMessages)
{
    struct Case { std::string text; const char* message; };
    const Case cases[] = {
        {"[1 2]", "Unterminated array"},
        {"{\"a\":1 2}", "Unterminated object"},
        {"{1}", "Name expected"},
        {"{\"a\"}", "Colon expected"},
        {"[] []", "Multiple root values not allowed"},
        {"[x]", "Value expected but invalid character found"},
        {"1", "Object or array expected as top-level value"},
        {"[1", "End of JSON input reached."},
        {"[\"\\x\"]", "Invalid code at position 1"},
        {"[\"ab\\", "Unexpected end of string"},
    };
    for (const auto& c : cases) {
        try {
            Trace(c.text);
            ADD_FAILURE() << "accepted " << c.text;
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), c.message) << c.text;
        }
    }
}

TEST(RurJSONReader, WrongReadRaisesInvalidStateWithTheExpectedState)
{
    JsonInput input("{\"a\":[true]}");
    try {
        input.Json.ReadString();
        FAIL();
    } catch (const Reader::EInvalidStateException& e) {
        EXPECT_EQ(e.Expected(), Reader::jstDoubleQuoted);
        EXPECT_STREQ(e.what(), "Invalid Json parser state. Expected state: 8");
    }
    input.Json.ReadBeginObject();
    EXPECT_THROW(input.Json.ReadBoolean(), Reader::EInvalidStateException);
    EXPECT_EQ(input.Json.PeekName(), u"a");
    EXPECT_EQ(input.Json.ReadName(), u"a");
    input.Json.ReadBeginArray();
    try {
        input.Json.ReadNull();
        FAIL();
    } catch (const Reader::EInvalidStateException& e) {
        EXPECT_EQ(e.Expected(), Reader::jstNull);
    }
    EXPECT_TRUE(input.Json.ReadBoolean());
    EXPECT_FALSE(input.Json.HasNext());
    input.Json.ReadEndArray();
    input.Json.ReadEndObject();
    EXPECT_TRUE(input.Json.Eof());
}

TEST(RurJSONReader, ConvertsNumbersAndStrings)
{
    JsonInput input("[1e3, \"12\", 7, 2.5, \"1.5\", -9223372036854775808, \" 0042\"]");
    auto& json = input.Json;
    json.ReadBeginArray();
    EXPECT_EQ(json.ReadInteger(), 1000);
    EXPECT_EQ(json.ReadInteger(), 12);
    EXPECT_EQ(json.ReadDouble(), 7.0);
    EXPECT_EQ(json.ReadDouble(), 2.5);
    EXPECT_EQ(json.ReadDouble(), 1.5);
    EXPECT_EQ(json.ReadInt64(), INT64_MIN);
    EXPECT_EQ(json.ReadString(), u" 0042");
    json.ReadEndArray();
}

TEST(RurJSONReader, IntegerReadsRefuseFractionsAndValuesOutOfRange)
{
    struct Case { std::string text; bool asInt64; };
    const Case cases[] = {
        {"[2.5]", false},
        {"[2147483648]", false},
        {"[-2147483649]", false},
        {"[1e10]", false},
        {"[\"3000000000\"]", false},
        {"[9223372036854775808]", true},
        {"[-1e19]", true},
        {"[1e19]", true},
        {"[1e300]", true},
        {"[-1e300]", true},
        {"[1e400]", true}, // beyond even a double
        {"[-1e400]", false},
    };
    for (const auto& c : cases) {
        JsonInput input(c.text);
        input.Json.ReadBeginArray();
        try {
            if (c.asInt64)
                input.Json.ReadInt64();
            else
                input.Json.ReadInteger();
            ADD_FAILURE() << "accepted " << c.text;
        } catch (const Reader::EInvalidStateException& e) {
            EXPECT_EQ(e.Expected(), Reader::jstInt64) << c.text;
        }
    }
    JsonInput edge("[2147483647, -2147483648, 1e18]");
    edge.Json.ReadBeginArray();
    EXPECT_EQ(edge.Json.ReadInteger(), 2147483647);
    EXPECT_EQ(edge.Json.ReadInteger(), -2147483647 - 1);
    EXPECT_EQ(edge.Json.ReadInt64(), 1000000000000000000);
}

TEST(RurJSONReader, FailedConversionKeepsTheTextForReadString)
{
    JsonInput input("[\"abc\", \"x\"]");
    input.Json.ReadBeginArray();
    EXPECT_THROW(input.Json.ReadDouble(), EConvertError);
    EXPECT_EQ(input.Json.Peek(), jstoText);
    EXPECT_EQ(input.Json.ReadString(), u"abc");
    EXPECT_THROW(input.Json.ReadInt64(), EConvertError);
    EXPECT_EQ(input.Json.ReadString(), u"x");
    input.Json.ReadEndArray();

    // Numbers convert with the process-wide decimal separator.
    const TFormatSettings saved = FormatSettings;
    FormatSettings.DecimalSeparator = u',';
    JsonInput number("[2.5, 3.5]");
    number.Json.ReadBeginArray();
    EXPECT_THROW(number.Json.ReadDouble(), EConvertError);
    EXPECT_EQ(number.Json.ReadString(), u"2.5");
    FormatSettings = saved;
    EXPECT_EQ(number.Json.ReadDouble(), 3.5);
}

TEST(RurJSONReader, SkipsValuesAndNamesSeparately)
{
    JsonInput input("{\"a\":[1,{\"x\":[2,\"y\"]}],\"b\":{\"c\":null},\"d\":3}");
    auto& json = input.Json;
    json.ReadBeginObject();
    json.SkipValue(); // the name "a"
    json.SkipValue(); // its array
    EXPECT_EQ(json.ReadName(), u"b");
    EXPECT_FALSE(json.IsNull());
    json.SkipValue();
    EXPECT_EQ(json.PeekName(), u"d");
    json.SkipValue();
    EXPECT_EQ(json.ReadInteger(), 3);
    json.ReadEndObject();
    EXPECT_TRUE(json.Eof());
}

TEST(RurJSONReader, NestsAtMost255Levels)
{
    JsonInput deep(std::string(255, '[') + std::string(255, ']'));
    for (int level = 0; level < 255; ++level)
        deep.Json.ReadBeginArray();
    for (int level = 0; level < 255; ++level)
        deep.Json.ReadEndArray();
    EXPECT_TRUE(deep.Json.Eof());

    JsonInput tooDeep(std::string(256, '['));
    for (int level = 0; level < 255; ++level)
        tooDeep.Json.ReadBeginArray();
    try {
        tooDeep.Json.ReadBeginArray();
        FAIL();
    } catch (const Reader::ETooManyDepthLevels& e) {
        EXPECT_STREQ(e.what(), "Maximum level of nested structured reached.");
    }
    JsonInput skipped("[" + std::string(255, '['));
    skipped.Json.ReadBeginArray();
    EXPECT_THROW(skipped.Json.SkipValue(), Reader::ETooManyDepthLevels);
}

TEST(RurJSONReader, CopiesTheSourceWhichMustStartAtItsBeginning)
{
    TStringStream source(u"[1]");
    TRurJSONReader json(source);
    source.SetSize(0);
    json.ReadBeginArray();
    EXPECT_EQ(json.ReadInteger(), 1);

    TStringStream moved(u"[1]");
    moved.SetPosition(1);
    EXPECT_THROW(TRurJSONReader{moved}, EReadError);
}

TEST(RurJSONReader, ReadsBackWhatTheWriterWrote)
{
    for (int indent : {0, 3}) {
        TMemoryStream stream;
        {
            TRurJSONWriter writer(stream);
            writer.SetIndentLength(indent);
            writer.WriteBeginObject().WriteName(u"t\u00E9xt").WriteString(u"q\"b\\s/\r\n\t\u0001\u062A");
            writer.WriteName(u"list").WriteBeginArray().WriteInteger(INT64_MIN).WriteDouble(-0.25);
            writer.WriteBoolean(false).WriteNull().WriteBeginObject().WriteEndObject().WriteBeginArray();
            writer.WriteEndArray().WriteEndArray().WriteEndObject().Close();
        }
        stream.SetPosition(0);
        TRurJSONReader json(stream);
        json.ReadBeginObject();
        EXPECT_EQ(json.ReadName(), u"t\u00E9xt");
        EXPECT_EQ(json.ReadString(), u"q\"b\\s/\r\n\t\u0001\u062A");
        EXPECT_EQ(json.ReadName(), u"list");
        EXPECT_EQ(Trace(json), "[ #-9223372036854775808 #-0.25 false null { } [ ] ] } EOF") << indent;
    }
}
