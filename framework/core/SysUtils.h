#pragma once
// Exceptions, string helpers, number conversion and formatting of the runtime.
#include <array>
#include <concepts>
#include <exception>
#include <initializer_list>
#include <string>

#include "System.h"

// Separators, formats and names that number and date conversion use. The process-wide instance is
// FormatSettings; every conversion also takes an explicit one.
struct TFormatSettings {
    Char DecimalSeparator = u'.';
    Char ThousandSeparator = u',';
    Char DateSeparator = u'/';
    Char TimeSeparator = u':';
    Char ListSeparator = u',';
    String ShortDateFormat = u"M/d/yyyy";
    String LongDateFormat = u"dddd, MMMM d, yyyy";
    String ShortTimeFormat = u"h:mm AMPM";
    String LongTimeFormat = u"h:mm:ss AMPM";
    String TimeAMString = u"AM";
    String TimePMString = u"PM";
    std::array<String, 12> ShortMonthNames = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                              u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
    std::array<String, 12> LongMonthNames = {u"January", u"February", u"March",     u"April",
                                             u"May",     u"June",     u"July",      u"August",
                                             u"September", u"October", u"November", u"December"};
    std::array<String, 7> ShortDayNames = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
    std::array<String, 7> LongDayNames = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                          u"Thursday", u"Friday", u"Saturday"};
    // A two-digit year is read as the first year that ends in it at most this many years before the
    // current one (0: in the current century).
    Word TwoDigitYearCenturyWindow = 50;
};

// The process-wide settings. Mutable: the persistence switches the separators for a save or load
// and restores them. Not guarded: conversions that depend on it must not run concurrently with such
// a switch.
extern TFormatSettings FormatSettings;

// One argument of Format: an integer (with its width, for %x and %u), a float, a string or a
// character. Strings are referenced, not copied: an argument list lives only for its call.
class TVarRec {
public:
    enum TKind { vtInteger, vtFloat, vtString, vtPChar, vtChar };

    template <class T>
        requires std::integral<T> && (!std::same_as<T, bool>) && (!std::same_as<T, char>) &&
                 (!std::same_as<T, Char>) && (!std::same_as<T, char32_t>) && (!std::same_as<T, wchar_t>)
    TVarRec(T value) : FKind(vtInteger), FInteger(static_cast<Int64>(value)), FWide(sizeof(T) > 4)
    {
    }
    template <std::floating_point T>
    TVarRec(T value) : FKind(vtFloat), FFloat(static_cast<double>(value))
    {
    }
    TVarRec(const String& value) : FKind(vtString), FString(&value) {}
    TVarRec(const Char* value) : FKind(vtPChar), FPChar(value) {}
    TVarRec(Char value) : FKind(vtChar), FChar(value) {}
    TVarRec(bool) = delete;
    TVarRec(const char*) = delete;

    TKind Kind() const { return FKind; }
    Int64 AsInteger() const { return FInteger; }
    bool IsWide() const { return FWide; }
    double AsFloat() const { return FFloat; }
    // The text of a string, null-terminated string or character argument.
    String AsString() const;

private:
    TKind FKind;
    union {
        Int64 FInteger;
        double FFloat;
        const String* FString;
        const Char* FPChar;
        Char FChar;
    };
    bool FWide = false;
};

using TVarRecs = std::initializer_list<TVarRec>;

// "%" ["index:"] ["-"] [width] ["." precision] type, with types d u x X e f g s and "%%"; width,
// precision and index may be "*" (taken from the next argument). Raises EConvertError for a bad
// format, a missing argument or an argument of the wrong kind.
String Format(const String& format, TVarRecs args, const TFormatSettings& settings = FormatSettings);

// Root of the framework's exceptions: a UTF-16 message, readable as UTF-8 through what().
class Exception : public std::exception {
public:
    explicit Exception(String message);
    static Exception CreateFmt(const String& format, TVarRecs args) { return Exception(Format(format, args)); }
    const String& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FUtf8.c_str(); }

private:
    String FMessage;
    std::string FUtf8;
};

#define TAVIN_EXCEPTION(Name, Base)                                         \
    class Name : public Base {                                              \
    public:                                                                 \
        using Base::Base;                                                   \
        static Name CreateFmt(const String& format, TVarRecs args)          \
        {                                                                   \
            return Name(Format(format, args));                              \
        }                                                                   \
    }

// The silent abort: ends an event handler without a message.
TAVIN_EXCEPTION(EAbort, Exception);
TAVIN_EXCEPTION(EConvertError, Exception);
TAVIN_EXCEPTION(EMathError, Exception);
TAVIN_EXCEPTION(EInvalidOp, EMathError);
TAVIN_EXCEPTION(ERangeError, Exception);
TAVIN_EXCEPTION(EStreamError, Exception);
TAVIN_EXCEPTION(EReadError, EStreamError);
TAVIN_EXCEPTION(EWriteError, EStreamError);
TAVIN_EXCEPTION(EFilerError, EStreamError);
TAVIN_EXCEPTION(EClassNotFound, EFilerError);
TAVIN_EXCEPTION(EFileStreamError, EStreamError);
TAVIN_EXCEPTION(EFCreateError, EFileStreamError);
TAVIN_EXCEPTION(EFOpenError, EFileStreamError);
TAVIN_EXCEPTION(EResNotFound, Exception);
TAVIN_EXCEPTION(EListError, Exception);
TAVIN_EXCEPTION(EStringListError, Exception);
TAVIN_EXCEPTION(EComponentError, Exception);
TAVIN_EXCEPTION(EArgumentException, Exception);
TAVIN_EXCEPTION(EArgumentOutOfRangeException, EArgumentException);
TAVIN_EXCEPTION(EInvalidCast, Exception);
TAVIN_EXCEPTION(EInvalidOperation, Exception);
TAVIN_EXCEPTION(EInvalidPointer, Exception);
TAVIN_EXCEPTION(EOutOfResources, Exception);
TAVIN_EXCEPTION(EOSError, Exception);
TAVIN_EXCEPTION(EOleSysError, Exception);
TAVIN_EXCEPTION(ENotSupportedException, Exception);
// A method a class leaves to its descendants was called on a class that does not provide it.
TAVIN_EXCEPTION(EAbstractError, Exception);
TAVIN_EXCEPTION(ERegularExpressionError, Exception);

[[noreturn]] void Abort();

// The high 32 bits of a module's fixed file version (major in bits 16-31, minor in 0-15);
// 0xFFFFFFFF when the file has no readable version. Windows only: defined in framework/ui.
Cardinal GetFileVersion(const String& fileName);

// Trimming removes the code units <= 32 (spaces and control characters).
String Trim(const String& s);
String TrimLeft(const String& s);
String TrimRight(const String& s);

// Value of a hexadecimal digit (either case), or -1 for any other character. A table rather than
// comparisons: in escaped text digits and letters alternate unpredictably.
inline constexpr auto HexDigitValues = [] {
    std::array<signed char, 128> values{};
    for (int c = 0; c < 128; ++c)
        values[std::size_t(c)] = static_cast<signed char>(c >= '0' && c <= '9'   ? c - '0'
                                                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                                                 : -1);
    return values;
}();

inline int HexDigitValue(Char c)
{
    return c < 128 ? HexDigitValues[c] : -1;
}

// 1-based position of the first sub at or after offset; 0 when absent or sub is empty.
int Pos(const String& sub, const String& s, int offset = 1);

// ASCII letters only.
String UpperCase(const String& s);
String LowerCase(const String& s);
// Letters of the Latin, Greek, Cyrillic and Armenian blocks and full-width Latin, one to one.
String AnsiUpperCase(const String& s);
String AnsiLowerCase(const String& s);

// Ordinal comparison with ASCII letters folded: < 0, 0 or > 0.
int CompareText(const String& a, const String& b);
bool SameText(const String& a, const String& b);

enum TReplaceFlag { rfReplaceAll = 1, rfIgnoreCase = 2 };
// A set of TReplaceFlag, written as {rfReplaceAll, rfIgnoreCase}.
class TReplaceFlags {
public:
    TReplaceFlags(std::initializer_list<TReplaceFlag> flags = {})
    {
        for (TReplaceFlag f : flags)
            FBits |= f;
    }
    bool Contains(TReplaceFlag f) const { return (FBits & f) != 0; }

private:
    unsigned FBits = 0;
};

// Replaces the first (or with rfReplaceAll every) occurrence of oldPattern; rfIgnoreCase compares
// as AnsiUpperCase does. An empty oldPattern leaves s unchanged.
String StringReplace(const String& s, const String& oldPattern, const String& newPattern, TReplaceFlags flags);

// The extension of a file name with its dot (".png"); empty when the last part has none.
String ExtractFileExt(const String& fileName);

String IntToStr(Int64 value);
namespace SysUtilsDetail {
String HexOfBits(UInt64 bits, int digits);
}
// Upper-case hexadecimal of the value's own width (IntToHex(-1, 2) of an int is "FFFFFFFF"),
// padded with zeros to at least digits.
template <std::integral T>
String IntToHex(T value, int digits)
{
    return SysUtilsDetail::HexOfBits(static_cast<std::make_unsigned_t<T>>(value), digits);
}

// Optional leading blanks, a sign, then decimal digits or a hexadecimal form ("$1F", "0x1F", "x1F").
// Hexadecimal text may use the full unsigned range of the type ("$FFFFFFFF" is -1). Raises
// EConvertError "'text' is not a valid integer value".
int StrToInt(const String& s);
Int64 StrToInt64(const String& s);
bool TryStrToInt(const String& s, int& value);
bool TryStrToInt64(const String& s, Int64& value);
int StrToIntDef(const String& s, int defaultValue);
Int64 StrToInt64Def(const String& s, Int64 defaultValue);

// General form with 15 significant digits: fixed notation unless the decimal exponent is above 15
// or below -4, then "1.5E-7". "NAN", "INF", "-INF" for the special values.
String FloatToStr(double value, const TFormatSettings& settings = FormatSettings);
// Optional blanks around, a sign, digits with one decimal separator, an optional exponent; no
// thousands separators. Also "INF", "-INF" and "NAN". Raises EConvertError
// "'text' is not a valid floating point value".
double StrToFloat(const String& s, const TFormatSettings& settings = FormatSettings);
bool TryStrToFloat(const String& s, double& value, const TFormatSettings& settings = FormatSettings);
// The same for a text of one byte per character, without building a String first.
bool TryStrToFloat(const char* text, std::size_t length, double& value,
                   const TFormatSettings& settings = FormatSettings);
double StrToFloatDef(const String& s, double defaultValue, const TFormatSettings& settings = FormatSettings);
// Picture format: "0" digit, "#" optional digit, "." decimal separator, "," thousands separators,
// "E+" "E-" "e+" "e-" scientific, '...' and "..." literals, up to three ";"-separated sections
// (positive; negative; zero). Halves round away from zero. An empty format gives FloatToStr.
String FormatFloat(const String& format, double value, const TFormatSettings& settings = FormatSettings);
