#pragma once
// Writes a whole file so that readers see either the old file or the complete new one: the data goes
// to a temporary file in the target's folder, which is renamed over the target only once written.
#include "Bytes.h"

#include <string_view>

bool WriteFileAtomically(std::u16string_view path, ByteView data);
