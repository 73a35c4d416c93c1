#pragma once
// Reading what is left of a stream, for graphics that take whole files.
#include <vector>

#include "Streams.h"

// The bytes from the stream's position to its end.
std::vector<Byte> ReadRestOfStream(TStream& stream);
