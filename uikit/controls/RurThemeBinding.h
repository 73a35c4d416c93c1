#pragma once
// The visual-styles library bound by name instead of by import, so that the program starts on a
// system that lacks the library or one of its functions and the kit degrades there. The kit's
// three theme binders each keep one binding; callers test an entry for null before calling it.
#include "WinApiNames.h"

#include <uxtheme.h>

#include <span>
#include <vector>

#include "System.h"

#define RUR_THEME_ENTRIES(X)                                                                            \
    X(OpenThemeData) X(OpenThemeDataForDpi) X(CloseThemeData) X(DrawThemeBackground) X(DrawThemeText)   \
    X(GetThemeBackgroundContentRect) X(GetThemeBackgroundExtent) X(GetThemeTextExtent)                  \
    X(GetThemeTextMetrics) X(GetThemeBackgroundRegion) X(HitTestThemeBackground) X(DrawThemeEdge)       \
    X(DrawThemeIcon) X(IsThemePartDefined) X(IsThemeBackgroundPartiallyTransparent) X(GetThemeColor)   \
    X(GetThemeMetric) X(GetThemeString) X(GetThemeBool) X(GetThemeInt) X(GetThemeEnumValue)             \
    X(GetThemePosition) X(GetThemeFont) X(GetThemeRect) X(GetThemeMargins) X(GetThemeIntList)           \
    X(SetWindowTheme) X(GetThemeFilename) X(GetThemeSysColor) X(GetThemeSysColorBrush)                  \
    X(GetThemeSysBool) X(GetThemeSysSize) X(GetThemeSysFont) X(GetThemeSysString) X(GetThemeSysInt)     \
    X(IsThemeActive) X(IsAppThemed) X(GetWindowTheme) X(GetThemePartSize) X(EnableThemeDialogTexture)   \
    X(IsThemeDialogTextureEnabled) X(GetThemeAppProperties) X(SetThemeAppProperties)                    \
    X(GetCurrentThemeName) X(GetThemeDocumentationProperty) X(DrawThemeParentBackground) X(EnableTheming)

enum class TThemeEntry {
#define RUR_THEME_ENTRY_VALUE(name) name,
    RUR_THEME_ENTRIES(RUR_THEME_ENTRY_VALUE)
#undef RUR_THEME_ENTRY_VALUE
    Count
};

// The function type of each entry, as the system declares it.
template <TThemeEntry E>
struct TThemeEntryType;
#define RUR_THEME_ENTRY_TYPE(name)                                                                      \
    template <>                                                                                         \
    struct TThemeEntryType<TThemeEntry::name> {                                                         \
        using Type = decltype(&::name);                                                                 \
    };
RUR_THEME_ENTRIES(RUR_THEME_ENTRY_TYPE)
#undef RUR_THEME_ENTRY_TYPE

// The name GetProcAddress looks the entry up by.
const char* ThemeEntryName(TThemeEntry entry);

class TThemeBinding {
public:
    TThemeBinding() = default;
    ~TThemeBinding() { Unload(); }
    TThemeBinding(const TThemeBinding&) = delete;
    TThemeBinding& operator=(const TThemeBinding&) = delete;

    // Loads the library and binds the entries in the given order. A library that does not load
    // leaves the binding unloaded; an entry the library lacks stays null. Nothing happens when
    // the library is already loaded.
    void Load(const wchar_t* library, std::span<const TThemeEntry> order);
    // Frees the library and forgets every entry.
    void Unload();
    bool Loaded() const { return FLibrary != nullptr; }
    HMODULE Library() const { return FLibrary; }

    // The bound entry, null when it is missing or not bound.
    template <TThemeEntry E>
    typename TThemeEntryType<E>::Type Get() const
    {
        return reinterpret_cast<typename TThemeEntryType<E>::Type>(FEntries[static_cast<size_t>(E)]);
    }
    bool Has(TThemeEntry entry) const { return FEntries[static_cast<size_t>(entry)] != nullptr; }

private:
    HMODULE FLibrary = nullptr;
    void (*FEntries[static_cast<size_t>(TThemeEntry::Count)])() = {};
};

// Where a binder binds GetThemePartSize: in the list's own place (after GetWindowTheme), right
// after GetThemePosition, or not at all (and OpenThemeDataForDpi then neither).
enum class TPartSizeBinding { InListOrder, AfterPosition, None };
// The entries in the order a binder binds them.
std::vector<TThemeEntry> ThemeBindingOrder(TPartSizeBinding partSize);

// The system's visual-styles library.
inline constexpr const wchar_t* ThemeLibraryName = L"UXTHEME.DLL";

// A binder unit's one binding of the library, made at start-up and freed at shut-down.
template <TPartSizeBinding Place>
struct TThemeBinderUnit {
    static TThemeBinding& Binding()
    {
        static TThemeBinding binding;
        return binding;
    }
    static void Load() { Binding().Load(ThemeLibraryName, ThemeBindingOrder(Place)); }
    static void Unload() { Binding().Unload(); }
};
