#pragma once
// Hands out the opaque handles and finds the object behind one. Handles are serial numbers, never
// reused, so a stale handle cannot reach a newer object. Objects still alive when the library is
// unloaded (private and public keys have no dispose entry point) are destroyed with the table.
#include "LibraryObjects.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

class HandleTable {
public:
    static HandleTable& Instance();

    void* Add(std::unique_ptr<LibraryObject> object);
    // Destroys the object behind `handle` when it is alive and of kind T.
    template <class T>
    bool Remove(void* handle)
    {
        std::unique_ptr<LibraryObject> object; // destroyed after the lock is released
        std::lock_guard lock(FLock);
        auto it = FObjects.find(reinterpret_cast<std::uintptr_t>(handle));
        if (it == FObjects.end() || !dynamic_cast<T*>(it->second.get()))
            return false;
        object = std::move(it->second);
        FObjects.erase(it);
        return true;
    }

    // The object behind `handle` when it is alive and of kind T, else null.
    template <class T>
    T* Find(void* handle)
    {
        std::lock_guard lock(FLock);
        auto it = FObjects.find(reinterpret_cast<std::uintptr_t>(handle));
        return it == FObjects.end() ? nullptr : dynamic_cast<T*>(it->second.get());
    }

private:
    std::mutex FLock;
    std::uintptr_t FLastHandle = 0;
    std::unordered_map<std::uintptr_t, std::unique_ptr<LibraryObject>> FObjects;
};
