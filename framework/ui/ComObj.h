#pragma once
// COM for the GUI thread: the start-up step that joins a single-threaded apartment (the shell's
// dialogs need one), and the check that turns a failed HRESULT into an exception.
#include "WinApiNames.h"

#include "Startup.h"
#include "SysUtils.h"

// Start-up step. A thread already in a multi-threaded apartment stays there.
void InitializeComForGuiThread();
// Shut-down step: leaves the apartment only when the start-up step joined it.
void FinalizeComForGuiThread();
inline constexpr TUnitStep ComObjUnit{"ComObj", &InitializeComForGuiThread, &FinalizeComForGuiThread};

// The system's text for an error code (GetLastError's or an HRESULT), without the final full stop.
String SysErrorMessage(Cardinal code);

// Raises EOleSysError with the system's text for result when it is a failure.
void OleCheck(HRESULT result);
