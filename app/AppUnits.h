#pragma once
// The tool's units in start-up order; finalised in reverse.
#include <span>

#include "Startup.h"

std::span<const TUnitStep> AppUnits();
