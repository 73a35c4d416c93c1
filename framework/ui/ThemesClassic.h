#pragma once
// Classic drawing of themed elements, for the system style while visual themes are off: the
// frame controls and edges Windows drew before themes.
#include "Themes.h"

// Draws the element's classic look into r; false for elements without one.
bool DrawClassicElement(HDC dc, const TThemedElementDetails& details, const TRect& r);
// The classic size of elements with a fixed size (check boxes, arrows, caption buttons), at dpi.
bool GetClassicElementSize(const TThemedElementDetails& details, int dpi, TSize& size);
// The area inside the element's classic frame.
TRect ClassicContentRect(const TThemedElementDetails& details, const TRect& bounds);
// The text colour of the element's classic look.
TColor ClassicTextColor(const TThemedElementDetails& details);
