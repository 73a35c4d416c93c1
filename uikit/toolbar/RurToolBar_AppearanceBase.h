#pragma once
// What the toolbar unit's appearance classes share: one OnChange event, fired by a protected
// Changed, and comparing setters that store a different value and then report the change.
#include "Classes.h"

class TNotifyPersistent : public TPersistent {
    TAVIN_CLASS(TNotifyPersistent, TPersistent)
public:
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

protected:
    void Changed()
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

private:
    TNotifyEvent FOnChange;
};

// A property with a comparing setter (a change fires OnChange).
#define RUR_TB_NOTIFYING(Type, Name)                                                                       \
    Type Name() const { return F##Name; }                                                                  \
    void Set##Name(Type value) { Change(F##Name, value); }
// A property whose setter only stores.
#define RUR_TB_STORED(Type, Name)                                                                          \
    Type Name() const { return F##Name; }                                                                  \
    void Set##Name(Type value) { F##Name = value; }
