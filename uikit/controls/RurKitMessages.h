#pragma once
// The UI kit's private window messages.
#include "WinApiNames.h"

// The Office colour theme may have changed: wParam the watched root key (HKEY_CURRENT_USER),
// lParam the key path as zero-terminated UTF-16, valid only during the call.
constexpr UINT RM_OFFICETHEMECHANGE = 2993;
