#pragma once
// What every painter of the docking toolbar, its buttons, the stylers and the ribbon ask of the
// platform: the Windows version, the unit's own DPI scale with two pre-scaled sizes, the style
// services, the default interface font, the frame corner radius, desktop composition, the task
// bar's auto-hide state, and whether a control shows or holds the focus.
#include "WinApiNames.h"

#include "Controls.h"
#include "Graphics.h"
#include "RurToolBar_Lists.h"
#include "Themes.h"

// The unit's DPI state, one copy per process. The first dock panel or ribbon pager that receives
// bounds fixes it (they call UpdateDPIScale only while DPIScaleComputed is false); sizes given at
// 96 DPI are multiplied by DPIScale.
extern bool DPIScalingEnabled;  // the parent form's Scaled, copied in by the dock panel and pager
extern float DPIScale;          // 1.0 until computed
extern int DPIPixelsPerInch;    // what DPIScale was last computed for
extern int ScreenLogPixels;     // the screen's LOGPIXELSX at that time
extern bool DPIScaleComputed;
extern int ScaledSize16;        // Round(16 x DPIScale)
extern int ScaledSize26;        // Round(26 x DPIScale)

// Major and minor version of the system; both stay as they are when it cannot be read.
void GetOSVersion(int& major, int& minor);
// 1.0 without scaling or at 96 DPI, otherwise the ratio of the heights of a 9-point "0" at the
// given and at 96 pixels per inch (so 144 need not give exactly 1.5).
float CalcScaleForPPI(int pixelsPerInch);
// Recomputes every DPI variable above for the given pixels per inch.
void UpdateDPIScale(int pixelsPerInch);

// The style services in force for the application, and whether they are enabled.
TCustomStyleServices* CurrentStyleServices();
bool StyleServicesEnabled();

// Modern: "Segoe UI" at height -12, else "Tahoma" at -11.
void SetUIFont(TFont* font, bool modern);
// 3, or 0 while the scenic-ribbon switch is on.
int GetRoundRadius();
// IsComCtl6 (common controls 6 or later; an unreadable version counts) is the styling unit's, in
// RurStyleIF.h.
bool IsCompositionEnabled();
bool IsTaskbarAutoHide();

// The control and all its parents are visible (false for null).
bool IsControlShowing(const TControl* control);
// Drops from a list of controls the hint windows, toolbar containers and the window controls that
// cannot take the focus, keeping the order of the rest (the toolbar's tab-order walk). Null does
// nothing.
void RemoveUnfocusableControls(TDbgList* list);
// The focused window lies inside the control (the control itself holding the focus does not
// count); at most 50 parent windows are walked.
bool ContainsFocus(TWinControl* control);
