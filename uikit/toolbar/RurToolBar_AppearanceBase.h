#pragma once
// What the toolbar unit's appearance classes share: one OnChange event, fired by a protected
// Changed, comparing setters that store a different value and then report the change, and the
// interface font the classes with a caption font start with.
#include <memory>

#include "Classes.h"
#include "Graphics.h"

class TNotifyPersistent : public TPersistent {
    TAVIN_CLASS(TNotifyPersistent, TPersistent)
public:
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

protected:
    virtual void Changed()
    {
        if (FOnChange)
            FOnChange(this);
    }
    template <class T>
    void Change(T& field, const T& value)
    {
        if (field != value) {
            field = value;
            Changed();
        }
    }
    // Stores and reports even an unchanged value.
    template <class T>
    void Store(T& field, const T& value)
    {
        field = value;
        Changed();
    }

private:
    TNotifyEvent FOnChange;
};

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
