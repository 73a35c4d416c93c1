#pragma once
// The pop-up that shows the active page of a collapsed ribbon below its tabs: a borderless,
// stay-on-top window with a drop shadow holding a clone of the page (which borrows the page's
// toolbars). It focuses the page's first toolbar when activated and hides itself as soon as it
// loses activation, after which the pager frees it.
#include "WinApiNames.h"

#include "Forms.h"
#include "Timers.h"

class TRurToolBarPager;
class TRurPage;

class TMinimizedRibbonWindow : public TCustomForm {
    TAVIN_CLASS(TMinimizedRibbonWindow, TCustomForm)
public:
    explicit TMinimizedRibbonWindow(TComponent* owner);
    ~TMinimizedRibbonWindow() override;

    void WndProc(TMessage& message) override;

    TRurToolBarPager* RurToolBarPager() const { return FRurToolBarPager; }
    void SetRurToolBarPager(TRurToolBarPager* value) { FRurToolBarPager = value; }
    TRurPage* RurPage() const { return FRurPage; }
    void SetRurPage(TRurPage* value) { FRurPage = value; }
    bool HideOnDeActivate() const { return FHideOnDeActivate; }
    void SetHideOnDeActivate(bool value) { FHideOnDeActivate = value; }
    // The window around its page: 2 pixels left of it, 3 right and below.
    void SetWindowSize();
    // Closing is allowed, hiding on deactivation is on and the pager does not block it.
    bool CanHide();
    // Whether a deactivation is waiting for the pager's permission to hide.
    bool HidePending() const { return FHideTimer->Enabled(); }

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;

private:
    void Activated(bool active);
    void HideTimerTick(TObject*);

    bool FHideOnDeActivate = true;
    TTimer* FHideTimer = nullptr;
    TRurToolBarPager* FRurToolBarPager = nullptr;
    TRurPage* FRurPage = nullptr;
};
