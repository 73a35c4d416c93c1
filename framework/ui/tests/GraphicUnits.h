#pragma once
// Starts the units whose graphic classes the tests load by content and by class name, once.
#include "Graphics.h"
#include "Startup.h"

void StartGraphicUnits();
