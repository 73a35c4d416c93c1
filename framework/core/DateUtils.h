#pragma once
// Dates and times as TDateTime: days since 1899-12-30, the time of day as the fraction. A negative
// value counts whole days back and its fraction forward from midnight of that day (-1.25 is
// 1899-12-29 06:00).
#include "SysUtils.h"

using TDateTime = double;

constexpr int HoursPerDay = 24;
constexpr int MinsPerDay = HoursPerDay * 60;
constexpr int SecsPerDay = MinsPerDay * 60;
constexpr int MSecsPerDay = SecsPerDay * 1000;
// 1970-01-01 as a TDateTime.
constexpr TDateTime UnixDateDelta = 25569;

bool IsLeapYear(Word year);

// Years 1 to 9999. The Try forms answer false for an invalid date or time (30 February, second
// 60); the others raise EConvertError.
bool TryEncodeDate(Word year, Word month, Word day, TDateTime& date);
bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& time);
TDateTime EncodeDate(Word year, Word month, Word day);
TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec);
// Splits a date-time, rounded to the millisecond.
void DecodeDate(TDateTime date, Word& year, Word& month, Word& day);
void DecodeTime(TDateTime time, Word& hour, Word& min, Word& sec, Word& msec);
// 1 for Sunday to 7 for Saturday.
int DayOfWeek(TDateTime date);

// The local date and time of the machine.
TDateTime Now();
TDateTime Date();
TDateTime Time();

// Whole seconds since 1970-01-01 00:00 and back, both sides in UTC.
Int64 DateTimeToUnix(TDateTime value);
TDateTime UnixToDateTime(Int64 value);

// Format letters, case-insensitive: c, d, dd, ddd, dddd, ddddd, dddddd, m, mm, mmm, mmmm
// (minutes right after an hour), yy, yyyy, h, hh, n, nn, s, ss, z, zzz, t, tt, am/pm, a/p, ampm
// (the hours then count 1 to 12), / and : (the settings' separators), '...' and "..." literals.
String FormatDateTime(const String& format, TDateTime value, const TFormatSettings& settings = FormatSettings);
String DateToStr(TDateTime value, const TFormatSettings& settings = FormatSettings);
String TimeToStr(TDateTime value, const TFormatSettings& settings = FormatSettings);
// The date, and the time when it is not midnight.
String DateTimeToStr(TDateTime value, const TFormatSettings& settings = FormatSettings);

// Dates: two or three numbers between date separators, in the order of the short date format
// (the current year when the year is left out; two-digit years within TwoDigitYearCenturyWindow).
// Times: hours:minutes[:seconds[.milliseconds]] with an optional AM/PM marker, or an hour with one. Raise
// EConvertError "'text' is not a valid date" / "... time" / "... date and time".
bool TryStrToDate(const String& s, TDateTime& value, const TFormatSettings& settings = FormatSettings);
bool TryStrToTime(const String& s, TDateTime& value, const TFormatSettings& settings = FormatSettings);
bool TryStrToDateTime(const String& s, TDateTime& value, const TFormatSettings& settings = FormatSettings);
TDateTime StrToDate(const String& s, const TFormatSettings& settings = FormatSettings);
TDateTime StrToTime(const String& s, const TFormatSettings& settings = FormatSettings);
TDateTime StrToDateTime(const String& s, const TFormatSettings& settings = FormatSettings);
