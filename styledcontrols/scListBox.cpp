// The styled list box and the styled scroll bar.
#include "scListControls.h"

TAVIN_PUBLISHED(TscCustomListBox)
{
    TAVIN_PROPERTY(bool, FluentUIOpaque).Default(false);
}

TAVIN_PUBLISHED(TscListBox)
{
    TAVIN_PROPERTY(TStrings*, Items);
    TAVIN_PROPERTY(int, ItemIndex).Default(-1);
    TAVIN_PROPERTY(int, ItemHeight).Default(16);
    TAVIN_PROPERTY(bool, MultiSelect).Default(false);
    TAVIN_PROPERTY(int, Columns).Default(0);
    TSC_LINED_ITEM_LIST_PROPERTIES
    TAVIN_PROPERTY(TscDrawItemEvent, OnDrawItem);
    TAVIN_PROPERTY(TscGetDrawItemParamsEvent, OnGetDrawItemParams);
}

TscCustomListBox::TscCustomListBox(TComponent* owner) : TscLinedItemListOf(owner) { SetStyle(lbOwnerDrawFixed); }

bool TscCustomListBox::IsFluentUIOpaqueActive() const { return IsFluentUIOpaqueActiveFor(this, FFluentUIOpaque); }

void TscCustomListBox::SetFluentUIOpaque(bool value)
{
    ChangeFluentUIOpaque(this, FFluentUIOpaque, value);
}

void TscCustomListBox::CreateParams(TCreateParams& params)
{
    TCustomListBox::CreateParams(params);
    if (IsFluentUIOpaqueActive())
        params.ExStyle |= WS_EX_LAYERED;
}

void TscCustomListBox::CreateWnd()
{
    TCustomListBox::CreateWnd();
    ApplyFluentUIOpaque(this, IsFluentUIOpaqueActive());
}

void TscCustomListBox::ChangeScale(int m, int d, bool isDpiChange)
{
    const int height = MulDiv(ItemHeight(), m, d);
    TCustomListBox::ChangeScale(m, d, isDpiChange);
    SetItemHeight(height);
}

void TscCustomListBox::AddMRUItem(const String& value) { ::AddMRUItem(Items(), value); }

void TscCustomListBox::DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state)
{
    PaintItemContent(canvas, rect, index, state, ItemContentOf(this, index, FTabWidths.get(), TscItemFlavour::ListBox));
}

void TscCustomListBox::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_DRAWITEM: {
        TscListItemPaint paint{this, FLook, FShowLines, FLineColor, 0, nullptr,
                               [this](TCanvas* canvas, TRect r, int index, TOwnerDrawState state) {
                                   if (!DrawItemByEvent(index, state, canvas, r))
                                       DrawItemContent(canvas, r, index, state);
                               }};
        PaintListBoxItem(*reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam), paint);
        message.Result = 1;
        return;
    }
    case WM_ERASEBKGND:
        if (EraseBelowListItems(this, reinterpret_cast<HDC>(message.WParam), true)) {
            message.Result = 1;
            return;
        }
        break;
    case WM_SIZE:
        TCustomListBox::WndProc(message);
        Repaint();
        return;
    case CM_ENABLEDCHANGED:
        TCustomListBox::WndProc(message);
        Invalidate();
        return;
    default:
        break;
    }
    TCustomListBox::WndProc(message);
    HandleFluentUIOpaqueTimer(this, message, IsFluentUIOpaqueActive());
}

// ---------------------------------------------------------------------------------------------

TscScrollBar::TscScrollBar(TComponent* owner) : TScrollBar(owner)
{
    FControlStyle.Exclude(csFramed);
    SetTabStop(false);
}

void TscScrollBar::WndProc(TMessage& message)
{
    if (message.Msg == WM_GESTURENOTIFY) {
        // Every gesture blocked: a drag over the bar moves the thumb, never pans the form.
        GESTURECONFIG config{0, 0, 1};
        SetGestureConfig(Handle(), 0, 1, &config, sizeof(config));
        message.Result = 1;
        return;
    }
    TScrollBar::WndProc(message);
}
