#include "RurParentBackground.h"

#include "RurToolBar_DockPanel.h"

void PaintParentBackground(TControl* control, HDC dc, const TRect& clip)
{
    TWinControl* parent = control->Parent();
    if (!parent || !parent->HandleAllocated())
        return;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, clip.Left, clip.Top, clip.Right, clip.Bottom);
    OffsetWindowOrgEx(dc, control->Left(), control->Top(), nullptr);
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    if (auto* wrapper = dynamic_cast<TWinCtrl*>(parent))
        wrapper->PaintCtrls(dc, nullptr);
    RestoreDC(dc, saved);
}
