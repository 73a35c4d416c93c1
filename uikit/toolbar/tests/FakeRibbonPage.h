#pragma once
// A stand-in for the ribbon's page in the toolbar's own tests: a window control of the page's class
// name (so a toolbar on it is a ribbon group) that answers what a group asks of its ribbon as the
// test sets it, and records what the group asked it to do.
#include "Controls.h"
#include "RurToolBar_Lists.h"
#include "RurToolBar_RibbonHost.h"

class TRurPage : public TCustomControl, public IRibbonGroupHost {
    TAVIN_CLASS(TRurPage, TCustomControl)
public:
    explicit TRurPage(TComponent* owner) : TCustomControl(owner) {}

    bool PagerLook(TRujStyle& look) const override
    {
        if (HasPager_ && !PagerHasStyler)
            look = Look;
        return HasPager_ && !PagerHasStyler;
    }
    bool PagerTonesActive() const override { return Tones; }
    bool HasPager() const override { return HasPager_; }
    void UpdateAllToolBars() override { ++UpdateAllCount; }
    void CompactWindowClosed(TControl* button) override { LastClosedCompactButton = button; }
    bool ToolBarKeyTipsShowing() const override { return KeyTipMode; }
    String ShortCutChars() const override { return Chars; }
    void SetShortCutChars(const String& value) override { Chars = value; }
    bool HasPageKeyTip() const override { return KeyTipMode; }
    void ShowToolBarKeyTips() override
    {
        KeyTipMode = true;
        Chars.clear();
        ++ShowToolBarKeyTipsCount;
    }
    void HideToolBarKeyTips() override { KeyTipMode = false; }
    void ShowTabKeyTips() override { ++ShowTabKeyTipsCount; }
    void RestorePagerFocus() override { ++RestoreFocusCount; }
    bool FocusPagerByKey() override
    {
        ++FocusPagerCount;
        return HasPager_;
    }
    void ToolBarsSortedByLeft(TDbgList& list) const override { list.AssignList(SortedToolBars); }

    bool HasPager_ = true, PagerHasStyler = false, Tones = false, KeyTipMode = false;
    TRujStyle Look = tsCustom;
    String Chars;
    int UpdateAllCount = 0, ShowToolBarKeyTipsCount = 0, ShowTabKeyTipsCount = 0, RestoreFocusCount = 0,
        FocusPagerCount = 0;
    TControl* LastClosedCompactButton = nullptr;
    TDbgList SortedToolBars;
};
