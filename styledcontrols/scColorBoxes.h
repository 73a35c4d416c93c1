#pragma once
// The kit's styled colour pickers: the list box and the combo box of named colours, painted with
// a framed swatch and the name in the kit's selection looks; the combo box can draw its closed
// face as a push button showing the selected colour.
#include "ExtCtrls.h"
#include "scListControls.h"

// An item of a colour picker: the framed swatch at the left and the name, always left to right.
// shrinkSwatch makes the swatch a pixel smaller on every side (the push-button face).
void PaintColorItemContent(TCanvas* canvas, const TRect& rect, int index, TColor color, const String& name,
                           bool shrinkSwatch);

class TscColorListBox : public TColorListBox {
    TAVIN_PUBLISHED_CLASS(TscColorListBox, TColorListBox)
public:
    explicit TscColorListBox(TComponent* owner);
    void WndProc(TMessage& message) override;

    TscSelectionStyle SelectionStyle() const { return FLook.Style; }
    void SetSelectionStyle(TscSelectionStyle value) { ChangeAndInvalidate(this, FLook.Style, value); }
    bool ShowFocusRect() const { return FLook.ShowFocusRect; }
    void SetShowFocusRect(bool value) { FLook.ShowFocusRect = value; }
    TColor SelectionColor() const { return FLook.Color; }
    void SetSelectionColor(TColor value) { ChangeAndInvalidate(this, FLook.Color, value); }
    TColor SelectionTextColor() const { return FLook.TextColor; }
    void SetSelectionTextColor(TColor value) { ChangeAndInvalidate(this, FLook.TextColor, value); }

protected:
    void ChangeScale(int m, int d, bool isDpiChange) override;
    virtual void DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state);


    TscSelectionLook FLook;
};

class TscColorBox : public TColorBox {
    TAVIN_PUBLISHED_CLASS(TscColorBox, TColorBox)
public:
    explicit TscColorBox(TComponent* owner);
    void WndProc(TMessage& message) override;

    TscSelectionStyle SelectionStyle() const { return FLook.Style; }
    void SetSelectionStyle(TscSelectionStyle value) { ChangeAndInvalidate(this, FLook.Style, value); }
    bool ShowFocusRect() const { return FLook.ShowFocusRect; }
    void SetShowFocusRect(bool value) { FLook.ShowFocusRect = value; }
    TColor SelectionColor() const { return FLook.Color; }
    void SetSelectionColor(TColor value) { ChangeAndInvalidate(this, FLook.Color, value); }
    TColor SelectionTextColor() const { return FLook.TextColor; }
    void SetSelectionTextColor(TColor value) { ChangeAndInvalidate(this, FLook.TextColor, value); }
    TscComboStyleKind StyleKind() const { return FStyleKind; }
    void SetStyleKind(TscComboStyleKind value) { ChangeAndInvalidate(this, FStyleKind, value); }

    // The closed face is the kit's push button.
    bool IsCustomFaceDrawn() const { return FStyleKind != scscbDefault; }
    bool IsFocusedHandle() const { return HandleAllocated() && GetFocus() == HandleIfAllocated(); }
    int TempItemIndex() const { return FTempItemIndex; }

protected:
    void ChangeScale(int m, int d, bool isDpiChange) override;
    virtual void DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state, bool faceItem);


    TscSelectionLook FLook;
    TscComboStyleKind FStyleKind = scscbDefault;
    int FTempItemIndex = -1;
};
