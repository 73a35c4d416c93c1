#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <typeindex>

#include "RurJSONWriter.h"

namespace {

using Writer = TRurJSONWriter;

std::string Written(TMemoryStream& stream)
{
    const char* data = static_cast<const char*>(stream.Memory());
    return std::string(data, data + stream.Size());
}

// Runs the calls on a fresh writer and returns what reached the stream.
std::string Write(const std::function<void(Writer&)>& calls, int indent = 0)
{
    TMemoryStream stream;
    {
        Writer writer(stream);
        writer.SetIndentLength(indent);
        calls(writer);
    }
    return Written(stream);
}

void ExampleCalls(Writer& w)
{
    w.WriteBeginObject().WriteName(u"a").WriteInteger(1).WriteName(u"b").WriteBeginArray();
    w.WriteBoolean(true).WriteEndArray().WriteEndObject().Close();
}

} // namespace

TEST(RurJSONWriter, WritesCompactAndIndentedText)
{
    EXPECT_EQ(Write(ExampleCalls), "{\"a\":1,\"b\":[true]}");
    EXPECT_EQ(Write(ExampleCalls, 2), "{\r\n  \"a\": 1,\r\n  \"b\": [\r\n    true\r\n  ]\r\n}");
    EXPECT_EQ(Write([](Writer& w) { w.WriteBeginObject().WriteName(u"e").WriteBeginObject().WriteEndObject().WriteEndObject(); }, 4),
              "{\r\n    \"e\": {}\r\n}");
    EXPECT_EQ(Write([](Writer& w) { w.WriteBeginArray().WriteBeginArray().WriteEndArray().WriteEndArray(); }, 1),
              "[\r\n []\r\n]");
}

TEST(RurJSONWriter, EscapesToPureAsciiUnlessRaw)
{
    EXPECT_EQ(Write([](Writer& w) { w.WriteBeginArray().WriteString(u"\"\u00E9\\/\n\u0001\u062A").WriteEndArray(); }),
              "[\"\\u0022\\u00E9\\u005C/\\u000A\u0001\\u062A\"]");
    EXPECT_EQ(Write([](Writer& w) { w.WriteBeginObject().WriteName(u"\u00E9").WriteNull().WriteEndObject(); }),
              "{\"\\u00E9\":null}");
    EXPECT_EQ(Write([](Writer& w) { w.WriteBeginArray().WriteRawString(u"a\"\u00E9\u062A").WriteEndArray(); }),
              "[\"a\"\xE9?\"]");
}

TEST(RurJSONWriter, WritesNumbers)
{
    EXPECT_EQ(Write([](Writer& w) {
                  w.WriteBeginArray().WriteInteger(INT64_MIN).WriteInteger(0).WriteDouble(2.5);
                  w.WriteDouble(-1e-20).WriteDouble(0.1).WriteEndArray();
              }),
              "[-9223372036854775808,0,2.5,-1E-20,0.1]");
}

TEST(RurJSONWriter, RefusesNonFiniteDoublesWithoutWriting)
{
    for (double value : {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
        const std::string text = Write([&](Writer& w) {
            w.WriteBeginArray();
            EXPECT_THROW(w.WriteDouble(value), EConvertError);
            w.WriteInteger(1).WriteEndArray();
        });
        EXPECT_EQ(text, "[1]");
    }
}

TEST(RurJSONWriter, RefusesMisuseWithItsOwnExceptions)
{
    struct Case { const char* what; std::function<void(Writer&)> calls; std::type_index error; const char* message; };
    const Case cases[] = {
        {"string as root", [](Writer& w) { w.WriteString(u"x"); }, typeid(Writer::EObjectOrArrayExpected),
         "Object or array expected as top-level value"},
        {"number as root", [](Writer& w) { w.WriteInteger(1); }, typeid(Writer::EObjectOrArrayExpected), nullptr},
        {"null as root", [](Writer& w) { w.WriteNull(); }, typeid(Writer::EObjectOrArrayExpected), nullptr},
        {"second root", [](Writer& w) { w.WriteBeginObject().WriteEndObject().WriteBeginObject(); },
         typeid(Writer::EMultipleRootNotAllowed), "Multiple root values not allowed"},
        {"value without name", [](Writer& w) { w.WriteBeginObject().WriteBoolean(true); },
         typeid(Writer::EInvalidNesting), "Invalid nesting. Not all arrays/objects were properly closed."},
        {"name in array", [](Writer& w) { w.WriteBeginArray().WriteName(u"a").WriteNull(); },
         typeid(Writer::ECannotWriteName), "Cannot write name in current Json scope"},
        {"name at root", [](Writer& w) { w.WriteName(u"a").WriteBeginObject(); }, typeid(Writer::ECannotWriteName), nullptr},
        {"end array in object", [](Writer& w) { w.WriteBeginObject().WriteEndArray(); }, typeid(Writer::EInvalidNesting), nullptr},
        {"end object in array", [](Writer& w) { w.WriteBeginArray().WriteEndObject(); }, typeid(Writer::EInvalidNesting), nullptr},
        {"end of nothing", [](Writer& w) { w.WriteEndArray(); }, typeid(Writer::EInvalidNesting), nullptr},
        {"name then end", [](Writer& w) { w.WriteBeginObject().WriteName(u"a").WriteEndObject(); },
         typeid(Writer::EMissingValue), "Json value missing"},
        {"two names", [](Writer& w) { w.WriteBeginObject().WriteName(u"a").WriteName(u"b"); }, typeid(Writer::EMissingValue), nullptr},
        {"empty name", [](Writer& w) { w.WriteBeginObject().WriteName(u""); }, typeid(Writer::EEmptyName),
         "Cannot write empty name"},
        {"close empty", [](Writer& w) { w.Close(); }, typeid(Writer::EInvalidNesting), nullptr},
        {"close open array", [](Writer& w) { w.WriteBeginArray().Close(); }, typeid(Writer::EInvalidNesting), nullptr},
        {"256 levels",
         [](Writer& w) {
             for (int level = 0; level < 256; ++level)
                 w.WriteBeginArray();
         },
         typeid(Writer::ETooManyDepthLevels), "Maximum level of nested structured reached."},
    };
    for (const auto& c : cases) {
        TMemoryStream stream;
        Writer writer(stream);
        try {
            c.calls(writer);
            ADD_FAILURE() << "accepted: " << c.what;
        } catch (const Exception& e) {
            EXPECT_EQ(std::type_index(typeid(e)), c.error) << c.what;
            if (c.message) {
                EXPECT_STREQ(e.what(), c.message) << c.what;
            }
        }
    }
    EXPECT_NO_THROW(Write([](Writer& w) {
        for (int level = 0; level < 255; ++level)
            w.WriteBeginArray();
        for (int level = 0; level < 255; ++level)
            w.WriteEndArray();
        w.Close();
    }));
}

TEST(RurJSONWriter, DeliversTheTextOnlyWhenDestroyedEvenAfterAnError)
{
    TMemoryStream stream;
    stream.WriteBuffer("xy", 2);
    {
        Writer writer(stream);
        writer.WriteBeginArray().WriteInteger(5);
        EXPECT_EQ(Written(stream), "xy");
        EXPECT_THROW(writer.WriteName(u"a").WriteNull(), Writer::ECannotWriteName);
    }
    EXPECT_EQ(Written(stream), "xy[5");
}
