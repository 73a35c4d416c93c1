#pragma once
// The button captions of the kit's dialogs: English until start-up puts in the ones the system
// itself shows in the user's language, read from user32's string table.
#include "Startup.h"
#include "SysUtils.h"
#include "WinApiNames.h"

extern String scDlgOkCaption;
extern String scDlgCancelCaption;
extern String scDlgAbortCaption;
extern String scDlgRetryCaption;
extern String scDlgIgnoreCaption;
extern String scDlgYesCaption;
extern String scDlgNoCaption;
extern String scDlgHelpCaption;
extern String scDlgCloseCaption;

// The string of that id in the module, or current when the module has none.
String LoadDialogCaption(HMODULE module, UINT id, const String& current);

// Sets the English captions, then replaces each one the library's string table holds; a library
// that does not load leaves them all English.
void LoadDialogButtonCaptions(const String& library);

void scDlgStrsInitialize();
void scDlgStrsFinalize();
inline constexpr TUnitStep scDlgStrsUnit{"scDlgStrs", &scDlgStrsInitialize, &scDlgStrsFinalize};
