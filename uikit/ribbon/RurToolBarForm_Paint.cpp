// The ribbon form's painting: its own border in classic and tones mode, the size grip, and the
// client area below the caption band on glass.
#include "RurToolBarForm.h"

#include "Math.h"
#include "RurDWM.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Text.h"

void TRurToolBarForm::PaintWindow(HDC dc)
{
    TForm::PaintWindow(dc);
    if (!FSubClassAsRibbon)
        return;
    Canvas()->SetHandle(dc);
    try {
        Paint();
    } catch (...) {
        Canvas()->SetHandle(nullptr);
        throw;
    }
    Canvas()->SetHandle(nullptr);
}

void TRurToolBarForm::CheckStateChange()
{
    if (!FIsAeroVista || !HandleAllocated())
        return;
    const TWindowState state = IsIconic(Handle()) ? wsMinimized : Maximized() ? wsMaximized : wsNormal;
    if (state == FOldWndState)
        return;
    FOldWndState = state;
    // The frame's margins depend on the state; set them again without a user-visible activation.
    SetUpGlassFrame();
}

void TRurToolBarForm::FillBelowCaption(int captionHeight)
{
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    // Black is see-through on glass: the outline keeps the glass edge clean.
    c->Pen()->SetColor(clBlack);
    c->Pen()->SetWidth(1);
    c->Rectangle(0, captionHeight, ClientWidth(), ClientHeight());
}

void TRurToolBarForm::Paint()
{
    TCanvas* c = Canvas();
    const bool maximized = HandleAllocated() && Maximized();
    const bool plainMaximized = maximized && !IsWin7ScenicMaximized();
    if (!FIsAeroVista && maximized && !IsDesigning() && !IsVistaOrLater() && !IsWin7ScenicMaximized() &&
        FMaxY > 0 && FMaxY < Height() && IsTaskbarAutoHide() && IsMaximizedToWorkArea())
        SetHeight(FMaxY);
    const TColor borderColor = PagerBorderColor();
    const int captionHeight = GetPagerCaptionHeight();
    const int sideLength = 25 * DPIPixelsPerInch + (captionHeight > 0 ? captionHeight : 0);
    CheckStateChange();
    if (FIsAeroVista) {
        const int cap = plainMaximized ? ScaledSize26 + 6 : ScaledSize26;
        if (!RurDWM::IsDwmCompositionEnabled())
            DrawGlassCaptionText(this, String(), Rect(ClientWidth() - 150, 0, ClientWidth(), cap), false, TRect{},
                                 clNone, false);
        FillBelowCaption(cap);
        return;
    }
    if (BorderStyle() != bsNone) {
        c->Brush()->SetStyle(bsClear);
        c->Pen()->SetColor(borderColor);
        c->Pen()->SetWidth(1);
        if (plainMaximized && IsMaximizedToWorkArea()) {
            if (IsVistaOrLater())
                c->Rectangle(0, 0, Width() - 6, Height() - 6);
            else
                c->Rectangle(0, 0, Width() - 7, Height() - 7);
        } else if (!IsVistaOrLater()) {
            c->RoundRect(0, 0, Width() - 7, Height() - 7, 8, 8);
        }
    }
    if (UseSingleBorder() || (FItones && !IsDesigning())) {
        c->Brush()->SetStyle(bsClear);
        c->Pen()->SetColor(FItones ? FBorderClr : borderColor);
        if (FThickBorder && !maximized) {
            const int w = int(Round(4 * double(DPIScale)));
            c->Pen()->SetWidth(w);
            c->Rectangle(w / 2, w / 2, Width() - w / 2 + 1, Height() - w / 2 + 1);
        } else {
            c->Pen()->SetWidth(1);
            c->Rectangle(0, 0, Width(), Height());
            if (FItones) {
                c->Pen()->SetWidth(FBorderWidth);
                for (const int x : {Width() - 1, 0, 1}) {
                    c->MoveTo(x, 0);
                    c->LineTo(x, sideLength);
                }
            }
        }
    }
    DrawSizeGrip();
}

void TRurToolBarForm::DrawSizeGrip()
{
    if (IsDesigning() || !FSizeGrip || !FItones || (HandleAllocated() && Maximized()))
        return;
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(FSizeGripColor);
    const TRect client = ClientRect();
    // Rows of 4, 3, 2 and 1 squares of 2 x 2, 3 pixels apart, rising to the left.
    for (int row = 0; row < 4; ++row) {
        const int y = client.Bottom - 3 - 3 * row;
        for (int i = 0; i < 4 - row; ++i) {
            const int x = client.Right - 3 - 3 * i;
            c->FillRect(Rect(x - 2, y - 2, x, y));
        }
    }
}
