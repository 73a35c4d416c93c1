// The Office radio group: one button per item, laid out in columns, one of them checked.
#include "RurOfficeButtons.h"

#include <algorithm>

#include "Forms.h"
#include "Messages.h"
#include "PictureContainer.h"

TAVIN_PUBLISHED(TRurOfficeRadioGroup)
{
    TAVIN_PROPERTY(int, Columns).Default(1);
    TAVIN_PROPERTY(int, ItemIndex).Default(-1);
    TAVIN_PROPERTY(TStrings*, Items);
    TAVIN_PROPERTY(int, ControlIndent).Default(0);
    TAVIN_PROPERTY(bool, Themed).Default(false);
    TAVIN_PROPERTY(bool, ShowFocus).Default(true);
    TAVIN_PROPERTY(TAlignment, Alignment).Default(taLeftJustify);
    TAVIN_PROPERTY(TTextLayout, ButtonVertAlign).Default(tlCenter);
    TAVIN_PROPERTY(bool, Ellipsis);
    TAVIN_PROPERTY(TPictureContainer*, PictureContainer);
    TAVIN_PROPERTY(TColor, ShadowColor).Default(clSilver);
    TAVIN_PROPERTY(int, ShadowOffset).Default(1);
    TAVIN_PROPERTY(TNotifyEvent, OnRadioButtonClick);
    TAVIN_PROPERTY(TEnabledEvent, OnIsEnabled);
}

// ---- The group's buttons -------------------------------------------------------------------------

TRurGroupButton::TRurGroupButton(TCustomRurOfficeRadioGroup* ARadioGroup) : TRurOfficeRadioButton(ARadioGroup)
{
    ARadioGroup->FButtons.push_back(this);
    SetVisible(true);
    SetEnabled(ARadioGroup->Enabled());
    SetParentShowHint(false);
    SetOnClick(MakeHandler<&TCustomRurOfficeRadioGroup::ButtonClick>(ARadioGroup));
    SetOnEnter(MakeHandler<&TCustomRurOfficeRadioGroup::ButtonEnter>(ARadioGroup));
    SetParent(ARadioGroup);
}

TRurGroupButton::~TRurGroupButton()
{
    if (auto* group = dynamic_cast<TCustomRurOfficeRadioGroup*>(Owner()))
        std::erase(group->FButtons, this);
}

TCustomRurOfficeRadioGroup* TRurGroupButton::Group() const
{
    return static_cast<TCustomRurOfficeRadioGroup*>(Owner());
}

void TRurGroupButton::KeyPress(Char& Key)
{
    TRurOfficeRadioButton::KeyPress(Key);
    Group()->PushKey(Key);
    if ((Key == VK_BACK || Key == VK_SPACE) && !Group()->CanModify())
        Key = 0;
}

void TRurGroupButton::KeyDown(Word& Key, TShiftState Shift)
{
    TRurOfficeRadioButton::KeyDown(Key, Shift);
    Group()->PushKeyDown(Key, Shift);
}

void TRurGroupButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TRurOfficeRadioButton::MouseMove(Shift, X, Y);
    Group()->OnMouseMove()(Group(), Shift, X + Left(), Y + Top());
}

void TRurGroupButton::WndProc(TMessage& AMessage)
{
    const bool command = AMessage.Msg == CN_COMMAND &&
                         (HIWORD(AMessage.WParam) == BN_CLICKED || HIWORD(AMessage.WParam) == BN_DOUBLECLICKED);
    if (!command) {
        TRurOfficeRadioButton::WndProc(AMessage);
        return;
    }
    if (FInClick || !Group()->CanModify())
        return;
    FInClick = true;
    try {
        TRurOfficeRadioButton::WndProc(AMessage);
    } catch (...) {
        Application->HandleException(this);
    }
    FInClick = false;
}

// ---- The group -----------------------------------------------------------------------------------

TCustomRurOfficeRadioGroup::TCustomRurOfficeRadioGroup(TComponent* AOwner)
    : TRurGroupBox(AOwner), FItems(std::make_unique<TStringList>())
{
    SetControlStyle(TControlStyle{csSetCaption});
    FItems->SetOnChange(MakeHandler<&TCustomRurOfficeRadioGroup::ItemsChange>(this));
}

TCustomRurOfficeRadioGroup::~TCustomRurOfficeRadioGroup()
{
    SetButtonCount(0);
    FItems->SetOnChange(TNotifyEvent());
}

void TCustomRurOfficeRadioGroup::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {}

TRurOfficeRadioButton* TCustomRurOfficeRadioGroup::GetRadioButton(int AIndex) const
{
    if (AIndex < 0 || AIndex >= ButtonCount())
        throw Exception(u"Invalid radiobutton index");
    return FButtons[size_t(AIndex)];
}

int TCustomRurOfficeRadioGroup::IndexOfButton(const TRurGroupButton* AButton) const
{
    const auto found = std::find(FButtons.begin(), FButtons.end(), AButton);
    return found == FButtons.end() ? -1 : int(found - FButtons.begin());
}

int TCustomRurOfficeRadioGroup::XYToItem(int X, int Y) const
{
    for (int i = 0; i < ButtonCount(); ++i) {
        const TRurGroupButton* button = FButtons[size_t(i)];
        if (Bounds(button->Left(), button->Top(), button->ClientWidth(), button->ClientHeight()).Contains(Point(X, Y)))
            return i;
    }
    return -1;
}

void TCustomRurOfficeRadioGroup::SetButtonCount(int ACount)
{
    while (ButtonCount() < ACount)
        new TRurGroupButton(this);
    while (ButtonCount() > ACount)
        delete FButtons.back();
}

void TCustomRurOfficeRadioGroup::UpdateButtons()
{
    SetButtonCount(FItems->Count());
    for (int i = 0; i < ButtonCount(); ++i) {
        FButtons[size_t(i)]->SetCaption(FItems->Strings(i));
        FButtons[size_t(i)]->SetEnabled(Enabled());
    }
    if (FItemIndex >= 0 && FItemIndex < ButtonCount()) {
        FUpdating = true;
        FButtons[size_t(FItemIndex)]->SetChecked(true);
        FUpdating = false;
    }
    ArrangeButtons();
    Invalidate();
}

void TCustomRurOfficeRadioGroup::ItemsChange(TObject*)
{
    if (FReading)
        return;
    if (FItemIndex >= FItems->Count())
        FItemIndex = FItems->Count() - 1;
    UpdateButtons();
}

void TCustomRurOfficeRadioGroup::SetColumns(int value)
{
    value = std::clamp(value, 1, 16);
    if (FColumns == value)
        return;
    FColumns = value;
    ArrangeButtons();
    Invalidate();
}

void TCustomRurOfficeRadioGroup::SetItemIndex(int value)
{
    if (FReading) {
        FItemIndex = value;
        return;
    }
    value = std::clamp(value, -1, ButtonCount() - 1);
    if (FItemIndex == value)
        return;
    auto setQuietly = [&](int AIndex, bool AChecked) {
        if (AIndex < 0 || AIndex >= ButtonCount())
            return;
        TRurGroupButton* button = FButtons[size_t(AIndex)];
        button->FClicksDisabled = true;
        button->SetChecked(AChecked);
        button->FClicksDisabled = false;
    };
    setQuietly(FItemIndex, false);
    FItemIndex = value;
    setQuietly(FItemIndex, true);
}

void TCustomRurOfficeRadioGroup::SetControlIndent(int value)
{
    if (FControlIndent != value)
        SetAndArrange(FControlIndent, value);
}

void TCustomRurOfficeRadioGroup::SetThemed(bool value)
{
    if (FThemed != value)
        SetAndArrange(FThemed, value);
}

void TCustomRurOfficeRadioGroup::SetShowFocus(bool value)
{
    if (FShowFocus != value)
        SetAndArrange(FShowFocus, value);
}

void TCustomRurOfficeRadioGroup::SetAlignment(TAlignment value) { SetAndArrange(FAlignment, value); }
void TCustomRurOfficeRadioGroup::SetButtonVertAlign(TTextLayout value) { SetAndArrange(FBtnVAlign, value); }
void TCustomRurOfficeRadioGroup::SetEllipsis(bool value) { SetAndArrange(FEllipsis, value); }
void TCustomRurOfficeRadioGroup::SetShadowColor(TColor value) { SetAndArrange(FShadowColor, value); }
void TCustomRurOfficeRadioGroup::SetShadowOffset(int value) { SetAndArrange(FShadowOffset, value); }

void TCustomRurOfficeRadioGroup::SetImages(TCustomImageList* value)
{
    TRurGroupBox::SetImages(value);
    if (value)
        value->FreeNotification(this);
    SetAndArrange(FButtonImages, value);
}

void TCustomRurOfficeRadioGroup::SetPictureContainer(TPictureContainer* value)
{
    if (value)
        value->FreeNotification(this);
    SetAndArrange(FContainer, value);
}

void TCustomRurOfficeRadioGroup::Notification(TComponent* AComponent, TOperation Operation)
{
    TRurGroupBox::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == FButtonImages)
        SetImages(nullptr);
    if (AComponent == FContainer)
        SetPictureContainer(nullptr);
}

void TCustomRurOfficeRadioGroup::SetComponentStyle(TRujStyle AStyle)
{
    FRujStyle = AStyle;
    TRurGroupBox::SetComponentStyle(AStyle);
}

// ---- Layout ---------------------------------------------------------------------------------------

void TCustomRurOfficeRadioGroup::ArrangeButtons()
{
    if (ComponentState().Contains(csLoading) || FReading || !HandleAllocated() || FButtons.empty())
        return;
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, Font()->Handle());
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SIZE gh{};
    GetTextExtentPoint32W(screen, L"gh", 2, &gh);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    const int tmh = metrics.tmHeight;
    const int count = ButtonCount();
    const int rows = (count + FColumns - 1) / FColumns;
    const int columnWidth = (Width() - 10) / FColumns;
    const int available = Height() - tmh - 5;
    const bool autoHeight = AutoSize() == RurGroupBox::gasVertical || AutoSize() == RurGroupBox::gasBoth;
    const int rowHeight = autoHeight ? gh.cy + 4 : available / rows;
    int top = (available % rows) / 2 + tmh + 1;
    if (Caption().empty())
        top -= tmh / 2;
    const int indent = FColumns == 1 ? FControlIndent : 0;
    HDWP batch = BeginDeferWindowPos(count);
    for (int i = 0; i < count; ++i) {
        TRurGroupButton* button = FButtons[size_t(i)];
        button->SetBiDiMode(BiDiMode());
        button->FDrawBkg = false;
        button->SetAlignment(FAlignment);
        button->SetButtonVertAlign(FBtnVAlign);
        button->SetImages(FButtonImages);
        button->SetPictureContainer(FContainer);
        button->SetEllipsis(FEllipsis);
        button->SetShadowOffset(FShadowOffset);
        button->SetShadowColor(FShadowColor);
        button->SetShowFocus(FShowFocus);
        button->SetDisabledFontColor(DisabledFontColor());
        button->SetThemed(FThemed);
        bool enabled = Enabled();
        DoIsEnabled(i, enabled);
        button->SetEnabled(enabled && button->Enabled());
        int x = (i / rows) * columnWidth + 8 + indent;
        if (button->UseRightToLeftAlignment())
            x = ClientWidth() - x - columnWidth;
        const int y = (i % rows) * rowHeight + top;
        button->SetBounds(x, y, columnWidth, rowHeight);
        if (batch && button->HandleAllocated())
            batch = DeferWindowPos(batch, button->Handle(), nullptr, x, y, columnWidth, rowHeight,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (batch)
        EndDeferWindowPos(batch);
}

void TCustomRurOfficeRadioGroup::BeforeAutoSize()
{
    for (TRurGroupButton* button : FButtons)
        button->SetAutoSize(true);
}

void TCustomRurOfficeRadioGroup::Update()
{
    TRurGroupBox::Update();
    ArrangeButtons();
}

// ---- Clicks and focus ------------------------------------------------------------------------------

void TCustomRurOfficeRadioGroup::ButtonClick(TObject* ASender)
{
    if (FUpdating || !CanModify())
        return;
    const int index = IndexOfButton(dynamic_cast<TRurGroupButton*>(ASender));
    if (index < 0 || index == FItemIndex)
        return;
    FItemIndex = index;
    Changed();
    Click();
}

void TCustomRurOfficeRadioGroup::ButtonEnter(TObject* ASender)
{
    FFocusButtonIdx = IndexOfButton(dynamic_cast<TRurGroupButton*>(ASender));
}

// ---- Window, streaming and messages ---------------------------------------------------------------

void TCustomRurOfficeRadioGroup::CreateWnd()
{
    TRurGroupBox::CreateWnd();
    if (AutoSize() != RurGroupBox::gasNone) {
        ArrangeButtons();
        DoAutoSize();
    }
}

void TCustomRurOfficeRadioGroup::ReadState(TReader& AReader)
{
    FReading = true;
    TRurGroupBox::ReadState(AReader);
    FReading = false;
    UpdateButtons();
}

void TCustomRurOfficeRadioGroup::Loaded()
{
    TRurGroupBox::Loaded();
    ArrangeButtons();
}

void TCustomRurOfficeRadioGroup::WndProc(TMessage& AMessage)
{
    switch (AMessage.Msg) {
    case CM_ENABLEDCHANGED:
        TRurGroupBox::WndProc(AMessage);
        if (!CheckBox()->Visible() || CheckBox()->Checked())
            for (TRurGroupButton* button : FButtons) {
                button->SetDisabledFontColor(DisabledFontColor());
                button->SetEnabled(Enabled());
            }
        // The items a handler keeps disabled stay so.
        ArrangeButtons();
        return;
    case CM_FONTCHANGED:
    case WM_SIZE:
        TRurGroupBox::WndProc(AMessage);
        if (AMessage.Msg == CM_FONTCHANGED || !AutoSizing())
            ArrangeButtons();
        return;
    case CM_ENTER:
        TRurGroupBox::WndProc(AMessage);
        if (FFocusButtonIdx >= 0 && FFocusButtonIdx < ButtonCount() &&
            FButtons[size_t(FFocusButtonIdx)]->HandleAllocated()) {
            FButtons[size_t(FFocusButtonIdx)]->SetFocus();
            Invalidate();
        }
        return;
    default: TRurGroupBox::WndProc(AMessage);
    }
}
