#include "RurRibbonPager.h"

#include <windowsx.h>

#include "Forms.h"
#include "Math.h"
#include "Messages.h"
#include "RurQuickAccessToolBar.h"
#include "RurRibbonPageScrollButton.h"
#include "RurStyleIF.h"
#include "RurToolBar_Messages.h"
#include "RurToolBarStylers.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"

int RibbonTabHeight = 26;
int RibbonCaptionHeight = 26;
int RibbonGlowInterval = 20;

// ---- Glass probes -----------------------------------------------------------------------------

namespace {
bool SystemVistaOrLater()
{
    int major = 0, minor = 0;
    GetOSVersion(major, minor);
    return major >= 6;
}

constexpr TRibbonGlassProbes SystemProbes{IsComCtl6, SystemVistaOrLater, StyleServicesEnabled,
                                          IsCompositionEnabled};
TRibbonGlassProbes Probes = SystemProbes;

bool Ask(bool (*probe)(), bool (*fallback)()) { return probe ? probe() : fallback(); }
} // namespace

void SetRibbonGlassProbes(const TRibbonGlassProbes& probes) { Probes = probes; }
void ResetRibbonGlassProbes() { Probes = SystemProbes; }

bool RibbonGlassAvailable()
{
    return Ask(Probes.ComCtl6, SystemProbes.ComCtl6) && Ask(Probes.VistaOrLater, SystemProbes.VistaOrLater) &&
           Ask(Probes.ThemesEnabled, SystemProbes.ThemesEnabled) &&
           Ask(Probes.CompositionEnabled, SystemProbes.CompositionEnabled);
}

// ---- Lifecycle --------------------------------------------------------------------------------

TAVIN_PUBLISHED(TRurToolBarPager)
{
    TAVIN_PROPERTY(TATBTabSettings*, TabSettings);
    TAVIN_PROPERTY(TRurPageCaption*, Caption);
    TAVIN_PROPERTY(bool, CanMove).Default(true);
    TAVIN_PROPERTY(bool, EnableWheel).Default(true);
    TAVIN_PROPERTY(bool, HidePagesOnDblClick).Default(true);
    TAVIN_PROPERTY(bool, ShowNonSelectedTabs).Default(false);
    TAVIN_PROPERTY(bool, ShowTabHint).Default(false);
    TAVIN_PROPERTY(int, PageLeftMargin);
    TAVIN_PROPERTY(int, PageRightMargin);
    TAVIN_PROPERTY(TPagerHints*, Hints);
    TAVIN_PROPERTY(TPersistence*, Persistence);
    TAVIN_PROPERTY(bool, Win7ScenicRibbon).Default(false);
}

TRurToolBarPager::TRurToolBarPager(TComponent* owner)
    : TCustomControl(owner), FTabSettings(std::make_unique<TATBTabSettings>()),
      FCaption(std::make_unique<TRurPageCaption>()), FOfficeHint(std::make_unique<TRurHintInfo>()),
      FPersistence(std::make_unique<TPersistence>(this)), FHints(std::make_unique<TPagerHints>()),
      FHelpButtonPicture(std::make_unique<TGDIPPicture>()), FBrandingPicture(std::make_unique<TPicture>())
{
    FHelpButtonPicture->SetOnChange(MakeHandler<&TRurToolBarPager::HelpPictureChanged>(this));
    const bool designing = ComponentState().Contains(csDesigning);
    // Glass is decided once, here; later only parenting or the ribbon form can switch it off.
    FIsAeroVista = !designing && RibbonGlassAvailable();
    FOrigCaptionHeight = RibbonCaptionHeight;
    TControlStyle style = ControlStyle();
    style.Include(csAcceptsControls);
    style.Exclude(csOpaque);
    if (FIsAeroVista)
        style.Include(csParentBackground);
    SetControlStyle(style);
    SetAlign(alTop);

    FInternalToolBarStyler = new TCustomRurToolBarStyler(this);
    FInternalToolBarStyler->SetName(u"InternalStyler");
    FInternalToolBarStyler->CaptionFont()->SetHeight(-11);
    FCurrentToolBarStyler = FInternalToolBarStyler;
    FInternalToolBarStyler->AddControl(this);

    FTabSettings->SetOnChange(MakeHandler<&TRurToolBarPager::TabSettingsChanged>(this));
    FCurrentTabSpacing = FTabSettings->Spacing();
    FCurrentTabLeftMargin = FCurrentGroupTabLeftMargin = FTabSettings->LeftMargin();
    FCurrentTabRightMargin = FCurrentGroupTabRightMargin = FTabSettings->RightMargin();
    FCaption->SetOnChange(MakeHandler<&TRurToolBarPager::CaptionChanged>(this));
    FOrigCaptionHeight = RibbonCaptionHeight;
    FTabGroups = std::make_unique<TTabGroups>(this);
    FTabGroups->SetOnChange(MakeHandler<&TRurToolBarPager::TabGroupsChanged>(this));

    SetDoubleBuffered(true);
    SetHeight(149);
    SetTabStop(true);
    FExpandedHeight = Height();
    FOfficeToolBarStyler = new TRurToolBarOfficeStyler(this);
    FShortCutTimer = std::make_unique<TTimer>(nullptr);
    FShortCutTimer->SetEnabled(false);
    FShortCutTimer->SetInterval(50);
    FShortCutTimer->SetOnTimer(MakeHandler<&TRurToolBarPager::ShortCutTimerTick>(this));
    FDblClickTimer = std::make_unique<TTimer>(nullptr);
    FDblClickTimer->SetEnabled(false);
    FDblClickTimer->SetInterval(600);
    FDblClickTimer->SetOnTimer(MakeHandler<&TRurToolBarPager::DblClickTimerTick>(this));
}

TRurToolBarPager::~TRurToolBarPager()
{
    UnsubclassForm();
    SetAutoMDIButtons(false);
    RemoveKeyHook();
    if (FPersistence->Enabled() && !ComponentState().Contains(csDesigning)) {
        try {
            SaveState();
        } catch (...) {
            // A store that cannot be written must not keep the ribbon from going.
        }
    }
    if (FToolBarStyler && FToolBarStyler != FInternalToolBarStyler)
        FToolBarStyler->RemoveControl(this);
    if (FInternalToolBarStyler)
        FInternalToolBarStyler->RemoveControl(this);
    if (FOfficeStylerLinked)
        FOfficeToolBarStyler->RemoveControl(this);
    for (int i = 0; i < FRurPages.Count(); ++i)
        FRurPages.Item<TRurPage>(i)->FRurToolBarPager = nullptr;
    FRurPages.Clear();
}

void TRurToolBarPager::ScaleDefaults()
{
    const double s = DPIScale;
    FOrigCaptionHeight = FCaption->Height();
    FDefTabHeight = static_cast<int>(Round(FTabSettings->Height() * s));
    FDefTabMargin = static_cast<int>(Round(FTabSettings->StartMargin() * s));
    RibbonCaptionHeight = static_cast<int>(Round(FCaption->Height() * s));
    FScaledPagerCaptionHeight = static_cast<int>(Round(FOrigCaptionHeight * s));
    RibbonTabHeight = static_cast<int>(Round(FTabSettings->Height() * s));
    FDesignedHeight = Height();
}

void TRurToolBarPager::Loaded()
{
    TCustomControl::Loaded();
    ScaleDefaults();
    UpdateCaptionButtons(true);
    FPropertiesLoaded = true;
    if (!ComponentState().Contains(csDesigning) && FCaption->Height() != FScaledPagerCaptionHeight)
        FCaption->SetHeight(FScaledPagerCaptionHeight);
    InitTabs();
    AdjustTabs();
    ResetTabScroller();
    UpdateHelpButton();
    UpdateExpandCollapseButtonPosition();
    if (!ComponentState().Contains(csDesigning)) {
        LoadState();
        InstallKeyHook();
    }
    if (FToolBarStyler)
        FToolBarStyler->ApplyStyle();
    else
        SetComponentStyle(FRujStyle);
    StylerChanged(11);
    StylerChanged(2);
}

void TRurToolBarPager::Update()
{
    TCustomControl::Update();
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csReading))
        return;
    if (FPropertiesLoaded) {
        UpdateCaptionButtons(false);
        UpdateHelpButton();
        UpdateExpandCollapseButtonPosition();
        AdjustTabs();
        ResetTabScroller();
    } else
        Loaded();
    Invalidate();
}

void TRurToolBarPager::Invalidate()
{
    if (ComponentState().Contains(csDestroying))
        return;
    if (!FIsAeroVista || ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading) ||
        !FPropertiesLoaded || !HandleAllocated()) {
        TCustomControl::Invalidate();
        return;
    }
    // The glass caption is left alone.
    RECT r = ToWinRect(ClientRect());
    r.top += FScaledPagerCaptionHeight;
    InvalidateRect(Handle(), &r, FALSE);
}

void TRurToolBarPager::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        Invalidate();
}

void TRurToolBarPager::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation != opRemove || ComponentState().Contains(csDestroying))
        return;
    if (component == FToolBarStyler)
        SetToolBarStyler(nullptr);
    if (component == FImages)
        FImages = nullptr;
    if (component == FDisabledImages)
        FDisabledImages = nullptr;
}

void TRurToolBarPager::SetParent(TWinControl* parent)
{
    if (IsOfClassNamed(parent, u"TRurDockPanel") || dynamic_cast<TRurCustomToolBar*>(parent) ||
        dynamic_cast<TRurToolBarPager*>(parent) || dynamic_cast<TRurPage*>(parent))
        throw Exception(u"Invalid Parent");
    if (FIsAeroVista && parent && !ComponentState().Contains(csDesigning) &&
        !IsOfClassNamed(parent, u"TRurToolBarForm")) {
        FIsAeroVista = false;
        TControlStyle style = ControlStyle();
        style.Exclude(csParentBackground);
        SetControlStyle(style);
    }
    TCustomControl::SetParent(parent);
}

void TRurToolBarPager::SetBounds(int left, int top, int width, int height)
{
    TCustomControl::SetBounds(left, top, width, height);
    const auto state = ComponentState();
    if (!state.Contains(csLoading) && !state.Contains(csReading) && !state.Contains(csDesigning) &&
        FTabSettings->Height() != FDefTabHeight)
        FTabSettings->SetHeight(FDefTabHeight);
}

void TRurToolBarPager::AlignControls(TControl* control, TRect& rect)
{
    TCustomControl::AlignControls(control, rect);
    if (auto* page = dynamic_cast<TRurPage*>(control))
        SetPagePosition(page);
}

void TRurToolBarPager::CreateWnd()
{
    FRegionSet = false;
    TCustomControl::CreateWnd();
    if (ComponentState().Contains(csDesigning))
        return;
    UpdateGlassRegion();
    if (!ComponentState().Contains(csLoading)) {
        UnsubclassForm();
        SubclassForm();
    }
}

void TRurToolBarPager::DestroyWnd()
{
    UnsubclassForm();
    TCustomControl::DestroyWnd();
}

void TRurToolBarPager::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSELEAVE:
        TCustomControl::WndProc(message);
        MouseLeft();
        return;
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case CM_CONTROLCHANGE:
        TCustomControl::WndProc(message);
        ControlListChanged(reinterpret_cast<TControl*>(message.WParam), message.LParam != 0);
        return;
    case WM_NCHITTEST:
        TCustomControl::WndProc(message);
        if (message.Result == HTCLIENT) {
            POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
            ::ScreenToClient(Handle(), &p);
            message.Result = NCHitTest(Point(p.x, p.y));
        }
        return;
    case WM_LBUTTONDBLCLK: {
        TCustomControl::WndProc(message);
        const TPoint p = Point(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
        if (GetTabsArea().Contains(p))
            if (const int t = PtOnTab(p.X, p.Y); t >= 0)
                FOnTabDblClick(this, t);
        if (FCaptionButtons.Contains(cbMaximize) && GetCaptionRect().Contains(p))
            ToggleParentFormMaximized();
        return;
    }
    case CM_HINTSHOW:
        TCustomControl::WndProc(message);
        TabHint(*reinterpret_cast<THintInfo*>(message.LParam));
        return;
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::WndProc(message);
        InvalidateTab(-1);
        return;
    case CM_FOCUSCHANGED:
        TCustomControl::WndProc(message);
        if (!FShowingShortCutHints && !ContainsFocus(this) && !Focused() && !ComponentState().Contains(csDesigning))
            HideTabShortCutHints(false);
        InvalidateTab(-1);
        return;
    default:
        if (IsToolBarMessage(message.Msg, TToolBarMessage::PSetIgnoreALT))
            FIgnoreALT = message.WParam != 0;
        TCustomControl::WndProc(message);
    }
}

TControl* TRurToolBarPager::GetShapeButton() const
{
    // Compared with the class's own name: an upper-cased name never matched it.
    for (int i = 0; i < ControlCount(); ++i)
        if (IsOfClassNamed(Controls(i), u"TRurShapeButton"))
            return Controls(i);
    return nullptr;
}

// The framework reports every size change here, with or without a window.
void TRurToolBarPager::Resize()
{
    TCustomControl::Resize();
    UpdateGlassRegion();
    UpdateLayout();
}

void TRurToolBarPager::UpdateLayout()
{
    UpdatePagesPosition();
    AdjustTabs();
    ResetTabScroller();
    UpdateCaptionButtons(false);
    UpdateHelpButton();
    UpdateExpandCollapseButtonPosition();
    if (FQuickAccessToolBar)
        FQuickAccessToolBar->UpdateLayout();
}

void TRurToolBarPager::TabSettingsChanged(TObject*)
{
    FDefTabMargin = static_cast<int>(Round(FTabSettings->StartMargin() * DPIScale));
    UpdatePagesPosition();
    InitTabs();
    Invalidate();
    if (TRurPage* page = ActivePage())
        page->Invalidate();
}

void TRurToolBarPager::CaptionChanged(TObject*)
{
    UpdatePagesPosition();
    UpdateCaptionButtons(true);
    Invalidate();
}

// ---- Properties -------------------------------------------------------------------------------

void TRurToolBarPager::SetImages(TCustomImageList* value)
{
    FImages = value;
    if (value)
        value->FreeNotification(this);
    Invalidate();
}

void TRurToolBarPager::SetDisabledImages(TCustomImageList* value)
{
    FDisabledImages = value;
    if (value)
        value->FreeNotification(this);
    Invalidate();
}

void TRurToolBarPager::SetAntiAlias(RurGDIP::TAntiAlias value)
{
    if (FAntiAlias != value) {
        FAntiAlias = value;
        InitTabs();
        Invalidate();
    }
}

void TRurToolBarPager::SetPageLeftMargin(int value)
{
    if (FPageLeftMargin != value) {
        FPageLeftMargin = value;
        UpdateLayout();
        Invalidate();
    }
}

void TRurToolBarPager::SetPageRightMargin(int value)
{
    if (FPageRightMargin != value) {
        FPageRightMargin = value;
        UpdateLayout();
        Invalidate();
    }
}

void TRurToolBarPager::SetShowNonSelectedTabs(bool value)
{
    if (FShowNonSelectedTabs != value) {
        FShowNonSelectedTabs = value;
        InvalidateTabsArea();
    }
}

bool TRurToolBarPager::Win7ScenicRibbon() const { return RurGDIP::GetScenicRibbon(); }

void TRurToolBarPager::SetWin7ScenicRibbon(bool value)
{
    RurGDIP::SetScenicRibbon(value);
    int style = FRujStyle == tsCustom ? -1 : static_cast<int>(FRujStyle);
    if (FToolBarStyler)
        style = static_cast<int>(FToolBarStyler->RujStyle());
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* child = dynamic_cast<IPagerChildNotify*>(Controls(i)))
            child->PagerScenicChanged(value, style);
    StylerChanged(11);
    UpdatePagesPosition();
    Invalidate();
}

void TRurToolBarPager::SetBrandingPicture(TPicture* value)
{
    FBrandingPicture->Assign(value);
    Invalidate();
}

// Tones fill the pager's own appearances; they are painted only while the tones are in force.
const TVistaPageBackground* TRurToolBarPager::PageAppearanceInUse() const
{
    return FItones && FPageAppearance ? FPageAppearance.get() : FCurrentToolBarStyler->PageAppearance();
}

const TTabAppearance* TRurToolBarPager::TabAppearanceInUse() const
{
    return FItones && FTabAppearance ? FTabAppearance.get() : FCurrentToolBarStyler->TabAppearance();
}

bool TRurToolBarPager::Show3DInUse() const { return FItones ? FShow3D : FCurrentToolBarStyler->Show3D(); }
bool TRurToolBarPager::ShadowInUse() const { return FItones ? FShadow : FCurrentToolBarStyler->ShowShadow(); }

// ---- Pages ------------------------------------------------------------------------------------

TRurPage* TRurToolBarPager::RurPages(int index) const
{
    return index >= 0 && index < FRurPages.Count() ? FRurPages.Item<TRurPage>(index) : nullptr;
}

int TRurToolBarPager::AddRurPage(TRurPage* page)
{
    if (!page)
        return -1;
    int index = FRurPages.IndexOf(page);
    if (index < 0)
        index = FRurPages.Add(page);
    page->FRurToolBarPager = this;
    if (page->Parent() != this) {
        page->FUpdatingParent = true;
        page->SetParent(this);
        page->FUpdatingParent = false;
    }
    SetPagePosition(page);
    if (index != FActivePageIndex)
        page->Hide();
    InvalidateTabsArea();
    if (TRurPage* active = ActivePage())
        active->BringToFront();
    InitTabs();
    UpdateTabPositions();
    ResetTabScroller();
    return index;
}

int TRurToolBarPager::AddRurPage(const String& caption)
{
    auto* page = new TRurPage(this);
    page->SetCaption(caption);
    return AddRurPage(page);
}

void TRurToolBarPager::RemoveRurPage(TRurPage* page)
{
    const int index = FRurPages.IndexOf(page);
    if (index < 0)
        return;
    if (index == FActivePageIndex) {
        // The page before it takes over (wrapping), as long as one can be selected.
        SelectNextPage(false);
        if (FActivePageIndex == index)
            FActivePageIndex = -1;
    }
    FRurPages.Delete(index);
    page->FRurToolBarPager = nullptr;
    // The active page stays; only its index moves when it lay after the removed one.
    if (FActivePageIndex > index)
        --FActivePageIndex;
    InitTabs();
    AdjustTabs();
    ResetTabScroller();
    Invalidate();
}

void TRurToolBarPager::MoveRurPage(int curIndex, int newIndex)
{
    const int count = FRurPages.Count();
    if (curIndex < 0 || curIndex >= count || newIndex < 0 || newIndex >= count)
        return;
    TRurPage* active = ActivePage();
    FRurPages.Move(curIndex, newIndex);
    SetActivePage(active);
    // A vetoed change must not leave the index on another page.
    if (active && ActivePage() != active)
        FActivePageIndex = IndexOfPage(active);
    ResetTabScroller();
    UpdateTabPositions();
    Invalidate();
}

TRurPage* TRurToolBarPager::ActivePage() const { return RurPages(FActivePageIndex); }

void TRurToolBarPager::SetActivePage(TRurPage* page)
{
    const int index = FRurPages.IndexOf(page);
    if (index >= 0)
        SetActivePageIndex(index);
}

bool TRurToolBarPager::ChangeActivePage(int index)
{
    if (index < 0 || index >= FRurPages.Count() || index == FActivePageIndex)
        return false;
    bool allow = true;
    FOnChanging(this, FActivePageIndex, index, allow);
    if (!allow)
        return false;
    if (TRurPage* old = ActivePage())
        old->Hide();
    FActivePageIndex = index;
    TRurPage* page = ActivePage();
    SetPagePosition(page);
    page->Show();
    page->BringToFront();
    FOnChange(this);
    return true;
}

void TRurToolBarPager::SetActivePageIndex(int value)
{
    const int before = FActivePageIndex;
    ChangeActivePage(value);
    InvalidateTabsArea();
    // Only a change that happened is reported (a vetoed one is not).
    if (FActivePageIndex != before)
        FOnTabChanged(this);
}

void TRurToolBarPager::SelectNextPage(bool goForward)
{
    if (FActivePageIndex < 0)
        return;
    const int count = FRurPages.Count();
    int i = FActivePageIndex;
    for (int step = 0; step < count - 1; ++step) {
        i = (i + (goForward ? 1 : count - 1)) % count;
        TRurPage* page = RurPages(i);
        if (page->TabVisible() && page->TabEnabled()) {
            SetActivePageIndex(i);
            return;
        }
    }
}

TRurPage* TRurToolBarPager::FindNextPage(TRurPage* curPage, bool goForward, bool checkTabVisible) const
{
    const int start = FRurPages.IndexOf(curPage);
    if (start < 0)
        return nullptr;
    const int count = FRurPages.Count();
    int i = start;
    for (int step = 0; step < count - 1; ++step) {
        i = (i + (goForward ? 1 : count - 1)) % count;
        if (!checkTabVisible || RurPages(i)->TabVisible())
            return RurPages(i);
    }
    return nullptr;
}

// ---- Geometry ---------------------------------------------------------------------------------

bool TRurToolBarPager::IsGlassActive(bool checkMaximized) const
{
    const bool active = FTabSettings->Glass() && FIsAeroVista && Win7ScenicRibbon() &&
                        !ComponentState().Contains(csDesigning) && FGroupStyle != gsWindows8;
    if (!checkMaximized || !active)
        return active;
    const TCustomForm* form = GetParentForm();
    return form && form->WindowState() != wsMaximized;
}

int TRurToolBarPager::GetPageBorder() const { return FItones || Win7ScenicRibbon() ? 0 : 4; }

TRect TRurToolBarPager::GetCaptionRect() const
{
    if (!FCaption->Visible())
        return Rect(-1, -1, -1, -1);
    TRect r = ClientRect();
    r.Bottom = r.Top + FCaption->Height();
    return r;
}

TRect TRurToolBarPager::GetPageRect() const
{
    const int b = GetPageBorder();
    TRect r = ClientRect();
    if (FCaption->Visible())
        r.Top += FScaledPagerCaptionHeight;
    r.Top += FTabSettings->Height();
    r.Left += b + FPageLeftMargin;
    r.Right -= b + FPageRightMargin;
    r.Bottom -= b + 1;
    if (ShowQATBelow())
        r.Bottom -= GetQATHeight();
    if (FIsAeroVista && Win7ScenicRibbon() && IsGlassActive())
        ++r.Bottom;
    if (FItones) {
        --r.Left;
        ++r.Right;
        ++r.Bottom;
    }
    return r;
}

void TRurToolBarPager::SetPagePosition(TRurPage* page)
{
    if (!page || FRurPages.IndexOf(page) < 0)
        return;
    const TRect r = GetPageRect();
    page->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

void TRurToolBarPager::UpdatePagesPosition()
{
    for (int i = 0; i < FRurPages.Count(); ++i)
        SetPagePosition(RurPages(i));
}

