#pragma once
// An action list that also keeps the images shown for disabled actions and a large set of both, for
// the controls that show actions at a larger size (large toolbar buttons, large menu images).
#include "ActnList.h"

class TActionManager : public TCustomActionList {
    TAVIN_PUBLISHED_CLASS(TActionManager, TCustomActionList)
public:
    explicit TActionManager(TComponent* owner);
    ~TActionManager() override;

    TCustomImageList* DisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(TCustomImageList* value);
    TCustomImageList* LargeImages() const { return FLargeImages; }
    void SetLargeImages(TCustomImageList* value);
    TCustomImageList* LargeDisabledImages() const { return FLargeDisabledImages; }
    void SetLargeDisabledImages(TCustomImageList* value);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TCustomImageList* FDisabledImages = nullptr;
    TCustomImageList* FLargeImages = nullptr;
    TCustomImageList* FLargeDisabledImages = nullptr;
};
