// The styled combo box: list items painted like the styled list box's, and in a drop-down list on
// a themed system (or on request) its own push-button face with the item and a drop-down arrow.
#include "scListControls.h"

#include "Themes.h"
#include "scComboBoxStyleHook.h"
#include "scComboFace.h"

TAVIN_PUBLISHED(TscCustomComboBox)
{
    TAVIN_PROPERTY(bool, FluentUIOpaque).Default(false);
}

TAVIN_PUBLISHED(TscComboBox)
{
    TAVIN_PROPERTY(TComboBoxStyle, Style).Default(csDropDown);
    TAVIN_PROPERTY(int, ItemIndex).Default(-1);
    TAVIN_PROPERTY(TStrings*, Items);
    TAVIN_PROPERTY(bool, WordBreak).Default(false);
    TAVIN_PROPERTY(String, TitleDivider);
    TAVIN_PROPERTY(TscSelectionStyle, SelectionStyle).Default(scstStyled);
    TAVIN_PROPERTY(TColor, SelectionColor).Default(clNone);
    TAVIN_PROPERTY(TColor, SelectionTextColor).Default(clHighlightText);
    TAVIN_PROPERTY(TCustomImageList*, Images);
    TAVIN_PROPERTY(int, ImageIndex).Default(-1);
    TAVIN_PROPERTY(int, ItemHeight).Default(16);
    TAVIN_PROPERTY(TscComboStyleKind, StyleKind).Default(scscbDefault);
    TAVIN_PROPERTY(bool, ShowFocusRect).Default(true);
    TAVIN_PROPERTY(int, DropDownCount).Default(8);
    TAVIN_PROPERTY(String, Text);
    TAVIN_PROPERTY(TscDrawItemEvent, OnDrawItem);
    TAVIN_PROPERTY(TscGetDrawItemParamsEvent, OnGetDrawItemParams);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
    TAVIN_PROPERTY(TNotifyEvent, OnSelect);
    TAVIN_PROPERTY(TNotifyEvent, OnCloseUp);
}

TscCustomComboBox::TscCustomComboBox(TComponent* owner) : TscItemListOf(owner) {}

bool TscCustomComboBox::IsFluentUIOpaqueActive() const { return IsFluentUIOpaqueActiveFor(this, FFluentUIOpaque); }

void TscCustomComboBox::SetFluentUIOpaque(bool value)
{
    ChangeFluentUIOpaque(this, FFluentUIOpaque, value);
}

void TscCustomComboBox::CreateParams(TCreateParams& params)
{
    TCustomComboBox::CreateParams(params);
    // Items and the selection field are always owner-drawn and measured.
    params.Style = (params.Style & ~static_cast<DWORD>(CBS_OWNERDRAWFIXED)) | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS;
    if (IsFluentUIOpaqueActive())
        params.ExStyle |= WS_EX_LAYERED;
}

void TscCustomComboBox::CreateWnd()
{
    TCustomComboBox::CreateWnd();
    ApplyFluentUIOpaque(this, IsFluentUIOpaqueActive());
}

void TscCustomComboBox::SetItemHeight(int value)
{
    if (value <= 0 || value == FItemHeight)
        return;
    FItemHeight = value;
    RecreateWnd();
}

int TscCustomComboBox::FontItemHeight()
{
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, Font()->Handle());
    SIZE size{};
    GetTextExtentPoint32W(dc, L"Wq", 2, &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cy + 2;
}

void TscCustomComboBox::SetStyle(TComboBoxStyle value)
{
    TCustomComboBox::SetStyle(value);
    if (Style() == csDropDown) {
        SetItemHeight(FontItemHeight());
        FStyleKind = scscbDefault;
    } else if (Style() == csSimple) {
        FStyleKind = scscbDefault;
    }
}

void TscCustomComboBox::SetStyleKind(TscComboStyleKind value)
{
    if (Style() == csDropDown || Style() == csSimple)
        value = scscbDefault;
    ChangeAndInvalidate(this, FStyleKind, value);
}

void TscCustomComboBox::ChangeScale(int m, int d, bool isDpiChange)
{
    const int height = MulDiv(ItemHeight(), m, d);
    const int before = Height();
    TCustomComboBox::ChangeScale(m, d, isDpiChange);
    if (Style() != csDropDown && Style() != csSimple)
        SetItemHeight(height);
    else if (ComponentState().Contains(csLoading) && Height() == before)
        SetItemHeight(height);
}

void TscCustomComboBox::AddMRUItem(const String& value) { ::AddMRUItem(Items(), value); }

bool TscCustomComboBox::IsCustomFaceDrawn() const
{
    if (FStyleKind == scscbPushButton && Style() != csDropDown && Style() != csSimple)
        return true;
    return Style() == csDropDownList && !IsWindowsXP() && TStyleManager::SystemStyle()->Enabled();
}

void TscCustomComboBox::DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state, bool)
{
    PaintItemContent(canvas, rect, index, state, ItemContentOf(this, index, nullptr, TscItemFlavour::ComboBox));
}

void TscCustomComboBox::DrawItemOrEvent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state, bool faceItem)
{
    if (!DrawItemByEvent(index, state, canvas, rect))
        DrawItemContent(canvas, rect, index, state, faceItem);
}

void TscCustomComboBox::DrawComboFace(TCanvas* canvas)
{
    const TscComboFace face{false, 1, DroppedDown() ? FTempItemIndex : ItemIndex(),
                            [this](TCanvas* c, TRect r, int index, TOwnerDrawState state) {
                                DrawItemOrEvent(c, r, index, state, true);
                            }};
    DrawKitComboFace(this, FLook, canvas, face);
}

void TscCustomComboBox::RedrawNow()
{
    if (HandleAllocated())
        RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TscCustomComboBox::PaintToDC(HDC dc, int x, int y)
{
    FControlState.Include(csPaintCopy);
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, x, y, nullptr);
    IntersectClipRect(dc, 0, 0, Width(), Height());
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
    FControlState.Exclude(csPaintCopy);
}

void TscCustomComboBox::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_DRAWITEM:
        PaintComboListItem(this, FLook, *reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam),
                           [this](TCanvas* canvas, TRect r, int index, TOwnerDrawState state) {
                               DrawItemOrEvent(canvas, r, index, state, false);
                           });
        message.Result = 1;
        return;
    case CN_COMMAND: {
        const UINT code = HIWORD(message.WParam);
        if (code == CBN_SELCHANGE || code == CBN_DROPDOWN) {
            FTempItemIndex = ItemIndex();
            RedrawNow();
        }
        // The style hook sees the combo box's window only; the notifications reach its parent.
        if (auto* hook = dynamic_cast<TscComboBoxStyleHook*>(StyleHook()))
            hook->ComboNotification(code);
        break;
    }
    case WM_PAINT:
    case WM_ERASEBKGND:
        if (IsCustomFaceDrawn()) {
            PaintKitComboFaceMessage(this, message, [this](TCanvas* canvas) { DrawComboFace(canvas); });
            return;
        }
        break;
    case WM_SCPARENTBGCHANGED:
        if (IsCustomFaceDrawn())
            RedrawNow();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TCustomComboBox::WndProc(message);
        if (IsCustomFaceDrawn())
            Invalidate();
        return;
    case CM_ENABLEDCHANGED:
        TCustomComboBox::WndProc(message);
        Invalidate();
        return;
    case CM_FONTCHANGED:
        TCustomComboBox::WndProc(message);
        if (Style() == csDropDown)
            SetItemHeight(FontItemHeight());
        return;
    case CM_SCPAINTTODC: {
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        if (HandleAllocated() && GetComboBoxInfo(FHandle, &info) && info.hwndItem && info.hwndItem != FHandle) {
            const HDC dc = reinterpret_cast<HDC>(message.WParam);
            const int saved = SaveDC(dc);
            OffsetViewportOrgEx(dc, 3, 3, nullptr);
            SendMessageW(info.hwndItem, WM_PAINT, message.WParam, 0);
            RestoreDC(dc, saved);
        }
        return;
    }
    case CM_SCCANPAINTTODC:
        message.Result = ScCanPaintToDCAnswer;
        return;
    default:
        if (IsCustomFaceDrawn() &&
            RunWithFaceRedrawOff(this, message, [this](TMessage& m) { TCustomComboBox::WndProc(m); }))
            return;
        break;
    }
    TCustomComboBox::WndProc(message);
    HandleFluentUIOpaqueTimer(this, message, IsFluentUIOpaqueActive());
}
