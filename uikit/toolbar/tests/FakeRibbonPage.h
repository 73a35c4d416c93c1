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
    bool TabGroupColours(const TGroupAppearance*& own) const override
    {
        own = OwnGroupLook;
        return InTabGroup;
    }
    const TToolBarAppearance* PagerToolBarAppearance() const override { return TonesLook; }
    TColor PagerToolBarCaptionTextColor() const override { return TonesText; }
    bool PagerGlassActive() const override { return Glass; }
    bool HasPager() const override { return HasPager_; }
    void UpdateAllToolBars() override
    {
        ++UpdateAllCount;
        PlaceGroups();
    }
    void ArrangeGroups() override
    {
        Fitting += u"arrange ";
        PlaceGroups();
    }
    void ShrinkToolBarsToFit() override { Fitting += u"shrink "; }
    void ExpandToolBarsToFit() override { Fitting += u"expand "; }
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

    // With PlacesGroups the page places its groups as a real one does: side by side, as high as
    // the page allows, again whenever one changes.
    void AlignControls(TControl* control, TRect& rect) override
    {
        TCustomControl::AlignControls(control, rect);
        PlaceGroups();
    }
    void PlaceGroups()
    {
        if (!PlacesGroups)
            return;
        int x = 3;
        for (int i = 0; i < ControlCount(); ++i)
            if (TControl* group = Controls(i); group->Visible() && group->Width() > 0) {
                group->SetBounds(x, 3, group->Width(), Height() - 6);
                x += group->Width() + 3;
            }
    }

    bool PlacesGroups = false;
    bool HasPager_ = true, PagerHasStyler = false, Tones = false, KeyTipMode = false, InTabGroup = false,
         Glass = false;
    const TGroupAppearance* OwnGroupLook = nullptr;
    const TToolBarAppearance* TonesLook = nullptr;
    TColor TonesText = clNone;
    TRujStyle Look = tsCustom;
    String Chars;
    // What the groups asked of the page's fitting, in order.
    String Fitting;
    int UpdateAllCount = 0, ShowToolBarKeyTipsCount = 0, ShowTabKeyTipsCount = 0, RestoreFocusCount = 0,
        FocusPagerCount = 0;
    TControl* LastClosedCompactButton = nullptr;
    TDbgList SortedToolBars;
};
