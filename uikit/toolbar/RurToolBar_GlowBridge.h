#pragma once
// What the toolbar unit asks of the kit's glow buttons from units that cannot see their class (the
// glow button's appearance class shares its name with the toolbar styler's).
class TControl;

// Turns a glow button for a vertical dock or back; false (nothing done) for any other control.
bool SetGlowButtonRotated(TControl* control, bool rotated);
