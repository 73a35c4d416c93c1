#pragma once
// JPEG pictures.
#include <algorithm>

#include "Graphics.h"

class TJPEGImage : public TDecodedGraphic {
    TAVIN_CLASS(TJPEGImage, TDecodedGraphic)
public:
    // From a bitmap: compressed with CompressionQuality when the data is first needed (saving),
    // so the quality may be set before or after.
    void Assign(const TPersistent* source) override;
    // Raises EInvalidGraphic for corrupt or truncated data.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    static bool CanLoadFromStream(TStream& stream);
    // The data property holds a 32-bit byte count, then the JPEG file.
    void ReadData(TStream& stream) override;
    void WriteData(TStream& stream) override;

    // 1 (smallest) to 100 (best); 90 at first.
    int CompressionQuality() const { return FCompressionQuality; }
    void SetCompressionQuality(int value) { FCompressionQuality = std::clamp(value, 1, 100); }
    // Compresses a picture assigned from a bitmap now.
    void Compress();

private:
    int FCompressionQuality = 90;
    bool FNeedsCompression = false;
};

void InitializeJpegUnit();
void FinalizeJpegUnit();
