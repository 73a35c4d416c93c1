#pragma once
// The start-up steps of the UI kit's foundation units, in the order the program's start-up table
// runs them: the kit's clipboard formats, the persistence's class-name key, the run-time bound
// GDI+ interface and its start, the named-colour table, the statically bound GDI+ start, the SVG
// picture format.
#include <span>

#include "RurGDIPlusClasses.h"
#include "Startup.h"
#include "WinApiNames.h"

// The clipboard formats of the kit's clipboard class: registered by name at start-up (not in
// console programs); Bitmap is the predefined CF_BITMAP.
struct TRurClipboardFormats {
    Word RichEditorText = 0;
    Word StreamFormat = 0;
    Word RichTextFormat = 0;
    Word HTMLFormat = 0;
    Word Bitmap = 0;
};
const TRurClipboardFormats& RurClipboardFormats();
// Registers the formats by name; raises ERangeError for an identifier that does not fit 16 bits.
void RegisterRurClipboardFormats();

// The units' steps. A start-up run inside the running one (a test program's, say) neither redoes
// nor undoes their work: it is done on a unit's first entry and undone on its last exit.
void InitializeRurUtilsUnit();
void EnterRurPersistenceUnit();
void InitializeRurPersistenceUnit();
void FinalizeRurPersistenceUnit();
void InitializeRurGraphicsTypesUnit();
void FinalizeRurGraphicsTypesUnit();
void InitializeRurGDIPUnit();
void FinalizeRurGDIPUnit();
// The SVG picture: its engine for every new SVG graphic, and the "SVG" file format.
void InitializeRurSVGUnit();
void FinalizeRurSVGUnit();

// The steps one by one, for the program's table, and all of them in order.
inline constexpr TUnitStep RurUtilsUnit{"RurUtils", &InitializeRurUtilsUnit, nullptr};
// The persistence unit has two entries: the first counts the entry and finalises, the second sets
// the key.
inline constexpr TUnitStep RurPersistenceUnit{"RurPersistence", &EnterRurPersistenceUnit,
                                              &FinalizeRurPersistenceUnit};
inline constexpr TUnitStep RurPersistenceKeyUnit{"RurPersistence", &InitializeRurPersistenceUnit, nullptr};
inline constexpr TUnitStep RurGraphicsTypesUnit{"RurGraphicsTypes", &InitializeRurGraphicsTypesUnit,
                                                &FinalizeRurGraphicsTypesUnit};
inline constexpr TUnitStep RurGDIPUnit{"RurGDIP", &InitializeRurGDIPUnit, &FinalizeRurGDIPUnit};
inline constexpr TUnitStep RurTypesUnit{"RurTypes", &InitializeRurSVGUnit, &FinalizeRurSVGUnit};
inline constexpr TUnitStep RurFoundationSteps[] = {
    RurUtilsUnit, RurPersistenceUnit, RurPersistenceKeyUnit, RurGDIPlusApi::RurGDIPlusApiUnit,
    RurGDIPlusClasses::RurGDIPlusClassesUnit, RurGraphicsTypesUnit, RurGDIPUnit, RurTypesUnit};
inline std::span<const TUnitStep> RurFoundationUnits() { return RurFoundationSteps; }
