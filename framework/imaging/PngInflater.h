#pragma once
// The zlib stream of a PNG picture, inflated in exact portions: one filtered row at a time.
#define ZLIB_CONST
#include <zlib.h>

#include <span>

#include "System.h"

class TPngInflater : public TObject {
public:
    explicit TPngInflater(std::span<const Byte> input);
    ~TPngInflater() override;
    TPngInflater(const TPngInflater&) = delete;
    TPngInflater& operator=(const TPngInflater&) = delete;

    // Fills out completely; raises EInvalidGraphic when the stream is corrupt or ends first.
    void Read(Byte* out, std::size_t count);

    // Reaching the end of the zlib stream makes zlib check its Adler-32; extra data or a missing
    // trailer after complete pixel data is accepted, as picture viewers do.
    void CheckTrailer();

private:
    bool Refill();
    bool Step();

    z_stream FStream{};
    std::span<const Byte> FInput;
    bool FEnded = false;
};
