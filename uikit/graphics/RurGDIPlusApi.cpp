#include "RurGDIPlusApi.h"

#include <array>
#include <cstring>
#include <new>

namespace RurGDIPlusApi {
namespace {

constexpr std::array<const char*, GdipEntryCount> EntryNames = {
#define GDIP_ENTRY(name) #name,
#include "RurGDIPlusEntryNames.inc"
#undef GDIP_ENTRY
};
static_assert(EntryNames.back() != nullptr, "the table holds exactly GdipEntryCount names");

HMODULE Library = nullptr;
std::array<void*, GdipEntryCount> Entries{};
int ApiReferences = 0;
ULONG_PTR StartupToken = 0;

struct GdiplusStartupInput {
    uint32_t GdiplusVersion;
    GdiplusDebugEventProc DebugEventCallback;
    BOOL SuppressBackgroundThread;
    BOOL SuppressExternalCodecs;
};

void* Allocate(size_t size) noexcept
{
    void* address = GdipEntryAddress(GdipEntry::GdipAlloc);
    if (!address)
        return nullptr;
    void* block = reinterpret_cast<void*(WINAPI*)(size_t)>(address)(size);
    if (block)
        std::memset(block, 0, size);
    return block;
}

} // namespace

void LoadGdiplusApi()
{
    Library = LoadLibraryW(L"gdiplus.dll");
    if (!Library)
        return;
    for (size_t i = 0; i < GdipEntryCount; ++i)
        Entries[i] = reinterpret_cast<void*>(GetProcAddress(Library, EntryNames[i]));
}

void FreeGdiplusApi()
{
    if (!Library)
        return;
    FreeLibrary(Library);
    Library = nullptr;
    Entries.fill(nullptr);
}

HMODULE GdiplusLibrary() { return Library; }

void* GdipEntryAddress(GdipEntry entry) { return Entries[static_cast<size_t>(entry)]; }

const char* GdipEntryName(GdipEntry entry) { return EntryNames[static_cast<size_t>(entry)]; }

void RurGDIPlusApi_Initialize()
{
    if (ApiReferences++ == 0)
        LoadGdiplusApi();
}

void RurGDIPlusApi_Finalize()
{
    if (ApiReferences > 0 && --ApiReferences == 0)
        FreeGdiplusApi();
}

void StartupGdiplus()
{
    if (!Library)
        return;
    GdiplusStartupInput input{1, nullptr, FALSE, FALSE};
    GdipCall(GdipEntry::GdiplusStartup, &StartupToken, &input, static_cast<void*>(nullptr));
}

void ShutdownGdiplus()
{
    if (!Library)
        return;
    if (void* address = GdipEntryAddress(GdipEntry::GdiplusShutdown))
        reinterpret_cast<void(WINAPI*)(ULONG_PTR)>(address)(StartupToken);
    StartupToken = 0;
}

void* TGdiplusBase::operator new(size_t size)
{
    if (void* block = Allocate(size))
        return block;
    throw std::bad_alloc();
}

void* TGdiplusBase::operator new(size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }

void TGdiplusBase::operator delete(void* block) noexcept
{
    if (!block)
        return;
    if (void* address = GdipEntryAddress(GdipEntry::GdipFree))
        reinterpret_cast<void(WINAPI*)(void*)>(address)(block);
}

TPathData::~TPathData() { Clear(); }

void TPathData::Clear()
{
    delete[] Points;
    delete[] Types;
    Points = nullptr;
    Types = nullptr;
    Count = 0;
}

} // namespace RurGDIPlusApi
