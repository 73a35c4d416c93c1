// The layout storage settings: defaults, change notification, copying, and the store they open.
#include <gtest/gtest.h>

#include "Registry.h"
#include "RurToolBar_Persistence.h"
#include "WideText.h"

namespace {

TEST(PersistenceTest, DefaultsNotificationAndAssign)
{
    TPersistence p(nullptr);
    EXPECT_EQ(p.Location(), plRegistry);
    EXPECT_FALSE(p.Enabled());
    EXPECT_TRUE(p.Key().empty());
    EXPECT_TRUE(p.Section().empty());
    EXPECT_EQ(OpenPersistenceStore(p, false), nullptr) << "nothing is stored before the settings are filled in";

    int changes = 0;
    p.SetOnChange([&](TObject* sender) {
        EXPECT_EQ(sender, &p);
        ++changes;
    });
    struct TStep {
        const char* What;
        std::function<void()> Write;
        int Changes;
    };
    const TStep steps[] = {
        {"a new key", [&] { p.SetKey(u"Layout"); }, 1},
        {"the same key", [&] { p.SetKey(u"Layout"); }, 1},
        {"a key differing in case only", [&] { p.SetKey(u"layout"); }, 2},
        {"a section", [&] { p.SetSection(u"Bars"); }, 3},
        {"the same location", [&] { p.SetLocation(plRegistry); }, 3},
        {"another location", [&] { p.SetLocation(plIniFile); }, 4},
        {"enabled", [&] { p.SetEnabled(true); }, 5},
        {"enabled again", [&] { p.SetEnabled(true); }, 5},
    };
    for (const TStep& s : steps) {
        s.Write();
        EXPECT_EQ(changes, s.Changes) << s.What;
    }

    TPersistence target(nullptr);
    int targetChanges = 0;
    target.SetOnChange([&](TObject*) { ++targetChanges; });
    target.Assign(&p);
    EXPECT_EQ(target.Key(), u"layout");
    EXPECT_EQ(target.Section(), u"Bars");
    EXPECT_EQ(target.Location(), plIniFile);
    EXPECT_TRUE(target.Enabled());
    EXPECT_EQ(targetChanges, 0);
    target.Assign(nullptr);
    EXPECT_EQ(target.Key(), u"layout") << "any other source changes nothing";
}

TEST(PersistenceTest, StoresRoundTrip)
{
    // An INI file named by a relative key lies in the current directory and is written when the
    // store goes; the registry store lies below the current user's key.
    const String file = u"toolbar-persistence-test.ini";
    DeleteFileW(WidePtr(file));
    TPersistence ini(nullptr);
    ini.SetLocation(plIniFile);
    ini.SetKey(file);
    ini.SetSection(u"UnDockedRurToolBars");
    ini.SetEnabled(true);
    EXPECT_EQ(OpenPersistenceStore(ini, true), nullptr) << "nothing while designing";
    OpenPersistenceStore(ini, false)->WriteInteger(ini.Section(), u"Left", 42);
    wchar_t directory[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, directory);
    ASSERT_NE(GetFileAttributesW(WidePtr(FromWidePtr(directory) + u"\\" + file)), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(OpenPersistenceStore(ini, false)->ReadInteger(ini.Section(), u"Left", 0), 42);
    DeleteFileW(WidePtr(file));

    TPersistence reg(nullptr);
    reg.Assign(&ini);
    reg.SetLocation(plRegistry);
    reg.SetKey(u"Software\\TavinCSR\\ToolBarPersistenceTest");
    OpenPersistenceStore(reg, false)->WriteInteger(reg.Section(), u"Top", 7);
    EXPECT_EQ(OpenPersistenceStore(reg, false)->ReadInteger(reg.Section(), u"Top", 0), 7);
    TRegistry registry;
    EXPECT_TRUE(registry.DeleteKey(u"\\Software\\TavinCSR\\ToolBarPersistenceTest"));
}

} // namespace
