#include "CheckLst.h"

TAVIN_PUBLISHED(TCheckListBox)
{
    TAVIN_PROPERTY(TStrings*, Items);
    TAVIN_PROPERTY(int, ItemIndex).Default(-1);
    TAVIN_PROPERTY(int, ItemHeight).Default(16);
    TAVIN_PROPERTY(bool, AllowGrayed).Default(false);
    TAVIN_PROPERTY(TNotifyEvent, OnClickCheck);
    TAVIN_PROPERTY(TDrawItemEvent, OnDrawItem);
}

TCheckListBox::TCheckListBox(TComponent* owner) : TCustomListBox(owner)
{
    SetStyle(lbOwnerDrawFixed);
}

TCheckBoxState TCheckListBox::State(int index) const
{
    return index >= 0 && index < static_cast<int>(FStates.size()) ? FStates[static_cast<size_t>(index)]
                                                                  : cbUnchecked;
}

void TCheckListBox::SetState(int index, TCheckBoxState value)
{
    if (index < 0 || index >= Count())
        return;
    if (FStates.size() < static_cast<size_t>(Count()))
        FStates.resize(static_cast<size_t>(Count()), cbUnchecked);
    if (FStates[static_cast<size_t>(index)] == value)
        return;
    FStates[static_cast<size_t>(index)] = value;
    InvalidateItem(index);
}

void TCheckListBox::ItemInserted(int index)
{
    if (static_cast<size_t>(index) <= FStates.size())
        FStates.insert(FStates.begin() + index, cbUnchecked);
}

void TCheckListBox::ItemDeleted(int index)
{
    if (static_cast<size_t>(index) < FStates.size())
        FStates.erase(FStates.begin() + index);
}

void TCheckListBox::InvalidateItem(int index)
{
    if (!HandleAllocated())
        return;
    const RECT r = ToWinRect(ItemRect(index));
    InvalidateRect(FHandle, &r, FALSE);
}

void TCheckListBox::ToggleClickCheck(int index)
{
    if (index < 0 || index >= Count())
        return;
    TCheckBoxState next = cbUnchecked;
    switch (State(index)) {
    case cbUnchecked: next = cbChecked; break;
    case cbChecked: next = FAllowGrayed ? cbGrayed : cbUnchecked; break;
    case cbGrayed: next = cbUnchecked; break;
    }
    SetState(index, next);
    ClickCheck();
}

void TCheckListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomListBox::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    const int index = ItemAtPos(Point(x, y), true);
    if (index < 0)
        return;
    const TRect r = ItemRect(index);
    const bool inCheck = UseRightToLeftAlignment() ? x >= r.Right - CheckAreaWidth : x < r.Left + CheckAreaWidth;
    if (inCheck)
        ToggleClickCheck(index);
}

void TCheckListBox::KeyPress(Char& key)
{
    TCustomListBox::KeyPress(key);
    if (key == u' ')
        ToggleClickCheck(ItemIndex());
}

void TCheckListBox::DrawCheckItem(const DRAWITEMSTRUCT& item)
{
    RECT box = item.rcItem;
    RECT text = item.rcItem;
    if (UseRightToLeftAlignment()) {
        box.left = box.right - CheckAreaWidth;
        text.right = box.left;
    } else {
        box.right = box.left + CheckAreaWidth;
        text.left = box.right;
    }
    FillRect(item.hDC, &box, GetSysColorBrush(COLOR_WINDOW));
    InflateRect(&box, -2, -((box.bottom - box.top - 13) / 2));
    UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
    const TCheckBoxState checkState = State(static_cast<int>(item.itemID));
    if (checkState == cbChecked)
        state |= DFCS_CHECKED;
    else if (checkState == cbGrayed)
        state = DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_FLAT;
    DrawFrameControl(item.hDC, &box, DFC_BUTTON, state);
    DRAWITEMSTRUCT rest = item;
    rest.rcItem = text;
    DrawItem(rest);
}

void TCheckListBox::WndProc(TMessage& message)
{
    if (message.Msg == CN_DRAWITEM && !OnDrawItem()) {
        DrawCheckItem(*reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam));
        message.Result = 1;
        return;
    }
    TCustomListBox::WndProc(message);
}
