#pragma once
// Common controls: the progress bar (including the marquee style) and the date-time picker.
#include "Controls.h"
#include "DateUtils.h"

TAVIN_ENUM(TProgressBarStyle, pbstNormal, pbstMarquee)
TAVIN_ENUM(TProgressBarOrientation, pbHorizontal, pbVertical)

class TProgressBar : public TWinControl {
    TAVIN_PUBLISHED_CLASS(TProgressBar, TWinControl)
public:
    explicit TProgressBar(TComponent* owner);
    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const;
    void SetPosition(int value);
    TProgressBarStyle Style() const { return FStyle; }
    void SetStyle(TProgressBarStyle value);
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value);
    TProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TProgressBarOrientation value);
    // Milliseconds between marquee steps.
    int MarqueeInterval() const { return FMarqueeInterval; }
    void SetMarqueeInterval(int value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleState() override;

private:
    int FMin = 0, FMax = 100, FPosition = 0;
    TProgressBarStyle FStyle = pbstNormal;
    bool FSmooth = false;
    TProgressBarOrientation FOrientation = pbHorizontal;
    int FMarqueeInterval = 10;
};

TAVIN_ENUM(TDateTimeKind, dtkDate, dtkTime)
TAVIN_ENUM(TDTDateFormat, dfShort, dfLong)

// The system's date and time picker. The value is kept in whole seconds (the control has no finer
// unit); Date and Time are its whole-day and fractional parts.
class TDateTimePicker : public TWinControl {
    TAVIN_PUBLISHED_CLASS(TDateTimePicker, TWinControl)
public:
    explicit TDateTimePicker(TComponent* owner);
    void WndProc(TMessage& message) override;

    TDateTime DateTime() const { return FDateTime; }
    void SetDateTime(TDateTime value);
    TDateTime Date() const;
    void SetDate(TDateTime value);
    TDateTime Time() const;
    void SetTime(TDateTime value);
    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind value);
    TDTDateFormat DateFormat() const { return FDateFormat; }
    void SetDateFormat(TDTDateFormat value);
    // A display format in the system's picker notation ("yyyy/MM/dd"); "" for the kind's default.
    const String& Format() const { return FFormat; }
    void SetFormat(const String& value);
    // A check box before the value; unchecked means no value is chosen.
    bool ShowCheckbox() const { return FShowCheckbox; }
    void SetShowCheckbox(bool value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent e) { FOnChange = e; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleState() override;

private:
    void SendValue();

    TDateTime FDateTime;
    TDateTimeKind FKind = dtkDate;
    TDTDateFormat FDateFormat = dfShort;
    String FFormat;
    bool FShowCheckbox = false;
    bool FChecked = true;
    TNotifyEvent FOnChange;
};

void ComCtrlsUnitInitialize();
inline constexpr TUnitStep ComCtrlsUnit{"ComCtrls", &ComCtrlsUnitInitialize, nullptr};
