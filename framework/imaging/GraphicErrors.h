#pragma once
// The error every picture reader raises for data it cannot take.
#include <string_view>

#include "SysUtils.h"

// Corrupt, truncated, oversized or unsupported picture data.
TAVIN_EXCEPTION(EInvalidGraphic, Exception);

// Raises EInvalidGraphic with the message "<format>: <problem>".
[[noreturn]] void RaiseInvalidGraphic(std::string_view format, std::string_view problem);
