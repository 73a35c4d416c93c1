// The program's units start and end as the program runs them: the library that the first
// generation loads is freed when the program ends.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "AOBXPVS.h"
#include "AppUnits.h"
#include "FwGdiPlus.h"
#include "GDIPFillFormat.h"
#include "RurKitMessages.h"
#include "RurTBXPVS.h"
#include "RurToolBar_Messages.h"
#include "RurXPVS.h"
#include "Startup.h"
#include "ckDllLoader.h"
#include "scDrawUtils.h"

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
    EXPECT_EQ(ToolBarMessage(TToolBarMessage::CompactWinHide), RegisterWindowMessageW(L"TBCompactWinHide"));
    units.Finalize();
    EXPECT_FALSE(RurXPVS::ThemeLibLoaded());
    EXPECT_FALSE(AOBXPVS::ThemeLibLoaded());
    EXPECT_FALSE(RurTBXPVS::ThemeLibLoaded());
}

TEST(ProgramShutDown, TheStyledKitStartsAfterTheToolsLibraryAndBeforeTheUIKitsStyling)
{
    auto indexOf = [](const char* name) {
        const auto steps = AppUnits();
        for (size_t i = 0; i < steps.size(); ++i)
            if (std::strcmp(steps[i].Name, name) == 0)
                return static_cast<int>(i);
        return -1;
    };
    const char* order[] = {"RurTypes", "ckDllLoader", "scDrawUtils", "scStyledForm", "FwGdiPlus", "RurXPVS",
                           "Main_Form"};
    for (size_t i = 1; i < std::size(order); ++i)
        EXPECT_LT(indexOf(order[i - 1]), indexOf(order[i])) << order[i];

    TUnitStartup units(AppUnits());
    units.Initialize();
    EXPECT_NE(scDrawUtils::DwmExtendFrameIntoClientArea, nullptr);
    EXPECT_TRUE(fwgdip::GdiPlusStarted());
    EXPECT_NE(GetClass(u"TscGPGlyphButton"), nullptr);
    EXPECT_NE(GetClass(u"TscStyledForm"), nullptr);
    units.Finalize();
    EXPECT_FALSE(fwgdip::GdiPlusStarted());
}

TEST(ProgramShutDown, StartUpRegistersTheFillClipboardFormat)
{
    TUnitStartup units(AppUnits());
    units.Initialize();
    EXPECT_EQ(CF_GDIPFILL(), RegisterClipboardFormatW(L"GDI+ Fill"));
    units.Finalize();
}

TEST(ProgramShutDown, TheMenuAnimationIsOffWhileTheToolRunsAndAsBeforeAfterwards)
{
    auto animation = [] {
        BOOL on = FALSE;
        EXPECT_TRUE(SystemParametersInfoW(SPI_GETMENUANIMATION, 0, &on, 0));
        return on;
    };
    const BOOL before = animation();
    TUnitStartup units(AppUnits());
    units.Initialize();
    EXPECT_FALSE(animation());
    units.Finalize();
    EXPECT_EQ(animation(), before);
}
