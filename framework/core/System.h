#pragma once
// Basic types of the framework: UTF-16 strings and fixed-size integers under the names the units use.
#include <cstdint>
#include <string>

using Char = char16_t;
using String = std::u16string;
using Byte = std::uint8_t;
using Word = std::uint16_t;
using Cardinal = std::uint32_t;
using Int64 = std::int64_t;
using UInt64 = std::uint64_t;
using NativeInt = std::intptr_t;
using NativeUInt = std::uintptr_t;

class TMetaClass;
// A class reference: the run-time description of a class (TypInfo.h).
using TClass = const TMetaClass*;
struct TMethodStub;
// The code half of a bound event handler; compares equal for the same member function.
using TMethodCode = const TMethodStub*;

// Root of every framework class. Run-time type information hangs off it: a class declares itself
// with TAVIN_CLASS or TAVIN_PUBLISHED_CLASS (TypInfo.h).
class TObject {
public:
    using ThisClass = TObject;

    virtual ~TObject() = default;

    static TClass StaticClass();
    virtual TClass ClassType() const { return StaticClass(); }
    String ClassName() const;
    TClass ClassParent() const;
    bool InheritsFrom(TClass ancestor) const;

    // Published methods of the object's class (ancestors included); null / empty when not found.
    TMethodCode MethodAddress(const String& name) const;
    String MethodName(TMethodCode code) const;
};

// UTF-16 <-> UTF-8 conversion for the edges that speak bytes (files, test output).
std::string ToUtf8(const String& s);
String FromUtf8(const std::string& s);
