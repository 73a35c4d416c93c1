#include "PersonTypes.h"

const std::array<TPersonTypeEntry, PersonTypeCount> PersonTypeEntries{{
    {u"شخص حقیقی مستقل", 1, u"Unaffiliated"},
    {u"شخص حقیقی وابسته به غیر دولت", 2, u"Non-Governmental"},
    {u"شخص حقیقی وابسته به دولت", 3, u"Governmental"},
    {u"دفاتر ثبت نام وابسته به دولت", 4, u"Governmental"},
    {u"دفاتر ثبت نام وابسته به غیر دولت", 5, u"Non-Governmental"},
    {u"شخص حقوقی وابسته به غیر دولت", 6, u"Non-Governmental"},
}};

namespace {

bool IsNaturalPersonOrOffice(int personType) { return personType >= 1 && personType <= 5; }

} // namespace

bool IsFieldEnabled(TInputField field, int personType)
{
    switch (field) {
    case TInputField::CommonName:
    case TInputField::SerialNumber:
        return true;
    case TInputField::Email:
        return personType != 4 && personType != 5;
    case TInputField::SubjectRole:
        return personType == 3 || personType == 6;
    case TInputField::OrgUnit:
        return personType >= 3;
    case TInputField::Province:
    case TInputField::City:
    case TInputField::LastName:
    case TInputField::FirstName:
        return personType != 6;
    }
    return false;
}

void FillCsrModel(TCsrModel& model, int personType, const String& affiliation, const TFieldTexts& texts)
{
    model.SetCountry(u"IR");
    model.SetOrganization(affiliation);
    model.SetOrganizationUnit(FieldText(texts, TInputField::OrgUnit));
    model.SetCommonName(FieldText(texts, TInputField::CommonName));
    if (personType != 4 && personType != 5)
        model.SetEmailAddress(FieldText(texts, TInputField::Email));
    model.SetSerialNumber(FieldText(texts, TInputField::SerialNumber));
    if (personType == 2 || personType == 3 || personType == 6)
        model.SetSubjectRole(FieldText(texts, TInputField::SubjectRole));
    if (IsNaturalPersonOrOffice(personType)) {
        model.SetSurname(FieldText(texts, TInputField::LastName));
        model.SetGivenName(FieldText(texts, TInputField::FirstName));
        model.SetProvince(FieldText(texts, TInputField::Province));
        model.SetCity(FieldText(texts, TInputField::City));
    }
    model.SetOrganizationIdentifier(String());
    model.SetPersonType(static_cast<Byte>(personType));
}
