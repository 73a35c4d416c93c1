#include "scCoolBar.h"

#include <algorithm>

#include "scDrawUtils.h"

TAVIN_PUBLISHED(TscCoolBar) {}

TscCoolBar::TscCoolBar(TComponent* owner) : TCoolBar(owner)
{
    SetBandBorderStyle(bsNone);
    SetEdgeBorders({});
    SetEdgeInner(esNone);
    SetEdgeOuter(esNone);
}

void TscCoolBar::WndProc(TMessage& message)
{
    TCoolBar::WndProc(message);
    // The system's rebar leaves stale band edges behind when it grows.
    if (message.Msg == WM_SIZE && !UsesCustomStyle(this) && FHandle)
        RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// ---------------------------------------------------------------------------------------------

namespace {

constexpr int CaptionIndent = 10;

TRect RebarRect(HWND wnd, UINT msg, int index)
{
    RECT r{};
    SendMessageW(wnd, msg, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return Rect(r.left, r.top, r.right, r.bottom);
}

} // namespace

TscCoolBarStyleHook::TscCoolBarStyleHook(TWinControl* control) : TStyleHook(control)
{
    FOverridePaint = true;
    FOverridePaintNC = true;
}

void TscCoolBarStyleHook::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        message.Result = 1;
        FHandled = true;
        return;
    case WM_SIZE:
        CallDefaultProc(message);
        Invalidate();
        FHandled = true;
        return;
    default:
        TStyleHook::WndProc(message);
    }
}

void TscCoolBarStyleHook::PaintNC(TCanvas* canvas)
{
    TCustomStyleServices* style = StyleServices();
    auto* bar = dynamic_cast<TCoolBar*>(FControl);
    if (!style || !style->Available() || (bar && bar->EdgeBorders().Empty()))
        return;
    const TRect whole(0, 0, FControl->Width(), FControl->Height());
    HDC dc = canvas->Handle();
    // Only the 2-pixel frame shows: the window inside it is the client's.
    ExcludeClipRect(dc, 2, 2, whole.Right - 2, whole.Bottom - 2);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(ColorToRGB(style->GetSystemColor(clBtnFace)));
    canvas->FillRect(whole);
    style->DrawElement(dc, TCustomStyleServices::GetElementDetails(teToolBar, 0, 0), whole);
}

TRect TscCoolBarStyleHook::BandBorders(int index) const { return RebarRect(Handle(), RB_GETBANDBORDERS, index); }

TRect TscCoolBarStyleHook::BandRect(int index) const
{
    auto* bar = dynamic_cast<const TCoolBar*>(FControl);
    TRect r = RebarRect(Handle(), RB_GETRECT, index);
    if (bar && bar->Vertical() && index < bar->Bands()->Count()) {
        // A vertical band is painted over its control; a band without one keeps the window's rectangle.
        if (const TWinControl* control = bar->Bands()->Items(index)->Control()) {
            r = Bounds(control->Left(), control->Top(), control->Width(), control->Height());
            r.Top += 4 - BandBorders(index).Top;
        }
    }
    const TRect client = FControl->ClientRect();
    r = TRect(std::max(r.Left - 1, 0), std::max(r.Top - 1, 0), std::min(r.Right + 1, client.Right),
              std::min(r.Bottom + 1, client.Bottom));
    return r;
}

void TscCoolBarStyleHook::PaintBand(TCanvas* canvas, int index) const
{
    TCustomStyleServices* style = StyleServices();
    auto* bar = dynamic_cast<TCoolBar*>(FControl);
    const bool vertical = bar && bar->Vertical();
    const TRect r = BandRect(index);
    const TRect b = BandBorders(index);
    TRect caption = vertical ? TRect(r.Left, r.Top, r.Right, r.Top + b.Top)
                             : TRect(r.Left + CaptionIndent, r.Top, r.Left + b.Left, r.Bottom);
    TCoolBand* band = bar && index < bar->Bands()->Count() ? bar->Bands()->Items(index) : nullptr;
    TCustomImageList* images = bar ? bar->Images() : nullptr;
    if (band && images && band->ImageIndex() >= 0 && band->ImageIndex() < images->Count()) {
        int x, y;
        if (vertical) {
            x = (caption.Left + caption.Right) / 2 - images->Width() / 2;
            y = caption.Top + 10;
            caption.Top += images->Height() + 5;
        } else {
            x = caption.Left;
            y = (caption.Top + caption.Bottom) / 2 - images->Height() / 2;
            caption.Left += images->Width() + 3;
        }
        ImageList_Draw(images->Handle(), band->ImageIndex(), canvas->Handle(), x, y, ILD_TRANSPARENT);
    }
    const String text = band ? band->Text() : String();
    if (!text.empty()) {
        canvas->Font()->Assign(FControl->Font());
        canvas->Font()->SetColor(ColorToRGB(GetStyleSystemColor(clBtnText, nullptr)));
        canvas->Brush()->SetStyle(bsClear);
        DrawSingleLineText(canvas, text, caption, false, false);
    }
    if (vertical) {
        const bool borders = (GetWindowLongW(Handle(), GWL_STYLE) & RBS_BANDBORDERS) != 0;
        const TRect grip = borders ? TRect(r.Left, r.Top + 3, r.Right, r.Top + 7) : TRect(r.Left, r.Top, r.Right, r.Top + 4);
        style->DrawElement(canvas->Handle(), TCustomStyleServices::GetElementDetails(trGripperVert), grip);
    } else {
        style->DrawElement(canvas->Handle(), TCustomStyleServices::GetElementDetails(trGripper),
                           TRect(r.Left + 2, r.Top + 2, r.Left + 6, r.Bottom - 2));
    }
}

void TscCoolBarStyleHook::Paint(TCanvas* canvas)
{
    TCustomStyleServices* style = StyleServices();
    if (!style || !style->Available() || !Handle())
        return;
    const TRect client = FControl->ClientRect();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(GetStyleSystemColor(clBtnFace, nullptr));
    canvas->FillRect(TRect(client.Left - 2, client.Top - 2, client.Right + 2, client.Bottom + 2));
    const int count = static_cast<int>(SendMessageW(Handle(), RB_GETBANDCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        PaintBand(canvas, i);
}
