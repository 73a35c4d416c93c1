#pragma once
// What the main form says to the person: the message box and the balloons beside a field, by
// default through the message-box unit; form tests put recorders in its place.
#include <functional>

#include "StdCtrls.h"
#include "System.h"

struct TMainFormPrompts {
    // Instruction, content, expanded text, message kind.
    std::function<void(const String&, const String&, const String&, Byte)> ShowErrorMessage;
    // Title, instruction, content, expanded text, message kind, button set; answers the modal result.
    std::function<int(const String&, const String&, const String&, const String&, Byte, Byte)> ShowMessageBox;
    // Field name, edit, message kind.
    std::function<void(const String&, TCustomEdit*, Byte)> AskField;
    // Title, text, edit.
    std::function<void(const String&, const String&, TCustomEdit*)> WarnField;
};

const TMainFormPrompts& MainFormPrompts();
// Replaces the prompts and answers the previous ones (restore them with the answer).
TMainFormPrompts SetMainFormPrompts(TMainFormPrompts prompts);
