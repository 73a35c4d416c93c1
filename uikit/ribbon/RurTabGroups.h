#pragma once
// The ribbon's tab groups: each marks a run of consecutive page tabs (by page index) with a
// coloured header, a caption and an optional image, the way contextual tabs are grouped. The
// pager draws them, lays their tabs out and reacts to clicks on their headers; the collection
// holds the data and tells the pager of every change.
#include "Classes.h"
#include "Controls.h"
#include "RurToolBar_Appearances.h"

class TTabGroups;

class TTabGroupItem : public TCollectionItem {
    TAVIN_PUBLISHED_CLASS(TTabGroupItem, TCollectionItem)
public:
    explicit TTabGroupItem(TCollection* collection);
    // The collection hears of the item's going while it is still listed.
    ~TTabGroupItem() override;

    // Caption, image, range, tag and user object of another item; its alignment, appearance
    // choice, colours and wide caption stay as they are here.
    void Assign(const TPersistent* source) override;

    // Each setter stores a different value and then reports the change; an equal one does nothing.
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value);
    const String& WideCaption() const { return FWideCaption; }
    void SetWideCaption(const String& value);
    TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TAlignment value);
    // True: the header takes the pager's styler colours; False: GroupAppearance.
    bool DefaultAppearance() const { return FDefaultAppearance; }
    void SetDefaultAppearance(bool value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // The first and last page of the group; -1 covers none. Ranges are stored unchecked.
    int TabIndexStart() const { return FTabIndexStart; }
    void SetTabIndexStart(int value);
    int TabIndexEnd() const { return FTabIndexEnd; }
    void SetTabIndexEnd(int value);
    TGroupAppearance* GroupAppearance() const { return FGroupAppearance.get(); }
    void SetGroupAppearance(TGroupAppearance* value) { FGroupAppearance->Assign(value); }
    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }
    TObject* GroupObject() const { return FObject; }
    void SetGroupObject(TObject* value) { FObject = value; }

    // The margin each tab of the group needs on each side for the header caption to fit, and the
    // part of it applied now; the pager computes both.
    int TabExtraXMargin() const { return FTabExtraXMargin; }
    void SetTabExtraXMargin(int value) { FTabExtraXMargin = value; }
    int TabCurrentExtraXMargin() const { return FTabCurrentExtraXMargin; }
    void SetTabCurrentExtraXMargin(int value) { FTabCurrentExtraXMargin = value; }

    // Colours the header with one colour: its own appearance (started from the styler's group
    // look when the pager has a styler) takes the colour as border and mirror colour (and as
    // every body colour under the scenic look), and the tabs' borders take it too.
    void SetCustomColor(TColor value);

private:
    void DoChange();
    void AppearanceChanged(TObject*);
    template <class T>
    void Change(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        DoChange();
    }

    String FCaption;
    int FImageIndex = -1;
    int FTabIndexStart = -1;
    int FTabIndexEnd = -1;
    String FWideCaption;
    bool FDefaultAppearance = true;
    std::unique_ptr<TGroupAppearance> FGroupAppearance;
    TAlignment FCaptionAlignment = taLeftJustify;
    int FTabExtraXMargin = 0;
    int FTabCurrentExtraXMargin = 0;
    TObject* FObject = nullptr;
    int FTag = 0;
};

class TTabGroups : public TOwnedCollection {
    TAVIN_CLASS(TTabGroups, TOwnedCollection)
public:
    // The owner is the ribbon pager.
    explicit TTabGroups(TComponent* owner);

    TTabGroupItem* Add() { return static_cast<TTabGroupItem*>(TCollection::Add()); }
    TTabGroupItem* Insert(int index) { return static_cast<TTabGroupItem*>(TCollection::Insert(index)); }
    TTabGroupItem* Items(int index) const { return static_cast<TTabGroupItem*>(TCollection::Items(index)); }
    void SetItems(int index, TTabGroupItem* value) { Items(index)->Assign(value); }
    TComponent* OwnerComponent() const { return FOwner; }

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }
    void DoChange();

private:
    TComponent* FOwner;
    TNotifyEvent FOnChange;
};
