// The caption layer over the ribbon's caption band on glass.
#include "RurToolBarFormCaptionLayer.h"

#include "Forms.h"
#include "RurGlowButton.h"
#include "RurToolBar_Text.h"

TCaptionLayer::TCaptionLayer(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csOpaque} + TControlStyle{csParentBackground});
    SetText(String());
    FRefGlowButton = new TRurGlowButton(this);
    FRefGlowButton->SetParent(this);
    FRefGlowButton->SetAlign(alNone);
    FRefGlowButton->SetBounds(1, 1, 1, 1);
    FRefGlowButton->SetTabStop(false);
    FRefGlowButton->SetTransparent(true);
}

TCaptionLayer::~TCaptionLayer() = default;

void TCaptionLayer::Loaded()
{
    TCustomControl::Loaded();
    FOldCursor = Cursor();
}

void TCaptionLayer::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_LBUTTONDBLCLK:
        TCustomControl::WndProc(message);
        FOnDoubleClick(this, short(LOWORD(message.LParam)), short(HIWORD(message.LParam)));
        return;
    default:
        TCustomControl::WndProc(message);
    }
}

void TCaptionLayer::ToggleRef()
{
    // Every second paint makes the reference button repaint, which repaints the glass children.
    FRef = !FRef;
    if (!FRef)
        FRefGlowButton->Invalidate();
}

void TCaptionLayer::Paint()
{
    String text = Text();
    TRect r = ClientRect();
    TAlignment alignment = taLeftJustify;
    if (FOnTextPaint)
        FOnTextPaint(this, text, r, alignment);
    else
        DrawGlassCaptionText(this, text, r, false, TRect{}, FBackColor, false);
    ToggleRef();
}

void TCaptionLayer::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button == mbLeft) {
        if (y >= 0 && y <= SizingEdge) {
            FResizing = true;
            FResizingClip = rcTop;
            FResizingDir = 0;
            FMouseY = 0;
            return;
        }
        TCustomForm* form = GetParentForm();
        if (form && form->HandleAllocated() && IsZoomed(form->Handle())) {
            // A maximised form is dragged off by its caption.
            ReleaseCapture();
            SendMessageW(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
        }
    }
    FOnMouseDown(this, button, shift, x, y);
}

void TCaptionLayer::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    TCustomForm* form = GetParentForm();
    if (!form || (form->HandleAllocated() && IsZoomed(form->Handle())))
        return;
    const TFormBorderStyle style = form->BorderStyle();
    if (style != bsNone && style != bsSizeable && style != bsSizeToolWin)
        return;
    SetCursor(y >= 0 && y <= SizingEdge ? crSizeNS : FOldCursor);
    if (FResizing && shift.Contains(ssLeft)) {
        form->SetBounds(form->Left(), form->Top() + y - FMouseY, form->Width(), form->Height() + FMouseY - y);
        FMouseY = 0;
        FResizingDir = 1;
    }
}

void TCaptionLayer::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    FResizing = false;
    FResizingDir = 0;
    FMouseY = 0;
}
