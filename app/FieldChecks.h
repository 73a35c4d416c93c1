#pragma once
// The checks of one input field: emptiness, and the rule its Tag selects.
#include "System.h"

// Empty once leading and trailing spaces and control characters are trimmed.
bool IsBlankFieldText(const String& text);

// The warning for a text that breaks the rule of the tag under the person type; empty when the rule
// holds or the tag has no rule. Lengths count UTF-16 code units of the untrimmed text.
String FieldRuleWarning(int tag, int personType, const String& text);

// The warning for an identifier that cannot name the request's files.
String FileNameWarning();
