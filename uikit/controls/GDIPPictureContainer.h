#pragma once
// A component holding named GDI+ pictures, which the GDI+ caption engine looks up for the image
// tags of rich captions. Its item and collection classes share their names with those of the
// HTML picture container and are kept apart by this namespace.
#include <memory>

#include "Classes.h"
#include "RurGDIPPicture.h"

class TGDIPPictureContainer;

namespace GDIPPictureContainer {

class TPictureItem : public TCollectionItem {
    TAVIN_PUBLISHED_CLASS(TPictureItem, TCollectionItem)
public:
    explicit TPictureItem(TCollection* Collection);

    // Name, tag and picture of another item.
    void Assign(const TPersistent* Source) override;

    RurGDIP::TRurGDIPPicture* Picture() const { return FPicture.get(); }
    void SetPicture(RurGDIP::TRurGDIPPicture* value) { FPicture->Assign(value); }
    const String& Name() const { return FName; }
    void SetName(const String& value) { FName = value; }
    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }

private:
    std::unique_ptr<RurGDIP::TRurGDIPPicture> FPicture;
    String FName;
    int FTag = 0;
};

class TPictureCollection : public TOwnedCollection {
    TAVIN_CLASS(TPictureCollection, TOwnedCollection)
public:
    explicit TPictureCollection(TGDIPPictureContainer* AOwner);

    TPictureItem* Add() { return static_cast<TPictureItem*>(TCollection::Add()); }
    TPictureItem* Insert(int Index) { return static_cast<TPictureItem*>(TCollection::Insert(Index)); }
    TPictureItem* Items(int Index) const { return static_cast<TPictureItem*>(TCollection::Items(Index)); }
    void SetItems(int Index, TPictureItem* Value) { Items(Index)->Assign(Value); }
};

} // namespace GDIPPictureContainer

class TGDIPPictureContainer : public TComponent {
    TAVIN_PUBLISHED_CLASS(TGDIPPictureContainer, TComponent)
public:
    explicit TGDIPPictureContainer(TComponent* AOwner);
    ~TGDIPPictureContainer() override;

    // The first item of that name, ignoring case; nil when none.
    RurGDIP::TRurGDIPPicture* FindPicture(const String& AName) const;
    // A new item named APictureName with the program's RCDATA resource AResourceName.
    void AddFromResource(const String& AResourceName, const String& APictureName);

    GDIPPictureContainer::TPictureCollection* Items() const { return FItems.get(); }
    // Copies the given collection's items.
    void SetItems(GDIPPictureContainer::TPictureCollection* value) { FItems->Assign(value); }
    String Version() const;
    void SetVersion(const String&) {}

private:
    std::unique_ptr<GDIPPictureContainer::TPictureCollection> FItems;
};
