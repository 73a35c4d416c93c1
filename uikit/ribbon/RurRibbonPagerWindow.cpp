// The pager and the windows around it: the resize border of the form left to the form, the
// glass region that lets the system's caption buttons show through, and the MDI parent form
// watched for its active child being maximized or restored.
#include "RurRibbonPager.h"

#include <commctrl.h>

#include "Forms.h"
#include "Messages.h"
#include "RurToolBar_Platform.h"

int GlassCaptionButtonsWidth(bool designing, int major, int minor, bool forRegion)
{
    const bool win7 = major > 6 || (major == 6 && minor >= 1);
    if (designing || !win7)
        return 100;
    if (major >= 10)
        return forRegion ? 130 : 135;
    return 110;
}

std::array<TPoint, 7> GlassRegionPolygon(int width, int height, int buttonsWidth, int buttonsHeight)
{
    return {{{0, 0},
             {width - buttonsWidth, 0},
             {width - buttonsWidth, buttonsHeight},
             {width, buttonsHeight},
             {width, height},
             {0, height},
             {0, 0}}};
}

void TRurToolBarPager::UpdateGlassRegion()
{
    if (!FIsAeroVista || !HandleAllocated())
        return;
    int major = 0, minor = 0;
    GetOSVersion(major, minor);
    const int b = GlassCaptionButtonsWidth(ComponentState().Contains(csDesigning), major, minor, true);
    const int d = std::min(22, FScaledPagerCaptionHeight - 5);
    const auto points = GlassRegionPolygon(Width(), Height(), b, d);
    POINT win[7];
    for (size_t i = 0; i < points.size(); ++i)
        win[i] = {points[i].X, points[i].Y};
    SetWindowRgn(Handle(), CreatePolygonRgn(win, 7, WINDING), TRUE);
    FRegionSet = true;
}

int TRurToolBarPager::NCHitTest(TPoint client) const
{
    // Near the form's resize edges the form below answers.
    if (!ComponentState().Contains(csDesigning) &&
        (client.Y <= 3 || client.X <= 3 || client.X >= Width() - 6))
        return HTTRANSPARENT;
    return HTCLIENT;
}

namespace {
constexpr UINT_PTR MDIParentSubclassId = 0x52494250;  // "RIBP"

LRESULT CALLBACK MDIParentSubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data)
{
    if (msg == WM_WINDOWPOSCHANGED)
        reinterpret_cast<TRurToolBarPager*>(data)->Invalidate();
    if (msg == WM_NCDESTROY)
        RemoveWindowSubclass(window, MDIParentSubclassProc, MDIParentSubclassId);
    return DefSubclassProc(window, msg, wParam, lParam);
}
} // namespace

void TRurToolBarPager::SetAutoMDIButtons(bool value)
{
    if (FAutoMDIButtons == value || ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading))
        return;
    FAutoMDIButtons = value;
    // The form's window is watched through the subclass chain: neither its user data nor a
    // procedure another hook put in after ours is touched.
    TCustomForm* form = GetParentForm();
    if (value && form && form->HandleAllocated()) {
        FMDIFormWindow = form->Handle();
        SetWindowSubclass(FMDIFormWindow, MDIParentSubclassProc, MDIParentSubclassId, reinterpret_cast<DWORD_PTR>(this));
    } else if (!value && FMDIFormWindow) {
        RemoveWindowSubclass(FMDIFormWindow, MDIParentSubclassProc, MDIParentSubclassId);
        FMDIFormWindow = nullptr;
        Invalidate();
    }
    AdjustTabs();
    ResetTabScroller();
    UpdateMDIButtons(true);
}
