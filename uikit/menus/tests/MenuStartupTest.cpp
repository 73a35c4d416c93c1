// The menu unit's start-up work: the items' extra width by the screen's DPI, and the desktop's
// menu animation saved once, switched off, and put back only when it could be read.
#include <gtest/gtest.h>

#include <string>

#include "MenuTestSupport.h"
#include "PlatformFacts.h"

namespace {

// The system call as the tests answer it.
struct TFakeDesktop {
    static inline bool QueryWorks = true;
    static inline BOOL Setting = TRUE;
    static inline int Writes = 0;
    static BOOL WINAPI Call(UINT action, UINT, PVOID value, UINT)
    {
        if (action == SPI_GETMENUANIMATION) {
            if (!QueryWorks)
                return FALSE;
            *static_cast<BOOL*>(value) = Setting;
            return TRUE;
        }
        if (action == SPI_SETMENUANIMATION) {
            Setting = static_cast<BOOL>(reinterpret_cast<INT_PTR>(value));
            ++Writes;
            return TRUE;
        }
        return FALSE;
    }
};

class MenuAnimation : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetMenuAnimationState();
        FPrevious = SetMenuAnimationSystemCall(&TFakeDesktop::Call);
        TFakeDesktop::QueryWorks = true;
        TFakeDesktop::Setting = TRUE;
        TFakeDesktop::Writes = 0;
    }
    void TearDown() override
    {
        SetMenuAnimationSystemCall(FPrevious);
        ResetMenuAnimationState();
    }

private:
    TSystemParametersInfoProc FPrevious = nullptr;
};

} // namespace

TEST_F(MenuAnimation, OffWhileRunningAndBackAtTheEnd)
{
    for (BOOL before : {TRUE, FALSE}) {
        TFakeDesktop::Setting = before;
        RurMenusUnitInitialize();
        EXPECT_FALSE(TFakeDesktop::Setting);
        RurMenusUnitFinalize();
        EXPECT_EQ(TFakeDesktop::Setting, before);
    }
}

TEST_F(MenuAnimation, PopupsSwitchItOffWithoutSavingAgain)
{
    RurMenusUnitInitialize();
    // Before each pop-up and when a bar's first item paints; a second start-up request as well.
    DisableMenuAnimation();
    DisableMenuAnimation();
    SaveAndDisableMenuAnimation();
    EXPECT_FALSE(TFakeDesktop::Setting);
    RurMenusUnitFinalize();
    EXPECT_TRUE(TFakeDesktop::Setting) << "the setting found at start-up, not the 'off' of a pop-up";
}

TEST_F(MenuAnimation, AFailedQueryIsNeverRestored)
{
    TFakeDesktop::QueryWorks = false;
    RurMenusUnitInitialize();
    EXPECT_FALSE(TFakeDesktop::Setting);
    TFakeDesktop::Setting = TRUE; // the user switches it on meanwhile
    const int writes = TFakeDesktop::Writes;
    RurMenusUnitFinalize();
    EXPECT_EQ(TFakeDesktop::Writes, writes) << "nothing is written back";
    EXPECT_TRUE(TFakeDesktop::Setting);
}

TEST_F(MenuAnimation, RestoredOnceAndSavedAfreshByTheNextStart)
{
    RurMenusUnitInitialize();
    RurMenusUnitFinalize();
    const int writes = TFakeDesktop::Writes;
    RestoreMenuAnimation();
    EXPECT_EQ(TFakeDesktop::Writes, writes);
    TFakeDesktop::Setting = FALSE;
    RurMenusUnitInitialize();
    RurMenusUnitFinalize();
    EXPECT_FALSE(TFakeDesktop::Setting);
}

TEST(MenuStartup, ExtraWidthFollowsTheDesktopDpi)
{
    const std::pair<int, int> cases[] = {{96, 17}, {120, 21}, {144, 26}, {192, 34}};
    for (auto [dpi, width] : cases) {
        TInjectedPlatformFacts facts({.Dpi = dpi});
        InitMenuExtraWidth();
        EXPECT_EQ(MenuExtraWidth, width) << dpi;
    }
    InitMenuExtraWidth();
}

namespace {

// Runs the probe program beside this one; its exit code.
int Probe(const std::wstring& arguments)
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring program = path;
    program = program.substr(0, program.find_last_of(L"\\/") + 1) + L"uikit_menus_animation_probe.exe";
    std::wstring line = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}

} // namespace

// The real desktop setting, read back by another process after each way of ending.
TEST(MenuStartup, TheDesktopSettingAfterTheProgramEqualsTheOneBefore)
{
    const int original = Probe(L"read");
    ASSERT_TRUE(original == 0 || original == 1) << "the desktop answers the query: " << original;
    for (const wchar_t* ending : {L"table", L"halt", L"run"})
        for (int before : {1, 0}) {
            ASSERT_EQ(Probe(L"set " + std::to_wstring(before)), 0);
            ASSERT_EQ(Probe(L"read"), before);
            EXPECT_EQ(Probe(ending), 10) << "off while it runs";
            EXPECT_EQ(Probe(L"read"), before) << "after ending by " << ending;
        }
    Probe(L"set " + std::to_wstring(original));
}
