// The extended combo box: items kept by the control and written to the window while it exists.
#include "ComCtrls.h"
#include "ImgList.h"
#include "StdCtrls.h"
#include "WideText.h"

TAVIN_PUBLISHED(TComboExItem)
{
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(int, ImageIndex).Default(-1);
    TAVIN_PROPERTY(int, SelectedImageIndex).Default(-1);
    TAVIN_PROPERTY(int, OverlayImageIndex).Default(-1);
    TAVIN_PROPERTY(int, Indent).Default(-1);
}

void TComboExItem::Assign(const TPersistent* source)
{
    if (auto* item = dynamic_cast<const TComboExItem*>(source)) {
        FCaption = item->FCaption;
        FImageIndex = item->FImageIndex;
        FSelectedImageIndex = item->FSelectedImageIndex;
        FOverlayImageIndex = item->FOverlayImageIndex;
        FIndent = item->FIndent;
        FData = item->FData;
        Changed(false);
    } else {
        TCollectionItem::Assign(source);
    }
}

TComboExItems::TComboExItems(TCustomComboBoxEx* owner) : TOwnedCollection(owner, TComboExItem::StaticClass()) {}

TComboExItem* TComboExItems::AddItem(const String& caption, int imageIndex, int selectedImageIndex,
                                     int overlayImageIndex, int indent, void* data)
{
    BeginUpdate();
    TComboExItem* item = Add();
    item->SetCaption(caption);
    item->SetImageIndex(imageIndex);
    item->SetSelectedImageIndex(selectedImageIndex);
    item->SetOverlayImageIndex(overlayImageIndex);
    item->SetIndent(indent);
    item->SetData(data);
    EndUpdate();
    return item;
}

void TComboExItems::Update(TCollectionItem*) { static_cast<TCustomComboBoxEx*>(Owner())->UpdateItems(); }

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TComboBoxEx)
{
    TAVIN_COMBO_BOX_EX_PROPERTIES
}

TCustomComboBoxEx::TCustomComboBoxEx(TComponent* owner)
    : TWinControl(owner), FItemsEx(std::make_unique<TComboExItems>(this))
{
    SetBounds(0, 0, 145, 23);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

TCustomComboBoxEx::~TCustomComboBoxEx()
{
    // The items go before the window: it must not be told of each.
    Destroying();
    DestroyHandle();
}

void TCustomComboBoxEx::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClassName = u"ComboBoxEx32";
    static constexpr DWORD Styles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
    params.Style |= Styles[FStyle] | WS_VSCROLL | CBS_AUTOHSCROLL;
    // The list drops below the edit: the window is made tall enough for DropDownCount items.
    params.Height = FHeight + FDropDownCount * 18;
}

void TCustomComboBoxEx::CreateHandleState()
{
    if (FImages)
        SendMessageW(FHandle, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FImages->Handle()));
    SendMessageW(FHandle, CB_SETITEMHEIGHT, 0, FItemHeight);
    UpdateItems();
    SetItemIndex(FSavedIndex);
}

void TCustomComboBoxEx::SaveHandleState() { FSavedIndex = ItemIndex(); }

void TCustomComboBoxEx::UpdateItems()
{
    if (!FHandle || ComponentState().Contains(csDestroying))
        return;
    const int selected = ItemIndex();
    SendMessageW(FHandle, WM_SETREDRAW, FALSE, 0);
    while (SendMessageW(FHandle, CB_GETCOUNT, 0, 0) > 0)
        SendMessageW(FHandle, CBEM_DELETEITEM, 0, 0);
    for (int i = 0; i < FItemsEx->Count(); ++i) {
        TComboExItem* source = FItemsEx->Items(i);
        COMBOBOXEXITEMW item{};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_OVERLAY | CBEIF_INDENT | CBEIF_LPARAM;
        item.iItem = i;
        item.pszText = const_cast<LPWSTR>(WidePtr(source->Caption()));
        item.iImage = source->ImageIndex();
        item.iSelectedImage = source->SelectedImageIndex() >= 0 ? source->SelectedImageIndex() : source->ImageIndex();
        item.iOverlay = source->OverlayImageIndex();
        item.iIndent = std::max(0, source->Indent());
        item.lParam = reinterpret_cast<LPARAM>(source->Data());
        SendMessageW(FHandle, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    if (selected >= 0 && selected < FItemsEx->Count())
        SetItemIndex(selected);
    SendMessageW(FHandle, WM_SETREDRAW, TRUE, 0);
    Invalidate();
}

void TCustomComboBoxEx::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == FImages)
        SetImages(nullptr);
}

void TCustomComboBoxEx::SetImages(TCustomImageList* value)
{
    if (ReplaceComponentReference(this, FImages, value) && FHandle)
        SendMessageW(FHandle, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FImages ? FImages->Handle() : nullptr));
}

void TCustomComboBoxEx::SetStyle(TComboBoxExStyle value)
{
    if (FStyle == value)
        return;
    FStyle = value;
    RecreateWnd();
}

int TCustomComboBoxEx::ItemIndex() const
{
    return FHandle ? static_cast<int>(SendMessageW(FHandle, CB_GETCURSEL, 0, 0)) : FSavedIndex;
}

void TCustomComboBoxEx::SetItemIndex(int value)
{
    FSavedIndex = value;
    if (FHandle)
        SendMessageW(FHandle, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

int TCustomComboBoxEx::ItemHeight() const
{
    return FHandle ? static_cast<int>(SendMessageW(FHandle, CB_GETITEMHEIGHT, 0, 0)) : FItemHeight;
}

void TCustomComboBoxEx::SetItemHeight(int value)
{
    if (value <= 0)
        return;
    FItemHeight = value;
    if (FHandle)
        SendMessageW(FHandle, CB_SETITEMHEIGHT, 0, value);
}

bool TCustomComboBoxEx::DroppedDown() const { return FHandle && SendMessageW(FHandle, CB_GETDROPPEDSTATE, 0, 0) != 0; }

void TCustomComboBoxEx::SetDroppedDown(bool value)
{
    if (FHandle)
        SendMessageW(FHandle, CB_SHOWDROPDOWN, value, 0);
}

HWND TCustomComboBoxEx::ComboHandle() const
{
    return FHandle ? reinterpret_cast<HWND>(SendMessageW(FHandle, CBEM_GETCOMBOCONTROL, 0, 0)) : nullptr;
}

HWND TCustomComboBoxEx::EditHandle() const
{
    return FHandle ? reinterpret_cast<HWND>(SendMessageW(FHandle, CBEM_GETEDITCONTROL, 0, 0)) : nullptr;
}

void TCustomComboBoxEx::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        FireComboNotification(this, HIWORD(message.WParam), FOnChange, FOnSelect, FOnDropDown, FOnCloseUp);
        return;
    case CN_NOTIFY:
        message.Result = 0;
        return;
    case CM_WANTSPECIALKEY:
        // The keys reach the inner combo box, which takes the arrows: they are not the form's to
        // move the focus with.
        if (message.WParam == VK_LEFT || message.WParam == VK_RIGHT || message.WParam == VK_UP ||
            message.WParam == VK_DOWN) {
            message.Result = 1;
            return;
        }
        break;
    case WM_WINDOWPOSCHANGED:
        // The window includes the dropped list; the control's height is the edit part's.
        DefaultHandler(message);
        return;
    default:
        break;
    }
    TWinControl::WndProc(message);
}
