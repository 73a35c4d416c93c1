#include "scPageViewer.h"

#include "Forms.h"

TAVIN_PUBLISHED(TscPageViewerPage) {}

TAVIN_PUBLISHED(TscPageViewerItem)
{
    TAVIN_PROPERTY(TscPageViewerPage*, Page);
}

TAVIN_PUBLISHED(TscPageViewer)
{
    TAVIN_PROPERTY(TAlign, Align).Default(alNone);
    TAVIN_PROPERTY(TFont*, Font);
    TAVIN_PROPERTY(TColor, Color);
    TAVIN_PROPERTY(TscPageViewerItems*, Pages);
    TAVIN_PROPERTY(TscPageViewerPage*, ActivePage);
    TAVIN_PROPERTY(int, PageIndex).Default(-1);
    TAVIN_PROPERTY(TNotifyEvent, OnChangePage);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
    TAVIN_PROPERTY(TNotifyEvent, OnResize);
}

// ---------------------------------------------------------------------------------------------

TscPageViewerPage::TscPageViewerPage(TComponent* owner) : TscScrollBox(owner)
{
    SetBorderStyle(bsNone);
    SetParentFont(false);
    SetParentColor(false);
    SetAlign(alClient);
}

TscPageViewerPage::~TscPageViewerPage()
{
    Destroying();
    if (PageViewer && !PageViewer->Busy())
        PageViewer->PageDestroying(this);
}

void TscPageViewerPage::SetBounds(int left, int top, int width, int height)
{
    if (Align() != alClient) {
        if (!PageViewer)
            PageViewer = dynamic_cast<TscPageViewer*>(Parent());
        if (Parent() && PageViewer) {
            TscScrollBox::SetBounds(0, 0, PageViewer->Width(), PageViewer->Height());
            return;
        }
    }
    TscScrollBox::SetBounds(left, top, width, height);
}

// ---------------------------------------------------------------------------------------------

TscPageViewerItem::TscPageViewerItem(TCollection* collection) : TCollectionItem(collection) {}

TscPageViewer* TscPageViewerItem::Viewer() const
{
    auto* items = dynamic_cast<TscPageViewerItems*>(Collection());
    return items ? items->PageViewer() : nullptr;
}

void TscPageViewerItem::SetPage(TscPageViewerPage* value)
{
    if (FPage == value)
        return;
    FPage = value;
    if (FPage && FPage->PageViewer)
        FPage->PageViewer->SetActivePage(FPage);
}

void TscPageViewerItem::Assign(const TPersistent* source)
{
    auto* item = dynamic_cast<const TscPageViewerItem*>(source);
    if (!item) {
        TCollectionItem::Assign(source);
        return;
    }
    TscPageViewer* viewer = Viewer();
    TComponent* owner = viewer ? viewer->Owner() : nullptr;
    if (!item->FPage || !owner) {
        FPage = nullptr;
        return;
    }
    TComponent* found = owner->FindComponent(item->FPage->Name());
    FPage = found ? &dynamic_cast<TscPageViewerPage&>(*found) : nullptr;
}

// ---------------------------------------------------------------------------------------------

TscPageViewerItems::TscPageViewerItems(TscPageViewer* viewer)
    : TCollection(TscPageViewerItem::StaticClass()), FPageViewer(viewer)
{
}

TPersistent* TscPageViewerItems::GetOwner() const { return FPageViewer; }

bool TscPageViewerItems::AtRunTime() const
{
    const TComponentState state = FPageViewer->ComponentState();
    return !state.Contains(csDesigning) && !state.Contains(csLoading);
}

TscPageViewerItem* TscPageViewerItems::WithNewPage(TscPageViewerItem* item)
{
    if (AtRunTime())
        item->SetPage(FPageViewer->CreatePage());
    return item;
}

TscPageViewerItem* TscPageViewerItems::Add() { return WithNewPage(static_cast<TscPageViewerItem*>(TCollection::Add())); }

TscPageViewerItem* TscPageViewerItems::Insert(int index)
{
    return WithNewPage(static_cast<TscPageViewerItem*>(TCollection::Insert(index)));
}

void TscPageViewerItems::Delete(int index)
{
    TscPageViewerItem* item = Items(index);
    const bool shown = index == FPageViewer->FPageIndex;
    if (AtRunTime() && item->FPage) {
        TscPageViewerPage* page = item->FPage;
        item->FPage = nullptr;
        delete page;
    }
    TCollection::Delete(index);
    if (shown)
        FPageViewer->ShowNeighbourOf(index);
    else if (FPageViewer->FActivePage)
        FPageViewer->FPageIndex = FPageViewer->IndexOfPage(FPageViewer->FActivePage);
}

// ---------------------------------------------------------------------------------------------

TscPageViewer::TscPageViewer(TComponent* owner)
    : TscCustomControl(owner), FPages(std::make_unique<TscPageViewerItems>(this))
{
    SetTabStop(false);
    SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls));
    SetBounds(Left(), Top(), 300, 300);
}

TscPageViewer::~TscPageViewer()
{
    Destroying();
    // The pages outlive the viewer (the form owns them) or go with it as its children: either
    // way they no longer report to it.
    for (int i = 0; i < FPages->Count(); ++i)
        if (TscPageViewerPage* page = FPages->Items(i)->Page())
            page->PageViewer = nullptr;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* page = dynamic_cast<TscPageViewerPage*>(Controls(i)); page && page->PageViewer == this)
            page->PageViewer = nullptr;
    if (FActivePage)
        FActivePage->RemoveFreeNotification(this);
    FActivePage = nullptr;
}

bool TscPageViewer::Busy() const
{
    const TComponentState state = ComponentState();
    return state.Contains(csLoading) || state.Contains(csDestroying) || state.Contains(csUpdating) ||
           state.Contains(csReading) || state.Contains(csWriting);
}

int TscPageViewer::IndexOfPage(const TscPageViewerPage* page) const
{
    for (int i = 0; i < FPages->Count(); ++i)
        if (FPages->Items(i)->Page() == page)
            return i;
    return -1;
}

TscPageViewerPage* TscPageViewer::CreatePage()
{
    auto* page = new TscPageViewerPage(Owner());
    page->SetParent(this);
    page->PageViewer = this;
    page->SetBounds(0, 0, Width(), Height());
    String name;
    GetUniqueComponentName(u"scPageViewerPage%d", Owner(), name);
    page->SetName(name);
    SetActivePage(page); // not listed yet: the item that takes it shows it
    return page;
}

void TscPageViewer::SetActivePage(TscPageViewerPage* value)
{
    const int index = value ? IndexOfPage(value) : -1;
    if (index >= 0)
        SetPageIndex(index);
}

void TscPageViewer::SetPageIndex(int value)
{
    if (value < 0 || value > FPages->Count() - 1)
        return;
    const bool loading = ComponentState().Contains(csLoading);
    if (FOnCanChangePage && !loading) {
        bool canChange = true;
        FOnCanChangePage(value, canChange);
        if (!canChange)
            return;
    }
    TscPageViewerPage* page = FPages->Items(value)->Page();
    if (value == FPageIndex) {
        if (page && !page->Visible())
            page->SetVisible(true);
        return;
    }
    if (!ComponentState().Contains(csDesigning) && !loading)
        if (TCustomForm* form = GetParentForm(); form && form->ActiveControl() && FActivePage &&
                                                  FActivePage->ContainsControl(form->ActiveControl())) {
            form->SetActiveControl(nullptr);
            if (form->ActiveControl())
                return;
        }
    const int old = FPageIndex;
    FPageIndex = value;
    if (!loading && FOnChangingPage)
        FOnChangingPage(this);
    if (page) {
        page->SetParent(this);
        page->SetVisible(true);
        page->BringToFront();
        if (FActivePage)
            FActivePage->RemoveFreeNotification(this);
        FActivePage = page;
        page->FreeNotification(this);
        page->SetBounds(page->Left(), page->Top(), page->Width(), page->Height());
    }
    if (old >= 0 && old < FPages->Count())
        if (TscPageViewerPage* previous = FPages->Items(old)->Page(); previous && previous != page)
            previous->SetVisible(false);
    if (!loading && FOnChangePage)
        FOnChangePage(this);
}

void TscPageViewer::ShowNeighbourOf(int index)
{
    FPageIndex = -1;
    if (FPages->Count() == 0) {
        FActivePage = nullptr;
        Invalidate();
        return;
    }
    SetPageIndex(std::min(index, FPages->Count() - 1));
}

void TscPageViewer::PageDestroying(TscPageViewerPage* page)
{
    if (FActivePage == page)
        FActivePage = nullptr;
    const int index = IndexOfPage(page);
    if (index < 0) {
        if (FPageIndex >= 0)
            SetPageIndex(std::min(FPageIndex, FPages->Count() - 1));
        return;
    }
    // The item lets go first, so that deleting it does not free the page a second time.
    FPages->Items(index)->FPage = nullptr;
    FPages->Delete(index);
}

void TscPageViewer::Notification(TComponent* component, TOperation operation)
{
    TscCustomControl::Notification(component, operation);
    if (operation == opRemove && component == FActivePage)
        FActivePage = nullptr;
}

void TscPageViewer::Loaded()
{
    TscCustomControl::Loaded();
    for (int i = 0; i < FPages->Count(); ++i)
        if (TscPageViewerPage* page = FPages->Items(i)->Page()) {
            page->PageViewer = this;
            page->SetVisible(page == FActivePage);
        }
}

void TscPageViewer::CreateParams(TCreateParams& params)
{
    TscCustomControl::CreateParams(params);
    params.WindowClassStyle &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TscPageViewer::Paint()
{
    if (FPages->Count() > 0)
        return;
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->Brush()->SetColor(StyleElements().Contains(seClient) ? GetStyleSystemColor(Color(), this) : Color());
    Canvas()->FillRect(ClientRect());
}

void TscPageViewer::WndProc(TMessage& message)
{
    TscCustomControl::WndProc(message);
    // A page on its way out is left alone.
    if (message.Msg == WM_SIZE && FActivePage && FPages->Count() > 0 && FActivePage->Align() != alClient &&
        !FActivePage->ComponentState().Contains(csDestroying))
        FActivePage->SetBounds(FActivePage->Left(), FActivePage->Top(), FActivePage->Width(), FActivePage->Height());
}
