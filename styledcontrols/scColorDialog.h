#pragma once
// The captions of the kit's colour dialog: its title comes from the system's printer-interface
// library in the user's language at start-up; the add button keeps its English caption.
#include "Startup.h"
#include "SysUtils.h"

extern String scColorDialogCaption;
extern String scColorDialogAddCaption;

// Sets the English captions, then takes the title from the library when it loads and holds it.
void LoadColorDialogCaptions(const String& library);

void scColorDialogInitialize();
void scColorDialogFinalize();
inline constexpr TUnitStep scColorDialogUnit{"scColorDialog", &scColorDialogInitialize, &scColorDialogFinalize};
