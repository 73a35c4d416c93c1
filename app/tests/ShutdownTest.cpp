// The program's units start and end as the program runs them: the library that the first
// generation loads is freed when the program ends.
#include <gtest/gtest.h>

#include <windows.h>

#include "AppUnits.h"
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
