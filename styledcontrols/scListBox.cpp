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
    TAVIN_PROPERTY(TCustomImageList*, Images);
    TAVIN_PROPERTY(int, ImageIndex).Default(-1);
    TAVIN_PROPERTY(bool, WordBreak).Default(false);
    TAVIN_PROPERTY(String, TitleDivider);
    TAVIN_PROPERTY(TColor, LineColor).Default(clBtnFace);
    TAVIN_PROPERTY(bool, ShowLines).Default(false);
    TAVIN_PROPERTY(TscSelectionStyle, SelectionStyle).Default(scstStyled);
    TAVIN_PROPERTY(bool, ShowFocusRect).Default(true);
    TAVIN_PROPERTY(TColor, SelectionColor).Default(clNone);
    TAVIN_PROPERTY(TColor, SelectionTextColor).Default(clHighlightText);
    TAVIN_PROPERTY(TStrings*, TabWidths);
    TAVIN_PROPERTY(TscDrawItemEvent, OnDrawItem);
    TAVIN_PROPERTY(TscGetDrawItemParamsEvent, OnGetDrawItemParams);
}

TscCustomListBox::TscCustomListBox(TComponent* owner)
    : TCustomListBox(owner), FTabWidths(std::make_unique<TStringList>())
{
    SetStyle(lbOwnerDrawFixed);
}

TscCustomListBox::~TscCustomListBox() = default;

void TscCustomListBox::Notification(TComponent* component, TOperation operation)
{
    TCustomListBox::Notification(component, operation);
    if (operation == opRemove && component == FImages)
        FImages = nullptr;
}

void TscCustomListBox::SetImages(TCustomImageList* value)
{
    if (ReplaceComponentReference(this, FImages, value))
        Invalidate();
}

void TscCustomListBox::SetTabWidths(TStrings* value)
{
    if (value == FTabWidths.get())
        return;
    FTabWidths->Assign(value);
    Invalidate();
}

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

void TscCustomListBox::AddMRUItem(const String& value)
{
    if (value.empty())
        return;
    const int at = Items()->IndexOf(value);
    if (at == 0)
        return;
    if (at > 0)
        Items()->Delete(at);
    Items()->Insert(0, value);
}

TscItemContent TscCustomListBox::ContentOf(int index) const
{
    return {this,         Items()->Strings(index), FImages,          FImageIndex, FOnGetDrawItemParams,
            FWordBreak,   FTitleDivider,           FTabWidths.get(), TscItemFlavour::ListBox};
}

void TscCustomListBox::DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state)
{
    PaintItemContent(canvas, rect, index, state, ContentOf(index));
}

void TscCustomListBox::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_DRAWITEM: {
        TscListItemPaint paint{this, FLook, FShowLines, FLineColor, 0, nullptr,
                               [this](TCanvas* canvas, TRect r, int index, TOwnerDrawState state) {
                                   if (FOnDrawItem)
                                       FOnDrawItem(index, state, canvas, r);
                                   else
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
