#pragma once
// TTimer: calls OnTimer every Interval milliseconds through the message loop of the GUI thread. An
// exception leaving OnTimer goes to Application->HandleException (the Forms unit must be started).
#include "Classes.h"
#include "Startup.h"

class TTimer : public TComponent {
    TAVIN_PUBLISHED_CLASS(TTimer, TComponent)
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    // The timer runs only while enabled, with a non-zero interval and a handler.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    Cardinal Interval() const { return FInterval; }
    void SetInterval(Cardinal value);
    TNotifyEvent OnTimer() const { return FOnTimer; }
    void SetOnTimer(TNotifyEvent value);

protected:
    // Calls OnTimer. The handler may free the timer.
    virtual void Timer();

private:
    friend class TTimerWindow;
    void UpdateTimer();

    bool FEnabled = true;
    Cardinal FInterval = 1000;
    TNotifyEvent FOnTimer;
    NativeUInt FTimerId = 0; // 0 while not running
};

// Start-up step: form resources can create TTimer by name.
void InitializeTimers();
inline constexpr TUnitStep TimersUnit{"Timers", &InitializeTimers, nullptr};
