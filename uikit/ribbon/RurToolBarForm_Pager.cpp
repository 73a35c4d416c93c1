// What the ribbon form asks of the ribbon it carries. Without a ribbon on the form these give the
// answers of a form without one.
#include "RurToolBarForm.h"

#include "RurGDIP.h"
#include "RurRibbonPager.h"
#include "RurToolBar_Platform.h"

namespace {

// The pager's hide state starts below this form width and ends above it.
constexpr int HideStateWidth = 300;

} // namespace

TRurToolBarPager* TRurToolBarForm::FirstPager() const
{
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* pager = dynamic_cast<TRurToolBarPager*>(Controls(i)))
            return pager;
    return nullptr;
}

int TRurToolBarForm::GetPagerCaptionHeight() const
{
    const TRurToolBarPager* pager = FirstPager();
    return pager ? pager->ScaledPagerCaptionHeight() : -1;
}

int TRurToolBarForm::GetGlassTabExtra() const
{
    const TRurToolBarPager* pager = FirstPager();
    if (!pager || !FIsAeroVista || IsDesigning() || !pager->IsGlassActive(true))
        return -1;
    if (HandleAllocated() && Maximized() && !IsWin7ScenicMaximized())
        return -1;
    return pager->TabSettings()->Height() - 1;
}

TColor TRurToolBarForm::PagerBorderColor() const
{
    const TRurToolBarPager* pager = FirstPager();
    const TCustomRurToolBarStyler* styler = pager ? pager->CurrentToolBarStyler() : nullptr;
    return styler ? styler->FormBorderColor() : clGray;
}

void TRurToolBarForm::PagerSetAeroVista(bool value)
{
    if (TRurToolBarPager* pager = FirstPager())
        pager->SetAeroVista(value);
}

void TRurToolBarForm::PagerSetColorTones(const TColorTones& tones)
{
    if (TRurToolBarPager* pager = FirstPager())
        if (auto* toned = dynamic_cast<IRujTones*>(pager))
            toned->SetColorTones(tones);
}

void TRurToolBarForm::PagerCheckHideState()
{
    TRurToolBarPager* pager = FirstPager();
    if (!pager)
        return;
    const bool scenicGlass = FIsAeroVista && RurGDIP::GetGlassEnabled() && RurGDIP::GetScenicRibbon();
    if (Width() < HideStateWidth && !pager->HideState()) {
        pager->SetHideState(true);
        if (scenicGlass) {
            FGlassFrame.Top = ScaledSize26 + 1;
            ApplyGlassFrame();
        }
    } else if (Width() > HideStateWidth && pager->HideState()) {
        pager->SetHideState(false);
        if (scenicGlass) {
            FGlassFrame.Top = GetGlassTabExtra() + ScaledSize26 + 3;
            ApplyGlassFrame();
        }
    }
}
