// TRurUtils: locale-independent numbers, sizes and dates.
#include "RurUtils.h"

#include <algorithm>
#include <iterator>

namespace {

// The settings of the locale with "." and ",". Passed explicitly instead of switching the
// process-wide separators, so the conversion cannot disturb other threads nor leak on failure.
TFormatSettings DotSettings()
{
    TFormatSettings settings = FormatSettings;
    settings.DecimalSeparator = u'.';
    settings.ThousandSeparator = u',';
    return settings;
}

bool TryToWord(const String& text, Word& value)
{
    int number;
    if (!TryStrToInt(text, number) || number < 0 || number > 0xFFFF)
        return false;
    value = Word(number);
    return true;
}

// "h:m" or "h:m:s" with the locale's time separator.
bool TryParseTime(const String& text, TDateTime& time)
{
    const Char separator = FormatSettings.TimeSeparator;
    const std::size_t first = text.find(separator);
    if (first == String::npos)
        return false;
    const std::size_t second = text.find(separator, first + 1);
    Word hours, minutes, seconds = 0;
    if (!TryToWord(text.substr(0, first), hours))
        return false;
    if (second == String::npos) {
        if (!TryToWord(text.substr(first + 1), minutes))
            return false;
    } else if (!TryToWord(text.substr(first + 1, second - first - 1), minutes) ||
               !TryToWord(text.substr(second + 1), seconds)) {
        return false;
    }
    return hours <= 23 && minutes <= 59 && TryEncodeTime(hours, minutes, seconds, 0, time);
}

} // namespace

String TRurUtils::StripThousandSep(const String& ps)
{
    String result = ps;
    std::erase(result, FormatSettings.ThousandSeparator);
    return result;
}

double TRurUtils::StrToFloatDot(const String& AValue)
{
    return StrToFloat(AValue, DotSettings());
}

bool TRurUtils::TryStrToFloatDot(const String& AValue, double& AResult)
{
    return TryStrToFloat(AValue, AResult, DotSettings());
}

String TRurUtils::FloatToStrDot(double AValue)
{
    return FloatToStr(AValue, DotSettings());
}

TDateTime TRurUtils::EpochToDateTime(const String& AEpoch)
{
    return UnixToDateTime(StrToInt(AEpoch));
}

String TRurUtils::FormatBytesAsString(double ASize)
{
    static const Char* const units[] = {u"Bytes", u"KB", u"MB", u"GB", u"TB"};
    constexpr int largestUnit = int(std::size(units)) - 1;
    if (ASize <= -1)
        return String();
    int steps = 0;
    while (ASize >= 1024 && steps < largestUnit) {
        ASize /= 1024;
        ++steps;
    }
    const String number = steps > 0 ? FormatFloat(u"0.00", ASize) : FloatToStr(ASize);
    return number + u" " + units[steps];
}

bool TRurUtils::IsDate(const String& AValue, TDateTime& ADate)
{
    // The order of day, month and year in the text follows their order in the short date format.
    const String format = UpperCase(FormatSettings.ShortDateFormat);
    struct Field { std::size_t at; Word* value; };
    Word day, month, year;
    Field fields[] = {{format.find(u'D'), &day}, {format.find(u'M'), &month}, {format.find(u'Y'), &year}};
    std::stable_sort(std::begin(fields), std::end(fields), [](const Field& a, const Field& b) { return a.at < b.at; });

    const Char separator = FormatSettings.DateSeparator;
    const std::size_t first = AValue.find(separator);
    if (first == String::npos)
        return false;
    const std::size_t second = AValue.find(separator, first + 1);
    if (second == String::npos)
        return false;
    String third = Trim(AValue.substr(second + 1));
    String timeText;
    const std::size_t space = third.find(u' ');
    if (space != String::npos) {
        timeText = third.substr(space + 1);
        third.resize(space);
    }
    if (!TryToWord(AValue.substr(0, first), *fields[0].value) ||
        !TryToWord(AValue.substr(first + 1, second - first - 1), *fields[1].value) ||
        !TryToWord(third, *fields[2].value))
        return false;
    TDateTime date;
    if (day > 31 || month > 12 || !TryEncodeDate(year, month, day, date))
        return false;
    ADate = date;
    if (timeText.empty())
        return true;
    TDateTime time;
    if (!TryParseTime(timeText, time))
        return false;
    ADate = date + time;
    return true;
}
