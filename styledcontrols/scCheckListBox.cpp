// The styled check list box: the list box's item painting with a themed or styled check box in
// front of each item, scaled with the control.
#include "scListControls.h"

TAVIN_PUBLISHED(TscCheckListBox)
{
    TAVIN_PROPERTY(TStrings*, Items);
    TAVIN_PROPERTY(int, ItemIndex).Default(-1);
    TAVIN_PROPERTY(bool, MultiSelect).Default(false);
    TSC_LINED_ITEM_LIST_PROPERTIES
    TAVIN_PROPERTY(int, ItemHeight).Default(16);
    TAVIN_PROPERTY(TscDrawItemEvent, OnDrawItem);
    TAVIN_PROPERTY(TscGetDrawItemParamsEvent, OnGetDrawItemParams);
}

TscCheckListBox::TscCheckListBox(TComponent* owner) : TscLinedItemListOf(owner) {}

int TscCheckListBox::MeasureCheckBox()
{
    const HDC dc = GetDC(nullptr);
    TCanvas canvas;
    canvas.SetHandle(dc);
    FCheckBoxWidth = GetCheckBoxSize(&canvas, this, ScaleFactor());
    canvas.SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
    return FCheckBoxWidth;
}

void TscCheckListBox::DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state)
{
    MeasureCheckBox();
    PaintItemContent(canvas, rect, index, state,
                     ItemContentOf(this, index, FTabWidths.get(), TscItemFlavour::CheckListBox));
}

void TscCheckListBox::PaintCheckItem(const DRAWITEMSTRUCT& item)
{
    const TscListItemPaint paint{
        this,
        FLook,
        FShowLines,
        FLineColor,
        MeasureCheckBox(),
        [this](TCanvas* canvas, const TRect& box, int index) {
            // A grayed item shows the mixed mark, not an empty box.
            const int kind = State(index) == cbChecked ? 1 : State(index) == cbGrayed ? 2 : 0;
            DrawCheckBoxCentered(canvas, box, scsNormal, this, ScaleFactor(), kind);
        },
        [this](TCanvas* canvas, TRect r, int index, TOwnerDrawState state) {
            if (!DrawItemByEvent(index, state, canvas, r))
                DrawItemContent(canvas, r, index, state);
        }};
    PaintListBoxItem(item, paint);
}

void TscCheckListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (FCheckBoxWidth > 13) {
        // A check box drawn wider than the framework's check strip: a press on it counts as one on the strip.
        const int index = ItemAtPos(Point(x, y), true);
        const TRect r = index >= 0 ? ItemRect(index) : ClientRect();
        if (BiDiMode() == bdRightToLeft) {
            if (x > r.Right - FCheckBoxWidth - 4)
                x = r.Right - 10;
        } else if (x < FCheckBoxWidth + 4) {
            x = 10;
        }
    }
    TCheckListBox::MouseDown(button, shift, x, y);
    if (IsWindowsXP() && button == mbLeft && HandleAllocated()) {
        const int index = ItemAtPos(Point(x, y), true);
        if (index >= 0) {
            const RECT r = ToWinRect(ItemRect(index));
            InvalidateRect(FHandle, &r, FALSE);
        }
    }
}

void TscCheckListBox::KeyPress(Char& key)
{
    const Char pressed = key;
    TCheckListBox::KeyPress(key);
    if (IsWindowsXP() && pressed == u' ' && ItemIndex() != -1 && HandleAllocated()) {
        const RECT r = ToWinRect(ItemRect(ItemIndex()));
        InvalidateRect(FHandle, &r, FALSE);
    }
}

void TscCheckListBox::ChangeScale(int m, int d, bool isDpiChange)
{
    const int height = MulDiv(ItemHeight(), m, d);
    TCheckListBox::ChangeScale(m, d, isDpiChange);
    SetItemHeight(height);
}

void TscCheckListBox::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_DRAWITEM:
        PaintCheckItem(*reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam));
        message.Result = 1;
        return;
    case WM_ERASEBKGND:
        if (EraseBelowListItems(this, reinterpret_cast<HDC>(message.WParam), true)) {
            message.Result = 1;
            return;
        }
        break;
    case WM_SIZE:
        TCheckListBox::WndProc(message);
        Repaint();
        return;
    default:
        break;
    }
    TCheckListBox::WndProc(message);
}
