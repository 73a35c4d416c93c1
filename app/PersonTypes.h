#pragma once
// The six certificate-holder kinds the main form offers: what the list shows, which identity fields
// each kind asks for, and how the request model is filled from those fields.
#include <array>

#include "CsrModel_Unit.h"
#include "System.h"

// The pair each list entry carries: the type number and its affiliation text.
using TPersonTypeTuple = TTuple<int, String>;

struct TPersonTypeEntry {
    const char16_t* Text;
    int Type;
    const char16_t* Affiliation;
};

inline constexpr int PersonTypeCount = 6;
extern const std::array<TPersonTypeEntry, PersonTypeCount> PersonTypeEntries;

// The nine input fields, in tab order.
enum class TInputField { CommonName, SerialNumber, Email, SubjectRole, OrgUnit, Province, City, LastName, FirstName };
inline constexpr int InputFieldCount = 9;
using TFieldTexts = std::array<String, InputFieldCount>;

inline String& FieldText(TFieldTexts& texts, TInputField field) { return texts[static_cast<int>(field)]; }
inline const String& FieldText(const TFieldTexts& texts, TInputField field) { return texts[static_cast<int>(field)]; }

// Whether the field's edit is enabled under the person type (1 to 6).
bool IsFieldEnabled(TInputField field, int personType);

// Fills the model for the person type from the field texts (taken unchanged, untrimmed).
void FillCsrModel(TCsrModel& model, int personType, const String& affiliation, const TFieldTexts& texts);
