#pragma once
// The content of a toolbar's option drop-down: the toolbar controls that do not fit on their
// toolbar, placed in rows so they can still be clicked, and up to two entries at the bottom that
// open on hover like menu items: "Add or Remove Buttons" (a check list of every control of the
// toolbar) and "Options" (the toolbar's option menu, or the Customize entry of its customizer).
#include <memory>

#include "Menus.h"
#include "RurToolBar_Lists.h"
#include "RurToolBar_OptionWindow.h"
#include "Timers.h"

class TATBPopupWindow;
class TCustomizeOption;
class TRurToolBarCustomizer;
class TRurToolBarSeparator;

// One of the two entries.
class TSelectorItem {
public:
    TSelectorItem();
    String Caption() const { return FCaption; }
    void SetCaption(const String& value) { FCaption = value; }
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }
    int Width() const { return FWidth; }
    void SetWidth(int value) { FWidth = value; }
    // In panel coordinates; empty while the entry is not shown.
    TRect BRect() const { return FBRect; }
    void SetBRect(const TRect& value) { FBRect = value; }

private:
    int FHeight;
    String FCaption;
    TRect FBRect{};
    int FWidth = 30;
};

class TControlSelectorPanel : public TOptionSelectorPanel {
    TAVIN_CLASS(TControlSelectorPanel, TOptionSelectorPanel)
public:
    explicit TControlSelectorPanel(TComponent* owner);
    ~TControlSelectorPanel() override;

    // The control becomes the panel's child and is listed once; its index, -1 for none.
    int AddControl(TControl* control);
    // A copy of the separator (style and line colour), owned by the panel until the window hides.
    TRurToolBarSeparator* AddSeparatorCopy(TRurToolBarSeparator* separator);
    // Forgets every listed control (they keep their parent) and frees the separator copies.
    void ClearControls();
    int ListedControlCount() const { return FControlList.Count(); }
    TControl* ListedControls(int index) const { return FControlList.Item<TControl>(index); }
    // No control listed and no entry shown.
    bool IsEmpty() const;
    // Places the listed controls in rows and the entries below them, and sizes the panel.
    void ArrangeControls();
    // Both entries take the width of the wider caption, at least 130.
    void MeasureEntries();
    void WindowHidden() override;

    bool ShowAddAndRemoveBtn() const { return FShowAddAndRemoveBtn; }
    void SetShowAddAndRemoveBtn(bool value) { FShowAddAndRemoveBtn = value; }
    bool ShowOptionsBtn() const { return FOptionsMenu || FCustomizer; }
    String TextAutoOptionMenu() const { return FAddAndRemoveBtn->Caption(); }
    void SetTextAutoOptionMenu(const String& value);
    String TextOptionMenu() const { return FOptionsBtn->Caption(); }
    void SetTextOptionMenu(const String& value);
    TPopupMenu* OptionsMenu() const { return FOptionsMenu; }
    void SetOptionsMenu(TPopupMenu* value) { FOptionsMenu = value; }
    // Without an option menu, the options entry opens the Customize entry of this customizer.
    TRurToolBarCustomizer* Customizer() const { return FCustomizer; }
    void SetCustomizer(TRurToolBarCustomizer* value);
    // The small window holding the Customize entry, and the entry; null before first opened.
    TOptionSelectorWindow* CustomizeOptionWindow() const { return FCustomizeOptionWindow; }
    TCustomizeOption* CustomizeOptionPanel() const { return FCustomizeOptionPanel; }
    const TSelectorItem* AddAndRemoveBtn() const { return FAddAndRemoveBtn.get(); }
    const TSelectorItem* OptionsBtn() const { return FOptionsBtn.get(); }
    bool AddAndRemoveBtnDown() const { return FAddAndRemoveBtnDown; }
    bool OptionsBtnDown() const { return FOptionsBtnDown; }
    // The check list opened from the first entry; null before it first opened.
    TATBPopupWindow* AddAndRemovePopup() const { return FAddAndRemovePopup; }

    TColor ItemColorHot() const { return FItemColorHot; }
    void SetItemColorHot(TColor value) { FItemColorHot = value; }
    TColor ItemColorHotTo() const { return FItemColorHotTo; }
    void SetItemColorHotTo(TColor value) { FItemColorHotTo = value; }
    TColor ItemColorDown() const { return FItemColorDown; }
    void SetItemColorDown(TColor value) { FItemColorDown = value; }
    TColor ItemColorDownTo() const { return FItemColorDownTo; }
    void SetItemColorDownTo(TColor value) { FItemColorDownTo = value; }
    TColor ItemTextColor() const { return FItemTextColor; }
    void SetItemTextColor(TColor value) { FItemTextColor = value; }
    TColor ItemTextColorHot() const { return FItemTextColorHot; }
    void SetItemTextColorHot(TColor value) { FItemTextColorHot = value; }
    TColor ItemTextColorDown() const { return FItemTextColorDown; }
    void SetItemTextColorDown(TColor value) { FItemTextColorDown = value; }
    // Points.
    int ItemTextFontSize() const { return FItemTextFontSize; }
    void SetItemTextFontSize(int value) { FItemTextFontSize = value; }

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The screen's pixels per inch over 96.
    static double CanvasScale();
    // The drop-down window the panel is shown in.
    TRurPopupForm* Window() const;
    TRurCustomToolBar* WindowToolBar() const;
    void PaintEntry(TCanvas* canvas, const TSelectorItem& entry, bool hot, bool down);
    void ShowAddAndRemovePopup();
    void AddAndRemoveHidden(TObject* sender);
    void AddAndRemoveDeactivated(TObject* sender);
    void ShowOptionsPopup();
    // The options entry's pop-up width, after making the Customize entry ready to show.
    int OptionMenuWidth();
    int PrepareCustomizeWindow(TRurCustomToolBar* toolBar);
    // Hides the Customize entry's window while the drop-down stays.
    void HideCustomizeWindowInternally();
    void FreeSeparatorCopies();
    void CustomizeWindowHidden(TObject* sender);
    void TimerTick(TObject* sender);

    TDbgList FControlList;
    std::unique_ptr<TSelectorItem> FAddAndRemoveBtn;
    bool FAddAndRemoveBtnHot = false, FAddAndRemoveBtnDown = false;
    TColor FItemColorDown = clGray;
    TColor FItemColorHot = 0xD2BDB6;
    int FSeparatorSize = 8;
    TColor FItemColorDownTo = clNone, FItemColorHotTo = clNone;
    TColor FItemTextColorHot = clWhite;
    TColor FItemTextColor = clBlack, FItemTextColorDown = clBlack;
    int FItemTextFontSize = 8;
    TATBPopupWindow* FAddAndRemovePopup = nullptr;
    bool FShowAddAndRemoveBtn = true;
    std::unique_ptr<TSelectorItem> FOptionsBtn;
    bool FOptionsBtnHot = false, FOptionsBtnDown = false;
    TPopupMenu* FOptionsMenu = nullptr;
    std::unique_ptr<TTimer> FTimer;
    TDbgList FSeparatorList;
    bool FInternalHiding = false;
    TRurToolBarCustomizer* FCustomizer = nullptr;
    TCustomizeOption* FCustomizeOptionPanel = nullptr;
    TOptionSelectorWindow* FCustomizeOptionWindow = nullptr;
};
