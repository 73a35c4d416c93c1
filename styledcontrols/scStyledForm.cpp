// The styled form component: properties, the DWM frame of a borderless window, the fluent
// background, the styles submenu, maximise bounds, DWM maximise/restore/drag and the scale.
#include "scStyledForm.h"

#include <algorithm>

#include "Math.h"
#include "PlatformFacts.h"
#include "WideText.h"

bool ScaleStyledClientSize = true;

namespace {

// The form classes the frame hook is registered for (once per class, never unregistered).
std::vector<String>* HookedFormClasses = nullptr;

} // namespace

void scStyledFormInitialize()
{
    HookedFormClasses = new std::vector<String>();
    RegisterClasses({TscStyledForm::StaticClass(), TscNCButtonItem::StaticClass(), TscNCTabItem::StaticClass()});
}

void scStyledFormFinalize()
{
    delete HookedFormClasses;
    HookedFormClasses = nullptr;
}

namespace {

constexpr LONG_PTR ShadowStyleBits = WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX; // 0x00C60000
constexpr DWORD DwmWindowCornerPreference = 33;
constexpr DWORD AccentPolicyAttribute = 19;

struct TAccentPolicy {
    DWORD AccentState;
    DWORD AccentFlags;
    DWORD GradientColor;
    DWORD AnimationId;
};

std::unique_ptr<TFont> MakeKitFont(bool bold)
{
    auto font = std::make_unique<TFont>();
    font->SetName(u"Segoe UI");
    font->SetHeight(-12);
    if (bold)
        font->SetStyle(TFontStyles{fsBold});
    return font;
}

} // namespace


TAVIN_PUBLISHED(TscStyledForm)
{
    TAVIN_PROPERTY(TscFluentUIBackground, FluentUIBackground);
    TAVIN_PROPERTY(TColor, FluentUIAcrylicColor);
    TAVIN_PROPERTY(Byte, FluentUIAcrylicColorAlpha);
    TAVIN_PROPERTY(bool, FluentUIBorder);
    TAVIN_PROPERTY(bool, FluentUIInactiveAcrylicColorOpaque);
    TAVIN_PROPERTY(TscDWMRoundedCornersType, DWMClientRoundedCornersType);
    TAVIN_PROPERTY(bool, DWMClientShadow);
    TAVIN_PROPERTY(bool, DWMClientShadowHitTest);
    TAVIN_PROPERTY(bool, DropDownForm);
    TAVIN_PROPERTY(bool, DropDownAnimation);
    TAVIN_PROPERTY(TColor, DropDownBorderColor);
    TAVIN_PROPERTY(bool, StylesMenuSorted);
    TAVIN_PROPERTY(bool, ShowStylesMenu);
    TAVIN_PROPERTY(String, StylesMenuCaption);
    TAVIN_PROPERTY(int, ClientWidth);
    TAVIN_PROPERTY(int, ClientHeight);
    TAVIN_PROPERTY(TscHint*, HintComponent);
    TAVIN_PROPERTY(bool, ShowHints);
    TAVIN_PROPERTY(TscNCButtonItems*, Buttons);
    TAVIN_PROPERTY(TCustomImageList*, ButtonImages);
    TAVIN_PROPERTY(TFont*, ButtonFont);
    TAVIN_PROPERTY(TFont*, CaptionFont);
    TAVIN_PROPERTY(TAlignment, CaptionAlignment);
    TAVIN_PROPERTY(TColor, InActiveClientColor);
    TAVIN_PROPERTY(Byte, InActiveClientColorAlpha);
    TAVIN_PROPERTY(int, InActiveClientBlurAmount);
    TAVIN_PROPERTY(TscNCTabItems*, Tabs);
    TAVIN_PROPERTY(TCustomImageList*, TabImages);
    TAVIN_PROPERTY(TFont*, TabFont);
    TAVIN_PROPERTY(bool, ShowIcon).Default(true);
    TAVIN_PROPERTY(bool, ShowButtons);
    TAVIN_PROPERTY(bool, ShowTabs);
    TAVIN_PROPERTY(int, TabIndex);
    TAVIN_PROPERTY(TscNCTabsPosition, TabsPosition);
    TAVIN_PROPERTY(bool, ShowInactiveTab);
    TAVIN_PROPERTY(TscCustomImageCollection*, CaptionWallpapers);
    TAVIN_PROPERTY(int, CaptionWallpaperIndex);
    TAVIN_PROPERTY(int, CaptionWallpaperInActiveIndex);
    TAVIN_PROPERTY(int, CaptionWallpaperLeftMargin);
    TAVIN_PROPERTY(int, CaptionWallpaperTopMargin);
    TAVIN_PROPERTY(int, CaptionWallpaperRightMargin);
    TAVIN_PROPERTY(int, CaptionWallpaperBottomMargin);
    TAVIN_PROPERTY(TNotifyEvent, OnTabChanged);
    TAVIN_PROPERTY(TNotifyEvent, OnStyleChanged);
    TAVIN_PROPERTY(TscNCHitTestEvent, OnHitTest);
    TAVIN_PROPERTY(TNotifyEvent, OnChangeActive);
    TAVIN_PROPERTY(TNotifyEvent, OnBeforeChangeScale);
    TAVIN_PROPERTY(TscOnChangeScaleEvent, OnChangeScale);
    TAVIN_PROPERTY(TscOnFormDropDownEvent, OnDropDown);
    TAVIN_PROPERTY(TscOnFormCloseUpEvent, OnCloseUp);
    TAVIN_PROPERTY(TNotifyEvent, OnDWMClientMaximize);
    TAVIN_PROPERTY(TNotifyEvent, OnDWMClientRestore);
}

TscStyledForm::TscStyledForm(TComponent* owner)
    : TComponent(owner), FButtons(std::make_unique<TscNCButtonItems>(this)), FButtonFont(MakeKitFont(false)),
      FCaptionFont(MakeKitFont(true)), FTabFont(MakeKitFont(false)), FTabs(std::make_unique<TscNCTabItems>(this))
{
    FForm = dynamic_cast<TCustomForm*>(owner);
    if (!FForm)
        return;
    FPPI = FForm->CurrentPPI();
    if (Designing() || !HookedFormClasses)
        return;
    const String className = FForm->ClassName();
    if (std::ranges::find(*HookedFormClasses, className) == HookedFormClasses->end()) {
        HookedFormClasses->push_back(className);
        TCustomStyleEngine::RegisterStyleHook(FForm->ClassType(), StyleHookClassOf<TscFormStyleHook>());
    }
    if (UsesCustomStyle(FForm))
        FForm->Perform(CM_STYLECHANGED);
    FOldWndProc = FForm->WindowProc();
    FForm->SetWindowProc(MakeHandler<&TscStyledForm::NewWndProc>(this));
}

TscStyledForm::~TscStyledForm()
{
    ForgetDropDown();
    if (!Designing() && FForm) {
        ClearStylesMenu();
        FForm->SetWindowProc(FOldWndProc);
        if (HWND wnd = FormHandle())
            for (UINT_PTR id : {scFrameTimer, scMenuTrackingTimer, scHitTestWndTimer, scDropDownFadeTimer})
                KillTimer(wnd, id);
    }
}

HWND TscStyledForm::FormHandle() const { return FForm ? FForm->HandleIfAllocated() : nullptr; }

bool TscStyledForm::IsFormBeingDestroyed() const
{
    return !FForm || FForm->ComponentState().Contains(csDestroying);
}

void TscStyledForm::Loaded()
{
    TComponent::Loaded();
    if (FShowStylesMenu && FormHandle())
        CreateStylesMenu();
}

void TscStyledForm::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FCaptionWallpapers)
        FCaptionWallpapers = nullptr;
    if (component == FHintComponent)
        FHintComponent = nullptr;
    if (component == FButtonImages)
        FButtonImages = nullptr;
    if (component == FTabImages)
        FTabImages = nullptr;
    if (component == FDropDownControl)
        FDropDownControl = nullptr;
    for (int i = 0; i < FButtons->Count(); ++i)
        if (FButtons->Items(i)->PopupMenu() == component)
            FButtons->Items(i)->SetPopupMenu(nullptr);
}

// ---------------------------------------------------------------------------------------------
// Component references: each asks to hear when the component goes.

namespace {

template <class T>
void SetReference(TComponent* self, T*& field, T* value)
{
    if (field == value)
        return;
    if (field)
        field->RemoveFreeNotification(self);
    field = value;
    if (value)
        value->FreeNotification(self);
}

} // namespace

void TscStyledForm::SetHintComponent(TscHint* value) { SetReference(this, FHintComponent, value); }

void TscStyledForm::SetButtonImages(TCustomImageList* value)
{
    SetReference(this, FButtonImages, value);
    CaptionPropertyChanged();
}

void TscStyledForm::SetTabImages(TCustomImageList* value)
{
    SetReference(this, FTabImages, value);
    CaptionPropertyChanged();
}

void TscStyledForm::SetCaptionWallpapers(TscCustomImageCollection* value)
{
    if (FCaptionWallpapers == value)
        return;
    SetReference(this, FCaptionWallpapers, value);
    if (FCaptionWallpaperIndex != -1)
        CaptionPropertyChanged();
}

// ---------------------------------------------------------------------------------------------
// Caption properties: a change repaints the caption.

void TscStyledForm::CaptionPropertyChanged()
{
    if (!LoadingOrDesigning())
        UpDateFormNC();
}

namespace {

template <class T>
bool Store(T& field, T value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

void TscStyledForm::SetCaptionAlignment(TAlignment value)
{
    if (Store(FCaptionAlignment, value))
        CaptionPropertyChanged();
}

void TscStyledForm::SetShowButtons(bool value)
{
    if (Store(FShowButtons, value))
        CaptionPropertyChanged();
}

void TscStyledForm::SetShowInactiveTab(bool value)
{
    if (Store(FShowInactiveTab, value))
        CaptionPropertyChanged();
}

void TscStyledForm::SetShowTabs(bool value)
{
    if (Store(FShowTabs, value))
        CaptionPropertyChanged();
}

void TscStyledForm::SetTabIndex(int value)
{
    if (Store(FTabIndex, value))
        CaptionPropertyChanged();
}

void TscStyledForm::SetTabsPosition(TscNCTabsPosition value)
{
    if (Store(FTabsPosition, value))
        CaptionPropertyChanged();
}

void TscStyledForm::SetShowIcon(bool value)
{
    if (Store(FShowIcon, value))
        CaptionPropertyChanged();
}

void TscStyledForm::SetCaptionWallpaperIndex(int value)
{
    if (Store(FCaptionWallpaperIndex, value) && FCaptionWallpapers)
        CaptionPropertyChanged();
}

void TscStyledForm::SetWallpaperMargin(int& field, int value)
{
    if (Store(field, value) && FCaptionWallpapers)
        CaptionPropertyChanged();
}

void TscStyledForm::SetInActiveClientBlurAmount(int value) { FInActiveClientBlurAmount = std::clamp(value, 0, 20); }

void TscStyledForm::UpDateFormNC()
{
    if (FForm && UsesCustomStyle(FForm) && !FUpdating)
        if (HWND wnd = FormHandle())
            SendMessageW(wnd, WM_NCPAINT, 1, 0);
}

void TscStyledForm::EndUpdateItems(bool update)
{
    FUpdating = false;
    if (update)
        UpDateFormNC();
}

void TscStyledForm::EndMenuTracking()
{
    FUpdating = true;
    if (HWND wnd = FormHandle())
        SetTimer(wnd, scMenuTrackingTimer, 10, nullptr);
}

// ---------------------------------------------------------------------------------------------
// The DWM frame and the fluent background.

bool TscStyledForm::IsFluentUIAvailable() const
{
    return IsWindows10OrLater() && FDWMClientShadow && WindowsBuildNumber() >= 17134 &&
           scDrawUtils::SetWindowCompositionAttribute;
}

bool TscStyledForm::IsFluentUIEnabled() const { return FFluentUIBackground != scfuibNone && IsFluentUIAvailable(); }

bool TscStyledForm::ApplyAccent(bool opaque)
{
    HWND wnd = FormHandle();
    if (!wnd || !scDrawUtils::SetWindowCompositionAttribute)
        return false;
    const bool acrylic = FFluentUIBackground == scfuibAcrylic;
    const bool border = FFluentUIBorder && !FDWMClientMaximized;
    TAccentPolicy accent{acrylic ? 4u : 3u, border ? 0x1E0u : 0u, 0, 0};
    if (acrylic) {
        const DWORD rgb = static_cast<DWORD>(ColorToRGB(GetStyleSystemColor(FFluentUIAcrylicColor, FForm)));
        accent.GradientColor = rgb | (opaque ? 0xFF000000u : static_cast<DWORD>(FFluentUIAcrylicColorAlpha) << 24);
    }
    WINCOMPATTRDATA data{AccentPolicyAttribute, &accent, sizeof(accent)};
    scDrawUtils::SetWindowCompositionAttribute(wnd, &data);
    return acrylic || border;
}

void TscStyledForm::UpdateDWMClientFrame()
{
    HWND wnd = FormHandle();
    if (!IsDwmCompositionActive()) {
        FDWMClientShadow = false;
        return;
    }
    if (!scDrawUtils::DwmExtendFrameIntoClientArea || !wnd)
        return;
    const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
    // Setting an unchanged style still sends WM_STYLECHANGED, which comes back here.
    if ((style & ShadowStyleBits) != ShadowStyleBits)
        SetWindowLongPtrW(wnd, GWL_STYLE, style | ShadowStyleBits);
    if (IsFluentUIEnabled()) {
        FForm->SetColor(TColor(0));
        if (ApplyAccent(false) && WindowsBuildNumber() < 22000)
            return;
    }
    if (IsWindows11() && FDWMClientRoundedCornersType == scDWMRoundedCornersOff) {
        const DWORD off = 1;
        if (scDrawUtils::DwmSetWindowAttribute)
            scDrawUtils::DwmSetWindowAttribute(wnd, DwmWindowCornerPreference, &off, sizeof(off));
    }
    const MARGINS margins{0, 0, FDWMClientMaximized ? 0 : 1, 0};
    scDrawUtils::DwmExtendFrameIntoClientArea(wnd, &margins);
}

void TscStyledForm::ResetDWMFrameMargins()
{
    HWND wnd = FormHandle();
    if (wnd && scDrawUtils::DwmExtendFrameIntoClientArea) {
        const MARGINS margins{0, 0, 0, 0};
        scDrawUtils::DwmExtendFrameIntoClientArea(wnd, &margins);
    }
}

void TscStyledForm::UpdateFluentAcrylicColor()
{
    if (FFluentUIBackground != scfuibAcrylic || !IsFluentUIEnabled() || ComponentState().Contains(csLoading))
        return;
    ApplyAccent(FFluentUIInactiveAcrylicColorOpaque && FForm && !FForm->Active());
}

void TscStyledForm::SetFluentUIAcrylicColor(TColor value)
{
    if (Store(FFluentUIAcrylicColor, value))
        UpdateFluentAcrylicColor();
}

void TscStyledForm::SetFluentUIAcrylicColorAlpha(Byte value)
{
    if (Store(FFluentUIAcrylicColorAlpha, value))
        UpdateFluentAcrylicColor();
}

void TscStyledForm::SetFluentUIBackground(TscFluentUIBackground value)
{
    if (!Store(FFluentUIBackground, value) || !FForm)
        return;
    if (Designing()) {
        if (value != scfuibNone)
            FForm->SetStyleElements(TStyleElements{seFont});
        return;
    }
    // The window is made anew, and its creation applies the frame.
    if (!ComponentState().Contains(csLoading) && !IsFormBeingDestroyed() && FormHandle())
        FForm->Perform(CM_RECREATEWND);
}

void TscStyledForm::SetDWMClientShadow(bool value)
{
    if (!Store(FDWMClientShadow, value))
        return;
    if (value) {
        if (FForm) {
            FForm->SetBorderStyle(bsNone);
            TStyleElements elements = FForm->StyleElements();
            elements.Exclude(seBorder);
            FForm->SetStyleElements(elements);
        }
        if (Designing())
            return;
        if (IsWindowsXP())
            FDWMClientShadow = false;
        else
            UpdateDWMClientFrame();
    } else if (!LoadingOrDesigning() && !IsWindowsXP()) {
        if (HWND wnd = FormHandle())
            SetWindowLongPtrW(wnd, GWL_STYLE, GetWindowLongPtrW(wnd, GWL_STYLE) & ~ShadowStyleBits);
    }
}

void TscStyledForm::SetDWMClientShadowHitTest(bool value)
{
    FDWMClientShadowHitTest = value;
    if (LoadingOrDesigning())
        return;
    if (value)
        ShowHitTestWnd();
    else
        HideHitTestWnd();
}

void TscStyledForm::SetDWMClientRoundedCornersType(TscDWMRoundedCornersType value)
{
    if (!Store(FDWMClientRoundedCornersType, value) || LoadingOrDesigning() || IsFormBeingDestroyed())
        return;
    HWND wnd = FormHandle();
    if (IsWindows11() && wnd && FDWMClientShadow && scDrawUtils::DwmSetWindowAttribute) {
        const DWORD preference = value == scDWMRoundedCornersOff ? 1 : 0;
        scDrawUtils::DwmSetWindowAttribute(wnd, DwmWindowCornerPreference, &preference, sizeof(preference));
    }
}

void TscStyledForm::SetDropDownForm(bool value)
{
    FDropDownForm = value;
    if (!value || !FForm)
        return;
    FForm->SetBorderStyle(bsNone);
    if (HWND wnd = FormHandle())
        SetClassLongPtrW(wnd, GCL_STYLE, GetClassLongPtrW(wnd, GCL_STYLE) | CS_DROPSHADOW);
}

// ---------------------------------------------------------------------------------------------
// Client size.

void TscStyledForm::SetClientWidth(int value)
{
    if (value < 0 || value == FClientWidth)
        return;
    FClientWidth = value;
    if (value > 0 && FForm)
        FForm->SetClientWidth(value);
}

void TscStyledForm::SetClientHeight(int value)
{
    if (value < 0 || value == FClientHeight)
        return;
    FClientHeight = value;
    if (value > 0 && FForm)
        FForm->SetClientHeight(value);
}

void TscStyledForm::RestoreClientSize()
{
    if (!FForm || FClientWidth <= 0 || FClientHeight <= 0)
        return;
    const TFormBorderStyle border = FForm->BorderStyle();
    if (border != bsSingle && border != bsDialog && border != bsToolWindow)
        return;
    const int width = ScaleInt(FClientWidth), height = ScaleInt(FClientHeight);
    // Setting a different size first makes the frame recalculate; the height ends one pixel taller.
    FForm->SetClientWidth(width - 1);
    FForm->SetClientWidth(width);
    FForm->SetClientHeight(height - 1);
    FForm->SetClientHeight(height + 1);
}

void TscStyledForm::ApplyScaledClientSize()
{
    if (FClientWidth > 0)
        FForm->SetClientWidth(ScaleInt(FClientWidth));
    if (FClientHeight > 0)
        FForm->SetClientHeight(ScaleInt(FClientHeight));
}

int TscStyledForm::ScaleInt(int value) const { return static_cast<int>(Round(value * FScaleFactor)); }

void TscStyledForm::SetRedraw(bool enable, bool update)
{
    HWND wnd = FormHandle();
    if (!wnd)
        return;
    SendMessageW(wnd, WM_SETREDRAW, enable ? 1 : 0, 0);
    if (enable && update)
        RedrawWindow(wnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// ---------------------------------------------------------------------------------------------
// Scale.

bool TscStyledForm::UpdateScale(bool raiseOnFormPPIChange)
{
    if (!FForm)
        return false;
    const int formPPI = FForm->CurrentPPI();
    const bool scaled = FForm->Scaled();
    if (scaled && formPPI != FPPI) {
        FScalePercent = MulDiv(FScalePercent, formPPI, FPPI);
        FScaleFactor = std::max(1.0, FScalePercent / 100.0);
        if (raiseOnFormPPIChange)
            FOnChangeScale(this, FScaleFactor);
        FPPI = formPPI;
        return true;
    }
    HWND wnd = FormHandle();
    const int monitorPPI = wnd ? PlatformMonitorDpi(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST)) : formPPI;
    if (!scaled || (monitorPPI == formPPI && monitorPPI == 96))
        return false;
    const double old = FScaleFactor;
    FScaleFactor = std::max(1.0, monitorPPI != formPPI ? double(monitorPPI) / formPPI : monitorPPI / 96.0);
    FScalePercent = static_cast<int>(Round(FScaleFactor * 100));
    if (FScaleFactor != old)
        FOnChangeScale(this, FScaleFactor);
    FPPI = formPPI;
    return true;
}

// ---------------------------------------------------------------------------------------------
// DWM maximise, restore and drag for a borderless shadowed form.

TRect TscStyledForm::GetMaximizeBounds() const
{
    if (!FForm)
        return {};
    const POINT centre{FForm->Left() + FForm->Width() / 2, FForm->Top() + FForm->Height() / 2};
    HMONITOR monitor = MonitorFromPoint(centre, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(monitor, &info);
    const TRect work = Rect(info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom);
    const bool autoHide = EqualRect(&info.rcWork, &info.rcMonitor);
    if (!autoHide || !(info.dwFlags & MONITORINFOF_PRIMARY))
        return work;
    HWND bar = FindWindowW(L"Shell_TrayWnd", L"");
    RECT r;
    if (!bar || !GetWindowRect(bar, &r))
        return work;
    return scAutoHideTaskBarBounds(work, Rect(r.left, r.top, r.right, r.bottom));
}

void TscStyledForm::DWMClientMaximize()
{
    if (FDWMClientMaximized || !FForm)
        return;
    FHitTestWndShowing = true;
    FDWMClientDown = false;
    FDWMClientNormalRect = FForm->BoundsRect();
    FForm->SetBoundsRect(GetMaximizeBounds());
    FDWMClientMaximized = true;
    FOnDWMClientMaximize(this);
    HideHitTestWnd();
    FHitTestWndShowing = false;
    UpdateDWMClientFrame();
}

void TscStyledForm::DWMClientRestore()
{
    if (!FDWMClientMaximized || !FForm)
        return;
    FHitTestWndShowing = true;
    FDWMClientDown = false;
    FDWMClientMaximized = false;
    UpdateDWMClientFrame();
    FForm->SetBoundsRect(FDWMClientNormalRect);
    FOnDWMClientRestore(this);
    FHitTestWndShowing = false;
}

void TscStyledForm::DWMClientStartDrag()
{
    POINT p;
    GetCursorPos(&p);
    FDWMClientDownPoint = {p.x, p.y};
    FDWMClientDown = true;
}

void TscStyledForm::DWMClientDrag()
{
    if (!FDWMClientDown || !FForm)
        return;
    POINT c;
    GetCursorPos(&c);
    const bool moved = c.x != FDWMClientDownPoint.X || c.y != FDWMClientDownPoint.Y;
    if (!FDWMClientMaximized || !moved) {
        FForm->SetBounds(FForm->Left() + c.x - FDWMClientDownPoint.X, FForm->Top() + c.y - FDWMClientDownPoint.Y,
                         FForm->Width(), FForm->Height());
        FDWMClientDownPoint = {c.x, c.y};
        return;
    }
    // Restored under the cursor at the same relative place across the width.
    const int normalWidth = FDWMClientNormalRect.Width(), normalHeight = FDWMClientNormalRect.Height();
    const int left = c.x - static_cast<int>(Round(double(c.x - FForm->Left()) * normalWidth / FForm->Width()));
    FDWMClientNormalRect = Bounds(left, FForm->Top(), normalWidth, normalHeight);
    DWMClientRestore();
}

// ---------------------------------------------------------------------------------------------
// The styles submenu of the system menu.

void TscStyledForm::SetShowStylesMenu(bool value)
{
    if (!Store(FShowStylesMenu, value) || LoadingOrDesigning() || !FormHandle())
        return;
    if (value) {
        if (FSubMenuIndex == -1)
            CreateStylesMenu();
        return;
    }
    if (FSubMenuIndex == -1)
        return;
    ClearStylesMenu();
    HMENU system = GetSystemMenu(FormHandle(), FALSE);
    // The submenu item, then the separator that moved into its place.
    DeleteMenu(system, static_cast<UINT>(FSubMenuIndex), MF_BYPOSITION);
    DeleteMenu(system, static_cast<UINT>(FSubMenuIndex), MF_BYPOSITION);
    FStylesMenu = nullptr;
    FSubMenuIndex = -1;
}

void TscStyledForm::SetStylesMenuCaption(const String& value)
{
    if (!Store(FStylesMenuCaption, value) || LoadingOrDesigning() || FSubMenuIndex == -1 || !FormHandle())
        return;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    String text = FStylesMenuCaption;
    info.dwTypeData = const_cast<wchar_t*>(WidePtr(text));
    SetMenuItemInfoW(GetSystemMenu(FormHandle(), FALSE), scStylesMenuCommand, FALSE, &info);
}

void TscStyledForm::CreateStylesMenu()
{
    HWND wnd = FormHandle();
    if (!wnd)
        return;
    HMENU system = GetSystemMenu(wnd, FALSE);
    const int count = GetMenuItemCount(system);
    const int at = count > 2 ? count - 2 : count;
    InsertMenuW(system, static_cast<UINT>(at), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    FSubMenuIndex = at + 1;
    FStylesMenu = CreatePopupMenu();
    String caption = FStylesMenuCaption;
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    item.wID = scStylesMenuCommand;
    item.hSubMenu = FStylesMenu;
    item.dwTypeData = const_cast<wchar_t*>(WidePtr(caption));
    const int position = FSubMenuIndex == count ? GetMenuItemCount(system) : GetMenuItemCount(system) - 2;
    InsertMenuItemW(system, static_cast<UINT>(position), TRUE, &item);

    FillStylesMenu();
}

void TscStyledForm::FillStylesMenu()
{
    const std::vector<String> names = TStyleManager::StyleNames();
    std::vector<int> order(names.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    if (FStylesMenuSorted)
        std::ranges::stable_sort(order, [&](int a, int b) { return CompareText(names[a], names[b]) < 0; });
    const String active = TStyleManager::ActiveStyle()->Name();
    for (int index : order) {
        UINT itemFlags = MF_BYPOSITION | MF_STRING;
        if (SameText(names[index], active))
            itemFlags |= MF_CHECKED;
        InsertMenuW(FStylesMenu, static_cast<UINT>(FStyleCount), itemFlags,
                    static_cast<UINT_PTR>(scStylesMenuCommand + 1 + index), WidePtr(names[index]));
        ++FStyleCount;
    }
}

void TscStyledForm::ClearStylesMenu()
{
    if (FStylesMenu && IsMenu(FStylesMenu))
        while (GetMenuItemCount(FStylesMenu) > 0)
            DeleteMenu(FStylesMenu, 0, MF_BYPOSITION);
    FStyleCount = 0;
}

void TscStyledForm::ApplyStyleFromMenu(int index)
{
    const std::vector<String> names = TStyleManager::StyleNames();
    if (names.empty())
        return;
    const String& name = names[std::min<size_t>(static_cast<size_t>(index), names.size() - 1)];
    if (!name.empty())
        TStyleManager::TrySetStyle(name);
}

// ---------------------------------------------------------------------------------------------
// Caption objects.

TscNCObject* TscStyledForm::FindNCObject(TPoint p) const
{
    if (FShowButtons)
        for (int i = 0; i < FButtons->Count(); ++i) {
            TscNCButtonItem* item = FButtons->Items(i);
            if (item->Visible() && item->NCObject()->ObjectRect.Contains(p))
                return item->NCObject();
        }
    if (FShowTabs)
        for (int i = 0; i < FTabs->Count(); ++i) {
            TscNCTabItem* item = FTabs->Items(i);
            if (item->Visible() && item->NCObject()->ObjectRect.Contains(p))
                return item->NCObject();
        }
    return nullptr;
}

bool TscStyledForm::IsNCObjectVisible(const TscNCObject* object) const
{
    if (auto* button = dynamic_cast<const TscNCButtonItem*>(object ? object->Parent : nullptr))
        return button->Visible();
    if (auto* tab = dynamic_cast<const TscNCTabItem*>(object ? object->Parent : nullptr))
        return tab->Visible();
    return false;
}

bool TscStyledForm::IsNCObjectEnabled(const TscNCObject* object) const
{
    if (auto* button = dynamic_cast<const TscNCButtonItem*>(object ? object->Parent : nullptr))
        return button->Enabled();
    if (auto* tab = dynamic_cast<const TscNCTabItem*>(object ? object->Parent : nullptr))
        return tab->Enabled();
    return false;
}

void TscStyledForm::NCObjectGone(const TscNCObject* object)
{
    if (FForm)
        if (auto* hook = dynamic_cast<TscFormStyleHook*>(FForm->StyleHook()))
            hook->ForgetNCObject(object);
}
