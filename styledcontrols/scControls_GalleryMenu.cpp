// The gallery menu: its items, selection, pop-up operations and the events of a close.
#include "scControls.h"

#include "scHint.h"

TAVIN_PUBLISHED(TscGalleryMenuItem)
{
    TAVIN_PROPERTY(bool, Button).Default(false);
    TAVIN_PROPERTY(bool, Enabled).Default(true);
    TAVIN_PROPERTY(bool, Header).Default(false);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(String, Hint);
    TAVIN_PROPERTY(int, ImageIndex).Default(-1);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
}

TAVIN_PUBLISHED(TscGalleryMenu)
{
    TAVIN_PROPERTY(TCustomImageList*, Images);
    TAVIN_PROPERTY(TscGalleryMenuItems*, Items);
    TAVIN_PROPERTY(TscMenuHeaderStyle, HeaderStyle).Default(scmhsDefault);
    TAVIN_PROPERTY(int, HeaderHeight).Default(25);
    TAVIN_PROPERTY(int, ItemIndex).Default(-1);
    TAVIN_PROPERTY(TscHint*, HintComponent);
    TAVIN_PROPERTY(TscGalleryMenuBGStyle, BackgroundStyle).Default(scgmPanel);
    TAVIN_PROPERTY(TFont*, ItemFont);
    TAVIN_PROPERTY(TFont*, HeaderFont);
    TAVIN_PROPERTY(int, ColumnsCount).Default(1);
    TAVIN_PROPERTY(bool, ShowSelectedItem).Default(true);
    TAVIN_PROPERTY(bool, ShowHints).Default(true);
    TAVIN_PROPERTY(bool, ButtonLeftAlignment).Default(false);
    TAVIN_PROPERTY(bool, ButtonGlyphLeftAlignment).Default(false);
    TAVIN_PROPERTY(TNotifyEvent, OnItemClick);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
    TAVIN_PROPERTY(TNotifyEvent, OnMenuPopup);
    TAVIN_PROPERTY(TNotifyEvent, OnMenuClose);
}

void TscGalleryMenuItem::Assign(const TPersistent* source)
{
    if (auto* item = dynamic_cast<const TscGalleryMenuItem*>(source)) {
        SetImageIndex(item->FImageIndex);
        SetCaption(item->FCaption);
        FButton = item->FButton;
        FHeader = item->FHeader;
        FHint = item->FHint;
        return;
    }
    TCollectionItem::Assign(source);
}

TscGalleryMenuItems::TscGalleryMenuItems(TscGalleryMenu* galleryMenu)
    : TCollection(TscGalleryMenuItem::StaticClass()), GalleryMenu(galleryMenu)
{
}

TPersistent* TscGalleryMenuItems::GetOwner() const { return GalleryMenu; }

TPoint GalleryPopupPosition(const TRect& popupRect, TSize size, const TRect& workArea, bool extended, bool fromTop,
                            bool fromRight)
{
    int x = popupRect.Left, y = popupRect.Bottom;
    const int above = popupRect.Top - size.cy;
    if (extended && fromTop)
        y = above < workArea.Top ? popupRect.Bottom : above;
    if (extended && fromRight) {
        x = popupRect.Right - size.cx;
        if (x < workArea.Left)
            x = popupRect.Left;
    }
    // Past the bottom: above the rectangle instead, or as far up as the work area lets it be.
    if (y + size.cy > workArea.Bottom)
        y = above >= workArea.Top ? above : workArea.Bottom - size.cy;
    if (x + size.cx > workArea.Right)
        x = workArea.Right - size.cx;
    if (x < workArea.Left)
        x = workArea.Left;
    if (y < workArea.Top)
        y = workArea.Top;
    return Point(x, y);
}

TscGalleryMenu::TscGalleryMenu(TComponent* owner)
    : TComponent(owner), FItems(std::make_unique<TscGalleryMenuItems>(this)), FItemFont(std::make_unique<TFont>()),
      FHeaderFont(std::make_unique<TFont>())
{
}

TscGalleryMenu::~TscGalleryMenu()
{
    // An open pop-up goes with the menu, without its close events; its destructor gives the
    // application's message hook and the mouse capture back.
    delete FPopupWindow;
    FPopupWindow = nullptr;
}

bool TscGalleryMenu::IsPopupVisible() const { return FPopupWindow != nullptr; }

void TscGalleryMenu::SetImages(TCustomImageList* value) { ReplaceComponentReference(this, FImages, value); }

void TscGalleryMenu::SetHintComponent(TscHint* value) { ReplaceComponentReference(this, FHintComponent, value); }

void TscGalleryMenu::SetColumnsCount(int value)
{
    if (value >= 1 && value <= 50)
        FColumnsCount = value;
}

TscGalleryMenuItem* TscGalleryMenu::SelectedItem() const
{
    return FItemIndex >= 0 && FItemIndex < FItems->Count() ? FItems->Items(FItemIndex) : nullptr;
}

void TscGalleryMenu::SetItemIndex(int value)
{
    // Any negative value means no selection.
    value = value < 0 ? -1 : value;
    if (value == FItemIndex || value > FItems->Count() - 1 || (value >= 0 && FItems->Items(value)->Header()))
        return;
    FItemIndex = value;
    if (ComponentState().Contains(csLoading))
        return;
    FOnInternalChange(this);
    FOnChange(this);
}

void TscGalleryMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FImages)
        FImages = nullptr;
    if (component == FHintComponent)
        FHintComponent = nullptr;
}

void TscGalleryMenu::DoPopup(const TRect& rect, bool extended, bool fromTop, bool fromRight)
{
    if (FPopupWindow)
        FPopupWindow->Hide(false);
    FOnMenuPopup(this);
    if (!FImages || FImages->Count() == 0)
        return;
    FPopupWindow = new TscGalleryMenuPopupWindow(this);
    if (auto* windowed = dynamic_cast<TWinControl*>(FControl))
        FPopupWindow->SetParentWindow(windowed->Handle());
    FPopupWindow->SetScaleFactor(FScaleFactor);
    if (extended)
        FPopupWindow->ShowExt(rect, fromTop, fromRight);
    else
        FPopupWindow->Show(rect);
}

void TscGalleryMenu::Popup(int x, int y) { DoPopup(Rect(x, y, x, y), false, false, false); }

void TscGalleryMenu::PopupExt(int x, int y, bool fromTop, bool fromRight)
{
    DoPopup(Rect(x, y, x, y), true, fromTop, fromRight);
}

void TscGalleryMenu::PopupFromRect(const TRect& rect) { DoPopup(rect, false, false, false); }

void TscGalleryMenu::PopupFromRectExt(const TRect& rect, bool fromTop, bool fromRight)
{
    DoPopup(rect, true, fromTop, fromRight);
}

void TscGalleryMenu::Hide()
{
    if (FPopupWindow)
        FPopupWindow->Hide(false);
    FControl = nullptr;
}

void TscGalleryMenu::PopupClosed(bool processEvents)
{
    if (!FPopupWindow)
        return;
    // The close may come from inside the window's own handling: it is freed once that is done.
    TscGalleryMenuPopupWindow* window = FPopupWindow;
    FPopupWindow = nullptr;
    PostMessageW(window->Handle(), CM_RELEASE, 0, 0);
    FOnInternalMenuClose(this);
    FOnMenuClose(this);
    if (!processEvents)
        return;
    // The change of the pick was reported by the selection itself: it is not reported again.
    if (TscGalleryMenuItem* item = SelectedItem()) {
        item->OnClick()(this);
        FOnItemClick(this);
    }
}
