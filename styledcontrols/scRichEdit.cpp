#include "scRichEdit.h"

#include <richedit.h>

TAVIN_PUBLISHED(TscRichEdit)
{
    TAVIN_PROPERTY(bool, StyleColors).Default(true);
}

TscRichEdit::TscRichEdit(TComponent* owner) : TCustomRichEdit(owner) {}

void TscRichEdit::CreateParams(TCreateParams& params)
{
    TCustomRichEdit::CreateParams(params);
    params.WindowClassStyle |= CS_HREDRAW | CS_VREDRAW;
}

void TscRichEdit::WndProc(TMessage& message)
{
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    TCustomRichEdit::WndProc(message);
    // The whole text takes the font colour, or the style's through the hook.
    if (message.Msg == CM_STYLECHANGED && !ComponentState().Contains(csLoading) && HandleAllocated()) {
        CHARFORMAT2W format{};
        format.cbSize = sizeof(format);
        format.dwMask = CFM_COLOR;
        format.crTextColor = static_cast<COLORREF>(ColorToRGB(Font()->Color()));
        SendMessageW(Handle(), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    }
}

// ---------------------------------------------------------------------------------------------

bool TscRichEditStyleHook::UseStyleColors() const
{
    if (auto* edit = dynamic_cast<const TscRichEdit*>(FControl))
        return edit->StyleColors();
    return FControl->StyleElements().Contains(seClient);
}

void TscRichEditStyleHook::WndProc(TMessage& message)
{
    TCustomStyleServices* style = StyleServices();
    const bool enabled = FControl->Enabled();
    if (message.Msg == EM_SETBKGNDCOLOR && UseStyleColors() && FControl->StyleElements().Contains(seClient))
        message.LParam = static_cast<LPARAM>(ColorToRGB(style->GetStyleColor(scEdit)));
    if (message.Msg == EM_SETCHARFORMAT && UseStyleColors()) {
        auto* format = reinterpret_cast<CHARFORMAT2W*>(message.LParam);
        if (format && (format->dwMask & CFM_COLOR)) {
            if (FControl->StyleElements().Contains(seFont))
                format->crTextColor = static_cast<COLORREF>(
                    ColorToRGB(style->GetStyleFontColor(enabled ? sfEditBoxTextNormal : sfEditBoxTextDisabled)));
            if (format->cbSize >= sizeof(CHARFORMAT2W))
                format->crBackColor = static_cast<COLORREF>(ColorToRGB(style->GetStyleColor(enabled ? scEdit : scEditDisabled)));
            format->dwEffects &= ~static_cast<DWORD>(CFE_AUTOCOLOR);
        }
    }
    TscScrollingStyleHook::WndProc(message);
    if (message.Msg == WM_WINDOWPOSCHANGED &&
        !(reinterpret_cast<const WINDOWPOS*>(message.LParam)->flags & SWP_NOSIZE))
        RepaintScrollWindows();
}
