#pragma once
// What the kit's combo boxes share: the off-screen painting of a list item, the push-button face
// of a closed drop-down list, and the redraw switch that keeps the system's own face from showing.
#include <functional>

#include "scListControls.h"

using TscComboItemPainter = std::function<void(TCanvas*, TRect, int, TOwnerDrawState)>;

// One owner-drawn item of the list (or, with a negative index, the focus mark of an empty field).
void PaintComboListItem(TCustomComboBox* control, const TscSelectionLook& look, const DRAWITEMSTRUCT& item,
                        const TscComboItemPainter& content);

struct TscComboFace {
    bool PushButton;   // the plain push button, else the combo button face
    int FocusInset;    // how far inside the item area the focus rectangle lies
    int ShownIndex;    // the item on the face, -1 for none
    TscComboItemPainter DrawItem;
};
// The closed face over the parent's background: face, item, focus rectangle, drop-down part.
void DrawKitComboFace(TCustomComboBox* control, const TscSelectionLook& look, TCanvas* target,
                      const TscComboFace& face);

// The parts of a push-button face as its control decided them.
struct TscComboFaceParts {
    TscsCtrlState State;
    bool PushButton;   // the plain push button, else the combo button face
    double Scale;      // of the focus rectangle and the drop-down part
    bool FocusRect;
    int FocusInset;
    bool ThemedButton; // the system's drop-down button, else an arrow in the text colour
    bool ButtonAtLeft; // the system button's left-hand variant
    // Paints the shown item into the item area.
    std::function<void(TCanvas*, TRect)> DrawItem;
};
void DrawComboFaceParts(TWinControl* control, TCanvas* target, const TscComboFaceParts& parts);
// WM_PAINT or WM_ERASEBKGND answered with the face painted into the message's (or BeginPaint's) DC.
void PaintKitComboFaceMessage(TWinControl* control, TMessage& message, const std::function<void(TCanvas*)>& paint);
// Focus and selection changes run with the window's redraw off and end in one synchronous
// redraw; false for other messages.
bool RunWithFaceRedrawOff(TWinControl* control, TMessage& message, const std::function<void(TMessage&)>& inherited);
