#pragma once
// What a control's parent paints under it: controls that let the parent show through (at rest,
// or in their rounded corners) draw it into their own DC before painting themselves.
#include "WinApiNames.h"

#include "Controls.h"

// The parent's background and face under clip (control coordinates) painted into dc, whose
// origin is the control's top-left corner; a plain window wrapper's windowless children too.
void PaintParentBackground(TControl* control, HDC dc, const TRect& clip);
