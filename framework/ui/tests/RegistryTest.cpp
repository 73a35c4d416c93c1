// TRegistry and TRegistryIniFile against the real registry, under HKCU\Software\TavinTest (removed
// after every test).
#include <gtest/gtest.h>

#include "Registry.h"

namespace {

const String TestKey = u"\\Software\\TavinTest";
const String Persian = u"\u06AF\u0631\u0648\u0647 \u0646\u0631\u0645 \u0627\u0641\u0632\u0627\u0631\u06CC";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Reg.OpenKey(TestKey, true)); }
    void TearDown() override
    {
        Reg.CloseKey();
        TRegistry cleaner;
        cleaner.DeleteKey(TestKey);
        EXPECT_FALSE(cleaner.KeyExists(TestKey));
    }

    // The message of the ERegistryException that action raises, or "none".
    static String RaisedMessage(const std::function<void()>& action)
    {
        try {
            action();
        } catch (const ERegistryException& e) {
            return e.Message();
        }
        return u"none";
    }

    TRegistry Reg;
};

TEST_F(RegistryTest, ValuesRoundTripWithTheirTypes)
{
    Reg.WriteString(u"Text", Persian);
    Reg.WriteExpandString(u"Expand", u"%TEMP%\\x");
    Reg.WriteInteger(u"Number", -42);
    Reg.WriteBool(u"Flag", true);
    Reg.WriteFloat(u"Ratio", 2.5);
    const Byte bytes[] = {1, 0, 255};
    Reg.WriteBinaryData(u"Blob", bytes, sizeof bytes);

    EXPECT_EQ(Reg.ReadString(u"Text"), Persian);
    EXPECT_EQ(Reg.ReadString(u"Expand"), u"%TEMP%\\x");
    EXPECT_EQ(Reg.ReadInteger(u"Number"), -42);
    EXPECT_TRUE(Reg.ReadBool(u"Flag"));
    EXPECT_EQ(Reg.ReadFloat(u"Ratio"), 2.5);
    Byte back[8] = {};
    EXPECT_EQ(Reg.ReadBinaryData(u"Blob", back, sizeof back), 3);
    EXPECT_EQ(back[2], 255);

    EXPECT_EQ(Reg.GetDataType(u"Text"), rdString);
    EXPECT_EQ(Reg.GetDataType(u"Expand"), rdExpandString);
    EXPECT_EQ(Reg.GetDataType(u"Number"), rdInteger);
    EXPECT_EQ(Reg.GetDataType(u"Ratio"), rdBinary);
    EXPECT_EQ(Reg.GetDataType(u"Missing"), rdUnknown);
    EXPECT_EQ(Reg.GetDataSize(u"Missing"), -1);
    EXPECT_EQ(Reg.GetDataSize(u"Number"), 4);
}

TEST_F(RegistryTest, ReadingAnotherTypeOrAMissingValueRaises)
{
    Reg.WriteString(u"Text", u"a long text that does not fit four bytes");
    Reg.WriteInteger(u"Number", 7);
    const Byte bytes[16] = {};
    Reg.WriteBinaryData(u"Blob", bytes, sizeof bytes);
    Byte small[4];

    struct Case {
        const char* What;
        std::function<void()> Read;
        String Message;
    } cases[] = {
        {"integer of a string", [&] { Reg.ReadInteger(u"Text"); }, u"Invalid data type for 'Text'"},
        {"string of an integer", [&] { Reg.ReadString(u"Number"); }, u"Invalid data type for 'Number'"},
        {"float of an integer", [&] { Reg.ReadFloat(u"Number"); }, u"Invalid data type for 'Number'"},
        {"float of 16 bytes", [&] { Reg.ReadFloat(u"Blob"); }, u"Invalid data type for 'Blob'"},
        {"binary of a string", [&] { Reg.ReadBinaryData(u"Text", small, 4); }, u"Invalid data type for 'Text'"},
        {"binary too large", [&] { Reg.ReadBinaryData(u"Blob", small, 4); }, u"Invalid data type for 'Blob'"},
        {"missing integer", [&] { Reg.ReadInteger(u"Missing"); }, u"Failed to get data for 'Missing'"},
        {"missing bool", [&] { Reg.ReadBool(u"Missing"); }, u"Failed to get data for 'Missing'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RaisedMessage(c.Read), c.Message) << c.What;

    EXPECT_EQ(Reg.ReadString(u"Missing"), u"");
    EXPECT_EQ(Reg.ReadBinaryData(u"Missing", small, 4), 0);
}

TEST_F(RegistryTest, KeysOpenRelativeToTheOpenKeyOrFromTheRoot)
{
    EXPECT_EQ(Reg.CurrentPath(), u"Software\\TavinTest");
    EXPECT_FALSE(Reg.OpenKey(u"Child", false));
    EXPECT_EQ(Reg.CurrentPath(), u"Software\\TavinTest") << "a failed open keeps the open key";
    ASSERT_TRUE(Reg.OpenKey(u"Child\\Grandchild", true));
    EXPECT_EQ(Reg.CurrentPath(), u"Software\\TavinTest\\Child\\Grandchild");
    Reg.WriteInteger(u"Deep", 1);

    ASSERT_TRUE(Reg.OpenKey(TestKey, false));
    EXPECT_TRUE(Reg.KeyExists(u"Child\\Grandchild"));
    EXPECT_TRUE(Reg.KeyExists(TestKey + u"\\Child"));
    EXPECT_FALSE(Reg.KeyExists(u"Nothing"));
    EXPECT_TRUE(Reg.HasSubKeys());

    Reg.CloseKey();
    EXPECT_EQ(Reg.CurrentPath(), u"");
    ASSERT_TRUE(Reg.OpenKeyReadOnly(u"Software\\TavinTest\\Child\\Grandchild"));
    EXPECT_EQ(Reg.ReadInteger(u"Deep"), 1);
    EXPECT_EQ(RaisedMessage([&] { Reg.WriteInteger(u"Deep", 2); }), u"Failed to set data for 'Deep'");
}

TEST_F(RegistryTest, NamesAreListedAndKeysDeleteWithTheirSubkeys)
{
    Reg.WriteString(u"One", u"1");
    Reg.WriteInteger(u"Two", 2);
    Reg.CreateKey(u"A\\Inner");
    Reg.CreateKey(u"B");

    TStringList names;
    names.SetSorted(true);
    Reg.GetValueNames(names);
    EXPECT_EQ(names.CommaText(), u"One,Two");
    Reg.GetKeyNames(names);
    EXPECT_EQ(names.CommaText(), u"A,B");

    EXPECT_TRUE(Reg.ValueExists(u"One"));
    EXPECT_TRUE(Reg.DeleteValue(u"One"));
    EXPECT_FALSE(Reg.ValueExists(u"One"));
    EXPECT_FALSE(Reg.DeleteValue(u"One"));

    EXPECT_TRUE(Reg.DeleteKey(u"A"));
    EXPECT_FALSE(Reg.KeyExists(u"A"));
    EXPECT_FALSE(Reg.DeleteKey(u"A"));
    EXPECT_FALSE(Reg.DeleteKey(u"")) << "an empty path never empties the open key";
    EXPECT_TRUE(Reg.KeyExists(u"B"));
}

TEST_F(RegistryTest, IniFileKeepsSectionsAsSubkeysAndValuesInTheirTypes)
{
    {
        TRegistryIniFile ini(u"Software\\TavinTest\\Settings");
        ini.WriteString(u"Toolbars", u"Name1", Persian);
        ini.WriteInteger(u"Toolbars", u"RowCount", 3);
        ini.WriteBool(u"Toolbars", u"Visible", true);
        ini.WriteString(u"Other", u"Count", u"12");
        ini.WriteInteger(u"Other", u"Count", 13);
    }
    TRegistryIniFile ini(u"Software\\TavinTest\\Settings");
    EXPECT_EQ(ini.ReadString(u"Toolbars", u"Name1", u""), Persian);
    EXPECT_EQ(ini.ReadInteger(u"Toolbars", u"RowCount", 0), 3);
    EXPECT_TRUE(ini.ReadBool(u"Toolbars", u"Visible", false));
    EXPECT_EQ(ini.ReadInteger(u"Other", u"Count", 0), 13);
    EXPECT_EQ(ini.ReadString(u"Other", u"Count", u""), u"13") << "an integer over a string stays a string";
    EXPECT_EQ(ini.ReadString(u"Toolbars", u"Missing", u"dflt"), u"dflt");
    EXPECT_EQ(ini.ReadInteger(u"NoSection", u"RowCount", -1), -1);

    ASSERT_TRUE(Reg.OpenKey(u"Settings\\Toolbars", false));
    EXPECT_EQ(Reg.GetDataType(u"RowCount"), rdInteger);

    TStringList list;
    list.SetSorted(true);
    ini.ReadSections(list);
    EXPECT_EQ(list.CommaText(), u"Other,Toolbars");
    ini.ReadSection(u"Toolbars", list);
    EXPECT_EQ(list.CommaText(), u"Name1,RowCount,Visible");
    ini.ReadSectionValues(u"Other", list);
    EXPECT_EQ(list.CommaText(), u"Count=13");

    ini.DeleteKey(u"Toolbars", u"Name1");
    EXPECT_FALSE(ini.ValueExists(u"Toolbars", u"Name1"));
    ini.EraseSection(u"Other");
    EXPECT_FALSE(ini.SectionExists(u"Other"));
}

} // namespace
