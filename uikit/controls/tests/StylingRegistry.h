#pragma once
// The keys under HKEY_CURRENT_USER that Office and Windows theme detection reads, written into the
// test prefix's registry: each fixture starts without Office and without the dark-apps value, and
// leaves the registry as it found the dark-apps value.
#include <gtest/gtest.h>

#include <optional>

#include "Registry.h"

inline const String OfficeRoot = u"Software\\Microsoft\\Office";
inline const String PersonalizeKey = u"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

class TStylingRegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RemoveOffice();
        if (FReg.OpenKey(PersonalizeKey, false)) {
            if (FReg.GetDataType(u"AppsUseLightTheme") == rdInteger)
                FSavedLightTheme = FReg.ReadInteger(u"AppsUseLightTheme");
            FReg.DeleteValue(u"AppsUseLightTheme");
            FReg.CloseKey();
        }
    }
    void TearDown() override
    {
        RemoveOffice();
        if (FReg.OpenKey(PersonalizeKey, true)) {
            FReg.DeleteValue(u"AppsUseLightTheme");
            if (FSavedLightTheme)
                FReg.WriteInteger(u"AppsUseLightTheme", *FSavedLightTheme);
            FReg.CloseKey();
        }
    }

    void RemoveOffice() { FReg.DeleteKey(OfficeRoot); }
    void CreateKey(const String& key)
    {
        ASSERT_TRUE(FReg.OpenKey(key, true));
        FReg.CloseKey();
    }
    void WriteInteger(const String& key, const String& name, int value)
    {
        ASSERT_TRUE(FReg.OpenKey(key, true));
        FReg.WriteInteger(name, value);
        FReg.CloseKey();
    }
    void WriteString(const String& key, const String& name, const String& value)
    {
        ASSERT_TRUE(FReg.OpenKey(key, true));
        FReg.WriteString(name, value);
        FReg.CloseKey();
    }

    TRegistry FReg;
    std::optional<int> FSavedLightTheme;
};
