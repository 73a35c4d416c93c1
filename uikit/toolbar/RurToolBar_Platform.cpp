// The toolbar unit's platform probes and DPI state.
#include "RurToolBar_Platform.h"

#include <shellapi.h>

#include "Forms.h"
#include "Math.h"
#include "PlatformFacts.h"
#include "RurGDIP.h"
#include "RurStyleIF.h"
#include "RurToolBar_Container.h"

bool DPIScalingEnabled = true;
float DPIScale = 1.0f;
int DPIPixelsPerInch = 96;
int ScreenLogPixels = 96;
bool DPIScaleComputed = false;
int ScaledSize16 = 16;
int ScaledSize26 = 26;

void GetOSVersion(int& major, int& minor)
{
    // The platform facts hold the kernel's own answer (zero when it could not be read), so tests
    // can put any version in its place.
    const TWindowsVersion version = PlatformWindowsVersion();
    if (version.Major == 0)
        return;
    major = version.Major;
    minor = version.Minor;
}

float CalcScaleForPPI(int pixelsPerInch)
{
    if (!DPIScalingEnabled || pixelsPerInch == 96)
        return 1.0f;
    return float(GetTextHeightAtDPI(pixelsPerInch, 9)) / float(GetTextHeightAtDPI(96, 9));
}

void UpdateDPIScale(int pixelsPerInch)
{
    DPIPixelsPerInch = pixelsPerInch;
    HDC dc = GetDC(nullptr);
    ScreenLogPixels = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    DPIScale = CalcScaleForPPI(pixelsPerInch);
    DPIScaleComputed = true;
    ScaledSize16 = int(Round(16 * double(DPIScale)));
    ScaledSize26 = int(Round(26 * double(DPIScale)));
}

TCustomStyleServices* CurrentStyleServices() { return StyleServices(); }

bool StyleServicesEnabled() { return CurrentStyleServices()->Enabled(); }

void SetUIFont(TFont* font, bool modern)
{
    if (modern) {
        font->SetName(u"Segoe UI");
        font->SetHeight(-12);
    } else {
        font->SetName(u"Tahoma");
        font->SetHeight(-11);
    }
}

int GetRoundRadius() { return RurGDIP::GetScenicRibbon() ? 0 : 3; }

bool IsCompositionEnabled() { return PlatformCompositionEnabled(); }

bool IsTaskbarAutoHide()
{
    APPBARDATA data{};
    data.cbSize = sizeof(data);
    return (SHAppBarMessage(ABM_GETSTATE, &data) & ABS_AUTOHIDE) != 0;
}

bool IsControlShowing(const TControl* control)
{
    if (!control)
        return false;
    for (const TControl* c = control; c; c = c->Parent())
        if (!c->Visible())
            return false;
    return true;
}

void RemoveUnfocusableControls(TDbgList* list)
{
    if (!list)
        return;
    for (int i = 0; i < list->Count();) {
        auto* control = list->Item<TControl>(i);
        auto* window = dynamic_cast<TWinControl*>(control);
        if (dynamic_cast<THintWindow*>(control) || dynamic_cast<TRurToolBarContainer*>(control) ||
            (window && !window->CanFocus()))
            list->Delete(i);
        else
            ++i;
    }
}

bool ContainsFocus(TWinControl* control)
{
    if (!control->Enabled() || !control->HandleAllocated())
        return false;
    HWND focused = GetFocus();
    if (!focused)
        return false;
    HWND wnd = GetParent(focused);
    for (int compared = 0; wnd && compared < 50; ++compared, wnd = GetParent(wnd))
        if (wnd == control->HandleIfAllocated())
            return true;
    return false;
}
