// The controls that take their form's system menu key.
#include "MenuBarKey.h"

#include <algorithm>
#include <vector>

#include "Forms.h"

namespace {

std::vector<TWinControl*>& MenuBarControls()
{
    static std::vector<TWinControl*> controls;
    return controls;
}

} // namespace

void RegisterMenuBarControl(TWinControl* control)
{
    auto& controls = MenuBarControls();
    if (control && std::find(controls.begin(), controls.end(), control) == controls.end())
        controls.push_back(control);
}

void UnregisterMenuBarControl(TWinControl* control) { std::erase(MenuBarControls(), control); }

bool OfferMenuKey(TCustomForm* form, TMessage& message)
{
    // A copy: a control may leave the list while it handles the key.
    const std::vector<TWinControl*> controls = MenuBarControls();
    for (TWinControl* control : controls) {
        if (control->GetParentForm() != form || !control->Showing())
            continue;
        control->WindowProc()(message);
        if (message.Result != 0)
            return true;
    }
    return false;
}
