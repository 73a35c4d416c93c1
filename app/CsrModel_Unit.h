#pragma once
// The request model that the main form fills from its edits, and the generic pair it attaches to
// each entry of the person-type list.
#include <type_traits>
#include <utility>

#include "System.h"

class TCsrModel : public TObject {
public:
    const String& Country() const { return FCountry; }
    void SetCountry(const String& value) { FCountry = value; }
    const String& Organization() const { return FOrganization; }
    void SetOrganization(const String& value) { FOrganization = value; }
    const String& OrganizationUnit() const { return FOrganizationUnit; }
    void SetOrganizationUnit(const String& value) { FOrganizationUnit = value; }
    const String& CommonName() const { return FCommonName; }
    void SetCommonName(const String& value) { FCommonName = value; }
    const String& EmailAddress() const { return FEmailAddress; }
    void SetEmailAddress(const String& value) { FEmailAddress = value; }
    const String& SerialNumber() const { return FSerialNumber; }
    void SetSerialNumber(const String& value) { FSerialNumber = value; }
    const String& SubjectFamilyName() const { return FSubjectFamilyName; }
    void SetSubjectFamilyName(const String& value) { FSubjectFamilyName = value; }
    const String& SubjectName() const { return FSubjectName; }
    void SetSubjectName(const String& value) { FSubjectName = value; }
    const String& SubjectRole() const { return FSubjectRole; }
    void SetSubjectRole(const String& value) { FSubjectRole = value; }
    const String& Province() const { return FProvince; }
    void SetProvince(const String& value) { FProvince = value; }
    const String& City() const { return FCity; }
    void SetCity(const String& value) { FCity = value; }
    const String& OrganizationIdentifier() const { return FOrganizationIdentifier; }
    void SetOrganizationIdentifier(const String& value) { FOrganizationIdentifier = value; }
    const String& Surname() const { return FSurname; }
    void SetSurname(const String& value) { FSurname = value; }
    const String& GivenName() const { return FGivenName; }
    void SetGivenName(const String& value) { FGivenName = value; }
    // Person type 1 to 6 (the certificate-holder kinds); 0 in a new model.
    Byte PersonType() const { return FPersonType; }
    void SetPersonType(Byte value) { FPersonType = value; }

private:
    String FCountry;
    String FOrganization;
    String FOrganizationUnit;
    String FCommonName;
    String FEmailAddress;
    String FSerialNumber;
    String FSubjectFamilyName;
    String FSubjectName;
    String FSubjectRole;
    String FProvince;
    String FCity;
    String FOrganizationIdentifier;
    String FSurname;
    String FGivenName;
    Byte FPersonType = 0;
};

// A pair that frees each item holding an object.
template <class T1, class T2>
class TTuple : public TObject {
public:
    TTuple(T1 Item1, T2 Item2) : FItem1(std::move(Item1)), FItem2(std::move(Item2)) {}
    TTuple(const TTuple&) = delete;
    TTuple& operator=(const TTuple&) = delete;
    ~TTuple() override
    {
        FreeIfObject(FItem1);
        FreeIfObject(FItem2);
    }

    const T1& Item1() const { return FItem1; }
    const T2& Item2() const { return FItem2; }

private:
    template <class T>
    static void FreeIfObject(T& item)
    {
        if constexpr (std::is_pointer_v<T> && std::is_base_of_v<TObject, std::remove_pointer_t<T>>)
            delete item;
    }

    T1 FItem1;
    T2 FItem2;
};
