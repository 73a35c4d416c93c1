#pragma once
// The small owner-drawn menu that the option drop-down's "Add or Remove Buttons" entry opens: a
// borderless pop-up holding a panel that lists a tree of plain items. Its first level holds one
// item named after the toolbar; hovering it opens a second window with one check item per toolbar
// control; clicking a check item shows or hides that control. Mouse only, no keyboard handling.
#include <memory>
#include <vector>

#include "RurToolBar_OptionWindow.h"

class TATBPopupPanel;
class TCustomRurMenuStyler;

// Where a sub-menu of the given size opens at the screen point at: moved up to stay 2 pixels
// above the work area's bottom, and opened to the left (its right edge at leftEdge) where it
// would pass the work area's right edge.
TPoint PlaceInWorkArea(TPoint at, int leftEdge, int width, int height);

// One row of the menu and its sub-rows (owned).
class TATBMenuItem {
public:
    TATBMenuItem() = default;
    TATBMenuItem(const TATBMenuItem&) = delete;
    TATBMenuItem& operator=(const TATBMenuItem&) = delete;

    // A new sub-row, appended.
    TATBMenuItem* Add();
    void Clear() { FItems.clear(); }
    bool HasChildren() const { return !FItems.empty(); }
    int Count() const { return int(FItems.size()); }
    TATBMenuItem* Items(int index) const { return FItems.at(size_t(index)).get(); }
    TATBMenuItem* ParentItem() const { return FParentItem; }

    String Caption() const { return FCaption; }
    void SetCaption(const String& value) { FCaption = value; }
    // A click toggles the check.
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value) { FAutoCheck = value; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool value) { FChecked = value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    // The toolbar control the row stands for (not owned).
    TObject* Objects() const { return FObjects; }
    void SetObjects(TObject* value) { FObjects = value; }
    // Set by the arrangement, in panel coordinates.
    TRect BoundRect() const { return FBoundRect; }
    void SetBoundRect(const TRect& value) { FBoundRect = value; }

private:
    bool FEnabled = true;
    TRect FBoundRect{};
    std::vector<std::unique_ptr<TATBMenuItem>> FItems;
    TATBMenuItem* FParentItem = nullptr;
    String FCaption;
    bool FChecked = false;
    bool FAutoCheck = false;
    TObject* FObjects = nullptr;
};

// The window of one menu level.
class TATBPopupWindow : public TRurPopupForm {
    TAVIN_CLASS(TATBPopupWindow, TRurPopupForm)
public:
    // With its panel (owner and parent: the window).
    explicit TATBPopupWindow(TComponent* owner);
    ~TATBPopupWindow() override;

    TRurCustomToolBar* RurToolBar() const { return FRurToolBar; }
    void SetRurToolBar(TRurCustomToolBar* value) { FRurToolBar = value; }
    TATBPopupPanel* PopupPanel() const { return FPopupPanel; }
    // Makes the window's own root item and gives it to the panel (a sub-window shows an item of
    // its parent instead).
    TATBMenuItem* CreateItems();
    void SetWindowSize();
    // Fired after the window hid because it lost activation.
    TNotifyEvent OnDeActivateHide() const { return FOnDeActivateHide; }
    void SetOnDeActivateHide(TNotifyEvent value) { FOnDeActivateHide = value; }
    void WndProc(TMessage& message) override;

protected:
    // The panel closes its open sub-window and forgets its hot row first.
    void DoHide() override;
    void HideTimerTick() override;

private:
    TRurCustomToolBar* FRurToolBar = nullptr;
    TATBPopupPanel* FPopupPanel;
    std::unique_ptr<TATBMenuItem> FItems;
    TNotifyEvent FOnDeActivateHide;
};

// The rows of one menu level: captions, the controls' images in an image column, check marks.
class TATBPopupPanel : public TOptionSelectorPanel {
    TAVIN_CLASS(TATBPopupPanel, TOptionSelectorPanel)
public:
    explicit TATBPopupPanel(TComponent* owner);

    // The item whose sub-rows are listed (not owned); setting it arranges the rows.
    TATBMenuItem* Items() const { return FItems; }
    void SetItems(TATBMenuItem* value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value) { FItemHeight = value; }
    int HotItem() const { return FHotItem; }
    // A previous hot row closes its sub-window and is repainted; so is the new one.
    void SetHotItem(int value);
    // The row whose sub-window is open; -1 for none.
    int PopupItem() const { return FPopupItem; }
    // The menu styler whose selected item, icon bar and glyphs colour the rows; not owned.
    TCustomRurMenuStyler* RurMenuStyler() const { return FRurMenuStyler; }
    void SetRurMenuStyler(TCustomRurMenuStyler* value);
    // The menu styler's icon column (check marks, or images when there is no image column).
    bool ShowIconBar() const { return FShowIconBar; }
    void SetShowIconBar(bool value) { FShowIconBar = value; }
    bool ShowImageBar() const { return FShowImageBar; }
    void SetShowImageBar(bool value) { FShowImageBar = value; }
    TColor ImageBarColor() const { return FImageBarColor; }
    void SetImageBarColor(TColor value) { FImageBarColor = value; }
    TColor ImageBarColorTo() const { return FImageBarColorTo; }
    void SetImageBarColorTo(TColor value) { FImageBarColorTo = value; }
    // The sub-window of the open row; null before one was opened.
    TATBPopupWindow* ItemPopup() const { return FItemPopup; }

    // Sizes the panel to its rows: at least 70 wide, every row FItemHeight high.
    void ArrangeItems();
    // The row at the point; -1 for none.
    int IndexOfItemAt(int x, int y) const;
    void InvalidateItem(int index);
    // Shows or hides the row's control on its toolbar and follows with the check.
    void ToggleCheck(int index);
    // Closes the open sub-window; no hot and no open row.
    void ResetHot();
    void WndProc(TMessage& message) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Paint() override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TATBPopupWindow* PopupWindow() const;
    // The toolbar whose controls the window lists; null when none.
    TRurCustomToolBar* WindowToolBar() const;
    void OpenSubWindow();
    void CloseSubWindow();
    void SubWindowHidden(TObject* sender);
    void SubWindowDeactivated(TObject* sender);
    // The icon column's width: the styler's icon-bar size while it shows; else 0.
    int IconBarWidth() const;
    // The check box in the icon bar's (or, hot, the selected item's) colours and the check glyph.
    void DrawCheckMark(TCanvas* canvas, const TRect& cell, bool hot);
    static void DrawMenuGlyph(TCanvas* canvas, TBitmap* glyph, TRect place);
    // The image of the row's control, centred in cell or shrunk into it.
    void DrawObjectImage(TCanvas* canvas, TObject* object, const TRect& cell);

    TATBMenuItem* FItems = nullptr;
    TCustomRurMenuStyler* FRurMenuStyler = nullptr;
    int FItemHeight;
    int FHotItem = -1;
    int FPopupItem = -1;
    bool FShowImageBar = false;
    bool FShowIconBar = false;
    int FImageBarSize = 20;
    TColor FImageBarColorTo = clNone;
    TColor FImageBarColor = clGray;
    TATBPopupWindow* FItemPopup = nullptr;
};
