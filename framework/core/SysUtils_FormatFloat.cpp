#include <algorithm>
#include <cmath>
#include <vector>

#include "FloatDecimal.h"
#include "SysUtils.h"

namespace {

bool IsDigitPlaceholder(Char c)
{
    return c == u'0' || c == u'#';
}

// Splits the picture at ";" outside quotes.
std::vector<String> Sections(const String& format)
{
    std::vector<String> sections(1);
    Char quote = 0;
    for (Char c : format) {
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

// What one section's placeholders ask for.
struct TPicture {
    int IntegerPlaceholders = 0;
    int IntegerMinimum = 0; // placeholders from the first "0" before the point
    int Decimals = 0;
    int DecimalMinimum = 0; // up to the last "0" after the point
    bool Thousands = false;
    bool Scientific = false;
    int ExponentDigits = 0;

    explicit TPicture(const String& section)
    {
        bool afterPoint = false;
        int firstZero = -1;
        Char quote = 0;
        for (size_t i = 0; i < section.size(); ++i) {
            const Char c = section[i];
            if (quote) {
                quote = c == quote ? 0 : quote;
            } else if (c == u'\'' || c == u'"') {
                quote = c;
            } else if (IsDigitPlaceholder(c) && !afterPoint) {
                if (c == u'0' && firstZero < 0)
                    firstZero = IntegerPlaceholders;
                ++IntegerPlaceholders;
            } else if (IsDigitPlaceholder(c)) {
                ++Decimals;
                if (c == u'0')
                    DecimalMinimum = Decimals;
            } else if (c == u'.') {
                afterPoint = true;
            } else if (c == u',') {
                Thousands = Thousands || !afterPoint;
            } else if (IsExponent(section, i)) {
                Scientific = true;
                for (i += 2; i < section.size() && section[i] == u'0'; ++i)
                    ++ExponentDigits;
                break;
            }
        }
        if (firstZero >= 0)
            IntegerMinimum = IntegerPlaceholders - firstZero;
    }

    static bool IsExponent(const String& section, size_t i)
    {
        return (section[i] == u'E' || section[i] == u'e') && i + 1 < section.size() &&
               (section[i + 1] == u'+' || section[i + 1] == u'-');
    }
};

class TFloatPainter {
public:
    TFloatPainter(const String& section, double value, bool withSign, const TFormatSettings& settings)
        : FSection(section), FPicture(section), FSettings(settings)
    {
        FloatDecimal::TDecimal d;
        if (FPicture.Scientific) {
            const int integerDigits = std::max(FPicture.IntegerPlaceholders, 1);
            d = FloatDecimal::Significant(value, std::clamp(integerDigits + FPicture.Decimals, 1, 18));
            FExponent = d.Digits.empty() ? 0 : d.Exponent - integerDigits;
            d.Exponent = d.Digits.empty() ? 0 : integerDigits;
        } else {
            d = FloatDecimal::Fixed(value, FPicture.Decimals);
        }
        FNegative = withSign && d.Negative;
        const int count = static_cast<int>(d.Digits.size());
        auto digit = [&](int i) { return i >= 0 && i < count ? static_cast<Char>(d.Digits[static_cast<size_t>(i)]) : u'0'; };
        for (int i = 0; i < d.Exponent; ++i)
            FInteger += digit(i);
        if (static_cast<int>(FInteger.size()) < FPicture.IntegerMinimum)
            FInteger.insert(0, static_cast<size_t>(FPicture.IntegerMinimum) - FInteger.size(), u'0');
        for (int i = 0; i < FPicture.Decimals; ++i)
            FFraction += digit(d.Exponent + i);
        while (static_cast<int>(FFraction.size()) > FPicture.DecimalMinimum && FFraction.back() == u'0')
            FFraction.pop_back();
    }

    bool IsZero() const { return FInteger.find_first_not_of(u'0') == String::npos && FFraction.find_first_not_of(u'0') == String::npos; }

    String Paint()
    {
        String out = FNegative ? u"-" : u"";
        bool afterPoint = false;
        int integerIndex = 0, fractionIndex = 0;
        Char quote = 0;
        for (size_t i = 0; i < FSection.size(); ++i) {
            const Char c = FSection[i];
            if (quote) {
                if (c == quote)
                    quote = 0;
                else
                    out += c;
            } else if (c == u'\'' || c == u'"') {
                quote = c;
            } else if (IsDigitPlaceholder(c) && !afterPoint) {
                IntegerPlaceholder(out, integerIndex++);
            } else if (IsDigitPlaceholder(c)) {
                if (fractionIndex < static_cast<int>(FFraction.size()))
                    out += FFraction[static_cast<size_t>(fractionIndex)];
                ++fractionIndex;
            } else if (c == u'.') {
                if (!afterPoint && !FFraction.empty())
                    out += FSettings.DecimalSeparator;
                afterPoint = true;
            } else if (c == u',') {
                // Marks thousands grouping; the separators come with the digits.
            } else if (TPicture::IsExponent(FSection, i)) {
                out += c;
                if (FExponent < 0 || FSection[i + 1] == u'+')
                    out += FExponent < 0 ? u'-' : u'+';
                String digits = IntToStr(std::abs(FExponent));
                if (static_cast<int>(digits.size()) < FPicture.ExponentDigits)
                    digits.insert(0, static_cast<size_t>(FPicture.ExponentDigits) - digits.size(), u'0');
                out += digits;
                for (++i; i + 1 < FSection.size() && FSection[i + 1] == u'0'; ++i) {
                }
            } else {
                out += c;
            }
        }
        return out;
    }

private:
    // Digits line up with the placeholders from the right; the first placeholder takes any extra
    // leading digits.
    void IntegerPlaceholder(String& out, int index)
    {
        // Placeholders after the exponent were not counted and show nothing.
        if (index >= FPicture.IntegerPlaceholders)
            return;
        const int count = static_cast<int>(FInteger.size());
        const int first = index == 0 ? 0 : count - FPicture.IntegerPlaceholders + index;
        const int last = count - FPicture.IntegerPlaceholders + index;
        for (int k = std::max(first, 0); k <= last; ++k) {
            out += FInteger[static_cast<size_t>(k)];
            const int remaining = count - 1 - k;
            if (FPicture.Thousands && remaining > 0 && remaining % 3 == 0)
                out += FSettings.ThousandSeparator;
        }
    }

    const String& FSection;
    TPicture FPicture;
    const TFormatSettings& FSettings;
    String FInteger, FFraction;
    int FExponent = 0;
    bool FNegative = false;
};

} // namespace

String FormatFloat(const String& format, double value, const TFormatSettings& settings)
{
    if (std::isnan(value) || std::isinf(value) || format.empty())
        return FloatToStr(value, settings);
    const std::vector<String> sections = Sections(format);
    // The negative section shows the magnitude: its picture carries any sign. An empty chosen
    // section falls back to the first.
    const bool useNegative = value < 0 && sections.size() > 1 && !sections[1].empty();
    const String& section = useNegative ? sections[1] : sections[0];
    TFloatPainter painter(section, useNegative ? -value : value, !useNegative, settings);
    if (painter.IsZero() && sections.size() > 2 && !sections[2].empty())
        return TFloatPainter(sections[2], 0.0, false, settings).Paint();
    return painter.Paint();
}
