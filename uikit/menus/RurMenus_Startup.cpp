// The menu unit's start-up work: the items' extra width and the desktop's menu animation.
#include "RurMenus_Startup.h"

#include "Forms.h"
#include "Math.h"
#include "PlatformFacts.h"
#include "RurMenus_Components.h"

int MenuExtraWidth = 17;

namespace {

TSystemParametersInfoProc SystemCall = &SystemParametersInfoW;

// Between a start-up and its shut-down: whether the query answered, and what.
struct TSavedAnimation {
    bool Saved = false;
    bool Readable = false;
    BOOL Value = FALSE;
} Animation;

void SetMenuAnimation(BOOL on)
{
    // SPIF_SENDCHANGE without writing the profile: the user's stored choice stays untouched.
    SystemCall(SPI_SETMENUANIMATION, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(on)), SPIF_SENDCHANGE);
}

} // namespace

float GetMenuDPIScale()
{
    TCustomForm* form = Application ? Application->MainForm() : nullptr;
    const int dpi = form && form->HandleAllocated()
                        ? PlatformMonitorDpi(MonitorFromWindow(form->Handle(), MONITOR_DEFAULTTONEAREST))
                        : PlatformScreenDpi();
    return static_cast<float>(dpi) / 96.0f;
}

void InitMenuExtraWidth()
{
    MenuExtraWidth = static_cast<int>(Round(GetMenuDPIScale() * 17));
}

void SaveAndDisableMenuAnimation()
{
    // A second save would read back the "off" of the first and lose the user's setting.
    if (!Animation.Saved) {
        Animation.Saved = true;
        BOOL value = FALSE;
        Animation.Readable = SystemCall(SPI_GETMENUANIMATION, 0, &value, 0) != FALSE;
        Animation.Value = value;
    }
    DisableMenuAnimation();
}

void DisableMenuAnimation()
{
    SetMenuAnimation(FALSE);
}

void RestoreMenuAnimation()
{
    // Restoring a value that was never read would switch the user's animation off for good.
    const TSavedAnimation saved = Animation;
    Animation = {};
    if (saved.Saved && saved.Readable)
        SetMenuAnimation(saved.Value);
}

TSystemParametersInfoProc SetMenuAnimationSystemCall(TSystemParametersInfoProc proc)
{
    TSystemParametersInfoProc previous = SystemCall;
    SystemCall = proc ? proc : &SystemParametersInfoW;
    return previous;
}

void ResetMenuAnimationState()
{
    Animation = {};
}

void RurMenusUnitInitialize()
{
    RegisterRurMenuClasses();
    InitMenuExtraWidth();
    SaveAndDisableMenuAnimation();
}

void RurMenusUnitFinalize()
{
    RestoreMenuAnimation();
}
