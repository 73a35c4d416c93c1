#pragma once
// GIF pictures: the first frame.
#include "Graphics.h"

// Loads, draws and saves back GIF files; there is no GIF encoder, so it cannot be made from
// another picture.
class TGIFImage : public TDecodedGraphic {
    TAVIN_CLASS(TGIFImage, TDecodedGraphic)
public:
    void Assign(const TPersistent* source) override;
    // Raises EInvalidGraphic for corrupt or truncated data.
    void LoadFromStream(TStream& stream) override;
    static bool CanLoadFromStream(TStream& stream);
};

void InitializeGifImgUnit();
void FinalizeGifImgUnit();
