#include <algorithm>
#include <vector>

#include "FloatDecimal.h"
#include "SysUtils.h"

namespace {

// Reads one format specifier after its "%" and renders it with its argument.
class TFormatter {
public:
    TFormatter(const String& format, TVarRecs args, const TFormatSettings& settings)
        : FFormat(format), FArgs(args.begin(), args.end()), FSettings(settings)
    {
    }

    String Run()
    {
        String out;
        while (FAt < FFormat.size()) {
            const Char c = FFormat[FAt++];
            if (c != u'%')
                out += c;
            else if (FAt < FFormat.size() && FFormat[FAt] == u'%')
                out += FFormat[FAt++];
            else
                out += Specifier();
        }
        return out;
    }

private:
    [[noreturn]] void Invalid() const
    {
        throw EConvertError(u"Format '" + FFormat + u"' invalid or incompatible with argument");
    }

    const TVarRec& NextArg()
    {
        if (FNextArg >= FArgs.size())
            throw EConvertError(u"No argument for format '" + FFormat + u"'");
        return FArgs[FNextArg++];
    }

    // Digits or "*"; -1 when neither is there.
    int Number()
    {
        if (FAt < FFormat.size() && FFormat[FAt] == u'*') {
            ++FAt;
            const TVarRec& arg = NextArg();
            if (arg.Kind() != TVarRec::vtInteger)
                Invalid();
            return static_cast<int>(std::clamp<Int64>(arg.AsInteger(), 0, 0xFFFF));
        }
        if (FAt >= FFormat.size() || FFormat[FAt] < u'0' || FFormat[FAt] > u'9')
            return -1;
        int n = 0;
        while (FAt < FFormat.size() && FFormat[FAt] >= u'0' && FFormat[FAt] <= u'9')
            n = std::min(n * 10 + (FFormat[FAt++] - u'0'), 0xFFFF);
        return n;
    }

    String Specifier()
    {
        int width = Number();
        if (FAt < FFormat.size() && FFormat[FAt] == u':') {
            if (width < 0)
                Invalid();
            FNextArg = static_cast<size_t>(width);
            ++FAt;
            width = -1;
        }
        bool left = false;
        if (FAt < FFormat.size() && FFormat[FAt] == u'-') {
            left = true;
            ++FAt;
            width = Number();
        } else if (width < 0) {
            width = Number();
        }
        int precision = -1;
        if (FAt < FFormat.size() && FFormat[FAt] == u'.') {
            ++FAt;
            precision = std::max(Number(), 0);
        }
        if (FAt >= FFormat.size())
            Invalid();
        const Char type = FFormat[FAt++];
        const String text = Render(type, NextArg(), precision);
        if (width <= static_cast<int>(text.size()))
            return text;
        const String pad(static_cast<size_t>(width) - text.size(), u' ');
        return left ? text + pad : pad + text;
    }

    String Render(Char type, const TVarRec& arg, int precision)
    {
        switch (type) {
        case u'd': case u'D': return Integer(arg, precision, false);
        case u'u': case u'U': return Integer(arg, precision, true);
        case u'x': case u'X': return Hex(arg, precision);
        case u'e': case u'E': return Exponent(Float(arg), precision < 0 ? 15 : std::clamp(precision, 1, 18));
        case u'f': case u'F': return FixedText(Float(arg), precision < 0 ? 2 : std::min(precision, 18));
        case u'g': case u'G': return General(Float(arg), precision < 0 ? 15 : std::clamp(precision, 1, 18));
        case u's': case u'S': return Text(arg, precision);
        default: Invalid();
        }
    }

    String Integer(const TVarRec& arg, int precision, bool asUnsigned)
    {
        if (arg.Kind() != TVarRec::vtInteger)
            Invalid();
        const Int64 v = arg.AsInteger();
        const bool negative = v < 0 && !asUnsigned;
        UInt64 magnitude = negative ? 0 - static_cast<UInt64>(v) : static_cast<UInt64>(v);
        if (asUnsigned && !arg.IsWide())
            magnitude &= 0xFFFFFFFFu;
        std::string digits = std::to_string(magnitude);
        if (precision > static_cast<int>(digits.size()))
            digits.insert(0, static_cast<size_t>(precision) - digits.size(), '0');
        return (negative ? u"-" : u"") + String(digits.begin(), digits.end());
    }

    String Hex(const TVarRec& arg, int precision)
    {
        if (arg.Kind() != TVarRec::vtInteger)
            Invalid();
        const UInt64 bits = static_cast<UInt64>(arg.AsInteger());
        return SysUtilsDetail::HexOfBits(arg.IsWide() ? bits : bits & 0xFFFFFFFFu, std::max(precision, 0));
    }

    double Float(const TVarRec& arg)
    {
        if (arg.Kind() != TVarRec::vtFloat)
            Invalid();
        return arg.AsFloat();
    }

    String Exponent(double value, int precision) const
    {
        const String special = FloatDecimal::SpecialText(value);
        if (!special.empty())
            return special;
        const FloatDecimal::TDecimal d = FloatDecimal::Significant(value, precision);
        std::string mantissa = d.Digits.empty() ? "0" : d.Digits;
        mantissa.resize(static_cast<size_t>(precision), '0');
        String out = d.Negative ? u"-" : u"";
        out += static_cast<Char>(mantissa[0]);
        if (precision > 1) {
            out += FSettings.DecimalSeparator;
            out.append(mantissa.begin() + 1, mantissa.end());
        }
        const int exponent = d.Digits.empty() ? 0 : d.Exponent - 1;
        std::string digits = std::to_string(std::abs(exponent));
        digits.insert(0, digits.size() < 3 ? 3 - digits.size() : 0, '0');
        out += exponent < 0 ? u"E-" : u"E+";
        return out.append(digits.begin(), digits.end());
    }

    String FixedText(double value, int decimals) const
    {
        const String special = FloatDecimal::SpecialText(value);
        if (!special.empty())
            return special;
        const FloatDecimal::TDecimal d = FloatDecimal::Fixed(value, decimals);
        if (d.Exponent > 18)
            return General(value, 15);
        String out = d.Negative ? u"-" : u"";
        const int count = static_cast<int>(d.Digits.size());
        auto digit = [&](int i) { return i >= 0 && i < count ? static_cast<Char>(d.Digits[static_cast<size_t>(i)]) : u'0'; };
        if (d.Exponent <= 0)
            out += u'0';
        for (int i = 0; i < d.Exponent; ++i)
            out += digit(i);
        if (decimals > 0)
            out += FSettings.DecimalSeparator;
        for (int i = 0; i < decimals; ++i)
            out += digit(d.Exponent + i);
        return out;
    }

    String General(double value, int precision) const
    {
        const String special = FloatDecimal::SpecialText(value);
        if (!special.empty())
            return special;
        return FloatDecimal::GeneralText(FloatDecimal::Significant(value, precision), precision,
                                         FSettings.DecimalSeparator);
    }

    String Text(const TVarRec& arg, int precision)
    {
        if (arg.Kind() != TVarRec::vtString && arg.Kind() != TVarRec::vtPChar && arg.Kind() != TVarRec::vtChar)
            Invalid();
        String s = arg.AsString();
        if (precision >= 0 && static_cast<size_t>(precision) < s.size())
            s.resize(static_cast<size_t>(precision));
        return s;
    }

    const String& FFormat;
    std::vector<TVarRec> FArgs;
    const TFormatSettings& FSettings;
    size_t FAt = 0;
    size_t FNextArg = 0;
};

} // namespace

String Format(const String& format, TVarRecs args, const TFormatSettings& settings)
{
    return TFormatter(format, args, settings).Run();
}
