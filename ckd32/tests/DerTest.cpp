#include "Der.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using V = std::vector<std::uint8_t>;

V Plain(const Bytes& b) { return V(b.begin(), b.end()); }

TEST(Der, UnsignedIntegersAreMinimalAndPositive)
{
    struct Case { V magnitude; V encoded; };
    const Case cases[] = {
        {{}, {0x02, 0x01, 0x00}},
        {{0x00, 0x00}, {0x02, 0x01, 0x00}},
        {{0x7F}, {0x02, 0x01, 0x7F}},
        {{0x80}, {0x02, 0x02, 0x00, 0x80}},
        {{0x00, 0x00, 0x01, 0x00}, {0x02, 0x02, 0x01, 0x00}},
        {{0x01, 0x00, 0x01}, {0x02, 0x03, 0x01, 0x00, 0x01}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Plain(Der::EncodeUnsignedInteger(c.magnitude)), c.encoded);
}

TEST(Der, LengthsSwitchToLongFormAt128)
{
    struct Case { std::size_t size; V header; };
    const Case cases[] = {
        {127, {0x04, 0x7F}},
        {128, {0x04, 0x81, 0x80}},
        {255, {0x04, 0x81, 0xFF}},
        {256, {0x04, 0x82, 0x01, 0x00}},
        {70000, {0x04, 0x83, 0x01, 0x11, 0x70}},
    };
    for (const Case& c : cases) {
        Bytes encoded = Der::Encode(Der::OctetString, V(c.size, 0xAB));
        ASSERT_EQ(encoded.size(), c.header.size() + c.size);
        EXPECT_EQ(V(encoded.begin(), encoded.begin() + static_cast<std::ptrdiff_t>(c.header.size())), c.header);
        Der::Reader reader(encoded);
        auto content = reader.Read(Der::OctetString);
        ASSERT_TRUE(content);
        EXPECT_EQ(content->size(), c.size);
        EXPECT_TRUE(reader.AtEnd());
    }
}

TEST(Der, ObjectIdentifiers)
{
    struct Case { std::string dotted; V encoded; };
    const Case cases[] = {
        {"2.5.4.3", {0x06, 0x03, 0x55, 0x04, 0x03}},
        {"1.2.840.113549.1.1.11", {0x06, 0x09, 0x2A, 0x86, 0x48, 0x86, 0xF7, 0x0D, 0x01, 0x01, 0x0B}},
        {"1.2.840.113549.1.9.1", {0x06, 0x09, 0x2A, 0x86, 0x48, 0x86, 0xF7, 0x0D, 0x01, 0x09, 0x01}},
        {"0.39", {0x06, 0x01, 0x27}},
        {"2.999.3", {0x06, 0x03, 0x88, 0x37, 0x03}},
    };
    for (const Case& c : cases) {
        auto encoded = Der::EncodeObjectIdentifier(c.dotted);
        ASSERT_TRUE(encoded) << c.dotted;
        EXPECT_EQ(Plain(*encoded), c.encoded) << c.dotted;
    }
}

TEST(Der, MalformedObjectIdentifiersAreRefused)
{
    for (const char* dotted : {"", "2", "2.", ".2.5", "2..5", "2.5.", "3.1", "1.40", "0.40", "2.05.4",
                               "2.5.a", "2.5.-4", "2.5.+4", "2.5.4 ", "2.5.99999999999999999999999"})
        EXPECT_FALSE(Der::EncodeObjectIdentifier(dotted)) << '"' << dotted << '"';
}

TEST(Der, ReaderRefusesWhatIsNotDer)
{
    const V cases[] = {
        {},                             // nothing
        {0x30},                         // no length
        {0x30, 0x03, 0x02, 0x01},       // content cut short
        {0x30, 0x80, 0x00, 0x00},       // indefinite length
        {0x30, 0x81, 0x05, 1, 2, 3, 4, 5}, // long form for a short length
        {0x30, 0x82, 0x00, 0x80},       // leading zero in the length
        {0x30, 0x85, 1, 0, 0, 0, 0},    // length wider than four bytes
        {0x31, 0x00},                   // another tag
    };
    for (const V& data : cases) {
        Der::Reader reader(data);
        EXPECT_FALSE(reader.Read(Der::Sequence)) << ::testing::PrintToString(data);
    }
}

TEST(Der, ReaderTakesOnlyMinimalNonNegativeIntegers)
{
    struct Case { V encoded; bool valid; V magnitude; };
    const Case cases[] = {
        {{0x02, 0x01, 0x00}, true, {0x00}},
        {{0x02, 0x02, 0x00, 0x80}, true, {0x80}},
        {{0x02, 0x01, 0x7F}, true, {0x7F}},
        {{0x02, 0x01, 0x80}, false, {}},       // negative
        {{0x02, 0x02, 0x00, 0x7F}, false, {}}, // needless zero
        {{0x02, 0x00}, false, {}},             // empty
    };
    for (const Case& c : cases) {
        Der::Reader reader(c.encoded);
        auto magnitude = reader.ReadUnsignedInteger();
        ASSERT_EQ(magnitude.has_value(), c.valid) << ::testing::PrintToString(c.encoded);
        if (c.valid) {
            EXPECT_EQ(V(magnitude->begin(), magnitude->end()), c.magnitude);
        }
    }
}

} // namespace
