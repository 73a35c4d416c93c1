#include "RurParentBackground.h"

void PaintParentBehind(TControl& AControl, HDC ADC, bool ASiblingsBelow)
{
    TWinControl* parent = AControl.Parent();
    if (!parent)
        return;
    const int saved = SaveDC(ADC);
    POINT origin;
    GetViewportOrgEx(ADC, &origin);
    SetViewportOrgEx(ADC, origin.x - AControl.Left(), origin.y - AControl.Top(), nullptr);
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(ADC));
    parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(ADC));
    for (int i = 0; ASiblingsBelow && i < parent->ControlCount(); ++i) {
        auto* sibling = dynamic_cast<TWinControl*>(parent->Controls(i));
        if (sibling == &AControl)
            break;
        if (!sibling || !sibling->Visible() || !sibling->HandleAllocated())
            continue;
        RECT r = {sibling->Left(), sibling->Top(), sibling->Left() + sibling->Width(), sibling->Top() + sibling->Height()};
        if (!RectVisible(ADC, &r))
            continue;
        const int inner = SaveDC(ADC);
        GetViewportOrgEx(ADC, &origin);
        SetViewportOrgEx(ADC, origin.x + sibling->Left(), origin.y + sibling->Top(), nullptr);
        IntersectClipRect(ADC, 0, 0, sibling->Width(), sibling->Height());
        sibling->Perform(WM_PAINT, reinterpret_cast<WPARAM>(ADC));
        RestoreDC(ADC, inner);
    }
    RestoreDC(ADC, saved);
}
