#pragma once
// A persistent object that reports its changes through one OnChange event: a protected Changed
// fires it, comparing setters store a different value and then report it. The kit's appearance
// classes (glow button, toolbar, menus' owners) share it, so one owner hooks them all alike.
#include "Classes.h"

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
