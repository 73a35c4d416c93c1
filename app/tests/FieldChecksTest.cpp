// The person-type tables and the field rules, without a window.
#include <gtest/gtest.h>

#include "FieldChecks.h"
#include "PersonTypes.h"

namespace {

TEST(FieldRules, EmailAddresses)
{
    const struct {
        const char16_t* text;
        bool accepted;
    } cases[] = {
        {u"a.b-c_d@example.co", true},       {u"x@mail.example.info", true}, {u"x@example.c", false},
        {u"x@example.abcde", false},         {u"x@example", false},          {u"xexample.com", false},
        {u"x@@example.com", false},          {u"", false},                   {u"ali@مثال.com", false},
        {u"علی@example.com", false},         {u" x@example.com", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.text));
        EXPECT_EQ(FieldRuleWarning(7, 6, c.text).empty(), c.accepted);
    }
    EXPECT_EQ(FieldRuleWarning(7, 6, u"x@y"), u"پست الکترونیکی وارد شده صحیح نیست.");
}

TEST(FieldRules, LengthsOfSerialNumberAndCommonName)
{
    const String ten(10, u'1'), eleven(11, u'1');
    for (int type : {1, 2, 3}) {
        EXPECT_EQ(FieldRuleWarning(11, type, ten), u"");
        EXPECT_EQ(FieldRuleWarning(11, type, eleven), u"شناسه/کد ملی باید 10 حرف باشد.");
    }
    for (int type : {4, 5, 6}) {
        EXPECT_EQ(FieldRuleWarning(11, type, eleven), u"");
        EXPECT_EQ(FieldRuleWarning(11, type, ten), u"شناسه ملی باید 11 حرف باشد.");
    }
    EXPECT_EQ(FieldRuleWarning(3064, 6, String(64, u'a')), u"");
    EXPECT_EQ(FieldRuleWarning(3064, 6, String(65, u'a')), u"نام عمومی نباید بیشتر از 64 حرف باشد.");
    EXPECT_EQ(FieldRuleWarning(264, 6, u""), u"");
    // Spaces count: they reach the request.
    EXPECT_NE(FieldRuleWarning(11, 6, u" " + String(10, u'1') + u" "), u"");
}

TEST(FieldRules, BlankMeansNothingButSpacesAndControlCharacters)
{
    EXPECT_TRUE(IsBlankFieldText(u""));
    EXPECT_TRUE(IsBlankFieldText(u"  \t\r\n "));
    EXPECT_FALSE(IsBlankFieldText(u" a "));
}

TEST(PersonTypes, ModelFillingPerType)
{
    TFieldTexts texts;
    const char16_t* values[] = {u"cn", u"sn", u"mail", u"role", u"unit", u"prov", u"city", u"last", u"first"};
    for (int i = 0; i < InputFieldCount; ++i)
        texts[i] = values[i];
    for (int type = 1; type <= 6; ++type) {
        SCOPED_TRACE(type);
        TCsrModel model;
        FillCsrModel(model, type, u"Affiliation", texts);
        const bool natural = type <= 5;
        EXPECT_EQ(model.Country(), u"IR");
        EXPECT_EQ(model.Organization(), u"Affiliation");
        EXPECT_EQ(model.OrganizationUnit(), u"unit");
        EXPECT_EQ(model.CommonName(), u"cn");
        EXPECT_EQ(model.SerialNumber(), u"sn");
        EXPECT_EQ(model.EmailAddress(), type == 4 || type == 5 ? u"" : u"mail");
        EXPECT_EQ(model.SubjectRole(), type == 2 || type == 3 || type == 6 ? u"role" : u"");
        EXPECT_EQ(model.Surname(), natural ? u"last" : u"");
        EXPECT_EQ(model.GivenName(), natural ? u"first" : u"");
        EXPECT_EQ(model.Province(), natural ? u"prov" : u"");
        EXPECT_EQ(model.City(), natural ? u"city" : u"");
        EXPECT_EQ(model.OrganizationIdentifier(), u"");
        EXPECT_EQ(model.PersonType(), type);
    }
}

} // namespace
