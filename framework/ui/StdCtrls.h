#pragma once
// Standard controls: thin wrappers of the system's controls (edit, memo, button, check box, radio
// button, combo box, list box, scroll bar) and the windowless label.
#include "Controls.h"

TAVIN_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)
TAVIN_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)
TAVIN_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable)
TAVIN_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)
TAVIN_ENUM(TScrollBarKind, sbHorizontal, sbVertical)

class TLabel : public TGraphicControl {
    TAVIN_PUBLISHED_CLASS(TLabel, TGraphicControl)
public:
    explicit TLabel(TComponent* owner);
    void WndProc(TMessage& message) override;
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value) { FFocusControl = value; }
    // Resizes to the text when AutoSize is on (the right edge stays for right-to-left labels).
    void AdjustBounds();

protected:
    void Paint() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    UINT TextFlags() const;
    bool FAutoSize = true;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FTransparent = false;
    TWinControl* FFocusControl = nullptr;
};

// Base of the edit-like controls.
class TCustomEdit : public TWinControl {
    TAVIN_CLASS(TCustomEdit, TWinControl)
public:
    explicit TCustomEdit(TComponent* owner);
    void WndProc(TMessage& message) override;
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    void Clear() { SetText(String()); }
    void SelectAll();
    int SelStart() const;
    int SelLength() const;
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent e) { FOnChange = e; }

protected:
    void CreateParams(TCreateParams& params) override;
    virtual void Change() { FOnChange(this); }

private:
    bool FReadOnly = false;
    int FMaxLength = 0;
    TAlignment FAlignment = taLeftJustify;
    TBorderStyle FBorderStyle = bsSingle;
    TNotifyEvent FOnChange;
};

class TEdit : public TCustomEdit {
    TAVIN_PUBLISHED_CLASS(TEdit, TCustomEdit)
public:
    explicit TEdit(TComponent* owner);
    Char PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(Char value);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    Char FPasswordChar = 0;
};

class TMemo : public TCustomEdit {
    TAVIN_PUBLISHED_CLASS(TMemo, TCustomEdit)
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;
    TStrings* Lines() const { return FLines.get(); }
    void SetLines(TStrings* value) { FLines->Assign(value); }
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // Enter starts a new line; without it Enter goes to the dialog (its default button).
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value);
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    class TMemoStrings;
    std::unique_ptr<TStrings> FLines;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
    bool FWantReturns = true;
};

// A frame with a caption on its top edge around a group of controls. Painted by the framework, so
// that descendants can draw their own frame and caption.
class TCustomGroupBox : public TCustomControl {
    TAVIN_CLASS(TCustomGroupBox, TCustomControl)
public:
    explicit TCustomGroupBox(TComponent* owner);
    void AlignControls(TControl* control, TRect& rect) override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    // Height of the caption's line: aligned children start below it.
    int CaptionHeight();
};

class TGroupBox : public TCustomGroupBox {
    TAVIN_PUBLISHED_CLASS(TGroupBox, TCustomGroupBox)
public:
    using TCustomGroupBox::TCustomGroupBox;
};

class TButtonControl : public TWinControl {
    TAVIN_CLASS(TButtonControl, TWinControl)
public:
    explicit TButtonControl(TComponent* owner);
    void WndProc(TMessage& message) override;
};

class TButton : public TButtonControl {
    TAVIN_PUBLISHED_CLASS(TButton, TButtonControl)
public:
    explicit TButton(TComponent* owner);
    void WndProc(TMessage& message) override;
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    void Click() override;
    // The button Enter presses: the focused button, else the default one.
    bool Active() const { return FActive; }

protected:
    void CreateParams(TCreateParams& params) override;

private:
    void SetActive(bool value);
    bool FDefault = false;
    bool FActive = false;
    bool FCancel = false;
    int FModalResult = 0;
};

class TCheckBox : public TButtonControl {
    TAVIN_PUBLISHED_CLASS(TCheckBox, TButtonControl)
public:
    explicit TCheckBox(TComponent* owner);
    void WndProc(TMessage& message) override;
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleState() override;

private:
    TCheckBoxState FState = cbUnchecked;
};

class TRadioButton : public TButtonControl {
    TAVIN_PUBLISHED_CLASS(TRadioButton, TButtonControl)
public:
    explicit TRadioButton(TComponent* owner);
    void WndProc(TMessage& message) override;
    bool Checked() const { return FChecked; }
    // Checking one radio button unchecks its siblings.
    void SetChecked(bool value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleState() override;

private:
    bool FChecked = false;
};

using TDrawItemEvent = TEvent<TWinControl*, int, TRect, UINT>;

// Combo and list boxes keep their items in the control; these lists write through to the window
// once it exists and keep the items while it does not.
class TCustomListControl : public TWinControl {
    TAVIN_CLASS(TCustomListControl, TWinControl)
public:
    explicit TCustomListControl(TComponent* owner);
    ~TCustomListControl() override;
    TStrings* Items() const { return FItems.get(); }
    void SetItems(TStrings* value) { FItems->Assign(value); }
    int ItemIndex() const;
    void SetItemIndex(int value);
    TDrawItemEvent OnDrawItem() const { return FOnDrawItem; }
    void SetOnDrawItem(TDrawItemEvent e) { FOnDrawItem = e; }
    // The item's device context while OnDrawItem runs, with the selection's brush and font.
    TCanvas* Canvas() const { return FCanvas.get(); }
    // Whether added items take their places in alphabetical order (ignoring case). Turning it on
    // sorts the items there are by adding them anew.
    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);

protected:
    struct TMessages {
        UINT Add, Insert, Delete, Reset, GetCurSel, SetCurSel, SetItemData;
    };
    virtual const TMessages& ListMessages() const = 0;
    // The items changed: descendants that keep something per item follow them.
    virtual void ItemInserted(int) {}
    virtual void ItemDeleted(int) {}
    virtual void ItemsCleared() {}
    void CreateHandleState() override;
    void SaveHandleState() override;
    void DrawItem(const DRAWITEMSTRUCT& item);

private:
    class TListStrings;
    friend class TListStrings;
    std::unique_ptr<TStrings> FItems;
    int FSavedIndex = -1;
    bool FSorted = false;
    TDrawItemEvent FOnDrawItem;
    std::unique_ptr<TCanvas> FCanvas;
};

using TMeasureItemEvent = TEvent<TWinControl*, int, int&>;

// The events a combo box's notification (CBN_...) fires.
void FireComboNotification(TObject* sender, WORD code, const TNotifyEvent& onChange, const TNotifyEvent& onSelect,
                           const TNotifyEvent& onDropDown, const TNotifyEvent& onCloseUp);

class TCustomComboBox : public TCustomListControl {
    TAVIN_CLASS(TCustomComboBox, TCustomListControl)
public:
    explicit TCustomComboBox(TComponent* owner);
    void WndProc(TMessage& message) override;
    TComboBoxStyle Style() const { return FStyle; }
    virtual void SetStyle(TComboBoxStyle value);
    // The height of the list's items (and of an owner-drawn selection field).
    int ItemHeight() const;
    virtual void SetItemHeight(int value);
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value) { FDropDownCount = value; }
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent e) { FOnChange = e; }
    TNotifyEvent OnSelect() const { return FOnSelect; }
    void SetOnSelect(TNotifyEvent e) { FOnSelect = e; }
    TNotifyEvent OnDropDown() const { return FOnDropDown; }
    void SetOnDropDown(TNotifyEvent e) { FOnDropDown = e; }
    TNotifyEvent OnCloseUp() const { return FOnCloseUp; }
    void SetOnCloseUp(TNotifyEvent e) { FOnCloseUp = e; }
    TMeasureItemEvent OnMeasureItem() const { return FOnMeasureItem; }
    void SetOnMeasureItem(TMeasureItemEvent e) { FOnMeasureItem = e; }

protected:
    void CreateParams(TCreateParams& params) override;
    const TMessages& ListMessages() const override;
    // The height of one owner-drawn item; fires OnMeasureItem.
    virtual void MeasureItem(int index, int& height);

    int FItemHeight = 16;

private:
    TComboBoxStyle FStyle = csDropDown;
    int FDropDownCount = 8;
    TNotifyEvent FOnChange, FOnSelect, FOnDropDown, FOnCloseUp;
    TMeasureItemEvent FOnMeasureItem;
};

class TComboBox : public TCustomComboBox {
    TAVIN_PUBLISHED_CLASS(TComboBox, TCustomComboBox)
public:
    using TCustomComboBox::TCustomComboBox;
};

TAVIN_ENUM(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable)

class TCustomListBox : public TCustomListControl {
    TAVIN_CLASS(TCustomListBox, TCustomListControl)
public:
    explicit TCustomListBox(TComponent* owner);
    void WndProc(TMessage& message) override;
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle value);
    int ItemHeight() const;
    void SetItemHeight(int value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool value);
    // Columns of a multi-column list (0: one column that scrolls vertically).
    int Columns() const { return FColumns; }
    void SetColumns(int value);
    int TopIndex() const;
    void SetTopIndex(int value);
    int Count() const { return Items()->Count(); }
    bool Selected(int index) const;
    void SetSelected(int index, bool value);
    // The item's rectangle in client coordinates (empty without a window).
    TRect ItemRect(int index) const;
    // The item at a client point, -1 when none.
    int ItemAtPos(TPoint pos, bool existing) const;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleState() override;
    const TMessages& ListMessages() const override;

private:
    TListBoxStyle FStyle = lbStandard;
    int FItemHeight = 16;
    bool FMultiSelect = false;
    int FColumns = 0;
};

class TListBox : public TCustomListBox {
    TAVIN_PUBLISHED_CLASS(TListBox, TCustomListBox)
public:
    using TCustomListBox::TCustomListBox;
};

class TScrollBar : public TWinControl {
    TAVIN_PUBLISHED_CLASS(TScrollBar, TWinControl)
public:
    explicit TScrollBar(TComponent* owner);
    void WndProc(TMessage& message) override;
    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind value);
    int Min() const { return FMin; }
    void SetMin(int value) { SetParams(FPosition, value, FMax); }
    int Max() const { return FMax; }
    void SetMax(int value) { SetParams(FPosition, FMin, value); }
    int Position() const { return FPosition; }
    void SetPosition(int value) { SetParams(value, FMin, FMax); }
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int value) { FLargeChange = value; }
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int value) { FSmallChange = value; }
    void SetParams(int position, int min, int max);
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent e) { FOnChange = e; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleState() override;

private:
    TScrollBarKind FKind = sbHorizontal;
    int FMin = 0, FMax = 100, FPosition = 0, FLargeChange = 1, FSmallChange = 1;
    TNotifyEvent FOnChange;
};

void StdCtrlsUnitInitialize();
void StdCtrlsUnitFinalize();
inline constexpr TUnitStep StdCtrlsUnit{"StdCtrls", &StdCtrlsUnitInitialize, &StdCtrlsUnitFinalize};
