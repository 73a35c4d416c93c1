#include <gtest/gtest.h>

#include <vector>

#include "AOBXPVS.h"
#include "PlatformFacts.h"
#include "RurDWM.h"
#include "RurKitMessages.h"
#include "RurTBXPVS.h"
#include "RurXPVS.h"

namespace {

void (*RealEntry(const wchar_t* library, TThemeEntry entry))()
{
    return reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(library), ThemeEntryName(entry)));
}

bool Bound(const TThemeBinding& binding, TThemeEntry entry) { return binding.Has(entry); }

} // namespace

// Each binder binds the entries of its own list from the real library, and no others.
TEST(ThemeBindersTest, BindEveryListedEntryOfTheRealLibrary)
{
    RurXPVS::TBinder::Load();
    AOBXPVS::TBinder::Load();
    RurTBXPVS::LoadThemeFunctions();
    struct {
        const char* Name;
        const TThemeBinding& Binding;
        bool HasDpiAndPartSize;
    } binders[] = {{"RurXPVS", RurXPVS::Theme(), true},
                   {"AOBXPVS", AOBXPVS::Theme(), true},
                   {"RurTBXPVS", RurTBXPVS::Theme(), false}};
    for (const auto& b : binders) {
        ASSERT_TRUE(b.Binding.Loaded()) << b.Name;
        for (int i = 0; i < static_cast<int>(TThemeEntry::Count); ++i) {
            const auto entry = static_cast<TThemeEntry>(i);
            const bool listed = b.HasDpiAndPartSize ||
                                (entry != TThemeEntry::OpenThemeDataForDpi && entry != TThemeEntry::GetThemePartSize);
            const bool expected = listed && RealEntry(L"uxtheme.dll", entry) != nullptr;
            EXPECT_EQ(Bound(b.Binding, entry), expected) << b.Name << " " << ThemeEntryName(entry);
        }
        // The bound pointers are callable with the system's own signature.
        ASSERT_TRUE(b.Binding.Get<TThemeEntry::IsAppThemed>());
        EXPECT_EQ(b.Binding.Get<TThemeEntry::IsAppThemed>()(), IsAppThemed());
    }
    RurXPVS::TBinder::Unload();
    AOBXPVS::TBinder::Unload();
    RurTBXPVS::FinalizeRurTBXPVS();
    EXPECT_FALSE(RurXPVS::ThemeLibLoaded());
    EXPECT_FALSE(AOBXPVS::ThemeLibLoaded());
    EXPECT_FALSE(RurTBXPVS::ThemeLibLoaded());
    EXPECT_FALSE(RurXPVS::Theme().Has(TThemeEntry::OpenThemeData));
}

// A missing library leaves everything null; a library lacking entries (here one that has none of
// them) still loads, with those entries null, and nothing stops the program.
TEST(ThemeBindersTest, MissingLibraryOrEntriesLeaveNullPointers)
{
    const TThemeEntry order[] = {TThemeEntry::OpenThemeData, TThemeEntry::OpenThemeDataForDpi,
                                 TThemeEntry::GetThemePartSize};
    TThemeBinding missing;
    missing.Load(L"no-such-theme-library.dll", order);
    EXPECT_FALSE(missing.Loaded());
    EXPECT_EQ(missing.Get<TThemeEntry::OpenThemeData>(), nullptr);

    TThemeBinding lacking;
    lacking.Load(L"kernel32.dll", order);
    EXPECT_TRUE(lacking.Loaded());
    for (TThemeEntry entry : order)
        EXPECT_FALSE(lacking.Has(entry)) << ThemeEntryName(entry);
}

TEST(ThemeBindersTest, ThemedTextIsBoundOnlyFromALoadedLibrary)
{
    RECT r{0, 0, 10, 10};
    EXPECT_EQ(RurTBXPVS::DynDrawThemeTextEx(nullptr, nullptr, 0, 0, L"x", 1, 0, &r, nullptr), E_NOTIMPL);
    EXPECT_FALSE(RurTBXPVS::ThemeLibLoaded()); // it does not load the library for itself

    RurTBXPVS::LoadThemeFunctions();
    RurTBXPVS::LoadThemeFunctions();
    EXPECT_EQ(RurTBXPVS::ThemeLibReferenceCount(), 1);
    // Wine's and Windows' uxtheme export it; a null theme is refused by the function itself.
    EXPECT_NE(RurTBXPVS::DynDrawThemeTextEx(nullptr, nullptr, 0, 0, L"x", 1, 0, &r, nullptr), E_NOTIMPL);
    RurTBXPVS::UnloadThemeFunctions();
    EXPECT_EQ(RurTBXPVS::ThemeLibReferenceCount(), 0);
    EXPECT_FALSE(RurTBXPVS::ThemeLibLoaded());
    EXPECT_EQ(RurTBXPVS::DynDrawThemeTextEx(nullptr, nullptr, 0, 0, L"x", 1, 0, &r, nullptr), E_NOTIMPL);
}

namespace {

HRESULT WINAPI FakeCompositionEnabled(BOOL* enabled)
{
    *enabled = TRUE;
    return S_OK;
}

HRESULT WINAPI FakeExtendFrame(HWND, const MARGINS*) { return S_OK; }

} // namespace

TEST(ThemeBindersTest, DwmFunctionsBindOnceOnFirstUse)
{
    std::vector<std::string> lookups;
    RurDWM::TDwmProcLookup previous = RurDWM::SetDwmProcLookup([&](HMODULE, const char* name) {
        lookups.emplace_back(name);
        if (std::string(name) == "DwmIsCompositionEnabled")
            return reinterpret_cast<RurDWM::TProcAddress>(&FakeCompositionEnabled);
        if (std::string(name) == "DwmExtendFrameIntoClientArea")
            return reinterpret_cast<RurDWM::TProcAddress>(&FakeExtendFrame);
        return RurDWM::TProcAddress{};
    });
    MARGINS margins{};
    EXPECT_EQ(RurDWM::DynDwmExtendFrameIntoClientArea(nullptr, &margins), S_OK);
    EXPECT_EQ(RurDWM::DynDwmExtendFrameIntoClientArea(nullptr, &margins), S_OK);
    EXPECT_EQ(lookups, (std::vector<std::string>{"DwmExtendFrameIntoClientArea"}));

    // A missing entry answers as the system would without composition, and is looked up again.
    LRESULT result = 0;
    EXPECT_FALSE(RurDWM::DynDwmDefWindowProc(nullptr, WM_NULL, 0, 0, &result));

    {
        TPlatformFactsInjection facts;
        facts.Version = TWindowsVersion{6, 1, 7601};
        TInjectedPlatformFacts seven(facts);
        EXPECT_TRUE(RurDWM::IsDwmCompositionEnabled());
    }
    {
        TPlatformFactsInjection facts;
        facts.Version = TWindowsVersion{5, 1, 2600};
        TInjectedPlatformFacts xp(facts);
        EXPECT_FALSE(RurDWM::IsDwmCompositionEnabled()); // even though the function reports it on
    }
    RurDWM::SetDwmProcLookup(std::move(previous));
    RurDWM::FinalizeRurDWM();
}

TEST(ThemeBindersTest, KitMessagesAreRegisteredByName)
{
    RegisterClearHintControlMessage();
    RegisterSBDrawImageMessage();
    EXPECT_GE(ClearHintControlMessage(), 0xC000u);
    EXPECT_EQ(ClearHintControlMessage(), RegisterWindowMessageW(L"ClearHintControl"));
    EXPECT_EQ(SBDrawImageMessage(), RegisterWindowMessageW(L"SBDRAWIMAGE"));
}
