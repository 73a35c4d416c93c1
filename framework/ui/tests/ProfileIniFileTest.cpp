// TIniFile over the platform's profile functions, on a file in the temporary folder.
#include "WinApiNames.h"

#include <gtest/gtest.h>

#include "IniFiles.h"
#include "WideText.h"

namespace {

class ProfileIniFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        FileName = FromWidePtr(folder) + u"tavin-profile-test.ini";
        DeleteFileW(WidePtr(FileName));
    }
    void TearDown() override { DeleteFileW(WidePtr(FileName)); }

    String FileName;
};

TEST_F(ProfileIniFileTest, ValuesSectionsAndDeletionReachTheFile)
{
    {
        TIniFile ini(FileName);
        ini.WriteString(u"Main", u"Name", u"value with spaces");
        ini.WriteInteger(u"Main", u"Count", 12);
        ini.WriteBool(u"Main", u"Flag", true);
        ini.WriteString(u"Second", u"Gone", u"x");
    }
    TIniFile ini(FileName);
    EXPECT_EQ(ini.ReadString(u"Main", u"Name", u""), u"value with spaces");
    EXPECT_EQ(ini.ReadInteger(u"Main", u"Count", 0), 12);
    EXPECT_TRUE(ini.ReadBool(u"Main", u"Flag", false));
    EXPECT_EQ(ini.ReadString(u"Main", u"Missing", u"dflt"), u"dflt");
    EXPECT_EQ(ini.ReadString(u"Nowhere", u"Name", u"dflt"), u"dflt");

    TStringList list;
    ini.ReadSections(list);
    EXPECT_EQ(list.CommaText(), u"Main,Second");
    ini.ReadSection(u"Main", list);
    EXPECT_EQ(list.CommaText(), u"Name,Count,Flag");
    ini.ReadSectionValues(u"Main", list);
    EXPECT_EQ(list.Strings(0), u"Name=value with spaces");

    ini.DeleteKey(u"Main", u"Count");
    EXPECT_FALSE(ini.ValueExists(u"Main", u"Count"));
    ini.EraseSection(u"Second");
    EXPECT_FALSE(ini.SectionExists(u"Second"));
    ini.ReadSection(u"Empty", list);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ProfileIniFileTest, LongValuesAndLongListsAreReadWhole)
{
    TIniFile ini(FileName);
    String longValue(5000, u'v');
    ini.WriteString(u"Main", u"Long", longValue);
    for (int i = 0; i < 400; ++i)
        ini.WriteString(u"Many", u"Name" + IntToStr(i), u"1");
    EXPECT_EQ(ini.ReadString(u"Main", u"Long", u""), longValue);
    TStringList names;
    ini.ReadSection(u"Many", names);
    ASSERT_EQ(names.Count(), 400);
    EXPECT_EQ(names.Strings(399), u"Name399");
}

TEST_F(ProfileIniFileTest, WriteToAnUnreachableFileRaises)
{
    TIniFile ini(u"Z:\\no\\such\\folder\\settings.ini");
    try {
        ini.WriteString(u"Main", u"Name", u"x");
        FAIL() << "no exception";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), u"Unable to write to Z:\\no\\such\\folder\\settings.ini");
    }
}

} // namespace
