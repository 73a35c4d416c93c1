#pragma once
// The page viewer: a container without tabs that shows exactly one of its pages, filling it;
// the application chooses the page by PageIndex or ActivePage. Each page is a styled scroll box
// belonging to the viewer's owner, so that it streams with the form.
#include "scControls.h"
#include "scScrollBox.h"

class TscPageViewer;

class TscPageViewerPage : public TscScrollBox {
    TAVIN_PUBLISHED_CLASS(TscPageViewerPage, TscScrollBox)
public:
    explicit TscPageViewerPage(TComponent* owner);
    ~TscPageViewerPage() override;
    // A page shown by a viewer fills it unless it is aligned to the client itself.
    void SetBounds(int left, int top, int width, int height) override;

    TscPageViewer* PageViewer = nullptr;
};

class TscPageViewerItem : public TCollectionItem {
    TAVIN_PUBLISHED_CLASS(TscPageViewerItem, TCollectionItem)
public:
    explicit TscPageViewerItem(TCollection* collection);

    TscPageViewerPage* Page() const { return FPage; }
    // Stores the page; a page that knows its viewer is shown.
    void SetPage(TscPageViewerPage* value);
    // From another item: the page of the same name among the viewer owner's components, not shown.
    void Assign(const TPersistent* source) override;

private:
    friend class TscPageViewerItems;
    friend class TscPageViewer;
    TscPageViewer* Viewer() const;
    TscPageViewerPage* FPage = nullptr;
};

class TscPageViewerItems : public TCollection {
    TAVIN_CLASS(TscPageViewerItems, TCollection)
public:
    explicit TscPageViewerItems(TscPageViewer* viewer);
    TscPageViewer* PageViewer() const { return FPageViewer; }
    // At run time the new item gets a new page, which is shown.
    TscPageViewerItem* Add();
    TscPageViewerItem* Insert(int index);
    // At run time the item's page is freed with it.
    void Delete(int index);
    TscPageViewerItem* Items(int index) const { return static_cast<TscPageViewerItem*>(TCollection::Items(index)); }

protected:
    TPersistent* GetOwner() const override;

private:
    bool AtRunTime() const;
    TscPageViewerItem* WithNewPage(TscPageViewerItem* item);
    TscPageViewer* FPageViewer;
};

using TscCanChangePageEvent = TEvent<int, bool&>;

class TscPageViewer : public TscCustomControl {
    TAVIN_PUBLISHED_CLASS(TscPageViewer, TscCustomControl)
public:
    explicit TscPageViewer(TComponent* owner);
    ~TscPageViewer() override;

    int PageIndex() const { return FPageIndex; }
    // Shows the page at the index; an index out of range, a refusal of OnCanChangePage or a
    // focused control that keeps the focus changes nothing.
    void SetPageIndex(int value);
    TscPageViewerItems* Pages() const { return FPages.get(); }
    void SetPages(TscPageViewerItems* value) { FPages->Assign(value); }
    TscPageViewerPage* ActivePage() const { return FActivePage; }
    // A listed page is shown; another page, or none, changes nothing.
    void SetActivePage(TscPageViewerPage* value);
    int IndexOfPage(const TscPageViewerPage* page) const;
    // A new page of the viewer's owner, named scPageViewerPage1, 2, ...; not listed yet.
    TscPageViewerPage* CreatePage();

    TNotifyEvent OnChangePage() const { return FOnChangePage; }
    void SetOnChangePage(TNotifyEvent value) { FOnChangePage = value; }
    TNotifyEvent OnChangingPage() const { return FOnChangingPage; }
    void SetOnChangingPage(TNotifyEvent value) { FOnChangingPage = value; }
    TscCanChangePageEvent OnCanChangePage() const { return FOnCanChangePage; }
    void SetOnCanChangePage(TscCanChangePageEvent value) { FOnCanChangePage = value; }

    void WndProc(TMessage& message) override;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

private:
    friend class TscPageViewerPage;
    friend class TscPageViewerItems;
    // A page is going: its item goes, and a neighbour is shown in its place.
    void PageDestroying(TscPageViewerPage* page);
    // Shows the page that now holds the index, or the last one; -1 when none is left.
    void ShowNeighbourOf(int index);
    bool Busy() const;

    int FPageIndex = -1;
    std::unique_ptr<TscPageViewerItems> FPages;
    TscPageViewerPage* FActivePage = nullptr;
    TNotifyEvent FOnChangePage, FOnChangingPage;
    TscCanChangePageEvent FOnCanChangePage;
};
