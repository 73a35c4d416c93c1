#include "SubjectName.h"

#include "Der.h"
#include "Utf8.h"

#include <algorithm>
#include <string>

namespace {

struct StringType {
    std::u16string_view name;
    Der::Tag tag;
};

constexpr StringType kStringTypes[] = {
    {u"UTF8String", Der::Utf8String},
    {u"PrintableString", Der::PrintableString},
    {u"IA5String", Der::Ia5String},
};

struct FixedType {
    std::string_view oid;
    Der::Tag tag;
};

constexpr FixedType kFixedTypes[] = {
    {"2.5.4.6", Der::PrintableString},              // countryName
    {"2.5.4.5", Der::PrintableString},              // serialNumber
    {"1.2.840.113549.1.9.1", Der::Ia5String},       // emailAddress
};

bool IsPrintableChar(char16_t c)
{
    constexpr std::u16string_view kPunctuation = u" '()+,-./:=?";
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
           kPunctuation.find(c) != std::u16string_view::npos;
}

bool Fits(std::u16string_view value, Der::Tag tag)
{
    switch (tag) {
    case Der::PrintableString:
        return std::all_of(value.begin(), value.end(), IsPrintableChar);
    case Der::Ia5String:
        return std::all_of(value.begin(), value.end(), [](char16_t c) { return c < 0x80; });
    default:
        return true; // UTF-8 holds everything; lone surrogates fail the conversion later
    }
}

} // namespace

std::optional<Bytes> EncodeSubjectAttribute(std::u16string_view oid, std::u16string_view value,
                                            std::u16string_view typeName)
{
    auto named = std::find_if(std::begin(kStringTypes), std::end(kStringTypes),
                              [&](const StringType& t) { return t.name == typeName; });
    auto oidText = Utf16ToAscii(oid);
    if (named == std::end(kStringTypes) || !oidText)
        return std::nullopt;
    auto encodedOid = Der::EncodeObjectIdentifier(*oidText);
    if (!encodedOid)
        return std::nullopt;

    Der::Tag tag = named->tag;
    auto fixed = std::find_if(std::begin(kFixedTypes), std::end(kFixedTypes),
                              [&](const FixedType& f) { return f.oid == *oidText; });
    if (fixed != std::end(kFixedTypes) && Fits(value, fixed->tag))
        tag = fixed->tag;
    if (!Fits(value, tag))
        return std::nullopt;
    auto utf8 = Utf16ToUtf8(value);
    if (!utf8)
        return std::nullopt;
    if (value.empty())
        return Bytes{};
    return Der::EncodeConstructed(Der::Set, {Der::EncodeSequence({*encodedOid, Der::Encode(tag, *utf8)})});
}

Bytes EncodeName(const std::vector<Bytes>& attributes)
{
    Bytes content;
    for (const Bytes& attribute : attributes)
        Append(content, attribute);
    return Der::Encode(Der::Sequence, content);
}
