// The tree view: nodes kept by the control, one system item per node while the window exists.
#include "ComCtrls.h"

#include "ImgList.h"
#include "WideText.h"

TCustomDrawState CustomDrawStateOf(UINT itemState)
{
    static constexpr std::pair<UINT, TCustomDrawStateItem> Bits[] = {
        {CDIS_SELECTED, cdsSelected}, {CDIS_GRAYED, cdsGrayed},   {CDIS_DISABLED, cdsDisabled},
        {CDIS_CHECKED, cdsChecked},   {CDIS_FOCUS, cdsFocused},   {CDIS_DEFAULT, cdsDefault},
        {CDIS_HOT, cdsHot},           {CDIS_MARKED, cdsMarked},   {CDIS_INDETERMINATE, cdsIndeterminate}};
    TCustomDrawState state;
    for (const auto& [bit, item] : Bits)
        if (itemState & bit)
            state.Include(item);
    return state;
}

LRESULT CustomDrawItem(const NMCUSTOMDRAW& draw, TCanvas* canvas, bool knownItem, const TCustomDrawItemPainter& paint)
{
    const DWORD stage = draw.dwDrawStage;
    if (stage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if ((stage != CDDS_ITEMPREPAINT && stage != CDDS_ITEMPOSTPAINT) || !knownItem)
        return CDRF_DODEFAULT;
    bool defaultDraw = true;
    canvas->SetHandle(draw.hdc);
    try {
        paint(stage == CDDS_ITEMPREPAINT ? cdPrePaint : cdPostPaint, CustomDrawStateOf(draw.uItemState), defaultDraw);
    } catch (...) {
        canvas->SetHandle(nullptr);
        throw;
    }
    canvas->SetHandle(nullptr);
    if (!defaultDraw)
        return CDRF_SKIPDEFAULT;
    return stage == CDDS_ITEMPREPAINT ? CDRF_NOTIFYPOSTPAINT : CDRF_DODEFAULT;
}

// ---------------------------------------------------------------------------------------------

TTreeNode::TTreeNode(TTreeNodes* owner, TTreeNode* parent) : FOwner(owner), FParent(parent) {}

TTreeNode::~TTreeNode() = default;

TCustomTreeView* TTreeNode::TreeView() const { return FOwner->Owner(); }

void TTreeNode::UpdateItem(UINT mask)
{
    const HWND wnd = TreeView()->HandleIfAllocated();
    if (!wnd || !FItemId)
        return;
    TVITEMW item{};
    item.mask = mask;
    item.hItem = FItemId;
    item.pszText = const_cast<LPWSTR>(WidePtr(FText));
    item.iImage = FImageIndex;
    item.iSelectedImage = FSelectedIndex >= 0 ? FSelectedIndex : FImageIndex;
    item.stateMask = TVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(std::max(0, FStateIndex));
    SendMessageW(wnd, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void TTreeNode::SetText(const String& value)
{
    FText = value;
    UpdateItem(TVIF_TEXT);
}

void TTreeNode::SetImageIndex(int value)
{
    FImageIndex = value;
    UpdateItem(TVIF_IMAGE | TVIF_SELECTEDIMAGE);
}

void TTreeNode::SetSelectedIndex(int value)
{
    FSelectedIndex = value;
    UpdateItem(TVIF_SELECTEDIMAGE);
}

void TTreeNode::SetExpandedImageIndex(int value)
{
    FExpandedImageIndex = value;
    TreeView()->Invalidate();
}

int TTreeNode::StateIndex() const { return FStateIndex; }

void TTreeNode::SetStateIndex(int value)
{
    FStateIndex = value;
    UpdateItem(TVIF_STATE);
}

int TTreeNode::Level() const
{
    int level = 0;
    for (TTreeNode* p = FParent; p; p = p->FParent)
        ++level;
    return level;
}

int TTreeNode::Index() const
{
    const std::vector<TTreeNode*>& siblings = FParent ? FParent->FChildren : FOwner->FRoots;
    const auto at = std::find(siblings.begin(), siblings.end(), this);
    return static_cast<int>(at - siblings.begin());
}

bool TTreeNode::Expanded() const
{
    const HWND wnd = TreeView()->HandleIfAllocated();
    if (!wnd || !FItemId)
        return FExpanded;
    return (SendMessageW(wnd, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(FItemId), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

void TTreeNode::SetExpanded(bool value)
{
    FExpanded = value;
    if (const HWND wnd = TreeView()->HandleIfAllocated(); wnd && FItemId)
        SendMessageW(wnd, TVM_EXPAND, value ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(FItemId));
}

void TTreeNode::Expand(bool recurse)
{
    SetExpanded(true);
    if (recurse)
        for (TTreeNode* child : FChildren)
            child->Expand(true);
}

void TTreeNode::Collapse(bool recurse)
{
    SetExpanded(false);
    if (recurse)
        for (TTreeNode* child : FChildren)
            child->Collapse(true);
}

bool TTreeNode::Selected() const { return TreeView()->Selected() == this; }

void TTreeNode::SetSelected(bool value)
{
    if (value)
        TreeView()->SetSelected(const_cast<TTreeNode*>(this));
    else if (Selected())
        TreeView()->SetSelected(nullptr);
}

TTreeNode* TTreeNode::GetNextSibling() const
{
    const std::vector<TTreeNode*>& siblings = FParent ? FParent->FChildren : FOwner->FRoots;
    const size_t at = static_cast<size_t>(Index()) + 1;
    return at < siblings.size() ? siblings[at] : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const
{
    const std::vector<TTreeNode*>& siblings = FParent ? FParent->FChildren : FOwner->FRoots;
    const int at = Index() - 1;
    return at >= 0 ? siblings[static_cast<size_t>(at)] : nullptr;
}

TTreeNode* TTreeNode::GetNextVisible() const
{
    const HWND wnd = TreeView()->HandleIfAllocated();
    if (!wnd || !FItemId)
        return nullptr;
    const auto next = reinterpret_cast<HTREEITEM>(
        SendMessageW(wnd, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(FItemId)));
    return FOwner->GetNode(next);
}

int TTreeNode::AbsoluteIndex() const
{
    int index = 0;
    int found = -1;
    FOwner->ForEach([&](TTreeNode* node) {
        if (node == this)
            found = index;
        ++index;
    });
    return found;
}

TRect TTreeNode::DisplayRect(bool textOnly) const
{
    const HWND wnd = TreeView()->HandleIfAllocated();
    if (!wnd || !FItemId)
        return TRect();
    // The message takes the item in the rectangle's first bytes.
    union {
        RECT Rect;
        HTREEITEM Item;
    } query{};
    query.Item = FItemId;
    if (!SendMessageW(wnd, TVM_GETITEMRECT, textOnly, reinterpret_cast<LPARAM>(&query.Rect)))
        return TRect();
    return FromWinRect(query.Rect);
}

// ---------------------------------------------------------------------------------------------

TTreeNodes::TTreeNodes(TCustomTreeView* owner) : FOwner(owner) {}

TTreeNodes::~TTreeNodes() = default;

void TTreeNodes::ForEach(const std::function<void(TTreeNode*)>& proc) const
{
    std::function<void(const std::vector<TTreeNode*>&)> walk = [&](const std::vector<TTreeNode*>& nodes) {
        for (TTreeNode* node : nodes) {
            proc(node);
            walk(node->FChildren);
        }
    };
    walk(FRoots);
}

int TTreeNodes::Count() const { return static_cast<int>(FAll.size()); }

TTreeNode* TTreeNodes::Item(int index) const
{
    TTreeNode* found = nullptr;
    int i = 0;
    ForEach([&](TTreeNode* node) {
        if (i++ == index)
            found = node;
    });
    return found;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const String& text)
{
    return AddChild(sibling ? sibling->FParent : nullptr, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const String& text)
{
    FAll.push_back(std::make_unique<TTreeNode>(this, parent));
    TTreeNode* node = FAll.back().get();
    node->FText = text;
    (parent ? parent->FChildren : FRoots).push_back(node);
    if (FOwner->HandleAllocated())
        CreateItems(node, TVI_LAST);
    return node;
}

void TTreeNodes::CreateItems(TTreeNode* node, HTREEITEM after)
{
    TVINSERTSTRUCTW insert{};
    insert.hParent = node->FParent ? node->FParent->FItemId : TVI_ROOT;
    insert.hInsertAfter = after;
    TVITEMW& item = insert.item;
    item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.pszText = const_cast<LPWSTR>(WidePtr(node->FText));
    item.lParam = reinterpret_cast<LPARAM>(node);
    item.iImage = node->FImageIndex;
    item.iSelectedImage = node->FSelectedIndex >= 0 ? node->FSelectedIndex : node->FImageIndex;
    if (node->FStateIndex >= 0) {
        item.mask |= TVIF_STATE;
        item.stateMask = TVIS_STATEIMAGEMASK;
        item.state = INDEXTOSTATEIMAGEMASK(node->FStateIndex);
    }
    const HWND wnd = FOwner->Handle();
    node->FItemId = reinterpret_cast<HTREEITEM>(SendMessageW(wnd, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    for (TTreeNode* child : node->FChildren)
        CreateItems(child, TVI_LAST);
    if (node->FExpanded)
        SendMessageW(wnd, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node->FItemId));
}

void TTreeNodes::Forget(TTreeNode* node)
{
    while (!node->FChildren.empty())
        Forget(node->FChildren.back());
    std::vector<TTreeNode*>& siblings = node->FParent ? node->FParent->FChildren : FRoots;
    siblings.erase(std::find(siblings.begin(), siblings.end(), node));
    FAll.erase(std::find_if(FAll.begin(), FAll.end(), [&](const auto& owned) { return owned.get() == node; }));
}

void TTreeNodes::Delete(TTreeNode* node)
{
    if (!node)
        return;
    if (const HWND wnd = FOwner->HandleIfAllocated(); wnd && node->FItemId)
        SendMessageW(wnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node->FItemId));
    Forget(node);
}

void TTreeNodes::Clear()
{
    if (const HWND wnd = FOwner->HandleIfAllocated())
        SendMessageW(wnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    FRoots.clear();
    FAll.clear();
}

TTreeNode* TTreeNodes::GetNode(HTREEITEM item) const
{
    if (!item)
        return nullptr;
    for (const auto& node : FAll)
        if (node->FItemId == item)
            return node.get();
    return nullptr;
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TTreeView)
{
    TAVIN_PROPERTY(TCustomImageList*, Images);
    TAVIN_PROPERTY(int, Indent).Default(19);
    TAVIN_PROPERTY(bool, ShowRoot).Default(true);
    TAVIN_PROPERTY(bool, ShowLines).Default(true);
    TAVIN_PROPERTY(bool, ShowButtons).Default(true);
    TAVIN_PROPERTY(bool, HideSelection).Default(true);
    TAVIN_PROPERTY(bool, RightClickSelect).Default(false);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

TCustomTreeView::TCustomTreeView(TComponent* owner)
    : TWinControl(owner), FItems(std::make_unique<TTreeNodes>(this)), FCanvas(std::make_unique<TCanvas>())
{
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

TCustomTreeView::~TCustomTreeView() = default;

void TCustomTreeView::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClassName = u"SysTreeView32";
    if (FShowLines)
        params.Style |= TVS_HASLINES;
    if (FShowButtons)
        params.Style |= TVS_HASBUTTONS;
    if (FShowRoot)
        params.Style |= TVS_LINESATROOT;
    if (!FHideSelection)
        params.Style |= TVS_SHOWSELALWAYS;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateHandleState()
{
    if (FImages)
        SendMessageW(FHandle, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(FImages->Handle()));
    SendMessageW(FHandle, TVM_SETINDENT, static_cast<WPARAM>(FIndent), 0);
    for (TTreeNode* node : std::vector<TTreeNode*>(FItems->FRoots))
        FItems->CreateItems(node, TVI_LAST);
    if (FSavedSelected)
        SetSelected(FSavedSelected);
    FSavedSelected = nullptr;
}

void TCustomTreeView::SaveHandleState()
{
    FSavedSelected = Selected();
    FItems->ForEach([](TTreeNode* node) {
        node->FExpanded = node->Expanded();
        node->FItemId = nullptr;
    });
}

void TCustomTreeView::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == FImages)
        FImages = nullptr;
}

void TCustomTreeView::SetImages(TCustomImageList* value)
{
    if (ReplaceComponentReference(this, FImages, value) && FHandle)
        SendMessageW(FHandle, TVM_SETIMAGELIST, TVSIL_NORMAL,
                     reinterpret_cast<LPARAM>(FImages ? FImages->Handle() : nullptr));
}

int TCustomTreeView::Indent() const
{
    return FHandle ? static_cast<int>(SendMessageW(FHandle, TVM_GETINDENT, 0, 0)) : FIndent;
}

void TCustomTreeView::SetIndent(int value)
{
    FIndent = value;
    if (FHandle)
        SendMessageW(FHandle, TVM_SETINDENT, static_cast<WPARAM>(value), 0);
}

void TCustomTreeView::SetStyleFlag(bool& field, bool value)
{
    if (field == value)
        return;
    field = value;
    RecreateWnd();
}

TTreeNode* TCustomTreeView::Selected() const
{
    if (!FHandle)
        return nullptr;
    return FItems->GetNode(reinterpret_cast<HTREEITEM>(SendMessageW(FHandle, TVM_GETNEXTITEM, TVGN_CARET, 0)));
}

void TCustomTreeView::SetSelected(TTreeNode* node)
{
    if (FHandle)
        SendMessageW(FHandle, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node ? node->ItemId() : nullptr));
}

TTreeNode* TCustomTreeView::TopItem() const
{
    if (!FHandle)
        return nullptr;
    return FItems->GetNode(reinterpret_cast<HTREEITEM>(SendMessageW(FHandle, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0)));
}

TTreeNode* TCustomTreeView::GetNodeAt(int x, int y) const
{
    if (!FHandle)
        return nullptr;
    TVHITTESTINFO hit{};
    hit.pt = POINT{x, y};
    const auto item = reinterpret_cast<HTREEITEM>(SendMessageW(FHandle, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & (TVHT_ONITEM | TVHT_ONITEMINDENT | TVHT_ONITEMBUTTON | TVHT_ONITEMRIGHT)) ? FItems->GetNode(item)
                                                                                                : nullptr;
}

LRESULT TCustomTreeView::CustomDraw(NMTVCUSTOMDRAW& draw)
{
    if (!FOnAdvancedCustomDrawItem)
        return CDRF_DODEFAULT;
    auto* node = reinterpret_cast<TTreeNode*>(draw.nmcd.lItemlParam);
    return CustomDrawItem(draw.nmcd, FCanvas.get(), node != nullptr,
                          [&](TCustomDrawStage stage, TCustomDrawState state, bool& defaultDraw) {
                              bool paintImages = true;
                              FOnAdvancedCustomDrawItem(this, node, state, stage, paintImages, defaultDraw);
                          });
}

void TCustomTreeView::WndProc(TMessage& message)
{
    if (message.Msg == CN_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(message.LParam);
        switch (header->code) {
        case NM_CUSTOMDRAW:
            message.Result = CustomDraw(*reinterpret_cast<NMTVCUSTOMDRAW*>(message.LParam));
            return;
        case TVN_SELCHANGEDW:
            FOnChange(this);
            return;
        default:
            message.Result = 0;
            return;
        }
    }
    TWinControl::WndProc(message);
}
