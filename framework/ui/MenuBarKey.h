#pragma once
// Controls that act as their form's menu bar (a toolbar showing a main menu) take the form's system
// menu key (Alt, F10, Alt+letter: WM_SYSCOMMAND with SC_KEYMENU) when the form has no menu of its
// own. The first registered control on the form that answers the message (result not 0) takes it.
class TWinControl;

void RegisterMenuBarControl(TWinControl* control);
void UnregisterMenuBarControl(TWinControl* control);

class TCustomForm;
struct TMessage;
// Hands the message to the form's registered menu-bar controls; true when one took it.
bool OfferMenuKey(TCustomForm* form, TMessage& message);
