// The toolbar over the system's toolbar window: the buttons are handed to the window anew
// whenever one changes; a button's command number is its index.
#include "ComCtrls.h"
#include "Menus.h"

TAVIN_PUBLISHED(TToolButton)
{
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(int, ImageIndex).Default(-1);
    TAVIN_PROPERTY(TToolButtonStyle, Style).Default(tbsButton);
    TAVIN_PROPERTY(bool, Enabled).Default(true);
    TAVIN_PROPERTY(bool, Down).Default(false);
    TAVIN_PROPERTY(bool, Wrap).Default(false);
    TAVIN_PROPERTY(bool, Visible).Default(true);
    TAVIN_PROPERTY(TPopupMenu*, DropdownMenu);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
}

TAVIN_PUBLISHED(TToolBar)
{
    TAVIN_TOOL_BAR_PROPERTIES
}

TToolBar* TToolButton::ToolBar() const
{
    return Collection() ? static_cast<TToolBar*>(Collection()->Owner()) : nullptr;
}

void TToolButton::SetCaption(const String& value)
{
    FCaption = value;
    Changed(false);
}

void TToolButton::SetImageIndex(int value)
{
    FImageIndex = value;
    Changed(false);
}

void TToolButton::SetStyle(TToolButtonStyle value)
{
    FStyle = value;
    Changed(false);
}

void TToolButton::SetEnabled(bool value)
{
    FEnabled = value;
    Changed(false);
}

void TToolButton::SetDown(bool value)
{
    FDown = value;
    Changed(false);
}

void TToolButton::SetWrap(bool value)
{
    FWrap = value;
    Changed(false);
}

void TToolButton::SetVisible(bool value)
{
    FVisible = value;
    Changed(false);
}

void TToolButton::SetDropdownMenu(TPopupMenu* value)
{
    FDropdownMenu = value;
    // The bar forgets the menu for every button that shows it when the menu goes.
    if (value && ToolBar())
        value->FreeNotification(ToolBar());
}

void TToolButton::Assign(const TPersistent* source)
{
    if (auto* button = dynamic_cast<const TToolButton*>(source)) {
        FCaption = button->FCaption;
        FImageIndex = button->FImageIndex;
        FStyle = button->FStyle;
        FEnabled = button->FEnabled;
        FDown = button->FDown;
        FWrap = button->FWrap;
        FVisible = button->FVisible;
        SetDropdownMenu(button->FDropdownMenu);
        FOnClick = button->FOnClick;
        Changed(false);
        return;
    }
    TCollectionItem::Assign(source);
}

TToolButtons::TToolButtons(TToolBar* owner) : TOwnedCollection(owner, TToolButton::StaticClass()) {}

void TToolButtons::Update(TCollectionItem*) { static_cast<TToolBar*>(Owner())->UpdateButtons(); }

TToolBar::TToolBar(TComponent* owner) : TToolWindow(owner), FButtons(std::make_unique<TToolButtons>(this))
{
    SetBounds(0, 0, 150, 29);
    SetAlign(alTop);
}

TToolBar::~TToolBar()
{
    // The buttons go before the window: it must not be told of each.
    Destroying();
    DestroyHandle();
}

void TToolBar::CreateParams(TCreateParams& params)
{
    TToolWindow::CreateParams(params);
    params.SystemClassName = String(u"" TOOLBARCLASSNAMEA);
    params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_TOOLTIPS;
    if (FFlat)
        params.Style |= TBSTYLE_FLAT;
    if (FList)
        params.Style |= TBSTYLE_LIST;
    if (FWrapable)
        params.Style |= TBSTYLE_WRAPABLE;
}

void TToolBar::CreateHandleState()
{
    SendMessageW(FHandle, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(FHandle, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_MIXEDBUTTONS);
    SendImageLists();
    UpdateButtons();
}

bool TToolBar::ShowsCaption(const TToolButton* button) const
{
    return FShowCaptions || (FAllowTextButtons && button->Style() == tbsTextButton);
}

void TToolBar::UpdateButtons()
{
    if (!FHandle || ComponentState().Contains(csDestroying))
        return;
    while (SendMessageW(FHandle, TB_BUTTONCOUNT, 0, 0) > 0)
        SendMessageW(FHandle, TB_DELETEBUTTON, 0, 0);
    std::vector<TBBUTTON> buttons(static_cast<size_t>(ButtonCount()));
    for (int i = 0; i < ButtonCount(); ++i) {
        const TToolButton* button = Buttons(i);
        TBBUTTON& b = buttons[static_cast<size_t>(i)];
        static constexpr BYTE Styles[] = {BTNS_BUTTON, BTNS_CHECK, BTNS_DROPDOWN, BTNS_SEP, BTNS_SEP,
                                          BTNS_BUTTON | BTNS_AUTOSIZE};
        b.fsStyle = Styles[button->Style()];
        const bool separator = b.fsStyle == BTNS_SEP;
        b.iBitmap = separator ? 0 : button->ImageIndex() >= 0 ? button->ImageIndex() : I_IMAGENONE;
        b.idCommand = i;
        b.fsState = static_cast<BYTE>((button->Enabled() ? TBSTATE_ENABLED : 0) | (button->Down() ? TBSTATE_CHECKED : 0) |
                                      (button->Wrap() ? TBSTATE_WRAP : 0) | (button->Visible() ? 0 : TBSTATE_HIDDEN));
        if (ShowsCaption(button) && !separator) {
            b.fsStyle |= BTNS_SHOWTEXT;
            b.iString = reinterpret_cast<INT_PTR>(button->Caption().c_str());
        } else {
            b.iString = -1;
        }
    }
    if (!buttons.empty())
        SendMessageW(FHandle, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageW(FHandle, TB_AUTOSIZE, 0, 0);
    Invalidate();
}

void TToolBar::SendImageLists()
{
    if (!FHandle)
        return;
    const auto handle = [](TCustomImageList* list) { return reinterpret_cast<LPARAM>(list ? list->Handle() : nullptr); };
    SendMessageW(FHandle, TB_SETIMAGELIST, 0, handle(FImages));
    SendMessageW(FHandle, TB_SETHOTIMAGELIST, 0, handle(FHotImages));
    SendMessageW(FHandle, TB_SETDISABLEDIMAGELIST, 0, handle(FDisabledImages));
    SendMessageW(FHandle, TB_AUTOSIZE, 0, 0);
    Invalidate();
}

void TToolBar::SetImageList(TCustomImageList*& field, TCustomImageList* value)
{
    if (ReplaceComponentReference(this, field, value))
        SendImageLists();
}

void TToolBar::SetImages(TCustomImageList* value) { SetImageList(FImages, value); }

void TToolBar::SetHotImages(TCustomImageList* value) { SetImageList(FHotImages, value); }

void TToolBar::SetDisabledImages(TCustomImageList* value) { SetImageList(FDisabledImages, value); }

void TToolBar::SetStyleFlag(bool& field, bool value)
{
    if (field == value)
        return;
    field = value;
    RecreateWnd();
}

void TToolBar::SetFlat(bool value) { SetStyleFlag(FFlat, value); }

void TToolBar::SetWrapable(bool value) { SetStyleFlag(FWrapable, value); }

void TToolBar::SetList(bool value) { SetStyleFlag(FList, value); }

void TToolBar::SetShowCaptions(bool value)
{
    FShowCaptions = value;
    UpdateButtons();
}

void TToolBar::SetAllowTextButtons(bool value)
{
    FAllowTextButtons = value;
    UpdateButtons();
}

void TToolBar::SetDrawingStyle(TTBDrawingStyle value)
{
    FDrawingStyle = value;
    Invalidate();
}

void TToolBar::DropDown(int index)
{
    TToolButton* button = Buttons(index);
    if (!button->DropdownMenu())
        return;
    RECT r{};
    SendMessageW(FHandle, TB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    MapWindowPoints(FHandle, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    button->DropdownMenu()->Popup(UseRightToLeftAlignment() ? r.right : r.left, r.bottom);
}

void TToolBar::WndProc(TMessage& message)
{
    if (message.Msg == CN_COMMAND) {
        const int index = LOWORD(message.WParam);
        if (index >= 0 && index < ButtonCount()) {
            TToolButton* button = Buttons(index);
            if (button->Style() == tbsCheck)
                button->FDown = SendMessageW(FHandle, TB_ISBUTTONCHECKED, static_cast<WPARAM>(index), 0) != 0;
            if (button->OnClick())
                button->OnClick()(this);
        }
        message.Result = 0;
        return;
    }
    if (message.Msg == CN_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
        if (header->code == static_cast<UINT>(TBN_DROPDOWN)) {
            const int index = reinterpret_cast<const NMTOOLBARW*>(message.LParam)->iItem;
            if (index >= 0 && index < ButtonCount())
                DropDown(index);
            message.Result = TBDDRET_DEFAULT;
            return;
        }
    }
    TToolWindow::WndProc(message);
}

void TToolBar::Notification(TComponent* component, TOperation operation)
{
    TToolWindow::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FImages)
        SetImages(nullptr);
    if (component == FHotImages)
        SetHotImages(nullptr);
    if (component == FDisabledImages)
        SetDisabledImages(nullptr);
    for (int i = 0; i < ButtonCount(); ++i)
        if (static_cast<TComponent*>(Buttons(i)->FDropdownMenu) == component)
            Buttons(i)->FDropdownMenu = nullptr;
}
