#include <cmath>

#include "DateUtils.h"

namespace {

Char Upper(Char c)
{
    return c >= u'a' && c <= u'z' ? static_cast<Char>(c - 32) : c;
}

bool StartsWithText(const String& s, size_t at, const char* word)
{
    for (size_t k = 0; word[k]; ++k)
        if (at + k >= s.size() || Upper(s[at + k]) != word[k])
            return false;
    return true;
}

// An am/pm marker anywhere outside quotes makes the hours count 1 to 12.
bool UsesTwelveHours(const String& format)
{
    Char quote = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (quote)
            quote = format[i] == quote ? 0 : quote;
        else if (format[i] == u'\'' || format[i] == u'"')
            quote = format[i];
        else if (StartsWithText(format, i, "AM/PM") || StartsWithText(format, i, "A/P") || StartsWithText(format, i, "AMPM"))
            return true;
    }
    return false;
}

String Number(int value, size_t minDigits)
{
    String s = IntToStr(value);
    if (s.size() < minDigits)
        s.insert(0, minDigits - s.size(), u'0');
    return s;
}

class TDateFormatter {
public:
    TDateFormatter(TDateTime value, const TFormatSettings& settings) : FValue(value), FSettings(settings)
    {
        DecodeDate(value, FYear, FMonth, FDay);
        DecodeTime(value, FHour, FMin, FSec, FMSec);
    }

    // Nested formats (c, ddddd, t, ...) expand at most two levels deep, so a format that names
    // itself cannot recurse for ever.
    void Append(const String& format, int level)
    {
        if (level > 2)
            return;
        const bool twelveHours = UsesTwelveHours(format);
        Char lastLetter = 0;
        size_t i = 0;
        while (i < format.size()) {
            const Char c = format[i];
            Char token = Upper(c);
            if (token >= u'A' && token <= u'Z') {
                if (token == u'M' && lastLetter == u'H')
                    token = u'N';
                lastLetter = token;
            }
            size_t count = 1;
            while (i + count < format.size() && Upper(format[i + count]) == Upper(c))
                ++count;
            switch (token) {
            case u'Y':
                Out += count <= 2 ? Number(FYear % 100, 2) : Number(FYear, 4);
                break;
            case u'M':
                Month(count);
                break;
            case u'D':
                Day(count, level);
                break;
            case u'H':
                count = std::min<size_t>(count, 2);
                Out += Number(twelveHours ? (FHour + 11) % 12 + 1 : FHour, count);
                break;
            case u'N':
                count = std::min<size_t>(count, 2);
                Out += Number(FMin, count);
                break;
            case u'S':
                count = std::min<size_t>(count, 2);
                Out += Number(FSec, count);
                break;
            case u'Z':
                count = count >= 3 ? 3 : 1;
                Out += Number(FMSec, count);
                break;
            case u'T':
                count = std::min<size_t>(count, 2);
                Append(count == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat, level + 1);
                break;
            case u'C':
                count = 1;
                Append(FSettings.ShortDateFormat, level + 1);
                if (FHour || FMin || FSec || FMSec) {
                    Out += u' ';
                    Append(FSettings.LongTimeFormat, level + 1);
                }
                break;
            case u'A':
                count = AmPm(format, i);
                break;
            case u'/':
                count = 1;
                Out += FSettings.DateSeparator;
                break;
            case u':':
                count = 1;
                Out += FSettings.TimeSeparator;
                break;
            case u'\'':
            case u'"': {
                const size_t close = format.find(c, i + 1);
                const size_t end = close == String::npos ? format.size() : close;
                Out.append(format, i + 1, end - i - 1);
                count = end - i + (close == String::npos ? 0 : 1);
                break;
            }
            default:
                count = 1;
                Out += c;
            }
            i += count;
        }
    }

    String Out;

private:
    void Month(size_t count)
    {
        if (count >= 3 && (FMonth < 1 || FMonth > 12))
            return;
        if (count == 1 || count == 2)
            Out += Number(FMonth, count);
        else if (count == 3)
            Out += FSettings.ShortMonthNames[FMonth - 1];
        else
            Out += FSettings.LongMonthNames[FMonth - 1];
    }

    void Day(size_t count, int level)
    {
        if (count <= 2)
            Out += Number(FDay, count);
        else if (count == 3)
            Out += FSettings.ShortDayNames[static_cast<size_t>(DayOfWeek(FValue) - 1)];
        else if (count == 4)
            Out += FSettings.LongDayNames[static_cast<size_t>(DayOfWeek(FValue) - 1)];
        else
            Append(count == 5 ? FSettings.ShortDateFormat : FSettings.LongDateFormat, level + 1);
    }

    // Writes the marker at i and returns its length; a lone "a" is literal.
    size_t AmPm(const String& format, size_t i)
    {
        const bool pm = FHour >= 12;
        if (StartsWithText(format, i, "AM/PM")) {
            Out += format.substr(i + (pm ? 3 : 0), 2);
            return 5;
        }
        if (StartsWithText(format, i, "A/P")) {
            Out += format[i + (pm ? 2 : 0)];
            return 3;
        }
        if (StartsWithText(format, i, "AMPM")) {
            Out += pm ? FSettings.TimePMString : FSettings.TimeAMString;
            return 4;
        }
        Out += format[i];
        return 1;
    }

    TDateTime FValue;
    const TFormatSettings& FSettings;
    Word FYear, FMonth, FDay, FHour, FMin, FSec, FMSec;
};

} // namespace

String FormatDateTime(const String& format, TDateTime value, const TFormatSettings& settings)
{
    TDateFormatter formatter(value, settings);
    formatter.Append(format.empty() ? String(u"c") : format, 0);
    return formatter.Out;
}

String DateToStr(TDateTime value, const TFormatSettings& settings)
{
    return FormatDateTime(u"ddddd", value, settings);
}

String TimeToStr(TDateTime value, const TFormatSettings& settings)
{
    return FormatDateTime(u"tt", value, settings);
}

String DateTimeToStr(TDateTime value, const TFormatSettings& settings)
{
    return FormatDateTime(u"c", value, settings);
}
