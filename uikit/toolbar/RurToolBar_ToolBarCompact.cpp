// Compact mode of a ribbon group: the group collapses into one compact glow button whose click
// drops a compact window holding a full-size clone of the group (the group's controls move to the
// clone and back).
#include <algorithm>

#include "Forms.h"
#include "Streams.h"
#include "Math.h"
#include "RurGlowButton.h"
#include "RurToolBar_CompactWindow.h"
#include "RurToolBar_Messages.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_RibbonHost.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"

namespace {

// A glow button that follows a linked styler's glow font when it changes toolbars.
void TakeStylerFont(TControl* control, TCustomRurToolBarStyler* linked)
{
    auto* glow = dynamic_cast<TRurGlowButton*>(control);
    if (!glow || !linked)
        return;
    const TGlowButtonAppearance* look = linked->GlowButtonAppearance();
    glow->Appearance()->SetSystemFont(look->SystemFont());
    glow->Font()->SetColor(look->SystemFont() ? clWindowText : look->TextColor());
}

} // namespace

void TRurCustomToolBar::SetCompact(bool value)
{
    if (value == FCompact || !OnRibbonPage())
        return;
    if (value) {
        SwitchCompact(true);
        FCompactMode = true;
    } else {
        FCompactMode = false;
        SwitchCompact(false);
    }
    if (auto* host = dynamic_cast<IRibbonGroupHost*>(Parent()))
        host->UpdateAllToolBars();
}

void TRurCustomToolBar::DoCompactShow()
{
    if (FOnCompactShow)
        FOnCompactShow(this);
}

int TRurCustomToolBar::GetCompactWidth()
{
    if (!OnRibbonPage())
        return Width();
    if (!FCompactBtn || FCompactCaption.empty())
        return FCompactMinWidth;
    return std::max(static_cast<int>(FCompactBtn->ButtonSize(bsLarge).cx), FCompactMinWidth);
}

int TRurCustomToolBar::GetFullWidth()
{
    if (!FCompact || !OnRibbonPage() || !FSelfClone)
        return Width();
    if (FOldAutoPosition && FOldAutoSize && !FCompactSmallest) {
        FSelfClone->ReduceToSmallest();
        FCompactSmallest = true;
    }
    return FSelfClone->Width();
}

void TRurCustomToolBar::SwitchCompact(bool value)
{
    if (value == FCompact || !OnRibbonPage() || !FPropertiesLoaded || FCompactMode)
        return;
    if (!value) {
        if (FCompactWindow)
            FCompactWindow->Hide();
        FCompactChanging = true;
        TDbgList order;
        if (FSelfClone)
            order.AssignList(FSelfClone->FATBControls);
        SetWidth(GetFullWidth());
        if (FSelfClone)
            SetShowCaption(FSelfClone->ShowCaption());
        SetAutoPositionControls(false);
        SetAutoSize(false);
        SetAutoArrangeButtons(false);
        if (FCompactWindow)
            FCompactWindow->SetDropDownButton(nullptr);
        delete FCompactBtn;
        FCompactBtn = nullptr;
        if (FSelfClone)
            MoveControlsTo(FSelfClone, this);
        if (FATBControls.Count() == order.Count())
            FATBControls.AssignList(order);
        if (FCompactWindow) {
            FSelfClone->SetToolBarStyler(nullptr);
            delete FSelfClone;
            FSelfClone = nullptr;
            delete FCompactWindow;
            FCompactWindow = nullptr;
        }
        FCompact = false;
        FCompactSmallest = false;
        SetAutoPositionControls(FOldAutoPosition);
        SetAutoSize(FOldAutoSize);
        SetAutoArrangeButtons(FOldAutoArrangeButtons);
        FCompactChanging = false;
        return;
    }
    FCompactChanging = true;
    FOldAutoPosition = FAutoPositionControls;
    FOldAutoSize = FAutoSize;
    FOldAutoArrangeButtons = FAutoArrangeButtons;
    SetAutoPositionControls(false);
    SetAutoSize(false);
    SetAutoArrangeButtons(false);
    if (!FCompactWindow) {
        FCompactWindow = new TCompactWindow(this);
        if (!Name().empty())
            FCompactWindow->SetName(Name() + u"_CompactWindow");
        FCompactWindow->SetBorderIcons(TBorderIcons{});
        FCompactWindow->SetBorderStyle(bsNone);
        FCompactWindow->SetFormStyle(fsStayOnTop);
        FCompactWindow->SetVisible(false);
        FCompactWindow->SetBounds(0, 0, 30, 30);
        FCompactWindow->SetOnCloseQuery(FOnCompactCloseQuery);
        if (TCustomForm* form = GetParentForm())
            FCompactWindow->Font()->Assign(form->Font());
    }
    if (!FSelfClone) {
        FSelfClone = new TRurCustomToolBar(FCompactWindow);
        if (!Name().empty())
            FSelfClone->SetName(Name() + u"_SelfClone");
        FSelfClone->SetParent(FCompactWindow);
        FSelfClone->FSelfClone = this;
        if (OnDblClick())
            FSelfClone->SetOnDblClick(OnDblClick());
        if (OnKeyPress())
            FSelfClone->SetOnKeyPress(OnKeyPress());
        if (OnKeyDown())
            FSelfClone->SetOnKeyDown(OnKeyDown());
        if (OnKeyUp())
            FSelfClone->SetOnKeyUp(OnKeyUp());
    }
    FCompactWindow->SetRurToolBar(FSelfClone);
    FCompactWindow->SetWindowSize();
    CopyToClone(true);
    SetWidth(GetCompactWidth());
    CreateCompactButton();
    SetWidth(GetCompactWidth());
    FCompactChanging = false;
    FCompact = true;
}

void TRurCustomToolBar::CreateCompactButton()
{
    FCompactBtn = new TRurGlowButton(this);
    FCompactBtn->SetFocusType(ftNone);
    FCompactBtn->SetParent(this);
    SetCompactButtonImage();
    FCompactBtn->SetCaption(FCompactCaption);
    FCompactBtn->SetWideCaption(FWideCompactCaption);
    FCompactBtn->SetLayout(RurGlowButton::blGlyphTop);
    FCompactBtn->SetBounds(0, 0, GetCompactWidth(), Height());
    FCompactBtn->SetVisible(true);
    FCompactBtn->Appearance()->Assign(FCurrentToolBarStyler->CompactGlowButtonAppearance());
    IRibbonGroupHost* host = RibbonHost();
    if (TGlowButtonAppearance* pager = host && host->PagerTonesActive() ? host->PagerGlowButtonAppearance() : nullptr) {
        // Under the pager's colour tones the button is one flat colour with the pager's hover.
        TGlowButtonAppearance* look = FCompactBtn->Appearance();
        look->SetColor(pager->Color());
        look->SetColorHot(pager->ColorHot());
        look->SetColorHotTo(pager->ColorHotTo());
        look->SetColorMirrorHot(pager->ColorMirrorHot());
        look->SetColorMirrorHotTo(pager->ColorMirrorHotTo());
        look->SetBorderColorHot(pager->BorderColorHot());
        for (auto set : {&TGlowButtonAppearance::SetColorTo, &TGlowButtonAppearance::SetColorMirror,
                         &TGlowButtonAppearance::SetColorMirrorTo, &TGlowButtonAppearance::SetColorCheckedTo,
                         &TGlowButtonAppearance::SetColorMirrorChecked, &TGlowButtonAppearance::SetColorMirrorCheckedTo})
            (look->*set)(clNone);
        FCompactBtn->SetRounded(host->PagerTabRoundEdges());
        if (!pager->SystemFont())
            FCompactBtn->Font()->SetColor(pager->TextColor());
    }
    FCompactBtn->SetDropDownButton(true);
    FCompactBtn->SetDropDownPosition(dpBottom);
    FCompactBtn->SetDropDownSplit(false);
    FCompactBtn->OfficeHint()->Assign(FOfficeHint.get());
    FCompactBtn->SetOnClick(MakeHandler<&TRurCustomToolBar::ShowCompactWindow>(this));
    FCompactBtn->SetStyle(bsCheck);
    FCompactBtn->SetShortCutHint(FCompactShortCutHint);
    FCompactBtn->SetShortCutHintPos(shpBelowBottomCenter);
}

void TRurCustomToolBar::SetCompactButtonImage()
{
    FCompactBtn->Picture()->Assign(FICompactPicture.get());
    if (!FICompactPicture->Empty() || !FImages || FCompactImageIndex < 0)
        return;
    if (dynamic_cast<TImageList*>(FImages)) {
        FCompactBtn->SetImages(FImages);
        FCompactBtn->SetImageIndex(FCompactImageIndex);
        FCompactBtn->Picture()->Assign(nullptr);
        return;
    }
    // Any other image list is drawn into a picture on white; white is the transparent colour, in
    // the automatic mode (the bottom-left pixel), which the picture leaves out of a bitmap.
    TCustomImageList* list = !Enabled() && FDisabledImages ? FDisabledImages : FImages;
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(list->Width(), list->Height());
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(TRect{0, 0, list->Width(), list->Height()});
    list->Draw(bitmap.Canvas(), 0, 0, FCompactImageIndex, true);
    bitmap.SetTransparentColor(clWhite);
    bitmap.SetTransparentMode(tmAuto);
    bitmap.SetTransparent(true);
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    stream.SetPosition(0);
    FCompactBtn->Picture()->LoadFromStream(stream);
    FCompactBtn->SetImageIndex(-1);
}

void TRurCustomToolBar::CopyToClone(bool moveControls)
{
    TRurCustomToolBar* clone = FSelfClone;
    if (!clone)
        return;
    clone->SetToolBarStyler(FToolBarStyler);
    clone->FAutoPositionControls = false;
    clone->FAutoSize = false;
    clone->SetAutoArrangeButtons(false);
    clone->SetAllowFloating(FAllowFloating);
    clone->SetAutoOptionMenu(FAutoOptionMenu);
    clone->SetCaption(FCaption);
    clone->SetCaptionFont(FCaptionFont.get());
    clone->SetCaptionHeight(FCaptionHeight);
    clone->SetCaptionPosition(FCaptionPosition);
    clone->SetCaptionAlignment(FCaptionAlignment);
    clone->SetShowRightHandle(FShowRightHandle);
    clone->SetShowClose(FShowClose);
    clone->SetShowOptionIndicator(FShowOptionIndicator);
    clone->SetEnabled(Enabled());
    clone->SetImages(FImages);
    clone->SetDisabledImages(FDisabledImages);
    clone->SetMenu(FMenu);
    clone->SetShowHint(ShowHint());
    clone->Font()->Assign(Font());
    clone->SetOptionMenu(FOptionMenu);
    IRibbonGroupHost* host = RibbonHost();
    const bool fromPager = FParentOptionPicture && host && host->HasPager();
    TGDIPPicture* picture = fromPager ? host->PagerOptionPicture(false) : FIOptionPicture.get();
    TGDIPPicture* disabled = fromPager ? host->PagerOptionPicture(true) : FIOptionDisabledPicture.get();
    clone->FIOptionPicture->Assign(picture);
    clone->FIOptionDisabledPicture->Assign(disabled);
    clone->SetParentOptionPicture(false);
    clone->SetOnOptionClick(FOnOptionClick);
    if (!moveControls)
        return;
    TDbgList order;
    order.AssignList(FATBControls);
    clone->SetBounds(clone->Left(), clone->Top(), Width(), Height());
    clone->SetShowCaption(FShowCaption);
    SetShowCaption(false);
    MoveControlsTo(this, clone);
    if (clone->FATBControls.Count() == order.Count())
        clone->FATBControls.AssignList(order);
    clone->FCtrlVisList.clear();
    for (int i = 0; i < clone->FATBControls.Count(); ++i)
        clone->FCtrlVisList.push_back(clone->FATBControls.Item<TControl>(i)->Visible() ? 1 : 0);
}

void TRurCustomToolBar::MoveControlsTo(TRurCustomToolBar* from, TRurCustomToolBar* to)
{
    for (int i = from->ControlCount() - 1; i >= 0; --i) {
        TControl* control = from->Controls(i);
        if (IsOfClassNamed(control, u"TCompactWindow") || control == from->FCompactBtn)
            continue;
        auto* glow = dynamic_cast<TRurCustomGlowButton*>(control);
        const bool down = glow && glow->Down();
        const int left = control->Left(), top = control->Top();
        control->SetParent(to);
        TakeStylerFont(control, FToolBarStyler);
        if (glow) {
            glow->SetDown(false);
            glow->SetDown(down);
        }
        control->SetBounds(left, top, control->Width(), control->Height());
    }
}

void TRurCustomToolBar::ShowCompactWindow(TObject* sender)
{
    if (!FCompact || !FCompactWindow)
        return;
    FCompactWindow->SetScaled(false);
    FCompactWindow->SetPixelsPerInch(DPIPixelsPerInch);
    TRurCustomToolBar* clone = FSelfClone;
    if (clone && FOldAutoPosition && FOldAutoSize && OnRibbonPage() && FCompactSmallest) {
        clone->BuildSequenceList(clone->FSeqControlList, true);
        clone->FAutoPositionControls = FOldAutoPosition;
        clone->FAutoSize = FOldAutoSize;
        clone->EnlargeToLargest();
        FCompactSmallest = false;
    }
    if (clone && FOldAutoPosition && OnRibbonPage()) {
        bool changed = static_cast<int>(clone->FCtrlVisList.size()) != clone->FATBControls.Count();
        for (int i = 0; !changed && i < clone->FATBControls.Count(); ++i)
            changed = (clone->FATBControls.Item<TControl>(i)->Visible() ? 1 : 0) != clone->FCtrlVisList[i];
        if (changed) {
            clone->FCtrlVisList.clear();
            for (int i = 0; i < clone->FATBControls.Count(); ++i)
                clone->FCtrlVisList.push_back(clone->FATBControls.Item<TControl>(i)->Visible() ? 1 : 0);
            ArrangeClone(false);
        }
    }
    TPoint p = Parent() ? Parent()->ClientToScreen(Point(Left(), Top() + Height() + 1)) : Point(Left(), Top());
    HMONITOR monitor = MonitorFromPoint(POINT{p.X, p.Y}, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    RECT work{};
    if (monitor && GetMonitorInfoW(monitor, &info))
        work = info.rcWork;
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    if (TCustomForm* form = GetParentForm())
        FCompactWindow->Font()->Assign(form->Font());
    FCompactWindow->SetDropDownButton(dynamic_cast<TRurGlowButton*>(sender));
    if (clone) {
        const bool oldAutoSize = clone->FAutoSize;
        clone->FAutoSize = true;
        clone->UpdateSize();
        clone->FAutoSize = oldAutoSize;
    }
    FCompactWindow->SetWindowSize();
    const int width = FCompactWindow->Width(), height = FCompactWindow->Height();
    if (p.X >= work.left && p.X <= work.right && p.X + width > work.right)
        p.X = work.right - width;
    IRibbonGroupHost* host = RibbonHost();
    const bool inFloatingRibbon = host && host->InFloatingRibbon();
    const bool canHide = inFloatingRibbon && host->HoldFloatingRibbon();
    FCompactWindow->SetBounds(p.X, p.Y, 1, 1);
    DoCompactShow();
    FCompactWindow->SetVisible(true);
    FCompactWindow->SetBounds(p.X, p.Y, width, height);
    FCompactWindow->UpdateRegion();
    if (inFloatingRibbon)
        host->ReleaseFloatingRibbon(canHide);
}

void TRurCustomToolBar::ArrangeClone(bool fit)
{
    // The clone places its controls by the group's rules while it stands in for the group; fitted,
    // it takes its size from them too and its window follows.
    TRurCustomToolBar* clone = FSelfClone;
    const bool oldPosition = clone->FAutoPositionControls, oldSize = clone->FAutoSize;
    clone->FAutoPositionControls = true;
    if (fit)
        clone->FAutoSize = FOldAutoSize;
    clone->ArrangeControls(FOldAutoSize);
    clone->FAutoPositionControls = oldPosition;
    clone->FAutoSize = oldSize;
    if (fit && FCompactWindow->Visible()) {
        FCompactWindow->SetWindowSize();
        FCompactWindow->UpdateRegion();
    }
}

void TRurCustomToolBar::HideCompactWindow()
{
    if (FCompact && FCompactWindow && FCompactWindow->Visible())
        FCompactWindow->Hide();
}

void TRurCustomToolBar::CompactWindowClosed()
{
    if (ComponentState().Contains(csDesigning))
        return;
    // The clone reports for the compacted toolbar it stands for.
    TRurCustomToolBar* group = OnCompactWindow() && FSelfClone ? FSelfClone : this;
    if (IRibbonGroupHost* host = group->RibbonHost())
        host->CompactWindowClosed(group->FCompactBtn);
}

void TRurCustomToolBar::PostCompactWinHide()
{
    if (const UINT message = ToolBarMessage(TToolBarMessage::CompactWinHide); message && HandleAllocated())
        PostMessageW(Handle(), message, 0, 0);
}

void TRurCustomToolBar::UpdateControlsVisibility()
{
    if (FInternalControlPositioning || !FCompact || !FSelfClone || ComponentState().Contains(csLoading) ||
        ComponentState().Contains(csDesigning) || !FOldAutoPosition || !FOldAutoSize || !OnRibbonPage() ||
        FCompactChanging || FSelfClone->FCompactChanging || !FCompactSmallest)
        return;
    FSelfClone->BuildSequenceList(FSelfClone->FSeqControlList, true);
    FSelfClone->FAutoPositionControls = FOldAutoPosition;
    FSelfClone->FAutoSize = FOldAutoSize;
    if (Parent()->HandleAllocated())
        SendMessageW(Parent()->Handle(), WM_SIZE, 0, 0);
}

void TRurCustomToolBar::UpdateCompactButtonAppearance()
{
    if (FCompact && FCompactBtn && FCurrentToolBarStyler)
        FCompactBtn->Appearance()->Assign(FCurrentToolBarStyler->CompactGlowButtonAppearance());
}

void TRurCustomToolBar::GlowButtonSetButtonSize(TObject* sender, int&, int& height)
{
    auto* glow = dynamic_cast<TRurCustomGlowButton*>(sender);
    if (glow && glow->ButtonSizeState() == bsLarge && (FAutoPositionControls || (FCompact && FOldAutoPosition)))
        height = Height() - FCaptionHeight - 5;
}

namespace {

bool AnyDroppedDown(const TWinControl* container)
{
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* control = container->Controls(i);
        if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(control); glow && glow->DroppedDown())
            return true;
        if (auto* window = dynamic_cast<TWinControl*>(control); window && AnyDroppedDown(window))
            return true;
    }
    return false;
}

} // namespace

bool TRurCustomToolBar::HasDroppedDownButton() const { return AnyDroppedDown(this); }

void TRurCustomToolBar::SetCompactCaption(const String& value)
{
    if (value == FCompactCaption)
        return;
    FCompactCaption = value;
    if (FCompactBtn && FCompactBtn->Caption() != value)
        FCompactBtn->SetCaption(value);
}

void TRurCustomToolBar::CompactPictureChanged(TObject*)
{
    if (!FCompactBtn)
        return;
    FCompactBtn->Picture()->Assign(FICompactPicture.get());
    Invalidate();
}

void TRurCustomToolBar::SetCompactImageIndex(int value)
{
    if (value == FCompactImageIndex)
        return;
    FCompactImageIndex = value;
    const auto state = ComponentState();
    if (!FCompact || !FCompactBtn || !OnRibbonPage() || state.Contains(csLoading) || state.Contains(csDesigning))
        return;
    if (!FICompactPicture->Empty() || !FImages || value < 0) {
        if (value < 0)
            FCompactBtn->SetImageIndex(value);
    } else {
        SetCompactButtonImage();
    }
    Invalidate();
}

void TRurCustomToolBar::SetOnCompactCloseQuery(TCloseQueryEvent value)
{
    FOnCompactCloseQuery = value;
    if (FCompact && FCompactWindow)
        FCompactWindow->SetOnCloseQuery(value);
}
