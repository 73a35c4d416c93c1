#include "scComboBoxEx.h"

#include "Forms.h"
#include "Themes.h"
#include "WideText.h"
#include "scComboFace.h"

namespace {

// The control that owns a subclassed inner combo box.
const wchar_t InnerComboProperty[] = L"TscCustomComboBoxEx.Combo";

// The images an extended combo box's items show: the control's list, else the system control's own.
struct TComboExImages {
    TCustomImageList* List = nullptr;
    HIMAGELIST Native = nullptr;
    int Width = 0;
    int Height = 0;
};

TComboExImages ImagesOf(TCustomComboBoxEx* control)
{
    TComboExImages images;
    if ((images.List = control->Images())) {
        images.Width = images.List->Width();
        images.Height = images.List->Height();
    } else if ((images.Native = reinterpret_cast<HIMAGELIST>(SendMessageW(control->Handle(), CBEM_GETIMAGELIST, 0, 0)))) {
        ImageList_GetIconSize(images.Native, &images.Width, &images.Height);
    }
    return images;
}

// The item's image at left, centred vertically in the rectangle but never above its top; true
// when there was one to draw.
bool DrawComboExImage(TCanvas* canvas, const TComboExImages& images, TCustomComboBoxEx* control, int index, int left,
                      const TRect& r, bool enabled)
{
    const int imageIndex = control->ItemsEx()->Items(index)->ImageIndex();
    const int top = std::max(r.Top, r.Top + r.Height() / 2 - images.Height / 2);
    if (images.List) {
        if (!IsImageIndexValid(images.List, imageIndex))
            return false;
        DrawImageListImage(canvas, left, top, images.List, imageIndex, enabled);
        return true;
    }
    if (!images.Native || imageIndex < 0 || imageIndex >= ImageList_GetImageCount(images.Native))
        return false;
    ImageList_DrawEx(images.Native, imageIndex, canvas->Handle(), left, top, images.Width, images.Height, CLR_NONE,
                     CLR_NONE, ILD_NORMAL);
    return true;
}

void DrawComboExCaption(TCanvas* canvas, TCustomComboBoxEx* control, int index, TRect r, bool rightToLeft)
{
    canvas->Brush()->SetStyle(bsClear);
    RECT text = ToWinRect(r);
    DrawTextW(canvas->Handle(), WidePtr(control->ItemsEx()->Items(index)->Caption()), -1, &text,
              BiDiDrawTextFlags(DT_SINGLELINE | DT_VCENTER, rightToLeft));
}

bool InRange(const TCustomComboBoxEx* control, int index) { return index >= 0 && index < control->ItemsEx()->Count(); }

} // namespace

void PaintComboExFace(TCanvas* canvas, TCustomComboBoxEx* control, const TscComboExFace& face)
{
    const bool rightToLeft = control->BiDiMode() == bdRightToLeft;
    const TscComboFaceParts parts{
        face.State, face.PushButton, face.Scale, face.FocusRect, 1, face.ThemedButton, false,
        [&](TCanvas* c, TRect r) {
            if (!InRange(control, face.ItemIndex))
                return;
            const TComboExImages images = ImagesOf(control);
            const int left = rightToLeft ? r.Right - images.Width : 5;
            const bool drawn = DrawComboExImage(c, images, control, face.ItemIndex, left, r, control->Enabled());
            // With the control's images the text makes room whether or not the item has one.
            if (images.List || drawn) {
                if (rightToLeft)
                    r.Right -= images.Width + 5;
                else
                    r.Left = images.Width + 10;
            } else if (!images.Native) {
                if (rightToLeft)
                    r.Right -= 5;
                else
                    r.Left += 5;
            }
            DrawComboExCaption(c, control, face.ItemIndex, r, rightToLeft);
        }};
    DrawComboFaceParts(control, canvas, parts);
}

void PaintComboExItem(HDC dc, const TRect& rect, bool selected, int index, TCustomComboBoxEx* control,
                      const TscComboExItemPaint& paint)
{
    if (!InRange(control, index) || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    auto bitmap = MakeBitmap32(rect.Width(), rect.Height());
    TCanvas* canvas = bitmap->Canvas();
    canvas->Font()->Assign(control->Font());
    const TRect r(0, 0, rect.Width(), rect.Height());
    const TStyleElements elements = control->StyleElements();
    TColor text = control->Font()->Color();
    TColor back = elements.Contains(seClient) ? StyleServices(control)->GetStyleColor(scComboBox) : control->Color();
    const bool colored = selected && (!paint.Look || paint.Look->Style == scstColor);
    if (colored) {
        const bool own = paint.Look && paint.Look->Color != clNone;
        back = own ? paint.Look->Color : GetStyleSystemColor(clHighlight, control);
        text = own ? paint.Look->TextColor : GetStyleSystemColor(clHighlightText, control);
    } else if (elements.Contains(seFont)) {
        text = selected ? GetSelectionTextColor(control) : StyleServices(control)->GetStyleFontColor(sfComboBoxItemNormal);
    }
    canvas->Font()->SetColor(text);
    canvas->Brush()->SetColor(back);
    canvas->FillRect(r);
    if (selected && !colored)
        DrawItemSelection(canvas, r, false, paint.SelectionControl, true);
    const bool rightToLeft = control->BiDiMode() == bdRightToLeft;
    const int indent = control->ItemsEx()->Items(index)->Indent();
    int x = indent >= 1 ? indent * 10 + 5 : 5;
    const TComboExImages images = ImagesOf(control);
    const bool drawn =
        DrawComboExImage(canvas, images, control, index, rightToLeft ? r.Right - x - images.Width : x, r, true);
    if (images.List || drawn)
        x += images.Width + 5;
    DrawComboExCaption(canvas, control, index, rightToLeft ? TRect(5, 0, r.Right - x, r.Bottom) : TRect(x, 0, r.Right, r.Bottom),
                       rightToLeft);
    BitBlt(dc, rect.Left, rect.Top, r.Width(), r.Height(), canvas->Handle(), 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------------------------

LRESULT CALLBACK ComboExInnerWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* control = static_cast<TscCustomComboBoxEx*>(GetPropW(wnd, InnerComboProperty));
    if (!control)
        return DefWindowProcW(wnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        const WNDPROC previous = control->FDefComboBoxProc;
        control->ReleaseInnerCombo();
        return CallWindowProcW(previous, wnd, msg, wParam, lParam);
    }
    TMessage message{msg, wParam, lParam, 0};
    try {
        control->InnerComboWindowProc(message);
    } catch (...) {
        Application->HandleException(control);
    }
    return message.Result;
}

TAVIN_PUBLISHED(TscCustomComboBoxEx)
{
    TAVIN_PROPERTY(TscComboStyleKind, StyleKind).Default(scscbDefault);
    TAVIN_PROPERTY(TscSelectionStyle, SelectionStyle).Default(scstStyled);
    TAVIN_PROPERTY(TColor, SelectionColor).Default(clNone);
    TAVIN_PROPERTY(TColor, SelectionTextColor).Default(clHighlightText);
    TAVIN_PROPERTY(bool, DrawSelectionWithStyles).Default(false);
    TAVIN_PROPERTY(bool, ShowFocusRect).Default(true);
}

TAVIN_PUBLISHED(TscComboBoxEx)
{
    TAVIN_COMBO_BOX_EX_PROPERTIES
}

TscCustomComboBoxEx::TscCustomComboBoxEx(TComponent* owner) : TCustomComboBoxEx(owner) {}

TscCustomComboBoxEx::~TscCustomComboBoxEx()
{
    if (FComboBoxHandle) {
        const HWND combo = FComboBoxHandle;
        const WNDPROC previous = FDefComboBoxProc;
        ReleaseInnerCombo();
        SetWindowLongPtrW(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    }
}

void TscCustomComboBoxEx::CreateWnd()
{
    TCustomComboBoxEx::CreateWnd();
    SubclassInnerCombo();
}

void TscCustomComboBoxEx::SubclassInnerCombo()
{
    if (IsWindowsXP())
        return;
    const HWND combo = ComboHandle();
    if (!combo || combo == FComboBoxHandle)
        return;
    FComboBoxHandle = combo;
    SetPropW(combo, InnerComboProperty, this);
    FDefComboBoxProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboExInnerWindowProc)));
}

void TscCustomComboBoxEx::ReleaseInnerCombo()
{
    RemovePropW(FComboBoxHandle, InnerComboProperty);
    FComboBoxHandle = nullptr;
}

bool TscCustomComboBoxEx::IsCustomFaceDrawn() const
{
    return Style() == csExDropDownList &&
           (FStyleKind == scscbPushButton || (!IsWindowsXP() && TStyleManager::SystemStyle()->Enabled()));
}

bool TscCustomComboBoxEx::DrawsOwnItems() const
{
    return IsCustomFaceDrawn() || (TStyleManager::SystemStyle()->Enabled() && !IsWindowsXP());
}

bool TscCustomComboBoxEx::IsFocusedInside() const
{
    const HWND focus = GetFocus();
    return focus && (focus == HandleIfAllocated() || focus == FComboBoxHandle);
}

void TscCustomComboBoxEx::RedrawInner()
{
    if (FComboBoxHandle)
        RedrawWindow(FComboBoxHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TscCustomComboBoxEx::BeginUpdate()
{
    if (Visible() && FComboBoxHandle)
        SendMessageW(FComboBoxHandle, WM_SETREDRAW, FALSE, 0);
}

void TscCustomComboBoxEx::EndUpdate()
{
    if (!Visible() || !FComboBoxHandle)
        return;
    SendMessageW(FComboBoxHandle, WM_SETREDRAW, TRUE, 0);
    RedrawInner();
}

void TscCustomComboBoxEx::DrawComboBox(TCanvas* canvas)
{
    const bool dropped = DroppedDown();
    const bool focused = IsFocusedInside();
    TscsCtrlState state = Enabled() ? scsNormal : scsDisabled;
    if (dropped)
        state = scsPressed;
    else if (!FLook.ShowFocusRect && focused)
        state = scsFocused;
    else if (FMouseIn)
        state = scsHot;
    const TscComboExFace face{state,
                              1.0,
                              ItemIndex(),
                              false,
                              GetControlSystemMetrics(this, SM_CXVSCROLL),
                              focused && !dropped && FLook.ShowFocusRect,
                              !UsesCustomStyle(this) && StyleServices(this)->Enabled() && !IsWindowsXP()};
    PaintComboExFace(canvas, this, face);
}

void TscCustomComboBoxEx::DrawComboBoxToDC(HDC dc)
{
    TCanvas canvas;
    canvas.SetHandle(dc);
    DrawComboBox(&canvas);
    canvas.SetHandle(nullptr);
}

void TscCustomComboBoxEx::InnerComboWindowProc(TMessage& message)
{
    const HWND combo = FComboBoxHandle;
    const auto passOn = [&](TMessage& m) { m.Result = CallWindowProcW(FDefComboBoxProc, combo, m.Msg, m.WParam, m.LParam); };
    if (UsesCustomStyle(this)) {
        passOn(message);
        return;
    }
    switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CB_SETCURSEL:
        if (Visible() && Style() == csExDropDownList) {
            SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
            passOn(message);
            SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
            RedrawInner();
            return;
        }
        break;
    case WM_PAINT:
        if (IsCustomFaceDrawn()) {
            PAINTSTRUCT ps{};
            const HDC given = reinterpret_cast<HDC>(message.WParam);
            DrawComboBoxToDC(given ? given : BeginPaint(combo, &ps));
            if (!given)
                EndPaint(combo, &ps);
            message.Result = 0;
            return;
        }
        break;
    case WM_ERASEBKGND:
        if (IsCustomFaceDrawn()) {
            DrawComboBoxToDC(reinterpret_cast<HDC>(message.WParam));
            message.Result = 1;
            return;
        }
        break;
    case WM_MOUSELEAVE:
        FMouseIn = false;
        if (IsCustomFaceDrawn())
            RedrawInner();
        break;
    default:
        if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSEHWHEEL && !FMouseIn) {
            FMouseIn = true;
            // The hot look ends when the mouse leaves, which the system tells only when asked.
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, combo, 0};
            TrackMouseEvent(&track);
            if (IsCustomFaceDrawn())
                RedrawInner();
        }
        break;
    }
    passOn(message);
}

void TscCustomComboBoxEx::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_DRAWITEM: {
        // The system control's inner combo box asks its parent, this window, to draw its items.
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
        if (item && item->hwndItem == FComboBoxHandle && FComboBoxHandle && !UsesCustomStyle(this) && DrawsOwnItems()) {
            const TscComboExItemPaint paint{&FLook, nullptr};
            PaintComboExItem(item->hDC, FromWinRect(item->rcItem), item->itemState & ODS_SELECTED,
                             static_cast<int>(item->itemID), this, paint);
            message.Result = 1;
            return;
        }
        break;
    }
    case CM_SCCANPAINTTODC:
        message.Result = IsCustomFaceDrawn() ? ScCanPaintToDCAnswer : 0;
        return;
    case CM_SCPAINTTODC:
        DrawComboBoxToDC(reinterpret_cast<HDC>(message.WParam));
        return;
    case WM_SCPARENTBGCHANGED:
        if (IsCustomFaceDrawn() && HandleAllocated())
            RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        return;
    case CN_COMMAND:
        // The face shows the choice at once.
        if (IsCustomFaceDrawn() && (HIWORD(message.WParam) == CBN_SELCHANGE || HIWORD(message.WParam) == CBN_CLOSEUP ||
                                    HIWORD(message.WParam) == CBN_DROPDOWN))
            RedrawInner();
        break;
    default:
        break;
    }
    TCustomComboBoxEx::WndProc(message);
}
