#include "Der.h"
#include "SubjectName.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The string tag and the UTF-8 value inside SET { SEQUENCE { oid, value } }.
struct Decoded {
    std::uint8_t tag = 0;
    std::string value;
};

Decoded DecodeAttribute(const Bytes& attribute)
{
    Der::Reader set(attribute);
    auto setContent = set.Read(Der::Set);
    if (!setContent || !set.AtEnd())
        return {};
    Der::Reader inner(*setContent);
    auto sequence = inner.Read(Der::Sequence);
    if (!sequence || !inner.AtEnd())
        return {};
    Der::Reader pair(*sequence);
    auto oid = pair.Read(Der::ObjectIdentifier);
    if (!oid || sequence->size() < oid->size() + 3)
        return {};
    std::uint8_t tag = (*sequence)[2 + oid->size()];
    auto value = pair.Read(tag);
    if (!value || !pair.AtEnd())
        return {};
    return {tag, std::string(value->begin(), value->end())};
}

TEST(SubjectName, StringTypeOfEachAttribute)
{
    const std::u16string persian = u"\u062A\u0647\u0631\u0627\u0646"; // Tehran
    struct Case { std::u16string oid, value, type; std::uint8_t tag; };
    const Case cases[] = {
        {u"2.5.4.3", u"Ali", u"UTF8String", Der::Utf8String},
        {u"2.5.4.3", u"Ali", u"PrintableString", Der::PrintableString},
        {u"2.5.4.3", u"a@b", u"IA5String", Der::Ia5String},
        {u"2.5.4.7", persian, u"UTF8String", Der::Utf8String},
        // The three attributes with a standard type take it whenever the value fits.
        {u"2.5.4.6", u"IR", u"UTF8String", Der::PrintableString},
        {u"2.5.4.5", u"0123456789", u"UTF8String", Der::PrintableString},
        {u"2.5.4.5", u"\u06F0\u06F1\u06F2", u"UTF8String", Der::Utf8String},
        {u"1.2.840.113549.1.9.1", u"a.b@example.ir", u"UTF8String", Der::Ia5String},
        {u"1.2.840.113549.1.9.1", u"a@b", u"PrintableString", Der::Ia5String},
        {u"1.2.840.113549.1.9.1", u"\u0639\u0644\u06CC@x.ir", u"UTF8String", Der::Utf8String},
        {u"2.5.4.5", u"a@b", u"IA5String", Der::Ia5String},
    };
    for (const Case& c : cases) {
        auto attribute = EncodeSubjectAttribute(c.oid, c.value, c.type);
        ASSERT_TRUE(attribute);
        Decoded d = DecodeAttribute(*attribute);
        EXPECT_EQ(d.tag, c.tag);
        auto utf8 = Utf16ToUtf8(c.value);
        EXPECT_EQ(d.value, std::string(utf8->begin(), utf8->end()));
    }
}

TEST(SubjectName, RefusesWhatCannotBeEncoded)
{
    struct Case { std::u16string oid, value, type; };
    const Case cases[] = {
        {u"2.5.4.3", u"Ali", u"BMPString"},
        {u"2.5.4.3", u"Ali", u"utf8string"},
        {u"2.5.4.3", u"Ali", u""},
        {u"2.5..4", u"Ali", u"UTF8String"},
        {u"\u06F2.5.4.3", u"Ali", u"UTF8String"},
        {u"2.5.4.3", u"a@b", u"PrintableString"},
        {u"2.5.4.3", u"\u0639\u0644\u06CC", u"IA5String"},
        {u"2.5.4.6", u"\u0627\u06CC", u"PrintableString"},
        {u"2.5.4.3", std::u16string(1, u'\xD800'), u"UTF8String"},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(EncodeSubjectAttribute(c.oid, c.value, c.type)) << std::string(c.type.begin(), c.type.end());
}

TEST(SubjectName, EmptyValuesAreLeftOutOfTheName)
{
    auto country = EncodeSubjectAttribute(u"2.5.4.6", u"IR", u"UTF8String");
    auto empty = EncodeSubjectAttribute(u"2.5.4.97", u"", u"UTF8String");
    auto name = EncodeSubjectAttribute(u"2.5.4.3", u"Ali [Stamp]", u"UTF8String");
    ASSERT_TRUE(country && empty && name);
    EXPECT_TRUE(empty->empty());
    EXPECT_EQ(EncodeName({*country, *empty, *name}), EncodeName({*country, *name}));
    EXPECT_FALSE(EncodeSubjectAttribute(u"2.5.4.97", u"", u"NoSuchString"));
    const std::vector<std::uint8_t> emptyName = {0x30, 0x00};
    Bytes encoded = EncodeName({});
    EXPECT_EQ(std::vector<std::uint8_t>(encoded.begin(), encoded.end()), emptyName);
}

TEST(SubjectName, AttributesKeepTheOrderSet)
{
    auto a = EncodeSubjectAttribute(u"2.5.4.42", u"Ali", u"UTF8String");
    auto b = EncodeSubjectAttribute(u"2.5.4.11", u"Unit", u"UTF8String");
    ASSERT_TRUE(a && b);
    Bytes expected{0x30, static_cast<std::uint8_t>(a->size() + b->size())};
    Append(expected, *a);
    Append(expected, *b);
    EXPECT_EQ(EncodeName({*a, *b}), expected);
}

TEST(Utf8, ConvertsAllPlanesAndRefusesLoneSurrogates)
{
    auto persian = Utf16ToUtf8(u"\u0639\u0644\u06CC A");
    ASSERT_TRUE(persian);
    EXPECT_EQ(std::string(persian->begin(), persian->end()), "\xD8\xB9\xD9\x84\xDB\x8C A");
    auto astral = Utf16ToUtf8(u"\U0001F600\u00E9");
    ASSERT_TRUE(astral);
    EXPECT_EQ(std::string(astral->begin(), astral->end()), "\xF0\x9F\x98\x80\xC3\xA9");
    for (std::u16string bad : {std::u16string(1, u'\xD83D'), std::u16string(1, u'\xDE00'), std::u16string(u"\xD83D" u"A")})
        EXPECT_FALSE(Utf16ToUtf8(bad));
}

} // namespace
