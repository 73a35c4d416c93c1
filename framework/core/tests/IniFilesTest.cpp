#include <gtest/gtest.h>

#include <cstdio>

#include "IniFiles.h"

namespace {

class IniFiles : public ::testing::Test {
protected:
    const String FileName = FromUtf8(::testing::TempDir()) + u"settings.ini";
    void TearDown() override { std::remove(ToUtf8(FileName).c_str()); }

    void WriteFile(const std::string& bytes)
    {
        TFileStream file(FileName, fmCreate);
        file.WriteBuffer(bytes.data(), static_cast<Int64>(bytes.size()));
    }
    std::string FileBytes()
    {
        TFileStream file(FileName, fmOpenRead);
        std::string bytes(static_cast<size_t>(file.Size()), '\0');
        file.ReadBuffer(bytes.data(), file.Size());
        return bytes;
    }
};

std::vector<String> LinesOf(const TStrings& s)
{
    std::vector<String> out;
    for (int i = 0; i < s.Count(); ++i)
        out.push_back(s.Strings(i));
    return out;
}

} // namespace

TEST_F(IniFiles, ParsesSectionsIgnoringCommentsAndSpacesAndCase)
{
    WriteFile("stray=1\r\n; comment\r\n[ Main ]\r\n Name = Value \r\nflag\r\nCount=0x1F\n\n[Other]\nX=1\n[main]\nLate=2\n");
    TMemIniFile ini(FileName);
    EXPECT_EQ(ini.ReadString(u"MAIN", u"name", u"?"), u"Value");
    EXPECT_EQ(ini.ReadString(u"Main", u"stray", u"none"), u"none");
    EXPECT_EQ(ini.ReadInteger(u"Main", u"Count", 0), 31);
    EXPECT_EQ(ini.ReadString(u"Main", u"Late", u""), u"2"); // a repeated section adds to the first

    TStringList list;
    ini.ReadSections(list);
    EXPECT_EQ(LinesOf(list), (std::vector<String>{u"Main", u"Other"}));
    ini.ReadSection(u"Main", list);
    EXPECT_EQ(LinesOf(list), (std::vector<String>{u"Name", u"", u"Count", u"Late"}));
    ini.ReadSectionValues(u"Other", list);
    EXPECT_EQ(LinesOf(list), (std::vector<String>{u"X=1"}));
    EXPECT_TRUE(ini.SectionExists(u"other"));
    EXPECT_FALSE(ini.SectionExists(u"Missing"));
    EXPECT_TRUE(ini.ValueExists(u"Main", u"COUNT"));
    EXPECT_FALSE(ini.ValueExists(u"Main", u"Value"));
    EXPECT_FALSE(ini.Modified());
}

TEST_F(IniFiles, TypedValuesWithDefaults)
{
    TMemIniFile ini(FileName);
    ini.WriteInteger(u"S", u"I", -42);
    ini.WriteBool(u"S", u"B", true);
    ini.WriteFloat(u"S", u"F", 2.5);
    ini.WriteString(u"S", u"Text", u"abc");
    TBytesStream data(TBytes{0x00, 0xAB, 0x10});
    ini.WriteBinaryStream(u"S", u"Bin", data);

    EXPECT_EQ(ini.ReadString(u"S", u"I", u""), u"-42");
    EXPECT_EQ(ini.ReadInteger(u"S", u"I", 0), -42);
    EXPECT_EQ(ini.ReadInteger(u"S", u"Text", 7), 7);
    EXPECT_EQ(ini.ReadString(u"S", u"B", u""), u"1");
    EXPECT_TRUE(ini.ReadBool(u"S", u"B", false));
    EXPECT_TRUE(ini.ReadBool(u"S", u"Missing", true));
    EXPECT_EQ(ini.ReadFloat(u"S", u"F", 0), 2.5);
    EXPECT_EQ(ini.ReadFloat(u"S", u"Text", 1.5), 1.5);
    EXPECT_EQ(ini.ReadString(u"S", u"Bin", u""), u"00AB10");
    TBytesStream back;
    EXPECT_EQ(ini.ReadBinaryStream(u"S", u"Bin", back), 3);
    EXPECT_EQ(back.Bytes(), (TBytes{0x00, 0xAB, 0x10}));
    ini.WriteString(u"S", u"Bad", u"0AZZ");
    TBytesStream partial;
    EXPECT_EQ(ini.ReadBinaryStream(u"S", u"Bad", partial), 1);

    // Float text follows the process-wide settings.
    TFormatSettings saved = FormatSettings;
    FormatSettings.DecimalSeparator = u',';
    ini.WriteFloat(u"S", u"Comma", 0.5);
    EXPECT_EQ(ini.ReadString(u"S", u"Comma", u""), u"0,5");
    EXPECT_EQ(ini.ReadFloat(u"S", u"Comma", 0), 0.5);
    FormatSettings = saved;

    ini.DeleteKey(u"S", u"i");
    EXPECT_FALSE(ini.ValueExists(u"S", u"I"));
    ini.EraseSection(u"s");
    EXPECT_FALSE(ini.SectionExists(u"S"));
}

TEST_F(IniFiles, UpdateFileWritesCrLfTextInTheFilesEncoding)
{
    {
        TMemIniFile ini(FileName);
        ini.WriteString(u"A", u"k", u"v");
        ini.WriteString(u"B", u"x", u"1");
        ini.UpdateFile();
    }
    EXPECT_EQ(FileBytes(), "[A]\r\nk=v\r\n\r\n[B]\r\nx=1\r\n\r\n");

    // Persian text cannot be ANSI: it goes out as UTF-8 and comes back whole.
    {
        TMemIniFile ini(FileName);
        ini.WriteString(u"A", u"name", u"\u0639\u0644\u06CC");
        ini.UpdateFile();
    }
    EXPECT_EQ(FileBytes().substr(0, 3), "\xEF\xBB\xBF");
    {
        TMemIniFile ini(FileName);
        EXPECT_EQ(ini.ReadString(u"A", u"name", u""), u"\u0639\u0644\u06CC");
        EXPECT_EQ(ini.Encoding(), &TEncoding::UTF8());
    }
    // A UTF-16 file stays UTF-16.
    {
        TStringList lines;
        lines.SetText(u"[U]\r\nk=\u0628");
        lines.SaveToFile(FileName, &TEncoding::Unicode());
        TMemIniFile ini(FileName);
        ini.WriteString(u"U", u"j", u"2");
        ini.UpdateFile();
    }
    EXPECT_EQ(FileBytes().substr(0, 2), "\xFF\xFE");
}

TEST_F(IniFiles, AutoSaveWritesOnlyAfterAChange)
{
    {
        TMemIniFile ini(FileName);
        ini.SetAutoSave(true);
    }
    EXPECT_THROW(TFileStream(FileName, fmOpenRead), EFOpenError);
    {
        TMemIniFile ini(FileName);
        ini.SetAutoSave(true);
        ini.WriteInteger(u"Pager", u"Minimized", 1);
        EXPECT_TRUE(ini.Modified());
    }
    TMemIniFile reread(FileName);
    EXPECT_EQ(reread.ReadInteger(u"Pager", u"Minimized", 0), 1);
}
