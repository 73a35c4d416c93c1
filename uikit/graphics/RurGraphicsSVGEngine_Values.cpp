#include "RurGraphicsSVGEngine_Values.h"

#include <cfloat>
#include <cmath>
#include <numbers>
#include <vector>

#include "Math.h"
#include "RurUtils.h"

namespace {

constexpr double Pi = std::numbers::pi;

bool EndsWith(const String& text, const String& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool StartsWith(const String& text, const String& prefix) { return text.compare(0, prefix.size(), prefix) == 0; }

float NumberOrZero(const String& text)
{
    float value = 0;
    TryParseNumber(text, value);
    return value;
}

bool IsBlank(Char c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

struct TLengthUnit {
    const char16_t* Name;
    float Factor;
};

// Tested in this order on the last two characters.
constexpr TLengthUnit LengthUnits[] = {{u"px", 1},   {u"pt", 1.25f}, {u"pc", 15},  {u"mm", 10},
                                       {u"cm", 100}, {u"in", 25.4f}, {u"em", 1},   {u"ex", 1}};

} // namespace

bool TryParseNumber(const String& AText, float& AValue)
{
    // "." and "," whatever the locale, made once: a document reads tens of thousands of numbers.
    static const TFormatSettings dotSettings = [] {
        TFormatSettings settings = FormatSettings;
        settings.DecimalSeparator = u'.';
        settings.ThousandSeparator = u',';
        return settings;
    }();
    double value;
    if (AText.empty() || !TryStrToFloat(AText, value, dotSettings) || !std::isfinite(value) || std::fabs(value) > FLT_MAX)
        return false;
    AValue = float(value);
    return true;
}

float ParseLength(const String& AText)
{
    for (const TLengthUnit& unit : LengthUnits)
        if (EndsWith(AText, unit.Name))
            return NumberOrZero(AText.substr(0, AText.size() - 2)) * unit.Factor;
    if (EndsWith(AText, u"%"))
        return NumberOrZero(AText.substr(0, AText.size() - 1));
    return NumberOrZero(AText);
}

float ParseAngle(const String& AText)
{
    if (EndsWith(AText, u"deg"))
        return float(NumberOrZero(AText.substr(0, AText.size() - 3)) * Pi / 180);
    if (EndsWith(AText, u"grad"))
        return float(NumberOrZero(AText.substr(0, AText.size() - 4)) * Pi / 200);
    if (EndsWith(AText, u"rad"))
        return NumberOrZero(AText.substr(0, AText.size() - 3));
    return float(NumberOrZero(AText) * Pi / 180);
}

int ParseColorComponent(const String& AText)
{
    String text = u"0" + AText;
    const bool percent = EndsWith(text, u"%");
    if (percent)
        text.pop_back();
    auto digitValue = [](Char c, int base) {
        if (c >= u'0' && c <= u'9')
            return c - u'0';
        if (base == 16 && c >= u'a' && c <= u'f')
            return c - u'a' + 10;
        if (base == 16 && c >= u'A' && c <= u'F')
            return c - u'A' + 10;
        return -1;
    };
    for (int base : {10, 16}) {
        int value = 0;
        bool valid = true;
        for (Char c : text) {
            const int digit = digitValue(c, base);
            valid = valid && digit >= 0;
            if (valid)
                value = std::min(value * base + digit, 256); // capped as read, so long texts cannot overflow
        }
        if (valid)
            return percent ? int(Round(std::min(value, 100) * 2.55)) : std::min(value, 255);
    }
    return -1;
}

int ParseRGBColor(const String& AText, int& AAlpha)
{
    AAlpha = 255;
    const bool hasAlpha = StartsWith(AText, u"rgba(");
    if (!(hasAlpha || StartsWith(AText, u"rgb(")) || !EndsWith(AText, u")"))
        return -1;
    const std::size_t open = AText.find(u'(');
    String rest = Trim(AText.substr(open + 1, AText.size() - open - 2));
    int components[4] = {0, 0, 0, 255};
    const int count = hasAlpha ? 4 : 3;
    for (int i = 0; i < count; ++i) {
        String part = rest;
        if (i < count - 1) {
            const std::size_t comma = rest.find(u',');
            if (comma == String::npos)
                return -1; // too few components: no colour rather than a guessed one
            part = rest.substr(0, comma);
            rest = Trim(rest.substr(comma + 1));
        }
        components[i] = ParseColorComponent(part);
    }
    AAlpha = components[3];
    if (components[0] < 0 || components[1] < 0 || components[2] < 0)
        return -1;
    return components[0] | components[1] << 8 | components[2] << 16;
}

namespace {

// Blanks and commas separate the items; empty items are dropped.
std::vector<String> SplitItems(const String& text)
{
    std::vector<String> items;
    String item;
    for (Char c : text + u",") {
        if (c == u',' || IsBlank(c)) {
            if (!item.empty())
                items.push_back(item);
            item.clear();
        } else
            item += c;
    }
    return items;
}

bool ReadNumbers(const std::vector<String>& items, std::size_t first, float* values, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        if (!TryParseNumber(items[first + i], values[i]))
            return false;
    return true;
}

TRurGraphicsMatrix TransformItem(const String& name, const std::vector<String>& args, bool& hasTranslate,
                                 TPointF& translate)
{
    TRurGraphicsMatrix m = TRurGraphicsMatrix::Identity();
    float v[6];
    const std::size_t n = args.size();
    if (name == u"matrix" && n == 6 && ReadNumbers(args, 0, v, 6)) {
        m.m11 = v[0], m.m12 = v[1], m.m21 = v[2], m.m22 = v[3], m.m31 = v[4], m.m32 = v[5];
    } else if (name == u"translate" && (n == 1 || n == 2) && ReadNumbers(args, 0, v, n)) {
        translate = {v[0], n == 2 ? v[1] : 0.0f};
        hasTranslate = true;
        m = TRurGraphicsMatrix::CreateTranslation(translate.X, translate.Y);
    } else if (name == u"scale" && (n == 1 || n == 2) && ReadNumbers(args, 0, v, n)) {
        m = TRurGraphicsMatrix::CreateScaling(v[0], n == 2 ? v[1] : v[0]);
    } else if (name == u"rotate" && n >= 1) {
        TPointF centre = hasTranslate ? translate : TPointF{};
        if (n == 3) {
            if (!ReadNumbers(args, 1, v, 2))
                return m;
            centre = {v[0], v[1]};
        }
        m = TRurGraphicsMatrix::CreateTranslation(-centre.X, -centre.Y) *
            TRurGraphicsMatrix::CreateRotation(ParseAngle(args[0])) *
            TRurGraphicsMatrix::CreateTranslation(centre.X, centre.Y);
    } else if ((name == u"skewX" || name == u"skewY") && n == 1 && ReadNumbers(args, 0, v, 1)) {
        (name == u"skewX" ? m.m21 : m.m12) = float(std::tan(v[0] * Pi / 180));
    }
    return m;
}

} // namespace

TRurGraphicsMatrix ParseTransform(const String& AText)
{
    TRurGraphicsMatrix result = TRurGraphicsMatrix::Identity();
    bool hasTranslate = false;
    TPointF translate;
    String text = AText;
    for (;;) {
        const std::size_t open = text.find(u'('), close = text.find(u')');
        if (open == String::npos || close == String::npos)
            break;
        // A ")" before the "(" leaves an empty argument text, which fits no item.
        const String args = close > open ? Trim(text.substr(open + 1, close - open - 1)) : String();
        result = result * TransformItem(text.substr(0, open), SplitItems(args), hasTranslate, translate);
        text = Trim(text.substr(close + 1));
    }
    return result;
}

std::unique_ptr<TRurGraphicsPath> ParsePoints(const String& AText, bool AClose)
{
    String text;
    for (Char c : AText) {
        if (c == u'-')
            text += u" -";
        else
            text += c == u',' ? u' ' : c;
    }
    const std::vector<String> items = SplitItems(text);
    if (items.size() % 2 != 0)
        return nullptr;
    auto path = std::make_unique<TRurGraphicsPath>();
    for (std::size_t i = 0; i < items.size(); i += 2) {
        const TPointF p{NumberOrZero(items[i]), NumberOrZero(items[i + 1])};
        if (i == 0)
            path->MoveTo(p);
        else
            path->LineTo(p);
    }
    if (AClose && !items.empty())
        path->ClosePath();
    return path;
}

float GradientAngle(float AX1, float AY1, float AX2, float AY2)
{
    double angle = std::atan2(double(AY2) - AY1, double(AX2) - AX1) * 180 / Pi;
    if (angle < 0)
        angle += 360;
    return angle >= 360 ? 0.0f : float(angle);
}
