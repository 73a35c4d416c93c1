#pragma once
// PNG pictures, with alpha.
#include "Graphics.h"

class TPngImage : public TDecodedGraphic {
    TAVIN_CLASS(TPngImage, TDecodedGraphic)
public:
    // From a bitmap: encoded at once, with the bitmap's alpha unless it ignores it.
    void Assign(const TPersistent* source) override;
    // Raises EInvalidGraphic for corrupt or truncated data.
    void LoadFromStream(TStream& stream) override;
    static bool CanLoadFromStream(TStream& stream);
};

void InitializePngImageUnit();
void FinalizePngImageUnit();
