// The program's units start and end as the program runs them: the library that the first
// generation loads is freed when the program ends.
#include <gtest/gtest.h>

#include <windows.h>

#include "AOBXPVS.h"
#include "AppUnits.h"
#include "GDIPFill.h"
#include "RurKitMessages.h"
#include "RurTBXPVS.h"
#include "RurXPVS.h"
#include "Startup.h"
#include "ckDllLoader.h"

TEST(ProgramShutDown, EndingTheProgramFreesTheCryptoLibrary)
{
    TUnitStartup units(AppUnits());
    units.Initialize();
    ASSERT_EQ(GetModuleHandleW(L"ckd32.dll"), nullptr); // nothing is loaded at start
    ASSERT_NE(LoadDll(), nullptr);
    ASSERT_NE(GetModuleHandleW(L"ckd32.dll"), nullptr);
    units.Finalize();
    EXPECT_EQ(GetModuleHandleW(L"ckd32.dll"), nullptr);
}

TEST(ProgramShutDown, StartUpBindsTheThemeLibraryAndShutDownFreesIt)
{
    TUnitStartup units(AppUnits());
    units.Initialize();
    EXPECT_TRUE(RurXPVS::ThemeLibLoaded());
    EXPECT_TRUE(AOBXPVS::ThemeLibLoaded());
    EXPECT_EQ(RurTBXPVS::ThemeLibReferenceCount(), 1);
    EXPECT_EQ(ClearHintControlMessage(), RegisterWindowMessageW(L"ClearHintControl"));
    EXPECT_EQ(SBDrawImageMessage(), RegisterWindowMessageW(L"SBDRAWIMAGE"));
    units.Finalize();
    EXPECT_FALSE(RurXPVS::ThemeLibLoaded());
    EXPECT_FALSE(AOBXPVS::ThemeLibLoaded());
    EXPECT_FALSE(RurTBXPVS::ThemeLibLoaded());
}

TEST(ProgramShutDown, StartUpRegistersTheFillClipboardFormat)
{
    TUnitStartup units(AppUnits());
    units.Initialize();
    EXPECT_EQ(CF_GDIPFILL(), RegisterClipboardFormatW(L"GDI+ Fill"));
    units.Finalize();
}
