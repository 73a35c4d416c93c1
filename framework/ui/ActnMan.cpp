// The action manager's image lists; a freed list is forgotten.
#include "ActnMan.h"

TAVIN_PUBLISHED(TActionManager)
{
    TAVIN_PROPERTY(TCustomImageList*, DisabledImages);
    TAVIN_PROPERTY(TCustomImageList*, LargeImages);
    TAVIN_PROPERTY(TCustomImageList*, LargeDisabledImages);
}

TActionManager::TActionManager(TComponent* owner) : TCustomActionList(owner) {}
TActionManager::~TActionManager() = default;

void TActionManager::SetDisabledImages(TCustomImageList* value) { ReplaceComponentReference(this, FDisabledImages, value); }
void TActionManager::SetLargeImages(TCustomImageList* value) { ReplaceComponentReference(this, FLargeImages, value); }
void TActionManager::SetLargeDisabledImages(TCustomImageList* value)
{
    ReplaceComponentReference(this, FLargeDisabledImages, value);
}

void TActionManager::Notification(TComponent* component, TOperation operation)
{
    TCustomActionList::Notification(component, operation);
    if (operation != opRemove)
        return;
    for (TCustomImageList** list : {&FDisabledImages, &FLargeImages, &FLargeDisabledImages})
        if (*list == component)
            *list = nullptr;
}
