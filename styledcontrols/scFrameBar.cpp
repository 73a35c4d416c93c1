#include "scFrameBar.h"

#include <cmath>

TAVIN_PUBLISHED(TscFrameBarItem)
{
    TAVIN_PROPERTY(bool, Enabled).Default(true);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(int, ImageIndex).Default(-1);
    TAVIN_PROPERTY(bool, Visible).Default(true);
    TAVIN_PROPERTY(bool, FreezeState).Default(false);
    TAVIN_PROPERTY(TscCreateFrameEvent, OnFrameCreate);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
    TAVIN_PROPERTY(TscFrameDestroyEvent, OnFrameDestroy);
    TAVIN_PROPERTY(TNotifyEvent, OnFrameShow);
    TAVIN_PROPERTY(TNotifyEvent, OnFrameClose);
}

TAVIN_PUBLISHED(TscFrameBar)
{
    TAVIN_PROPERTY(TAlign, Align).Default(alNone);
    TAVIN_PROPERTY(int, ActiveFrameIndex).Default(-1);
    TAVIN_PROPERTY(bool, Animation).Default(true);
    TAVIN_PROPERTY(TFont*, ButtonFont);
    TAVIN_PROPERTY(TCustomImageList*, ButtonImages);
    TAVIN_PROPERTY(int, ButtonSpacing).Default(5);
    TAVIN_PROPERTY(int, ButtonMargin).Default(10);
    TAVIN_PROPERTY(int, ButonHeight).Default(25);
    TAVIN_PROPERTY(TscbbButtonStyle, ButtonStyle).Default(scbbPushButton);
    TAVIN_PROPERTY(bool, ButtonTransparentBackground).Default(false);
    TAVIN_PROPERTY(bool, ButtonAnimation).Default(false);
    TAVIN_PROPERTY(TscFrameBarItems*, Items);
    TAVIN_PROPERTY(bool, CanCloseAll).Default(true);
    TAVIN_PROPERTY(bool, CanOpenAll).Default(true);
    TAVIN_PROPERTY(TscOnFrameChangeEvent, OnFrameChange);
    TAVIN_PROPERTY(TscOnFrameChangeEvent, OnFrameChanging);
}

namespace {

int Nearest(double value) { return static_cast<int>(std::nearbyint(value)); }

// Waits for the next tick of the system clock: the pace of one sliding step.
void WaitForTick(DWORD start)
{
    while (GetTickCount() < start + 1) {
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------

TscFrameBarItemButton::TscFrameBarItemButton(TscFrameBar* frameBar) : TscButton(frameBar), FrameBar(frameBar)
{
    frameBar->ApplyButtonLook(this);
    SetCanFocused(false);
}

TscFrameBarItemButton::~TscFrameBarItemButton()
{
    if (FrameItem && FrameItem->FrameButton == this)
        FrameItem->FrameButton = nullptr;
    if (FrameBar && !FrameBar->BeingDestroyed()) {
        SetParent(nullptr);
        FrameBar->AdjustControls(false);
    }
}

// ---------------------------------------------------------------------------------------------

TscFrameAdapter::TscFrameAdapter(TComponent* owner) : TComponent(owner), FFrame(dynamic_cast<TFrame*>(owner))
{
    if (FFrame && !ComponentState().Contains(csDesigning)) {
        OldWindowProc = FFrame->WindowProc();
        FFrame->SetWindowProc([this](TMessage& message) { FrameWndProc(message); });
    }
}

TscFrameAdapter::~TscFrameAdapter()
{
    // A frame on its way out (which frees its adapter last) keeps what it has.
    if (FFrame && OldWindowProc && !FFrame->ComponentState().Contains(csDestroying))
        FFrame->SetWindowProc(OldWindowProc);
}

void TscFrameAdapter::FrameWndProc(TMessage& message)
{
    if (message.Msg == WM_ERASEBKGND && !StyleServices(FFrame)->Enabled()) {
        TCanvas canvas;
        canvas.SetHandle(reinterpret_cast<HDC>(message.WParam));
        PaintParentBackground(FFrame, &canvas);
        canvas.SetHandle(nullptr);
        message.Result = 1;
        return;
    }
    OldWindowProc(message);
}

// ---------------------------------------------------------------------------------------------

TscFrameBarItem::TscFrameBarItem(TCollection* collection) : TCollectionItem(collection)
{
    TscFrameBar* bar = Bar();
    if (!bar)
        return;
    FrameButton = new TscFrameBarItemButton(bar);
    FrameButton->FrameItem = this;
    FrameButton->SetOnClick([this](TObject*) { FrameButtonClick(); });
    FrameButton->SetParent(bar);
    bar->AdjustControls(false);
}

TscFrameBarItem::~TscFrameBarItem()
{
    TscFrameBar* bar = Bar();
    const bool barGoing = !bar || bar->BeingDestroyed();
    if (!barGoing) {
        if (TscFrameBarItemButton* button = FrameButton) {
            FrameButton = nullptr;
            button->FrameItem = nullptr;
            button->SetVisible(false);
            delete button;
        }
        delete Frame;
        Frame = nullptr;
    }
    SetCollection(nullptr);
    if (!barGoing)
        bar->AdjustControls(false);
}

TscFrameBar* TscFrameBarItem::Bar() const
{
    auto* items = dynamic_cast<TscFrameBarItems*>(Collection());
    return items ? items->FrameBar() : nullptr;
}

void TscFrameBarItem::SetCaption(const String& value)
{
    FCaption = value;
    if (FrameButton)
        FrameButton->SetCaption(value);
}

void TscFrameBarItem::SetImageIndex(int value)
{
    FImageIndex = value;
    if (FrameButton)
        FrameButton->SetImageIndex(value);
}

void TscFrameBarItem::SetEnabled(bool value)
{
    FEnabled = value;
    if (FrameButton)
        FrameButton->SetEnabled(value);
}

void TscFrameBarItem::SetVisible(bool value)
{
    if (FVisible == value)
        return;
    FVisible = value;
    TscFrameBar* bar = Bar();
    if (FrameButton)
        FrameButton->SetParent(value ? bar : nullptr);
    // The layout passes over a hidden item: its frame must not stay over the others.
    if (!value && Frame)
        Frame->SetVisible(false);
    if (bar)
        bar->AdjustControls(true);
}

void TscFrameBarItem::SetIndex(int index)
{
    TCollectionItem::SetIndex(index);
    if (TscFrameBar* bar = Bar())
        bar->AdjustControls(true);
}

void TscFrameBarItem::Assign(const TPersistent* source)
{
    auto* item = dynamic_cast<const TscFrameBarItem*>(source);
    if (!item) {
        TCollectionItem::Assign(source);
        return;
    }
    SetCaption(item->FCaption);
    SetImageIndex(item->FImageIndex);
    SetVisible(item->FVisible);
}

void TscFrameBarItem::FrameButtonClick()
{
    TscFrameBar* bar = Bar();
    if (!bar || bar->ComponentState().Contains(csDesigning))
        return;
    if (FOnClick)
        FOnClick(FrameButton);
    if (FFreezeState)
        return;
    const bool wasOpened = FrameState == scfsFrameOpened;
    std::vector<TscFrameBarItem*> closed;
    const auto close = [&closed](TscFrameBarItem* item) {
        item->FrameState = scfsFrameCloseAction;
        if (item->FOnFrameClose)
            closed.push_back(item);
    };
    if (FrameState == scfsFrameClosed) {
        FrameState = scfsFrameOpenAction;
        if (bar->FOnFrameChanging)
            bar->FOnFrameChanging(bar, this);
        if (!bar->FCanOpenAll)
            for (int i = 0; i < bar->FItems->Count(); ++i)
                if (TscFrameBarItem* other = bar->FItems->Items(i); other->FrameState == scfsFrameOpened)
                    close(other);
    } else if (FrameState == scfsFrameOpened) {
        if (bar->FOnFrameChanging)
            bar->FOnFrameChanging(bar, this);
        if (bar->FCanCloseAll)
            close(this);
    }
    bar->AdjustControls(true);
    // A frame that stayed open (CanCloseAll off) is not shown anew.
    if (FrameState == scfsFrameOpened && !wasOpened && FOnFrameShow)
        FOnFrameShow(this);
    TscFrameBar::NotifyClosed(bar->FItems.get(), closed);
}

// ---------------------------------------------------------------------------------------------

TscFrameBarItems::TscFrameBarItems(TscFrameBar* frameBar) : TCollection(TscFrameBarItem::StaticClass()), FFrameBar(frameBar) {}

TscFrameBarItems::~TscFrameBarItems()
{
    Clear();
    FFrameBar = nullptr;
}

TPersistent* TscFrameBarItems::GetOwner() const { return FFrameBar; }

void TscFrameBarItems::SetItems(int index, TscFrameBarItem* value)
{
    Items(index)->Assign(value);
    FFrameBar->AdjustControls(false);
}

void TscFrameBarItems::Update(TCollectionItem* item)
{
    TCollection::Update(item);
    if (UpdateCount() == 0 && FFrameBar)
        FFrameBar->AdjustControls(false);
}

// ---------------------------------------------------------------------------------------------

TscFrameBar::TscFrameBar(TComponent* owner)
    : TscScrollBox(owner), FItems(std::make_unique<TscFrameBarItems>(this)), FButtonFont(std::make_unique<TFont>())
{
    SetAutoScroll(false);
    HorzScrollBar()->SetVisible(false);
    FIgnoreAutoScroll = true;
    FButtonFont->SetOnChange([this](TObject*) {
        ForEachButton([this](TscFrameBarItemButton* button) { button->Font()->Assign(FButtonFont.get()); });
    });
}

TscFrameBar::~TscFrameBar()
{
    Destroying();
    // The buttons are freed with the bar's owned components, after the bar's own part is gone.
    ForEachButton([](TscFrameBarItemButton* b) {
        b->FrameBar = nullptr;
        b->FrameItem = nullptr;
    });
    FItems.reset();
}

void TscFrameBar::ForEachButton(const std::function<void(TscFrameBarItemButton*)>& apply) const
{
    for (int i = 0; i < FItems->Count(); ++i)
        if (TscFrameBarItemButton* button = FItems->Items(i)->FrameButton)
            apply(button);
}

void TscFrameBar::ApplyButtonLook(TscFrameBarItemButton* button) const
{
    button->SetTransparentBackground(FButtonTransparentBackground);
    button->Font()->Assign(FButtonFont.get());
    button->SetSpacing(FButtonSpacing);
    button->SetMargin(FButtonMargin);
    button->SetImages(FButtonImages);
    button->SetAnimation(FButtonAnimation);
    button->SetStyleKind(FButtonStyle == scbbHeaderSection ? scbsHeaderSection : scbsPushButton);
}

void TscFrameBar::SetButtonStyle(TscbbButtonStyle value)
{
    if (FButtonStyle == value)
        return;
    FButtonStyle = value;
    ForEachButton([value](TscFrameBarItemButton* b) { b->SetStyleKind(value == scbbHeaderSection ? scbsHeaderSection : scbsPushButton); });
}

void TscFrameBar::SetButonHeight(int value)
{
    if (FButtonHeight == value)
        return;
    FButtonHeight = value;
    if (!ComponentState().Contains(csLoading))
        AdjustControls(false);
}

void TscFrameBar::SetButtonImages(TCustomImageList* value)
{
    if (ReplaceComponentReference(this, FButtonImages, value))
        ForEachButton([value](TscFrameBarItemButton* b) { b->SetImages(value); });
}

void TscFrameBar::SetButtonSpacing(int value)
{
    if (FButtonSpacing == value)
        return;
    FButtonSpacing = value;
    ForEachButton([value](TscFrameBarItemButton* b) {
        if (b->Visible())
            b->SetSpacing(value);
    });
}

void TscFrameBar::SetButtonMargin(int value)
{
    if (FButtonMargin == value)
        return;
    FButtonMargin = value;
    ForEachButton([value](TscFrameBarItemButton* b) {
        if (b->Visible())
            b->SetMargin(value);
    });
}

void TscFrameBar::SetButtonAnimation(bool value)
{
    if (FButtonAnimation == value)
        return;
    FButtonAnimation = value;
    ForEachButton([value](TscFrameBarItemButton* b) { b->SetAnimation(value); });
}

void TscFrameBar::SetButtonTransparentBackground(bool value)
{
    if (FButtonTransparentBackground == value)
        return;
    FButtonTransparentBackground = value;
    ForEachButton([value](TscFrameBarItemButton* b) { b->SetTransparentBackground(value); });
}

void TscFrameBar::SetActiveFrameIndex(int value)
{
    if (value >= 0 && value < FItems->Count())
        OpenFrame(value);
    else
        FActiveFrameIndex = -1;
}

void TscFrameBar::Notification(TComponent* component, TOperation operation)
{
    TscScrollBox::Notification(component, operation);
    if (operation == opRemove && component == FButtonImages) {
        FButtonImages = nullptr;
        ForEachButton([](TscFrameBarItemButton* b) { b->SetImages(nullptr); });
    }
}

void TscFrameBar::Loaded()
{
    TscScrollBox::Loaded();
    AdjustControls(true);
}

void TscFrameBar::ChangeScale(int m, int d, bool isDpiChange)
{
    TscScrollBox::ChangeScale(m, d, isDpiChange);
    FScalePercent = MulDiv(FScalePercent, m, d);
    FButtonFont->SetHeight(MulDiv(FButtonFont->Height(), m, d));
    FButtonHeight = MulDiv(FButtonHeight, m, d);
}

void TscFrameBar::NotifyClosed(TscFrameBarItems* items, const std::vector<TscFrameBarItem*>& closed)
{
    for (TscFrameBarItem* item : closed)
        if (item->Index() < items->Count() && item->FOnFrameClose)
            item->FOnFrameClose(item);
}

void TscFrameBar::OpenFrame(int index)
{
    if (index < 0 || index >= FItems->Count())
        return;
    FActiveFrameIndex = index;
    TscFrameBarItem* item = FItems->Items(index);
    item->FrameState = scfsFrameOpenAction;
    std::vector<TscFrameBarItem*> closed;
    if (!FCanOpenAll) {
        for (int i = 0; i < FItems->Count(); ++i)
            if (TscFrameBarItem* other = FItems->Items(i); other->FrameState == scfsFrameOpened) {
                other->FrameState = scfsFrameCloseAction;
                if (other->FOnFrameClose)
                    closed.push_back(other);
            }
        // It shows at full height at once while the others slide shut.
        item->FrameState = scfsFrameOpened;
    }
    AdjustControls(true);
    if (item->FOnFrameShow)
        item->FOnFrameShow(item);
    NotifyClosed(FItems.get(), closed);
}

void TscFrameBar::CloseFrame(int index)
{
    TscFrameBarItem* item = FItems->Items(index);
    item->FrameState = scfsFrameCloseAction;
    AdjustControls(true);
    if (item->FOnFrameClose)
        item->FOnFrameClose(item);
}

void TscFrameBar::OpenAllFrames()
{
    for (int i = 0; i < FItems->Count(); ++i)
        FItems->Items(i)->FrameState = scfsFrameOpenAction;
    AdjustControls(true);
}

void TscFrameBar::CloseAllFrames()
{
    for (int i = 0; i < FItems->Count(); ++i)
        FItems->Items(i)->FrameState = scfsFrameCloseAction;
    AdjustControls(true);
}

TRect TscFrameBar::ClientArea() const
{
    const TRect r = ClientRect();
    return {r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2};
}

int TscFrameBar::VertScrollPos() const
{
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    const HWND wnd = HandleIfAllocated();
    return wnd && GetScrollInfo(wnd, SB_VERT, &info) ? info.nPos : 0;
}

void TscFrameBar::DestroyFrame(TscFrameBarItem* item, int index, int top, int width)
{
    bool canDestroy = true;
    if (item->FOnFrameDestroy)
        item->FOnFrameDestroy(item, item->Frame, canDestroy);
    if (canDestroy) {
        // The adapter goes with its owner, the frame.
        delete item->Frame;
        item->Frame = nullptr;
        item->FrameAdapter = nullptr;
    } else {
        PlaceFrame(index, top, width, 0, false);
    }
}

bool TscFrameBar::PlaceFrame(int index, int top, int width, int visibleHeight, bool fullHeight)
{
    if (index >= FItems->Count())
        return false;
    TscFrameBarItem* item = FItems->Items(index);
    if (!item->Frame && !ComponentState().Contains(csDesigning) && item->FOnFrameCreate) {
        item->FOnFrameCreate(item, item->Frame);
        if (item->Frame && !item->FrameAdapter)
            item->FrameAdapter = new TscFrameAdapter(item->Frame);
        if (item->Frame) {
            if (FCanChange && FOnFrameChange)
                FOnFrameChange(this, item);
            FCanChange = false;
        }
    }
    TFrame* frame = item->Frame;
    if (!frame)
        return false;
    if (item->FrameHeight == 0)
        item->FrameHeight = frame->Height();
    if (fullHeight) {
        visibleHeight = item->FrameHeight;
        frame->SetHeight(item->FrameHeight);
    }
    if (!frame->Parent())
        frame->SetParent(this);
    const int h = frame->Height();
    const HWND wnd = frame->Handle();
    // Only the frame's bottom part shows, right under its button.
    if (visibleHeight == 0) {
        SetWindowRgn(wnd, CreateRectRgn(0, 0, 0, 0), FALSE);
        frame->SetVisible(false);
    } else if (visibleHeight == h) {
        SetWindowRgn(wnd, nullptr, FALSE);
        frame->SetVisible(true);
    } else {
        SetWindowRgn(wnd, CreateRectRgn(0, h - visibleHeight, width, h), FALSE);
        frame->SetVisible(true);
    }
    frame->SetBounds(item->FrameButton ? item->FrameButton->Left() : 0, top + visibleHeight - h, width, h);
    return true;
}

void TscFrameBar::AdjustControls(bool canAnimate)
{
    const TComponentState state = ComponentState();
    if (state.Contains(csDestroying) || state.Contains(csReading) || FItems->Count() == 0 || !Visible() || FAdjusting) {
        FActiveFrameIndex = -1;
        return;
    }
    if (FItems->UpdateCount() > 0)
        return;
    const int steps = !state.Contains(csDesigning) && !state.Contains(csLoading) && FAnimation && canAnimate ? 6 : 0;
    const TRect area = ClientArea();
    const int w = area.Width();
    FAdjusting = true;
    FCanChange = true;
    int y = 2;
    for (int step = 0; step <= steps; ++step) {
        if (HandleAllocated())
            SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
        y = 2;
        for (int i = 0; i < FItems->Count(); ++i) {
            TscFrameBarItem* item = FItems->Items(i);
            if (!item->FVisible || !item->FrameButton)
                continue;
            item->FrameButton->SetBounds(area.Left, y - VertScrollPos(), w, FButtonHeight);
            if (item->FrameButton->Parent() != this)
                item->FrameButton->SetParent(this);
            y += FButtonHeight;
            if (step == 0 && item->Frame)
                item->FrameHeight = item->Frame->Height();
            int f = item->FrameHeight;
            if (f == 0 && item->FrameState == scfsFrameOpenAction && !FAnimation)
                item->FrameState = scfsFrameOpened;
            const int top = y - VertScrollPos();
            switch (item->FrameState) {
            case scfsFrameClosed:
                if (FActiveFrameIndex == i)
                    FActiveFrameIndex = -1;
                if (item->Frame) {
                    DestroyFrame(item, i, top, w);
                    item->FrameHeight = 0;
                    f = 0;
                }
                break;
            case scfsFrameOpened:
                FActiveFrameIndex = i;
                PlaceFrame(i, top, w, 0, true);
                if (f == 0 && item->Frame)
                    f = item->Frame->Height();
                break;
            case scfsFrameCloseAction: {
                const DWORD start = GetTickCount();
                f = steps == 0 ? 0 : Nearest(static_cast<double>(item->FrameHeight) / steps * (steps - step));
                if (step == steps) {
                    if (item->Frame)
                        DestroyFrame(item, i, top, w);
                    item->FrameHeight = 0;
                    item->FrameState = scfsFrameClosed;
                    f = 0;
                } else {
                    PlaceFrame(i, top, w, f, false);
                    if (steps > 0)
                        WaitForTick(start);
                }
                break;
            }
            case scfsFrameOpenAction: {
                if (step == steps) {
                    if (item->Frame)
                        f = item->Frame->Height();
                } else if (steps > 0) {
                    f = Nearest(static_cast<double>(item->FrameHeight) / steps * step);
                }
                const DWORD start = GetTickCount();
                if (PlaceFrame(i, top, w, f, false)) {
                    if (step == steps)
                        item->FrameState = scfsFrameOpened;
                    if (steps > 0)
                        WaitForTick(start);
                }
                break;
            }
            }
            if (item->Frame && item->FrameState != scfsFrameClosed) {
                if (!item->Frame->Parent())
                    item->Frame->SetParent(this);
                y += f;
            }
            if (item->Frame && item->FrameState == scfsFrameOpened && item->Frame->HandleAllocated())
                SetWindowRgn(item->Frame->Handle(), nullptr, FALSE);
        }
        if (HandleAllocated())
            SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
        FullRedraw();
    }
    FCanChange = false;
    if (!AutoScroll() && VertScrollBar()->Range() != y + 2)
        VertScrollBar()->SetRange(y + 2);
    FAdjusting = false;
    UpdateWidths();
    if (Showing())
        FullRedraw();
}

void TscFrameBar::UpdateWidths()
{
    if (FItems->UpdateCount() > 0)
        return;
    FAdjusting = true;
    const int w = ClientArea().Width();
    for (int i = 0; i < FItems->Count(); ++i) {
        TscFrameBarItem* item = FItems->Items(i);
        TscFrameBarItemButton* button = item->FrameButton;
        if (!item->FVisible || !button || !button->Visible())
            continue;
        button->SetWidth(w);
        if (item->Frame)
            item->Frame->SetWidth(w);
    }
    FAdjusting = false;
}

void TscFrameBar::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_MOUSEWHEEL:
        if (MouseWheelSupport()) {
            const short delta = static_cast<short>(HIWORD(message.WParam));
            VertScrollBar()->SetPosition(VertScrollBar()->Position() + (delta > 0 ? -FButtonHeight : FButtonHeight));
        }
        message.Result = 0;
        return;
    case CM_ENABLEDCHANGED:
        TscScrollBox::WndProc(message);
        for (int i = 0; i < FItems->Count(); ++i) {
            TscFrameBarItem* item = FItems->Items(i);
            if (item->FrameButton)
                item->FrameButton->SetEnabled(Enabled() && item->FEnabled);
            if (item->Frame)
                item->Frame->SetEnabled(Enabled());
        }
        return;
    case CM_VISIBLECHANGED:
        TscScrollBox::WndProc(message);
        if (Showing())
            AdjustControls(false);
        return;
    case WM_SIZE:
        TscScrollBox::WndProc(message);
        UpdateWidths();
        return;
    default:
        TscScrollBox::WndProc(message);
    }
}
