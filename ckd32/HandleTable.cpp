#include "HandleTable.h"

HandleTable& HandleTable::Instance()
{
    static HandleTable table; // built on first use; its destructor runs when the library is unloaded
    return table;
}

void* HandleTable::Add(std::unique_ptr<LibraryObject> object)
{
    std::lock_guard lock(FLock);
    std::uintptr_t handle = ++FLastHandle;
    FObjects.emplace(handle, std::move(object));
    return reinterpret_cast<void*>(handle);
}
