#pragma once
// The styled form: a component that takes over its form's window procedure and frame. It keeps a
// borderless window's DWM shadow, paints a custom caption with its own buttons and tabs under a
// custom style (through the form style hook), lists the styles in the system menu, tracks the
// form's scale, and serves the resize ring, the inactive-client overlay and the drop-down mode.
#include <array>
#include <memory>

#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "Themes.h"
#include "scDrawUtils.h"
#include "scFormGeometry.h"
#include "scHint.h"
#include "scImageCollection.h"
#include "scListControls.h"

class TscStyledForm;
class TscNCButtonItem;
class TscNCTabItem;
class TscHitTestWnd;
class TscClientInActivePanel;
class TscFormStyleHook;

// A scroll bar of an MDI frame under a custom style: it tells the frame's hook when a scroll ends.
class TscMDIScrollBar : public TscScrollBar {
    TAVIN_CLASS(TscMDIScrollBar, TscScrollBar)
public:
    TscMDIScrollBar(TscFormStyleHook* hook, TScrollBarKind kind);
    void WndProc(TMessage& message) override;
    // The visible part of the range.
    void SetPageSize(int value);

private:
    TscFormStyleHook* FHook;
};

TAVIN_ENUM(TscFluentUIBackground, scfuibNone, scfuibBlur, scfuibAcrylic)
TAVIN_ENUM(TscDWMRoundedCornersType, scDWMRoundedCornersDefault, scDWMRoundedCornersOff)
TAVIN_ENUM(TscNCButtonStyle, scncPushButton, scncToolButton, scncPushButtonTransparent, scncToolButtonTransparent,
           scncTransparent, scncLink)
TAVIN_ENUM(TscNCButtonPosition, scbpLeft, scbpRight)
TAVIN_ENUM(TscNCTabsPosition, sctpLeft, sctpRight)

using TscNCHitTestEvent = TEvent<TObject*, TPoint, int&>;
using TscOnChangeScaleEvent = TEvent<TObject*, double>;
using TscOnFormDropDownEvent = TEvent<TObject*, TCustomForm*, TControl*>;
using TscOnFormCloseUpEvent = TEvent<TObject*, TCustomForm*, TControl*, bool>;
using TscPaintNCButtonEvent = TEvent<int, TCanvas*, TRect, bool, bool, bool>;
using TscPaintParamsNCButtonEvent = TEvent<int, TCanvas*, TRect, bool, bool, bool, bool&>;
using TscPaintNCTabEvent = TEvent<int, TCanvas*, TRect, bool, bool>;
using TscPaintParamsNCTabEvent = TEvent<int, TCanvas*, TRect, bool, bool, bool&>;
using TscNCMouseXYEvent = TEvent<int, int, int>;
using TscNCMouseEvent = TEvent<int>;
using TscNCButtonCloseUpEvent = TEvent<int, bool>;
using TscNCButtonDropDownEvent = TEvent<int, int, int>;

// Private messages the component posts to its form, and the system-menu command ids of the
// styles submenu (1525 + n selects the n-th style name).
constexpr UINT WM_SCSTYLECHANGED = 0x5EE;
constexpr UINT WM_SCARRANGEMDICHILDREN = 0x5EF;
constexpr UINT WM_SCRESTORESIZE = 0x5F2;
constexpr UINT WM_SCRESTORECLIENTSIZE = 0x5F3;
constexpr UINT scStylesMenuCommand = 1524;
// What the frame of an MDI child hears from it: a child moved or was sized, a child closed or was
// hidden (its window in wParam), a child starts and ends a restore (its window in wParam).
constexpr UINT WM_SCMDICHILDMOVED = 0x52C;
constexpr UINT WM_SCMDICHILDCLOSED = 0x52D;
constexpr UINT WM_SCMDICHILDRESTORING = 0x5F0;
constexpr UINT WM_SCMDICHILDRESTORED = 0x5F1;
// Timers on the form's window: a maximised form's caption after a frame change, the caption after
// a caption button's menu closed, the resize ring becoming hit-testable.
constexpr UINT_PTR scFrameTimer = 20;
constexpr UINT_PTR scMenuTrackingTimer = 22;
constexpr UINT_PTR scHitTestWndTimer = 30;
// A drop-down form's fade-in steps.
constexpr UINT_PTR scDropDownFadeTimer = 24;

// A caption button's or tab's place and mouse state in the non-client area.
class TscNCObject : public TObject {
    TAVIN_CLASS(TscNCObject, TObject)
public:
    explicit TscNCObject(TCollectionItem* parent) : Parent(parent) {}

    virtual TscStyledForm* GetStyledForm() const { return nullptr; }
    virtual int GetContentWidth(int proposed, TCanvas*) { return proposed; }
    virtual void MouseDown(int, int) { FDown = true; }
    virtual void MouseUp(int, int) { FDown = false; }
    virtual void MouseMove(int, int) { FMouseIn = true; }
    virtual void MouseEnter() { FMouseIn = true; }
    virtual void MouseLeave() { FMouseIn = false; }
    virtual void Draw(TCanvas*) {}
    // Repaints the caption.
    void Invalidate();

    TCollectionItem* Parent;
    bool FMouseIn = false;
    bool FDown = false;
    TRect ObjectRect;
};

class TscNCButtonObject : public TscNCObject {
    TAVIN_CLASS(TscNCButtonObject, TscNCObject)
public:
    explicit TscNCButtonObject(TscNCButtonItem* item);

    TscStyledForm* GetStyledForm() const override;
    int GetContentWidth(int proposed, TCanvas* canvas) override;
    void MouseDown(int x, int y) override;
    void MouseUp(int x, int y) override;
    void MouseMove(int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void Draw(TCanvas* canvas) override;
    // The form dropped down by this button closed.
    void DropDownClosed(bool acceptChanges);

    TscNCButtonItem* ButtonItem;
    bool FDroppedDown = false;
    bool FAllowAllUpCheck = false;

private:
    bool HasDropDown() const;
    int ArrowWidth() const;
    // The screen point below the button where menus and drop-downs open.
    TPoint DropDownPoint() const;
    void ShowPopupMenu();
    void ShowCustomDropDown();
};

class TscNCTabObject : public TscNCObject {
    TAVIN_CLASS(TscNCTabObject, TscNCObject)
public:
    explicit TscNCTabObject(TscNCTabItem* item);

    TscStyledForm* GetStyledForm() const override;
    int GetContentWidth(int proposed, TCanvas* canvas) override;
    void MouseDown(int x, int y) override;
    void MouseUp(int x, int y) override;
    void MouseMove(int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void Draw(TCanvas* canvas) override;

    TscNCTabItem* TabItem;
};

class TscNCButtonItem : public TCollectionItem {
    TAVIN_PUBLISHED_CLASS(TscNCButtonItem, TCollectionItem)
public:
    explicit TscNCButtonItem(TCollection* collection);
    ~TscNCButtonItem() override;
    void Assign(const TPersistent* source) override;

    TscStyledForm* StyledForm() const;
    TscNCButtonObject* NCObject() const { return FNCObject.get(); }

    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value) { FAllowAllUp = value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    int HotImageIndex() const { return FHotImageIndex; }
    void SetHotImageIndex(int value) { FHotImageIndex = value; }
    int PressedImageIndex() const { return FPressedImageIndex; }
    void SetPressedImageIndex(int value) { FPressedImageIndex = value; }
    bool Down() const { return FDown; }
    // Releases every other button of the same group.
    void SetDown(bool value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    // The styled form hears when the menu goes.
    void SetPopupMenu(TPopupMenu* value);
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value);
    bool SplitButton() const { return FSplitButton; }
    void SetSplitButton(bool value);
    TscNCButtonStyle Style() const { return FStyle; }
    void SetStyle(TscNCButtonStyle value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    int MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(int value);
    int MarginRight() const { return FMarginRight; }
    void SetMarginRight(int value);
    int MarginTop() const { return FMarginTop; }
    void SetMarginTop(int value);
    int MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(int value);
    TscNCButtonPosition Position() const { return FPosition; }
    void SetPosition(TscNCButtonPosition value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    int ContentMargin() const { return FContentMargin; }
    void SetContentMargin(int value);
    bool CustomDropDown() const { return FCustomDropDown; }
    void SetCustomDropDown(bool value) { FCustomDropDown = value; }
    const String& Hint() const { return FHint; }
    void SetHint(const String& value) { FHint = value; }

    TscPaintNCButtonEvent OnPaint() const { return FOnPaint; }
    void SetOnPaint(TscPaintNCButtonEvent e) { FOnPaint = e; }
    TscPaintParamsNCButtonEvent OnGetPaintParams() const { return FOnGetPaintParams; }
    void SetOnGetPaintParams(TscPaintParamsNCButtonEvent e) { FOnGetPaintParams = e; }
    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent e) { FOnClick = e; }
    TscNCMouseXYEvent OnMouseUp() const { return FOnMouseUp; }
    void SetOnMouseUp(TscNCMouseXYEvent e) { FOnMouseUp = e; }
    TscNCMouseXYEvent OnMouseDown() const { return FOnMouseDown; }
    void SetOnMouseDown(TscNCMouseXYEvent e) { FOnMouseDown = e; }
    TscNCMouseXYEvent OnMouseMove() const { return FOnMouseMove; }
    void SetOnMouseMove(TscNCMouseXYEvent e) { FOnMouseMove = e; }
    TscNCMouseEvent OnMouseEnter() const { return FOnMouseEnter; }
    void SetOnMouseEnter(TscNCMouseEvent e) { FOnMouseEnter = e; }
    TscNCMouseEvent OnMouseLeave() const { return FOnMouseLeave; }
    void SetOnMouseLeave(TscNCMouseEvent e) { FOnMouseLeave = e; }
    TscNCButtonCloseUpEvent OnCloseUp() const { return FOnCloseUp; }
    void SetOnCloseUp(TscNCButtonCloseUpEvent e) { FOnCloseUp = e; }
    TscNCButtonDropDownEvent OnDropDown() const { return FOnDropDown; }
    void SetOnDropDown(TscNCButtonDropDownEvent e) { FOnDropDown = e; }

private:
    friend class TscNCObject;
    friend class TscNCButtonObject;
    void Signal() { Changed(false); }

    std::unique_ptr<TscNCButtonObject> FNCObject;
    bool FAllowAllUp = false;
    int FImageIndex = -1, FHotImageIndex = -1, FPressedImageIndex = -1;
    bool FDown = false, FEnabled = true, FVisible = true;
    int FGroupIndex = 0;
    TPopupMenu* FPopupMenu = nullptr;
    String FCaption;
    bool FSplitButton = false;
    TscNCButtonStyle FStyle = scncToolButtonTransparent;
    int FWidth = 0, FHeight = 0;
    int FMarginLeft = 0, FMarginRight = 0, FMarginTop = 2, FMarginBottom = 2;
    TscNCButtonPosition FPosition = scbpLeft;
    int FSpacing = 5, FMargin = -1, FContentMargin = 0;
    bool FCustomDropDown = false;
    String FHint;
    TscPaintNCButtonEvent FOnPaint;
    TscPaintParamsNCButtonEvent FOnGetPaintParams;
    TNotifyEvent FOnClick;
    TscNCMouseXYEvent FOnMouseUp, FOnMouseDown, FOnMouseMove;
    TscNCMouseEvent FOnMouseEnter, FOnMouseLeave;
    TscNCButtonCloseUpEvent FOnCloseUp;
    TscNCButtonDropDownEvent FOnDropDown;
};

class TscNCTabItem : public TCollectionItem {
    TAVIN_PUBLISHED_CLASS(TscNCTabItem, TCollectionItem)
public:
    explicit TscNCTabItem(TCollection* collection);
    ~TscNCTabItem() override;
    void Assign(const TPersistent* source) override;

    TscStyledForm* StyledForm() const;
    TscNCTabObject* NCObject() const { return FNCObject.get(); }

    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    int MarginTop() const { return FMarginTop; }
    void SetMarginTop(int value);
    int ContentMargin() const { return FContentMargin; }
    void SetContentMargin(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    const String& Hint() const { return FHint; }
    void SetHint(const String& value) { FHint = value; }

    TscPaintNCTabEvent OnPaint() const { return FOnPaint; }
    void SetOnPaint(TscPaintNCTabEvent e) { FOnPaint = e; }
    TscPaintParamsNCTabEvent OnGetPaintParams() const { return FOnGetPaintParams; }
    void SetOnGetPaintParams(TscPaintParamsNCTabEvent e) { FOnGetPaintParams = e; }
    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent e) { FOnClick = e; }
    TscNCMouseXYEvent OnMouseUp() const { return FOnMouseUp; }
    void SetOnMouseUp(TscNCMouseXYEvent e) { FOnMouseUp = e; }
    TscNCMouseXYEvent OnMouseDown() const { return FOnMouseDown; }
    void SetOnMouseDown(TscNCMouseXYEvent e) { FOnMouseDown = e; }
    TscNCMouseXYEvent OnMouseMove() const { return FOnMouseMove; }
    void SetOnMouseMove(TscNCMouseXYEvent e) { FOnMouseMove = e; }
    TscNCMouseEvent OnMouseEnter() const { return FOnMouseEnter; }
    void SetOnMouseEnter(TscNCMouseEvent e) { FOnMouseEnter = e; }
    TscNCMouseEvent OnMouseLeave() const { return FOnMouseLeave; }
    void SetOnMouseLeave(TscNCMouseEvent e) { FOnMouseLeave = e; }

private:
    friend class TscNCObject;
    void Signal() { Changed(false); }

    std::unique_ptr<TscNCTabObject> FNCObject;
    int FImageIndex = -1;
    String FCaption;
    bool FEnabled = true, FVisible = true;
    int FWidth = 0, FHeight = 0, FMarginTop = 3, FContentMargin = 0, FSpacing = 5;
    String FHint;
    TscPaintNCTabEvent FOnPaint;
    TscPaintParamsNCTabEvent FOnGetPaintParams;
    TNotifyEvent FOnClick;
    TscNCMouseXYEvent FOnMouseUp, FOnMouseDown, FOnMouseMove;
    TscNCMouseEvent FOnMouseEnter, FOnMouseLeave;
};

// The caption's buttons and tabs: any change repaints the caption.
class TscNCButtonItems : public TCollection {
    TAVIN_CLASS(TscNCButtonItems, TCollection)
public:
    explicit TscNCButtonItems(TscStyledForm* styledForm);
    TscStyledForm* StyledForm() const { return FStyledForm; }
    TscNCButtonItem* Add() { return static_cast<TscNCButtonItem*>(TCollection::Add()); }
    TscNCButtonItem* Insert(int index) { return static_cast<TscNCButtonItem*>(TCollection::Insert(index)); }
    TscNCButtonItem* Items(int index) const { return static_cast<TscNCButtonItem*>(TCollection::Items(index)); }
    void SetItems(int index, TscNCButtonItem* value) { Items(index)->Assign(value); }

protected:
    TPersistent* GetOwner() const override;
    void Update(TCollectionItem* item) override;

private:
    TscStyledForm* FStyledForm;
};

class TscNCTabItems : public TCollection {
    TAVIN_CLASS(TscNCTabItems, TCollection)
public:
    explicit TscNCTabItems(TscStyledForm* styledForm);
    TscStyledForm* StyledForm() const { return FStyledForm; }
    TscNCTabItem* Add() { return static_cast<TscNCTabItem*>(TCollection::Add()); }
    TscNCTabItem* Insert(int index) { return static_cast<TscNCTabItem*>(TCollection::Insert(index)); }
    TscNCTabItem* Items(int index) const { return static_cast<TscNCTabItem*>(TCollection::Items(index)); }
    void SetItems(int index, TscNCTabItem* value) { Items(index)->Assign(value); }

protected:
    TPersistent* GetOwner() const override;
    void Update(TCollectionItem* item) override;

private:
    TscStyledForm* FStyledForm;
};

class TscStyledForm : public TComponent {
    TAVIN_PUBLISHED_CLASS(TscStyledForm, TComponent)
public:
    explicit TscStyledForm(TComponent* owner);
    ~TscStyledForm() override;

    // Published properties.
    TscFluentUIBackground FluentUIBackground() const { return FFluentUIBackground; }
    void SetFluentUIBackground(TscFluentUIBackground value);
    TColor FluentUIAcrylicColor() const { return FFluentUIAcrylicColor; }
    void SetFluentUIAcrylicColor(TColor value);
    Byte FluentUIAcrylicColorAlpha() const { return FFluentUIAcrylicColorAlpha; }
    void SetFluentUIAcrylicColorAlpha(Byte value);
    bool FluentUIBorder() const { return FFluentUIBorder; }
    void SetFluentUIBorder(bool value) { FFluentUIBorder = value; }
    bool FluentUIInactiveAcrylicColorOpaque() const { return FFluentUIInactiveAcrylicColorOpaque; }
    void SetFluentUIInactiveAcrylicColorOpaque(bool value) { FFluentUIInactiveAcrylicColorOpaque = value; }
    TscDWMRoundedCornersType DWMClientRoundedCornersType() const { return FDWMClientRoundedCornersType; }
    void SetDWMClientRoundedCornersType(TscDWMRoundedCornersType value);
    bool DWMClientShadow() const { return FDWMClientShadow; }
    void SetDWMClientShadow(bool value);
    bool DWMClientShadowHitTest() const { return FDWMClientShadowHitTest; }
    void SetDWMClientShadowHitTest(bool value);
    bool DropDownForm() const { return FDropDownForm; }
    void SetDropDownForm(bool value);
    bool DropDownAnimation() const { return FDropDownAnimation; }
    void SetDropDownAnimation(bool value) { FDropDownAnimation = value; }
    TColor DropDownBorderColor() const { return FDropDownBorderColor; }
    void SetDropDownBorderColor(TColor value) { FDropDownBorderColor = value; }
    bool StylesMenuSorted() const { return FStylesMenuSorted; }
    void SetStylesMenuSorted(bool value) { FStylesMenuSorted = value; }
    bool ShowStylesMenu() const { return FShowStylesMenu; }
    void SetShowStylesMenu(bool value);
    const String& StylesMenuCaption() const { return FStylesMenuCaption; }
    void SetStylesMenuCaption(const String& value);
    int ClientWidth() const { return FClientWidth; }
    void SetClientWidth(int value);
    int ClientHeight() const { return FClientHeight; }
    void SetClientHeight(int value);
    TscHint* HintComponent() const { return FHintComponent; }
    void SetHintComponent(TscHint* value);
    bool ShowHints() const { return FShowHints; }
    void SetShowHints(bool value) { FShowHints = value; }
    TscNCButtonItems* Buttons() const { return FButtons.get(); }
    void SetButtons(TscNCButtonItems* value) { FButtons->Assign(value); }
    TCustomImageList* ButtonImages() const { return FButtonImages; }
    void SetButtonImages(TCustomImageList* value);
    TFont* ButtonFont() const { return FButtonFont.get(); }
    void SetButtonFont(TFont* value) { FButtonFont->Assign(value); }
    TFont* CaptionFont() const { return FCaptionFont.get(); }
    void SetCaptionFont(TFont* value) { FCaptionFont->Assign(value); }
    TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TAlignment value);
    TColor InActiveClientColor() const { return FInActiveClientColor; }
    void SetInActiveClientColor(TColor value) { FInActiveClientColor = value; }
    Byte InActiveClientColorAlpha() const { return FInActiveClientColorAlpha; }
    void SetInActiveClientColorAlpha(Byte value) { FInActiveClientColorAlpha = value; }
    int InActiveClientBlurAmount() const { return FInActiveClientBlurAmount; }
    void SetInActiveClientBlurAmount(int value);
    TscNCTabItems* Tabs() const { return FTabs.get(); }
    void SetTabs(TscNCTabItems* value) { FTabs->Assign(value); }
    TCustomImageList* TabImages() const { return FTabImages; }
    void SetTabImages(TCustomImageList* value);
    TFont* TabFont() const { return FTabFont.get(); }
    void SetTabFont(TFont* value) { FTabFont->Assign(value); }
    bool ShowIcon() const { return FShowIcon; }
    void SetShowIcon(bool value);
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool value);
    bool ShowTabs() const { return FShowTabs; }
    void SetShowTabs(bool value);
    int TabIndex() const { return FTabIndex; }
    void SetTabIndex(int value);
    TscNCTabsPosition TabsPosition() const { return FTabsPosition; }
    void SetTabsPosition(TscNCTabsPosition value);
    bool ShowInactiveTab() const { return FShowInactiveTab; }
    void SetShowInactiveTab(bool value);
    TscCustomImageCollection* CaptionWallpapers() const { return FCaptionWallpapers; }
    void SetCaptionWallpapers(TscCustomImageCollection* value);
    int CaptionWallpaperIndex() const { return FCaptionWallpaperIndex; }
    void SetCaptionWallpaperIndex(int value);
    int CaptionWallpaperInActiveIndex() const { return FCaptionWallpaperInActiveIndex; }
    void SetCaptionWallpaperInActiveIndex(int value) { FCaptionWallpaperInActiveIndex = value; }
    int CaptionWallpaperLeftMargin() const { return FCaptionWallpaperMargins.Left; }
    void SetCaptionWallpaperLeftMargin(int value) { SetWallpaperMargin(FCaptionWallpaperMargins.Left, value); }
    int CaptionWallpaperTopMargin() const { return FCaptionWallpaperMargins.Top; }
    void SetCaptionWallpaperTopMargin(int value) { SetWallpaperMargin(FCaptionWallpaperMargins.Top, value); }
    int CaptionWallpaperRightMargin() const { return FCaptionWallpaperMargins.Right; }
    void SetCaptionWallpaperRightMargin(int value) { SetWallpaperMargin(FCaptionWallpaperMargins.Right, value); }
    int CaptionWallpaperBottomMargin() const { return FCaptionWallpaperMargins.Bottom; }
    void SetCaptionWallpaperBottomMargin(int value) { SetWallpaperMargin(FCaptionWallpaperMargins.Bottom, value); }

    TNotifyEvent OnTabChanged() const { return FOnTabChanged; }
    void SetOnTabChanged(TNotifyEvent e) { FOnTabChanged = e; }
    TNotifyEvent OnStyleChanged() const { return FOnStyleChanged; }
    void SetOnStyleChanged(TNotifyEvent e) { FOnStyleChanged = e; }
    TscNCHitTestEvent OnHitTest() const { return FOnHitTest; }
    void SetOnHitTest(TscNCHitTestEvent e) { FOnHitTest = e; }
    TNotifyEvent OnChangeActive() const { return FOnChangeActive; }
    void SetOnChangeActive(TNotifyEvent e) { FOnChangeActive = e; }
    TNotifyEvent OnBeforeChangeScale() const { return FOnBeforeChangeScale; }
    void SetOnBeforeChangeScale(TNotifyEvent e) { FOnBeforeChangeScale = e; }
    TscOnChangeScaleEvent OnChangeScale() const { return FOnChangeScale; }
    void SetOnChangeScale(TscOnChangeScaleEvent e) { FOnChangeScale = e; }
    TscOnFormDropDownEvent OnDropDown() const { return FOnDropDown; }
    void SetOnDropDown(TscOnFormDropDownEvent e) { FOnDropDown = e; }
    TscOnFormCloseUpEvent OnCloseUp() const { return FOnCloseUp; }
    void SetOnCloseUp(TscOnFormCloseUpEvent e) { FOnCloseUp = e; }
    TNotifyEvent OnDWMClientMaximize() const { return FOnDWMClientMaximize; }
    void SetOnDWMClientMaximize(TNotifyEvent e) { FOnDWMClientMaximize = e; }
    TNotifyEvent OnDWMClientRestore() const { return FOnDWMClientRestore; }
    void SetOnDWMClientRestore(TNotifyEvent e) { FOnDWMClientRestore = e; }

    // Public state.
    TCustomForm* Form() const { return FForm; }
    double ScaleFactor() const { return FScaleFactor; }
    double BorderScaleFactor() const { return FScaleFactor; }
    TControl* DropDownControl() const { return FDropDownControl; }
    TRect DWMClientNormalRect() const { return FDWMClientNormalRect; }
    void SetDWMClientNormalRect(const TRect& value) { FDWMClientNormalRect = value; }

    bool IsDWMClientMaximized() const { return FDWMClientMaximized; }
    void DWMClientStartDrag();
    bool IsDWMClientDragging() const { return FDWMClientDown; }
    void DWMClientDrag();
    void DWMClientEndDrag() { FDWMClientDown = false; }
    void DWMClientMaximize();
    void DWMClientRestore();
    TRect GetMaximizeBounds() const;
    int ScaleInt(int value) const;
    double ScaleDouble(double value) const { return value * FScaleFactor; }
    void SetRedraw(bool enable, bool update);
    bool IsFluentUIAvailable() const;
    bool IsFluentUIEnabled() const;
    void UpdateFluentAcrylicColor();
    void BeginUpdateItems() { FUpdating = true; }
    void EndUpdateItems(bool update);
    // Repaints the caption when a custom style paints it.
    void UpDateFormNC();
    void RestoreClientSize();
    // Covers the client area with a blurred, tinted picture of it, and takes it away again.
    void ShowClientInActiveEffect();
    void HideClientInActiveEffect();
    TscClientInActivePanel* InActivePanel() const { return FInActivePanel; }
    // The resize ring around a shadowed form; null before it was first needed.
    TscHitTestWnd* HitTestWnd() const { return FDWMHitTestWnd; }

    // Drop-down mode: the form shows as a pop-up under a caption button of another form, at a
    // point, or next to a control, and closes when it loses activation.
    void DropDown(TCustomForm* parentForm, TscNCButtonItem* button, int x, int y, bool rightToLeft);
    void DropDown(TCustomForm* parentForm, int x, int y);
    void DropDown(TControl* control, int x, int y);
    void DropDown(TControl* control, bool beside, bool rightToLeft);
    void CloseUp(bool acceptChanges);
    // Closes every drop-down of the form's styled forms, without accepting.
    static void CloseUpFormDropDowns(TCustomForm* form);
    // The fade-in's step and the alpha it ends at (the form's own).
    int DropDownFadeStep() const { return FFadeStep; }

    // Used by the frame's hook and caption objects.
    TscNCObject* FindNCObject(TPoint p) const;
    bool IsNCObjectVisible(const TscNCObject* object) const;
    bool IsNCObjectEnabled(const TscNCObject* object) const;
    // A caption object is going: the frame forgets it was hovered or pressed.
    void NCObjectGone(const TscNCObject* object);
    bool MenuTracking() const { return FMenuTracking; }
    // A caption button's menu is open (set) or closed: the caption repaints once it is gone.
    void BeginMenuTracking() { FMenuTracking = true; }
    void EndMenuTracking();
    // The number of styles listed in the styles submenu; -1 when there is none.
    int StylesMenuIndex() const { return FSubMenuIndex; }
    int StyleCount() const { return FStyleCount; }

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TscNCButtonObject;
    void NewWndProc(TMessage& message);
    bool BeforeForm(TMessage& message);
    bool StylesMessage(TMessage& message);
    void AfterForm(TMessage& message);
    void OnWindowPosChanged();
    void OnDpiChanged();
    void ServeTimer(UINT_PTR id);
    void RestoreSavedBounds();
    void ArrangeMinimizedMDIChildren();
    bool IsFormBeingDestroyed() const;
    bool Designing() const { return ComponentState().Contains(csDesigning); }
    bool LoadingOrDesigning() const
    {
        return ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading);
    }
    HWND FormHandle() const;

    void UpdateDWMClientFrame();
    void ResetDWMFrameMargins();
    // Applies the accent (blur or acrylic) record; answers whether it counts as applied.
    bool ApplyAccent(bool opaque);
    // The shared scale update; answers whether one of its first three steps applied.
    bool UpdateScale(bool raiseOnFormPPIChange);
    void ApplyScaledClientSize();
    void SaveBounds();
    void SetWallpaperMargin(int& field, int value);
    void CaptionPropertyChanged();

    void CreateStylesMenu();
    // Lists the registered styles in the submenu, the active one checked.
    void FillStylesMenu();
    void ClearStylesMenu();
    void ApplyStyleFromMenu(int index);

    friend class TscHitTestWnd;
    void ShowHitTestWnd();
    void HideHitTestWnd();
    bool HitTestWndVisible() const;
    void UpdateHitTestWndPosition();
    // The ring's alpha goes from 0 to 1: it takes the mouse while staying invisible.
    void HitTestWndReady();
    void StartDropDown(TCustomForm* owner, TControl* control, TscNCButtonItem* button, TPoint at, bool focus);
    void FadeStep();
    // A form going away is no longer the open drop-down or its owner.
    void ForgetDropDown();
    void SetDropDownControl(TControl* control);

    TCustomForm* FForm = nullptr;
    TWndMethod FOldWndProc;

    TscFluentUIBackground FFluentUIBackground = scfuibNone;
    TColor FFluentUIAcrylicColor = clBtnFace;
    Byte FFluentUIAcrylicColorAlpha = 100;
    bool FFluentUIBorder = true;
    bool FFluentUIInactiveAcrylicColorOpaque = false;
    TscDWMRoundedCornersType FDWMClientRoundedCornersType = scDWMRoundedCornersDefault;
    bool FDWMClientShadow = false;
    bool FDWMClientShadowHitTest = false;
    bool FDropDownForm = false;
    bool FDropDownAnimation = false;
    TColor FDropDownBorderColor = clBtnShadow;
    bool FStylesMenuSorted = false;
    bool FShowStylesMenu = false;
    String FStylesMenuCaption = u"Styles";
    int FClientWidth = 0, FClientHeight = 0;
    TscHint* FHintComponent = nullptr;
    bool FShowHints = true;
    std::unique_ptr<TscNCButtonItems> FButtons;
    TCustomImageList* FButtonImages = nullptr;
    std::unique_ptr<TFont> FButtonFont, FCaptionFont, FTabFont;
    TAlignment FCaptionAlignment = taLeftJustify;
    TColor FInActiveClientColor = clWindow;
    Byte FInActiveClientColorAlpha = 100;
    int FInActiveClientBlurAmount = 5;
    std::unique_ptr<TscNCTabItems> FTabs;
    TCustomImageList* FTabImages = nullptr;
    bool FShowIcon = true, FShowButtons = true, FShowTabs = true;
    int FTabIndex = 0;
    TscNCTabsPosition FTabsPosition = sctpLeft;
    bool FShowInactiveTab = true;
    TscCustomImageCollection* FCaptionWallpapers = nullptr;
    int FCaptionWallpaperIndex = -1, FCaptionWallpaperInActiveIndex = -1;
    TRect FCaptionWallpaperMargins = Rect(1, 1, 1, 1);

    TNotifyEvent FOnTabChanged, FOnStyleChanged, FOnChangeActive, FOnBeforeChangeScale, FOnDWMClientMaximize,
        FOnDWMClientRestore;
    TscNCHitTestEvent FOnHitTest;
    TscOnChangeScaleEvent FOnChangeScale;
    TscOnFormDropDownEvent FOnDropDown;
    TscOnFormCloseUpEvent FOnCloseUp;

    double FScaleFactor = 1.0;
    TControl* FDropDownControl = nullptr;
    TRect FDWMClientNormalRect;

    int FPPI = 96;
    HMENU FStylesMenu = nullptr;
    int FStyleCount = 0;
    int FSubMenuIndex = -1;
    TRect FFormBounds;
    bool FSizeStored = false;
    bool FWasMinimized = true;
    bool FStopUpdateFluentColor = false;
    bool FUpdating = false;
    int FScalePercent = 100;
    bool FDWMClientDown = false;
    TPoint FDWMClientDownPoint;
    bool FStartUp = true;
    bool FMaximized = false, FMinimized = false;
    bool FStyleChanged = false;
    bool FNCDrag = false;
    bool FDWMClientMaximized = false;
    bool FStopActivateEvents = false;
    bool FHitTestWndShowing = false;
    bool FStyleChanging = false;
    bool FWasDWMClientShadow = false;
    bool FHitTestWndDown = false;
    bool FMenuTracking = false;
    bool FDPIChanged = false;
    TscNCButtonItem* FDropDownButtonItem = nullptr;
    TscClientInActivePanel* FInActivePanel = nullptr;
    TscHitTestWnd* FDWMHitTestWnd = nullptr;
    // The fade-in of a drop-down: the layered state and alpha to end with, the step.
    bool FSavedLayered = false;
    Byte FSavedAlpha = 255;
    int FFadeStep = 0;
};

// An invisible ring a few pixels wide around a shadowed borderless form, right behind it, that
// gives the form the sizing borders it lost: the system's sizing loop drags the ring, and the
// ring sizes the form inside it within the form's constraints.
class TscHitTestWnd : public TForm {
    TAVIN_CLASS(TscHitTestWnd, TForm)
public:
    TscHitTestWnd(TComponent* owner, TscStyledForm* styledForm);
    ~TscHitTestWnd() override;

    void UpdatePosition();
    // Applies a proposed form rectangle under the form's constraints; answers the one it took.
    void UpdateFormPosition(int& x, int& y, int& width, int& height);
    int GetHitTestCode(TPoint p) const;
    int BorderSize() const { return FBorderSize; }
    bool Dragging() const { return FDragging; }
    // The layered alpha: 0 while being placed, 1 once it takes the mouse.
    void SetAlphaValue(Byte value);
    Byte AlphaValue() const { return FAlpha; }

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void ChangeScale(int, int, bool) override {}

private:
    void UpdateRegion(int width, int height);
    void ActivateForm();

    TscStyledForm* FStyledForm;
    int FBorderSize = 5;
    bool FDragging = false;
    Byte FAlpha = 0;
};

// A cover over a form's client area showing a frozen, blurred and tinted picture of it.
class TscClientInActivePanel : public TCustomControl {
    TAVIN_CLASS(TscClientInActivePanel, TCustomControl)
public:
    explicit TscClientInActivePanel(TComponent* owner);
    ~TscClientInActivePanel() override;

    void ShowPanel(TCustomForm* form, TColor color, Byte alpha, int blurAmount);
    void HidePanel();
    TBitmap* Buffer() const { return FBuffer.get(); }

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;

private:
    std::unique_ptr<TBitmap> FBuffer;
};

// The frame of a form that owns a styled form, painted in a custom style: caption with icon, text,
// system buttons and the styled form's caption buttons and tabs, frame edges, the window region,
// the non-client sizes and hit test, and the routing of non-client mouse input.
class TscFormStyleHook : public TMouseTrackControlStyleHook {
    TAVIN_CLASS(TscFormStyleHook, TMouseTrackControlStyleHook)
public:
    // The form's main menu painted in the non-client area, in rows below the caption.
    class TscMainMenuBarStyleHook {
    public:
        explicit TscMainMenuBarStyleHook(TscFormStyleHook* formHook);
        ~TscMainMenuBarStyleHook();
        TscMainMenuBarStyleHook(const TscMainMenuBarStyleHook&) = delete;
        TscMainMenuBarStyleHook& operator=(const TscMainMenuBarStyleHook&) = delete;

        // The bar's height for a width: one menu row per started row.
        int GetMenuHeight(int width);
        TRect BoundsRect() const { return FBoundsRect; }
        void SetBoundsRect(const TRect& value);
        void Paint(TCanvas* canvas);
        // Points relative to the bar; (-1, -1) when the mouse left it.
        void MouseMove(int x, int y);
        void MouseDown(int x, int y);
        void MouseUp(int x, int y);
        // Alt and a character: opens or runs the item with that accelerator.
        bool CheckHotKeyItem(Char key);
        int ActiveItem() const { return FActiveItem; }
        bool MenuPushed() const { return FMenuPush; }
        // The laid-out items in bar coordinates (as last painted).
        TRect ItemRect(int index) const { return FItems.at(static_cast<size_t>(index)).Rect; }
        int ItemCount() const { return static_cast<int>(FItems.size()); }
        // The filter hook's work on a message of the open drop-down; true when it used it.
        bool FilterMessage(const MSG& msg);
        // The drop-down's selection moved (WM_MENUSELECT to the form): whether it opens a submenu
        // and whether it lies in the drop-down's first level.
        void MenuSelect(WPARAM wParam, LPARAM lParam);
        // A maximised MDI child: its icon leads the bar and its minimise, restore and close
        // buttons end it.
        bool ShowMDIButtons() const { return FShowMDIButtons; }
        void SetShowMDIButtons(bool value);
        // The MDI buttons (0 close, 1 restore, 2 minimise) and the child's icon, bar coordinates.
        TRect MDIButtonRect(int kind) const { return FMDIButtons[static_cast<size_t>(kind)]; }
        TRect MDIChildIconRect() const;
        int HotMDIButton() const { return FHotMDIButton; }
        int PressedMDIButton() const { return FPressedMDIButton; }
        // The active child's system menu, opened below its icon.
        void TrackMDIChildSystemMenu();
        // Entered by keyboard (F10, Alt): the first item is highlighted and the bar's own loop
        // takes the keys until a command runs or the bar is left.
        void MenuEnter();
        bool InMenuLoop() const { return FInMenuLoop; }
        // The form's system menu, opened at the bar's top-left corner; Left and Right move on to
        // the bar's items.
        void TrackSystemMenu();

    private:
        struct TBarItem {
            TRect Rect;
            TMenuItem* Item;
        };
        TMainMenu* Menu() const;
        std::vector<TMenuItem*> Items() const;
        // The MDI frame's active child, when its buttons are shown.
        TCustomForm* MDIChild() const;
        int MDIButtonAt(int x, int y) const;
        void PaintMDIButtons(HDC dc, TCustomStyleServices* style);
        void PrepareFont(TCanvas* canvas) const;
        int ItemWidth(TCanvas* canvas, TMenuItem* item) const;
        int RowHeight() const;
        TscMenuRows Layout(TCanvas* canvas, int width) const;
        void LayoutItems(TCanvas* canvas);
        int ItemAt(int x, int y) const;
        void SetActiveItem(int index);
        void Invalidate();
        // Opens the highlighted item's drop-down (or the system menu while that is highlighted)
        // and moves on to the neighbour that Left, Right or the mouse asked for.
        void TrackActiveItem();
        // A menu tracked with the filter hook in; answers the chosen command.
        UINT TrackMenu(HMENU menu, int x, int y, UINT flags);
        void ProcessMenuLoop();
        // Left or Right from the highlighted item (or the system menu): the next one around the
        // row, the system menu sitting before the first item.
        void MoveHighlight(bool forward);
        bool HasSystemMenu() const;
        void RunItem(int index);
        void LeaveMenu();

        TscFormStyleHook* FFormHook;
        TRect FBoundsRect;
        std::vector<TBarItem> FItems;
        int FActiveItem = -1, FOldActiveItem = -1, FNextItem = -1;
        bool FEnterWithKeyboard = false;
        bool FMenuPush = false;
        bool FMouseInMainMenu = false;
        bool FMustActivateMenuItem = false;
        bool FMustActivateSysMenu = false;
        bool FSysMenuActive = false;
        bool FMenuActive = false;
        bool FInMenuLoop = false;
        bool FSystemMenuTracking = false;
        bool FLastItemHasSubMenu = false;
        bool FSelectedInTopLevel = false;
        HMENU FTrackedMenu = nullptr;
        bool FShowMDIButtons = false;
        std::array<TRect, 3> FMDIButtons{};
        int FHotMDIButton = -1, FPressedMDIButton = -1;
    };

    explicit TscFormStyleHook(TWinControl* control);
    ~TscFormStyleHook() override;
    TscMainMenuBarStyleHook* MainMenuBarHook() const { return FMainMenuBarHook.get(); }

    TCustomForm* Form() const { return static_cast<TCustomForm*>(FControl); }
    // The first styled form among the form's components; null when there is none.
    TscStyledForm* StyledForm();
    bool IsStyledBorder() const;
    TRect GetBorderSize();
    int GetHitTest(TPoint p);
    TPoint NormalizePoint(TPoint screen) const;
    void Invalidate() override {}

    // The object is no longer hovered, pressed or remembered.
    void ForgetNCObject(const TscNCObject* object);

    // An MDI frame: its client window's procedure while the hook lives, and the styled scroll bars
    // over the client's bottom and right edges (and the box where they meet) that move the children.
    void MDIClientWndProc(TMessage& message);
    TScrollBar* MDIHorzScrollBar() const;
    TScrollBar* MDIVertScrollBar() const;
    TWinControl* MDIScrollSizeBox() const { return FMDIScrollSizeBox.get(); }
    // The end of a scroll by one of the bars.
    void MDIScrolled(TScrollBar* bar);

    void Close();
    void Help();
    void Maximize();
    void Minimize();
    void Restore();

    // The last painted geometry, in window coordinates.
    TRect CaptionRect() const { return FCaptionRect; }
    TRect CloseButtonRect() const { return FCloseButtonRect; }
    TRect MaxButtonRect() const { return FMaxButtonRect; }
    TRect MinButtonRect() const { return FMinButtonRect; }
    TRect HelpButtonRect() const { return FHelpButtonRect; }
    TRect SysMenuButtonRect() const { return FSysMenuButtonRect; }
    int YOffset() const { return FYOffset; }

protected:
    void PaintBackground(TCanvas* canvas) override;
    void PaintNC(TCanvas* canvas) override;
    void WndProc(TMessage& message) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    bool IsToolWindow() const;
    bool IsSizeable() const;
    bool IsMaximized() const;
    bool IsMinimized() const;
    bool IsMDIChild() const;
    bool HasBorderIcon(TBorderIcon icon) const;
    TSize WindowSize() const;
    void RepaintNC();
    void ChangeSize();
    void PaintCaption(HDC dc, const TRect& border);
    void PaintCaptionButtons(TCanvas* canvas, int& captionRight, int top, int height, double scale, int dpi);
    void PaintCaptionObjects(TCanvas* canvas, int left, int& right, int top, int height, double scale,
                             int& textLeft);
    void PaintFrameEdges(HDC dc, const TRect& border);
    void FirstShow();
    bool CaptionObjectsShown();
    void NCMouseMove(TMessage& message);
    void NCLButtonDown(TMessage& message);
    void NCLButtonUp(TMessage& message);
    void NCLButtonDblClk(TMessage& message);
    void NCCalcSize(TMessage& message);
    void SystemCommand(TMessage& message);
    void WindowPosChanging(TMessage& message);
    // The menu bar comes with a main menu that has items and goes without one.
    void UpdateMenuBarHook();
    // The system's own menu bar stays off: the hook paints the bar.
    void DropSystemMenuBar();
    bool IsMDIFrame() const;
    // The frame window an MDI child lives in.
    HWND MDIFrameHandle() const;
    void SendToMDIFrame(UINT message, WPARAM wParam, bool post);
    void MDIChildGoing();
    void InitMDIFrame();
    void ReleaseMDIClient();
    void UpdateMDIScrollBars(bool reset);
    // The menu bar shows the MDI buttons exactly when a visible child other than the one going is
    // maximised.
    void UpdateMenuBarMDIButtons(HWND going);
    // The MDI messages of a frame and of a child; true when handled.
    bool MDIMessage(TMessage& message);

    TRect FCaptionRect, FCloseButtonRect, FMaxButtonRect, FMinButtonRect, FHelpButtonRect, FSysMenuButtonRect;
    bool FChangeSizeCalled = false;
    bool FFormActive = false;
    int FHotButton = 0, FPressedButton = 0;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    HRGN FRegion = nullptr;
    bool FNeedsUpdate = true;
    bool FCaptionEmulation = false;
    bool FRestoring = false;
    int FYOffset = 0, FXOffset = 0;
    TscStyledForm* FStyledForm = nullptr;
    TscNCObject* FOldNCObject = nullptr;
    TscNCObject* FActiveNCObject = nullptr;
    TscNCObject* FCapturedNCObject = nullptr;
    int FStyledCaptionHeight = 0;
    std::unique_ptr<TscMainMenuBarStyleHook> FMainMenuBarHook;
    bool FMenuBarHot = false;
    HWND FMDIClient = nullptr;
    WNDPROC FMDIPrevClientProc = nullptr;
    std::unique_ptr<TscMDIScrollBar> FMDIHorzScrollBar, FMDIVertScrollBar;
    std::unique_ptr<TWinControl> FMDIScrollSizeBox;
    bool FMDIStopHorzScrollBar = false, FMDIStopVertScrollBar = false;
    int FOldHorzScrollBarPosition = 0, FOldVertScrollBarPosition = 0;
    HWND FChangeVisibleChildHandle = nullptr;
    bool FStopCheckChildMove = false;
    bool FSelfRestoring = false, FChildRestoring = false;
};

// The form shown as a drop-down and the form it belongs to; null when none is open.
TCustomForm* ActiveDropDownForm();
TCustomForm* ActiveDropDownOwner();

// The start-up table entry: the list of form classes the hook is registered for, and the
// component classes for form resources.
void scStyledFormInitialize();
void scStyledFormFinalize();
inline constexpr TUnitStep scStyledFormUnit{"scStyledForm", &scStyledFormInitialize, &scStyledFormFinalize};
// Re-applies a form's stored client size under a custom style (on by default).
extern bool ScaleStyledClientSize;
