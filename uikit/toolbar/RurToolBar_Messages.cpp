// The toolbar unit's registered window messages.
#include "RurToolBar_Messages.h"

#include <iterator>

namespace {

constexpr const wchar_t* Names[] = {L"TBCompactWinHide", L"TBSetAeroVista",   L"TBPSetIgnoreALT",
                                    L"TBFUpdateContextMenu", L"TBSetMetro", L"TBRevertMetro",
                                    L"TBSetOffice2013",  L"TBShowShortCutHint"};
UINT Registered[std::size(Names)] = {};
int StartCount = 0;

} // namespace

TColorTones RibbonTones;
TColorTones AppButtonTones;

UINT ToolBarMessage(TToolBarMessage which) { return Registered[static_cast<size_t>(which)]; }

bool IsToolBarMessage(UINT msg, TToolBarMessage which) { return msg != 0 && msg == ToolBarMessage(which); }

void RegisterToolBarMessages()
{
    if (StartCount++ > 0)
        return;
    ClearColorTones(RibbonTones);
    ClearColorTones(AppButtonTones);
    // RegisterWindowMessageW answers 0 when it fails; that 0 is kept and matches no message.
    for (size_t i = 0; i < std::size(Names); ++i)
        Registered[i] = RegisterWindowMessageW(Names[i]);
}

void FinalizeToolBarMessages()
{
    if (StartCount > 0)
        --StartCount;
}
