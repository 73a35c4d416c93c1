#include "scListBoxStyleHook.h"

#include "StdCtrls.h"

TscListBoxStyleHook::TscListBoxStyleHook(TWinControl* control) : TscScrollingStyleHook(control)
{
    FOverrideEraseBkgnd = true;
    UpdateListColors();
}

void TscListBoxStyleHook::UpdateListColors()
{
    TCustomStyleServices* style = StyleServices();
    const bool enabled = FControl->Enabled();
    FBrush->SetColor(style->GetStyleColor(enabled ? scListBox : scListBoxDisabled));
    FFontColor = FControl->StyleElements().Contains(seFont)
                     ? style->GetStyleFontColor(enabled ? sfListItemTextNormal : sfListItemTextDisabled)
                     : FControl->Font()->Color();
}

void TscListBoxStyleHook::EraseUnusedArea(HDC dc)
{
    const TRect client = FControl->ClientRect();
    TRect area = client;
    if (const auto* list = dynamic_cast<TCustomListBox*>(FControl)) {
        const int h = list->ItemHeight();
        const int n = list->Items()->Count();
        if (n > 0 && h > 0) {
            const int top = list->TopIndex();
            // The partly visible row counts as shown.
            const int last = std::min(client.Height() / h + top, n - 1);
            area.Top = std::max(0, last - top + 1) * h;
        }
    }
    if (area.IsEmpty())
        return;
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Brush()->SetColor(FBrush->Color());
    canvas.FillRect(area);
    canvas.SetHandle(nullptr);
}

void TscListBoxStyleHook::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_ENABLE:
        // The window is enabled or disabled with the control; it repaints itself in the new colours.
        UpdateListColors();
        break;
    case WM_ERASEBKGND: {
        const auto* list = dynamic_cast<TCustomListBox*>(FControl);
        if (list && list->Columns() != 0)
            break;
        EraseUnusedArea(reinterpret_cast<HDC>(message.WParam));
        message.Result = 1;
        FHandled = true;
        return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        FFocused = message.Msg == WM_SETFOCUS;
        CallDefaultProc(message);
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        FHandled = true;
        return;
    default:
        break;
    }
    TscScrollingStyleHook::WndProc(message);
}
