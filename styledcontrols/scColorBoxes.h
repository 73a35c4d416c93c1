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

class TscColorListBox : public TscSelectionLookOf<TColorListBox, false> {
    TAVIN_PUBLISHED_CLASS(TscColorListBox, TColorListBox)
public:
    explicit TscColorListBox(TComponent* owner);
    void WndProc(TMessage& message) override;


protected:
    void ChangeScale(int m, int d, bool isDpiChange) override;
    virtual void DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state);
};

class TscColorBox : public TscSelectionLookOf<TColorBox, false> {
    TAVIN_PUBLISHED_CLASS(TscColorBox, TColorBox)
public:
    explicit TscColorBox(TComponent* owner);
    void WndProc(TMessage& message) override;

    TscComboStyleKind StyleKind() const { return FStyleKind; }
    void SetStyleKind(TscComboStyleKind value) { ChangeAndInvalidate(this, FStyleKind, value); }

    // The closed face is the kit's push button.
    bool IsCustomFaceDrawn() const { return FStyleKind != scscbDefault; }
    bool IsFocusedHandle() const { return HandleAllocated() && GetFocus() == HandleIfAllocated(); }
    int TempItemIndex() const { return FTempItemIndex; }

protected:
    void ChangeScale(int m, int d, bool isDpiChange) override;
    virtual void DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state, bool faceItem);

    TscComboStyleKind FStyleKind = scscbDefault;
    int FTempItemIndex = -1;
};
