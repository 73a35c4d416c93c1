#pragma once
// What a toolbar standing on a ribbon page (a ribbon group) asks of the ribbon. The ribbon's page
// implements it, so the toolbar unit needs none of the ribbon's units. Each answer has a neutral
// default (no pager, no tones, no key-tip mode), which is also what a page without a pager gives.
#include "Controls.h"
#include "RurStyleIF.h"

class TDbgList;
class TGDIPPicture;
class TCustomRurToolBarStyler;
class TGlowButtonAppearance;
class TGroupAppearance;
class TToolBarAppearance;

class IRibbonGroupHost {
public:
    // ---- Look ------------------------------------------------------------------------------------
    // The pager's own look when it decides its groups' look (the pager has no linked styler).
    virtual bool PagerLook(TRujStyle&) const { return false; }
    // The styler linked to the pager, which groups following their parent's styler take; null
    // without one (or while it is being freed).
    virtual TCustomRurToolBarStyler* PagerToolBarStyler() const { return nullptr; }
    // The pager paints with colour tones.
    virtual bool PagerTonesActive() const { return false; }
    // The pager's glow-button colours and its tab rounding; null without a pager.
    virtual TGlowButtonAppearance* PagerGlowButtonAppearance() const { return nullptr; }
    virtual bool PagerTabRoundEdges() const { return true; }
    // The pager's option-button picture (disabled: for a disabled group); null without a pager.
    virtual TGDIPPicture* PagerOptionPicture(bool) const { return nullptr; }
    // The page is the pager's active page, lies in one of its tab groups and the pager colours
    // groups by tab group (not in its Office 2013 mode). own: that tab group's own appearance, or
    // null when the tab group takes the styler's group appearance.
    virtual bool TabGroupColours(const TGroupAppearance*& own) const
    {
        own = nullptr;
        return false;
    }
    // Under colour tones: the pager's toolbar appearance (null when it has none) and the text
    // colour of its groups' captions.
    virtual const TToolBarAppearance* PagerToolBarAppearance() const { return nullptr; }
    virtual TColor PagerToolBarCaptionTextColor() const { return clNone; }
    // The pager paints on glass.
    virtual bool PagerGlassActive() const { return false; }

    // ---- Fitting and compact windows ------------------------------------------------------------
    // Arranges the page's toolbars and fits them to its width again.
    virtual void UpdateAllToolBars() {}
    // A group showed or hid: the page places its toolbars again, then shrinks them until they fit
    // its width (one showed) or lets them grow while they fit (one hid).
    virtual void ArrangeGroups() {}
    virtual void ShrinkToolBarsToFit() {}
    virtual void ExpandToolBarsToFit() {}
    // A group's compact window closed: the pager remembers the group's compact button as the one
    // dropped last and drops the compact button under the cursor, when there is another.
    virtual void CompactWindowClosed(TControl*) {}
    // The page lies in the minimized ribbon's pop-up: while a group's pop-up opens, the pop-up may
    // not hide on deactivation. Hold answers what Release must put back.
    virtual bool HoldFloatingRibbon() { return false; }
    virtual void ReleaseFloatingRibbon(bool) {}
    virtual bool InFloatingRibbon() const { return false; }

    // ---- Key tips and keyboard ------------------------------------------------------------------
    // The page lies on a pager.
    virtual bool HasPager() const { return false; }
    // The page is in toolbar key-tip mode, and the characters typed in it so far.
    virtual bool ToolBarKeyTipsShowing() const { return false; }
    virtual String ShortCutChars() const { return String(); }
    virtual void SetShortCutChars(const String&) {}
    // The page has its own key-tip window (it has entered key-tip mode once at least).
    virtual bool HasPageKeyTip() const { return false; }
    virtual void ShowToolBarKeyTips() {}
    virtual void HideToolBarKeyTips() {}
    // Offers the typed characters to each visible group; true when one took them.
    virtual bool SelectToolBarShortCut() { return false; }
    // The pager shows its tabs' key tips again.
    virtual void ShowTabKeyTips() {}
    // The pager gives the focus back to the window that had it before key-tip mode.
    virtual void RestorePagerFocus() {}
    // The pager takes the focus, remembering that a key moved it there; false without a pager.
    virtual bool FocusPagerByKey() { return false; }
    virtual bool FloatingRibbonShowing() const { return false; }
    virtual void HideFloatingRibbon() {}
    // The page's visible toolbars in ascending Left.
    virtual void ToolBarsSortedByLeft(TDbgList&) const {}

protected:
    ~IRibbonGroupHost() = default;
};
