#pragma once
// Style services and the style engine: themed-element details and their drawing in the active style
// (the system style: uxtheme while visual themes are on, classic Win32 drawing while they are off),
// the style manager, and the registry of style-hook classes per control class.
#include <functional>
#include <memory>
#include <vector>

#include "WinApiNames.h"
#include <uxtheme.h>

#include "Graphics.h"
#include "SysUtils.h"
#include "Startup.h"
#include "TypInfo.h"

class TControl;
class TWinControl;
struct TMessage;

TAVIN_EXCEPTION(EStyleEngineException, Exception);

// ---------------------------------------------------------------------------------------------
// Themed elements. Each enumerator names one part in one state of an element; GetElementDetails
// turns it into the element, part and state that the drawing calls take.

enum TThemedElement {
    teButton,
    teClock,
    teComboBox,
    teEdit,
    teExplorerBar,
    teHeader,
    teListView,
    teMenu,
    tePage,
    teProgress,
    teRebar,
    teScrollBar,
    teSpin,
    teStartPanel,
    teStatus,
    teTab,
    teTaskBand,
    teTaskBar,
    teToolBar,
    teToolTip,
    teTrackBar,
    teTrayNotify,
    teTreeview,
    teWindow,
    teGrid,
    teHint,
    teMonthCal,
};

enum TThemedButton {
    tbButtonDontCare,
    tbButtonRoot,
    tbPushButtonNormal,
    tbPushButtonHot,
    tbPushButtonPressed,
    tbPushButtonDisabled,
    tbPushButtonDefaulted,
    tbPushButtonDefaultedAnimating,
    tbRadioButtonUncheckedNormal,
    tbRadioButtonUncheckedHot,
    tbRadioButtonUncheckedPressed,
    tbRadioButtonUncheckedDisabled,
    tbRadioButtonCheckedNormal,
    tbRadioButtonCheckedHot,
    tbRadioButtonCheckedPressed,
    tbRadioButtonCheckedDisabled,
    tbCheckBoxUncheckedNormal,
    tbCheckBoxUncheckedHot,
    tbCheckBoxUncheckedPressed,
    tbCheckBoxUncheckedDisabled,
    tbCheckBoxCheckedNormal,
    tbCheckBoxCheckedHot,
    tbCheckBoxCheckedPressed,
    tbCheckBoxCheckedDisabled,
    tbCheckBoxMixedNormal,
    tbCheckBoxMixedHot,
    tbCheckBoxMixedPressed,
    tbCheckBoxMixedDisabled,
    tbGroupBoxNormal,
    tbGroupBoxDisabled,
    tbUserButton,
};

enum TThemedComboBox {
    tcComboBoxDontCare,
    tcComboBoxRoot,
    tcDropDownButtonNormal,
    tcDropDownButtonHot,
    tcDropDownButtonPressed,
    tcDropDownButtonDisabled,
    tcBorderNormal,
    tcBorderHot,
    tcBorderFocused,
    tcBorderDisabled,
    tcReadOnlyNormal,
    tcReadOnlyHot,
    tcReadOnlyPressed,
    tcReadOnlyDisabled,
    tcDropDownButtonRightNormal,
    tcDropDownButtonRightHot,
    tcDropDownButtonRightPressed,
    tcDropDownButtonRightDisabled,
    tcDropDownButtonLeftNormal,
    tcDropDownButtonLeftHot,
    tcDropDownButtonLeftPressed,
    tcDropDownButtonLeftDisabled,
};

enum TThemedEdit {
    teEditDontCare,
    teEditRoot,
    teEditTextNormal,
    teEditTextHot,
    teEditTextSelected,
    teEditTextDisabled,
    teEditTextFocused,
    teEditTextReadOnly,
    teEditTextAssist,
    teEditCaret,
    teEditBorderNoScrollNormal,
    teEditBorderNoScrollHot,
    teEditBorderNoScrollFocused,
    teEditBorderNoScrollDisabled,
};

enum TThemedGrid {
    tgCellNormal,
    tgCellSelected,
    tgFixedCellNormal,
    tgFixedCellHot,
    tgFixedCellPressed,
};

enum TThemedHeader {
    thHeaderDontCare,
    thHeaderRoot,
    thHeaderItemNormal,
    thHeaderItemHot,
    thHeaderItemPressed,
    thHeaderItemLeftNormal,
    thHeaderItemLeftHot,
    thHeaderItemLeftPressed,
    thHeaderItemRightNormal,
    thHeaderItemRightHot,
    thHeaderItemRightPressed,
    thHeaderSortArrowSortedUp,
    thHeaderSortArrowSortedDown,
};

enum TThemedHint {
    thHintNormal,
    thHintBalloon,
};

enum TThemedListview {
    tlListviewDontCare,
    tlListviewRoot,
    tlListItemNormal,
    tlListItemHot,
    tlListItemSelected,
    tlListItemDisabled,
    tlListItemSelectedNotFocus,
    tlListGroup,
    tlListDetail,
    tlListSortDetail,
    tlEmptyText,
};

enum TThemedMenu {
    tmMenuDontCare,
    tmMenuRoot,
    tmMenuBarBackgroundActive,
    tmMenuBarBackgroundInactive,
    tmMenuBarItemNormal,
    tmMenuBarItemHot,
    tmMenuBarItemPushed,
    tmMenuBarItemDisabled,
    tmMenuBarItemDisabledHot,
    tmMenuBarItemDisabledPushed,
    tmPopupBackground,
    tmPopupBorders,
    tmPopupCheckMarkNormal,
    tmPopupCheckMarkDisabled,
    tmPopupBulletNormal,
    tmPopupBulletDisabled,
    tmPopupCheckBackgroundDisabled,
    tmPopupCheckBackgroundNormal,
    tmPopupCheckBackgroundBitmap,
    tmPopupGutter,
    tmPopupItemNormal,
    tmPopupItemHot,
    tmPopupItemDisabled,
    tmPopupItemDisabledHot,
    tmPopupSeparator,
    tmPopupSubMenuNormal,
    tmPopupSubMenuDisabled,
    tmSystemCloseNormal,
    tmSystemCloseDisabled,
    tmSystemMaximizeNormal,
    tmSystemMaximizeDisabled,
    tmSystemMinimizeNormal,
    tmSystemMinimizeDisabled,
    tmSystemRestoreNormal,
    tmSystemRestoreDisabled,
};

enum TThemedMonthCal {
    tmcGridCellBackgroundSelected,
    tmcGridCellBackgroundHot,
    tmcGridCellBackgroundSelectedHot,
    tmcGridCellBackgroundSelectedNotFocused,
    tmcGridCellBackgroundToday,
};

enum TThemedProgress {
    tpProgressDontCare,
    tpProgressRoot,
    tpBar,
    tpBarVert,
    tpChunk,
    tpChunkVert,
};

enum TThemedRebar {
    trRebarDontCare,
    trRebarRoot,
    trGripper,
    trGripperVert,
    trBand,
};

enum TThemedScrollBar {
    tsScrollBarDontCare,
    tsScrollBarRoot,
    tsArrowBtnUpNormal,
    tsArrowBtnUpHot,
    tsArrowBtnUpPressed,
    tsArrowBtnUpDisabled,
    tsArrowBtnDownNormal,
    tsArrowBtnDownHot,
    tsArrowBtnDownPressed,
    tsArrowBtnDownDisabled,
    tsArrowBtnLeftNormal,
    tsArrowBtnLeftHot,
    tsArrowBtnLeftPressed,
    tsArrowBtnLeftDisabled,
    tsArrowBtnRightNormal,
    tsArrowBtnRightHot,
    tsArrowBtnRightPressed,
    tsArrowBtnRightDisabled,
    tsThumbBtnHorzNormal,
    tsThumbBtnHorzHot,
    tsThumbBtnHorzPressed,
    tsThumbBtnHorzDisabled,
    tsThumbBtnVertNormal,
    tsThumbBtnVertHot,
    tsThumbBtnVertPressed,
    tsThumbBtnVertDisabled,
    tsLowerTrackHorzNormal,
    tsLowerTrackHorzHot,
    tsLowerTrackHorzPressed,
    tsLowerTrackHorzDisabled,
    tsUpperTrackHorzNormal,
    tsUpperTrackHorzHot,
    tsUpperTrackHorzPressed,
    tsUpperTrackHorzDisabled,
    tsLowerTrackVertNormal,
    tsLowerTrackVertHot,
    tsLowerTrackVertPressed,
    tsLowerTrackVertDisabled,
    tsUpperTrackVertNormal,
    tsUpperTrackVertHot,
    tsUpperTrackVertPressed,
    tsUpperTrackVertDisabled,
    tsGripperHorzNormal,
    tsGripperHorzHot,
    tsGripperHorzPressed,
    tsGripperHorzDisabled,
    tsGripperVertNormal,
    tsGripperVertHot,
    tsGripperVertPressed,
    tsGripperVertDisabled,
    tsSizeBoxRightAlign,
    tsSizeBoxLeftAlign,
};

enum TThemedSpin {
    tsSpinDontCare,
    tsSpinRoot,
    tsUpNormal,
    tsUpHot,
    tsUpPressed,
    tsUpDisabled,
    tsDownNormal,
    tsDownHot,
    tsDownPressed,
    tsDownDisabled,
    tsUpHorzNormal,
    tsUpHorzHot,
    tsUpHorzPressed,
    tsUpHorzDisabled,
    tsDownHorzNormal,
    tsDownHorzHot,
    tsDownHorzPressed,
    tsDownHorzDisabled,
};

enum TThemedStatus {
    tsStatusDontCare,
    tsStatusRoot,
    tsPane,
    tsGripperPane,
    tsGripper,
};

enum TThemedTab {
    ttTabDontCare,
    ttTabRoot,
    ttTabItemNormal,
    ttTabItemHot,
    ttTabItemSelected,
    ttTabItemDisabled,
    ttTabItemFocused,
    ttPane,
    ttBody,
};

enum TThemedToolBar {
    ttbToolBarDontCare,
    ttbToolBarRoot,
    ttbButtonNormal,
    ttbButtonHot,
    ttbButtonPressed,
    ttbButtonDisabled,
    ttbButtonChecked,
    ttbButtonCheckedHot,
    ttbDropDownButtonNormal,
    ttbDropDownButtonHot,
    ttbDropDownButtonPressed,
    ttbDropDownButtonDisabled,
    ttbDropDownButtonChecked,
    ttbDropDownButtonCheckedHot,
    ttbSplitButtonNormal,
    ttbSplitButtonHot,
    ttbSplitButtonPressed,
    ttbSplitButtonDisabled,
    ttbSplitButtonChecked,
    ttbSplitButtonCheckedHot,
    ttbSplitButtonDropDownNormal,
    ttbSplitButtonDropDownHot,
    ttbSplitButtonDropDownPressed,
    ttbSplitButtonDropDownDisabled,
    ttbSplitButtonDropDownChecked,
    ttbSplitButtonDropDownCheckedHot,
    ttbSeparatorNormal,
    ttbSeparatorHot,
    ttbSeparatorPressed,
    ttbSeparatorDisabled,
    ttbSeparatorChecked,
    ttbSeparatorCheckedHot,
    ttbSeparatorVertNormal,
    ttbSeparatorVertHot,
    ttbSeparatorVertPressed,
    ttbSeparatorVertDisabled,
    ttbSeparatorVertChecked,
    ttbSeparatorVertCheckedHot,
    ttbDropDownButtonGlyphNormal,
    ttbDropDownButtonGlyphHot,
    ttbDropDownButtonGlyphPressed,
    ttbDropDownButtonGlyphDisabled,
};

enum TThemedToolTip {
    tttToolTipDontCare,
    tttToolTipRoot,
    tttStandardNormal,
    tttStandardLink,
    tttStandardTitleNormal,
    tttStandardTitleLink,
    tttBaloonNormal,
    tttBaloonLink,
    tttBaloonTitleNormal,
    tttBaloonTitleLink,
    tttCloseNormal,
    tttCloseHot,
    tttClosePressed,
};

enum TThemedTreeview {
    ttTreeviewDontCare,
    ttTreeviewRoot,
    ttItemNormal,
    ttItemHot,
    ttItemSelected,
    ttItemDisabled,
    ttItemSelectedNotFocus,
    ttGlyphClosed,
    ttGlyphOpened,
    ttBranch,
    ttHotGlyphClosed,
    ttHotGlyphOpened,
};

enum TThemedWindow {
    twWindowDontCare,
    twWindowRoot,
    twCaptionActive,
    twCaptionInactive,
    twCaptionDisabled,
    twSmallCaptionActive,
    twSmallCaptionInactive,
    twSmallCaptionDisabled,
    twFrameLeftActive,
    twFrameLeftInactive,
    twFrameRightActive,
    twFrameRightInactive,
    twFrameBottomActive,
    twFrameBottomInactive,
    twSmallFrameLeftActive,
    twSmallFrameLeftInactive,
    twSmallFrameRightActive,
    twSmallFrameRightInactive,
    twSmallFrameBottomActive,
    twSmallFrameBottomInactive,
    twSysButtonNormal,
    twSysButtonHot,
    twSysButtonPushed,
    twSysButtonDisabled,
    twCloseButtonNormal,
    twCloseButtonHot,
    twCloseButtonPushed,
    twCloseButtonDisabled,
    twSmallCloseButtonNormal,
    twSmallCloseButtonHot,
    twSmallCloseButtonPushed,
    twSmallCloseButtonDisabled,
    twMinButtonNormal,
    twMinButtonHot,
    twMinButtonPushed,
    twMinButtonDisabled,
    twMaxButtonNormal,
    twMaxButtonHot,
    twMaxButtonPushed,
    twMaxButtonDisabled,
    twRestoreButtonNormal,
    twRestoreButtonHot,
    twRestoreButtonPushed,
    twRestoreButtonDisabled,
    twHelpButtonNormal,
    twHelpButtonHot,
    twHelpButtonPushed,
    twHelpButtonDisabled,
};

struct TThemedElementDetails {
    TThemedElement Element = teButton;
    int Part = 0;
    int State = 0;
    constexpr bool operator==(const TThemedElementDetails&) const = default;
};

// Which size GetElementSize answers: the smallest, the natural one, or the one drawn into a rectangle.
enum TElementSize { esMinimum, esActual, esStretch };

enum TElementColor {
    ecBorderColor, ecFillColor, ecTextColor, ecEdgeLightColor, ecEdgeHighlightColor, ecEdgeShadowColor,
    ecEdgeDkShadowColor, ecEdgeFillColor, ecTransparentColor, ecGradientColor1, ecGradientColor2,
    ecGradientColor3, ecGradientColor4, ecGradientColor5, ecShadowColor, ecGlowColor, ecTextBorderColor,
    ecTextShadowColor, ecGlyphTextColor, ecGlyphTransparentColor, ecFillColorHint, ecBorderColorHint,
    ecAccentColorHint
};

TAVIN_ENUM(TElementEdge, eeRaisedOuter, eeSunkenOuter, eeRaisedInner, eeSunkenInner, eeBump, eeEtched,
           eeRaised, eeSunken)
using TElementEdges = TSet<TElementEdge>;
TAVIN_ENUM(TElementEdgeFlag, efLeft, efTop, efRight, efBottom, efTopLeft, efBottomLeft, efTopRight,
           efBottomRight, efRect, efDiagonal, efDiagonalEndTopLeft, efDiagonalEndTopRight,
           efDiagonalEndBottomLeft, efDiagonalEndBottomRight, efMiddle, efSoft, efAdjust, efFlat, efMono)
using TElementEdgeFlags = TSet<TElementEdgeFlag>;

// Colours of a style for whole areas of controls.
enum TStyleColor {
    scBorder, scButtonDisabled, scButtonFocused, scButtonHot, scButtonNormal, scButtonPressed,
    scCategoryButtons, scCategoryButtonsGradientBase, scCategoryButtonsGradientEnd, scCategoryPanelGroup,
    scComboBox, scComboBoxDisabled, scEdit, scEditDisabled, scGrid, scGenericBackground,
    scGenericGradientBase, scGenericGradientEnd, scHintGradientBase, scHintGradientEnd, scListBox,
    scListBoxDisabled, scListView, scPanel, scPanelDisabled, scSplitter, scToolBarGradientBase,
    scToolBarGradientEnd, scTreeView, scWindow
};

// Text colours of a style.
enum TStyleFont {
    sfButtonTextDisabled, sfButtonTextFocused, sfButtonTextHot, sfButtonTextNormal, sfButtonTextPressed,
    sfCaptionTextInactive, sfCaptionTextNormal, sfCheckBoxTextDisabled, sfCheckBoxTextFocused,
    sfCheckBoxTextHot, sfCheckBoxTextNormal, sfCheckBoxTextPressed, sfComboBoxItemDisabled,
    sfComboBoxItemFocused, sfComboBoxItemHot, sfComboBoxItemNormal, sfComboBoxItemSelected,
    sfEditBoxTextDisabled, sfEditBoxTextFocused, sfEditBoxTextHot, sfEditBoxTextNormal,
    sfEditBoxTextSelected, sfGridItemFixedHot, sfGridItemFixedNormal, sfGridItemFixedPressed,
    sfGridItemNormal, sfGridItemSelected, sfGroupBoxTextDisabled, sfGroupBoxTextNormal,
    sfHeaderSectionTextDisabled, sfHeaderSectionTextHot, sfHeaderSectionTextNormal,
    sfHeaderSectionTextPressed, sfListItemTextDisabled, sfListItemTextFocused, sfListItemTextHot,
    sfListItemTextNormal, sfListItemTextSelected, sfMenuItemTextDisabled, sfMenuItemTextHot,
    sfMenuItemTextNormal, sfMenuItemTextSelected, sfPanelTextDisabled, sfPanelTextNormal,
    sfPopupMenuItemTextDisabled, sfPopupMenuItemTextHot, sfPopupMenuItemTextNormal,
    sfPopupMenuItemTextSelected, sfRadioButtonTextDisabled, sfRadioButtonTextFocused,
    sfRadioButtonTextHot, sfRadioButtonTextNormal, sfRadioButtonTextPressed, sfStatusPanelTextDisabled,
    sfStatusPanelTextNormal, sfTabTextActiveDisabled, sfTabTextActiveHot, sfTabTextActiveNormal,
    sfTabTextInactiveDisabled, sfTabTextInactiveHot, sfTabTextInactiveNormal, sfTextLabelDisabled,
    sfTextLabelFocused, sfTextLabelHot, sfTextLabelNormal, sfToolItemTextDisabled, sfToolItemTextHot,
    sfToolItemTextNormal, sfToolItemTextSelected, sfTreeItemTextDisabled, sfTreeItemTextFocused,
    sfTreeItemTextHot, sfTreeItemTextNormal, sfTreeItemTextSelected, sfWindowTextDisabled,
    sfWindowTextNormal
};

// ---------------------------------------------------------------------------------------------
// Style services: what a style paints and answers. Callers hold the interface only, so a custom
// style is one more implementation. Drawing calls answer whether the style drew anything; a dpi of
// 0 means the screen's.

class TCustomStyleServices : public TObject {
    TAVIN_CLASS(TCustomStyleServices, TObject)
public:
    static TThemedElementDetails GetElementDetails(TThemedButton detail);
    static TThemedElementDetails GetElementDetails(TThemedComboBox detail);
    static TThemedElementDetails GetElementDetails(TThemedEdit detail);
    static TThemedElementDetails GetElementDetails(TThemedGrid detail);
    static TThemedElementDetails GetElementDetails(TThemedHeader detail);
    static TThemedElementDetails GetElementDetails(TThemedHint detail);
    static TThemedElementDetails GetElementDetails(TThemedListview detail);
    static TThemedElementDetails GetElementDetails(TThemedMenu detail);
    static TThemedElementDetails GetElementDetails(TThemedMonthCal detail);
    static TThemedElementDetails GetElementDetails(TThemedProgress detail);
    static TThemedElementDetails GetElementDetails(TThemedRebar detail);
    static TThemedElementDetails GetElementDetails(TThemedScrollBar detail);
    static TThemedElementDetails GetElementDetails(TThemedSpin detail);
    static TThemedElementDetails GetElementDetails(TThemedStatus detail);
    static TThemedElementDetails GetElementDetails(TThemedTab detail);
    static TThemedElementDetails GetElementDetails(TThemedToolBar detail);
    static TThemedElementDetails GetElementDetails(TThemedToolTip detail);
    static TThemedElementDetails GetElementDetails(TThemedTreeview detail);
    static TThemedElementDetails GetElementDetails(TThemedWindow detail);
    static TThemedElementDetails GetElementDetails(TThemedElement element, int part, int state)
    {
        return {element, part, state};
    }

    // Visual themes are on: elements are drawn in the style's look, not the classic one.
    virtual bool Enabled() const = 0;
    // The style can paint at all.
    virtual bool Available() const = 0;
    virtual bool IsSystemStyle() const = 0;
    virtual String Name() const = 0;

    // A colour as the style shows it (system colours mapped by a custom style).
    virtual TColor GetSystemColor(TColor color) const = 0;
    virtual TColor GetStyleColor(TStyleColor color) const = 0;
    virtual TColor GetStyleFontColor(TStyleFont font) const = 0;

    virtual bool DrawElement(HDC dc, const TThemedElementDetails& details, const TRect& r,
                             const TRect* clip = nullptr, int dpi = 0) const = 0;
    bool DrawElement(HDC dc, const TThemedElementDetails& details, const TRect& r, const TRect& clip, int dpi = 0) const
    {
        return DrawElement(dc, details, r, &clip, dpi);
    }
    virtual bool GetElementSize(HDC dc, const TThemedElementDetails& details, TElementSize kind, TSize& size,
                                int dpi = 0) const = 0;
    // Size fitted to a rectangle (esStretch).
    virtual bool GetElementSize(HDC dc, const TThemedElementDetails& details, const TRect& r, TElementSize kind,
                                TSize& size, int dpi = 0) const = 0;
    // False when the style gives the element no such colour (the classic look gives none).
    virtual bool GetElementColor(const TThemedElementDetails& details, TElementColor kind, TColor& color) const = 0;
    virtual bool GetElementContentRect(HDC dc, const TThemedElementDetails& details, const TRect& bounds,
                                       TRect& content, int dpi = 0) const = 0;
    // Draws (or with tfCalcRect measures into r) text as the element shows it; color clNone means
    // the element's own text colour.
    virtual bool DrawText(HDC dc, const TThemedElementDetails& details, const String& text, TRect& r,
                          TTextFormat flags, TColor color = clNone, int dpi = 0) const = 0;
    virtual bool DrawEdge(HDC dc, const TThemedElementDetails& details, const TRect& r, TElementEdges edges,
                          TElementEdgeFlags flags, TRect* contentRect = nullptr) const = 0;
    // Paints the parent of window behind it into dc (in window's client coordinates). With
    // onlyIfTransparent, nothing happens when details name an element without transparent parts.
    virtual bool DrawParentBackground(HWND window, HDC dc, const TThemedElementDetails* details,
                                      bool onlyIfTransparent, const TRect* bounds = nullptr) const = 0;
    virtual bool HasTransparentParts(const TThemedElementDetails& details) const = 0;
    // The outline of the element drawn into r (the caller owns the region); false when the
    // element is a plain rectangle there, and then region is null.
    virtual bool GetElementRegion(HDC dc, const TThemedElementDetails& details, const TRect& r,
                                  HRGN& region) const = 0;

    // DrawText with the canvas's font.
    bool DrawControlText(TCanvas* canvas, const TThemedElementDetails& details, const String& text, TRect& r,
                         TTextFormat flags, TColor color = clNone) const;
    // Paints the edit-like border of a windowed control (its client edge or thin border) in its
    // window's non-client area, in the state the control is in; with eraseLRCorner also the
    // square between its two scroll bars.
    void PaintBorder(TWinControl* control, bool eraseLRCorner) const;
};

// The system style. Whether visual themes are on is asked through themesActive (the platform
// facts' theme state unless given).
class TSystemStyleServices : public TCustomStyleServices {
    TAVIN_CLASS(TSystemStyleServices, TCustomStyleServices)
public:
    TSystemStyleServices();
    explicit TSystemStyleServices(std::function<bool()> themesActive);
    ~TSystemStyleServices() override;

    // Drops the open theme data after the system theme changed (WM_THEMECHANGED).
    void ApplyThemeChange();

    bool Enabled() const override;
    bool Available() const override { return true; }
    bool IsSystemStyle() const override { return true; }
    String Name() const override { return u"Windows"; }
    TColor GetSystemColor(TColor color) const override { return color; }
    TColor GetStyleColor(TStyleColor color) const override;
    TColor GetStyleFontColor(TStyleFont font) const override;

    using TCustomStyleServices::DrawElement;
    using TCustomStyleServices::GetElementSize;
    bool DrawElement(HDC dc, const TThemedElementDetails& details, const TRect& r, const TRect* clip = nullptr,
                     int dpi = 0) const override;
    bool GetElementSize(HDC dc, const TThemedElementDetails& details, TElementSize kind, TSize& size,
                        int dpi = 0) const override;
    bool GetElementSize(HDC dc, const TThemedElementDetails& details, const TRect& r, TElementSize kind, TSize& size,
                        int dpi = 0) const override;
    bool GetElementColor(const TThemedElementDetails& details, TElementColor kind, TColor& color) const override;
    bool GetElementContentRect(HDC dc, const TThemedElementDetails& details, const TRect& bounds, TRect& content,
                               int dpi = 0) const override;
    bool DrawText(HDC dc, const TThemedElementDetails& details, const String& text, TRect& r, TTextFormat flags,
                  TColor color = clNone, int dpi = 0) const override;
    bool DrawEdge(HDC dc, const TThemedElementDetails& details, const TRect& r, TElementEdges edges,
                  TElementEdgeFlags flags, TRect* contentRect = nullptr) const override;
    bool DrawParentBackground(HWND window, HDC dc, const TThemedElementDetails* details, bool onlyIfTransparent,
                              const TRect* bounds = nullptr) const override;
    bool HasTransparentParts(const TThemedElementDetails& details) const override;
    bool GetElementRegion(HDC dc, const TThemedElementDetails& details, const TRect& r,
                          HRGN& region) const override;

private:
    struct TThemeCache;
    // The open theme data of the element at the DPI; null when it has none.
    HTHEME Theme(TThemedElement element, int dpi) const;

    std::function<bool()> FThemesActive;
    std::unique_ptr<TThemeCache> FThemes;
};

// The style services that paint the control: its own StyleName's style, else its parent's, else
// the application's active style (also for null).
TCustomStyleServices* StyleServices(const TControl* control = nullptr);
// A system metric at the control's DPI (the screen's for null).
int GetControlSystemMetrics(const TControl* control, int index);

// ---------------------------------------------------------------------------------------------
// Style hooks and their registry.

class TStyleHook;

// A style-hook class reference: the hook's class information and how to make one for a control.
struct TStyleHookMeta {
    TClass ClassInfo;
    std::unique_ptr<TStyleHook> (*Create)(TWinControl* control);
};
using TStyleHookClass = const TStyleHookMeta*;

// The class reference of hook class H (constructible from the hooked control).
template <class H>
TStyleHookClass StyleHookClassOf()
{
    static const TStyleHookMeta meta{H::StaticClass(),
                                     [](TWinControl* control) -> std::unique_ptr<TStyleHook> {
                                         return std::make_unique<H>(control);
                                     }};
    return &meta;
}

// Runs the control's own window procedure for a message (the hook's "default processing").
using TDefaultMessageProc = std::function<void(TMessage&)>;

// Base of the style hooks: under a custom style, a hook sees a control's messages before the
// control does and may paint it in the style's look. The control owns its hook and passes every
// message through HandleMessage. A hook's constructor may raise (the control then goes on without
// a hook, in the system style); its destructor must undo whatever it did to windows.
class TStyleHook : public TObject {
    TAVIN_CLASS(TStyleHook, TObject)
public:
    explicit TStyleHook(TWinControl* control) : FControl(control) {}

    TWinControl* Control() const { return FControl; }
    // The hooked control's window; null while it has none.
    HWND Handle() const;
    bool Handled() const { return FHandled; }

    // The engine's entry for one message: when the hook accepts it, clears Handled, runs WndProc
    // (with defaultProc reachable through CallDefaultProc) while the style can paint, and answers
    // whether the hook handled it; when false, the control's own window procedure runs afterwards.
    bool HandleMessage(TMessage& message, const TDefaultMessageProc& defaultProc);

    // Repaints the control, its frame included.
    virtual void Invalidate();

protected:
    // Whether the hook takes this message at all. By default a control whose StyleElements lack
    // seClient keeps its own painting and colour messages, one that lacks seBorder its non-client
    // messages.
    virtual bool AcceptMessage(TMessage& message);
    // The work every hook shares; an override handles its own messages and passes the rest here:
    // colour messages answered with FFontColor and FBrush; WM_PAINT, WM_ERASEBKGND and
    // WM_NCPAINT turned into Paint, PaintBackground and PaintNC where FOverridePaint,
    // FOverrideEraseBkgnd and FOverridePaintNC ask for it; enabling and text changes repaint
    // after the control's own processing; the focus kept in FFocused.
    virtual void WndProc(TMessage& message);
    virtual void Paint(TCanvas*) {}
    virtual void PaintBackground(TCanvas*) {}
    virtual void PaintNC(TCanvas*) {}
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}

    // Runs the control's own processing of the message now (inside HandleMessage only).
    void CallDefaultProc(TMessage& message);
    // The style services the hook paints with: the control's.
    TCustomStyleServices* StyleServices() const;
    // A system metric at the control's DPI.
    int GetSystemMetrics(int index) const;

    TWinControl* FControl;
    // The colours the hook answers the control's colour messages with.
    std::unique_ptr<TBrush> FBrush = std::make_unique<TBrush>();
    TColor FFontColor = clWindowText;
    bool FHandled = false;
    bool FFocused = false;
    bool FOverridePaint = false;
    bool FOverridePaintNC = false;
    bool FOverrideEraseBkgnd = false;

private:
    const TDefaultMessageProc* FDefaultProc = nullptr;
};

// A hook that knows whether the mouse is over its control: the first mouse move over the control
// (client or frame) calls MouseEnter and starts a 100 ms timer on the control's window; the tick
// that finds the cursor over another window, neither the control's nor one IsChildHandle claims,
// calls MouseLeave and stops the timer.
class TMouseTrackControlStyleHook : public TStyleHook {
    TAVIN_CLASS(TMouseTrackControlStyleHook, TStyleHook)
public:
    explicit TMouseTrackControlStyleHook(TWinControl* control) : TStyleHook(control) {}
    ~TMouseTrackControlStyleHook() override;

    bool MouseInControl() const { return FMouseInControl; }

    // The timer's number on the control's window.
    static constexpr UINT_PTR HotTrackTimer = 0x5448;

protected:
    void WndProc(TMessage& message) override;
    // Windows of the control's own (an edit inside a combo box) that count as the control.
    virtual bool IsChildHandle(HWND) const { return false; }
    // The cursor is over the control or one of its child windows.
    bool IsMouseInControl() const;

    bool FMouseInControl = false;

private:
    void StopTracking();
};

struct TStyleHookRegistration {
    TClass ControlClass;
    TStyleHookClass HookClass;
    bool operator==(const TStyleHookRegistration&) const = default;
};

// The registry of style-hook classes per control class. Lookups are by the exact control class:
// a class and its descendant that both want a hook are both registered.
class TCustomStyleEngine {
public:
    // Raises EStyleEngineException when the pair is registered already.
    static void RegisterStyleHook(TClass controlClass, TStyleHookClass hookClass);
    // Removing a pair that is not registered does nothing.
    static void UnRegisterStyleHook(TClass controlClass, TStyleHookClass hookClass);
    // The hook class registered last for exactly this control class; null when there is none.
    static TStyleHookClass FindStyleHook(TClass controlClass);
    // Every pair, in registration order.
    static std::vector<TStyleHookRegistration> RegisteredStyleHooks();
    // A new hook for the control when a custom style paints it (with no control: when one is
    // active) and its class has a hook class registered; null otherwise (the system style needs
    // no hooks). Windows pick their hooks up themselves when they are created and when the style
    // changes.
    static std::unique_ptr<TStyleHook> CreateStyleHook(TClass controlClass, TWinControl* control);
};

// The registered styles and the active one. The system style is always there, first, under its
// name "Windows"; custom styles are registered under their Name (compared without regard to case).
class TStyleManager {
public:
    static bool IsCustomStyleActive() { return !ActiveStyle()->IsSystemStyle(); }
    static TCustomStyleServices* ActiveStyle();
    static TSystemStyleServices* SystemStyle();

    // Takes the style over; raises EStyleEngineException when its name is taken already.
    static TCustomStyleServices* RegisterStyle(std::unique_ptr<TCustomStyleServices> style);
    // Frees a registered custom style; when it is active, or a control names it, the system style
    // takes its place first. An unknown name does nothing.
    static void UnRegisterStyle(const String& name);
    // The style of that name; null when none is registered.
    static TCustomStyleServices* Style(const String& name);
    // The system style's name, then the custom styles' in registration order.
    static std::vector<String> StyleNames();

    // Makes the named style the active one and tells every control (CM_STYLECHANGED), which
    // attaches or detaches its style hook. Raises EStyleEngineException for an unknown name and
    // leaves the active style as it was.
    static void SetStyle(const String& name);
    // The same, answering false instead of raising.
    static bool TrySetStyle(const String& name);

    // Whether custom styles paint the forms' borders (the form's StyleElements still decide).
    enum TFormBorderStyle { fbsCurrentStyle, fbsSystemStyle };
    static TFormBorderStyle FormBorderStyle();
    static void SetFormBorderStyle(TFormBorderStyle value);

    // Sends CM_STYLECHANGED to every control of the application (windowed or not, with or
    // without a window): after a switch, or after a control's own style changed (control given:
    // that control and its children only).
    static void NotifyStyleChanged(TControl* control = nullptr);
};
// The start-up table entry: releases the system style's theme data at exit.
extern const TUnitStep ThemesUnit;
