// The date-time picker over the system's DATETIMEPICK class.
#include "ComCtrls.h"

#include <commctrl.h>

#include <cmath>
#include "Messages.h"
#include "WideText.h"

namespace {

SYSTEMTIME ToSystemTime(TDateTime value)
{
    Word year, month, day, hour, minute, second, msec;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, msec);
    SYSTEMTIME st{};
    st.wYear = year;
    st.wMonth = month;
    st.wDay = day;
    st.wHour = hour;
    st.wMinute = minute;
    st.wSecond = second;
    st.wDayOfWeek = static_cast<WORD>(DayOfWeek(value) - 1);
    return st;
}

TDateTime FromSystemTime(const SYSTEMTIME& st)
{
    const TDateTime date = EncodeDate(st.wYear, st.wMonth, st.wDay);
    const TDateTime time = EncodeTime(st.wHour, st.wMinute, st.wSecond, 0);
    return date >= 0 ? date + time : date - time;
}

} // namespace

TAVIN_PUBLISHED(TDateTimePicker)
{
    TAVIN_PROPERTY(TDateTime, DateTime);
    TAVIN_PROPERTY(TDateTimeKind, Kind).Default(dtkDate);
    TAVIN_PROPERTY(TDTDateFormat, DateFormat).Default(dfShort);
    TAVIN_PROPERTY(String, Format);
    TAVIN_PROPERTY(bool, ShowCheckbox).Default(false);
    TAVIN_PROPERTY(bool, Checked).Default(true);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner), FDateTime(FromSystemTime(ToSystemTime(::Now())))
{
    SetBounds(0, 0, 186, 21);
    SetTabStop(true);
}

void TDateTimePicker::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClassName = String(u"" DATETIMEPICK_CLASSA);
    params.Style |= FKind == dtkTime ? DTS_TIMEFORMAT : FDateFormat == dfLong ? DTS_LONGDATEFORMAT : DTS_SHORTDATEFORMAT;
    if (FShowCheckbox)
        params.Style |= DTS_SHOWNONE;
    params.ExStyle &= ~static_cast<DWORD>(WS_EX_RIGHT);
}

void TDateTimePicker::CreateHandleState()
{
    SendMessageW(FHandle, DTM_SETFORMATW, 0, FFormat.empty() ? 0 : reinterpret_cast<LPARAM>(WidePtr(FFormat)));
    SendValue();
}

void TDateTimePicker::SendValue()
{
    if (!FHandle)
        return;
    const SYSTEMTIME st = ToSystemTime(FDateTime);
    SendMessageW(FHandle, DTM_SETSYSTEMTIME, FShowCheckbox && !FChecked ? GDT_NONE : GDT_VALID,
                 reinterpret_cast<LPARAM>(&st));
}

void TDateTimePicker::WndProc(TMessage& message)
{
    if (message.Msg == CN_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
        if (header->code == DTN_DATETIMECHANGE) {
            const auto* change = reinterpret_cast<const NMDATETIMECHANGE*>(message.LParam);
            FChecked = change->dwFlags == GDT_VALID;
            if (FChecked)
                FDateTime = FromSystemTime(change->st);
            FOnChange(this);
            message.Result = 0;
            return;
        }
    }
    TWinControl::WndProc(message);
}

void TDateTimePicker::SetDateTime(TDateTime value)
{
    // The control keeps whole seconds: so does the value, and the two agree.
    FDateTime = FromSystemTime(ToSystemTime(value));
    SendValue();
}

TDateTime TDateTimePicker::Date() const
{
    return std::trunc(FDateTime);
}

void TDateTimePicker::SetDate(TDateTime value)
{
    const TDateTime time = std::fabs(FDateTime - std::trunc(FDateTime));
    const TDateTime date = std::trunc(value);
    SetDateTime(date >= 0 ? date + time : date - time);
}

TDateTime TDateTimePicker::Time() const
{
    return std::fabs(FDateTime - std::trunc(FDateTime));
}

void TDateTimePicker::SetTime(TDateTime value)
{
    const TDateTime time = std::fabs(value - std::trunc(value));
    const TDateTime date = std::trunc(FDateTime);
    SetDateTime(date >= 0 ? date + time : date - time);
}

void TDateTimePicker::SetKind(TDateTimeKind value)
{
    FKind = value;
    RecreateWnd();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat value)
{
    FDateFormat = value;
    RecreateWnd();
}

void TDateTimePicker::SetFormat(const String& value)
{
    FFormat = value;
    if (FHandle)
        SendMessageW(FHandle, DTM_SETFORMATW, 0, FFormat.empty() ? 0 : reinterpret_cast<LPARAM>(WidePtr(FFormat)));
}

void TDateTimePicker::SetShowCheckbox(bool value)
{
    FShowCheckbox = value;
    RecreateWnd();
}

void TDateTimePicker::SetChecked(bool value)
{
    FChecked = value;
    SendValue();
}
