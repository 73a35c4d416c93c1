#pragma once
// How the kit's see-through controls show what lies behind them: the parent erases and paints
// itself into the control's DC, moved so that the parent's pixels land where they are seen.
#include "Controls.h"

// With ASiblingsBelow the window controls below this one on the parent paint there too.
void PaintParentBehind(TControl& AControl, HDC ADC, bool ASiblingsBelow = false);
