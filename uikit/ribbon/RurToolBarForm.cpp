// The ribbon form: construction, properties, frame modes and the flat tones.
#include "RurToolBarForm.h"

#include "Math.h"
#include "PlatformFacts.h"
#include "Registry.h"
#include "RurDWM.h"
#include "RurGDIP.h"
#include "RurRibbonPager.h"
#include "RurToolBar_Messages.h"
#include "RurToolBar_Platform.h"

namespace {

// The system's snap setting; a key that cannot be opened leaves it on, a missing value reads
// as off.
bool ReadWindowArrangement()
{
    TRegistry reg(KEY_READ);
    reg.SetRootKey(HKEY_CURRENT_USER);
    if (!reg.OpenKeyReadOnly(u"Control Panel\\Desktop"))
        return true;
    return reg.ValueExists(u"WindowArrangementActive") && reg.ReadString(u"WindowArrangementActive") == u"1";
}

// Windows XP but nothing later.
bool IsXPOnly() { return IsWinXPOrLater() && !IsVistaOrLater(); }

} // namespace

TRurToolBarForm::TRurToolBarForm(TComponent* owner) : TForm(owner)
{
    FIsAeroVista = RibbonGlassAvailable() && !IsDesigning();
    FWinArrange = ReadWindowArrangement();
    if (FIsAeroVista)
        SetDoubleBuffered(true);
    const TWindowsVersion version = PlatformWindowsVersion();
    FIsWin7 = version.AtLeast(6, 1);
    // Windows 11 reports major version 10 as well.
    FIsWin10 = version.Major == 10;
    FIsWin11 = version.Major == 11;
    FCreated = true;
    InitTones();
}

TRurToolBarForm::~TRurToolBarForm() { FDestroying = true; }

void TRurToolBarForm::InitTones()
{
    FSizeGripColor = 0xF2BC00;
    // A ribbon form made after a flat look was set takes that look too.
    if (!IsEmptyColorTones(RibbonTones) && !FOffice2013)
        SetColorTones(RibbonTones);
}

// ---- Properties --------------------------------------------------------------------------------------

void TRurToolBarForm::NudgeWidth(int delta)
{
    SetWidth(Width() + delta);
    SetWidth(Width() - delta);
}

void TRurToolBarForm::SetSubclassAsRibbon(bool value)
{
    FSubClassAsRibbon = value;
    FGlassFrame.Enabled = value;
    if (value)
        UpdateAeroState();
    else
        FIsAeroVista = false;
    NudgeWidth(1);
}

void TRurToolBarForm::SetSingleBorder(bool value)
{
    FSingleBorder = value;
    ApplySingleBorder(value);
}

void TRurToolBarForm::SetThickBorder(bool value)
{
    if (FThickBorder == value)
        return;
    FThickBorder = value;
    Invalidate();
}

void TRurToolBarForm::SetSizeGrip(bool value)
{
    if (FSizeGrip == value)
        return;
    FSizeGrip = value;
    Invalidate();
    NudgeWidth(-1);
}

void TRurToolBarForm::SetSizeGripColor(TColor value)
{
    if (FSizeGripColor == value)
        return;
    FSizeGripColor = value;
    Invalidate();
}

void TRurToolBarForm::SetAutoScale(bool value)
{
    if (FAutoScale == value)
        return;
    FAutoScale = value;
    if (!value || IsDesigning() || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading))
        return;
    if (Scaled())
        SetScaled(false);
    const int screenPPI = Screen ? Screen->PixelsPerInch() : 96;
    if (screenPPI != PixelsPerInch())
        ScaleBy(screenPPI, PixelsPerInch());
}

bool TRurToolBarForm::UseSingleBorder() const { return FSingleBorder && !FIsAeroVista && !IsXPOnly(); }

void TRurToolBarForm::ApplySingleBorder(bool value)
{
    if (IsDesigning())
        return;
    if (FIsAeroVista)
        SetBorderStyle(bsSizeable);
    else if (value && !IsXPOnly())
        SetBorderStyle(bsNone);
}

// ---- Window parameters and client area ------------------------------------------------------------

void TRurToolBarForm::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    if (UseSingleBorder())
        return;
    if (!FSubClassAsRibbon) {
        if (FSwitchingOnXP)
            SetBorderStyle(bsSizeable);
        return;
    }
    if (!FIsAeroVista) {
        // No window exists while its parameters are made: this only stores the style, which
        // later re-creations start from. Tones mode keeps its borderless frame.
        if (!FItones)
            SetBorderStyle(FSwitchingOnXP ? bsSizeable : bsSingle);
        if (!FOffice2013)
            params.Style = (params.Style & ~DWORD(WS_CAPTION)) | WS_POPUP | WS_SYSMENU;
        if (!IsDesigning() && !FNoDropShadow && IsWinXPOrLater() && !IsTaskbarAutoHide())
            params.WindowClassStyle |= CS_DROPSHADOW;
    } else if (FormStyle() == fsMDIChild) {
        SetBorderStyle(bsNone);
        params.Style &= ~DWORD(WS_CAPTION);
    }
}

void TRurToolBarForm::AdjustClientRect(TRect& rect) const
{
    if (!FSubClassAsRibbon)
        return;
    const bool maximized = HandleIfAllocated() && Maximized();
    if (FItones) {
        rect.Left += 2;
        rect.Right -= 2;
        rect.Bottom -= FSizeGrip ? 16 : 2;
        return;
    }
    if (IsVistaOrLater() && FIsAeroVista) {
        if (maximized && !IsWin7ScenicMaximized())
            rect.Top += 6;
        rect.Left += 1;
        rect.Right -= 1;
        return;
    }
    if (IsVistaOrLater()) {
        if (!UseSingleBorder())
            return;
        const int inset = FThickBorder && !maximized ? int(Round(3 * double(DPIScale))) : 1;
        rect = Rect(rect.Left + inset, rect.Top + inset, rect.Right - inset, rect.Bottom - inset);
        return;
    }
    const int inset = maximized ? 1 : 5;
    rect = Rect(rect.Left + inset, rect.Top + inset, rect.Right - inset, rect.Bottom - inset);
}

void TRurToolBarForm::AlignControls(TControl* control, TRect& rect)
{
    AdjustClientRect(rect);
    TForm::AlignControls(control, rect);
}

bool TRurToolBarForm::IsWin7ScenicMaximized() const
{
    return FIsAeroVista && HandleIfAllocated() && Maximized() && RurGDIP::GetGlassEnabled() &&
           RurGDIP::GetScenicRibbon() && FIsWin7;
}

bool TRurToolBarForm::IsMaximizedToWorkArea() const
{
    if (!HandleIfAllocated() || !Maximized())
        return false;
    if (Constraints()->MaxWidth() == 0 && Constraints()->MaxHeight() == 0)
        return true;
    const TMonitor* monitor = Monitor();
    const TRect work = monitor ? monitor->WorkareaRect() : Screen->WorkAreaRect();
    return !(Width() < work.Width() - 10 || Height() < work.Height() - 30);
}

// ---- Loading and activation ------------------------------------------------------------------------

void TRurToolBarForm::Loaded()
{
    TForm::Loaded();
    FInitBorderStyle = BorderStyle();
    if (FIsAeroVista && (BorderStyle() == bsNone || FormStyle() == fsMDIChild))
        UpdateAeroState();
    if (FIsAeroVista) {
        // The caption the system would have drawn is gone.
        SetHeight(Height() - ScaledSize26);
        NudgeWidth(-1);
    }
    if (FActivated) {
        OnActivate()(this);
        FActivated = false;
    }
    if (FDoSetMetro && HandleAllocated())
        PostMessageW(Handle(), ToolBarMessage(TToolBarMessage::SetMetro), 1, 0);
}

void TRurToolBarForm::Activate()
{
    if (FormStyle() == fsMDIForm)
        return;
    FActivated = true;
    SetUpGlassFrame();
    UpdateSysShadow();
}

void TRurToolBarForm::SetUpGlassFrame()
{
    if (!FIsAeroVista || !FSubClassAsRibbon || !RurDWM::IsDwmCompositionEnabled())
        return;
    const bool plainMaximized = HandleAllocated() && Maximized() && !IsWin7ScenicMaximized();
    FGlassFrame.Left = FGlassFrame.Right = FGlassFrame.Bottom = 1;
    FGlassFrame.Top = plainMaximized ? ScaledSize26 + 9 : GetGlassTabExtra() + ScaledSize26 + 3;
    FGlassFrame.Enabled = true;
    ApplyGlassFrame();
}

void TRurToolBarForm::ApplyGlassFrame()
{
    if (!HandleAllocated() || !FGlassFrame.Enabled)
        return;
    const MARGINS margins{FGlassFrame.Left, FGlassFrame.Right, FGlassFrame.Top, FGlassFrame.Bottom};
    RurDWM::DynDwmExtendFrameIntoClientArea(Handle(), &margins);
}

void TRurToolBarForm::UpdateAeroState()
{
    if (IsDesigning() || !FSubClassAsRibbon)
        return;
    const bool glass = RibbonGlassAvailable() && FormStyle() != fsMDIChild;
    if (glass)
        ApplySingleBorder(true);
    else
        ApplySingleBorder(FSingleBorder);
    const bool changed = glass != FIsAeroVista;
    FIsAeroVista = glass;
    if (changed) {
        SetDoubleBuffered(glass);
        FGlassFrame.Enabled = glass;
    }
    PagerSetAeroVista(glass);
    if (changed && glass && FGlassFrame.Enabled)
        RefreshFrame();
}

// ---- Swapping dock panel and ribbon --------------------------------------------------------------

void TRurToolBarForm::SwitchFromDockPanelToRibbon(TWinControl* dockPanel, TWinControl* ribbon)
{
    if (dockPanel)
        dockPanel->SetParent(dynamic_cast<TWinControl*>(dockPanel->Owner()));
    FDoNotSizeWindow = false;
    if (ribbon)
        ribbon->SetParent(this);
    SetSubclassAsRibbon(true);
    if (FSwitchingOnXP && HandleAllocated())
        RecreateWnd();
    if (ribbon)
        ribbon->Invalidate();
}

void TRurToolBarForm::SwitchFromRibbonToDockPanel(TWinControl* ribbon, TWinControl* dockPanel)
{
    if (ribbon)
        ribbon->SetParent(dynamic_cast<TWinControl*>(ribbon->Owner()));
    FDoNotSizeWindow = true;
    SetSubclassAsRibbon(false);
    if (FSwitchingOnXP && HandleAllocated())
        RecreateWnd();
    if (dockPanel)
        dockPanel->SetParent(this);
}

void TRurToolBarForm::InitDockPanelAndRibbon(TWinControl* dockPanel, TWinControl* ribbon)
{
    FSwitchingOnXP = IsXPOnly() || !FIsAeroVista;
    SwitchFromDockPanelToRibbon(dockPanel, ribbon);
    if (Application)
        Application->ProcessMessages();
    SwitchFromRibbonToDockPanel(ribbon, dockPanel);
}

void TRurToolBarForm::InitRibbonAndDockPanel(TWinControl* ribbon, TWinControl* dockPanel)
{
    FSwitchingOnXP = IsXPOnly() || !FIsAeroVista;
    SwitchFromDockPanelToRibbon(dockPanel, ribbon);
    if (Application)
        Application->ProcessMessages();
}

// ---- Tones ------------------------------------------------------------------------------------------

void TRurToolBarForm::SetColorTones(const TColorTones& ATones)
{
    if (FItonesBeingSet)
        return;
    FOffice2013 = false;
    FItonesBeingSet = true;
    RibbonTones = ATones;
    FBorderClr = ATones.Selected.BrushColor;
    FSizeGripColor = ATones.Selected.BrushColor;
    if (ComponentState().Contains(csLoading) || FDoSetMetro) {
        // Applied once loading is over, through the posted "TBSetMetro".
        FItonesBeingSet = false;
        FDoSetMetro = true;
        return;
    }
    EnterTonesMode();
    PagerSetColorTones(ATones);
    Invalidate();
    FItonesBeingSet = false;
    if (FActivated && HandleAllocated())
        BringToFront();
}

void TRurToolBarForm::EnterTonesMode()
{
    if (FItones)
        return;
    FIsAeroVista = false;
    FItones = true;
    FOldGlassFrameEnable = FGlassFrame.Enabled;
    FGlassFrame.Enabled = false;
    FOldBorderStyle = BorderStyle();
    SetBorderStyle(bsNone);
    if (HandleAllocated()) {
        SetClassLongPtrW(Handle(), GCL_STYLE, GetClassLongPtrW(Handle(), GCL_STYLE) | CS_DROPSHADOW);
        SetWindowLongPtrW(Handle(), GWL_STYLE, GetWindowLongPtrW(Handle(), GWL_STYLE) | WS_MINIMIZEBOX);
    }
}

void TRurToolBarForm::LeaveTonesMode()
{
    if (!FItones)
        return;
    FItones = false;
    FIsAeroVista = false;
    FGlassFrame.Enabled = FOldGlassFrameEnable;
    SetBorderStyle(FOldBorderStyle);
    UpdateAeroState();
    if (HandleAllocated()) {
        SetClassLongPtrW(Handle(), GCL_STYLE, GetClassLongPtrW(Handle(), GCL_STYLE) & ~LONG_PTR(CS_DROPSHADOW));
        Realign();
        PostMessageW(Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
        PostMessageW(Handle(), WM_ACTIVATE, WA_ACTIVE, 1);
    }
}

void TRurToolBarForm::UpdateSysShadow()
{
    if (!FItones || IsDesigning() || !HandleAllocated() || !IsWindowVisible(Handle()) ||
        !(GetClassLongPtrW(Handle(), GCL_STYLE) & CS_DROPSHADOW))
        return;
    if (!FSysShadowHandle) {
        struct TSearch {
            RECT Form;
            HWND Found;
        } search{{}, nullptr};
        GetWindowRect(Handle(), &search.Form);
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND wnd, LPARAM data) -> BOOL {
                auto* s = reinterpret_cast<TSearch*>(data);
                wchar_t name[32];
                RECT r;
                if (!IsWindowVisible(wnd) || !GetClassNameW(wnd, name, 32) ||
                    CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, name, -1, L"SysShadow", -1) != CSTR_EQUAL ||
                    !GetWindowRect(wnd, &r) || r.left != s->Form.left || r.top != s->Form.top)
                    return TRUE;
                s->Found = wnd;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        FSysShadowHandle = search.Found;
    }
    if (FSysShadowHandle)
        SetWindowPos(FSysShadowHandle, Handle(), 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}
