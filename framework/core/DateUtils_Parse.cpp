#include <optional>

#include "DateUtils.h"

namespace {

// A cursor over the text being read.
class TScanner {
public:
    explicit TScanner(const String& s) : FText(s) {}

    bool AtEnd() const { return FAt >= FText.size(); }
    void Blanks()
    {
        while (!AtEnd() && FText[FAt] == u' ')
            ++FAt;
    }
    bool Take(Char c)
    {
        Blanks();
        if (AtEnd() || FText[FAt] != c)
            return false;
        ++FAt;
        return true;
    }
    // Digits, at most four; the count read goes to `digits`.
    std::optional<int> Number(int* digits = nullptr)
    {
        Blanks();
        int value = 0, n = 0;
        while (!AtEnd() && n < 5 && FText[FAt] >= u'0' && FText[FAt] <= u'9') {
            value = value * 10 + (FText[FAt++] - u'0');
            ++n;
        }
        if (digits)
            *digits = n;
        if (n == 0 || n > 4)
            return std::nullopt;
        return value;
    }
    bool TakeText(const String& word)
    {
        Blanks();
        if (word.empty() || FText.size() - FAt < word.size() || !SameText(FText.substr(FAt, word.size()), word))
            return false;
        FAt += word.size();
        return true;
    }
    size_t At() const { return FAt; }

private:
    const String& FText;
    size_t FAt = 0;
};

enum class TDateOrder { DMY, MDY, YMD };

TDateOrder DateOrder(const String& shortDateFormat)
{
    for (Char c : shortDateFormat) {
        switch (c) {
        case u'd': case u'D': return TDateOrder::DMY;
        case u'm': case u'M': return TDateOrder::MDY;
        case u'y': case u'Y': return TDateOrder::YMD;
        default: break;
        }
    }
    return TDateOrder::MDY;
}

Word CurrentYear()
{
    Word year, month, day;
    DecodeDate(Date(), year, month, day);
    return year;
}

bool ScanDate(TScanner& in, const TFormatSettings& settings, TDateTime& value)
{
    int digits[3] = {};
    std::optional<int> n[3];
    n[0] = in.Number(&digits[0]);
    if (!n[0] || !in.Take(settings.DateSeparator))
        return false;
    n[1] = in.Number(&digits[1]);
    if (!n[1])
        return false;
    int count = 2;
    if (in.Take(settings.DateSeparator)) {
        n[2] = in.Number(&digits[2]);
        if (!n[2])
            return false;
        count = 3;
    }
    const TDateOrder order = DateOrder(settings.ShortDateFormat);
    int year, month, day, yearDigits;
    if (count == 2) {
        year = CurrentYear();
        yearDigits = 4;
        month = order == TDateOrder::DMY ? *n[1] : *n[0];
        day = order == TDateOrder::DMY ? *n[0] : *n[1];
    } else {
        const int y = order == TDateOrder::YMD ? 0 : 2;
        year = *n[y];
        yearDigits = digits[y];
        month = order == TDateOrder::MDY ? *n[0] : *n[1];
        day = order == TDateOrder::DMY ? *n[0] : order == TDateOrder::MDY ? *n[1] : *n[2];
    }
    if (year <= 99 && yearDigits <= 2) {
        const int centuryBase = CurrentYear() - settings.TwoDigitYearCenturyWindow;
        year += centuryBase / 100 * 100;
        if (settings.TwoDigitYearCenturyWindow > 0 && year < centuryBase)
            year += 100;
    }
    return TryEncodeDate(static_cast<Word>(year), static_cast<Word>(month), static_cast<Word>(day), value);
}

// -1 without a marker, 0 for AM, 12 for PM.
int ScanAmPm(TScanner& in, const TFormatSettings& settings)
{
    if (in.TakeText(settings.TimeAMString) || in.TakeText(u"AM"))
        return 0;
    if (in.TakeText(settings.TimePMString) || in.TakeText(u"PM"))
        return 12;
    return -1;
}

bool ScanTime(TScanner& in, const TFormatSettings& settings, TDateTime& value)
{
    int baseHour = ScanAmPm(in, settings);
    const auto hour = in.Number();
    if (!hour)
        return false;
    int min = 0, sec = 0, msec = 0;
    const bool separated = in.Take(settings.TimeSeparator);
    if (separated) {
        const auto m = in.Number();
        if (!m)
            return false;
        min = *m;
        if (in.Take(settings.TimeSeparator)) {
            const auto s = in.Number();
            if (!s)
                return false;
            sec = *s;
            if (in.Take(settings.DecimalSeparator)) {
                const auto ms = in.Number();
                if (!ms)
                    return false;
                msec = *ms;
            }
        }
    }
    if (baseHour < 0)
        baseHour = ScanAmPm(in, settings);
    // A bare hour needs its AM/PM marker to read as a time.
    if (!separated && baseHour < 0)
        return false;
    int h = *hour;
    if (baseHour >= 0) {
        if (h == 0 || h > 12)
            return false;
        h = h % 12 + baseHour;
    }
    return TryEncodeTime(static_cast<Word>(h), static_cast<Word>(min), static_cast<Word>(sec),
                         static_cast<Word>(msec), value);
}

template <class Scan>
bool ScanWhole(const String& s, const TFormatSettings& settings, TDateTime& value, Scan scan)
{
    TScanner in(s);
    TDateTime result;
    if (!scan(in, settings, result))
        return false;
    in.Blanks();
    if (!in.AtEnd())
        return false;
    value = result;
    return true;
}

bool ScanDateTime(TScanner& in, const TFormatSettings& settings, TDateTime& value)
{
    TDateTime date, time = 0;
    if (!ScanDate(in, settings, date))
        return false;
    in.Blanks();
    if (!in.AtEnd() && !ScanTime(in, settings, time))
        return false;
    value = date < 0 ? date - time : date + time;
    return true;
}

} // namespace

bool TryStrToDate(const String& s, TDateTime& value, const TFormatSettings& settings)
{
    return ScanWhole(s, settings, value, ScanDate);
}

bool TryStrToTime(const String& s, TDateTime& value, const TFormatSettings& settings)
{
    return ScanWhole(s, settings, value, ScanTime);
}

bool TryStrToDateTime(const String& s, TDateTime& value, const TFormatSettings& settings)
{
    return ScanWhole(s, settings, value, ScanDateTime) || ScanWhole(s, settings, value, ScanTime);
}

TDateTime StrToDate(const String& s, const TFormatSettings& settings)
{
    TDateTime value;
    if (!TryStrToDate(s, value, settings))
        throw EConvertError(u"'" + s + u"' is not a valid date");
    return value;
}

TDateTime StrToTime(const String& s, const TFormatSettings& settings)
{
    TDateTime value;
    if (!TryStrToTime(s, value, settings))
        throw EConvertError(u"'" + s + u"' is not a valid time");
    return value;
}

TDateTime StrToDateTime(const String& s, const TFormatSettings& settings)
{
    TDateTime value;
    if (!TryStrToDateTime(s, value, settings))
        throw EConvertError(u"'" + s + u"' is not a valid date and time");
    return value;
}
