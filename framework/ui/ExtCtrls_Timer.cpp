#include "WinApiNames.h"

#include <map>

#include "Forms.h"
#include "Timers.h"

// All timers of the GUI thread share one hidden message-only window; each running timer has its own
// identifier there, never reused, so a WM_TIMER still queued for a stopped or freed timer finds
// nothing and is dropped.
class TTimerWindow {
public:
    static TTimerWindow& Instance()
    {
        static TTimerWindow window;
        return window;
    }

    UINT_PTR Start(TTimer* timer, Cardinal interval)
    {
        UINT_PTR id = ++FLastId;
        if (!SetTimer(Handle(), id, interval, nullptr))
            throw EOutOfResources(u"Not enough timers available");
        FTimers[id] = timer;
        return id;
    }

    void Stop(UINT_PTR id)
    {
        KillTimer(FHandle, id);
        FTimers.erase(id);
    }

private:
    HWND Handle()
    {
        if (!FHandle) {
            WNDCLASSW wc{};
            wc.lpfnWndProc = WindowProc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = ClassName;
            RegisterClassW(&wc);
            FHandle = CreateWindowExW(0, ClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
            if (!FHandle)
                throw EOutOfResources(u"Cannot create the timer window");
        }
        return FHandle;
    }

    void Fire(UINT_PTR id)
    {
        auto it = FTimers.find(id);
        if (it == FTimers.end())
            return;
        TTimer* timer = it->second;
        try {
            timer->Timer();
        } catch (...) {
            // Never through the platform's frames: the application's handler shows it.
            Application->HandleException(timer);
        }
        // The handler may have freed the timer: nothing of it is touched here any more.
    }

    static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_TIMER) {
            Instance().Fire(wp);
            return 0;
        }
        return DefWindowProcW(wnd, msg, wp, lp);
    }

    static constexpr const wchar_t* ClassName = L"TavinTimerWindow";
    HWND FHandle = nullptr;
    UINT_PTR FLastId = 0;
    std::map<UINT_PTR, TTimer*> FTimers;
};

TAVIN_PUBLISHED(TTimer)
{
    TAVIN_PROPERTY(bool, Enabled).Default(true);
    TAVIN_PROPERTY(Cardinal, Interval).Default(1000);
    TAVIN_PROPERTY(TNotifyEvent, OnTimer);
}

void InitializeTimers()
{
    RegisterClass(TTimer::StaticClass());
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer()
{
    if (FTimerId)
        TTimerWindow::Instance().Stop(FTimerId);
}

void TTimer::SetEnabled(bool value)
{
    if (value != FEnabled) {
        FEnabled = value;
        UpdateTimer();
    }
}

void TTimer::SetInterval(Cardinal value)
{
    if (value != FInterval) {
        FInterval = value;
        UpdateTimer();
    }
}

void TTimer::SetOnTimer(TNotifyEvent value)
{
    FOnTimer = value;
    UpdateTimer();
}

void TTimer::Timer()
{
    // A copy: the handler may free the timer and with it FOnTimer.
    TNotifyEvent handler = FOnTimer;
    handler(this);
}

void TTimer::UpdateTimer()
{
    if (FTimerId) {
        TTimerWindow::Instance().Stop(FTimerId);
        FTimerId = 0;
    }
    if (FEnabled && FInterval != 0 && FOnTimer)
        FTimerId = TTimerWindow::Instance().Start(this, FInterval);
}
