#pragma once
// The subject of a certification request: one attribute per relative distinguished name, in the
// order the caller set them.
#include "Bytes.h"

#include <optional>
#include <string_view>
#include <vector>

// SET { SEQUENCE { type, value } } for one attribute. The string type is the one named by the caller
// ("UTF8String", "PrintableString", "IA5String"), except for countryName and serialNumber
// (PrintableString) and emailAddress (IA5String), which take their standard type whenever the value
// fits it. Nothing when the identifier is malformed, the type name unknown or the value outside the
// type's alphabet. An empty value gives an empty encoding: directory strings cannot be empty, so the
// attribute is left out of the name.
std::optional<Bytes> EncodeSubjectAttribute(std::u16string_view oid, std::u16string_view value,
                                            std::u16string_view typeName);

Bytes EncodeName(const std::vector<Bytes>& attributes);
