#pragma once
// Byte buffers of the library. Every buffer may hold key material at some point, so its memory is
// wiped before it goes back to the heap (also when a vector grows and drops its old block).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

void WipeMemory(void* data, std::size_t size);

template <class T>
struct WipingAllocator {
    using value_type = T;

    WipingAllocator() = default;
    template <class U>
    WipingAllocator(const WipingAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) { return std::allocator<T>().allocate(n); }
    void deallocate(T* p, std::size_t n) noexcept
    {
        WipeMemory(p, n * sizeof(T));
        std::allocator<T>().deallocate(p, n);
    }

    template <class U>
    bool operator==(const WipingAllocator<U>&) const noexcept { return true; }
};

using Bytes = std::vector<std::uint8_t, WipingAllocator<std::uint8_t>>;
using ByteView = std::span<const std::uint8_t>;

inline void Append(Bytes& to, ByteView from) { to.insert(to.end(), from.begin(), from.end()); }
