#include "RurThemeBinding.h"

const char* ThemeEntryName(TThemeEntry entry)
{
    static constexpr const char* names[] = {
#define RUR_THEME_ENTRY_NAME(name) #name,
        RUR_THEME_ENTRIES(RUR_THEME_ENTRY_NAME)
#undef RUR_THEME_ENTRY_NAME
    };
    return names[static_cast<size_t>(entry)];
}

std::vector<TThemeEntry> ThemeBindingOrder(TPartSizeBinding partSize)
{
    std::vector<TThemeEntry> order;
    for (int i = 0; i < static_cast<int>(TThemeEntry::Count); ++i) {
        const auto entry = static_cast<TThemeEntry>(i);
        if (entry == TThemeEntry::GetThemePartSize && partSize != TPartSizeBinding::InListOrder)
            continue;
        if (entry == TThemeEntry::OpenThemeDataForDpi && partSize == TPartSizeBinding::None)
            continue;
        order.push_back(entry);
        if (entry == TThemeEntry::GetThemePosition && partSize == TPartSizeBinding::AfterPosition)
            order.push_back(TThemeEntry::GetThemePartSize);
    }
    return order;
}

void TThemeBinding::Load(const wchar_t* library, std::span<const TThemeEntry> order)
{
    if (FLibrary)
        return;
    HMODULE module = LoadLibraryW(library);
    if (reinterpret_cast<UINT_PTR>(module) < 32)
        return;
    FLibrary = module;
    for (TThemeEntry entry : order)
        FEntries[static_cast<size_t>(entry)] =
            reinterpret_cast<void (*)()>(GetProcAddress(module, ThemeEntryName(entry)));
}

void TThemeBinding::Unload()
{
    if (!FLibrary)
        return;
    FreeLibrary(FLibrary);
    FLibrary = nullptr;
    for (auto& entry : FEntries)
        entry = nullptr;
}
