#pragma once
// The framework's Round (Math.h) for sources that include windows.h, which Math.h cannot join:
// its MulDiv clashes with the platform's.
#include "System.h"

Int64 Round(double value);
