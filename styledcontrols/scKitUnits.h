#pragma once
// The start-up steps of the styled-controls kit, in the order the program's start-up table runs
// them: the version probe and the functions bound by name, the list of hooked form classes, the
// dialog captions from the system's string tables, the framework's GDI+ classes, and the kit's
// classes registered for form resources.
#include <span>

#include "Startup.h"

std::span<const TUnitStep> scKitUnits();
