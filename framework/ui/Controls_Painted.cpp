// The two painted kinds of control: TCustomControl (own window and canvas) and
// TGraphicControl (no window; its parent's WM_PAINT hands it the DC).
#include "Controls.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), FCanvas(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC dc)
{
    FCanvas->SetHandle(dc);
    try {
        FCanvas->Font()->Assign(Font());
        FCanvas->Brush()->SetColor(Color());
        Paint();
    } catch (...) {
        FCanvas->SetHandle(nullptr);
        throw;
    }
    FCanvas->SetHandle(nullptr);
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), FCanvas(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& message)
{
    if (message.Msg != WM_PAINT) {
        TControl::WndProc(message);
        return;
    }
    FCanvas->SetHandle(reinterpret_cast<HDC>(message.WParam));
    try {
        FCanvas->Font()->Assign(Font());
        FCanvas->Brush()->SetColor(Color());
        Paint();
    } catch (...) {
        FCanvas->SetHandle(nullptr);
        throw;
    }
    FCanvas->SetHandle(nullptr);
}
