#pragma once
// The list class of every control, toolbar and row list of the toolbar unit: a pointer list whose
// item access checks the index against the end with a message of its own.
#include "Classes.h"

class TDbgList : public TPointerList {
    TAVIN_CLASS(TDbgList, TPointerList)
public:
    // An index at or past the end raises "Index out of bounds in list read access" (write
    // access); a negative one the base list's own index error.
    void* GetItemsEx(int index) const;
    void SetItemsEx(int index, void* item);
    // Clears the list, then adds every item of list in order.
    void AssignList(const TDbgList& list);

    // The item as the type the list holds.
    template <class T>
    T* Item(int index) const
    {
        return static_cast<T*>(GetItemsEx(index));
    }
};
