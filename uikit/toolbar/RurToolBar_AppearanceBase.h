#pragma once
// What the toolbar unit's appearance classes share: the kit's notifying base, property macros over
// its setters, and the interface font the classes with a caption font start with.
#include <memory>

#include "Graphics.h"
#include "RurNotifyPersistent.h"

// A property with a comparing setter (a change fires OnChange).
#define RUR_TB_NOTIFYING(Type, Name)                                                                       \
    Type Name() const { return F##Name; }                                                                  \
    void Set##Name(Type value) { Change(F##Name, value); }
// A property whose setter stores and always fires OnChange.
#define RUR_TB_ALWAYS_NOTIFYING(Type, Name)                                                                \
    Type Name() const { return F##Name; }                                                                  \
    void Set##Name(Type value) { Store(F##Name, value); }
// A property whose setter only stores.
#define RUR_TB_STORED(Type, Name)                                                                          \
    Type Name() const { return F##Name; }                                                                  \
    void Set##Name(Type value) { F##Name = value; }

// The caption font of an appearance: the system's interface font ("Segoe UI" from Windows Vista
// on, else "Tahoma") at height -11, no style.
std::unique_ptr<TFont> NewAppearanceFont();
// SystemFont turning on puts the font back on the interface font at the height that font has
// (-12 for "Segoe UI"); no notification.
void StoreSystemFont(bool& field, bool value, TFont* font);
