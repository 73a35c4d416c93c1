// The list view: items and columns kept by the control, one system item per list item (in the same
// order) while the window exists.
#include "ComCtrls.h"
#include "ImgList.h"
#include "WideText.h"

namespace {

// The state image of a check box: 1 unchecked, 2 checked.
constexpr UINT CheckedStateImage = INDEXTOSTATEIMAGEMASK(2);
constexpr UINT UncheckedStateImage = INDEXTOSTATEIMAGEMASK(1);

int FormatOf(TAlignment alignment)
{
    switch (alignment) {
    case taRightJustify: return LVCFMT_RIGHT;
    case taCenter: return LVCFMT_CENTER;
    default: return LVCFMT_LEFT;
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------

TListItem::TListItem(TListItems* owner) : FOwner(owner), FSubItems(std::make_unique<TStringList>())
{
    FSubItems->SetOnChange(MakeHandler<&TListItem::SubItemsChanged>(this));
}

TListItem::~TListItem() = default;

TCustomListView* TListItem::ListView() const { return FOwner->Owner(); }

int TListItem::Index() const { return FOwner->IndexOf(this); }

void TListItem::SetCaption(const String& value)
{
    FCaption = value;
    if (const HWND wnd = ListView()->HandleIfAllocated()) {
        LVITEMW item{};
        item.pszText = const_cast<LPWSTR>(WidePtr(FCaption));
        SendMessageW(wnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&item));
    }
}

void TListItem::SetImageIndex(int value)
{
    FImageIndex = value;
    if (const HWND wnd = ListView()->HandleIfAllocated()) {
        LVITEMW item{};
        item.mask = LVIF_IMAGE;
        item.iItem = Index();
        item.iImage = value;
        SendMessageW(wnd, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

int TListItem::SubItemImages(int index) const
{
    return index >= 0 && static_cast<size_t>(index) < FSubItemImages.size() ? FSubItemImages[static_cast<size_t>(index)]
                                                                              : -1;
}

void TListItem::SetSubItemImages(int index, int value)
{
    if (index < 0)
        return;
    if (static_cast<size_t>(index) >= FSubItemImages.size())
        FSubItemImages.resize(static_cast<size_t>(index) + 1, -1);
    FSubItemImages[static_cast<size_t>(index)] = value;
    UpdateSubItems();
}

void TListItem::SubItemsChanged(TObject*) { UpdateSubItems(); }

void TListItem::UpdateSubItems() const
{
    const HWND wnd = ListView()->HandleIfAllocated();
    if (!wnd)
        return;
    const int index = Index();
    // Columns beyond the texts are emptied, so a removed sub-item does not linger.
    const int count = std::max(FSubItems->Count(), ListView()->Columns()->Count() - 1);
    for (int i = 0; i < count; ++i) {
        const String text = i < FSubItems->Count() ? FSubItems->Strings(i) : String();
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = index;
        item.iSubItem = i + 1;
        item.pszText = const_cast<LPWSTR>(WidePtr(text));
        item.iImage = SubItemImages(i);
        SendMessageW(wnd, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void TListItem::SetState(UINT state, UINT mask) const
{
    const HWND wnd = ListView()->HandleIfAllocated();
    if (!wnd)
        return;
    LVITEMW item{};
    item.state = state;
    item.stateMask = mask;
    SendMessageW(wnd, LVM_SETITEMSTATE, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&item));
}

UINT TListItem::State(UINT mask) const
{
    const HWND wnd = ListView()->HandleIfAllocated();
    return static_cast<UINT>(SendMessageW(wnd, LVM_GETITEMSTATE, static_cast<WPARAM>(Index()), mask));
}

bool TListItem::Checked() const
{
    if (!ListView()->HandleAllocated())
        return FChecked;
    return (State(LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) == CheckedStateImage;
}

void TListItem::SetChecked(bool value)
{
    FChecked = value;
    if (ListView()->Checkboxes())
        SetState(value ? CheckedStateImage : UncheckedStateImage, LVIS_STATEIMAGEMASK);
}

bool TListItem::Selected() const
{
    return ListView()->HandleAllocated() ? (State(LVIS_SELECTED) & LVIS_SELECTED) != 0 : FSelected;
}

void TListItem::SetSelected(bool value)
{
    FSelected = value;
    SetState(value ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

bool TListItem::Focused() const
{
    return ListView()->HandleAllocated() ? (State(LVIS_FOCUSED) & LVIS_FOCUSED) != 0 : FFocused;
}

void TListItem::SetFocused(bool value)
{
    FFocused = value;
    SetState(value ? LVIS_FOCUSED : 0, LVIS_FOCUSED);
}

TRect TListItem::DisplayRect(TDisplayCode code) const
{
    const HWND wnd = ListView()->HandleIfAllocated();
    if (!wnd)
        return TRect();
    static constexpr int Codes[] = {LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL, LVIR_SELECTBOUNDS};
    RECT r{};
    r.left = Codes[code];
    if (!SendMessageW(wnd, LVM_GETITEMRECT, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&r)))
        return TRect();
    return FromWinRect(r);
}

// ---------------------------------------------------------------------------------------------

TListItems::TListItems(TCustomListView* owner) : FOwner(owner) {}

TListItems::~TListItems() = default;

TListItem* TListItems::Item(int index) const
{
    if (index < 0 || index >= Count())
        ListIndexError(index);
    return FItems[static_cast<size_t>(index)].get();
}

int TListItems::IndexOf(const TListItem* item) const
{
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == item)
            return static_cast<int>(i);
    return -1;
}

TListItem* TListItems::Add() { return Insert(Count()); }

void TListItems::BeginUpdate()
{
    if (FUpdateCount++ == 0)
        if (const HWND wnd = FOwner->HandleIfAllocated())
            SendMessageW(wnd, WM_SETREDRAW, FALSE, 0);
}

void TListItems::EndUpdate()
{
    if (FUpdateCount == 0 || --FUpdateCount > 0)
        return;
    if (const HWND wnd = FOwner->HandleIfAllocated()) {
        SendMessageW(wnd, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(wnd, nullptr, TRUE);
    }
}

TListItem* TListItems::Insert(int index)
{
    if (index < 0 || index > Count())
        ListIndexError(index);
    FItems.insert(FItems.begin() + index, std::make_unique<TListItem>(this));
    if (FOwner->HandleAllocated())
        CreateItem(index);
    return FItems[static_cast<size_t>(index)].get();
}

void TListItems::CreateItem(int index) const
{
    TListItem* owned = FItems[static_cast<size_t>(index)].get();
    const HWND wnd = FOwner->Handle();
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = const_cast<LPWSTR>(WidePtr(owned->FCaption));
    item.lParam = reinterpret_cast<LPARAM>(owned);
    item.iImage = owned->FImageIndex;
    const bool writing = FOwner->FWritingItems;
    FOwner->FWritingItems = true;
    SendMessageW(wnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    owned->UpdateSubItems();
    if (FOwner->Checkboxes())
        owned->SetState(owned->FChecked ? CheckedStateImage : UncheckedStateImage, LVIS_STATEIMAGEMASK);
    owned->SetState((owned->FSelected ? LVIS_SELECTED : 0) | (owned->FFocused ? LVIS_FOCUSED : 0),
                    LVIS_SELECTED | LVIS_FOCUSED);
    FOwner->FWritingItems = writing;
}

void TListItems::Delete(int index)
{
    Item(index);
    if (const HWND wnd = FOwner->HandleIfAllocated())
        SendMessageW(wnd, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
    FItems.erase(FItems.begin() + index);
}

void TListItems::Clear()
{
    if (const HWND wnd = FOwner->HandleIfAllocated())
        SendMessageW(wnd, LVM_DELETEALLITEMS, 0, 0);
    FItems.clear();
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TListColumn)
{
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(int, Width).Default(50);
    TAVIN_PROPERTY(TAlignment, Alignment).Default(taLeftJustify);
    TAVIN_PROPERTY(NativeInt, Tag).Default(0);
}

TListColumn::TListColumn(TCollection* collection) : TCollectionItem(collection) {}

TCustomListView* TListColumn::ListView() const
{
    return Collection() ? static_cast<TCustomListView*>(Collection()->Owner()) : nullptr;
}

void TListColumn::SetCaption(const String& value)
{
    FCaption = value;
    Changed(false);
}

int TListColumn::Width() const
{
    TCustomListView* view = ListView();
    if (view && view->HandleAllocated() && view->ViewStyle() == vsReport)
        return static_cast<int>(SendMessageW(view->HandleIfAllocated(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(Index()), 0));
    return FWidth;
}

void TListColumn::SetWidth(int value)
{
    FWidth = value;
    Changed(false);
}

void TListColumn::SetAlignment(TAlignment value)
{
    FAlignment = value;
    Changed(false);
}

void TListColumn::Assign(const TPersistent* source)
{
    if (auto* column = dynamic_cast<const TListColumn*>(source)) {
        FCaption = column->FCaption;
        FWidth = column->FWidth;
        FAlignment = column->FAlignment;
        FTag = column->FTag;
        Changed(false);
    } else {
        TCollectionItem::Assign(source);
    }
}

TListColumns::TListColumns(TCustomListView* owner) : TOwnedCollection(owner, TListColumn::StaticClass()) {}

void TListColumns::Update(TCollectionItem*) { static_cast<TCustomListView*>(Owner())->UpdateColumns(); }

TAVIN_PUBLISHED(TIconOptions)
{
    TAVIN_PROPERTY(bool, WrapText).Default(true);
}

void TIconOptions::SetWrapText(bool value)
{
    if (FWrapText == value)
        return;
    FWrapText = value;
    FOwner->RecreateWnd();
}

void TIconOptions::Assign(const TPersistent* source)
{
    if (auto* options = dynamic_cast<const TIconOptions*>(source))
        SetWrapText(options->FWrapText);
    else
        TPersistent::Assign(source);
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TListView)
{
    TAVIN_LIST_VIEW_PROPERTIES
}

TCustomListView::TCustomListView(TComponent* owner)
    : TWinControl(owner), FItems(std::make_unique<TListItems>(this)),
      FColumns(std::make_unique<TListColumns>(this)), FIconOptions(std::make_unique<TIconOptions>(this)),
      FCanvas(std::make_unique<TCanvas>())
{
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

TCustomListView::~TCustomListView()
{
    // The columns and items go before the window: it must not be told of each.
    Destroying();
    DestroyHandle();
}

void TCustomListView::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClassName = u"SysListView32";
    static constexpr DWORD Views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    params.Style |= Views[FViewStyle] | LVS_SHAREIMAGELISTS;
    if (!FMultiSelect)
        params.Style |= LVS_SINGLESEL;
    if (!FHideSelection)
        params.Style |= LVS_SHOWSELALWAYS;
    if (!FReadOnly)
        params.Style |= LVS_EDITLABELS;
    if (!FShowColumnHeaders)
        params.Style |= LVS_NOCOLUMNHEADER;
    if (!FIconOptions->WrapText())
        params.Style |= LVS_NOLABELWRAP;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::UpdateExtendedStyle() const
{
    const DWORD mask = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES;
    const DWORD style = (FCheckboxes ? LVS_EX_CHECKBOXES : 0) | (FRowSelect ? LVS_EX_FULLROWSELECT : 0) | LVS_EX_SUBITEMIMAGES;
    SendMessageW(FHandle, LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style);
}

void TCustomListView::CreateHandleState()
{
    SendImageList(FSmallImages, LVSIL_SMALL);
    SendImageList(FLargeImages, LVSIL_NORMAL);
    // Check boxes bring their own state images, which only a list of the control's replaces.
    if (FStateImages)
        SendImageList(FStateImages, LVSIL_STATE);
    UpdateExtendedStyle();
    if (FGroupView)
        SendMessageW(FHandle, LVM_ENABLEGROUPVIEW, TRUE, 0);
    UpdateColumns();
    // The items go in with the drawing off: the system list is slow to take them one by one.
    SendMessageW(FHandle, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < FItems->Count(); ++i)
        FItems->CreateItem(i);
    if (FItems->FUpdateCount == 0)
        SendMessageW(FHandle, WM_SETREDRAW, TRUE, 0);
}

void TCustomListView::SaveHandleState()
{
    for (const auto& item : FItems->FItems) {
        item->FChecked = item->Checked();
        item->FSelected = item->Selected();
        item->FFocused = item->Focused();
    }
}

void TCustomListView::UpdateColumns()
{
    if (!FHandle || ComponentState().Contains(csDestroying))
        return;
    const HWND header = reinterpret_cast<HWND>(SendMessageW(FHandle, LVM_GETHEADER, 0, 0));
    const int existing = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    for (int i = existing - 1; i >= 0; --i)
        SendMessageW(FHandle, LVM_DELETECOLUMN, static_cast<WPARAM>(i), 0);
    for (int i = 0; i < FColumns->Count(); ++i) {
        TListColumn* column = FColumns->Items(i);
        const String caption = column->Caption();
        LVCOLUMNW lvc{};
        lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        lvc.fmt = i == 0 ? LVCFMT_LEFT : FormatOf(column->Alignment());
        lvc.cx = column->FWidth;
        lvc.pszText = const_cast<LPWSTR>(WidePtr(caption));
        lvc.iSubItem = i;
        SendMessageW(FHandle, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&lvc));
    }
    for (const auto& item : FItems->FItems)
        item->UpdateSubItems();
}

void TCustomListView::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FSmallImages)
        SetSmallImages(nullptr);
    if (component == FLargeImages)
        SetLargeImages(nullptr);
    if (component == FStateImages)
        SetStateImages(nullptr);
}

void TCustomListView::SendImageList(TCustomImageList* list, int kind) const
{
    if (FHandle)
        SendMessageW(FHandle, LVM_SETIMAGELIST, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(list ? list->Handle() : nullptr));
}

void TCustomListView::SetImageList(TCustomImageList*& field, TCustomImageList* value, int kind)
{
    if (ReplaceComponentReference(this, field, value))
        SendImageList(field, kind);
}

void TCustomListView::SetSmallImages(TCustomImageList* value) { SetImageList(FSmallImages, value, LVSIL_SMALL); }

void TCustomListView::SetLargeImages(TCustomImageList* value) { SetImageList(FLargeImages, value, LVSIL_NORMAL); }

void TCustomListView::SetStateImages(TCustomImageList* value) { SetImageList(FStateImages, value, LVSIL_STATE); }

void TCustomListView::SetViewStyle(TViewStyle value)
{
    if (FViewStyle == value)
        return;
    FViewStyle = value;
    if (!FHandle)
        return;
    static constexpr DWORD Views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    const DWORD style = static_cast<DWORD>(GetWindowLongW(FHandle, GWL_STYLE));
    SetWindowLongW(FHandle, GWL_STYLE, static_cast<LONG>((style & ~static_cast<DWORD>(LVS_TYPEMASK)) | Views[value]));
    Invalidate();
}

void TCustomListView::SetCheckboxes(bool value)
{
    if (FCheckboxes == value)
        return;
    SaveHandleState();
    FCheckboxes = value;
    if (!FHandle)
        return;
    // Switching the boxes on resets every item's box: the items get their own states back.
    FWritingItems = true;
    UpdateExtendedStyle();
    if (value)
        for (const auto& item : FItems->FItems)
            item->SetState(item->FChecked ? CheckedStateImage : UncheckedStateImage, LVIS_STATEIMAGEMASK);
    FWritingItems = false;
}

void TCustomListView::SetRowSelect(bool value)
{
    FRowSelect = value;
    if (FHandle)
        UpdateExtendedStyle();
}

void TCustomListView::SetGroupView(bool value)
{
    FGroupView = value;
    if (FHandle)
        SendMessageW(FHandle, LVM_ENABLEGROUPVIEW, value, 0);
}

void TCustomListView::SetStyleFlag(bool& field, bool value)
{
    if (field == value)
        return;
    field = value;
    RecreateWnd();
}

void TCustomListView::SetOnAdvancedCustomDrawItem(TLVAdvancedCustomDrawItemEvent e)
{
    FOnAdvancedCustomDrawItem = e;
    Invalidate();
}

TListItem* TCustomListView::Selected() const
{
    if (!FHandle) {
        for (const auto& item : FItems->FItems)
            if (item->FSelected)
                return item.get();
        return nullptr;
    }
    const int index = static_cast<int>(SendMessageW(FHandle, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return index >= 0 && index < FItems->Count() ? FItems->Item(index) : nullptr;
}

void TCustomListView::SetSelected(TListItem* item)
{
    for (const auto& each : FItems->FItems)
        if (each.get() != item && each->Selected())
            each->SetSelected(false);
    if (item)
        item->SetSelected(true);
}

TListItem* TCustomListView::ItemFocused() const
{
    if (!FHandle)
        return nullptr;
    const int index = static_cast<int>(SendMessageW(FHandle, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    return index >= 0 && index < FItems->Count() ? FItems->Item(index) : nullptr;
}

TListItem* TCustomListView::TopItem() const
{
    if (!FHandle)
        return nullptr;
    const int index = static_cast<int>(SendMessageW(FHandle, LVM_GETTOPINDEX, 0, 0));
    return index >= 0 && index < FItems->Count() ? FItems->Item(index) : nullptr;
}

TListItem* TCustomListView::GetItemAt(int x, int y) const
{
    if (!FHandle)
        return nullptr;
    LVHITTESTINFO hit{};
    hit.pt = POINT{x, y};
    const int index = static_cast<int>(SendMessageW(FHandle, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return index >= 0 && index < FItems->Count() && (hit.flags & LVHT_ONITEM) ? FItems->Item(index) : nullptr;
}

LRESULT TCustomListView::CustomDraw(NMLVCUSTOMDRAW& draw)
{
    if (!FOnAdvancedCustomDrawItem)
        return CDRF_DODEFAULT;
    auto* item = reinterpret_cast<TListItem*>(draw.nmcd.lItemlParam);
    return CustomDrawItem(draw.nmcd, FCanvas.get(), item && FItems->IndexOf(item) >= 0,
                          [&](TCustomDrawStage stage, TCustomDrawState state, bool& defaultDraw) {
                              FOnAdvancedCustomDrawItem(this, item, state, stage, defaultDraw);
                          });
}

void TCustomListView::ItemChanged(const NMLISTVIEW& change)
{
    if (FWritingItems || !(change.uChanged & LVIF_STATE) || change.iItem < 0 || change.iItem >= FItems->Count())
        return;
    TListItem* item = FItems->Item(change.iItem);
    const UINT changed = change.uNewState ^ change.uOldState;
    if (changed & LVIS_SELECTED)
        FOnSelectItem(this, item, (change.uNewState & LVIS_SELECTED) != 0);
    // A box that had no state yet is the control setting it up, not the user.
    if ((changed & LVIS_STATEIMAGEMASK) && (change.uOldState & LVIS_STATEIMAGEMASK))
        FOnItemChecked(this, item);
}

void TCustomListView::WndProc(TMessage& message)
{
    if (message.Msg == CN_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(message.LParam);
        switch (header->code) {
        case NM_CUSTOMDRAW:
            message.Result = CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(message.LParam));
            return;
        case LVN_ITEMCHANGED:
            ItemChanged(*reinterpret_cast<NMLISTVIEW*>(message.LParam));
            message.Result = 0;
            return;
        case LVN_COLUMNCLICK: {
            const int column = reinterpret_cast<NMLISTVIEW*>(message.LParam)->iSubItem;
            if (column >= 0 && column < FColumns->Count())
                FOnColumnClick(this, FColumns->Items(column));
            message.Result = 0;
            return;
        }
        default:
            message.Result = 0;
            return;
        }
    }
    TWinControl::WndProc(message);
}
