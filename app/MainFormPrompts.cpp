#include "MainFormPrompts.h"

#include "MessageUn.h"

namespace {

constexpr int NoDefaultButton = 0;
constexpr int NoHelpContext = 0;

int AskWithMessageBox(const String& title, const String& instruction, const String& content, const String& expanded,
                      Byte kind, Byte buttonSet)
{
    bool verified = false;
    return ShowMessageBox(title, instruction, content, expanded, kind, buttonSet, NoDefaultButton, false,
                          NoHelpContext, verified);
}

TMainFormPrompts MessageUnitPrompts()
{
    return {
        ShowErrorMessage,
        AskWithMessageBox,
        [](const String& name, TCustomEdit* edit, Byte kind) { AskField(name, edit, kind); },
        [](const String& title, const String& text, TCustomEdit* edit) { WarnField(title, text, edit); },
    };
}

TMainFormPrompts& CurrentPrompts()
{
    static TMainFormPrompts prompts = MessageUnitPrompts();
    return prompts;
}

} // namespace

const TMainFormPrompts& MainFormPrompts() { return CurrentPrompts(); }

TMainFormPrompts SetMainFormPrompts(TMainFormPrompts prompts)
{
    TMainFormPrompts previous = std::move(CurrentPrompts());
    CurrentPrompts() = std::move(prompts);
    return previous;
}
