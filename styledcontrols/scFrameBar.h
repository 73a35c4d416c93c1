#pragma once
// The frame bar: a vertical accordion on the kit's scroll box. Each item has a full-width header
// button; under the button of an open item stands that item's frame, which the application makes
// when the item first opens and which the bar frees again when it closes (unless the application
// keeps it). Opening and closing slide the frame out of and back into its button in six steps.
#include "Forms.h"
#include "scControls.h"
#include "scScrollBox.h"

TAVIN_ENUM(TscFrameState, scfsFrameClosed, scfsFrameOpened, scfsFrameCloseAction, scfsFrameOpenAction)
TAVIN_ENUM(TscbbButtonStyle, scbbPushButton, scbbHeaderSection)

class TscFrameBar;
class TscFrameBarItem;

// Sender: the item; the handler makes the frame and returns it.
using TscCreateFrameEvent = TEvent<TObject*, TFrame*&>;
// Sender: the item; canDestroy arrives true, false keeps the frame.
using TscFrameDestroyEvent = TEvent<TObject*, TFrame*&, bool&>;
// Sender: the bar.
using TscOnFrameChangeEvent = TEvent<TObject*, TscFrameBarItem*>;

// The header button of an item.
class TscFrameBarItemButton : public TscButton {
    TAVIN_CLASS(TscFrameBarItemButton, TscButton)
public:
    explicit TscFrameBarItemButton(TscFrameBar* frameBar);
    ~TscFrameBarItemButton() override;

    TscFrameBar* FrameBar;
    TscFrameBarItem* FrameItem = nullptr;
};

// Paints a frame's background from its parent while neither a theme nor a style does.
class TscFrameAdapter : public TComponent {
    TAVIN_CLASS(TscFrameAdapter, TComponent)
public:
    explicit TscFrameAdapter(TComponent* owner);
    ~TscFrameAdapter() override;

private:
    void FrameWndProc(TMessage& message);
    TFrame* FFrame = nullptr;
    TWndMethod OldWindowProc;
};

class TscFrameBarItem : public TCollectionItem {
    TAVIN_PUBLISHED_CLASS(TscFrameBarItem, TCollectionItem)
public:
    explicit TscFrameBarItem(TCollection* collection);
    ~TscFrameBarItem() override;

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    // The button no longer opens or closes the frame.
    bool FreezeState() const { return FFreezeState; }
    void SetFreezeState(bool value) { FFreezeState = value; }
    void* Data() const { return FData; }
    virtual void SetData(void* value) { FData = value; }
    void SetIndex(int index) override;
    void Assign(const TPersistent* source) override;

    TscCreateFrameEvent OnFrameCreate() const { return FOnFrameCreate; }
    void SetOnFrameCreate(TscCreateFrameEvent value) { FOnFrameCreate = value; }
    TscFrameDestroyEvent OnFrameDestroy() const { return FOnFrameDestroy; }
    void SetOnFrameDestroy(TscFrameDestroyEvent value) { FOnFrameDestroy = value; }
    TNotifyEvent OnFrameShow() const { return FOnFrameShow; }
    void SetOnFrameShow(TNotifyEvent value) { FOnFrameShow = value; }
    TNotifyEvent OnFrameClose() const { return FOnFrameClose; }
    void SetOnFrameClose(TNotifyEvent value) { FOnFrameClose = value; }
    // Sender: the button.
    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent value) { FOnClick = value; }

    TFrame* Frame = nullptr;
    TscFrameAdapter* FrameAdapter = nullptr;
    TscFrameBarItemButton* FrameButton = nullptr;
    TscFrameState FrameState = scfsFrameClosed;
    // The frame's full height while it is open or sliding; 0 when closed.
    int FrameHeight = 0;

private:
    friend class TscFrameBar;
    TscFrameBar* Bar() const;
    void FrameButtonClick();

    String FCaption;
    bool FVisible = true;
    void* FData = nullptr;
    int FImageIndex = -1;
    bool FEnabled = true;
    bool FFreezeState = false;
    TscCreateFrameEvent FOnFrameCreate;
    TscFrameDestroyEvent FOnFrameDestroy;
    TNotifyEvent FOnFrameShow, FOnFrameClose, FOnClick;
};

class TscFrameBarItems : public TCollection {
    TAVIN_CLASS(TscFrameBarItems, TCollection)
public:
    explicit TscFrameBarItems(TscFrameBar* frameBar);
    ~TscFrameBarItems() override;
    TscFrameBar* FrameBar() const { return FFrameBar; }
    TscFrameBarItem* Add() { return static_cast<TscFrameBarItem*>(TCollection::Add()); }
    TscFrameBarItem* Items(int index) const { return static_cast<TscFrameBarItem*>(TCollection::Items(index)); }
    // Copies the item and lays the bar out without sliding.
    void SetItems(int index, TscFrameBarItem* value);

protected:
    TPersistent* GetOwner() const override;
    void Update(TCollectionItem* item) override;

private:
    TscFrameBar* FFrameBar;
};

class TscFrameBar : public TscScrollBox {
    TAVIN_PUBLISHED_CLASS(TscFrameBar, TscScrollBox)
public:
    explicit TscFrameBar(TComponent* owner);
    ~TscFrameBar() override;

    TscFrameBarItems* Items() const { return FItems.get(); }
    void SetItems(TscFrameBarItems* value) { FItems->Assign(value); }
    TscbbButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TscbbButtonStyle value);
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool value) { FAnimation = value; }
    // The height of every item button (the property's name is spelled so).
    int ButonHeight() const { return FButtonHeight; }
    void SetButonHeight(int value);
    TCustomImageList* ButtonImages() const { return FButtonImages; }
    void SetButtonImages(TCustomImageList* value);
    int ButtonSpacing() const { return FButtonSpacing; }
    void SetButtonSpacing(int value);
    int ButtonMargin() const { return FButtonMargin; }
    void SetButtonMargin(int value);
    TFont* ButtonFont() const { return FButtonFont.get(); }
    void SetButtonFont(TFont* value) { FButtonFont->Assign(value); }
    bool ButtonAnimation() const { return FButtonAnimation; }
    void SetButtonAnimation(bool value);
    bool ButtonTransparentBackground() const { return FButtonTransparentBackground; }
    void SetButtonTransparentBackground(bool value);
    bool CanCloseAll() const { return FCanCloseAll; }
    void SetCanCloseAll(bool value) { FCanCloseAll = value; }
    bool CanOpenAll() const { return FCanOpenAll; }
    void SetCanOpenAll(bool value) { FCanOpenAll = value; }
    int ActiveFrameIndex() const { return FActiveFrameIndex; }
    // An index in range opens that frame; any other value becomes -1.
    void SetActiveFrameIndex(int value);
    int ScalePercent() const { return FScalePercent; }
    TscOnFrameChangeEvent OnFrameChange() const { return FOnFrameChange; }
    void SetOnFrameChange(TscOnFrameChangeEvent value) { FOnFrameChange = value; }
    TscOnFrameChangeEvent OnFrameChanging() const { return FOnFrameChanging; }
    void SetOnFrameChanging(TscOnFrameChangeEvent value) { FOnFrameChanging = value; }

    void OpenFrame(int index);
    // An index outside the items raises the collection's list-index error.
    void CloseFrame(int index);
    void OpenAllFrames();
    void CloseAllFrames();
    // The layout pass: buttons stacked, open frames under them; with canAnimate (and Animation)
    // the frames that open or close slide in six steps.
    void AdjustControls(bool canAnimate);
    bool Adjusting() const { return FAdjusting; }

    void WndProc(TMessage& message) override;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void ChangeScale(int m, int d, bool isDpiChange) override;

private:
    friend class TscFrameBarItem;
    friend class TscFrameBarItemButton;
    // Places an item's frame (made now when it has none) with only its bottom visibleHeight
    // pixels showing under its button; false when the item has no frame.
    bool PlaceFrame(int index, int top, int width, int visibleHeight, bool fullHeight);
    void DestroyFrame(TscFrameBarItem* item, int index, int top, int width);
    void UpdateWidths();
    TRect ClientArea() const;
    int VertScrollPos() const;
    // Every button takes the look the bar gives them.
    void ApplyButtonLook(TscFrameBarItemButton* button) const;
    void ForEachButton(const std::function<void(TscFrameBarItemButton*)>& apply) const;
    // Sends the close notices noted while opening another item.
    static void NotifyClosed(TscFrameBarItems* items, const std::vector<TscFrameBarItem*>& closed);
    bool BeingDestroyed() const { return ComponentState().Contains(csDestroying); }

    std::unique_ptr<TscFrameBarItems> FItems;
    TscbbButtonStyle FButtonStyle = scbbPushButton;
    bool FAnimation = true;
    bool FCanChange = false;
    int FScalePercent = 100;
    int FButtonHeight = 25;
    TCustomImageList* FButtonImages = nullptr;
    int FButtonSpacing = 5;
    int FButtonMargin = 10;
    std::unique_ptr<TFont> FButtonFont;
    bool FButtonAnimation = false;
    bool FButtonTransparentBackground = false;
    bool FCanCloseAll = true;
    bool FCanOpenAll = true;
    TscOnFrameChangeEvent FOnFrameChange, FOnFrameChanging;
    int FActiveFrameIndex = -1;
    bool FAdjusting = false;
};
