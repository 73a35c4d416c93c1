#include "scComboBoxExStyleHook.h"

#include "Forms.h"
#include "WideText.h"

namespace {

// The hook that owns a subclassed inner combo box.
const wchar_t HookInnerComboProperty[] = L"TscComboBoxExStyleHook.Combo";

TPoint PointOf(LPARAM lParam) { return Point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))); }

} // namespace

LRESULT CALLBACK ComboExHookInnerWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* hook = static_cast<TscComboBoxExStyleHook*>(GetPropW(wnd, HookInnerComboProperty));
    if (!hook)
        return DefWindowProcW(wnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        const WNDPROC previous = hook->FDefComboBoxProc;
        hook->ReleaseInnerCombo();
        return CallWindowProcW(previous, wnd, msg, wParam, lParam);
    }
    TMessage message{msg, wParam, lParam, 0};
    try {
        hook->InnerComboWindowProc(message);
    } catch (...) {
        Application->HandleException(hook->Control());
    }
    return message.Result;
}

TscComboBoxExStyleHook::TscComboBoxExStyleHook(TWinControl* control) : TscComboBoxStyleHook(control)
{
    FOverridePaint = false;
    FOverridePaintNC = false;
    FTempItemIndex = -1;
    // A control made before the style was switched on has its inner combo box already.
    SubclassInnerCombo();
    RedrawInnerCombo();
}

TscComboBoxExStyleHook::~TscComboBoxExStyleHook()
{
    if (FComboBoxHandle) {
        const HWND combo = FComboBoxHandle;
        const WNDPROC previous = FDefComboBoxProc;
        ReleaseInnerCombo();
        SetWindowLongPtrW(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        InvalidateRect(combo, nullptr, TRUE);
    }
}

TscCustomComboBoxEx* TscComboBoxExStyleHook::KitControl() const { return dynamic_cast<TscCustomComboBoxEx*>(FControl); }

TCustomComboBoxEx* TscComboBoxExStyleHook::ExControl() const { return dynamic_cast<TCustomComboBoxEx*>(FControl); }

void TscComboBoxExStyleHook::SubclassInnerCombo()
{
    if (FComboBoxHandle || !Handle())
        return;
    const HWND combo = reinterpret_cast<HWND>(SendMessageW(Handle(), CBEM_GETCOMBOCONTROL, 0, 0));
    if (!combo)
        return;
    FComboBoxHandle = combo;
    SetPropW(combo, HookInnerComboProperty, this);
    FDefComboBoxProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboExHookInnerWindowProc)));
}

void TscComboBoxExStyleHook::ReleaseInnerCombo()
{
    RemovePropW(FComboBoxHandle, HookInnerComboProperty);
    FComboBoxHandle = nullptr;
}

void TscComboBoxExStyleHook::RedrawInnerCombo()
{
    if (FComboBoxHandle)
        RedrawWindow(FComboBoxHandle, nullptr, nullptr,
                     IsWindowsXP() ? RDW_INVALIDATE | RDW_ALLCHILDREN : RDW_INVALIDATE | RDW_UPDATENOW);
}

HWND TscComboBoxExStyleHook::EditWindow() const
{
    return Handle() ? reinterpret_cast<HWND>(SendMessageW(Handle(), CBEM_GETEDITCONTROL, 0, 0)) : nullptr;
}

bool TscComboBoxExStyleHook::IsChildHandle(HWND wnd) const
{
    return wnd && (TscComboBoxStyleHook::IsChildHandle(wnd) || wnd == FComboBoxHandle || wnd == EditWindow());
}

bool TscComboBoxExStyleHook::HasFocus() const
{
    const HWND focus = GetFocus();
    return focus && (focus == Handle() || IsChildHandle(focus));
}

int TscComboBoxExStyleHook::ShownIndex() const { return FDroppedDown ? FTempItemIndex : ComboItemIndex(); }

void TscComboBoxExStyleHook::MouseLeave()
{
    FMouseOnButton = false;
    RedrawInnerCombo();
}

void TscComboBoxExStyleHook::PaintPushButtonFace(TCanvas* canvas)
{
    TscCustomComboBoxEx* kit = KitControl();
    const bool showFocusRect = kit && kit->ShowFocusRect();
    const bool focused = HasFocus();
    TscsCtrlState state = FControl->Enabled() ? scsNormal : scsDisabled;
    if (FDroppedDown)
        state = scsPressed;
    else if (focused && !showFocusRect)
        state = scsFocused;
    else if (FMouseInControl)
        state = scsHot;
    TCustomStyleServices* style = StyleServices();
    const TscComboExFace face{state,
                              kit ? FControl->ScaleFactor() : 1.0,
                              ShownIndex(),
                              true,
                              GetSystemMetrics(SM_CXVSCROLL),
                              focused && !FDroppedDown && showFocusRect,
                              !UsesCustomStyle(FControl) && style->Enabled() && !IsWindowsXP()};
    PaintComboExFace(canvas, ExControl(), face);
}

void TscComboBoxExStyleHook::PaintInnerCombo(HDC dc)
{
    TCustomComboBoxEx* control = ExControl();
    TCustomStyleServices* style = StyleServices();
    const int width = FControl->Width();
    const int height = FControl->Height();
    if (!control || width * height == 0 || !style || !style->Available())
        return;
    TscCustomComboBoxEx* kit = KitControl();
    const TComboBoxExStyle comboStyle = control->Style();
    if (kit && !kit->DrawSelectionWithStyles() && comboStyle == csExDropDownList &&
        TStyleManager::SystemStyle()->Enabled() && !IsWindowsXP()) {
        TCanvas canvas;
        canvas.SetHandle(dc);
        PaintPushButtonFace(&canvas);
        canvas.SetHandle(nullptr);
        return;
    }
    const int index = ShownIndex();
    const bool enabled = FControl->Enabled();
    const bool focused = HasFocus();
    auto bitmap = MakeBitmap32(width, height);
    TCanvas* canvas = bitmap->Canvas();
    const HDC mem = canvas->Handle();
    const TThemedComboBox border = !enabled ? tcBorderDisabled
                                   : focused ? tcBorderFocused
                                   : FMouseInControl ? tcBorderHot
                                                     : tcBorderNormal;
    style->DrawElement(mem, TCustomStyleServices::GetElementDetails(border), TRect(0, 0, width, height));
    TRect button;
    GetDropButtonRect(button);
    const bool rightToLeft = FControl->BiDiMode() == bdRightToLeft;
    TRect t = InsetRect(FControl->ClientRect(), 3, 3);
    if (rightToLeft)
        t.Left = button.Right + 1;
    else
        t.Right = button.Left - 1;
    const TStyleElements elements = FControl->StyleElements();
    if (!elements.Contains(seClient)) {
        canvas->Brush()->SetColor(FControl->Color());
        canvas->FillRect(t);
    }
    if (comboStyle != csExSimple) {
        const TThemedComboBox look = !enabled ? tcDropDownButtonDisabled
                                     : FDroppedDown ? tcDropDownButtonPressed
                                     : FMouseOnButton ? tcDropDownButtonHot
                                                      : tcDropDownButtonNormal;
        style->DrawElement(mem, TCustomStyleServices::GetElementDetails(look), button, nullptr, FControl->CurrentPPI());
    }
    canvas->Font()->Assign(FControl->Font());
    if (elements.Contains(seFont))
        canvas->Font()->SetColor(style->GetStyleFontColor(enabled ? sfComboBoxItemNormal : sfComboBoxItemDisabled));
    if (comboStyle == csExDropDownList) {
        if (focused && index != -1) {
            if (kit && kit->SelectionStyle() == scstStyled) {
                DrawItemSelection(canvas, t, false, FControl, true);
                canvas->Font()->SetColor(GetSelectionTextColor(FControl));
            } else {
                const bool own = kit && kit->SelectionColor() != clNone;
                canvas->Brush()->SetColor(own ? kit->SelectionColor() : GetStyleSystemColor(clHighlight, FControl));
                canvas->FillRect(t);
                canvas->Font()->SetColor(own ? kit->SelectionTextColor() : GetStyleSystemColor(clHighlightText, FControl));
            }
        } else if (focused) {
            DrawScaledFocusRect(canvas, t, 1.0);
        } else {
            canvas->Brush()->SetColor(FBrush->Color());
            canvas->FillRect(t);
        }
    }
    const bool inRange = index >= 0 && index < control->ItemsEx()->Count();
    const auto native = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle(), CBEM_GETIMAGELIST, 0, 0));
    int nativeWidth = 0, nativeHeight = 0;
    if (native)
        ImageList_GetIconSize(native, &nativeWidth, &nativeHeight);
    if (comboStyle != csExSimple) {
        const int imageIndex = inRange ? control->ItemsEx()->Items(index)->ImageIndex() : -1;
        TCustomImageList* images = control->Images();
        const int w = images ? images->Width() : nativeWidth;
        const int h = images ? images->Height() : nativeHeight;
        const int top = std::max(t.Top, t.Top + t.Height() / 2 - h / 2);
        const int left = rightToLeft ? t.Right - w : 5;
        const bool nativeValid = native && imageIndex >= 0 && imageIndex < ImageList_GetImageCount(native);
        if (images && inRange) {
            if (IsImageIndexValid(images, imageIndex))
                DrawImageListImage(canvas, left, top, images, imageIndex, enabled);
        } else if (!images && inRange && nativeValid) {
            ImageList_DrawEx(native, imageIndex, mem, left, top, w, h, CLR_NONE, CLR_NONE, ILD_NORMAL);
        }
        if (inRange && (images || nativeValid)) {
            if (rightToLeft)
                t.Right -= w + 5;
            else
                t.Left = w + 10;
        } else if (!inRange || (!images && !native)) {
            if (rightToLeft)
                t.Right -= 5;
            else
                t.Left += 5;
        }
    }
    const bool edit = EditWindow() != nullptr;
    const auto drawText = [&](const String& text) {
        canvas->Brush()->SetStyle(bsClear);
        RECT r = ToWinRect(t);
        DrawTextW(mem, WidePtr(text), -1, &r, BiDiDrawTextFlags(DT_SINGLELINE | DT_VCENTER, rightToLeft));
    };
    // A copy for another device context shows the text where the edit window shows it.
    if (inRange) {
        if (FPaintCopy && edit) {
            if (control->Images() || nativeWidth > 0) {
                t.Top += 1;
                t.Left -= 2;
            } else {
                t.Left -= 4;
                t.Top += 2;
            }
        }
        drawText(control->ItemsEx()->Items(index)->Caption());
    } else if (edit && FPaintCopy && !FControl->Text().empty()) {
        if (control->Images()) {
            t.Top += 1;
            t.Left += control->Images()->Width();
        } else if (!native) {
            t.Left -= 4;
            t.Top += 2;
        }
        drawText(FControl->Text());
    }
    BitBlt(dc, 0, 0, width, height, mem, 0, 0, SRCCOPY);
}

void TscComboBoxExStyleHook::InnerComboWindowProc(TMessage& message)
{
    const HWND combo = FComboBoxHandle;
    const auto passOn = [&] {
        message.Result = CallWindowProcW(FDefComboBoxProc, combo, message.Msg, message.WParam, message.LParam);
    };
    switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CB_SETCURSEL:
        if (FControl->Visible()) {
            SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
            passOn();
            SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
            RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            return;
        }
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        const HDC given = reinterpret_cast<HDC>(message.WParam);
        PaintInnerCombo(given ? given : BeginPaint(combo, &ps));
        if (!given)
            EndPaint(combo, &ps);
        message.Result = 0;
        return;
    }
    case WM_ERASEBKGND:
        PaintInnerCombo(reinterpret_cast<HDC>(message.WParam));
        message.Result = 1;
        return;
    case WM_NCCALCSIZE:
        if (IsWindowsXP()) {
            message.Result = WVR_VALIDRECTS;
            return;
        }
        break;
    case WM_NCPAINT:
        if (IsWindowsXP()) {
            message.Result = 1;
            return;
        }
        break;
    case WM_CTLCOLORLISTBOX:
        if (!FListHandle && message.LParam)
            SubclassList(reinterpret_cast<HWND>(message.LParam));
        break;
    case WM_MOUSEMOVE: {
        if (!FMouseInControl && Handle()) {
            FMouseInControl = true;
            SetTimer(Handle(), HotTrackTimer, 100, nullptr);
            MouseEnter();
        }
        TRect button;
        GetDropButtonRect(button);
        const bool onButton = button.Contains(PointOf(message.LParam));
        if (onButton != FMouseOnButton) {
            FMouseOnButton = onButton;
            const RECT r = ToWinRect(button);
            InvalidateRect(combo, &r, FALSE);
        }
        break;
    }
    default:
        break;
    }
    passOn();
}

void TscComboBoxExStyleHook::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_SCPAINTTODC:
        if (EditWindow()) {
            FPaintCopy = true;
            PaintInnerCombo(reinterpret_cast<HDC>(message.WParam));
            FPaintCopy = false;
        }
        FHandled = true;
        return;
    case CM_SCCANPAINTTODC:
        message.Result = ScCanPaintToDCAnswer;
        FHandled = true;
        return;
    case WM_PARENTNOTIFY:
        if (TStyleManager::SystemStyle()->Enabled())
            TscComboBoxStyleHook::WndProc(message);
        return;
    case WM_NCPAINT:
        if (!FComboBoxHandle) {
            SubclassInnerCombo();
            if (IsWindowsXP() && FComboBoxHandle)
                SetWindowPos(FComboBoxHandle, nullptr, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
        return;
    case WM_DRAWITEM: {
        // The system control's inner combo box asks its parent, the control's window, to draw
        // its items.
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
        if (item && FComboBoxHandle && item->hwndItem == FComboBoxHandle && ExControl()) {
            TscCustomComboBoxEx* kit = KitControl();
            const TscComboExItemPaint paint{kit ? &kit->Look() : nullptr, FControl};
            PaintComboExItem(item->hDC, FromWinRect(item->rcItem), item->itemState & ODS_SELECTED,
                             static_cast<int>(item->itemID), ExControl(), paint);
            message.Result = 1;
            FHandled = true;
            return;
        }
        break;
    }
    case WM_COMMAND:
        CallDefaultProc(message);
        switch (HIWORD(message.WParam)) {
        case CBN_SELCHANGE:
            if (FDroppedDown)
                FTempItemIndex = ComboItemIndex();
            RedrawInnerCombo();
            break;
        case CBN_SETFOCUS:
        case CBN_KILLFOCUS:
        case CBN_SELENDOK:
            RedrawInnerCombo();
            break;
        case CBN_DROPDOWN:
            FTempItemIndex = ComboItemIndex();
            FDroppedDown = true;
            RedrawInnerCombo();
            break;
        case CBN_CLOSEUP:
            FDroppedDown = false;
            RedrawInnerCombo();
            break;
        default:
            break;
        }
        FHandled = true;
        return;
    default:
        break;
    }
    TscComboBoxStyleHook::WndProc(message);
}
