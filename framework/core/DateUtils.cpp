#include "DateUtils.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "Math.h"

namespace {

// Days from 0001-01-01 to 1899-12-30.
constexpr Int64 DateDelta = 693594;

constexpr Word DaysInMonth[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                     {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};

// Whole days since 0001-01-01 and milliseconds into the day, rounded to the millisecond.
struct TTimeStamp {
    Int64 Days;
    int MSecs;
};

TTimeStamp ToTimeStamp(TDateTime value)
{
    const double wholeDays = std::trunc(value);
    Int64 days = Trunc(wholeDays);
    Int64 ms = Round(std::fabs(value - wholeDays) * MSecsPerDay);
    if (ms >= MSecsPerDay) {
        ms = 0;
        days += value < 0 ? -1 : 1;
    }
    return {days + DateDelta, static_cast<int>(ms)};
}

std::tm LocalTime(std::time_t t)
{
    std::tm result{};
#ifdef _WIN32
    localtime_s(&result, &t);
#else
    localtime_r(&t, &result);
#endif
    return result;
}

} // namespace

bool IsLeapYear(Word year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

bool TryEncodeDate(Word year, Word month, Word day, TDateTime& date)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth[IsLeapYear(year)][month - 1])
        return false;
    Int64 dayOfYear = day;
    for (int m = 0; m < month - 1; ++m)
        dayOfYear += DaysInMonth[IsLeapYear(year)][m];
    const Int64 y = year - 1;
    date = static_cast<double>(y * 365 + y / 4 - y / 100 + y / 400 + dayOfYear - DateDelta);
    return true;
}

bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& time)
{
    if (hour >= 24 || min >= 60 || sec >= 60 || msec >= 1000)
        return false;
    time = (hour * 3600000.0 + min * 60000.0 + sec * 1000.0 + msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeDate(Word year, Word month, Word day)
{
    TDateTime result;
    if (!TryEncodeDate(year, month, day, result))
        throw EConvertError(u"Invalid argument to date encode");
    return result;
}

TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec)
{
    TDateTime result;
    if (!TryEncodeTime(hour, min, sec, msec, result))
        throw EConvertError(u"Invalid argument to time encode");
    return result;
}

void DecodeDate(TDateTime date, Word& year, Word& month, Word& day)
{
    const Int64 days = ToTimeStamp(date).Days;
    if (days <= 0 || days > 3652059) { // outside 0001-01-01 .. 9999-12-31
        year = month = day = 0;
        return;
    }
    // Whole 400-, 100-, 4- and 1-year periods since 0001-01-01.
    Int64 t = days - 1;
    Int64 y = 1;
    y += t / 146097 * 400;
    t %= 146097;
    Int64 centuries = t / 36524;
    t %= 36524;
    if (centuries == 4) {
        centuries = 3;
        t += 36524;
    }
    y += centuries * 100 + t / 1461 * 4;
    t %= 1461;
    Int64 years = t / 365;
    t %= 365;
    if (years == 4) {
        years = 3;
        t += 365;
    }
    y += years;
    year = static_cast<Word>(y);
    const Word* lengths = DaysInMonth[IsLeapYear(year)];
    month = 1;
    while (t >= lengths[month - 1])
        t -= lengths[month++ - 1];
    day = static_cast<Word>(t + 1);
}

void DecodeTime(TDateTime time, Word& hour, Word& min, Word& sec, Word& msec)
{
    const int ms = ToTimeStamp(time).MSecs;
    hour = static_cast<Word>(ms / 3600000);
    min = static_cast<Word>(ms / 60000 % 60);
    sec = static_cast<Word>(ms / 1000 % 60);
    msec = static_cast<Word>(ms % 1000);
}

int DayOfWeek(TDateTime date)
{
    return static_cast<int>((ToTimeStamp(date).Days % 7 + 7) % 7) + 1;
}

TDateTime Now()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    const std::tm local = LocalTime(seconds);
    return EncodeDate(static_cast<Word>(local.tm_year + 1900), static_cast<Word>(local.tm_mon + 1),
                      static_cast<Word>(local.tm_mday)) +
           EncodeTime(static_cast<Word>(local.tm_hour), static_cast<Word>(local.tm_min),
                      static_cast<Word>(std::min(local.tm_sec, 59)), static_cast<Word>(ms < 0 ? 0 : ms));
}

TDateTime Date()
{
    return std::trunc(Now());
}

TDateTime Time()
{
    const TDateTime now = Now();
    return now - std::trunc(now);
}

Int64 DateTimeToUnix(TDateTime value)
{
    return Round((value - UnixDateDelta) * SecsPerDay);
}

TDateTime UnixToDateTime(Int64 value)
{
    return UnixDateDelta + static_cast<double>(value) / SecsPerDay;
}
