#pragma once
// The window messages the toolbar unit registers by name at start-up, for the toolbars, the
// ribbon and its compact windows to post to each other.
#include "WinApiNames.h"

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

void RegisterToolBarMessages();
inline constexpr TUnitStep RurToolBarUnit{"RurToolBar", &RegisterToolBarMessages, nullptr};
