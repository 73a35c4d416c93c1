#pragma once
// Resources linked into a module: the platform's resource types as TResourceStream takes them, and
// form resources read from RCDATA named after the form's class in upper case ("TMAINFORM"), as
// cmake's tavin_add_form_resources embeds them.
#include "WinApiNames.h"

#include "Startup.h"
#include "Streams.h"

inline const Char* ResourceType(const wchar_t* type)
{
    return reinterpret_cast<const Char*>(type);
}

// Fills data with the form resource of className in module; false when there is none.
bool FindFormResource(HMODULE module, const String& className, TBytes& data);

// Start-up step: forms are read from the program's own module.
void InitializeFormResources();
inline constexpr TUnitStep ResourcesUnit{"Resources", &InitializeFormResources, nullptr};
