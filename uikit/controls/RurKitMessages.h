#pragma once
// The UI kit's private window messages and the messages it registers by name.
#include "WinApiNames.h"

#include "Startup.h"

// The Office colour theme may have changed: wParam the watched root key (HKEY_CURRENT_USER),
// lParam the key path as zero-terminated UTF-16, valid only during the call.
constexpr UINT RM_OFFICETHEMECHANGE = 2993;

// "ClearHintControl" and "SBDRAWIMAGE", registered at start-up (0 before).
UINT ClearHintControlMessage();
UINT SBDrawImageMessage();

void RegisterClearHintControlMessage();
void RegisterSBDrawImageMessage();
inline constexpr TUnitStep ClearHintControlUnit{"ClearHintControl", &RegisterClearHintControlMessage, nullptr};
inline constexpr TUnitStep SBDrawImageUnit{"SBDrawImage", &RegisterSBDrawImageMessage, nullptr};
