#include "MainFormPrompts.h"

namespace {

TMainFormPrompts& CurrentPrompts()
{
    static TMainFormPrompts prompts;
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
