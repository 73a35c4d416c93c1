#pragma once
// The window messages the toolbar unit registers by name at start-up, for the toolbars, the
// ribbon and its compact windows to post to each other, and the unit's two colour-tone records
// that two of those messages apply.
#include "WinApiNames.h"

#include "RurStyleIF.h"
#include "Startup.h"

enum class TToolBarMessage {
    CompactWinHide,     // "TBCompactWinHide": a compact window hid
    SetAeroVista,       // "TBSetAeroVista"
    PSetIgnoreALT,      // "TBPSetIgnoreALT"
    FUpdateContextMenu, // "TBFUpdateContextMenu"
    SetMetro,           // "TBSetMetro"
    RevertMetro,        // "TBRevertMetro"
    SetOffice2013,      // "TBSetOffice2013"
    ShowShortCutHint,   // "TBShowShortCutHint"
};

// The registered number; 0 before start-up or when the registration failed.
UINT ToolBarMessage(TToolBarMessage which);
// Whether msg is that message; never for 0, so a failed registration matches nothing.
bool IsToolBarMessage(UINT msg, TToolBarMessage which);

// The ribbon's tones (the ribbon form writes what it applies; "TBSetMetro" applies them; toolbars
// on ribbon pages read them) and the application button's ("TBSetOffice2013"). Empty (all
// clNone) from start-up until a flat look is set.
extern TColorTones RibbonTones;
extern TColorTones AppButtonTones;

// Start-up, once per process however often it is run: empties both tone records and registers
// the eight messages. Shut-down only steps the run count back.
void RegisterToolBarMessages();
void FinalizeToolBarMessages();
inline constexpr TUnitStep RurToolBarUnit{"RurToolBar", &RegisterToolBarMessages, &FinalizeToolBarMessages};
