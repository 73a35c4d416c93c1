#pragma once
// The kit's styled extended combo box: the system control keeps its items with images and indents;
// the wrapper paints the inner combo box itself: a push-button face with the item and an arrow for a
// drop-down list on a themed system, and the list's items in the kit's selection looks. Under a
// custom style its hook paints face, button and items with the style's elements.
#include "ComCtrls.h"
#include "scListControls.h"

// The push-button face of an extended combo box on a canvas: the parent's background, the button
// face for the state, the item, the focus rectangle and the arrow.
struct TscComboExFace {
    TscsCtrlState State;
    double Scale;
    int ItemIndex;
    bool PushButton;   // a push button; else the system's read-only combo face where it has one
    int ButtonWidth;   // the drop-down part's width
    bool FocusRect;    // the dotted rectangle around the item
    bool ThemedButton; // the system's drop-down button; else an arrow in the text colour
};
void PaintComboExFace(TCanvas* canvas, TCustomComboBoxEx* control, const TscComboExFace& face);

// One item of the drop-down list into a device context. selectionControl is the control whose
// style paints a styled selection (null: the active style).
struct TscComboExItemPaint {
    const TscSelectionLook* Look; // null: the style's highlight colours
    const TControl* SelectionControl;
};
void PaintComboExItem(HDC dc, const TRect& rect, bool selected, int index, TCustomComboBoxEx* control,
                      const TscComboExItemPaint& paint);

class TscCustomComboBoxEx : public TCustomComboBoxEx {
    TAVIN_PUBLISHED_CLASS(TscCustomComboBoxEx, TCustomComboBoxEx)
public:
    explicit TscCustomComboBoxEx(TComponent* owner);
    ~TscCustomComboBoxEx() override;
    void WndProc(TMessage& message) override;

    TscComboStyleKind StyleKind() const { return FStyleKind; }
    void SetStyleKind(TscComboStyleKind value) { ChangeAndInvalidate(this, FStyleKind, value); }
    TscSelectionStyle SelectionStyle() const { return FLook.Style; }
    void SetSelectionStyle(TscSelectionStyle value) { FLook.Style = value; }
    TColor SelectionColor() const { return FLook.Color; }
    void SetSelectionColor(TColor value) { ChangeAndInvalidate(this, FLook.Color, value); }
    TColor SelectionTextColor() const { return FLook.TextColor; }
    void SetSelectionTextColor(TColor value) { ChangeAndInvalidate(this, FLook.TextColor, value); }
    bool DrawSelectionWithStyles() const { return FDrawSelectionWithStyles; }
    void SetDrawSelectionWithStyles(bool value) { FDrawSelectionWithStyles = value; }
    bool ShowFocusRect() const { return FLook.ShowFocusRect; }
    void SetShowFocusRect(bool value) { FLook.ShowFocusRect = value; }
    const TscSelectionLook& Look() const { return FLook; }

    // The inner combo box as the control has subclassed it (null before, and on Windows XP).
    HWND SubclassedCombo() const { return FComboBoxHandle; }
    // A drop-down list with the kit's push-button face.
    bool IsCustomFaceDrawn() const;
    // The control paints the items of its list.
    bool DrawsOwnItems() const;
    bool MouseIn() const { return FMouseIn; }
    void DrawComboBoxToDC(HDC dc);
    // Redrawing of the inner combo box off (and on again, painting once).
    void BeginUpdate();
    void EndUpdate();

protected:
    void CreateWnd() override;
    // The push-button face.
    virtual void DrawComboBox(TCanvas* canvas);
    virtual void InnerComboWindowProc(TMessage& message);

    TscSelectionLook FLook;
    bool FDrawSelectionWithStyles = false;
    HWND FComboBoxHandle = nullptr;
    WNDPROC FDefComboBoxProc = nullptr;
    bool FMouseIn = false;
    TscComboStyleKind FStyleKind = scscbDefault;

private:
    friend LRESULT CALLBACK ComboExInnerWindowProc(HWND, UINT, WPARAM, LPARAM);
    void SubclassInnerCombo();
    void ReleaseInnerCombo();
    void RedrawInner();
    bool IsFocusedInside() const;
};

class TscComboBoxEx : public TscCustomComboBoxEx {
    TAVIN_PUBLISHED_CLASS(TscComboBoxEx, TscCustomComboBoxEx)
public:
    using TscCustomComboBoxEx::TscCustomComboBoxEx;
};
