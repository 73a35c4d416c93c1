#include "GDIPPictureContainer.h"

#include "RurUtils.h"
#include "RurVersion.h"
#include "SysUtils.h"

using RurGDIP::TRurGDIPPicture;

namespace GDIPPictureContainer {

TAVIN_PUBLISHED(TPictureItem)
{
    TAVIN_PROPERTY(TRurGDIPPicture*, Picture);
    TAVIN_PROPERTY(String, Name);
    TAVIN_PROPERTY(int, Tag).Default(0);
}

TPictureItem::TPictureItem(TCollection* Collection)
    : TCollectionItem(Collection), FPicture(std::make_unique<TRurGDIPPicture>())
{
}

void TPictureItem::Assign(const TPersistent* Source)
{
    const auto* item = dynamic_cast<const TPictureItem*>(Source);
    if (!item) {
        TCollectionItem::Assign(Source);
        return;
    }
    FName = item->FName;
    FTag = item->FTag;
    FPicture->Assign(item->FPicture.get());
}

TPictureCollection::TPictureCollection(TGDIPPictureContainer* AOwner)
    : TOwnedCollection(AOwner, TPictureItem::StaticClass())
{
}

} // namespace GDIPPictureContainer

using namespace GDIPPictureContainer;

TAVIN_PUBLISHED(TGDIPPictureContainer)
{
    TAVIN_PROPERTY(TPictureCollection*, Items);
    TAVIN_PROPERTY(String, Version);
}

TGDIPPictureContainer::TGDIPPictureContainer(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TPictureCollection>(this))
{
}

TGDIPPictureContainer::~TGDIPPictureContainer() = default;

TRurGDIPPicture* TGDIPPictureContainer::FindPicture(const String& AName) const
{
    const String name = UpperCase(AName);
    for (int i = 0; i < FItems->Count(); ++i)
        if (UpperCase(FItems->Items(i)->Name()) == name)
            return FItems->Items(i)->Picture();
    return nullptr;
}

void TGDIPPictureContainer::AddFromResource(const String& AResourceName, const String& APictureName)
{
    TPictureItem* item = FItems->Add();
    item->Picture()->LoadFromResourceName(TRurUtils::GetHInstance(), AResourceName);
    item->SetName(APictureName);
}

String TGDIPPictureContainer::Version() const { return KitVersionText(0x01000000); }
